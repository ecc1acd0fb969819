#pragma once

#include <set>

namespace pelavorine {

class TableVariables;
class TypeId;

// The first index i from Premier on such that x lies in [v(i), v(i+1)) on a rising or flat
// step, in (v(i+1), v(i)] on a falling one; 0 when none.
int LocaliserIntervalle(const TypeId& variable, double x);

// Sorts points premier..dernier (kept within the key's valid points) by the values of the key
// variable in slot, ascending when croissant; every variable of ensemble (the key always
// included) whose valid points hold both indices of an exchange follows the same order.
// Two points of equal keys are never exchanged with each other, though the sort is not
// stable. Nothing happens for a key up to the time slot or of one point.
void Trier(TableVariables& table, int slot, int premier, int dernier, bool croissant,
           std::set<int> ensemble = {});

// Gives cible a linear abscissa of source's abscissa name, running from source's abscissa at
// point 1 to the one at its last point. Nothing happens (false) when source has no abscissa
// name, fewer than 2 points, or an undefined abscissa at either end.
bool AbscisseParExtremes(const TypeId& source, TypeId& cible);

// Sets points 1..n of the user variable in slot to origine + pas * (i - 1), its point count to
// n (at most its capacity) and its statistics. False for a slot before the first user slot.
bool RemplirSuite(TableVariables& table, int slot, int n, double pas, double origine);

} // namespace pelavorine
