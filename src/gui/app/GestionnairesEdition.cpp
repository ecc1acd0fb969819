#include "gui/app/GestionnairesEdition.h"

#include "gui/app/TableCommandes.h"

#include <QApplication>

namespace pelavorine {

void GestionnairesEdition::Installer(TableCommandes& table) {
    // The hidden "C&oller" only beeps.
    table.Enregistrer(Commande::Coller, {.executer = [] { QApplication::beep(); }});
}

} // namespace pelavorine
