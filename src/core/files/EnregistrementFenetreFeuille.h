#pragma once

#include "core/format/BlocEnregistrement.h"

namespace pelavorine {

class Travail;

// The calculation-sheet window's record (FCA, 20 bytes): left, top, width, height (16-bit
// each), state, visible flag, the results pane's digit count (16-bit), the mosaic flag and
// seven zero bytes.
class EnregistrementFenetreFeuille {
public:
    static constexpr std::uint8_t Type = 20;
    static constexpr int Taille = 20;
    // A digit count outside 1..MaxChiffres reads as this one.
    static constexpr int ChiffresParDefaut = 4;
    static constexpr int MaxChiffres = 10;

    // Nothing when the work has no calculation window.
    static bool Ecrire(const Travail& travail, BlocEnregistrement& bloc);
    // The work takes the window's fields and the sheet its digit count.
    static void Lire(Travail& travail, const QByteArray& donnees);
};

} // namespace pelavorine
