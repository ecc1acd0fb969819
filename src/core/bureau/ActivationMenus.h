#pragma once

#include "core/bureau/CommandesBureau.h"

#include <bitset>

namespace pelavorine {

// What the menu states depend on.
struct ContexteMenus {
    bool actif = false;      // at least one window is open and a curve window is the active form
    int contexte = 0;        // 0 curve window, 1 spreadsheet or calculation sheet active, 2 others
    bool imprimante = false; // a printer is present
    bool annulationPossible = false; // the window-layout undo stack is not empty
    bool syntheseEnCours = false;    // the harmonic-synthesis editing is active
    bool systeme = false;            // an acquisition system is selected
    bool sortiesLogiques = false;    // the selected system has logic outputs
    bool actionPossible = false;     // a calculation action can be defined
};

// The commands the user can reach: a command is enabled when its own rule and those of the
// menus holding it allow it, so that its shortcut follows what the menu shows. The icons follow
// `actif`; the icon "Mosaïque générale" also waits for the end of the synthesis editing.
class ActivationMenus {
public:
    static ActivationMenus Calculer(const ContexteMenus& c);

    bool Active(Commande commande) const { return actives_.test(static_cast<int>(commande)); }
    bool IconesActives() const { return icones_; }
    bool IconeMosaiqueActive() const { return iconeMosaique_; }

private:
    std::bitset<NbCommandes> actives_;
    bool icones_ = false;
    bool iconeMosaique_ = false;
};

} // namespace pelavorine
