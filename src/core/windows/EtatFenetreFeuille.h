#pragma once

#include "core/windows/EtatBureau.h"

#include <cstdint>

namespace pelavorine {

// The calculation-sheet window as the work file keeps it: its frame in the desk's client
// area, its state, whether it is shown and whether the predefined mosaics include it. The
// digit count of its results pane is the sheet's own (FeuilleCalcul). The desk notes the
// window here before a save and applies it after a read.
struct EtatFenetreFeuille {
    int gauche = 0;
    int haut = 0;
    int largeur = 0;
    int hauteur = 0;
    std::uint8_t etat = EtatBureau::Normal;
    bool visible = false;
    bool mosaique = false;

    // What a read does with the window, which it hides first.
    struct Placement {
        bool montrer = false;  // shown again, at the bounds below
        bool agrandie = false; // shown again later, it fills the desk
        bool mosaique = false; // the window's mosaic flag from now on
        int gauche = 0;
        int haut = 0;
        int largeur = 0;
        int hauteur = 0;
    };
    // bureauMaximise: the desk as the file leaves it; mosaiqueActuelle: the window's flag
    // before the read, kept when the desk is maximised; the client area the window lies in
    // (an empty one clamps nothing).
    Placement AuChargement(bool bureauMaximise, bool mosaiqueActuelle, int largeurZone,
                           int hauteurZone) const;

    bool operator==(const EtatFenetreFeuille&) const = default;
};

} // namespace pelavorine
