#pragma once

#include "core/windows/Projection.h"

#include <QPoint>
#include <cstdint>
#include <span>

namespace pelavorine {

class DonneesFenetre;
class TableVariables;
class TypeId;

// Plotting flags of a window (IndicateurTrace).
namespace trace {
inline constexpr std::uint32_t Logarithmique = 16;
inline constexpr std::uint32_t Polaire = 256;
inline constexpr std::uint32_t Degres = 0x200;
inline constexpr std::uint32_t Discontinuites = 0x40;
} // namespace trace

// 16 for a logarithmic abscissa, 256 polar (+ 0x200 in degrees), + 0x40 with the window's
// discontinuity option.
std::uint32_t IndicateurTrace(const DonneesFenetre& fenetre, bool degres);

// What a curve is drawn on: the widget's painter, the benchmark's image, a test's recorder.
// Colour and pen are the surface's own (the curve's colour, or the background to erase).
class SurfaceTrace {
public:
    virtual ~SurfaceTrace() = default;
    // Connected points drawn with the curve's line: styles 0, 6, 7, 8 (width 1), 11 (thick)
    // and 14 (dotted); consecutive polylines are not joined.
    virtual void Polyligne(std::uint8_t style, std::span<const QPoint> points) = 0;
    // A mark: 1 point, 2 small cross, 3 large cross, 4 filled circle, 5 square,
    // 12 inverting square, 13 framed square.
    virtual void Marque(std::uint8_t style, QPoint point) = 0;
    // A stick from row `base` to the point; `chapeau` adds the 3-pixel cap of the T stick.
    virtual void Baton(QPoint point, int base, bool chapeau) = 0;
};

struct ParametresTrace {
    const Projection* projection = nullptr; // selected on the window's world
    int fenetre = 1;
    std::uint32_t indicateur = 0;
    int espacement = 1; // marker spacing k of the combined styles
    // Rows used by sticks drawn from the bottom and the screen size (filled circles off the
    // screen are skipped).
    int largeurEcran = 1 << 20;
    int hauteurEcran = 1 << 20;
    // Point range to draw; 0 = from the variable's first valid point / to its last.
    int premier = 0;
    int dernier = 0;
    // Reduce each run of points on one pixel column to its first, lowest, highest and last
    // point: the drawing looks the same at a fraction of the cost.
    bool reduire = true;
    // A partial range is marked at its ends, unless it is a piece of a curve drawn bit by bit.
    bool marquerBornes = true;
};

// Draws one variable in one window: abscissa of the window or the variable's own, blocks of a
// family drawn apart, style and marker spacing, multiplier and offset, breaks where the curve
// leaves the window sideways (and across it with the discontinuity flag), the end-of-range
// marks. Pixels are clamped by the projection.
void TracerVariable(const TypeId& variable, const TableVariables& variables,
                    const ParametresTrace& parametres, SurfaceTrace& surface);

// The abscissa of each point of a variable in a window, as TypeId::Abscisse gives it, with the
// choice between the window's abscissa and the variable's own made once for the whole curve.
// Holds views of the variables' arrays: valid while they are not resized.
class SourceAbscisse {
public:
    SourceAbscisse(const TypeId& variable, const TableVariables& variables, int fenetre);
    double Valeur(int i) const;

private:
    enum class Mode { Aucune, Fenetre, Liee, Lineaire, Tableau };
    void ResoudrePropre(const TableVariables& variables);
    double LireX(int i) const;

    const TypeId* variable_;
    Mode mode_ = Mode::Aucune;
    bool propre_ = false; // own abscissa in a window: a value ≤ 1e-200 goes the window's way
    std::span<const double> valeursX_;
    int capaciteX_ = 0;
    double origine_ = 0;
    double pas_ = 0;
    bool reseau_ = false;
    int nbPoint_ = 0;
    double tbase_ = 0; // ≠ 0: the window counts the time abscissa in points
};

// Points per curve of a family (the whole range for a single curve): NBPOINT, or more when the
// variable holds more than NbCourbes × NBPOINT points.
int LongueurBloc(const TypeId& variable, const TableVariables& variables);

// The scale factors of a variable adapted to its reference variable ("En concordance avec");
// with `arrondir` the multiplier is a power of ten and the offset 0. Only a variable whose
// scale-adapt flag is set changes; call it before TracerVariable.
void AdapterEchelle(TypeId& variable, const TableVariables& variables, bool arrondir);

} // namespace pelavorine
