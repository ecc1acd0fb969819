#include "gui/ui/ChampReel.h"

#include "core/store/Nombres.h"

namespace pelavorine {

ChampReel::ChampReel(QWidget* parent) : ChampNumerique(parent) {
    FixerValeur(0);
}

void ChampReel::FixerValeur(double valeur) {
    valeur_ = valeur;
    setText(FormeSimple(valeur / champ_.multiplieur));
}

QChar ChampReel::Touche(QChar c) {
    return ToucheReel(text(), hasSelectedText(), c);
}

ValidationNumEdit ChampReel::Interpreter(const QString& texte) const {
    return ValiderReel(champ_, texte);
}

void ChampReel::Prendre(double valeur) {
    valeur_ = valeur;
    // The first "," or "." is the decimal separator: the text keeps the one that was read.
    QString t = text();
    const qsizetype virgule = t.indexOf(QLatin1Char(','));
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    if (virgule >= 0 && (point < 0 || virgule < point)) {
        t[virgule] = QLatin1Char('.');
        setText(t);
    }
}

} // namespace pelavorine
