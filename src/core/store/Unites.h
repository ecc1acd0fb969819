#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace pelavorine {

// The known units and their prefixes. The prefix rules decide which prefix letter a value
// is shown with (engineering display) and what a prefix typed before a unit is worth.

inline constexpr int kNombreUnites = 36;

// Prefix bits of the unit table.
enum BitPrefixe : int {
    kPrefixeT = 0x001,
    kPrefixeG = 0x002,
    kPrefixeM = 0x004,
    kPrefixek = 0x008,
    kPrefixec = 0x020,
    kPrefixem = 0x040,
    kPrefixeMicro = 0x080,
    kPrefixen = 0x100,
    kPrefixep = 0x200,
    kPrefixef = 0x400,
};

// The micro prefix as the program writes it (the micro sign; the Greek mu reads the same).
inline constexpr QChar kMicro = QChar(0x00B5);

// Table entry i (0 = no unit, 1..36 the known units); an index out of range gives entry 0.
QString SymboleUnite(int index);
QString NomUnite(int index); // translated
int PrefixesUnite(int index);
// Power of the length in the unit (2 for "m²", 3 for "m³", else 1): a prefix scales the
// length, so "cm²" is 10⁻⁴ m².
int PuissanceUnite(int index);

// The 36 symbols in table order, for a unit list.
QStringList SymbolesUnites();
// Symbol as a unit list shows it: the Ohm unit as the Greek capital Omega.
QString SymboleAffiche(int index);

// True when c is one of the prefix letters T G M k c m µ n p f (µ or Greek mu).
bool EstPrefixe(QChar c);
// Decimal exponent of a prefix letter (T → 12, µ → −6…); 0 for any other character.
int ExposantPrefixe(QChar c);
// Factor of a prefix letter (T → 1e12…); 1 for any other character.
double FacteurPrefixe(QChar c);
// Bit of a prefix letter in the unit table, 0 for any other character.
int BitDuPrefixe(QChar c);

// Index 0..36 of the known unit a text stands for (0: none).
int IndexUnite(const QString& texte);

struct FacteurEtUnite {
    double facteur = 1;
    int exposant = 0; // decimal exponent of the factor when it comes from a prefix, else 0
    QString unite;    // the unit without its prefix
};

// The factor of the prefix (or of "min", "h") that a unit text carries, and the unit left
// once it is removed; "min" and "h" are worth 60 and 3600 seconds and leave "s".
FacteurEtUnite FacteurUnite(const QString& unite);

// x times (or divided by) the factor; a prefix factor is applied through an exact power of
// ten so that "2ms" reads as the double nearest to 0.002.
double MultiplierParFacteur(double x, const FacteurEtUnite& f);
double DiviserParFacteur(double x, const FacteurEtUnite& f);

// The prefix letter a value is shown with in the given unit (engineering display), or a null
// QChar for none.
QChar PrefixeUnite(const QString& unite, double x);

} // namespace pelavorine
