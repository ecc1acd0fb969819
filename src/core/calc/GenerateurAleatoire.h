#pragma once

#include <cstdint>
#include <random>

namespace pelavorine {

// The generator that RANDOM draws from. Each calculation engine owns one, so that the lines
// of one work never move another work's sequence. It is reseeded from the clock at point 1
// of each line; the count of reseedings keeps two lines reseeded within one clock tick on
// different sequences, and a stream number drawn when the engine is built keeps two engines
// reseeded at the same tick apart.
class GenerateurAleatoire {
public:
    GenerateurAleatoire();

    void Resemer();
    // Uniform in [0, 1).
    double Tirer();

    bool operator==(const GenerateurAleatoire&) const = default;

private:
    std::mt19937_64 generateur_;
    std::uint64_t semis_ = 0;
    std::uint32_t flux_ = 0;
};

} // namespace pelavorine
