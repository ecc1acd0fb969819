#pragma once

#include <QRect>

namespace pelavorine {

class DonneesFenetre;
class Projection;
class TableVariables;

// The commands that change a curve window's scales: the zoom, the calibrations and the pan.
// Each returns the refresh to request (0 when nothing changed); the program's current
// variable is read and set through `variableCourante`.
//
// The caller ORs a non-zero result into the change-request word (DemanderMiseAJour) for the
// window it acted on: RafraichirEchelles after the zoom, its undo, the pan (redrawn at once)
// and the undo of a calibration; RafraichirCadre after a calibration, whose scales are final
// already. 0 means the scales are as they were: no request, and no stack was touched (a
// calibration may still have made another curve current).
// The stacks' buttons follow the stacks: zoom while pileLoupe is not full, its undo while it
// is not empty, the calibration undo while pileCalibrage is not empty.
namespace echelles {

inline constexpr int RafraichirEchelles = 224; // rescale, frame and curves
inline constexpr int RafraichirCadre = 192;    // frame and curves

// Zoom on a rectangle of pixels (any corner order): pushes the scales on the zoom stack and
// makes both scales manual on the rectangle; nothing when the stack is full. `premier` tells
// the caller that the stack was empty (a layout-undo snapshot is taken then).
// The corners are rectangle.topLeft() and rectangle.bottomRight() as given (QRect(p1, p2) from
// the press and release points); a left edge on the first column inside the frame counts as
// the frame itself. A rectangle without width or height changes nothing and pushes nothing.
// The zoom is no longer pending afterwards (loupeEnCours cleared).
int AppliquerLoupe(DonneesFenetre& fenetre, const Projection& projection, QRect rectangle,
                   const TableVariables& variables, bool& premier);
// Pops and restores the zoom stack.
int AnnulerLoupe(DonneesFenetre& fenetre, const TableVariables& variables);

// The calibrations push the scales they replace on the calibration stack only when it is
// empty, so that its undo always goes back to the scales from before the first one;
// calibrageEnCours tells that the stack holds them. `degres`: polar angles in degrees.
// `facteurSpectre` divides the abscissa maximum fitted in an analysis window.
//
// Both scales on the displayed curves: Y manual from the lowest to the highest curve (widened),
// X on the abscissa of the highest curve, which becomes the current variable. Polar: both
// scales on the plotted points of all displayed curves. Nothing without a displayed curve.
int CalibrageGlobal(DonneesFenetre& fenetre, const TableVariables& variables, int& variableCourante,
                    int largeurEcran, bool degres = false, double facteurSpectre = 1);
// The window's current curve becomes the current variable, then CalibrageOrdonnee.
int CalibrageCourbeActive(DonneesFenetre& fenetre, const TableVariables& variables,
                          int& variableCourante, int largeurEcran, bool degres = false,
                          double facteurSpectre = 1);
// Y on the current variable's range (widened); CalibrageGlobal without a current variable.
int CalibrageOrdonnee(DonneesFenetre& fenetre, const TableVariables& variables,
                      int& variableCourante, int largeurEcran, bool degres = false,
                      double facteurSpectre = 1);
// X on the current variable's abscissa extremes, when they differ from the limits in force;
// CalibrageGlobal without a current variable.
int CalibrageAbscisse(DonneesFenetre& fenetre, const TableVariables& variables,
                      int& variableCourante, int largeurEcran, bool degres = false,
                      double facteurSpectre = 1);
// X maximum moved so that one world unit has the same length on both axes of the plot area.
int RepereOrthonorme(DonneesFenetre& fenetre, const Projection& projection,
                     const TableVariables& variables);
int AnnulerCalibrage(DonneesFenetre& fenetre, const TableVariables& variables);

// Pan by dragging on a graduation strip: the world distance between `ancre` and `position`
// (pixels along the axis) moves both limits of the axis, which becomes manual. A move under
// 10 pixels, or a negative position or anchor, changes nothing (the anchor stays); otherwise
// the caller moves the anchor to `position`. A logarithmic abscissa moves by decades.
int DeplacerX(DonneesFenetre& fenetre, const Projection& projection, int ancre, int position,
              const TableVariables& variables);
int DeplacerY(DonneesFenetre& fenetre, const Projection& projection, int ancre, int position,
              const TableVariables& variables);

} // namespace echelles
} // namespace pelavorine
