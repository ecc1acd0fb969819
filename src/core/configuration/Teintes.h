#pragma once

#include <QString>
#include <cstdint>

namespace pelavorine {

// The dialog shades ("Dialogue" setting): four colours per shade, as Windows values
// 0x00BBGGRR. Every dialog paints its form, its groups, their captions and the labels inside
// them with the current shade.
class Teintes {
public:
    struct Teinte {
        const char* nom; // name in the options dialog, untranslated
        // Shade 0 takes the system's colours: button face for the form and the groups, the
        // active caption colour for group captions, the menu text colour inside groups. Its
        // four colour fields are then meaningless.
        bool couleursSysteme;
        std::int32_t forme;
        std::int32_t groupe;
        std::int32_t texteGroupe;
        std::int32_t texteInterne;
    };

    static constexpr int Nombre = 8;
    static constexpr int ParDefaut = 7;

    // The shade of that number; a number outside 0..7 gives shade 0.
    static const Teinte& Numero(int numero);
    // Its name as the options dialog shows it.
    static QString Nom(int numero);
};

} // namespace pelavorine
