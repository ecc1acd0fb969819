#pragma once

namespace pelavorine {

class MoteurCalcul;

// The functions of the calculation language whose result is one value for the whole line:
// the measures of a table (computed at point 1 and kept in the line's memorised results),
// the assignment of one point, and the logic ports of the interface. A function that sets an
// error returns 0.
namespace fonctions {

// Memorised at point 1.
double AFFECTER(MoteurCalcul& moteur);
double INDICE(MoteurCalcul& moteur);
double MOY(MoteurCalcul& moteur);
double EFF(MoteurCalcul& moteur);
double NBFRONTS(MoteurCalcul& moteur);
double FREQUENCE(MoteurCalcul& moteur);
double DEPHASAGE(MoteurCalcul& moteur);

// Computed at every point.
double MIN(MoteurCalcul& moteur);
double MAX(MoteurCalcul& moteur);
double IN(MoteurCalcul& moteur);
double OUT(MoteurCalcul& moteur);

} // namespace fonctions

} // namespace pelavorine
