#pragma once

#include "cli/SousCommandeTravail.h"

namespace pelavorine::cli {

// "pelavorine-cli run": reads the file given or builds a new work, applies the options in the
// order written, runs the calculation sheet as the desk's "Lancer les calculs" does, saves the
// work when asked, then shows the results and the variables, for a person or as one JSON
// document. Its steps are those every subcommand over a work shares; it adds nothing between.
class CommandeRun : public SousCommandeTravail {
public:
    QString Nom() const override { return QStringLiteral("run"); }
    // run's options are its own.
    QList<DefinitionOption> Options() const override { return OptionsRun(); }
    QList<DefinitionOption> OptionsDeRun() const override { return {}; }

protected:
    void Agir(ContexteRun&, const OptionsAnalysees&, AjoutsDocument&) override {}
};

} // namespace pelavorine::cli
