#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pelavorine {
class Travail;
}

namespace pelavorine::cli {

struct ResultatLigne {
    int ligne; // from 1, as the editor shows them
    QString texte;
};

struct ErreurRun {
    int ligne = 0;
    int colonne = 0;
    int code = 0;
    QString message;
};

// What "run" prints: exactly one JSON document, or a text for a person.
QString DocumentJson(const Travail& travail, const QList<ResultatLigne>& resultats,
                     const std::optional<ErreurRun>& erreur, const QStringList& noms);
QString TexteLisible(const Travail& travail, const QList<ResultatLigne>& resultats,
                     const std::optional<ErreurRun>& erreur, const QStringList& noms);

// The shortest text that reads back to the same double.
QString Reel(double x);

} // namespace pelavorine::cli
