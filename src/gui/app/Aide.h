#pragma once

#include <QString>

namespace pelavorine {

// The help pages: a folder of HTML pages among the program's data, opened in the user's
// browser through the desktop's handler for files.
class Aide {
public:
    static constexpr const char* Accueil = "\\Accueil.htm";
    // The calculation window's page.
    static constexpr const char* FeuilleDeCalcul = "\\Calculs\\FeuilleDeCalcul.htm";

    // The help folder: the configuration's (the start-up sets it); an empty folder goes back
    // to the configuration of this machine.
    static void FixerDossier(const QString& dossier);
    static QString Dossier();
    // The file a page name leads to. Page names use "\" or "/" and are relative to the help
    // folder; a blank name, or a page that does not exist, gives the home page.
    static QString Chemin(const QString& page);
    // Opens the page; a failure of the desktop's handler is ignored.
    static void Ouvrir(const QString& page);
};

} // namespace pelavorine
