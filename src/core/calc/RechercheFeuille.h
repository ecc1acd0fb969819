#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace pelavorine {

// A place of the sheet text where the searched string was found.
struct OccurrenceFeuille {
    int ligne = -1; // -1: not found
    int colonne = 0;
    int longueur = 0;
    bool Trouvee() const { return ligne >= 0; }
};

// The search and replace of the calculation window: the string looked for, what replaces
// it, and the walk through the sheet's lines that "C&ontinuer" resumes.
class RechercheFeuille {
    Q_DECLARE_TR_FUNCTIONS(RechercheFeuille)

public:
    QString motif;
    QString remplacement;
    bool remplacer = false; // the last command was "&Remplacer"
    bool casse = false;     // names of the language ignore case, so does the search

    // The first occurrence at or after (ligne, colonne), going down the sheet without
    // wrapping. A string across lines is never found.
    OccurrenceFeuille Suivante(const QStringList& lignes, int ligne, int colonne) const;

    static QString TexteNonTrouve();
    static QString TexteConfirmation();
};

} // namespace pelavorine
