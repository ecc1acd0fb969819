#include "gui/ui/ChampChaine.h"

namespace pelavorine {

ChampChaine::ChampChaine(QWidget* parent) : ChampSaisie(parent) {}

QChar ChampChaine::Touche(QChar c) {
    return ToucheChaine(genre_, text(), c, &jeu_) ? c : QChar();
}

ChampSaisie::Resultat ChampChaine::Lire() {
    if (genre_ == GenreChaine::geIdent && !IdentCorrect(text(), chaineVideValide_))
        return {false, MessageNomIncorrect(), {}};
    return {true, {}, {}};
}

} // namespace pelavorine
