#include "core/calc/BibliothequeNumerique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

using namespace pelavorine::numerique;

namespace {

constexpr double Pi = std::numbers::pi;
using Complexe = std::complex<double>;

std::vector<double> Signal(int n, unsigned graine) {
    std::mt19937 g(graine);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> y(n + 1, std::numeric_limits<double>::quiet_NaN());
    for (int i = 1; i <= n; ++i)
        y[i] = u(g) + 0.5; // a mean too
    return y;
}

double Poids(Fenetre f, int i, int n) {
    const double u = 2 * Pi * (i - n / 2) / n;
    switch (f) {
    case Fenetre::Hamming:
        return 0.54 + 0.46 * std::cos(u);
    case Fenetre::Hann:
        return 0.5 + 0.5 * std::cos(u);
    case Fenetre::Blackman:
        return 0.42 + 0.5 * std::cos(u) + 0.08 * std::cos(2 * u);
    default:
        return 1;
    }
}

// e^{±2iπm/n}, with m reduced first so that the angle stays exact.
Complexe Racine(long long m, int n, int signe) {
    const double angle = 2 * Pi * static_cast<double>(((m % n) + n) % n) / n;
    return {std::cos(angle), signe * std::sin(angle)};
}

// Direct DFT of x[1..n] divided by n: bin h at index h (0-based).
std::vector<Complexe> TfdDirecte(const std::vector<double>& x, int n) {
    std::vector<Complexe> c(n);
    for (int h = 0; h < n; ++h) {
        Complexe s = 0;
        for (int j = 0; j < n; ++j)
            s += x[j + 1] * Racine(static_cast<long long>(j) * h, n, -1);
        c[h] = s / static_cast<double>(n);
    }
    return c;
}

// The pre-filter as a difference equation on its own: fourth-order, two passes, one state.
void PrefiltreDirect(std::vector<double>& x, int n) {
    const double b[5] = {1, 4, 6, 4, 1}, a[5] = {2.217, 5.385, 5.411, 2.507, 0.479};
    std::vector<double> entrees(4, 0.0), sorties(4, 0.0); // most recent first
    for (int passe = 0; passe < 2; ++passe)
        for (int i = 1; i <= n; ++i) {
            double o = b[0] * x[i];
            for (int k = 1; k <= 4; ++k)
                o += b[k] * entrees[k - 1] - a[k] * sorties[k - 1];
            o /= a[0];
            entrees.insert(entrees.begin(), x[i]);
            entrees.pop_back();
            sorties.insert(sorties.begin(), o);
            sorties.pop_back();
            x[i] = o;
        }
}

double EcartAngle(double a, double b) {
    return std::fabs(std::remainder(a - b, 2 * Pi));
}

} // namespace

TEST(FourierTest, TaillesRefusees) {
    struct Cas {
        int n;
        int attendu;
    };
    const std::vector<Cas> cas = {
        {1000, statut::PasNonUniforme},
        {4, statut::TropPeuDePoints},
        {7, statut::TropPeuDePoints},
        {0, statut::TropPeuDePoints},
        {-8, statut::TropPeuDePoints},
        {9, statut::PasNonUniforme},
        {24, statut::PasNonUniforme},
        {65536, statut::TropDePoints},
        {32770, statut::TropDePoints},
        {32769, statut::PasNonUniforme},
        {8, 0},
        {32768, 0},
    };
    for (const Cas& c : cas) {
        const int taille = std::max(c.n, 0) + 1;
        std::vector<double> y(taille, 1.0), a(taille), b(taille);
        EXPECT_EQ(TransformeeFourier(c.n, y, Fenetre::Rectangulaire, false, false, a, b).statut,
                  c.attendu)
            << "n = " << c.n;
        EXPECT_EQ(TransformeeInverse(c.n, a, b, c.n, y).statut, c.attendu) << "n = " << c.n;
    }
    std::vector<double> y(64, 1.0), a(65), b(65);
    EXPECT_EQ(TransformeeFourier(64, y, Fenetre::Rectangulaire, false, false, a, b).statut,
              statut::TableInvalide);
    std::vector<double> court(64);
    EXPECT_EQ(TransformeeFourier(64, a, Fenetre::Rectangulaire, false, false, court, b).statut,
              statut::TableInvalide);
    EXPECT_EQ(TransformeeInverse(64, a, b, 64, court).statut, statut::TableInvalide);
    std::vector<double> y64(65, 1.0);
    EXPECT_EQ(TransformeeFourier(64, y64, static_cast<Fenetre>(4), false, false, a, b).statut,
              statut::Interne);
}

// Every bin, both halves, against the direct DFT of the windowed (and pre-filtered) signal.
TEST(FourierTest, ContreLaTransformeeDirecte) {
    struct Cas {
        int n;
        Fenetre fenetre;
        bool prefiltre;
        bool polaire;
    };
    const std::vector<Cas> cas = {
        {8, Fenetre::Rectangulaire, false, false}, {8, Fenetre::Hann, false, true},
        {16, Fenetre::Hamming, false, false},      {64, Fenetre::Blackman, false, true},
        {64, Fenetre::Rectangulaire, false, true}, {128, Fenetre::Hann, true, false},
        {512, Fenetre::Hamming, true, true},       {1024, Fenetre::Rectangulaire, false, false},
        {2048, Fenetre::Blackman, false, false},
    };
    for (const Cas& c : cas) {
        const std::vector<double> y = Signal(c.n, static_cast<unsigned>(c.n) + c.polaire);
        std::vector<double> x = y;
        for (int i = 1; i <= c.n; ++i)
            x[i] *= Poids(c.fenetre, i, c.n);
        if (c.prefiltre) PrefiltreDirect(x, c.n);
        const std::vector<Complexe> attendu = TfdDirecte(x, c.n);

        std::vector<double> a(c.n + 1), b(c.n + 1);
        const Transformee t = TransformeeFourier(c.n, y, c.fenetre, c.prefiltre, c.polaire, a, b);
        ASSERT_EQ(t.statut, 0) << "n = " << c.n;
        double maximum = 0;
        for (int h = 0; h < c.n; ++h) {
            const double module = (h == 0 ? 1 : 2) * std::abs(attendu[h]);
            maximum = std::max(maximum, module);
            const int i = h + 1;
            if (c.polaire) {
                EXPECT_NEAR(a[i], module, 1e-12) << "n = " << c.n << ", i = " << i;
                if (module > 1e-9) {
                    EXPECT_LT(EcartAngle(b[i], std::arg(attendu[h])), 1e-9)
                        << "n = " << c.n << ", i = " << i << ": " << b[i];
                }
            } else {
                EXPECT_NEAR(a[i], attendu[h].real(), 1e-12) << "n = " << c.n << ", i = " << i;
                EXPECT_NEAR(b[i], attendu[h].imag(), 1e-12) << "n = " << c.n << ", i = " << i;
            }
        }
        EXPECT_NEAR(t.moduleMaximum, maximum, 1e-12) << "n = " << c.n;
    }
}

TEST(FourierTest, AmplitudeEtPhaseDesHarmoniques) {
    const int n = 64;
    // A cosine of amplitude 2 at harmonic 3: modulus 2 at i = 4 (and at its mirror i = 62),
    // about 0 elsewhere; phase 0.
    std::vector<double> y(n + 1), a(n + 1), b(n + 1);
    for (int i = 1; i <= n; ++i)
        y[i] = 2 * std::cos(2 * Pi * 3 * (i - 1) / n);
    Transformee t = TransformeeFourier(n, y, Fenetre::Rectangulaire, false, true, a, b);
    ASSERT_EQ(t.statut, 0);
    EXPECT_NEAR(t.moduleMaximum, 2, 1e-12);
    for (int i = 1; i <= n; ++i)
        EXPECT_NEAR(a[i], i == 4 || i == n - 2 ? 2 : 0, 1e-12) << "at i = " << i;
    EXPECT_NEAR(b[4], 0, 1e-12);

    // Mean 1.5, sine of amplitude 3 at harmonic 5, cosine of amplitude 0.5 at harmonic 9.
    for (int i = 1; i <= n; ++i) {
        const double u = 2 * Pi * (i - 1) / n;
        y[i] = 1.5 + 3 * std::sin(5 * u) + 0.5 * std::cos(9 * u);
    }
    t = TransformeeFourier(n, y, Fenetre::Rectangulaire, false, false, a, b);
    ASSERT_EQ(t.statut, 0);
    EXPECT_NEAR(a[1], 1.5, 1e-12);
    EXPECT_NEAR(b[6], -1.5, 1e-12);
    EXPECT_NEAR(a[10], 0.25, 1e-12);
    EXPECT_NEAR(t.moduleMaximum, 3, 1e-12);
    t = TransformeeFourier(n, y, Fenetre::Rectangulaire, false, true, a, b);
    EXPECT_NEAR(a[1], 1.5, 1e-12);
    EXPECT_NEAR(a[6], 3, 1e-12);
    EXPECT_NEAR(b[6], -Pi / 2, 1e-12);
    EXPECT_NEAR(a[10], 0.5, 1e-12);

    // Either output may be left out.
    std::vector<double> seul(n + 1);
    t = TransformeeFourier(n, y, Fenetre::Rectangulaire, false, true, seul, {});
    EXPECT_EQ(t.statut, 0);
    EXPECT_NEAR(seul[6], 3, 1e-12);
    t = TransformeeFourier(n, y, Fenetre::Rectangulaire, false, false, {}, seul);
    EXPECT_NEAR(seul[6], -1.5, 1e-12);
    EXPECT_NEAR(t.moduleMaximum, 3, 1e-12);
}

TEST(FourierTest, AllerRetourRendLeSignal) {
    for (int n : {8, 16, 256, 4096, 32768}) {
        const std::vector<double> y = Signal(n, 40 + n);
        std::vector<double> a(n + 1), b(n + 1), r(n + 1);
        ASSERT_EQ(TransformeeFourier(n, y, Fenetre::Rectangulaire, false, false, a, b).statut, 0);
        const Transformee t = TransformeeInverse(n, a, b, n, r);
        ASSERT_EQ(t.statut, 0) << "n = " << n;
        double maximum = 0;
        for (int i = 1; i <= n; ++i) {
            EXPECT_NEAR(r[i], y[i], 1e-12) << "n = " << n << ", i = " << i;
            maximum = std::max(maximum, std::fabs(y[i]));
        }
        EXPECT_NEAR(t.moduleMaximum, maximum, 1e-12) << "n = " << n;
    }
}

// Any spectrum (not only the transform of a real signal) with a kept band k: R is the real part
// of Σ C(h)·e^{2iπjh/n} over the kept bins h ≤ k or h ≥ n − k.
TEST(FourierTest, InverseContreLaSommeDirecte) {
    struct Cas {
        int n, k;
    };
    for (const Cas c : {Cas{8, 8}, Cas{8, 2}, Cas{64, 0}, Cas{64, 5}, Cas{64, 31}, Cas{64, 32},
                        Cas{512, 40}, Cas{16, -1}}) {
        const std::vector<double> a = Signal(c.n, 3 * c.n), b = Signal(c.n, 5 * c.n + 1);
        std::vector<double> r(c.n + 1);
        const Transformee t = TransformeeInverse(c.n, a, b, c.k, r);
        ASSERT_EQ(t.statut, 0);
        double maximum = 0;
        for (int j = 0; j < c.n; ++j) {
            Complexe s = 0;
            for (int h = 0; h < c.n; ++h)
                if (h <= c.k || h >= c.n - c.k)
                    s += Complexe(a[h + 1], b[h + 1]) *
                         Racine(static_cast<long long>(j) * h, c.n, 1);
            EXPECT_NEAR(r[j + 1], s.real(), 1e-12)
                << "n = " << c.n << ", k = " << c.k << ", i = " << j + 1;
            maximum = std::max(maximum, std::fabs(s.real()));
        }
        EXPECT_NEAR(t.moduleMaximum, maximum, 1e-12) << "n = " << c.n << ", k = " << c.k;
    }
}

TEST(FourierTest, BandeGardeeFiltreLesHarmoniques) {
    // Harmonics 1, 3 and 6 through the transform and back keeping up to harmonic 3.
    const int n = 128;
    std::vector<double> y(n + 1), a(n + 1), b(n + 1), r(n + 1);
    auto u = [&](int i) { return 2 * Pi * (i - 1) / n; };
    for (int i = 1; i <= n; ++i)
        y[i] = 0.2 + std::sin(u(i)) + 2 * std::cos(3 * u(i) + 0.4) + std::sin(6 * u(i));
    ASSERT_EQ(TransformeeFourier(n, y, Fenetre::Rectangulaire, false, false, a, b).statut, 0);
    ASSERT_EQ(TransformeeInverse(n, a, b, 3, r).statut, 0);
    for (int i = 1; i <= n; ++i)
        EXPECT_NEAR(r[i], 0.2 + std::sin(u(i)) + 2 * std::cos(3 * u(i) + 0.4), 1e-12) << "at " << i;
}
