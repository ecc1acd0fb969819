#include "core/calc/BibliothequeNumerique.h"
#include "core/calc/TablesNumeriques.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <new>
#include <numbers>
#include <vector>

namespace pelavorine::numerique {

using interne::Contient;

namespace {

constexpr double Pi = std::numbers::pi;
constexpr int DemiTailleMinimum = 4;
constexpr int DemiTailleMaximum = 16384;
constexpr int NbTailles = 13; // n = 8 .. 32768

// What a transform of n real points needs, computed once per size and thread: the n real
// points travel as n/2 complex ones (even samples as real parts, odd as imaginary parts).
struct Plan {
    int n = 0;
    int N = 0; // n/2, the size of the complex transform
    // Bit reversal of 0..N-1.
    std::vector<int> renverse;
    // Twiddles e^{-iπj/h} for j < h stored from index h, for h = 1, 2, 4 .. N: the stages
    // use h < N, and h = N (e^{-2iπk/n}) serves to unpack the n-point spectrum. Each is
    // computed directly, not by a recurrence, so their error does not grow with the size.
    std::vector<double> cosinus, sinus;
    // Windows w(1..n) at index i − 1, computed on first use.
    std::array<std::vector<double>, 4> fenetres;
    // Work tables.
    std::vector<double> re, im, signal;

    explicit Plan(int taille)
        : n(taille), N(taille / 2), renverse(N), cosinus(2 * N), sinus(2 * N), re(N), im(N) {
        int bits = 0;
        while ((1 << bits) < N)
            ++bits;
        for (int j = 0; j < N; ++j) {
            int r = 0;
            for (int b = 0; b < bits; ++b)
                r |= ((j >> b) & 1) << (bits - 1 - b);
            renverse[j] = r;
        }
        for (int h = 1; h <= N; h *= 2)
            for (int j = 0; j < h; ++j) {
                const double angle = Pi * j / h;
                cosinus[h + j] = std::cos(angle);
                sinus[h + j] = -std::sin(angle);
            }
    }

    const std::vector<double>& Poids(Fenetre genre) {
        std::vector<double>& w = fenetres[static_cast<int>(genre)];
        if (!w.empty()) return w;
        w.resize(n);
        const int c = n / 2;
        for (int i = 1; i <= n; ++i) {
            const double u = 2 * Pi * (i - c) / n;
            switch (genre) {
            case Fenetre::Rectangulaire:
                w[i - 1] = 1;
                break;
            case Fenetre::Hamming:
                w[i - 1] = 0.54 + 0.46 * std::cos(u);
                break;
            case Fenetre::Hann:
                w[i - 1] = 0.5 + 0.5 * std::cos(u);
                break;
            case Fenetre::Blackman:
                w[i - 1] = 0.42 + 0.5 * std::cos(u) + 0.08 * std::cos(2 * u);
                break;
            }
        }
        return w;
    }
};

// The plan for n, built on first use (throws std::bad_alloc).
Plan& PlanPour(int n) {
    thread_local std::array<std::unique_ptr<Plan>, NbTailles> plans;
    int rang = 0;
    while ((8 << rang) < n)
        ++rang;
    if (!plans[rang]) plans[rang] = std::make_unique<Plan>(n);
    return *plans[rang];
}

int StatutTaille(int n) {
    if (n / 2 < DemiTailleMinimum) return statut::TropPeuDePoints;
    if (n / 2 > DemiTailleMaximum) return statut::TropDePoints;
    if ((n & (n - 1)) != 0) return statut::PasNonUniforme;
    return statut::Succes;
}

// Radix-2 decimation-in-time butterflies on N complex points already in bit-reversed order;
// forward direction (e^{-i...}). The inverse is obtained by swapping the real and imaginary
// tables, which conjugates input and output.
void Papillons(const Plan& plan, double* __restrict__ re, double* __restrict__ im) {
    const int N = plan.N;
    // h = 1 and h = 2 together: their twiddles are 1 and −i.
    for (int a = 0; a < N; a += 4) {
        const double r0 = re[a] + re[a + 1], i0 = im[a] + im[a + 1];
        const double r1 = re[a] - re[a + 1], i1 = im[a] - im[a + 1];
        const double r2 = re[a + 2] + re[a + 3], i2 = im[a + 2] + im[a + 3];
        const double r3 = re[a + 2] - re[a + 3], i3 = im[a + 2] - im[a + 3];
        re[a] = r0 + r2;
        im[a] = i0 + i2;
        re[a + 2] = r0 - r2;
        im[a + 2] = i0 - i2;
        re[a + 1] = r1 + i3; // (r3 + i·i3)·(−i) = i3 − i·r3
        im[a + 1] = i1 - r3;
        re[a + 3] = r1 - i3;
        im[a + 3] = i1 + r3;
    }
    // Then h = 4, 8 .. N/2, two butterflies at a time (h is even) so that the compiler can
    // pair them in vector registers.
    for (int h = 4; h < N; h *= 2) {
        const double* __restrict__ wr = plan.cosinus.data() + h;
        const double* __restrict__ wi = plan.sinus.data() + h;
        for (int debut = 0; debut < N; debut += 2 * h) {
            double* __restrict__ ra = re + debut;
            double* __restrict__ ia = im + debut;
            double* __restrict__ rb = ra + h;
            double* __restrict__ ib = ia + h;
            for (int j = 0; j < h; j += 2) {
                const double tr0 = wr[j] * rb[j] - wi[j] * ib[j];
                const double tr1 = wr[j + 1] * rb[j + 1] - wi[j + 1] * ib[j + 1];
                const double ti0 = wr[j] * ib[j] + wi[j] * rb[j];
                const double ti1 = wr[j + 1] * ib[j + 1] + wi[j + 1] * rb[j + 1];
                const double ar0 = ra[j], ar1 = ra[j + 1], ai0 = ia[j], ai1 = ia[j + 1];
                rb[j] = ar0 - tr0;
                rb[j + 1] = ar1 - tr1;
                ib[j] = ai0 - ti0;
                ib[j + 1] = ai1 - ti1;
                ra[j] = ar0 + tr0;
                ra[j + 1] = ar1 + tr1;
                ia[j] = ai0 + ti0;
                ia[j + 1] = ai1 + ti1;
            }
        }
    }
}

// The recursive low-pass run over the table in place; the state goes on from call to call.
struct Prefiltre {
    std::array<double, 4> x{}, o{};
    void Passe(std::vector<double>& s) {
        for (double& v : s) {
            const double sortie = (v + 4 * x[0] + 6 * x[1] + 4 * x[2] + x[3] - 5.385 * o[0] -
                                   5.411 * o[1] - 2.507 * o[2] - 0.479 * o[3]) /
                                  2.217;
            x = {v, x[0], x[1], x[2]};
            o = {sortie, o[0], o[1], o[2]};
            v = sortie;
        }
    }
};

} // namespace

Transformee TransformeeFourier(int n, std::span<const double> y, Fenetre fenetre, bool prefiltre,
                               bool polaire, std::span<double> a, std::span<double> b) {
    Transformee t;
    if ((t.statut = StatutTaille(n)) != statut::Succes) return t;
    if (!Contient(y, n) || (!a.empty() && !Contient(a, n)) || (!b.empty() && !Contient(b, n))) {
        t.statut = statut::TableInvalide;
        return t;
    }
    if (static_cast<int>(fenetre) < 0 || static_cast<int>(fenetre) > 3) {
        t.statut = statut::Interne; // a window code that came from outside unchecked
        return t;
    }
    try {
        Plan& plan = PlanPour(n);
        const int N = plan.N;
        double* re = plan.re.data();
        double* im = plan.im.data();
        const int* renverse = plan.renverse.data();

        // Windowing, pre-filter, and packing in bit-reversed order.
        const double* source = y.data() + 1;
        if (fenetre != Fenetre::Rectangulaire || prefiltre) {
            const std::vector<double>& w = plan.Poids(fenetre);
            plan.signal.resize(n);
            for (int i = 0; i < n; ++i)
                plan.signal[i] = y[i + 1] * w[i];
            if (prefiltre) {
                Prefiltre filtre; // both passes share the state: it is not reset in between
                filtre.Passe(plan.signal);
                filtre.Passe(plan.signal);
            }
            source = plan.signal.data();
        }
        // j, j + N/2, j + N/4 and j + 3N/4 reverse to r, r + 1, r + 2 and r + 3 (r a multiple
        // of 4): the eight real points 2r .. 2r + 7 are read together.
        const int quart = N / 4;
        for (int j = 0; j < quart; ++j) {
            const double* p = source + 2 * renverse[j];
            re[j] = p[0];
            im[j] = p[1];
            re[j + 2 * quart] = p[2];
            im[j + 2 * quart] = p[3];
            re[j + quart] = p[4];
            im[j + quart] = p[5];
            re[j + 3 * quart] = p[6];
            im[j + 3 * quart] = p[7];
        }

        Papillons(plan, re, im);

        // Unpacking, in place: with Z the half-size transform, the n-point spectrum is
        // X(k) = E + e^{-2iπk/n}·O and X(N−k) = (E − e^{-2iπk/n}·O)*, where
        // E = (Z(k) + Z*(N−k))/2 and O = (Z(k) − Z*(N−k))/2i; X(0) and X(N) are real and take
        // the places of Re and Im Z(0). X(n−k) = X*(k) gives the other half.
        const double* wr = plan.cosinus.data() + N;
        const double* wi = plan.sinus.data() + N;
        double carreMax = 0; // of |X(k)|², 0 < k < N
        const double z0r = re[0], z0i = im[0];
        re[0] = z0r + z0i;
        im[0] = z0r - z0i;
        for (int k = 1, l = N - 1; k <= l; ++k, --l) {
            const double er = (re[k] + re[l]) / 2, ei = (im[k] - im[l]) / 2;
            const double orr = (im[k] + im[l]) / 2, oi = (re[l] - re[k]) / 2;
            const double tr = wr[k] * orr - wi[k] * oi, ti = wr[k] * oi + wi[k] * orr;
            re[k] = er + tr;
            im[k] = ei + ti;
            re[l] = er - tr;
            im[l] = ti - ei;
            const double ck = re[k] * re[k] + im[k] * im[k], cl = re[l] * re[l] + im[l] * im[l];
            carreMax = std::max(carreMax, std::max(ck, cl));
        }

        // Output, divided by n so that a cosine of amplitude A gives the real part A/2; the
        // modulus is twice |X|/n except for the mean.
        const double echelle = 1.0 / n;
        const double x0 = re[0] * echelle, xN = im[0] * echelle;
        t.moduleMaximum =
            std::max({std::fabs(x0), 2 * std::fabs(xN), 2 * std::sqrt(carreMax) * echelle});
        if (polaire) {
            if (!a.empty()) {
                a[1] = std::fabs(x0);
                a[N + 1] = 2 * std::fabs(xN);
                for (int k = 1; k < N; ++k)
                    a[k + 1] = a[n - k + 1] =
                        2 * std::sqrt(re[k] * re[k] + im[k] * im[k]) * echelle;
            }
            if (!b.empty()) { // the phase of each bin alone, in radians
                b[1] = std::atan2(0.0, x0);
                b[N + 1] = std::atan2(0.0, xN);
                for (int k = 1; k < N; ++k) {
                    const double phase = std::atan2(im[k], re[k]);
                    b[k + 1] = phase;
                    b[n - k + 1] = -phase;
                }
            }
        } else {
            if (!a.empty()) {
                a[1] = x0;
                a[N + 1] = xN;
                for (int k = 1; k < N; ++k)
                    a[k + 1] = a[n - k + 1] = re[k] * echelle;
            }
            if (!b.empty()) {
                b[1] = b[N + 1] = 0;
                for (int k = 1; k < N; ++k) {
                    b[k + 1] = im[k] * echelle;
                    b[n - k + 1] = -im[k] * echelle;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        t.statut = statut::Memoire;
    }
    return t;
}

Transformee TransformeeInverse(int n, std::span<const double> a, std::span<const double> b, int k,
                               std::span<double> r) {
    Transformee t;
    if ((t.statut = StatutTaille(n)) != statut::Succes) return t;
    if (!Contient(a, n) || !Contient(b, n) || !Contient(r, n)) {
        t.statut = statut::TableInvalide;
        return t;
    }
    try {
        Plan& plan = PlanPour(n);
        const int N = plan.N;
        double* re = plan.re.data();
        double* im = plan.im.data();

        // Bin h (harmonic h, index h + 1) is kept unless k < h < n − k.
        auto garde = [&](int h) { return h <= k || h >= n - k; };
        // Only the real part of the inverse is wanted: it is the inverse of the Hermitian part
        // H(h) = (C(h) + C*(n−h))/2 of the spectrum, whose inverse is real.
        auto hermitien = [&](int h, double& hr, double& hi) {
            const int m = h == 0 ? 0 : n - h;
            const double cr = garde(h) ? a[h + 1] : 0, ci = garde(h) ? b[h + 1] : 0;
            const double mr = garde(m) ? a[m + 1] : 0, mi = garde(m) ? b[m + 1] : 0;
            hr = (cr + mr) / 2;
            hi = (ci - mi) / 2;
        };
        // Packing for the half-size inverse: the spectrum is X = n·C (the transform's own
        // scale) and the inverse divides by n, so C is used as it is:
        // z(j) = x(2j) + i·x(2j+1) = Σ_h [(C(h) + C(h+N)) + i(C(h) −
        // C(h+N))·e^{2iπh/n}]·e^{2iπjh/N}.
        const double* wr = plan.cosinus.data() + N;
        const double* wi = plan.sinus.data() + N;
        for (int h = 0; h < N; ++h) {
            double pr, pi, qr, qi;
            hermitien(h, pr, pi);
            hermitien(h + N, qr, qi);
            const double dr = pr - qr, di = pi - qi;
            const double mr = dr * wr[h] + di * wi[h]; // × e^{+2iπh/n}, the conjugate twiddle
            const double mi = di * wr[h] - dr * wi[h];
            re[plan.renverse[h]] = pr + qr - mi;
            im[plan.renverse[h]] = pi + qi + mr;
        }

        Papillons(plan, im, re); // swapped: the inverse direction

        double maximum = 0;
        for (int j = 0; j < N; ++j) {
            r[2 * j + 1] = re[j];
            r[2 * j + 2] = im[j];
            maximum = std::max({maximum, std::fabs(re[j]), std::fabs(im[j])});
        }
        t.moduleMaximum = maximum;
    } catch (const std::bad_alloc&) {
        t.statut = statut::Memoire;
    }
    return t;
}

} // namespace pelavorine::numerique
