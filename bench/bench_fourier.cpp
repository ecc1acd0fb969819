// The numeric library's transform against FFTW's real transform (planned with FFTW_MEASURE
// outside the timed loop) and against a textbook recursive radix-2 FFT, at 1024, 8192 and
// 32768 points; the spline resampling of 10000 points against linear interpolation over the
// same abscissae, located by the same bisection.
#include "core/calc/BibliothequeNumerique.h"

#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace nu = pelavorine::numerique;

namespace {

std::vector<double> Signal(int n) {
    std::vector<double> y(n + 1, 0.0);
    for (int i = 1; i <= n; ++i)
        y[i] = std::sin(i * 0.37) + 0.3 * std::cos(i * 1.91) + 0.1 * (i % 5);
    return y;
}

// Rectangular window, no pre-filter, real and imaginary parts of every bin.
void Pelavorine(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<double> y = Signal(n);
    std::vector<double> a(n + 1), b(n + 1);
    for (auto _ : state) {
        const nu::Transformee t =
            nu::TransformeeFourier(n, y, nu::Fenetre::Rectangulaire, false, false, a, b);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(a.data());
        benchmark::DoNotOptimize(b.data());
    }
}

// The same with the polar output (modulus and phase of every bin).
void PelavorinePolaire(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<double> y = Signal(n);
    std::vector<double> a(n + 1), b(n + 1);
    for (auto _ : state) {
        const nu::Transformee t =
            nu::TransformeeFourier(n, y, nu::Fenetre::Rectangulaire, false, true, a, b);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(a.data());
    }
}

void Fftw(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    double* entree = fftw_alloc_real(n);
    fftw_complex* sortie = fftw_alloc_complex(n / 2 + 1);
    fftw_plan plan = fftw_plan_dft_r2c_1d(n, entree, sortie, FFTW_MEASURE);
    const std::vector<double> y = Signal(n);
    for (int i = 0; i < n; ++i)
        entree[i] = y[i + 1]; // after planning, which overwrites it
    for (auto _ : state) {
        fftw_execute(plan);
        benchmark::DoNotOptimize(sortie);
        benchmark::ClobberMemory();
    }
    fftw_destroy_plan(plan);
    fftw_free(sortie);
    fftw_free(entree);
}

// Textbook recursive radix-2 FFT on the n points as complex numbers.
void Recursive(std::vector<std::complex<double>>& x) {
    const std::size_t n = x.size();
    if (n == 1) return;
    std::vector<std::complex<double>> pair(n / 2), impair(n / 2);
    for (std::size_t k = 0; k < n / 2; ++k) {
        pair[k] = x[2 * k];
        impair[k] = x[2 * k + 1];
    }
    Recursive(pair);
    Recursive(impair);
    for (std::size_t k = 0; k < n / 2; ++k) {
        const std::complex<double> t =
            std::polar(1.0, -2 * std::numbers::pi * static_cast<double>(k) / n) * impair[k];
        x[k] = pair[k] + t;
        x[k + n / 2] = pair[k] - t;
    }
}

void ReferenceRecursive(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<double> y = Signal(n);
    std::vector<std::complex<double>> x(n);
    for (auto _ : state) {
        for (int i = 0; i < n; ++i)
            x[i] = y[i + 1];
        Recursive(x);
        benchmark::DoNotOptimize(x.data());
    }
}

constexpr int NbSpline = 10000;

struct Abscisses {
    std::vector<double> x, y, u, v;
    Abscisses() : x(NbSpline + 1), y(NbSpline + 1), u(NbSpline + 1), v(NbSpline + 1) {
        for (int i = 1; i <= NbSpline; ++i) {
            x[i] = i * 0.01 + 0.003 * std::sin(i * 0.7); // uneven steps
            y[i] = std::sin(x[i]) + 0.1 * std::cos(7 * x[i]);
            u[i] = 0.01 + (i - 1) * 0.0099990001;
        }
    }
};

void Spline(benchmark::State& state) {
    Abscisses p;
    for (auto _ : state) {
        const int s = nu::Reechantillonner(NbSpline, p.x, p.y, p.u, NbSpline, p.v);
        if (s != 0) state.SkipWithError("statut non nul");
        benchmark::DoNotOptimize(p.v.data());
    }
}

void Lineaire(benchmark::State& state) {
    Abscisses p;
    for (auto _ : state) {
        for (int q = 1; q <= NbSpline; ++q) {
            int bas = 1, haut = NbSpline;
            while (haut - bas > 1) {
                const int k = (haut + bas) / 2;
                (p.x[k] > p.u[q] ? haut : bas) = k;
            }
            const double h = p.x[haut] - p.x[bas];
            p.v[q] = p.y[bas] + (p.y[haut] - p.y[bas]) * (p.u[q] - p.x[bas]) / h;
        }
        benchmark::DoNotOptimize(p.v.data());
    }
}

} // namespace

BENCHMARK(Pelavorine)->Arg(1024)->Arg(8192)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(Fftw)->Arg(1024)->Arg(8192)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReferenceRecursive)->Arg(1024)->Arg(8192)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(PelavorinePolaire)->Arg(1024)->Arg(8192)->Arg(32768)->Unit(benchmark::kMicrosecond);
BENCHMARK(Spline)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lineaire)->Unit(benchmark::kMicrosecond);
