#pragma once

#include "core/format/BlocEnregistrement.h"

#include <QStringList>

namespace pelavorine {

class Travail;
struct ContexteFichier;

// The calculation sheet's record (CAL): no data, the lines follow it as short strings; the
// index byte is the sheet's language level and the 16-bit value the number of lines.
class EnregistrementFeuille {
public:
    static constexpr std::uint8_t Type = 10;
    // This program's language level: its version number times ten.
    static constexpr int NiveauProgramme = 51;
    // The older form's level: above it the older versions must not run the sheet.
    static constexpr int NiveauCompatible = 10;
    // Written first when the sheet uses functions the reading version does not know; a run
    // stops there.
    static const QString LigneInhibition;

    // The highest language level among the functions the lines call.
    static int Niveau(const QStringList& lignes);
    // Nothing when the sheet has no line.
    static bool Ecrire(const Travail& travail, bool compatible, BlocEnregistrement& bloc);
    static void Lire(Travail& travail, const BlocEnregistrement& bloc);
};

} // namespace pelavorine
