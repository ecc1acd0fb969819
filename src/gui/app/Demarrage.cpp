#include "app/Demarrage.h"

#include "app/DialoguesBureau.h"
#include "app/FenetrePrincipale.h"
#include "calc/FeuilleCalcul.h"
#include "store/LectureConfiguration.h"
#include "store/LigneDeCommande.h"

namespace pelavorine {

Demarrage::Demarrage(const QStringList& arguments)
    : configuration_(Configuration::Emplacements::DuSysteme()), travail_(hote_) {
    travail_.demarrage = true;
    bureau_ = std::make_unique<FenetrePrincipale>(travail_, configuration_);
    // Owned by the desk, which it serves.
    bureau_->FixerDialogues(new DialoguesBureau(bureau_.get(), travail_, configuration_));
    hote_.FixerParent(bureau_.get());
    // The first-run question is asked over the desk.
    bureau_->show();
    configuration_.SupprimerImageTemporaire();

    LectureConfiguration lecture(configuration_, travail_, stockage_);
    lecture.LireConfiguration();
    configuration_.modulesExternes.Lire(configuration_.dossierProgramme, stockage_);
    lecture.LireHistorique();

    LigneDeCommande ligne(arguments);
    maintenance_ = ligne.maintenance;
    bureau_->FixerMaintenance(maintenance_);
    fichier_ = ligne.Rechercher(configuration_, hote_);

    // A new work over the channels of the interface, with the configured options.
    travail_.ReinitialiserTravail(0, Travail::ToutReconstruire);
    lecture.AppliquerOptions();
    // The sheet window starts with the configured digits and notation.
    travail_.Feuille().ChangerNbChiffres(travail_.nombres.chiffres);
    travail_.Feuille().ChangerIngenieur(travail_.nombres.ingenieur);
    travail_.demarrage = false;
    bureau_->Actualiser();
}

Demarrage::~Demarrage() {
    LectureConfiguration(configuration_, travail_, stockage_).EcrireHistorique();
}

} // namespace pelavorine
