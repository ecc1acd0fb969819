#pragma once

#include "cli/AjoutsDocument.h"
#include "cli/DefinitionOption.h"
#include "cli/OptionsAnalysees.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <optional>

class QTextStream;

namespace pelavorine::cli {

struct ContexteRun;

// The last step of a run: saves the work to --save when every step before succeeded, then
// writes the document, for a person or as one JSON document with --json, with what the
// subcommand adds.
class FinRun {
    Q_DECLARE_TR_FUNCTIONS(FinRun)

public:
    // The options this step reads, in the order the usage text shows them.
    static QList<DefinitionOption> Options();

    explicit FinRun(const OptionsAnalysees& options);

    // What the dialogs answer: the name to save to and the variables asked for.
    const QString& NomEnregistrement() const { return enregistrer_; }
    const std::optional<QStringList>& Montrees() const { return montrer_; }

    // The exit status: 1 when a step failed, the save included.
    int Terminer(ContexteRun& contexte, const AjoutsDocument& ajouts, QTextStream& sortie) const;

private:
    QString enregistrer_;
    std::optional<QStringList> montrer_;
    bool json_ = false;
};

} // namespace pelavorine::cli
