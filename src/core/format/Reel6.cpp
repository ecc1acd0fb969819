#include "core/format/Reel6.h"

#include <cmath>
#include <cstdint>

namespace pelavorine {

namespace {
constexpr int kBiais = 129;
constexpr int kBitsMantisse = 39;
} // namespace

QByteArray VersReel6(double valeur) {
    QByteArray octets(6, '\0');
    if (std::isnan(valeur)) return octets; // no NaN in the format: zero
    if (valeur == 0.0) return octets;
    const bool negatif = valeur < 0;
    int exposant = 0;
    // |valeur| = f × 2^exposant with f in [0.5, 1): the format stores 1.m × 2^(e − 129).
    double f = std::frexp(std::fabs(valeur), &exposant);
    auto mantisse =
        static_cast<std::uint64_t>(std::llround(std::ldexp(f * 2.0 - 1.0, kBitsMantisse)));
    if (mantisse >> kBitsMantisse) { // rounded up to the next power of two
        mantisse = 0;
        ++exposant;
    }
    int e = exposant - 1 + kBiais;
    if (e < 1) return octets; // too small: zero
    if (e > 255 || std::isinf(valeur)) {
        e = 255;
        mantisse = (std::uint64_t{1} << kBitsMantisse) - 1;
    }
    octets[0] = static_cast<char>(e);
    for (int i = 0; i < 5; ++i)
        octets[1 + i] = static_cast<char>((mantisse >> (8 * i)) & 0xFF);
    if (negatif) octets[5] = static_cast<char>(static_cast<std::uint8_t>(octets[5]) | 0x80);
    return octets;
}

double DeReel6(const QByteArray& octets) {
    if (octets.size() < 6) return 0.0;
    const auto octet = [&](int i) { return static_cast<std::uint8_t>(octets[i]); };
    if (octet(0) == 0) return 0.0;
    std::uint64_t mantisse = 0;
    for (int i = 0; i < 5; ++i)
        mantisse |= std::uint64_t{octet(1 + i)} << (8 * i);
    const bool negatif = mantisse & (std::uint64_t{1} << kBitsMantisse);
    mantisse &= (std::uint64_t{1} << kBitsMantisse) - 1;
    const double v = std::ldexp(1.0 + std::ldexp(static_cast<double>(mantisse), -kBitsMantisse),
                                octet(0) - kBiais);
    return negatif ? -v : v;
}

double ArrondiReel6(double valeur) {
    return DeReel6(VersReel6(valeur));
}

} // namespace pelavorine
