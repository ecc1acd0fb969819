#pragma once

#include "core/format/BlocEnregistrement.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pelavorine {

class Travail;

// The binary work file: a header, an optional description and a stream of tagged records.
// The variables (VAR, DTY, DTX) are read and written here; every other record is kept as
// read (EnregistrementsConserves) and written back unchanged.
class FichierTravail {
public:
    // Parts a read restores.
    enum Partie : int {
        ValeursNumeriques = 1,
        Environnement = 2,
        LignesCalcul = 4,
        FeuilleNotes = 8,
        Toutes = 15,
    };
    static constexpr std::uint16_t Magique = 0xA55B;
    static constexpr std::uint16_t MagiqueCompatible = 0xA55A;
    static constexpr int LongueurEnTete = 29;
    static constexpr const char* Version = "5.11";

    // Error codes of the file error box (positive: reading, negative: writing).
    static constexpr int ErreurLecture = 1;
    static constexpr int ErreurFichierAbsent = 3;
    static constexpr int ErreurFormat = 4;
    static constexpr int ErreurEcriture = -1;
    static constexpr int ErreurCreation = -2;
    static constexpr int ErreurDisquePlein = -10;

    // Writes the work to nom, replacing the file only once the new one is complete; 0 on
    // success, else the error code (already shown through the host). compatible: the older
    // form (.PLC) that earlier versions of the program read.
    static int EcrireTravail(Travail& travail, const QString& nom,
                             const EnregistrementsConserves& conserves,
                             const QString& description = QString(), bool compatible = false);
    // The bytes of the work file.
    static QByteArray Composer(const Travail& travail, const EnregistrementsConserves& conserves,
                               const QString& description, bool compatible = false);

    // Reads nom into the work, restoring the chosen parts; conserves receives the records
    // kept as read. The whole file is checked before the work is touched: a damaged file
    // shows the error box and leaves work and conserves unchanged. 0 on success.
    static int LireTravail(Travail& travail, const QString& nom, int parties,
                           EnregistrementsConserves& conserves, QString* description = nullptr);
    // The same from the bytes of a file already in memory.
    static int LireOctets(Travail& travail, const QByteArray& octets, int parties,
                          EnregistrementsConserves& conserves, QString* description = nullptr);
    // Only the magic, the header and the description (the open dialog's preview); silent.
    static bool LireEnTete(const QString& nom, QString& description);

    // The text of the file error box for a code ("" for 0).
    static QString MessageErreur(int code);
};

} // namespace pelavorine
