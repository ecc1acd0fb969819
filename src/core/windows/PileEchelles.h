#pragma once

#include "core/windows/EchelleAxe.h"

#include <vector>

namespace pelavorine {

// A bounded stack of saved scale pairs (zoom levels, calibrations) of one window.
class PileEchelles {
public:
    static constexpr int Capacite = 10;

    // False, and nothing kept, when the stack is full.
    bool Empiler(const PaireEchelles& paire) {
        if (Pleine()) return false;
        pile_.push_back(paire);
        return true;
    }
    // False when the stack is empty; `paire` is then left alone.
    bool Depiler(PaireEchelles& paire) {
        if (pile_.empty()) return false;
        paire = pile_.back();
        pile_.pop_back();
        return true;
    }
    bool Vide() const { return pile_.empty(); }
    bool Pleine() const { return static_cast<int>(pile_.size()) >= Capacite; }
    int Taille() const { return static_cast<int>(pile_.size()); }
    void Vider() { pile_.clear(); }
    std::vector<PaireEchelles>& Entrees() { return pile_; }
    const std::vector<PaireEchelles>& Entrees() const { return pile_; }

    bool operator==(const PileEchelles&) const = default;

private:
    std::vector<PaireEchelles> pile_;
};

} // namespace pelavorine
