#include "gui/app/Demarrage.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/LectureConfiguration.h"
#include "core/configuration/LigneDeCommande.h"
#include "core/store/Demandes.h"
#include "gui/app/Aide.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/DialoguesBureau.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/Rideau.h"
#include "gui/ui/CouleursWindows.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QMenu>
#include <QScreen>

namespace pelavorine {

Demarrage::Demarrage(const QStringList& arguments)
    : configuration_(Configuration::Emplacements::DuSysteme()), travail_(hote_) {
    travail_.demarrage = true;
    Aide::FixerDossier(configuration_.DossierAide());
    // Every window and dialog shows the program's picture rather than the toolkit's.
    QApplication::setWindowIcon(QIcon(configuration_.IconeProgramme()));
    bureau_ = std::make_unique<FenetrePrincipale>(travail_, configuration_);
    // Owned by the desk, which it serves.
    bureau_->FixerDialogues(new DialoguesBureau(bureau_.get(), travail_, configuration_));
    hote_.FixerParent(bureau_.get());
    bureau_->setFont(QFont(QStringLiteral("Arial"), 10));
    if (const QScreen* ecran = bureau_->screen()) bureau_->setGeometry(ecran->availableGeometry());
    rideau_ = new Rideau(bureau_.get());
    // Shown now: the first-run question is asked over the desk.
    bureau_->showMaximized();
    configuration_.SupprimerImageTemporaire();

    LectureConfiguration lecture(configuration_, travail_, stockage_);
    // The acquisition system comes first: the first-run question names the one found.
    lecture.DemarrerInterface();
    lecture.LireConfiguration();
    // With no stem stored, the first answering library found stays the chosen one.
    configuration_.systeme = travail_.Interface().SoucheConfiguree();
    configuration_.modulesExternes.Lire(configuration_.dossierProgramme, stockage_);
    lecture.LireHistorique();
    if (const QScreen* ecran = bureau_->screen()) VerifierEcran(ecran->size().width());

    LigneDeCommande ligne(arguments);
    maintenance_ = ligne.maintenance;
    bureau_->FixerMaintenance(maintenance_);
    fichier_ = ligne.Rechercher(configuration_, hote_);

    // A new work over the channels of the interface, with the configured options.
    travail_.FixerVoies(travail_.Interface().Description());
    travail_.ReinitialiserTravail(0, Travail::ToutReconstruire);
    lecture.AppliquerOptions();
    // The sheet window starts with the configured digits and notation.
    travail_.Feuille().ChangerNbChiffres(travail_.nombres.chiffres);
    travail_.Feuille().ChangerIngenieur(travail_.nombres.ingenieur);
    bureau_->Actualiser();
}

Demarrage::~Demarrage() {
    LectureConfiguration(configuration_, travail_, stockage_).EcrireHistorique();
}

void Demarrage::Terminer(const QString& fichier) {
    // Reading a work file builds the windows its variables name, which waits for the end
    // of the start-up: the flag goes first.
    travail_.demarrage = false;
    if (!fichier.isEmpty()) bureau_->OuvrirFichier(fichier);
    bureau_->ActualiserTitre();
    rideau_->hide();
    bureau_->show();
    if (maintenance_ || !fichier.isEmpty()) return;
    travail_.DemanderMiseAJour(demande::Redessiner);
    bureau_->TraiterDemandes();
    apropos_ = BoiteAPropos::Montrer(bureau_.get(), configuration_.IconeProgramme(),
                                     DepuisWindows(configuration_.fond));
}

QString Demarrage::AvertissementEcran() {
    return QCoreApplication::translate(
        "Demarrage",
        "PELAVORINE 2003 supporte une résolution d'écran minimale de 800x600 et a détecté une "
        "résolution inférieure. Des anomalies d'affichage peuvent se produire");
}

void Demarrage::VerifierEcran(int largeur) {
    using C = Commande;
    auto montrer = [this](C commande) {
        if (QAction* icone = bureau_->Icone(commande)) icone->setVisible(true);
    };
    if (largeur > 1000) {
        montrer(C::Quitter);
        montrer(C::Nouveau);
    }
    if (largeur > 700) {
        montrer(C::Modelisation);
        montrer(C::AnalyseFourier);
        montrer(C::MesuresAutomatiques);
    }
    if (largeur < 700) {
        if (QMenu* menu = bureau_->Menu(C::MenuTraitements))
            menu->setTitle(QCoreApplication::translate("Demarrage", "&Traiter"));
        hote_.Information(AvertissementEcran());
    }
}

} // namespace pelavorine
