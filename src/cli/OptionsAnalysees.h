#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace pelavorine::cli {

// What the parser took from a subcommand's arguments: the file, and the options in the order
// written (the run applies them in that order).
struct OptionsAnalysees {
    struct Donnee {
        QString nom;
        QString valeur; // empty for a flag
    };

    std::optional<QString> fichier;
    QList<Donnee> donnees;

    bool Presente(const QString& nom) const;
    // The value of the last one of that name: for the options where the last one holds.
    std::optional<QString> Derniere(const QString& nom) const;
};

} // namespace pelavorine::cli
