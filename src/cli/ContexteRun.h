#pragma once

#include "cli/DialoguesConsole.h"
#include "cli/HoteConsole.h"
#include "cli/SortieRun.h"
#include "core/travail/Travail.h"

#include <QList>
#include <optional>

namespace pelavorine::cli {

// The work of one run and what each step leaves to the next: preparation, the subcommand's
// action, then the end of the run. The first error stops the steps that change the work.
struct ContexteRun {
    // The dialogs answer the name given to --save and the variables given to --show.
    ContexteRun(const QString& nomEnregistrement, const std::optional<QStringList>& montrees);

    HoteConsole hote;
    Travail travail;
    DialoguesConsole dialogues;
    QList<ResultatLigne> resultats; // the sheet's results pane
    std::optional<ErreurRun> erreur;
};

} // namespace pelavorine::cli
