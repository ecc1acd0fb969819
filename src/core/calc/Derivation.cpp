#include "core/calc/BibliothequeNumerique.h"
#include "core/calc/TablesNumeriques.h"

#include <algorithm>
#include <cmath>

namespace pelavorine::numerique {

using interne::Contient;

int VerifierAbscisses(std::span<const double> x, int n) {
    if (n <= 1) return statut::TropPeuDePoints;
    if (!Contient(x, n)) return statut::TableInvalide;
    const double d1 = x[2] - x[1];
    int s = statut::Succes;
    for (int i = 2; i <= n && (s == statut::Succes || s == statut::PasNonUniforme); ++i) {
        const double d = x[i] - x[i - 1];
        // The tolerance follows the size of the abscissae whatever their sign, and a zero step
        // is equal abscissae even at 0 (where the tolerance vanishes): negative or zero X would
        // otherwise let equal abscissae through to a division by zero.
        const double t = 1e-5 * (std::fabs(x[i]) + std::fabs(x[i - 1])) / 2;
        if (std::fabs(d1 - d) > t) s = statut::PasNonUniforme;
        if (d < 0) s = statut::NonCroissantes;
        if (std::fabs(d) < t || d == 0) s = statut::AbscissesEgales;
    }
    return s;
}

int VerifierCroissance(std::span<const double> x, int n) {
    if (!Contient(x, n)) return statut::TableInvalide;
    for (int i = 1; i < n; ++i) {
        const double d = x[i + 1] - x[i];
        if (std::fabs(d) < 1e-13) return statut::AbscissesEgales;
        if (d < 0) return statut::NonCroissantes;
    }
    return statut::Succes;
}

namespace {

// Method 2: centred differences, one-sided at the ends.
double DeriveeCentree(int n, std::span<const double> x, std::span<const double> y, int k) {
    if (k == 1) return (y[2] - y[1]) / (x[2] - x[1]);
    if (k == n) return (y[n] - y[n - 1]) / (x[n] - x[n - 1]);
    return (y[k + 1] - y[k - 1]) / (x[k + 1] - x[k - 1]);
}

// Method 3: derivative of the parabola through three neighbouring points.
double DeriveeLagrange(int n, std::span<const double> x, std::span<const double> y, int k) {
    if (k == 1) {
        const double a = x[1] - x[2], b = x[1] - x[3], c = x[2] - x[3];
        return y[1] * (a + b) / (a * b) - y[2] * b / (a * c) + a * y[3] / (b * c);
    }
    if (k == n) {
        const double a = x[n - 1] - x[n], b = x[n - 2] - x[n - 1], c = x[n - 2] - x[n];
        return -y[n - 2] * a / (b * c) + y[n - 1] * c / (a * b) - y[n] * (a + c) / (a * c);
    }
    const double h1 = x[k - 1] - x[k], h2 = x[k] - x[k + 1], h3 = x[k - 1] - x[k + 1];
    return y[k - 1] * h2 / (h1 * h3) - (h2 - h1) * y[k] / (h2 * h1) - h1 * y[k + 1] / (h2 * h3);
}

} // namespace

int DeriveeNumerique(int n, std::span<const double> x, std::span<const double> y, int methode,
                     std::span<const double> e, int m, std::span<double> d) {
    if (methode != 2 && methode != 3) return statut::Interne;
    if (n < methode) return statut::TropPeuDePoints;
    if (!Contient(x, n) || !Contient(y, n) || !Contient(e, m) || !Contient(d, m))
        return statut::TableInvalide;
    int s = VerifierAbscisses(x, n);
    if (s == statut::PasNonUniforme) s = statut::Succes;
    if (s != statut::Succes) return s;
    // The abscissae are now strictly increasing: the first point within 1e-13 of E[q] is
    // found by bisection instead of a scan from 1 (same point, n·log n instead of n·m).
    const auto debut = x.begin() + 1, fin = x.begin() + n + 1;
    for (int q = 1; q <= m; ++q) {
        const auto p = std::lower_bound(debut, fin, e[q] - 1e-13);
        if (p == fin || std::fabs(*p - e[q]) > 1e-13) {
            d[q] = -1e300;
            s = statut::AbscissesEgales;
            continue;
        }
        const int k = static_cast<int>(p - x.begin());
        d[q] = methode == 2 ? DeriveeCentree(n, x, y, k) : DeriveeLagrange(n, x, y, k);
    }
    return s;
}

int IntegraleCumulee(int n, std::span<const double> x, std::span<const double> y,
                     std::span<double> c) {
    if (n < 2) return statut::DegreTropGrand;
    if (!Contient(x, n) || !Contient(y, n) || !Contient(c, n)) return statut::TableInvalide;
    const int s = VerifierAbscisses(x, n);
    if (s != statut::Succes && s != statut::PasNonUniforme) return s;
    c[1] = 0;
    for (int i = 2; i <= n; ++i)
        c[i] = c[i - 1] + (y[i] + y[i - 1]) * (x[i] - x[i - 1]) / 2;
    return statut::Succes;
}

Integrale IntegraleDefinie(std::span<const double> x, std::span<const double> y, int i1, int i2) {
    if (i1 > i2) std::swap(i1, i2);
    // An index outside the tables would read outside them.
    if (i1 < 1 || !Contient(x, i2) || !Contient(y, i2)) return {0.0, statut::TableInvalide};
    Integrale r;
    for (int i = i1 + 1; i <= i2; ++i)
        r.valeur += (y[i] + y[i - 1]) * (x[i] - x[i - 1]) / 2;
    return r;
}

} // namespace pelavorine::numerique
