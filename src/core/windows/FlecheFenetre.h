#pragma once

#include <cstdint>

namespace pelavorine {

// An arrow drawn in a curve window, in world coordinates.
struct FlecheFenetre {
    enum Forme : std::uint8_t { TeteSimple = 0, TeteDouble = 1, Trait = 2 };

    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    std::int32_t couleur = 0;
    std::uint8_t pointe = 0; // 0..3
    double angle = 0;        // recomputed on reading
    std::uint8_t forme = TeteSimple;

    // A tip above 3 is an old straight line: tip 1, shape line.
    void CorrigerPointe() {
        if (pointe <= 3) return;
        pointe = 1;
        forme = Trait;
    }

    bool operator==(const FlecheFenetre&) const = default;
};

} // namespace pelavorine
