#pragma once

#include "cli/SousCommande.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <vector>

class QTextStream;

namespace pelavorine::cli {

// pelavorine-cli as a whole: its subcommands, the dispatch of the command line to one of
// them through the shared parser, and the usage text drawn from their option tables.
class Outil {
    Q_DECLARE_TR_FUNCTIONS(Outil)

public:
    // run and info.
    Outil();

    void Ajouter(std::unique_ptr<SousCommande> commande);

    // The arguments after the program's name; the exit status (2 for a usage error, with
    // the usage text on erreurs).
    int Lancer(const QStringList& arguments, QTextStream& sortie, QTextStream& erreurs);

    QString Usage() const;

private:
    SousCommande* Trouver(const QString& nom) const;
    int ErreurUsage(const QString& erreur, QTextStream& erreurs) const;

    std::vector<std::unique_ptr<SousCommande>> commandes_;
};

} // namespace pelavorine::cli
