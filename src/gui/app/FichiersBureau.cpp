#include "gui/app/FichiersBureau.h"

#include "core/files/CommandesFichier.h"
#include "core/files/DialoguesFichier.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"
#include "gui/app/CadreBureau.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/MosaiquesBureau.h"
#include "gui/app/Rideau.h"
#include "gui/app/ZoneFenetres.h"
#include "gui/calc/FenetreFeuille.h"

namespace pelavorine {

void FichiersBureau::Executer(Commande commande, const QString& nom) {
    if (!dialogues_) return;
    if (commande != Commande::Ouvrir) {
        // The file keeps the desk and its windows as they are now.
        cadre_.Noter();
        fenetres_.NoterGeometries();
        fenetres_.NoterEtatFeuille(mosaiques_.FeuilleIncluse());
        const QSize client = fenetres_.ZoneClient();
        if (!client.isEmpty()) {
            travail_.bureau.largeurClient = client.width();
            travail_.bureau.hauteurClient = client.height();
        }
    }
    ResultatCommande resultat;
    if (commande == Commande::Ouvrir)
        resultat = OuvrirTravail(travail_, *dialogues_, nom);
    else if (commande == Commande::Enregistrer)
        resultat = EnregistrerTravail(travail_, *dialogues_, travail_.fichierCourant, true);
    else
        resultat = EnregistrerTravail(travail_, *dialogues_, QString(), false);
    if (resultat.fait && !travail_.fichierCourant.isEmpty())
        bureau_.AjouterHistorique(travail_.fichierCourant);
    if (commande == Commande::Ouvrir && fenetres_.Feuille()) fenetres_.Feuille()->Recharger();
    if (commande == Commande::Ouvrir && resultat.fait) {
        cadre_.Appliquer();
        fenetres_.AppliquerEtatFeuille(mosaiques_.FeuilleIncluse());
    }
    bureau_.Actualiser();
    // The windows of the file take the bounds and states it gave them.
    if (commande == Commande::Ouvrir && resultat.fait) {
        fenetres_.AppliquerGeometries();
        fenetres_.Synchroniser();
    }
}

void FichiersBureau::NouveauTravail(bool confirmer) {
    if (confirmer && travail_.TableDesFenetres().NbOuvertes() > 0 &&
        !travail_.hote().Question(tr("Réinitialisation complète")))
        return;
    travail_.fichierCourant.clear();
    travail_.demarrage = true;
    travail_.ReinitialiserTravail(0, Travail::Redessiner | Travail::ToutReconstruire |
                                         Travail::RechargerFeuille | Travail::EffacerNotes);
    // The new windows are built out of sight, over the whole screen.
    auto* rideau = bureau_.findChild<Rideau*>(QString(), Qt::FindDirectChildrenOnly);
    if (rideau)
        rideau->Couvrir();
    else
        rideau = new Rideau(&bureau_);
    cadre_.Maximiser();
    fenetres_.Synchroniser();
    fenetres_.AttendreFeuille();
    travail_.demarrage = false;
    rideau->hide();
    travail_.modifie = false;
    if (FenetreFeuille* feuille = fenetres_.Feuille()) feuille->Recharger();
    bureau_.Actualiser();
}

} // namespace pelavorine
