#include "core/calc/FonctionsPoint.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/calc/OutilsFonctions.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelavorine::fonctions {

namespace {

constexpr double Infini = MoteurCalcul::Infini;
constexpr double Pi = std::numbers::pi;

double Signe(double x) {
    return x < 0 ? -1.0 : 1.0;
}
bool EstInfini(double x) {
    return !(std::fabs(x) < Infini);
}

// The k-th argument as written, for the current point.

double VersRadians(const MoteurCalcul& moteur, double x) {
    return moteur.degres ? x * Pi / 180.0 : x;
}
double DepuisRadians(const MoteurCalcul& moteur, double x) {
    return moteur.degres ? x * 180.0 / Pi : x;
}

// Integer division of two integers; the remainder takes the sign of the dividend.
double DivisionEntiere(MoteurCalcul& moteur, bool reste) {
    const double a = A(moteur, 1), b = A(moteur, 2);
    if (!EstEntier(a) || !EstEntier(b)) {
        moteur.Erreur(erreur::Entier);
        return 0.0;
    }
    // A zero divisor does not fault: like a quotient by 0 the value is the language's
    // infinity with the sign of the dividend, and the infinite flag marks the point.
    if (b == 0.0) {
        moteur.LeverInfini();
        return Signe(a) * Infini;
    }
    const double r = std::fmod(a, b); // exact
    // + 0.0 turns a negative zero into 0.
    return (reste ? r : (a - r) / b) + 0.0;
}

// LOG, LN: 0 is minus infinity, infinity stays infinite.
double Logarithme(MoteurCalcul& moteur, double (*fonction)(double)) {
    const double x = A(moteur, 1);
    if (x < 0.0) {
        moteur.Erreur(erreur::ArgumentNegatif);
        return 0.0;
    }
    if (x == 0.0) return -Infini;
    if (x >= Infini) return Infini;
    return fonction(x);
}

// Asin, acos: |x| <= 1, result in the angle unit.
double ArcTrigonometrique(MoteurCalcul& moteur, double (*fonction)(double)) {
    const double x = A(moteur, 1);
    if (std::fabs(x) > 1.0) {
        moteur.Erreur(erreur::HorsMoinsUnPlusUn);
        return 0.0;
    }
    return DepuisRadians(moteur, fonction(x));
}

// The checks of CRENEAU and PEIGNE on a bound: a scalar integer within 0..NBPOINT.
bool BorneEntiere(MoteurCalcul& moteur, int k) {
    const MoteurCalcul::Argument& a = moteur.Arg(k);
    if (a.tableau)
        moteur.Erreur(erreur::ArgumentScalaire);
    else if (!EstEntier(a.valeur))
        moteur.Erreur(erreur::Entier);
    else if (a.valeur < 0.0 || a.valeur > moteur.NbPoint())
        moteur.Erreur(erreur::HorsLimites);
    return !moteur.EnErreur();
}

} // namespace

double ArrondiPair(double x) {
    if (std::fabs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

double Borner(MoteurCalcul& moteur, double r) {
    if (std::fabs(r) < Infini || std::isnan(r)) return r;
    moteur.LeverInfini();
    return std::signbit(r) ? -Infini : Infini;
}

double DIV(MoteurCalcul& moteur) {
    return DivisionEntiere(moteur, false);
}
double MOD(MoteurCalcul& moteur) {
    return DivisionEntiere(moteur, true);
}

double SQR(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    return Borner(moteur, x * x);
}

double SQRT(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (x < 0.0) {
        moteur.Erreur(erreur::ArgumentNegatif);
        return 0.0;
    }
    return x >= Infini ? Infini : std::sqrt(x);
}

double LOG(MoteurCalcul& moteur) {
    return Logarithme(moteur, [](double x) { return std::log10(x); });
}
double LN(MoteurCalcul& moteur) {
    return Logarithme(moteur, [](double x) { return std::log(x); });
}

// A result too small for a double is 0 (or its subnormal value), never minus infinity:
// 10^-400 is a tiny positive number.
double EXP10(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (x == 0.0) return 1.0;
    return Borner(moteur, std::pow(10.0, x));
}

double EXP(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    // Below 0 the value lies in 0..1: nothing to flag, and a flag raised earlier stays.
    if (x <= 0.0) return std::exp(x);
    return Borner(moteur, std::exp(x));
}

double INT(MoteurCalcul& moteur) {
    return std::trunc(A(moteur, 1)) + 0.0;
}

double FRAC(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (EstInfini(x)) {
        moteur.EffacerInfini();
        return 0.0;
    }
    return x - std::trunc(x);
}

double FACT(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (x < 0.0 || !EstEntier(x)) {
        moteur.Erreur(erreur::EntierPositif);
        return 0.0;
    }
    if (x > 33.0) {
        moteur.Erreur(erreur::NbPointsIncorrect);
        return 0.0;
    }
    double f = 1.0;
    for (int k = 2; k <= static_cast<int>(x); ++k)
        f *= k;
    return f;
}

double SGN(MoteurCalcul& moteur) {
    return A(moteur, 1) >= 0.0 ? 1.0 : -1.0;
}

double SIN(MoteurCalcul& moteur) {
    return std::sin(VersRadians(moteur, A(moteur, 1)));
}
double COS(MoteurCalcul& moteur) {
    return std::cos(VersRadians(moteur, A(moteur, 1)));
}

double TAN(MoteurCalcul& moteur) {
    // The pole is looked for on the angle, so that 90 is a pole in degree mode.
    const double angle = VersRadians(moteur, A(moteur, 1));
    if (std::fabs(std::fabs(angle) - Pi / 2) <= 1e-5 * Pi / 2) return Infini;
    return Borner(moteur, std::tan(angle));
}

double ASIN(MoteurCalcul& moteur) {
    return ArcTrigonometrique(moteur, [](double x) { return std::asin(x); });
}
double ACOS(MoteurCalcul& moteur) {
    return ArcTrigonometrique(moteur, [](double x) { return std::acos(x); });
}

double ATAN(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    double r;
    if (EstInfini(x)) {
        moteur.EffacerInfini();
        r = Signe(x) * Pi / 2;
    } else {
        r = std::atan(x);
    }
    if (moteur.modeAtan == 180) {
        // Range 0..pi, and a 0 just after an angle past pi/2 stays on the pi side.
        if (r < 0.0)
            r += Pi;
        else if (r == 0.0 && moteur.Point() > 1 && moteur.atanPrecedent > Pi / 2)
            r = Pi;
    }
    moteur.atanPrecedent = r;
    return DepuisRadians(moteur, r);
}

double GAIN(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (x < 0.0) {
        moteur.Erreur(erreur::ArgumentNegatif);
        return 0.0;
    }
    if (x >= Infini) return Infini;
    if (x == 0.0) return -Infini; // as LOG(0)
    return 20.0 * std::log10(x);
}

double MODULE(MoteurCalcul& moteur) {
    const double a = A(moteur, 1), b = A(moteur, 2);
    if (EstInfini(b)) return Infini;
    // hypot: no intermediate overflow or underflow of the squares.
    return Borner(moteur, std::hypot(a, b));
}

double ARGUMENT(MoteurCalcul& moteur) {
    const double x = A(moteur, 1), y = A(moteur, 2);
    double r;
    if (x == 0.0 && y == 0.0)
        r = 0.0; // the origin has no angle: 0 rather than 0/0
    else if (std::fabs(y) < 0.001 * std::fabs(x))
        r = x > 0.0 ? 0.0 : -Pi;
    else if (std::fabs(x) < 0.001 * std::fabs(y))
        r = y > 0.0 ? Pi / 2 : -Pi / 2;
    else {
        r = Pi / 2 - std::atan(x / y);
        if (r > 0.0 && y < 0.0) r -= Pi;
    }
    return DepuisRadians(moteur, r);
}

double SH(MoteurCalcul& moteur) {
    return Borner(moteur, std::sinh(A(moteur, 1)));
}
double CH(MoteurCalcul& moteur) {
    return Borner(moteur, std::cosh(A(moteur, 1)));
}

double TH(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (x > 10.0) return 1.0;
    if (x < -10.0) return -1.0;
    return std::tanh(x);
}

// The library's asinh and acosh, which neither overflow on large arguments nor cancel on
// negative ones; the language's infinity stays infinite.
double ASH(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (EstInfini(x)) return Borner(moteur, x);
    return std::asinh(x);
}

double ACH(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (x < 1.0) {
        moteur.Erreur(erreur::AuMoinsUn);
        return 0.0;
    }
    if (EstInfini(x)) return Borner(moteur, x);
    return std::acosh(x);
}

double ATH(MoteurCalcul& moteur) {
    const double x = A(moteur, 1);
    if (std::fabs(x) > 1.0) {
        moteur.Erreur(erreur::HorsMoinsUnPlusUn);
        return 0.0;
    }
    if (std::fabs(x) == 1.0) return x * Infini;
    return std::atanh(x);
}

double DEG(MoteurCalcul& moteur) {
    return Borner(moteur, A(moteur, 1) * 180.0 / Pi);
}
double RAD(MoteurCalcul& moteur) {
    return A(moteur, 1) * Pi / 180.0;
}
double ABS(MoteurCalcul& moteur) {
    return std::fabs(A(moteur, 1));
}

// The engine's generator, reseeded from the clock at point 1 of each line.
double RANDOM(MoteurCalcul& moteur) {
    GenerateurAleatoire& generateur = moteur.Aleatoire();
    if (moteur.Point() == 1) generateur.Resemer();
    const double a = A(moteur, 1);
    if (EstInfini(a)) return std::fabs(a);
    const double demi = std::fabs(a) / 2;
    const double u = generateur.Tirer(); // 0..1
    const double r = demi * (2.0 * u - 1.0);
    // The upper bound is excluded even when the product rounds up to it.
    return r < demi ? r : std::nextafter(demi, 0.0);
}

double SI(MoteurCalcul& moteur) {
    const double c = A(moteur, 1);
    if (c != 0.0 && c != 1.0) {
        moteur.Erreur(erreur::PasBooleen);
        return 0.0;
    }
    return c != 0.0 ? A(moteur, 2) : A(moteur, 3);
}

double NUMPOINT(MoteurCalcul& moteur) {
    return moteur.Point();
}

double TABLE(MoteurCalcul& moteur) {
    return A(moteur, 1);
}

double RAMPE(MoteurCalcul& moteur) {
    const bool deux = moteur.NbArguments() >= 2;
    const double debut = deux ? A(moteur, 1) : 0.0;
    const double fin = deux ? A(moteur, 2) : A(moteur, 1);
    const int n = moteur.NbPoint();
    if (n <= 1) return debut; // one point: no slope to divide by
    return Borner(moteur, debut + (moteur.Point() - 1) * (fin - debut) / (n - 1));
}

double LRAMPE(MoteurCalcul& moteur) {
    const double a = A(moteur, 1), b = A(moteur, 2);
    // Tested at every point: an argument that turns negative later must not give NaN.
    if (a <= 0.0 || b <= 0.0) {
        moteur.Erreur(erreur::ArgumentNonPositif);
        return 0.0;
    }
    const int n = moteur.NbPoint();
    const int i = moteur.Point();
    // The ends are the bounds themselves, not their logarithms raised back.
    if (i <= 1 || n <= 1) return a;
    if (i == n) return b;
    const double la = std::log10(a), lb = std::log10(b);
    return Borner(moteur, std::pow(10.0, la + (lb - la) * (i - 1) / (n - 1)));
}

double CRENEAU(MoteurCalcul& moteur) {
    if (moteur.Point() == 1) {
        if (!BorneEntiere(moteur, 1) || !BorneEntiere(moteur, 2)) return 0.0;
        if (A(moteur, 2) < A(moteur, 1)) {
            moteur.Erreur(erreur::LimitesImpossibles);
            return 0.0;
        }
    }
    moteur.EffacerInfini();
    const double i = moteur.Point();
    return A(moteur, 1) <= i && i <= A(moteur, 2) ? 1.0 : 0.0;
}

double PEIGNE(MoteurCalcul& moteur) {
    if (moteur.Point() == 1 && (!BorneEntiere(moteur, 1) || !BorneEntiere(moteur, 2))) return 0.0;
    const double largeur = A(moteur, 1), dents = A(moteur, 2);
    // No teeth: a flat 0 rather than a period of M/0 points.
    if (dents <= 0.0) return 0.0;
    // More teeth than points: every point is a tooth.
    const double periode = std::max(1.0, ArrondiPair(moteur.NbPointsLigne() / dents));
    return std::fmod(moteur.Point(), periode) + 1.0 <= largeur ? 1.0 : 0.0;
}

double TRIANGLE(MoteurCalcul& moteur) {
    const bool deux = moteur.NbArguments() >= 2;
    const double debut = deux ? A(moteur, 1) : 0.0;
    const double sommet = deux ? A(moteur, 2) : A(moteur, 1);
    const int n = moteur.NbPoint();
    const int h = n / 2;
    const int i = moteur.Point();
    const double ecart = sommet - debut;
    double r;
    if (i <= h)
        r = h > 1 ? debut + ecart * (i - 1) / (h - 1) : sommet; // h = 1: the top
    else
        r = sommet - ecart * (i - h) / (n - h);
    return Borner(moteur, r);
}

double TOTALPOINTS(MoteurCalcul& moteur) {
    const MoteurCalcul::Argument& y = moteur.Arg(1);
    if (moteur.Point() == 1 && !y.tableau) {
        moteur.Erreur(erreur::TypeArgument);
        return 0.0;
    }
    const TypeId* v = moteur.Variables().Variable(y.variable);
    return v ? v->NbPoints : 0.0;
}

} // namespace pelavorine::fonctions
