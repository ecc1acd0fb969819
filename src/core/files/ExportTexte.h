#pragma once

#include "core/travail/ReglagesExportTexte.h"

#include <QByteArray>
#include <QString>

namespace pelavorine {

class Travail;

struct ResultatExportTexte {
    // 0, or the file error code: -2 the file could not be created, -1 a write failed.
    int code = 0;
    bool ecrit = false; // false when no variable was chosen (nothing written)
    int remplaces = 0;  // characters without a Windows-1252 byte, written as a plain letter
};

// The bytes of the text table (Windows-1252, lines ended by CR LF); empty when no variable is
// chosen. Names and units use the Greek-font field table, the other texts plain Windows-1252.
QByteArray TexteExport(const Travail& travail, const ReglagesExportTexte& reglages,
                       const LimitesEchelles& limites, int* remplaces = nullptr);

// Writes the text table to the file nom; a file left half-written is deleted.
ResultatExportTexte EcrireFichierTexte(const Travail& travail, const ReglagesExportTexte& reglages,
                                       const LimitesEchelles& limites, const QString& nom);

} // namespace pelavorine
