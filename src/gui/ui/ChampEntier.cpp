#include "gui/ui/ChampEntier.h"

#include <cmath>

namespace pelavorine {

ChampEntier::ChampEntier(QWidget* parent) : ChampNumerique(parent) {
    FixerValeur(0);
}

void ChampEntier::FixerGenre(GenreEntier genre) {
    genre_ = genre;
    FixerValeur(valeur_);
}

void ChampEntier::FixerValeur(qint64 valeur) {
    valeur_ = valeur;
    const qint64 montre = valeur / champ_.multiplieur;
    setText(genre_ == GenreEntier::fiHexa ? TexteHexa(static_cast<quint32>(montre))
                                          : QString::number(montre));
}

QChar ChampEntier::Touche(QChar c) {
    return ToucheEntier(genre_, text(), hasSelectedText(), c, &jeu_);
}

ValidationNumEdit ChampEntier::Interpreter(const QString& texte) const {
    return ValiderEntier(champ_, genre_, texte);
}

void ChampEntier::Prendre(double valeur) {
    valeur_ = std::llround(valeur);
    // A hexadecimal text gets its "$" when it was typed without.
    if (genre_ == GenreEntier::fiHexa && !text().trimmed().startsWith(QLatin1Char('$')))
        setText(QLatin1Char('$') + text().trimmed().toUpper());
}

} // namespace pelavorine
