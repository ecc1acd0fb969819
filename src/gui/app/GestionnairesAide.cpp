#include "gui/app/GestionnairesAide.h"

#include "core/configuration/Configuration.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "gui/app/Aide.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/BoiteRessources.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/TableCommandes.h"
#include "gui/app/ZoneFenetres.h"

namespace pelavorine {

namespace {

using C = Commande;

// "Services QUANDREL": the maker's page, the project's home page here.
constexpr const char* kPageServices = "\\Services.htm";
constexpr const char* kPageImages = "\\Outils\\OutilImagesVideo.htm";

} // namespace

void GestionnairesAide::Installer(TableCommandes& table) {
    table.Enregistrer(C::Sommaire, {.executer = [this] {
                          // F1 over the calculation window opens its own page.
                          const TableFenetres& t = contexte_.travail.TableDesFenetres();
                          const DonneesFenetre* f = t.Donnees(t.FenetreCourante());
                          const ZoneFenetres& fenetres = contexte_.fenetres;
                          const char* page =
                              fenetres.FeuilleActive() && fenetres.FeuilleMontree()
                                  ? Aide::FeuilleDeCalcul
                                  : (f && f->FenetreImage() ? kPageImages : Aide::Accueil);
                          Aide::Ouvrir(QString::fromLatin1(page));
                      }});
    // The project has no web address of its own: the page ships with the help.
    table.Enregistrer(C::ServicesQuandrel,
                      {.executer = [] { Aide::Ouvrir(QString::fromLatin1(kPageServices)); }});
    table.Enregistrer(C::Ressources, {.executer = [this] {
                          BoiteRessources boite(&contexte_.bureau,
                                                contexte_.configuration.IconeProgramme(),
                                                BoiteRessources::MemoireDuSysteme());
                          boite.exec();
                      }});
    table.Enregistrer(C::APropos, {.executer = [this] {
                          BoiteAPropos::Montrer(&contexte_.bureau,
                                                contexte_.configuration.IconeProgramme());
                      }});
}

} // namespace pelavorine
