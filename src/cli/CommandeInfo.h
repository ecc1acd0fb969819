#pragma once

#include "cli/SousCommande.h"

namespace pelavorine::cli {

// "pelavorine-cli info": lists what a work file holds (header, description, records in file
// order) and the variables it gives when read, for a person or as one JSON document. A
// damaged file is listed up to the damage and reported as an error.
class CommandeInfo : public SousCommande {
public:
    QString Nom() const override { return QStringLiteral("info"); }
    Fichier PlaceFichier() const override { return Fichier::Obligatoire; }
    QList<DefinitionOption> Options() const override;
    int Executer(const OptionsAnalysees& options, QTextStream& sortie) override;
};

} // namespace pelavorine::cli
