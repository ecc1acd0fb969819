#pragma once

#include <QString>
#include <QStringList>

namespace pelavorine {

class Configuration;
class Hote;

// The program's arguments: "/TAMIS" (any case) turns on maintenance mode, a first argument
// "RELANCE" (any case) marks a restart after a crash, any other argument names the work file
// to open (the last one wins). Paths keep their case.
class LigneDeCommande {
public:
    // The arguments without the program name.
    explicit LigneDeCommande(const QStringList& arguments);

    bool maintenance = false;
    bool relance = false;
    // Full path of the work file named, ".PL2" appended when its name has no "."; empty
    // when none, or once Rechercher has not found it.
    QString fichier;
    bool sansExtension = false; // ".PL2" was appended

    // Looks for the file by its name in its own folder, the work folder and the examples
    // folder, then, when the name was given without extension, with ".PLC". Returns the path
    // found; otherwise tells the host " Fichier introuvable: " and forgets the file.
    QString Rechercher(const Configuration& configuration, Hote& hote);
};

} // namespace pelavorine
