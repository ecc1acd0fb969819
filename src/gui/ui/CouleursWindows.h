#pragma once

#include <QColor>
#include <cstdint>

namespace pelavorine {

// The work and the configuration keep colours as Windows values 0x00BBGGRR (red in the low
// byte); the views draw with QColor.
inline QColor DepuisWindows(std::int32_t couleur) {
    return QColor(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF);
}

inline std::int32_t VersWindows(const QColor& c) {
    return static_cast<std::int32_t>((c.blue() << 16) | (c.green() << 8) | c.red());
}

// A colour written 0xRRGGBB.
inline QColor DepuisRvb(std::uint32_t rvb) {
    return QColor((rvb >> 16) & 0xFF, (rvb >> 8) & 0xFF, rvb & 0xFF);
}

} // namespace pelavorine
