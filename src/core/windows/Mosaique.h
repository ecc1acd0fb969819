#pragma once

#include <QList>
#include <QRect>
#include <cstdint>
#include <optional>

namespace pelavorine {

// The predefined arrangements of curve windows on the desk.
namespace mosaique {

struct Disposition {
    std::int32_t n = 0;        // number of windows
    std::int32_t variante = 0; // 1..6
    char orientation = 'U';    // 'H' rows, 'V' columns, 'U' none
    std::uint16_t bandes = 0;  // four 4-bit band sizes, band 1 in the high nibble

    int Bande(int k) const { return (bandes >> (4 * (4 - k))) & 0xF; } // k = 1..4
};

// The 45 layouts.
const QList<Disposition>& Dispositions();
// The layout for n windows and a variant, none when the table has none.
std::optional<Disposition> Trouver(int n, int variante);
// The variants offered for n windows.
QList<Disposition> Variantes(int n);

// The cell of the window at `position` (1-based) in thousandths of the area: left, top,
// right, bottom stored as a QRect's x1, y1, x2, y2 (use .left() .top() .right() .bottom()).
QRect CaseMosaique(const Disposition& disposition, int position);

// The bounds of that cell in an area of `largeur` × `hauteur` pixels (W and H are the area
// less 1, as the desk counts them).
QRect Bornes(const Disposition& disposition, int position, int largeur, int hauteur);

// What the mosaic remembers while the program runs.
struct EtatMosaique {
    QList<int> fenetres; // window numbers 1..16, last chosen
    int variante = 1;
    bool feuille = false; // " Feuille de calcul"
    bool tableur = false; // " Tableur"
};

} // namespace mosaique
} // namespace pelavorine
