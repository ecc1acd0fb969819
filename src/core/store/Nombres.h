#pragma once

#include "core/store/ReglagesNombres.h"

#include <QString>
#include <QtGlobal>

namespace pelavorine {

// Every number shown to the user goes through these formatters and every number typed
// goes through these readers. Numbers are always written and read with ".", whatever the
// user's locale.

// Result of a reading: the value (0 when the text is incorrect) and whether it was correct.
struct Lecture {
    double valeur = 0;
    bool correct = false;
};

// Message of an unreadable number for the caller's error box.
inline constexpr const char* kErreurSyntaxe = QT_TRANSLATE_NOOP("Nombres", "Erreur de syntaxe");
QString MessageErreurSyntaxe();
// "Infini" or "-Infini", translated.
QString TexteInfini(bool negatif);

// --- Powers of ten ---------------------------------------------------------------------

// 10^k as the nearest double (0 below the smallest double, infinity above the largest).
double Puissance10(int k);
// x × 10^k through exact powers of ten: dividing by 10^−k for k < 0 rounds once only.
double EchelleDix(double x, int k);

// --- Text forms --------------------------------------------------------------------------

// The shorter of fixed and scientific notation with `precision` significant digits: fixed
// when at most `precision` digits stand before the point and the magnitude is at least
// 0.00001, else mantissa, "E", "-" for a negative exponent and at least `chiffresExposant`
// exponent digits; trailing zeros and a useless point removed.
QString FormeGenerale(double x, int precision, int chiffresExposant);
// The general form with 15 digits and no minimum exponent width.
QString FormeSimple(double x);
// One digit, ".", precision − 1 digits, "E", the exponent's sign and at least
// `chiffresExposant` exponent digits.
QString FormeExposant(double x, int precision, int chiffresExposant);

// Decimal exponent of x once rounded to 13 significant digits (0 for 0).
int Exposant(double x);
// Signed mantissa in [1, 10) that goes with Exposant(x): 20 significant digits, or ±1 when
// the 13-digit rounding of x reached the next decade.
double Mantisse(double x);
// 10 to the exponent of x, one decade up when the 13-digit mantissa is above 9.999999;
// always positive, 1 for 0 or a non-finite x.
double ArrondiPuissanceDix(double x);

// --- Formatters ----------------------------------------------------------------------------

// The basic formatter: |chiffres| significant digits (5 when 0 or above 20; a negative count
// keeps trailing zeros), "0+"/"0-" for values negligible against the reference, exponents in
// multiples of 3 written " E3", " E-6"…
QString TexteValeur(const ReglagesNombres& r, int chiffres, double reference, double x);
// A value with its unit; in engineering notation with the prefix that suits it ("5.20 mV").
QString TexteValeurUnite(const ReglagesNombres& r, int chiffres, const QString& unite,
                         double reference, double x);
// A duration of x in `unite`: up to 100 s as seconds with a prefix, beyond that in whole
// hours, minutes and seconds ("1h 20 min 30 s ").
QString TexteDuree(const ReglagesNombres& r, int chiffres, const QString& unite, bool avecHeures,
                   double x);
// Compact display with a number of decimals, "Infini" beyond 9.9e299.
QString TexteNombre(int decimales, double x);

// --- Readers -------------------------------------------------------------------------------

// A plain number: optional sign, digits with an optional ".", optional exponent. Nothing
// else (no blanks, no group separator, no "inf").
Lecture LireNombreSimple(const QString& texte);
// A number followed by an optional prefix and unit ("5kV", "2ms", "1,5"); spaces ignored.
Lecture LireValeur(const QString& texte);
// A duration in seconds ("1h 20 min 30", "2ms", "90").
Lecture LireDuree(const QString& texte);
// A plain number or "INFINI" (±1e300); an empty text is 0. Incorrect → the caller shows
// MessageErreurSyntaxe().
Lecture LireNombre(const QString& texte);

// --- Rounding ------------------------------------------------------------------------------

// x truncated to n significant digits (0 for |x| < 1e-30).
double ArrondiChiffres(int n, double x);
// The multiple of |pas| nearest to x (a tie goes towards zero).
double ArrondiMultiple(double pas, double x);
// Positive/negative/zero picture for tables (" ##0.##; -##0.##; 0"), at most 30 characters.
QString FormatParDefaut(int entiers, int decimales);

} // namespace pelavorine
