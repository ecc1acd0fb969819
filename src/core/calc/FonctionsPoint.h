#pragma once

namespace pelavorine {

class MoteurCalcul;

// The point functions of the calculation language and its generators of tables: each reads
// the arguments of the current point from the engine and returns the value at that point.
// A function that sets an error returns 0.
namespace fonctions {

// Helpers shared by the library.
// x rounded to the nearest integer, halves to the even neighbour.
double ArrondiPair(double x);
// A value computed past the language's infinity (or non-finite): +-1e300 and the infinite
// flag. NaN is returned unchanged.
double Borner(MoteurCalcul& moteur, double r);

// Same kind as the arguments.
double DIV(MoteurCalcul& moteur);
double MOD(MoteurCalcul& moteur);
double SQR(MoteurCalcul& moteur);
double SQRT(MoteurCalcul& moteur);
double LOG(MoteurCalcul& moteur);
double LN(MoteurCalcul& moteur);
double EXP10(MoteurCalcul& moteur);
double EXP(MoteurCalcul& moteur);
double INT(MoteurCalcul& moteur);
double FRAC(MoteurCalcul& moteur);
double FACT(MoteurCalcul& moteur);
double SGN(MoteurCalcul& moteur);
double SIN(MoteurCalcul& moteur);
double COS(MoteurCalcul& moteur);
double TAN(MoteurCalcul& moteur);
double ASIN(MoteurCalcul& moteur);
double ACOS(MoteurCalcul& moteur);
double ATAN(MoteurCalcul& moteur);
double GAIN(MoteurCalcul& moteur);
double MODULE(MoteurCalcul& moteur);
double ARGUMENT(MoteurCalcul& moteur);
double SH(MoteurCalcul& moteur);
double CH(MoteurCalcul& moteur);
double TH(MoteurCalcul& moteur);
double ASH(MoteurCalcul& moteur);
double ACH(MoteurCalcul& moteur);
double ATH(MoteurCalcul& moteur);
double DEG(MoteurCalcul& moteur);
double RAD(MoteurCalcul& moteur);
double ABS(MoteurCalcul& moteur);
double RANDOM(MoteurCalcul& moteur);
double SI(MoteurCalcul& moteur);
double NUMPOINT(MoteurCalcul& moteur);

// Generators: the line becomes a table of NBPOINT points.
double TABLE(MoteurCalcul& moteur);
double RAMPE(MoteurCalcul& moteur);
double LRAMPE(MoteurCalcul& moteur);
double CRENEAU(MoteurCalcul& moteur);
double PEIGNE(MoteurCalcul& moteur);
double TRIANGLE(MoteurCalcul& moteur);

// Scalar.
double TOTALPOINTS(MoteurCalcul& moteur);

} // namespace fonctions

} // namespace pelavorine
