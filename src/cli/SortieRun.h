#pragma once

#include <QJsonObject>
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

// What "run" prints: exactly one JSON document, or a text for a person. A subcommand's own
// fields follow run's at the top level of the document.
QString DocumentJson(const Travail& travail, const QList<ResultatLigne>& resultats,
                     const std::optional<ErreurRun>& erreur, const QStringList& noms,
                     const QJsonObject& champs = {});
QString TexteLisible(const Travail& travail, const QList<ResultatLigne>& resultats,
                     const std::optional<ErreurRun>& erreur, const QStringList& noms);

// The shortest text that reads back to the same double.
QString Reel(double x);

// The names of every variable from T on, in slot order.
QStringList NomsDepuisTemps(const Travail& travail);

// Pieces of the documents: a JSON string, the "error" value, the "variables" object, and the
// lines a person reads for an error and for the variables.
QString ChaineJson(const QString& texte);
// Any JSON value, its reals in the same shortest form as the variables' points.
QString ValeurJson(const QJsonValue& valeur);
QString ErreurJson(const std::optional<ErreurRun>& erreur);
QString VariablesJson(const Travail& travail, const QStringList& noms);
QString ErreurLisible(const ErreurRun& erreur);
QString VariablesLisibles(const Travail& travail, const QStringList& noms);

} // namespace pelavorine::cli
