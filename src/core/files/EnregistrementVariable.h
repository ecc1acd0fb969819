#pragma once

#include "core/files/VariableFichier.h"

#include <QByteArray>
#include <span>
#include <vector>

namespace pelavorine {

class EcrivainBinaire;
class TypeId;
struct EnteteEnregistrement;

// The records of one variable: its descriptor (VAR) and its points (DTY) and own abscissa
// data (DTX), the arrays cut into chunks of at most 65534 bytes.
class EnregistrementVariable {
public:
    static constexpr int Taille = 76;
    static constexpr int TailleMorceau = 65534;
    // A capacity is 16-bit, so an array never exceeds 65536 reals.
    static constexpr qsizetype TailleMaxTableau = 65536 * 8;

    // Whether the work file keeps the variable of a slot at or above the first free-range slot.
    static bool Conservee(const TypeId& variable);
    // Whether its points are written after its descriptor.
    static bool PointsEcrits(const TypeId& variable);

    // VAR, then DTY and DTX when the points are written.
    static void Ecrire(EcrivainBinaire& sortie, const TypeId& variable, int slot);
    // VAR alone; compatible: the older form (no linked abscissa, no later fields).
    static void EcrireDescripteur(EcrivainBinaire& sortie, const TypeId& variable, int slot,
                                  bool compatible);
    // DTY, and DTX when the variable has own abscissa data (nothing under two points).
    static void EcrirePoints(EcrivainBinaire& sortie, const TypeId& variable, int slot);
    static VariableFichier LireDescripteur(int slot, const QByteArray& donnees);

    // Adds a chunk to an array being rebuilt; false when it would lie beyond any real array.
    static bool AjouterMorceau(QByteArray& tableau, int numero, QByteArrayView morceau);

    // Applies a descriptor to the variable placed for it (already created with the stored
    // name, capacity and genre); points: whether the points part is read.
    static void Appliquer(TypeId& variable, const VariableFichier& lu, bool points);
    // Copies a rebuilt DTY array into the points (the capacity is raised when too small).
    static void AppliquerPoints(TypeId& variable, const QByteArray& tableau);
    // Copies a rebuilt DTX array into the abscissa data, with the form of abscissa that the
    // descriptor's genre (genreFichier) gives it.
    static void AppliquerAbscisse(TypeId& variable, const QByteArray& tableau,
                                  std::uint16_t genreFichier);

    static QByteArray EnOctets(std::span<const double> reels);
    static std::vector<double> EnReels(const QByteArray& octets);

private:
    static void EcrireMorceaux(EcrivainBinaire& sortie, std::uint8_t type, int slot,
                               const QByteArray& tableau);
};

} // namespace pelavorine
