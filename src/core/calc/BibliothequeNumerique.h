#pragma once

#include <span>

// The numerical kernels shared by the calculation functions, processing, Fourier analysis,
// the tangent tool and modelling. Tables are 1-based: element 0 of each span is not part of
// the data, points are 1..n (so a span holds at least n + 1 elements). Each kernel returns a
// status (0 = success; texts: TexteErreurNumerique) and never shows anything.
namespace pelavorine::numerique {

namespace statut {
inline constexpr int Succes = 0;
inline constexpr int AbscissesEgales = 1;
inline constexpr int NonCroissantes = 2;
inline constexpr int TropPeuDePoints = 3;
inline constexpr int DegreTropGrand = 4; // smoothing; too few points for an integral
inline constexpr int TropDePoints = 5;
inline constexpr int PasNonUniforme = 6; // or: count not a power of 2 (transform)
inline constexpr int Memoire = 23;
inline constexpr int TableInvalide = 24;
inline constexpr int Interne = 50;
} // namespace statut

enum class Fenetre { Rectangulaire = 0, Hamming = 1, Hann = 2, Blackman = 3 };

int VerifierAbscisses(std::span<const double> x, int n);
int VerifierCroissance(std::span<const double> x, int n);

// Derivative of Y over X at the evaluation abscissae e[1..m] (each must be one of the X),
// method 2 (centred differences) or 3 (three-point Lagrange, uneven steps).
int DeriveeNumerique(int n, std::span<const double> x, std::span<const double> y, int methode,
                     std::span<const double> e, int m, std::span<double> d);

// Running trapezoid integral c[1..n], c[1] = 0.
int IntegraleCumulee(int n, std::span<const double> x, std::span<const double> y,
                     std::span<double> c);

struct Integrale {
    double valeur = 0.0;
    int statut = 0;
};
// Trapezoids between point indices i1 and i2 (swapped when i1 > i2).
Integrale IntegraleDefinie(std::span<const double> x, std::span<const double> y, int i1, int i2);

// Natural cubic spline through (X, Y) evaluated at u[1..m].
int Reechantillonner(int n, std::span<const double> x, std::span<const double> y,
                     std::span<const double> u, int m, std::span<double> v);

// Block Bézier smoothing of (X, Y) by blocks of d points into m output points: sortieY
// (and sortieX when it is not empty) receive points 1..m.
int LissagePolynomial(int n, std::span<const double> x, std::span<const double> y, int d, int m,
                      std::span<double> sortieY, std::span<double> sortieX = {});

// First- and second-order recursive filters; cutoffs are normalised (cutoff × step).
void FiltrePasseBas(int n, std::span<const double> y, double c, std::span<double> sortie);
void FiltrePasseHaut(int n, std::span<const double> y, double c, std::span<double> sortie);
void FiltrePasseBande(int n, std::span<const double> y, double ch, double cb,
                      std::span<double> sortie);

struct Transformee {
    double moduleMaximum = 0.0;
    int statut = 0;
};
// Spectrum of the real table y[1..n] (n a power of 2 from 8 to 32768): index 1 the mean,
// index k + 1 harmonic k. Polar: a = modulus (amplitude), b = phase of the bin; otherwise
// a = real part, b = imaginary part (a cosine of amplitude A gives A/2, a sine of amplitude
// B gives -B/2). Either output may be empty.
Transformee TransformeeFourier(int n, std::span<const double> y, Fenetre fenetre, bool prefiltre,
                               bool polaire, std::span<double> a, std::span<double> b);
// Real signal r[1..n] of the spectrum a + ib (rectangular form of TransformeeFourier) with
// the bins strictly between k and n - k set to zero; moduleMaximum = max |r|.
Transformee TransformeeInverse(int n, std::span<const double> a, std::span<const double> b, int k,
                               std::span<double> r);

} // namespace pelavorine::numerique
