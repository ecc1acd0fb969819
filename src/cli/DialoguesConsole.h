#pragma once

#include "core/files/DialoguesFichier.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pelavorine {
class Travail;
}

namespace pelavorine::cli {

// The file dialogs of the headless tool: nothing is ever asked. The open dialog is cancelled,
// the save dialog answers the name given to --save (its extension ".PLC" choosing the older
// form) and the text export takes the variables given to --show, or else every table of the
// work.
class DialoguesConsole : public DialoguesFichier {
public:
    DialoguesConsole(const Travail& travail, QString nomEnregistrement,
                     std::optional<QStringList> montrer);

    ChoixOuverture DemanderOuverture() override;
    ChoixEnregistrement DemanderEnregistrement(const QString& nomPropose,
                                               const QString& description) override;
    bool ReglerExportTexte(ReglagesExportTexte& reglages) override;

    // The last text export had no variable to write.
    bool ExportVide() const { return exportVide_; }

private:
    const Travail& travail_;
    QString nomEnregistrement_;
    std::optional<QStringList> montrer_;
    bool exportVide_ = false;
};

} // namespace pelavorine::cli
