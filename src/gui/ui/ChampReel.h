#pragma once

#include "gui/ui/ChampNumerique.h"

namespace pelavorine {

enum class GenreReel { fiReal, fiScientific };

// Edit field of a real number: digits, a sign, the decimal separator ("," or ".") and one
// exponent "E".
class ChampReel : public ChampNumerique {
    Q_OBJECT
public:
    explicit ChampReel(QWidget* parent = nullptr);

    GenreReel Genre() const { return genre_; }
    void FixerGenre(GenreReel genre) { genre_ = genre; }
    // The value read, times the multiplier.
    double Valeur() const { return valeur_; }
    // Shows the value divided by the multiplier.
    void FixerValeur(double valeur);

protected:
    QChar Touche(QChar c) override;
    ValidationNumEdit Interpreter(const QString& texte) const override;
    void Prendre(double valeur) override;

private:
    GenreReel genre_ = GenreReel::fiReal;
    double valeur_ = 0;
};

} // namespace pelavorine
