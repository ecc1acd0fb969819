#include "gui/app/InstallationCommandes.h"

#include "gui/app/GestionnairesAide.h"
#include "gui/app/GestionnairesEdition.h"
#include "gui/app/GestionnairesFenetres.h"
#include "gui/app/GestionnairesFichier.h"
#include "gui/app/GestionnairesTraitements.h"
#include "gui/app/TableCommandes.h"

#include <memory>

namespace pelavorine {

void InstallerCommandes(TableCommandes& table, const ContexteCommandes& contexte) {
    table.Installer(std::make_unique<GestionnairesFichier>(contexte));
    table.Installer(std::make_unique<GestionnairesEdition>(contexte));
    table.Installer(std::make_unique<GestionnairesTraitements>(contexte));
    table.Installer(std::make_unique<GestionnairesFenetres>(contexte));
    table.Installer(std::make_unique<GestionnairesAide>(contexte));
}

} // namespace pelavorine
