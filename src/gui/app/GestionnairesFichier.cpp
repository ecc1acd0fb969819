#include "gui/app/GestionnairesFichier.h"

#include "gui/app/FenetrePrincipale.h"
#include "gui/app/FichiersBureau.h"
#include "gui/app/TableCommandes.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace pelavorine {

using C = Commande;

GestionnairesFichier::GestionnairesFichier(const ContexteCommandes& contexte)
    : contexte_(contexte), imprimante_(std::make_unique<QPrinter>()) {}

GestionnairesFichier::~GestionnairesFichier() = default;

void GestionnairesFichier::Installer(TableCommandes& table) {
    table.Enregistrer(C::Nouveau,
                      {.executer = [this] { contexte_.fichiers.NouveauTravail(true); }});
    for (C c : {C::Ouvrir, C::Enregistrer, C::EnregistrerSous})
        table.Enregistrer(
            c, {.executer = [this, c] { contexte_.fichiers.Executer(c); },
                .construite = [this] { return contexte_.fichiers.Dialogues() != nullptr; }});
    table.Enregistrer(C::ConfigurerImprimante, {.executer = [this] {
                          QPageSetupDialog dialogue(imprimante_.get(), &contexte_.bureau);
                          dialogue.exec();
                      }});
    table.Enregistrer(C::Quitter, {.executer = [this] { contexte_.bureau.close(); }});
}

} // namespace pelavorine
