#include "core/format/EcrivainBinaire.h"

#include <algorithm>
#include <bit>

namespace pelavorine {

void EcrivainBinaire::U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v & 0xFF));
    U8(static_cast<std::uint8_t>(v >> 8));
}

void EcrivainBinaire::U32(std::uint32_t v) {
    char octets[4];
    for (int i = 0; i < 4; ++i)
        octets[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    octets_.append(octets, 4);
}

void EcrivainBinaire::F64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    char octets[8];
    for (int i = 0; i < 8; ++i)
        octets[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    octets_.append(octets, 8);
}

void EcrivainBinaire::Chaine(const QByteArray& caracteres, int capacite) {
    const int n = std::min(static_cast<int>(caracteres.size()), capacite);
    U8(static_cast<std::uint8_t>(n));
    octets_.append(caracteres.left(n));
    Zeros(capacite - n);
}

} // namespace pelavorine
