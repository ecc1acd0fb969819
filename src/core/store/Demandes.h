#pragma once

#include <cstdint>

namespace pelavorine {

class Hote;

// The change-request word: what a handler asks to be redrawn or recomputed when the program
// is idle. The desk handles its bits in a fixed order, then clears it.
namespace demande {
// Apply the window requests to every open window (else to the current one only).
inline constexpr std::uint16_t ToutesFenetres = 0x0001;
inline constexpr std::uint16_t Mesures = 0x0002; // re-run the automatic measurements
inline constexpr std::uint16_t Commentaires = 0x0008;
inline constexpr std::uint16_t ReglagesVoies = 0x0010; // calibres and gains to the interface
inline constexpr std::uint16_t Axes = 0x0020;          // re-resolve the axes from their names
inline constexpr std::uint16_t Cadre = 0x0040;         // frame and graduations
inline constexpr std::uint16_t Courbes = 0x0080;
inline constexpr std::uint16_t Feuille = 0x0200; // run the calculation sheet
inline constexpr std::uint16_t Intervalle = 0x0400;
inline constexpr std::uint16_t NbPoints = 0x0800;
inline constexpr std::uint16_t Sorties = 0x1000; // regenerate the output signals
// Emit the outputs after the acquisition: a bit of the acquisition run's words only.
inline constexpr std::uint16_t EmissionApres = 0x2000;
inline constexpr std::uint16_t Fourier = 0x4000;
// Refresh the spreadsheet; the acquisition run also asks with it for a spectrum shown after it.
inline constexpr std::uint16_t Tableur = 0x8000;
inline constexpr std::uint16_t Toutes = 0xFFFF;

// The words the program asks for as a whole.
// Frame, graduations and curves of every window (0x00C1).
inline constexpr std::uint16_t Redessiner = ToutesFenetres | Cadre | Courbes;
// The curves of every window (0x0081).
inline constexpr std::uint16_t RedessinerCourbes = ToutesFenetres | Courbes;
// The same with the axes resolved again (0x00E1).
inline constexpr std::uint16_t RedessinerAvecAxes = Redessiner | Axes;
// The same with the automatic measurements run again (0x00C3).
inline constexpr std::uint16_t RedessinerEtMesurer = Redessiner | Mesures;
// Axes, frame and curves of the current window (0x00E0).
inline constexpr std::uint16_t RedessinerFenetreAvecAxes = Axes | Cadre | Courbes;
// "&Lancer les calculs": the sheet, then every window (0x0201).
inline constexpr std::uint16_t LancerFeuille = Feuille | ToutesFenetres;
// A new work: everything drawn and computed again, the channel settings sent (0x02F1).
inline constexpr std::uint16_t NouveauTravail = RedessinerAvecAxes | ReglagesVoies | Feuille;
// The point count changed: the sheet, the Fourier analysis and every window (0x42E1).
inline constexpr std::uint16_t NbPointsChange = RedessinerAvecAxes | Feuille | Fourier;
} // namespace demande

// The change-request word of a work. Setting bits tells the host, which arms the idle
// processing; testing and clearing them belong to that processing.
class MotDemandes {
public:
    explicit MotDemandes(Hote& hote) : hote_(hote) {}

    void Demander(std::uint16_t bits);
    std::uint16_t Bits() const { return bits_; }
    // Returns the pending requests and clears them.
    std::uint16_t Prendre();
    // Withdraws some pending requests.
    void Effacer(std::uint16_t bits) { bits_ &= static_cast<std::uint16_t>(~bits); }

private:
    Hote& hote_;
    std::uint16_t bits_ = 0;
};

} // namespace pelavorine
