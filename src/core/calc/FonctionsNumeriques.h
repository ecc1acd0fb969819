#pragma once

namespace pelavorine {

class MoteurCalcul;

// The functions of the calculation language built on the numeric library: derivatives,
// integrals, smoothing, filters and Fourier transforms. At point 1 each checks its arguments
// and computes its whole result; a table result is then read back point by point, a scalar
// one (INTEG with limits, INTEGN) turns the target into a scalar and ends the line. A
// function that sets an error returns 0.
namespace fonctions {

// Tables over X: the target takes X as its abscissa.
double DERIV(MoteurCalcul& moteur);
double DER2(MoteurCalcul& moteur);
// INTEG(Y,X): running integral; INTEG(Y,X,a,b): integral between two abscissae.
double INTEG(MoteurCalcul& moteur);
// Integral over all points or between two point indices.
double INTEGN(MoteurCalcul& moteur);
double LISSAGE(MoteurCalcul& moteur);

// Filters: cutoffs in the unit of the abscissa's inverse.
double PBAS(MoteurCalcul& moteur);
double PHAUT(MoteurCalcul& moteur);
double PBANDE(MoteurCalcul& moteur);

// Spectrum of a table: index 1 the mean, index k + 1 harmonic k.
double FFTM(MoteurCalcul& moteur);
double FFTA(MoteurCalcul& moteur);
double FFTR(MoteurCalcul& moteur);
double FFTI(MoteurCalcul& moteur);
double FFTC(MoteurCalcul& moteur);
double FFTS(MoteurCalcul& moteur);
double FFTP(MoteurCalcul& moteur);
// Signal of the spectrum whose real and imaginary parts are the two arguments.
double RFFT(MoteurCalcul& moteur);

} // namespace fonctions

} // namespace pelavorine
