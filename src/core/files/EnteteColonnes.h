#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pelavorine {

class Travail;

// Bits of the import mode word.
namespace mode_import {
inline constexpr std::uint32_t Ajouter = 0x1;       // adds to the existing variables
inline constexpr std::uint32_t Reinitialiser = 0x2; // resets the work first
inline constexpr std::uint32_t MemeFenetre = 0x4;   // reuses the window of the last import
inline constexpr std::uint32_t NomsUniques = 0x8;   // with Ajouter, names are made unique
} // namespace mode_import

// The variables made from the header of a text table.
struct EnteteColonnes {
    static constexpr int NbColonnesMax = 16;
    int premier = 0; // lowest and highest slot used, 0 when none
    int dernier = 0;
    // One entry per column: the slot of its variable, negated for an abscissa column (whose
    // values fill the own abscissa of that variable).
    std::vector<int> colonnes;
};

// Number of columns of a names line (at most 16).
int NombreColonnes(const QString& noms);

// Column name cleaned as a variable name: "Y" + k when nothing usable remains.
QString NomColonne(const QString& champ, int k);

// Creates (or redefines) the variables of a names line with NBPOINT points, with the units
// and the steps of the lines below it. With afficher, the first four value columns whose name
// does not hold "_EXT" are shown in the current window.
EnteteColonnes LireEnteteColonnes(Travail& travail, const QString& noms, const QString& unites,
                                  const QString& pas, bool afficher, std::uint32_t mode = 0);

} // namespace pelavorine
