#pragma once

#include "core/format/BlocEnregistrement.h"

namespace pelavorine {

class Travail;
struct ContexteFichier;

// The desk record (BUR): frame, colours, options, display word, NBPOINT and current window.
class EnregistrementBureau {
public:
    static constexpr std::uint8_t Type = 0;
    static constexpr int Taille = 29;
    // Options bits the file keeps, and those the current work keeps on reading.
    static constexpr std::uint16_t OptionsGardees = 0x3A9F;
    static constexpr std::uint16_t OptionsDuProgramme = 0xC560;

    static BlocEnregistrement Ecrire(const Travail& travail);
    // Closes the curve windows (the window records that follow open them again), takes the
    // desk's settings and NBPOINT; remembers the current window and the saved client size.
    static void Lire(Travail& travail, const QByteArray& donnees, ContexteFichier& contexte);
};

} // namespace pelavorine
