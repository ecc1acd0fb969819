#pragma once

#include <QString>
#include <cstdint>

namespace pelavorine {

// One axis scale of a curve window: the variable it follows (or a manual range), the limits in
// force, the copy kept for undo and the unit shown by the graduation.
struct EchelleAxe {
    static inline const QString NomManuel = QStringLiteral("MANUELLE");

    int variable = 0; // slot of the followed variable, 0 for a manual scale
    QString nom = NomManuel;
    double maximum = 0;
    double minimum = 0;
    double minimumManuel = 0;
    double maximumManuel = 0;
    // Copy taken before a change that can be undone.
    QString nomSauve;
    double minimumSauve = 0;
    double maximumSauve = 0;
    // Filled by the graduation: 0, a unit prefix, 'Y' (time in minutes) or 'Z' (in hours).
    std::uint8_t prefixe = 0;
    QString unite;

    bool operator==(const EchelleAxe&) const = default;
};

// The X and Y scales saved together on the zoom and calibration stacks.
struct PaireEchelles {
    EchelleAxe x;
    EchelleAxe y;

    bool operator==(const PaireEchelles&) const = default;
};

} // namespace pelavorine
