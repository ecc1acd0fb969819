#pragma once

#include <QByteArray>
#include <cstdint>

namespace pelavorine {

class EcrivainBinaire;
class LecteurBinaire;

// The 14-byte header in front of every record of a work file.
struct EnteteEnregistrement {
    static constexpr int Longueur = 14;
    static constexpr std::uint8_t Fin = 27; // end of records
    static constexpr std::uint8_t Controle = 255;

    QByteArray tag; // three letters
    std::uint8_t type = Fin;
    std::uint8_t masque = 0; // parts the record belongs to
    std::uint8_t index = 0;
    std::uint16_t valeur = 0;
    std::uint16_t taille = 0; // bytes of record data

    bool operator==(const EnteteEnregistrement& autre) const = default;

    void Ecrire(EcrivainBinaire& sortie) const;
    // Reads a header; false when the bytes are not one (no "[xxx]" marker, a type above 27,
    // a wrong control byte or a truncated header).
    static bool Lire(LecteurBinaire& entree, EnteteEnregistrement& entete);
};

// Skips the data some record types write after their record data: the lines of a comment
// (their count is byte 79 of the data) or of the sheet (the header's value), the 39 bytes of
// the notes' font (files of version 1.03 on: policeNotes). False when the file ends first.
bool SauterSuiteEnregistrement(LecteurBinaire& entree, const EnteteEnregistrement& entete,
                               QByteArrayView donnees, bool policeNotes = true);
// Whether a file of that version writes the notes' font after the notes.
inline bool AvecPoliceNotes(const QByteArray& version) {
    return version >= "1.03";
}

// Types, tags and masks of the records this program reads itself.
namespace enregistrement {
inline constexpr std::uint8_t Var = 7;
inline constexpr std::uint8_t Dty = 8;
inline constexpr std::uint8_t Dtx = 9;
inline constexpr std::uint8_t Com = 2;
inline constexpr std::uint8_t Cal = 10;
inline constexpr std::uint8_t Not = 17;
inline constexpr std::uint8_t MasqueVar = 7;
inline constexpr std::uint8_t MasqueDonnees = 1;
} // namespace enregistrement

} // namespace pelavorine
