#pragma once

#include <cstdint>

namespace pelavorine {

// Genre bits of a variable: how it was made and how it behaves.
namespace genre {
inline constexpr std::uint16_t Calculee = 0x0001;
inline constexpr std::uint16_t Acquise = 0x0002;
inline constexpr std::uint16_t Entree = 0x0004;
inline constexpr std::uint16_t Sortie = 0x0008;
inline constexpr std::uint16_t Reseau = 0x0010;
inline constexpr std::uint16_t Repetee = 0x0020;
inline constexpr std::uint16_t AbscisseLineaire = 0x0040;
inline constexpr std::uint16_t AbscisseVariable = 0x0080;
inline constexpr std::uint16_t Temps = 0x0100;
inline constexpr std::uint16_t Spectre = 0x0200;
inline constexpr std::uint16_t Solution = 0x0400;
inline constexpr std::uint16_t ScalaireSaisi = 0x0800;
inline constexpr std::uint16_t Barres = 0x2000;
inline constexpr std::uint16_t Temporaire = 0x4000;
inline constexpr std::uint16_t CopieProvisoire = 0x8000;
} // namespace genre

// Origin codes: which tool produced a variable.
namespace origine {
inline constexpr std::int16_t Aucune = 0;
inline constexpr std::int16_t EquationDifferentielle = 10; // + solution number
inline constexpr std::int16_t Modele = 20;
inline constexpr std::int16_t Fourier = 30; // + kind of result
inline constexpr std::int16_t Pointeur = 40;
inline constexpr std::int16_t Synthese = 50;
inline constexpr std::int16_t GardeDecalage = 70;
inline constexpr std::int16_t FrequenceDefaut = 80;
} // namespace origine

// Bits of the options word.
namespace option {
inline constexpr std::uint16_t StyleDiscret = 0x0004;
inline constexpr std::uint16_t Reserve0008 = 0x0008;
inline constexpr std::uint16_t Casse = 0x0010;
inline constexpr std::uint16_t Ingenieur = 0x0020;
inline constexpr std::uint16_t Historique = 0x0040;
inline constexpr std::uint16_t PointsEspaces = 0x0080;
inline constexpr std::uint16_t LettresGrecques = 0x0100;
inline constexpr std::uint16_t SansZeros = 0x0200;
inline constexpr std::uint16_t MenusOutils = 0x0400;
inline constexpr std::uint16_t SeuilValidite = 0x0800;
inline constexpr std::uint16_t SansCalculApresLecture = 0x1000;
inline constexpr std::uint16_t NotesApresLecture = 0x2000;
inline constexpr std::uint16_t IdentificationCapteurs = 0x4000;
inline constexpr std::uint16_t ArrondiFacteurs = 0x8000;
// Chosen with each work file, never kept in the configuration.
inline constexpr std::uint16_t NonMemorisees = SansCalculApresLecture | NotesApresLecture;
inline constexpr std::uint16_t ParDefaut = 0xCD28;
} // namespace option

} // namespace pelavorine
