#pragma once

#include "cli/DefinitionOption.h"
#include "cli/OptionsAnalysees.h"

#include <QList>
#include <QString>

class QTextStream;

namespace pelavorine::cli {

// One subcommand of pelavorine-cli: its name, where its file goes, the option table it
// declares to the shared parser, and what it does with the options parsed.
class SousCommande {
public:
    enum class Fichier { Facultatif, Obligatoire };

    virtual ~SousCommande() = default;

    virtual QString Nom() const = 0;
    // The file is the word right after the subcommand's name.
    virtual Fichier PlaceFichier() const = 0;
    // The options it declares itself; the parser looks them up first.
    virtual QList<DefinitionOption> Options() const = 0;
    // run's options, when it takes them too (the usage text shows "[options de run]").
    virtual QList<DefinitionOption> OptionsDeRun() const { return {}; }

    // The exit status: 0 success, 1 an error reported in the document.
    virtual int Executer(const OptionsAnalysees& options, QTextStream& sortie) = 0;
};

} // namespace pelavorine::cli
