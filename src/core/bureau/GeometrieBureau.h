#pragma once

namespace pelavorine {

class TableFenetres;

namespace geometrieBureau {

inline constexpr int Marge = 4;  // kept free at the right and at the bottom of the client area
inline constexpr int Aimant = 5; // a window this close to an edge is made to end at it

// Rescales every open window from the old client area to the new one: left and width by the
// ratio of the widths, top and height by that of the heights, rounded; a window ending within
// 5 pixels of the right or bottom edge (or beyond) ends at it; negative positions become 0.
void Redimensionner(TableFenetres& fenetres, int ancienneLargeur, int ancienneHauteur, int largeur,
                    int hauteur);

} // namespace geometrieBureau
} // namespace pelavorine
