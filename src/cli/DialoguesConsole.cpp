#include "cli/DialoguesConsole.h"

#include "core/travail/ReglagesExportTexte.h"
#include "core/travail/Travail.h"

#include <QFileInfo>
#include <algorithm>

namespace pelavorine::cli {

DialoguesConsole::DialoguesConsole(const Travail& travail, QString nomEnregistrement,
                                   std::optional<QStringList> montrer)
    : travail_(travail), nomEnregistrement_(std::move(nomEnregistrement)),
      montrer_(std::move(montrer)) {}

ChoixOuverture DialoguesConsole::DemanderOuverture() {
    return {};
}

ChoixEnregistrement DialoguesConsole::DemanderEnregistrement(const QString&,
                                                             const QString& description) {
    ChoixEnregistrement choix;
    choix.nom = nomEnregistrement_;
    choix.description = description;
    const QString extension = QFileInfo(nomEnregistrement_).suffix();
    choix.compatible = extension.compare(QLatin1String("PLC"), Qt::CaseInsensitive) == 0;
    return choix;
}

bool DialoguesConsole::ReglerExportTexte(ReglagesExportTexte& reglages) {
    reglages = ReglagesExportTexte{};
    const TableVariables& table = travail_.Variables();
    std::size_t n = 0;
    const auto ajouter = [&](int slot) {
        const auto choisies = reglages.variables.begin() + static_cast<std::ptrdiff_t>(n);
        if (slot > 0 && n < reglages.variables.size() &&
            std::find(reglages.variables.begin(), choisies, slot) == choisies)
            reglages.variables[n++] = slot;
    };
    if (montrer_) {
        for (const QString& nom : *montrer_)
            ajouter(table.IndexVariable(nom));
    } else {
        for (int slot = table.PremiereCaseUtilisateur(); slot >= 1 && slot <= table.DerniereCase();
             ++slot)
            if (const TypeId* v = table.Variable(slot); v && v->NbPoints > 1) ajouter(slot);
    }
    exportVide_ = n == 0;
    return true;
}

} // namespace pelavorine::cli
