#pragma once

#include "core/windows/EchelleAxe.h"
#include "core/windows/Projection.h"

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace pelavorine {

class DonneesFenetre;
class TableVariables;

// The frame of a curve window (axes, ticks or grid, labels, multiplier boxes, zero-level
// marks) computed as a list of elements; the widget paints them on screen or paper.

// Which of the frame's colours an element takes.
enum class CouleurCadre : std::uint8_t { Axe, Texte, Grille, Rouge };

struct TraitCadre {
    enum Type : std::uint8_t {
        Plein,     // solid, width 1
        Fleche,    // solid with an arrowhead of two 6-pixel strokes at its end (p2)
        Pointille, // one pixel every 6
        Tirete,    // dashes of 6 every 18 horizontally, every 12 vertically
    };
    QLine ligne;
    Type type = Plein;
    CouleurCadre couleur = CouleurCadre::Axe;
};

struct TexteCadre {
    enum Police : std::uint8_t {
        Etiquette, // the label font ("ARIAL" 9 points on screen)
        Exposant,  // 3/4 of the label size, 2 pixels higher than `position`
    };
    QString texte;
    QPoint position; // top left of the text
    Police police = Etiquette;
    CouleurCadre couleur = CouleurCadre::Texte;
};

// The grid memory: entry = y | 0x8000 for a horizontal line at row y, x | 0x4000 for a
// vertical one at column x; 0 ends the list.
using MemoireGrille = std::array<std::uint16_t, 40>;

struct PlanCadre {
    std::vector<TraitCadre> traits;
    std::vector<TexteCadre> textes;
    std::vector<QRect> boites; // multiplier boxes: outlined in the text colour, filled
    MemoireGrille grille{};
    // RGB values 0xRRGGBB.
    std::uint32_t couleurAxe = 0;
    std::uint32_t couleurTexte = 0;
    std::uint32_t couleurGrille = 0x808080;
    int nx = 0; // tick targets
    int ny = 0;
};

// Text measurements supplied by whoever draws.
struct MesuresTexte {
    int cw = 8;  // character cell: round(1.1 × width of "1")
    int ch = 16; // round(1.1 × font pixel height)
    // Width in pixels of a text in the label font (used for the "0" shift: width of "12").
    std::function<int(const QString&)> largeur;
};

struct ContexteGraduation {
    const TableVariables* variables = nullptr;
    bool notation = false;    // unit-prefix notation (the desk's "µ" toggle)
    bool noirEtBlanc = false; // black-and-white windows or printing in black
    bool impression = false;
    int largeurEcran = 1024;
    int variableCourante = 0; // the curve whose unit the Y axis shows (the window's current curve)
};

// Steps 1 and 2 of the frame: takes the limits from the scales; a time abscissa is forced
// linear (its genre saved); a logarithmic genre takes log10 of positive limits (a minimum of
// 0 becomes Xmax / 1e4), otherwise falls back to linear and returns false ("ECHELLE LOG.
// IMPOSSIBLE" is the caller's to show). The window's world rectangle is defined.
bool PreparerMonde(DonneesFenetre& fenetre, const TableVariables& variables);

// The graduation of both axes for the window's current world, mapped by `projection`
// (margins set, Selectionner called). Fills the scales' unit prefix and unit text.
PlanCadre GrilleEtGraduations(DonneesFenetre& fenetre, const Projection& projection,
                              const ContexteGraduation& contexte, const MesuresTexte& mesures);

// The engineering step: P := 10^(3 × floor(e / 3)) with e = exponent(P); the axis's unit text
// and prefix letter are set from the variable (0 = none). Returns the multiplier shown in the
// box (1 when a prefix letter carries it) and sets `diviseur` to the labels' divisor.
double PuissanceIngenieur(double p, EchelleAxe& echelle, int variable, const TableVariables& table,
                          bool notation, double& diviseur);

// FormatFloat("+#0.00;-#0.00;0", v).
QString TexteGraduation(double v);
// A label longer than 6 characters that contains "." is cut before the "." (at most 20).
QString EtiquetteCoupee(const QString& texte);

} // namespace pelavorine
