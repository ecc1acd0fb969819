#pragma once

#include "core/windows/EchelleAxe.h"

#include <QString>

namespace pelavorine {

class TableVariables;

// Scale arithmetic of the curve windows, shared with the text import. The decimal exponent,
// mantissa and power of ten are those of store/Nombres.h.

// Limits beyond this are treated as missing.
inline constexpr double LimiteEchelle = 5e299;
// How far a widened scale reaches beyond the data, per side (1.16 on narrow screens).
inline constexpr double FacteurElargissementNormal = 1.1;
inline constexpr double FacteurElargissementEtroit = 1.16;
double FacteurElargissement(int largeurEcran);

// The mantissa that goes with ArrondiPuissanceDix(x): ±1 when x is so close to the next
// decade that its power of ten already counts it there; 0 for 0.
double MantisseDecade(double x);
// 0 for 0, else ± a power of ten times the first of 1, 2, 2.5, 5, 10 not below the mantissa.
double PasRond(double x);

// The next tick of a logarithmic axis from x: the first of 1, 3, 5, 7 (then 10) not below the
// mantissa, times the power of ten.
struct GraduationLog {
    double valeur = 0;
    int chiffre = 1; // 1, 3, 5 or 7
    double puissance = 1;
};
GraduationLog ProchaineGraduationLog(double x);

// x rounded to `chiffres` significant digits towards +∞ (versLeHaut) or −∞; 0 stays 0.
// Digits beyond the 13th are noise of the binary form and do not push the rounding.
double ArrondiDirige(double x, int chiffres, bool versLeHaut);
// Widens [minimum, maximum] by (facteur − 1) × span on each side, then rounds the minimum
// down and the maximum up to `chiffres` significant digits.
void ElargirEtArrondir(double& minimum, double& maximum, int chiffres, double facteur);

// Makes a pair of limits usable: missing limits (beyond 5e299, not numbers) are replaced,
// equal limits are spread, and the pair is put in increasing order.
void BornerLimites(double& minimum, double& maximum);

// Evaluates a scale from the variable it follows, or from its manual limits; with
// `elargir`, widens and rounds to 3 digits (a manual scale keeps the widened limits).
// A followed variable that no longer exists makes the scale manual on its last limits.
void EvaluerEchelle(EchelleAxe& echelle, const TableVariables& table, bool elargir,
                    double facteur = FacteurElargissementNormal);
// Evaluates a scale as manual, whatever it followed.
void EvaluerEchelleManuelle(EchelleAxe& echelle, bool elargir,
                            double facteur = FacteurElargissementNormal);
// Manual scale on the given limits, then evaluated.
void FixerEchelleManuelle(EchelleAxe& echelle, double maximum, double minimum, bool elargir,
                          double facteur = FacteurElargissementNormal);
// Follows the variable of that name (manual when there is none), then evaluated exactly.
void SuivreNom(EchelleAxe& echelle, const QString& nom, const TableVariables& table);

} // namespace pelavorine
