#include "core/calc/BibliothequeNumerique.h"
#include "core/calc/TablesNumeriques.h"

#include <algorithm>
#include <array>

namespace pelavorine::numerique {

using interne::Contient;

namespace {

constexpr int NbPointsMaximum = 10000;
constexpr int TailleBlocMaximum = 25;

using Binomiaux = std::array<double, TailleBlocMaximum>;

// Row `degre` of Pascal's triangle (exact in doubles up to degree 24).
Binomiaux Coefficients(int degre) {
    Binomiaux c{};
    c[0] = 1;
    for (int k = 1; k <= degre; ++k)
        for (int j = k; j >= 1; --j)
            c[j] += c[j - 1];
    return c;
}

// Point at parameter t of the Bézier curve whose control points are p[0..degre]: the
// Bernstein sum is evaluated by Horner's scheme in t/(1-t), or in (1-t)/t past the middle,
// so that the powers stay below 1 and t = 0 and t = 1 give the end points exactly.
double Bezier(const double* p, int degre, const Binomiaux& c, double t) {
    double somme, facteur = 1;
    if (t <= 0.5) {
        const double r = t / (1 - t);
        somme = c[degre] * p[degre];
        for (int j = degre - 1; j >= 0; --j)
            somme = somme * r + c[j] * p[j];
        for (int j = 0; j < degre; ++j)
            facteur *= 1 - t;
    } else {
        const double r = (1 - t) / t;
        somme = c[0] * p[0];
        for (int j = 1; j <= degre; ++j)
            somme = somme * r + c[j] * p[j];
        for (int j = 0; j < degre; ++j)
            facteur *= t;
    }
    return somme * facteur;
}

} // namespace

int LissagePolynomial(int n, std::span<const double> x, std::span<const double> y, int d, int m,
                      std::span<double> sortieY, std::span<double> sortieX) {
    if (n > NbPointsMaximum) return statut::TropDePoints;
    if (n < 2) return statut::TropPeuDePoints;
    // Below 2 points a block would not advance along the table: refused like a block too big.
    if (d > TailleBlocMaximum || d < 2) return statut::DegreTropGrand;
    if (m < 1) return statut::TropPeuDePoints;
    if (!Contient(x, n) || !Contient(y, n) || !Contient(sortieY, m) ||
        (!sortieX.empty() && !Contient(sortieX, m)))
        return statut::TableInvalide;

    // Blocks of d points share their ends: block b covers [debut, fin] and the next starts on
    // fin. The m − 1 output intervals are shared among the blocks in proportion to their
    // n − 1 input intervals (rounded on the running total, so that they add up to m − 1 and
    // m = n gives every block its own size); each block then yields its points t = j/q,
    // j = 1..q, after the first point of all.
    sortieY[1] = y[1];
    if (!sortieX.empty()) sortieX[1] = x[1];
    int sortie = 1;
    long long cumul = 0;
    for (int debut = 1; debut < n; debut += d - 1) {
        const int fin = std::min(debut + d - 1, n);
        const int degre = fin - debut;
        const long long total = (2LL * (m - 1) * (fin - 1) + (n - 1)) / (2LL * (n - 1)); // rounded
        const int q = static_cast<int>(total - cumul);
        cumul = total;
        const Binomiaux c = Coefficients(degre);
        for (int j = 1; j <= q; ++j) {
            const double t = j == q ? 1.0 : static_cast<double>(j) / q;
            ++sortie;
            sortieY[sortie] = Bezier(&y[debut], degre, c, t);
            if (!sortieX.empty()) sortieX[sortie] = Bezier(&x[debut], degre, c, t);
        }
    }
    return statut::Succes;
}

} // namespace pelavorine::numerique
