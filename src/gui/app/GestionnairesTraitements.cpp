#include "gui/app/GestionnairesTraitements.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/store/Demandes.h"
#include "core/travail/Travail.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/TableCommandes.h"

namespace pelavorine {

using C = Commande;

void GestionnairesTraitements::Installer(TableCommandes& table) {
    table.Enregistrer(C::FeuilleCalcul,
                      {.executer = [this] { contexte_.bureau.OuvrirFeuilleCalcul(); }});
    table.Enregistrer(C::LancerCalculs, {.executer = [this] {
                          // A ".INHIB" line does not stop this run.
                          contexte_.travail.Feuille().etat.inhibitionIgnoree = true;
                          contexte_.travail.DemanderMiseAJour(demande::LancerFeuille);
                      }});
    table.Enregistrer(C::AcquerirSignaux,
                      {.executer = [this] { contexte_.bureau.Acquisitions().Lancer(); }});
    table.Enregistrer(C::Parametres, {.executer = [this] { contexte_.bureau.OuvrirParametres(); }});
}

} // namespace pelavorine
