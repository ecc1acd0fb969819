#pragma once

#include <cstdint>
#include <span>

namespace pelavorine {

class Hote;
class TableVariables;

// One period measurement by threshold crossings, kept on the caller's stack.
struct MesurePeriode {
    enum class ModeSeuil : std::uint8_t {
        Moyenne = 0, // mean of the points
        Milieu = 1,  // half-way between minimum and maximum
        Donne = 2,   // the threshold given
    };

    double seuil = 0.0;
    bool descendant = false; // count falling crossings instead of rising ones
    // 0 = as many as found (threshold worked out unless given); n >= 1 = exactly n periods
    // with the threshold given. Holds the number of periods found after a success.
    int periodes = 0;
    int premierPassage = 0; // point index of the first crossing found
    int dernierPassage = 0; // point index of the last crossing found
    bool muet = false;      // no message on failure
    ModeSeuil mode = ModeSeuil::Milieu;
};

// A fresh record: threshold 0, rising crossings, as many periods as found when automatique
// (else exactly one), half-way threshold.
MesurePeriode PreparerMesure(bool automatique);
// The same with the threshold and its mode given.
MesurePeriode PreparerMesure(bool automatique, double seuil, MesurePeriode::ModeSeuil mode);

// The crossing search over points premier..dernier of v (indices into v): fills the
// threshold (when counting as many periods as found), the crossings and the count.
bool ChercherPassages(std::span<const double> v, int premier, int dernier, MesurePeriode& etat);

// The period of the variable in slot seen in window fenetre (the current window when
// fenetre is not open), over the window's active selection if any, else over its valid
// points. 0 on failure: the window's selection is then switched off and set to the whole
// variable and, unless etat.muet, the host shows the failure. With memoriser the selection
// becomes the measured periods and the window is redrawn; with restaurer the previous
// selection is put back.
double MesurerPeriode(TableVariables& table, Hote& hote, MesurePeriode& etat, int slot, int fenetre,
                      bool restaurer, bool memoriser);

// The frequency of the variable in slot against the abscissa variable in slot abscisse (T
// when 0, out of range or empty), from point premier (0 = its first valid point) to its last,
// with the end crossing interpolated. 0 on failure, shown by the host unless etat.muet.
double MesurerFrequence(TableVariables& table, Hote& hote, MesurePeriode& etat, int slot,
                        int abscisse = 0, int premier = 0);

} // namespace pelavorine
