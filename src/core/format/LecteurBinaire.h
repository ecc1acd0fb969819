#pragma once

#include <QByteArray>
#include <cstdint>

namespace pelavorine {

// Reads little-endian fields from a byte array. Every read is bounds-checked: reading past
// the end yields zeros, leaves the position at the end and clears Ok() for good, so a
// truncated or lying input can only end in a clean failure.
class LecteurBinaire {
public:
    explicit LecteurBinaire(const QByteArray& octets) : octets_(octets) {}
    // The reader keeps a reference: a temporary array would be gone before the first read.
    explicit LecteurBinaire(QByteArray&&) = delete;

    std::uint8_t U8();
    std::uint16_t U16();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint32_t U32();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    double F64();
    // A short string of capacity n (n + 1 bytes); a length byte above n is cut to n.
    QByteArray Chaine(int capacite);
    QByteArray Octets(qsizetype n);
    // Record data cut or padded with zeros to a record's known size: fields a shorter (older)
    // record lacks read as zero, and nothing beyond the known size is read.
    static QByteArray Complete(const QByteArray& donnees, int taille) {
        return donnees.left(taille).leftJustified(taille, '\0');
    }
    void Sauter(qsizetype n) { (void)Disponible(n); }

    bool Ok() const { return ok_; }
    qsizetype Position() const { return position_; }
    qsizetype Reste() const { return octets_.size() - position_; }
    bool Fin() const { return position_ >= octets_.size(); }

private:
    // True and advances when n bytes remain; otherwise fails and goes to the end.
    bool Disponible(qsizetype n);
    std::uint8_t Octet(qsizetype i) const { return static_cast<std::uint8_t>(octets_[i]); }

    const QByteArray& octets_;
    qsizetype position_ = 0;
    bool ok_ = true;
};

} // namespace pelavorine
