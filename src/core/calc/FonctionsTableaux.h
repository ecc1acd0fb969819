#pragma once

#include <QString>

namespace pelavorine {

class MoteurCalcul;
class TableVariables;
class TypeId;

// The table functions of the calculation language that rearrange or select the points of a
// table: shifts, repetition, trigger, truncation, sets of values, level crossings, peaks and
// sorting. The arguments are checked at point 1; a function that sets an error returns 0.
namespace fonctions {

// The abscissa of point i of y when a function takes it from y: y's own abscissa (linear,
// linked or own values) and, when it has none, the time variable T.
double AbscisseDe(const TableVariables& table, const TypeId& y, int i);
// The name of that abscissa: y's abscissa name, or T's.
QString NomAbscisseDe(const TableVariables& table, const TypeId& y);

double RETARD(MoteurCalcul& moteur);
double AVANCE(MoteurCalcul& moteur);
double PERIODE(MoteurCalcul& moteur);
double TRIGGER(MoteurCalcul& moteur);
double TRUNC(MoteurCalcul& moteur);
double ENSEMBLE(MoteurCalcul& moteur);
double SEUIL(MoteurCalcul& moteur);
double CRETEMAXI(MoteurCalcul& moteur);
double CRETEMINI(MoteurCalcul& moteur);
double TRIER(MoteurCalcul& moteur);

} // namespace fonctions

} // namespace pelavorine
