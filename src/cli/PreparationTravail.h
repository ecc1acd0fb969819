#pragma once

#include "cli/DefinitionOption.h"
#include "cli/OptionsAnalysees.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace pelavorine::cli {

struct ContexteRun;

// The first step of a run: reads the file given or keeps the fresh work, applies the options
// in the order written, runs the acquisition when asked, then the sheet (the one read, then
// the lines added) with all its repetitions, as the desk's "Lancer les calculs" does.
class PreparationTravail {
    Q_DECLARE_TR_FUNCTIONS(PreparationTravail)

public:
    // The options this step reads, in the order the usage text shows them.
    static QList<DefinitionOption> Options();

    explicit PreparationTravail(ContexteRun& contexte);
    // Leaves the first error, if any, in the context.
    void Preparer(const OptionsAnalysees& options);

private:
    // False with a message when the option cannot be applied (a sheet file missing…).
    bool Appliquer(const OptionsAnalysees::Donnee& option, QString& erreur);
    bool ChoisirEntrees(const QString& valeur, QString& erreur);
    bool LireFeuille(const QString& nom, QString& erreur);
    void Acquerir();
    void LancerFeuille();

    ContexteRun& contexte_;
    QStringList lignes_;
};

} // namespace pelavorine::cli
