#pragma once

#include <QByteArray>
#include <cstdint>

namespace pelavorine {

// Builds little-endian byte layouts explicitly, whatever the machine's byte order.
class EcrivainBinaire {
public:
    void U8(std::uint8_t v) { octets_.append(static_cast<char>(v)); }
    void U16(std::uint16_t v);
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void U32(std::uint32_t v);
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F64(double v);
    // A short string of capacity n: a length byte, the characters, zeros up to n + 1 bytes.
    void Chaine(const QByteArray& caracteres, int capacite);
    void Octets(QByteArrayView octets) { octets_.append(octets); }
    void Reserver(qsizetype n) { octets_.reserve(n); }
    void Zeros(int n) { octets_.append(QByteArray(n, '\0')); }

    int Taille() const { return static_cast<int>(octets_.size()); }
    const QByteArray& Donnees() const { return octets_; }

private:
    QByteArray octets_;
};

} // namespace pelavorine
