#pragma once

#include <cstdint>

namespace pelavorine {

// The desk as the work file keeps it: its frame, colours, display word and the current
// window. The desk widget copies its geometry here before a save and applies it after a read.
struct EtatBureau {
    enum Etat : std::uint8_t { Normal = 0, Minimise = 1, Maximise = 2 };

    int gauche = 0;
    int haut = 0;
    int largeur = 1024;
    int hauteur = 768;
    std::uint8_t etat = Maximise;
    std::int32_t couleur = 0x00808080;
    std::uint8_t teinte = 7;               // dialog shade, 0..7
    std::uint16_t affichage = 0x007B;      // display word
    std::int32_t couleurEtat = 0x00E0E0E0; // status line
    // The desk's client area now (the desk updates it) and the screen, used to rescale the
    // windows of a file saved on another desk.
    int largeurClient = 1024;
    int hauteurClient = 768;
    int largeurEcran = 1024;
    int hauteurEcran = 768;
};

} // namespace pelavorine
