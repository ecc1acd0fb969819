#include "gui/ui/ChampNumerique.h"

#include <algorithm>

namespace pelavorine {

namespace {
constexpr qsizetype kLongueurLimite = 20;
}

ChampNumerique::ChampNumerique(QWidget* parent) : ChampSaisie(parent) {}

void ChampNumerique::FixerLimites(ModeLimite mode, const QString& mini, const QString& maxi,
                                  const QString& unite) {
    champ_.limiteMode = mode;
    champ_.limiteMini = mini.left(kLongueurLimite);
    champ_.limiteMaxi = maxi.left(kLongueurLimite);
    champ_.limiteUnite = unite;
}

void ChampNumerique::FixerMultiplieur(int multiplieur) {
    champ_.multiplieur = std::max(1, multiplieur);
}

void ChampNumerique::Entrer() {
    if (champ_.limiteMode != ModeLimite::liNone) setToolTip(TexteLimites(champ_));
}

ChampSaisie::Resultat ChampNumerique::Lire() {
    const ValidationNumEdit v = Interpreter(text());
    switch (v.etat) {
    case ValidationNumEdit::Etat::Correcte:
        Prendre(v.valeur);
        return {true, {}, {}};
    case ValidationNumEdit::Etat::Vide:
        PrendreVide();
        return {true, {}, {}};
    case ValidationNumEdit::Etat::HorsLimites:
        return {false, v.message, v.texteRetenu};
    case ValidationNumEdit::Etat::Incorrecte:
        break;
    }
    return {false, v.message, {}};
}

} // namespace pelavorine
