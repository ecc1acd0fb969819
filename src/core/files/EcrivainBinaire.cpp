#include "files/EcrivainBinaire.h"

#include <algorithm>
#include <bit>

namespace pelavorine {

void EcrivainBinaire::U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v & 0xFF));
    U8(static_cast<std::uint8_t>(v >> 8));
}

void EcrivainBinaire::U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        U8(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

void EcrivainBinaire::F64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i)
        U8(static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF));
}

void EcrivainBinaire::Chaine(const QByteArray& caracteres, int capacite) {
    const int n = std::min(static_cast<int>(caracteres.size()), capacite);
    U8(static_cast<std::uint8_t>(n));
    octets_.append(caracteres.left(n));
    Zeros(capacite - n);
}

} // namespace pelavorine
