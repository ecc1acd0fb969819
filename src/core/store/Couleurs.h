#pragma once

#include <cstdint>

namespace pelavorine {

// Colours are kept as Windows values 0x00BBGGRR (red in the low byte), as the files store
// them; -1 means no colour. The views convert them for drawing.
constexpr std::int32_t CouleurRvb(std::uint32_t rrggbb) {
    return static_cast<std::int32_t>(((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) |
                                     ((rrggbb >> 16) & 0xFF));
}

// The same colour written 0xRRGGBB again.
constexpr std::uint32_t RvbDeWindows(std::int32_t couleur) {
    const auto v = static_cast<std::uint32_t>(couleur);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

} // namespace pelavorine
