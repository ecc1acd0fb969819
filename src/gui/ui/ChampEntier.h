#pragma once

#include "gui/ui/ChampNumerique.h"

namespace pelavorine {

// Edit field of an integer: signed, unsigned 16-bit, hexadecimal with "$", or the owner's
// character set.
class ChampEntier : public ChampNumerique {
    Q_OBJECT
public:
    explicit ChampEntier(QWidget* parent = nullptr);

    GenreEntier Genre() const { return genre_; }
    void FixerGenre(GenreEntier genre);
    // The characters a fiUser field accepts (Windows-1252 bytes).
    void FixerJeu(const JeuCaracteres& jeu) { jeu_ = jeu; }
    // The value read, times the multiplier.
    qint64 Valeur() const { return valeur_; }
    // Shows the value divided by the multiplier ("$" and hexadecimal digits for fiHexa).
    void FixerValeur(qint64 valeur);

protected:
    QChar Touche(QChar c) override;
    ValidationNumEdit Interpreter(const QString& texte) const override;
    void Prendre(double valeur) override;

private:
    GenreEntier genre_ = GenreEntier::fiInteger;
    JeuCaracteres jeu_;
    qint64 valeur_ = 0;
};

} // namespace pelavorine
