#pragma once

#include "core/format/EnteteEnregistrement.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace pelavorine {

class LecteurBinaire;

// One record of a work file as its header states it.
struct EnregistrementInventaire {
    EnteteEnregistrement entete;
    qsizetype position = 0; // offset of the record header in the file
    qsizetype donnees = 0;  // offset of the record data
    qsizetype suite = 0;    // bytes written after the data (lines of COM and CAL, NOT's font)
};

// What a work file holds, listed without reading it into a work: the header, the description
// and the records in file order, as the reader walks them.
struct InventaireFichier {
    std::uint16_t magique = 0;
    int longueurEnTete = 0; // the byte after the magic
    QString programme;      // writer name
    QString version;        // writer version text
    QString marqueur;       // record marker pattern
    int longueurEnTeteEnregistrement = 0;
    int controle = 0;
    int tailleDescription = 0;
    QString description;
    std::vector<EnregistrementInventaire> enregistrements;
    bool finMarquee = false; // the walk stopped at an end-of-records header
    // 0, or the file error code of the reader (FichierTravail's codes); the records listed
    // are those before the damage, which begins at positionErreur.
    int code = 0;
    qsizetype positionErreur = -1;
};

InventaireFichier InventorierOctets(const QByteArray& fichier);
// The same from a file; code 3 when it cannot be read.
InventaireFichier InventorierFichier(const QString& nom);

} // namespace pelavorine
