#pragma once

#include <QString>

namespace pelavorine {

class TableVariables;

// Name of the anonymous backup copy, hidden from every list.
inline constexpr const char* NomCopieAnonyme = "K_K_K_K_K_";

// Copies the variable in slot source onto the one in slot cible (both must exist): unit,
// points, abscissa, display settings, statistics, origin; the colour when couleur is set, the
// windows (opening those not open yet) when fenetres is set. The target becomes an acquired
// variable keeping the abscissa, spectrum and solution bits. False when nothing was copied.
bool CopierVariable(TableVariables& table, int source, int cible, bool fenetres, bool couleur);

// Copies the variable in slot onto a backup named nom (trimmed; empty = the anonymous copy)
// that keeps its genre and windows but is hidden from lists. Returns the backup's slot, 0 when
// it cannot be created (invalid name, full table, or a name that would overwrite the variable
// itself or one of the fixed variables up to the time variable).
int CopieDeSecours(TableVariables& table, int slot, const QString& nom = {});

// Puts the backup in slot copie (0 = the anonymous copy) back onto slot, with its windows
// and genre. False when either is missing.
bool RestaurerCopie(TableVariables& table, int slot, int copie = 0);

} // namespace pelavorine
