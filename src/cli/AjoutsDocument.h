#pragma once

#include <QJsonObject>
#include <QString>

namespace pelavorine::cli {

// What a subcommand adds to run's document: fields at the top level of the JSON document
// (never "results", "error" or "variables"), and lines after run's text for a person.
struct AjoutsDocument {
    QJsonObject champs;
    QString texte;
};

} // namespace pelavorine::cli
