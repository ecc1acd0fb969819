#include "core/calc/BibliothequeNumerique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

using namespace pelavorine::numerique;

namespace {

constexpr double Pi = std::numbers::pi;

// A 1-based table: element 0 is NaN, so that a kernel reading it shows in its results.
std::vector<double> T(std::vector<double> points) {
    points.insert(points.begin(), std::numeric_limits<double>::quiet_NaN());
    return points;
}
std::vector<double> Vide(int n) {
    return std::vector<double>(n + 1, 0.0);
}
std::vector<double> Appliquer(const std::vector<double>& x,
                              const std::function<double(double)>& f) {
    std::vector<double> y(x.size(), std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 1; i < x.size(); ++i)
        y[i] = f(x[i]);
    return y;
}
int N(const std::vector<double>& t) {
    return static_cast<int>(t.size()) - 1;
}

std::vector<double> Aleatoires(int n, unsigned graine, double min = -1, double max = 1) {
    std::mt19937 g(graine);
    std::uniform_real_distribution<double> u(min, max);
    std::vector<double> t(n + 1, std::numeric_limits<double>::quiet_NaN());
    for (int i = 1; i <= n; ++i)
        t[i] = u(g);
    return t;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Abscissae checks

TEST(BibliothequeNumeriqueTest, VerifierAbscisses) {
    struct Cas {
        std::vector<double> x;
        int attendu;
    };
    const std::vector<Cas> cas = {
        {{0, 1, 2, 3}, 0},
        {{0, 1, 3}, statut::PasNonUniforme},
        {{1, 1, 2}, statut::AbscissesEgales},
        {{1, 2, 2, 3}, statut::AbscissesEgales}, // uneven then equal: the later rule wins
        {{3, 2, 1}, statut::NonCroissantes},
        {{0, 1, 3, 2}, statut::NonCroissantes},
        {{5}, statut::TropPeuDePoints},
        {{1000, 1000.001, 1000.002}, statut::AbscissesEgales}, // tolerance relative to X
        {{-2, -1, 0, 1}, 0},
        // Negative or zero abscissae: equal ones are still found.
        {{-3, -3, -1}, statut::AbscissesEgales},
        {{0, 0, 1}, statut::AbscissesEgales},
        {{-1, -0.5, -0.5}, statut::AbscissesEgales},
    };
    for (const Cas& c : cas) {
        const std::vector<double> x = T(c.x);
        EXPECT_EQ(VerifierAbscisses(x, N(x)), c.attendu) << "X[1] = " << x[1] << ", n = " << N(x);
    }
    const std::vector<double> courte = T({0, 1});
    EXPECT_EQ(VerifierAbscisses(courte, 3), statut::TableInvalide);
}

TEST(BibliothequeNumeriqueTest, VerifierCroissance) {
    struct Cas {
        std::vector<double> x;
        int attendu;
    };
    const std::vector<Cas> cas = {
        {{0, 1, 3, 7}, 0},
        {{0, 1, 1}, statut::AbscissesEgales},
        {{0, 2, 1}, statut::NonCroissantes},
        {{0, 1e-14, 1}, statut::AbscissesEgales},
        {{0, 1e-12, 1}, 0},
        {{4}, 0},
    };
    for (const Cas& c : cas) {
        const std::vector<double> x = T(c.x);
        EXPECT_EQ(VerifierCroissance(x, N(x)), c.attendu) << "X[2] = " << (N(x) > 1 ? x[2] : 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Derivative

TEST(BibliothequeNumeriqueTest, DeriveeDeXCarreEstExacteAvecLaMethode3) {
    const std::vector<double> x = T({0, 1, 2, 3}), y = Appliquer(x, [](double v) { return v * v; });
    std::vector<double> d = Vide(4);
    ASSERT_EQ(DeriveeNumerique(4, x, y, 3, x, 4, d), 0);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(d[i], 2.0 * (i - 1)) << "at point " << i;
}

// Each method against the analytic derivative where it is exact: method 3 for any parabola on
// uneven steps (ends included), method 2 for a straight line and, inside a uniform grid, for a
// parabola, with the one-sided differences at the ends.
TEST(BibliothequeNumeriqueTest, DeriveeExacteSurPolynomes) {
    struct Cas {
        const char* nom;
        int methode;
        std::vector<double> x;
        std::function<double(double)> f, derivee;
    };
    const auto parabole = [](double v) { return 3 * v * v - 2 * v + 1; };
    const auto pente = [](double v) { return 6 * v - 2; };
    const std::vector<Cas> cas = {
        {"method 3, uneven parabola", 3, {0, 0.5, 1.7, 2.0, 3.1, 5}, parabole, pente},
        {"method 3, three points", 3, {-1, 0.25, 2}, parabole, pente},
        {"method 2, uneven line",
         2,
         {0, 0.5, 1.7, 2.0},
         [](double v) { return 4 - 2.5 * v; },
         [](double) { return -2.5; }},
        {"method 2, two points",
         2,
         {1, 3},
         [](double v) { return 2 * v; },
         [](double) { return 2.0; }},
    };
    for (const Cas& c : cas) {
        const std::vector<double> x = T(c.x), y = Appliquer(x, c.f);
        const int n = N(x);
        std::vector<double> d = Vide(n);
        ASSERT_EQ(DeriveeNumerique(n, x, y, c.methode, x, n, d), 0) << c.nom;
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(d[i], c.derivee(x[i]), 1e-12 * (1 + std::fabs(c.derivee(x[i]))))
                << c.nom << " at point " << i;
    }
    // Method 2 on a uniform parabola: exact inside, one-sided difference at the ends.
    const std::vector<double> x = T({0, 0.5, 1, 1.5, 2}), y = Appliquer(x, parabole);
    std::vector<double> d = Vide(5);
    ASSERT_EQ(DeriveeNumerique(5, x, y, 2, x, 5, d), 0);
    EXPECT_NEAR(d[1], (parabole(0.5) - parabole(0)) / 0.5, 1e-12);
    for (int i = 2; i <= 4; ++i)
        EXPECT_NEAR(d[i], pente(x[i]), 1e-12) << "at point " << i;
    EXPECT_NEAR(d[5], (parabole(2) - parabole(1.5)) / 0.5, 1e-12);
}

TEST(BibliothequeNumeriqueTest, DeriveeDuSinusSurPasIrreguliers) {
    // Second-order accuracy of method 3 on a fine uneven grid.
    std::vector<double> x = Vide(200);
    for (int i = 1; i <= 200; ++i)
        x[i] = 0.03 * i + 0.01 * std::sin(i * 1.3);
    const std::vector<double> y = Appliquer(x, [](double v) { return std::sin(v); });
    std::vector<double> d = Vide(200);
    ASSERT_EQ(DeriveeNumerique(200, x, y, 3, x, 200, d), 0);
    for (int i = 1; i <= 200; ++i)
        EXPECT_NEAR(d[i], std::cos(x[i]), 2e-3) << "at point " << i;
    for (int i = 2; i < 200; ++i)
        EXPECT_NEAR(d[i], std::cos(x[i]), 5e-4) << "at point " << i;
}

TEST(BibliothequeNumeriqueTest, DeriveeAuxAbscissesDemandees) {
    const std::vector<double> x = T({0, 1, 2, 3, 4}),
                              y = Appliquer(x, [](double v) { return v * v; });
    // 2 + 5e-14 is taken for 2; 2.5 and 9 are no abscissa of the table: -1e300 and status 1,
    // the others are still computed.
    const std::vector<double> e = T({3, 2 + 5e-14, 2.5, 0, 9});
    std::vector<double> d = Vide(5);
    EXPECT_EQ(DeriveeNumerique(5, x, y, 3, e, 5, d), statut::AbscissesEgales);
    EXPECT_NEAR(d[1], 6, 1e-12);
    EXPECT_NEAR(d[2], 4, 1e-12);
    EXPECT_EQ(d[3], -1e300);
    EXPECT_NEAR(d[4], 0, 1e-12);
    EXPECT_EQ(d[5], -1e300);
}

TEST(BibliothequeNumeriqueTest, DeriveeRefusee) {
    struct Cas {
        const char* nom;
        std::vector<double> x;
        int methode;
        int attendu;
    };
    const std::vector<Cas> cas = {
        {"method 4", {0, 1, 2, 3}, 4, statut::Interne},
        {"method 1", {0, 1, 2, 3}, 1, statut::Interne},
        {"two points, method 3", {0, 1}, 3, statut::TropPeuDePoints},
        {"one point, method 2", {0}, 2, statut::TropPeuDePoints},
        {"equal abscissae", {0, 1, 1, 2}, 3, statut::AbscissesEgales},
        {"decreasing", {0, 2, 1, 3}, 2, statut::NonCroissantes},
    };
    for (const Cas& c : cas) {
        const std::vector<double> x = T(c.x), y = x;
        std::vector<double> d = Vide(N(x));
        EXPECT_EQ(DeriveeNumerique(N(x), x, y, c.methode, x, N(x), d), c.attendu) << c.nom;
    }
    const std::vector<double> x = T({0, 1, 2}), e = T({1});
    std::vector<double> d = Vide(1);
    EXPECT_EQ(DeriveeNumerique(3, x, x, 2, e, 2, d), statut::TableInvalide);
}

// ---------------------------------------------------------------------------------------------
// Integrals

TEST(BibliothequeNumeriqueTest, IntegraleCumulee) {
    const std::vector<double> x = T({0, 1, 2, 3, 4}), un = T({1, 1, 1, 1, 1});
    std::vector<double> c = Vide(5);
    ASSERT_EQ(IntegraleCumulee(5, x, un, c), 0);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(c[i], i - 1.0) << "at point " << i;

    // Trapezoids are exact for a straight line, whatever the steps: ∫ (2v + 1) = v² + v.
    const std::vector<double> xi = T({-1, -0.2, 0.7, 3, 3.5});
    const std::vector<double> yi = Appliquer(xi, [](double v) { return 2 * v + 1; });
    ASSERT_EQ(IntegraleCumulee(5, xi, yi, c), 0);
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(c[i], xi[i] * xi[i] + xi[i], 1e-12) << "at point " << i;

    EXPECT_EQ(IntegraleCumulee(1, x, un, c), statut::DegreTropGrand);
    const std::vector<double> egales = T({0, 1, 1, 2});
    EXPECT_EQ(IntegraleCumulee(4, egales, un, c), statut::AbscissesEgales);
    const std::vector<double> decroit = T({3, 2, 1});
    EXPECT_EQ(IntegraleCumulee(3, decroit, un, c), statut::NonCroissantes);
}

TEST(BibliothequeNumeriqueTest, IntegraleDefinie) {
    const std::vector<double> x = T({0, 1, 2, 3, 4}), un = T({1, 1, 1, 1, 1});
    const std::vector<double> xi = T({-1, -0.2, 0.7, 3, 3.5});
    const std::vector<double> yi = Appliquer(xi, [](double v) { return 2 * v + 1; });
    struct Cas {
        const std::vector<double>* x;
        const std::vector<double>* y;
        int i1, i2;
        double attendu;
        int statut;
    };
    const std::vector<Cas> cas = {
        {&x, &un, 4, 1, 3, 0},
        {&x, &un, 1, 4, 3, 0},
        {&x, &un, 2, 2, 0, 0},
        {&xi, &yi, 2, 5, (3.5 * 3.5 + 3.5) - (0.04 - 0.2), 0},
        {&x, &un, 0, 3, 0, statut::TableInvalide},
        {&x, &un, 2, 6, 0, statut::TableInvalide},
    };
    for (const Cas& c : cas) {
        const Integrale r = IntegraleDefinie(*c.x, *c.y, c.i1, c.i2);
        EXPECT_EQ(r.statut, c.statut) << c.i1 << ".." << c.i2;
        EXPECT_NEAR(r.valeur, c.attendu, 1e-12) << c.i1 << ".." << c.i2;
    }
}

// ---------------------------------------------------------------------------------------------
// Natural cubic spline

TEST(BibliothequeNumeriqueTest, SplineCalculeeALaMain) {
    // Natural splines solved by hand: second derivatives from the tridiagonal system, then
    // V = A·Y[lo] + B·Y[hi] + ((A³ − A)·S[lo] + (B³ − B)·S[hi])·h²/6.
    struct Cas {
        const char* nom;
        std::vector<double> x, y, u, v;
    };
    const std::vector<Cas> cas = {
        // S = 0, −3, 0
        {"3 points", {0, 1, 2}, {0, 1, 0}, {0.5, 1.5, 1}, {0.6875, 0.6875, 1}},
        // S = 0, −4, 4, 0
        {"4 points", {0, 1, 2, 3}, {0, 1, 0, 1}, {0.5, 1.5, 2.5}, {0.75, 0.5, 0.25}},
        // h = 1, 2: 6·S2 = 6·(−1/2 − 1), S2 = −1.5
        {"uneven", {0, 1, 3}, {0, 1, 0}, {2, 0.5}, {0.875, 0.5 + 0.375 * 1.5 / 6}},
        // outside the points the end cubic goes on: S = 0, −3, 0 gives V(−1) = −1 and V(3) = −1
        {"outside", {0, 1, 2}, {0, 1, 0}, {-1, 3}, {-1, -1}},
    };
    for (const Cas& c : cas) {
        const std::vector<double> x = T(c.x), y = T(c.y), u = T(c.u);
        std::vector<double> v = Vide(N(u));
        ASSERT_EQ(Reechantillonner(N(x), x, y, u, N(u), v), 0) << c.nom;
        for (int q = 1; q <= N(u); ++q)
            EXPECT_NEAR(v[q], c.v[q - 1], 1e-12) << c.nom << " at u = " << u[q];
    }
}

TEST(BibliothequeNumeriqueTest, SplineReproduitPointsEtDroites) {
    std::vector<double> x = Vide(50);
    for (int i = 1; i <= 50; ++i)
        x[i] = i + 0.4 * std::sin(i * 2.1); // uneven steps
    const std::vector<double> y = Aleatoires(50, 7);
    std::vector<double> v = Vide(50);
    ASSERT_EQ(Reechantillonner(50, x, y, x, 50, v), 0);
    for (int i = 1; i <= 50; ++i)
        EXPECT_NEAR(v[i], y[i], 1e-12) << "at point " << i;

    // Linear data: the spline is that line, between the points and beyond them.
    const std::vector<double> droite = Appliquer(x, [](double t) { return 3 - 0.7 * t; });
    std::vector<double> u = Vide(120);
    for (int q = 1; q <= 120; ++q)
        u[q] = -2 + 0.46 * q;
    std::vector<double> w = Vide(120);
    ASSERT_EQ(Reechantillonner(50, x, droite, u, 120, w), 0);
    for (int q = 1; q <= 120; ++q)
        EXPECT_NEAR(w[q], 3 - 0.7 * u[q], 1e-12) << "at u = " << u[q];

    // A smooth function on a fine grid is followed closely (fourth-order inside).
    std::vector<double> xs = Vide(101);
    for (int i = 1; i <= 101; ++i)
        xs[i] = (i - 1) * 0.0314159;
    const std::vector<double> ys = Appliquer(xs, [](double t) { return std::sin(t); });
    std::vector<double> us = Vide(60), vs = Vide(60);
    for (int q = 1; q <= 60; ++q)
        us[q] = 0.3 + 0.045 * q;
    ASSERT_EQ(Reechantillonner(101, xs, ys, us, 60, vs), 0);
    for (int q = 1; q <= 60; ++q)
        EXPECT_NEAR(vs[q], std::sin(us[q]), 1e-6) << "at u = " << us[q];
}

TEST(BibliothequeNumeriqueTest, SplineRefusee) {
    const std::vector<double> u = T({0.5});
    std::vector<double> v = Vide(1);
    struct Cas {
        std::vector<double> x;
        int attendu;
    };
    const std::vector<Cas> cas = {
        {{0, 1, 1, 2}, statut::AbscissesEgales},
        {{0, 2, 1}, statut::NonCroissantes},
        {{0}, statut::TropPeuDePoints},
    };
    for (const Cas& c : cas) {
        const std::vector<double> x = T(c.x);
        EXPECT_EQ(Reechantillonner(N(x), x, x, u, 1, v), c.attendu) << "n = " << N(x);
    }
    const std::vector<double> x = T({0, 1, 2});
    EXPECT_EQ(Reechantillonner(3, x, x, u, 2, v), statut::TableInvalide);
}

// ---------------------------------------------------------------------------------------------
// Block Bézier smoothing

namespace {

// Direct Bernstein sum with powers, for comparison.
double BezierDirect(const std::vector<double>& p, int debut, int fin, double t) {
    const int degre = fin - debut;
    double somme = 0;
    for (int j = 0; j <= degre; ++j) {
        double binomial = 1;
        for (int k = 1; k <= j; ++k)
            binomial = binomial * (degre - j + k) / k;
        somme += binomial * std::pow(t, j) * std::pow(1 - t, degre - j) * p[debut + j];
    }
    return somme;
}

} // namespace

TEST(BibliothequeNumeriqueTest, LissageContreLaSommeDeBernstein) {
    // n, d, m and the parameters at which each block is expected, block by block (the first
    // point of all comes before them).
    struct Cas {
        int n, d, m;
        std::vector<std::vector<double>> parametres;
    };
    const std::vector<Cas> cas = {
        {7, 3, 7, {{0.5, 1}, {0.5, 1}, {0.5, 1}}},
        {7, 3, 13, {{0.25, 0.5, 0.75, 1}, {0.25, 0.5, 0.75, 1}, {0.25, 0.5, 0.75, 1}}},
        // the last block takes the 2 points that remain
        {11, 4, 11, {{1 / 3.0, 2 / 3.0, 1}, {1 / 3.0, 2 / 3.0, 1}, {1 / 3.0, 2 / 3.0, 1}, {1}}},
        // 4 output intervals for 8: 2 in each block
        {9, 5, 5, {{0.5, 1}, {0.5, 1}}},
        // 7 for 10, rounded on the running total: 2.1, 4.2, 6.3, 7
        {11, 4, 8, {{0.5, 1}, {0.5, 1}, {0.5, 1}, {1}}},
        {30, 25, 30, {{}, {}}}, // filled below: 24 then 5 intervals
        {5, 10, 5, {{0.25, 0.5, 0.75, 1}}},
    };
    for (Cas c : cas) {
        if (c.parametres[0].empty()) {
            for (int j = 1; j <= 24; ++j)
                c.parametres[0].push_back(j / 24.0);
            for (int j = 1; j <= 5; ++j)
                c.parametres[1].push_back(j / 5.0);
        }
        std::vector<double> x = Vide(c.n);
        for (int i = 1; i <= c.n; ++i)
            x[i] = i + 0.3 * std::cos(i);
        const std::vector<double> y = Aleatoires(c.n, 11 + c.n);
        std::vector<double> sy = Vide(c.m), sx = Vide(c.m);
        ASSERT_EQ(LissagePolynomial(c.n, x, y, c.d, c.m, sy, sx), 0) << c.n << "/" << c.d;
        EXPECT_EQ(sy[1], y[1]);
        EXPECT_EQ(sx[1], x[1]);
        int sortie = 1;
        for (std::size_t b = 0; b < c.parametres.size(); ++b) {
            const int debut = 1 + static_cast<int>(b) * (c.d - 1);
            const int fin = std::min(debut + c.d - 1, c.n);
            for (double t : c.parametres[b]) {
                ++sortie;
                ASSERT_LE(sortie, c.m);
                EXPECT_NEAR(sy[sortie], BezierDirect(y, debut, fin, t), 1e-12)
                    << "n = " << c.n << ", d = " << c.d << ", block " << b + 1 << ", t = " << t;
                EXPECT_NEAR(sx[sortie], BezierDirect(x, debut, fin, t), 1e-12)
                    << "n = " << c.n << ", d = " << c.d << ", block " << b + 1 << ", t = " << t;
            }
        }
        EXPECT_EQ(sortie, c.m) << "n = " << c.n << ", d = " << c.d;
    }
}

TEST(BibliothequeNumeriqueTest, LissagePasseParLesFinsDeBlocs) {
    const int n = 11, d = 4;
    const std::vector<double> x = Aleatoires(n, 3, 0, 10), y = Aleatoires(n, 4);
    std::vector<double> sy = Vide(n), sx = Vide(n);
    ASSERT_EQ(LissagePolynomial(n, x, y, d, n, sy, sx), 0);
    for (int i : {1, 4, 7, 10, 11}) {
        EXPECT_EQ(sy[i], y[i]) << "at point " << i;
        EXPECT_EQ(sx[i], x[i]) << "at point " << i;
    }
    // A hand-worked block: (0, 0), (1, 2), (2, 0) at t = 1/2 gives (1, 1).
    const std::vector<double> x3 = T({0, 1, 2}), y3 = T({0, 2, 0});
    std::vector<double> s3 = Vide(3);
    ASSERT_EQ(LissagePolynomial(3, x3, y3, 3, 3, s3), 0);
    EXPECT_NEAR(s3[2], 1, 1e-15);
}

TEST(BibliothequeNumeriqueTest, LissageReproduitUneDroite) {
    struct Cas {
        int n, d, m;
    };
    for (const Cas c : {Cas{10, 2, 10}, Cas{11, 3, 11}, Cas{37, 5, 37}, Cas{60, 25, 60},
                        Cas{37, 5, 100}, Cas{37, 7, 12}}) {
        std::vector<double> x = Vide(c.n);
        for (int i = 1; i <= c.n; ++i)
            x[i] = 0.5 * i - 3;
        const std::vector<double> y = Appliquer(x, [](double v) { return 2 * v + 1; });
        std::vector<double> sy = Vide(c.m), sx = Vide(c.m);
        ASSERT_EQ(LissagePolynomial(c.n, x, y, c.d, c.m, sy, sx), 0);
        for (int i = 1; i <= c.m; ++i) {
            EXPECT_NEAR(sy[i], 2 * sx[i] + 1, 1e-12) << "n = " << c.n << ", m = " << c.m;
            if (c.m == c.n) {
                EXPECT_NEAR(sx[i], x[i], 1e-12) << "n = " << c.n << " at " << i;
            }
            if (i > 1) {
                EXPECT_GT(sx[i], sx[i - 1]) << "n = " << c.n << ", m = " << c.m;
            }
        }
        EXPECT_EQ(sx[c.m], x[c.n]);
    }
}

TEST(BibliothequeNumeriqueTest, LissageRefuse) {
    struct Cas {
        int n, d, m;
        int attendu;
    };
    const std::vector<Cas> cas = {
        {10, 30, 10, statut::DegreTropGrand}, {10, 26, 10, statut::DegreTropGrand},
        {10, 1, 10, statut::DegreTropGrand},  {10, 0, 10, statut::DegreTropGrand},
        {10001, 5, 10, statut::TropDePoints}, {1, 3, 1, statut::TropPeuDePoints},
        {10, 3, 0, statut::TropPeuDePoints},  {10, 3, 20, statut::TableInvalide},
    };
    const std::vector<double> x = Aleatoires(10001, 1);
    std::vector<double> s = Vide(10);
    for (const Cas& c : cas)
        EXPECT_EQ(LissagePolynomial(c.n, x, x, c.d, c.m, s), c.attendu)
            << "n = " << c.n << ", d = " << c.d << ", m = " << c.m;
}

// ---------------------------------------------------------------------------------------------
// Filters

namespace {

// Gain at ω (radians per point) of b0 + b1·z⁻¹ over a0 + a1·z⁻¹ + a2·z⁻²; the gain a long
// sine reaches once the start has died out.
double Gain(double b0, double b1, double a0, double a1, double a2, double w) {
    const double nr = b0 + b1 * std::cos(w), ni = -b1 * std::sin(w);
    const double dr = a0 + a1 * std::cos(w) + a2 * std::cos(2 * w);
    const double di = -a1 * std::sin(w) - a2 * std::sin(2 * w);
    return std::hypot(nr, ni) / std::hypot(dr, di);
}

// Amplitude of the sine of angular step w in the last four periods of s (projection).
double AmplitudeFinale(const std::vector<double>& s, int periode, double w) {
    double ps = 0, pc = 0;
    const int debut = N(s) - 4 * periode + 1;
    for (int i = debut; i <= N(s); ++i) {
        ps += s[i] * std::sin(w * i);
        pc += s[i] * std::cos(w * i);
    }
    return 2 * std::hypot(ps, pc) / (4 * periode);
}

} // namespace

TEST(BibliothequeNumeriqueTest, FiltresPremierOrdreSurUnEchelon) {
    // Step from 0 to 1 at point 2: the recurrences give 1 − r^(i−1) and r^(i−1), r = a/(a + 1).
    const int n = 60;
    std::vector<double> y = Vide(n), bas = Vide(n), haut = Vide(n);
    for (int i = 2; i <= n; ++i)
        y[i] = 1;
    for (double c : {0.01, 0.1, 0.45}) {
        const double a = 1 / (2 * Pi * c), r = a / (a + 1);
        FiltrePasseBas(n, y, c, bas);
        FiltrePasseHaut(n, y, c, haut);
        for (int i = 1; i <= n; ++i) {
            EXPECT_NEAR(bas[i], 1 - std::pow(r, i - 1), 1e-12) << "c = " << c << " at " << i;
            EXPECT_NEAR(haut[i], i == 1 ? 0 : std::pow(r, i - 1), 1e-12)
                << "c = " << c << " at " << i;
        }
    }
    // A constant from the start: the low-pass starts from Y[1]/(a + 1) and rises to it,
    // the high-pass decays from Y[1]·r/(a + 1).
    std::vector<double> k(n + 1, 3.0);
    const double c = 0.05, a = 1 / (2 * Pi * c), r = a / (a + 1);
    FiltrePasseBas(n, k, c, bas);
    FiltrePasseHaut(n, k, c, haut);
    for (int i = 1; i <= n; ++i) {
        EXPECT_NEAR(bas[i], 3 * (1 - std::pow(r, i + 1)), 1e-12) << "at " << i;
        EXPECT_NEAR(haut[i], 3 * std::pow(r, i) / (a + 1), 1e-12) << "at " << i;
    }
}

TEST(BibliothequeNumeriqueTest, FiltrePasseBandeSurUnEchelon) {
    // The band-pass as H(z) = g(1 − z⁻¹)/((1 + g + w0²) − (2 + g)z⁻¹ + z⁻²), run from rest.
    const int n = 400;
    std::vector<double> y = Vide(n), s = Vide(n);
    for (int i = 5; i <= n; ++i)
        y[i] = 2;
    const double ch = 0.05, cb = 0.02;
    FiltrePasseBande(n, y, ch, cb, s);
    const double w0 = Pi * (ch + cb), g = 2 * Pi * (ch - cb);
    const double a0 = 1 + g + w0 * w0, a1 = -(2 + g), a2 = 1;
    std::vector<double> sortie(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const double entree = g * (y[i] - (i > 1 ? y[i - 1] : 0));
        sortie[i] =
            (entree - a1 * (i > 1 ? sortie[i - 1] : 0) - a2 * (i > 2 ? sortie[i - 2] : 0)) / a0;
        EXPECT_NEAR(s[i], sortie[i], 1e-12) << "at " << i;
    }
    EXPECT_GT(s[6], 0.1);
    EXPECT_NEAR(s[n], 0, 1e-6); // no gain at 0
}

TEST(BibliothequeNumeriqueTest, GainDesFiltresEnRegimePermanent) {
    struct Cas {
        const char* nom;
        int filtre; // 0 low-pass, 1 high-pass, 2 band-pass
        double c1, c2;
        int periode; // points per period of the input sine; 0 for a constant
    };
    const std::vector<Cas> cas = {
        {"low-pass, constant", 0, 0.05, 0, 0},      {"high-pass, constant", 1, 0.05, 0, 0},
        {"band-pass, constant", 2, 0.1, 0.02, 0},   {"low-pass, at cutoff", 0, 0.05, 0, 20},
        {"low-pass, above", 0, 0.02, 0, 10},        {"high-pass, at cutoff", 1, 0.05, 0, 20},
        {"high-pass, below", 1, 0.05, 0, 100},      {"band-pass, centre", 2, 0.06, 0.04, 20},
        {"band-pass, outside", 2, 0.06, 0.04, 200},
    };
    const int n = 4000;
    for (const Cas& c : cas) {
        const double w = c.periode == 0 ? 0 : 2 * Pi / c.periode;
        std::vector<double> y = Vide(n), s = Vide(n);
        for (int i = 1; i <= n; ++i)
            y[i] = c.periode == 0 ? 1 : std::sin(w * i);
        double attendu = 0;
        const double a = 1 / (2 * Pi * c.c1);
        if (c.filtre == 0) {
            FiltrePasseBas(n, y, c.c1, s);
            attendu = Gain(1, 0, a + 1, -a, 0, w);
        } else if (c.filtre == 1) {
            FiltrePasseHaut(n, y, c.c1, s);
            attendu = Gain(a, -a, a + 1, -a, 0, w);
        } else {
            FiltrePasseBande(n, y, c.c1, c.c2, s);
            const double w0 = Pi * (c.c1 + c.c2), g = 2 * Pi * (c.c1 - c.c2);
            attendu = Gain(g, -g, 1 + g + w0 * w0, -(2 + g), 1, w);
        }
        const double mesure = c.periode == 0 ? std::fabs(s[n]) : AmplitudeFinale(s, c.periode, w);
        EXPECT_NEAR(mesure, attendu, 2e-3 * std::max(1.0, attendu)) << c.nom;
    }
}

TEST(BibliothequeNumeriqueTest, FiltresNeDepassentPasLesTables) {
    // n larger than the tables: only the points they hold are filtered.
    const std::vector<double> y = T({1, 2, 3});
    std::vector<double> s(3, -7.0);
    FiltrePasseBas(10, y, 0.1, s);
    FiltrePasseHaut(10, y, 0.1, s);
    FiltrePasseBande(10, y, 0.1, 0.05, s);
    EXPECT_NE(s[2], -7.0);
}
