#pragma once

#include "cli/OptionsAnalysees.h"
#include "cli/SousCommande.h"

#include <QCoreApplication>
#include <QStringList>

namespace pelavorine::cli {

// The parser every subcommand shares. An option is one of the subcommand's table, then of
// run's when it takes them; any other is a usage error. A word without "--" is the file only
// right after the subcommand's name, and a usage error anywhere else.
class AnalyseurOptions {
    Q_DECLARE_TR_FUNCTIONS(AnalyseurOptions)

public:
    explicit AnalyseurOptions(const SousCommande& commande);

    // False with the message of the usage error.
    bool Analyser(const QStringList& arguments, OptionsAnalysees& resultat, QString& erreur) const;

private:
    const DefinitionOption* Definition(const QString& nom) const;

    QString nom_;
    SousCommande::Fichier fichier_;
    QList<DefinitionOption> definitions_;
};

} // namespace pelavorine::cli
