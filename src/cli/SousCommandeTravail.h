#pragma once

#include "cli/AjoutsDocument.h"
#include "cli/SousCommande.h"

namespace pelavorine::cli {

struct ContexteRun;

// A subcommand over the work as run prepares it: it takes run's file and options, then its
// own action runs on the prepared work, then the run ends as run's does (the save after the
// action, run's document with the subcommand's fields).
class SousCommandeTravail : public SousCommande {
public:
    // run's options: those of the preparation, then those of the end.
    static QList<DefinitionOption> OptionsRun();

    Fichier PlaceFichier() const final { return Fichier::Facultatif; }
    QList<DefinitionOption> OptionsDeRun() const override { return OptionsRun(); }
    int Executer(const OptionsAnalysees& options, QTextStream& sortie) final;

protected:
    // Runs only on a work prepared without an error; an error it leaves in the context is the
    // document's, and nothing is saved.
    virtual void Agir(ContexteRun& contexte, const OptionsAnalysees& options,
                      AjoutsDocument& ajouts) = 0;
};

} // namespace pelavorine::cli
