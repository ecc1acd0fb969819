#include "core/format/LecteurBinaire.h"

#include <algorithm>
#include <bit>

namespace pelavorine {

bool LecteurBinaire::Disponible(qsizetype n) {
    if (n < 0 || n > Reste()) {
        ok_ = false;
        position_ = octets_.size();
        return false;
    }
    position_ += n;
    return true;
}

std::uint8_t LecteurBinaire::U8() {
    return Disponible(1) ? Octet(position_ - 1) : 0;
}

std::uint16_t LecteurBinaire::U16() {
    if (!Disponible(2)) return 0;
    return static_cast<std::uint16_t>(Octet(position_ - 2) | (Octet(position_ - 1) << 8));
}

std::uint32_t LecteurBinaire::U32() {
    if (!Disponible(4)) return 0;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(Octet(position_ - 4 + i)) << (8 * i);
    return v;
}

double LecteurBinaire::F64() {
    if (!Disponible(8)) return 0.0;
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v |= static_cast<std::uint64_t>(Octet(position_ - 8 + i)) << (8 * i);
    return std::bit_cast<double>(v);
}

QByteArray LecteurBinaire::Chaine(int capacite) {
    const qsizetype debut = position_;
    if (!Disponible(capacite + 1)) return {};
    const int n = std::min(static_cast<int>(Octet(debut)), capacite);
    return octets_.mid(debut + 1, n);
}

QByteArray LecteurBinaire::Octets(qsizetype n) {
    const qsizetype debut = position_;
    if (!Disponible(n)) return {};
    return octets_.mid(debut, n);
}

} // namespace pelavorine
