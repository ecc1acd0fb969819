#pragma once

namespace pelavorine {

class DonneesFenetre;
class Projection;
class TableVariables;

// Finding the point of a displayed curve under the mouse, for the tools that point at curves
// (crosshair, tangent).

struct PointDeCourbe {
    int point = -1;    // index of the point, −1 when none
    int variable = -1; // slot of its variable, −1 when none
};

// The point under the pixel (x, y): within 0.5 % of the X range of the mouse's abscissa and
// within `fraction` of the Y range of its ordinate (with the curve's multiplier and offset);
// the last match in variable-table order wins.
PointDeCourbe PointSousCurseur(const DonneesFenetre& fenetre, const Projection& projection,
                               const TableVariables& variables, int x, int y, double fraction);

// The point of all displayed curves nearest to the pixel (x, y), when it lies within 10
// pixels; ties keep the first found.
PointDeCourbe PointLePlusProche(const DonneesFenetre& fenetre, const Projection& projection,
                                const TableVariables& variables, int x, int y);

} // namespace pelavorine
