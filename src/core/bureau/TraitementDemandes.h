#pragma once

#include <cstdint>
#include <functional>

namespace pelavorine {

class Travail;
class VuesBureau;

// The desk's processing of the change-request word when the program is idle: every redraw
// and recomputation requested since the last pass is done once, in a fixed order.
class TraitementDemandes {
public:
    TraitementDemandes(Travail& travail, VuesBureau& vues) : travail_(travail), vues_(vues) {}

    // Handles the word: the current window, then (with 0x0001, or once the Fourier analysis
    // was recomputed) every other open window in activation order. Actions that do not
    // belong to a window run once, during the visit of the current window. A nested call
    // returns at once. The word is read as it is at each step, so that what an action asks
    // of a later step is done in the same pass; a bit newly requested after its step was
    // passed for the current window (or while other windows are visited) stays in the word
    // for the next pass; everything else is cleared.
    void Traiter();

    // A pass is in progress (the re-entrance flag).
    bool EnCours() const { return enCours_; }
    // "Rafraîchir la fenêtre": a pass blocked in a nested event loop no longer stops others.
    void Debloquer() { enCours_ = false; }

    // Called after each pass when set (the acquisition run installs one).
    std::function<void()> apresRafraichissement;

private:
    // Reads the live word and notes the bits that appeared since the last reading.
    std::uint16_t Observer();
    // A step of the pass: whether the word asks for it.
    bool Demande(std::uint16_t bits);

    Travail& travail_;
    VuesBureau& vues_;
    bool enCours_ = false;
    bool surCourante_ = false;    // the current window is being visited
    std::uint16_t precedent_ = 0; // the word at the last reading
    std::uint16_t passes_ = 0;    // bits whose step the current window has passed
    std::uint16_t reste_ = 0;     // bits to keep for the next pass
};

} // namespace pelavorine
