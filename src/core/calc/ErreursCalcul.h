#pragma once

#include <QString>

namespace pelavorine {

// Codes of the calculation language's first message table.
namespace erreur {
inline constexpr int Aucune = 0;
inline constexpr int Syntaxe = 1;
inline constexpr int SymboleNonDefini = 3;
inline constexpr int ParentheseFermante = 4;
inline constexpr int HorsMoinsUnPlusUn = 5;
inline constexpr int Directive = 6;
inline constexpr int ArgumentNegatif = 7;
inline constexpr int OperateurManquant = 8;
inline constexpr int NomIncorrect = 9;
inline constexpr int ParentheseOuvrante = 10;
inline constexpr int EntierPositif = 11;
inline constexpr int NbPointsIncorrect = 12;
inline constexpr int DirectivePerimee = 13;
inline constexpr int TropArguments = 14;
inline constexpr int PasAssezArguments = 15;
inline constexpr int TypeArgument = 16;
inline constexpr int AuMoinsUn = 17;
inline constexpr int Affecter = 18;
inline constexpr int Crochet = 19;
inline constexpr int HorsLimites = 20;
inline constexpr int TableSaturee = 22;
inline constexpr int UnSeulTableau = 23;
inline constexpr int Memoire = 24;
inline constexpr int ArgumentScalaire = 25;
inline constexpr int AuMoinsUnTableau = 27;
inline constexpr int ExpressionInterdite = 28;
inline constexpr int Entier = 29;
inline constexpr int ArgumentNonPositif = 35;
inline constexpr int LimitesImpossibles = 36;
inline constexpr int PasBooleen = 40;
inline constexpr int TropCompliquee = 41;
inline constexpr int ArgumentsScalaires = 42;
inline constexpr int PiReserve = 48;
inline constexpr int TempsReserve = 49;
inline constexpr int ReseauSature = 51;
inline constexpr int Octet = 52;
inline constexpr int PortIncompatible = 53;
inline constexpr int PortSortie = 54;
inline constexpr int PortEntree = 55;
inline constexpr int TropConstantes = 56;
// Returned by the evaluation of a line interrupted with Escape.
inline constexpr int Interruption = -9;
} // namespace erreur

// Text of a code of the first message table; nbPoint completes the text of code 20.
QString TexteErreurCalcul(int code, int nbPoint);
// Text of a status of the numeric library and of the optimiser.
QString TexteErreurNumerique(int statut);

} // namespace pelavorine
