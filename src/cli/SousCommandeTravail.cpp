#include "cli/SousCommandeTravail.h"

#include "cli/ContexteRun.h"
#include "cli/FinRun.h"
#include "cli/PreparationTravail.h"

namespace pelavorine::cli {

QList<DefinitionOption> SousCommandeTravail::OptionsRun() {
    return PreparationTravail::Options() + FinRun::Options();
}

int SousCommandeTravail::Executer(const OptionsAnalysees& options, QTextStream& sortie) {
    const FinRun fin(options);
    ContexteRun contexte(fin.NomEnregistrement(), fin.Montrees());
    PreparationTravail(contexte).Preparer(options);
    AjoutsDocument ajouts;
    if (!contexte.erreur) Agir(contexte, options, ajouts);
    return fin.Terminer(contexte, ajouts, sortie);
}

} // namespace pelavorine::cli
