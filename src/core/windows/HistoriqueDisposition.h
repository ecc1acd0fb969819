#pragma once

#include "core/windows/EchelleAxe.h"

#include <QList>
#include <cstdint>

namespace pelavorine {

class TableFenetres;

// The layout undo of "&Annuler": up to 20 snapshots of the open windows' bounds, states and
// scales, most recent last.
class HistoriqueDisposition {
public:
    static constexpr int Capacite = 20;

    struct Fenetre {
        int numero = 0;
        int gauche = 0;
        int haut = 0;
        int largeur = 0;
        int hauteur = 0;
        std::uint8_t etat = 0;
        EchelleAxe x;
        EchelleAxe y;
    };
    using Instantane = QList<Fenetre>;

    // Records every open window in activation order, the current one first (the oldest
    // snapshot goes when 20 are kept). Nothing is recorded while no window is open.
    void Noter(const TableFenetres& table);
    // Puts back the bounds, states and scales of the most recent snapshot into the table's
    // records and removes it; the windows it names that were closed are left closed. Returns
    // the numbers restored, in the snapshot's order (empty when there is nothing to undo).
    // The scales come back as saved: the caller re-evaluates them by name (refresh 32 and
    // up, for every window) and applies the bounds to the widgets.
    QList<int> Restaurer(TableFenetres& table);
    bool Vide() const { return instantanes_.isEmpty(); }
    int Taille() const { return static_cast<int>(instantanes_.size()); }
    void Vider() { instantanes_.clear(); }

private:
    QList<Instantane> instantanes_;
};

} // namespace pelavorine
