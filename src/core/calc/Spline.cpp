#include "core/calc/BibliothequeNumerique.h"
#include "core/calc/TablesNumeriques.h"

#include <new>
#include <vector>

namespace pelavorine::numerique {

using interne::Contient;

namespace {

// Second derivatives s[1..n] of the natural cubic spline through the points (both end slopes
// free, so zero second derivatives at the ends): tridiagonal recurrence, forward elimination
// into the work table w then back substitution.
void DeriveesSecondes(int n, std::span<const double> x, std::span<const double> y,
                      std::vector<double>& s, std::vector<double>& w) {
    s[1] = w[1] = 0;
    for (int i = 2; i < n; ++i) {
        const double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const double p = sig * s[i - 1] + 2;
        s[i] = (sig - 1) / p;
        const double saut =
            (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        w[i] = (6 * saut / (x[i + 1] - x[i - 1]) - sig * w[i - 1]) / p;
    }
    s[n] = 0;
    for (int k = n - 1; k >= 1; --k)
        s[k] = s[k] * s[k + 1] + w[k];
}

} // namespace

int Reechantillonner(int n, std::span<const double> x, std::span<const double> y,
                     std::span<const double> u, int m, std::span<double> v) {
    // The recurrence needs two points: with one the bisection has no interval.
    if (n < 2) return statut::TropPeuDePoints;
    if (!Contient(x, n) || !Contient(y, n) || !Contient(u, m) || !Contient(v, m))
        return statut::TableInvalide;
    if (const int s = VerifierCroissance(x, n); s != statut::Succes) return s;
    std::vector<double> s, w;
    try {
        s.resize(n + 1);
        w.resize(n + 1);
    } catch (const std::bad_alloc&) {
        return statut::Memoire;
    }
    DeriveesSecondes(n, x, y, s, w);
    for (int q = 1; q <= m; ++q) {
        int bas = 1, haut = n;
        while (haut - bas > 1) {
            const int k = (haut + bas) / 2;
            if (x[k] > u[q])
                haut = k;
            else
                bas = k;
        }
        const double h = x[haut] - x[bas];
        if (h == 0) return statut::NonCroissantes;
        const double a = (x[haut] - u[q]) / h, b = (u[q] - x[bas]) / h;
        v[q] = a * y[bas] + b * y[haut] +
               ((a * a * a - a) * s[bas] + (b * b * b - b) * s[haut]) * (h * h) / 6;
    }
    return statut::Succes;
}

} // namespace pelavorine::numerique
