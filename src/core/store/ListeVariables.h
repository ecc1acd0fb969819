#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace pelavorine {

class TableVariables;

// Bits of the filter word that chooses the variables a list shows. Tools combine them.
namespace filtre {
// Genre mask: when non-zero, the variable's genre must share a bit with the whole word, so
// that bits 8, 9 and 10 below also count as the genres Temps, Spectre and Solution.
inline constexpr std::uint32_t MasqueGenre = 0x000FF;
inline constexpr std::uint32_t AccepterTemps = 0x00100;       // time variables are accepted
inline constexpr std::uint32_t RefuserSpectre = 0x10000;      // spectra are refused
inline constexpr std::uint32_t AccepterScalaires = 0x40000;   // any capacity above 0
inline constexpr std::uint32_t PlusieursPoints = 0x80000;     // NbPoints above 1
inline constexpr std::uint32_t AbscisseCroissante = 0x100000; // strictly increasing abscissa
inline constexpr std::uint32_t TempsSeulement = 0x200000;     // time variables only
inline constexpr std::uint32_t SaufScalaires = 0x400000;      // tables and empty variables
} // namespace filtre

// Window condition of a list: none, or shown in any window; 1..16 is that window.
namespace fenetreListe {
inline constexpr int SansCondition = -1;
inline constexpr int Quelconque = 0;
} // namespace fenetreListe

// One entry of a variable list: its slot and the text shown (a blank, then the name).
struct EntreeListe {
    int slot = 0;
    QString texte;
};

// Whether the variable in slot passes the filter for the window condition fenetre.
bool VariableAcceptee(const TableVariables& table, int slot, int fenetre, std::uint32_t filtre);

// The accepted variables, from the time slot to the last slot in slot order.
std::vector<EntreeListe> ListerVariables(const TableVariables& table, int fenetre,
                                         std::uint32_t filtre);
// The texts of those entries, ready to fill a list control.
QStringList TextesListe(const std::vector<EntreeListe>& entrees);

// Index of the entry naming nom: the trimmed name preceded by as many blanks as the first
// entry has; -1 when not found.
int SelectionnerNom(const QStringList& entrees, const QString& nom,
                    Qt::CaseSensitivity sensibilite = Qt::CaseSensitive);
// Whether an entry equals texte exactly.
bool ListeContient(const QStringList& entrees, const QString& texte);

} // namespace pelavorine
