#pragma once

#include "core/files/EnteteColonnes.h"
#include "core/files/LectureTableTexte.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace pelavorine {

class Travail;

struct OptionsImportTexte {
    bool reinitialiser = false; // resets the whole work first
    bool afficher = false;      // shows the new variables in a curve window
    std::uint32_t mode = 0;     // mode_import bits
    // Window of the first import, reused with mode_import::MemeFenetre (the caller keeps it).
    int fenetrePrecedente = 0;
};

struct ResultatImportTexte {
    // 0, or the file error code: 3 the file cannot be opened, 1 another read error.
    int code = 0;
    bool abandonne = false; // the user refused to go on after an unreadable first line
    int nbLignes = 0;       // data lines read
    int ligneArret = 0;     // data line (from 1) at which reading stopped on a bad field
    bool tronque = false;   // more lines than a table can hold (65535): the rest was not read
    int fenetre = 0;        // window that shows the variables, 0 when none
    ConfigurationTexte configuration;
    EnteteColonnes colonnes;
};

// Reads a text table into the work. Nothing is changed until the whole table has been read:
// a first data line that is not numbers asks whether to go on.
ResultatImportTexte ImporterTexte(Travail& travail, const QString& nom,
                                  const OptionsImportTexte& options);
// The same from a text block in memory (lines ended by line feed or carriage return).
ResultatImportTexte ImporterTexteMemoire(Travail& travail, const QByteArray& bloc,
                                         const OptionsImportTexte& options);

// Message texts (kept here so that the tests compare the exact wording).
QString MessageErreurLectureDonnees();
QString MessageLectureArretee(int ligne);

} // namespace pelavorine
