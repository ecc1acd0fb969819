#include "gui/app/GestionnairesFenetres.h"

#include "core/acquisition/ModeleParametres.h"
#include "core/calc/MoteurCalcul.h"
#include "core/store/Demandes.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"
#include "core/windows/CommandesEchelles.h"
#include "core/windows/DonneesFenetre.h"
#include "gui/app/BarreDesIcones.h"
#include "gui/app/DialogueTitresFenetres.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/MenuBureau.h"
#include "gui/app/MosaiquesBureau.h"
#include "gui/app/RafraichissementBureau.h"
#include "gui/app/TableCommandes.h"
#include "gui/app/ZoneFenetres.h"
#include "gui/windows/DialogueChoixFenetre.h"
#include "gui/windows/OutilLoupe.h"
#include "gui/windows/TFenCourbe.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <memory>
#include <utility>

namespace pelavorine {

using C = Commande;

void GestionnairesFenetres::Installer(TableCommandes& table) {
    table.Enregistrer(C::EchellesAbscisse, {.executer = [this] {
                          contexte_.bureau.OuvrirParametres(
                              ModeleParametres::PageFenetres,
                              contexte_.travail.TableDesFenetres().FenetreCourante());
                      }});
    table.Enregistrer(C::NouvelleFenetre, {.executer = [this] { NouvelleFenetre(); }});
    table.Enregistrer(C::SupprimerFenetre, {.executer = [this] { SupprimerFenetre(); }});
    table.Enregistrer(C::RafraichirFenetre, {.executer = [this] {
                          // A pass blocked in a nested event loop no longer stops the others.
                          contexte_.rafraichissement.Traitement().Debloquer();
                          contexte_.travail.DemanderMiseAJour(demande::Redessiner);
                      }});
    table.Enregistrer(C::TitreFenetre, {.executer = [this] { DemanderTitres(); }});
    table.Enregistrer(C::MasquerIconesInfo, {.executer = [this] { MasquerIconesEtInfo(); }});
    table.Enregistrer(C::BasculerPleinEcran, {.executer = [this] { BasculerPleinEcran(); }});
    table.Enregistrer(C::NotationIngenieur, {.executer = [this] {
                          contexte_.travail.nombres.ingenieur =
                              contexte_.icones.Icone(C::NotationIngenieur)->isChecked();
                          contexte_.travail.DemanderMiseAJour(demande::RedessinerEtMesurer);
                      }});
    InstallerDisposition(table);
    InstallerEchelles(table);
}

void GestionnairesFenetres::InstallerDisposition(TableCommandes& table) {
    SurFenetre(table, C::Annuler, [this] {
        contexte_.fenetres.RestaurerDisposition();
        return demande::RedessinerAvecAxes;
    });
    SurFenetre(table, C::PleinEcran, [this] {
        // Every window leaves its full-screen display.
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            if (QMdiSubWindow* s = contexte_.fenetres.SousFenetre(n); s && s->isMaximized())
                s->showNormal();
        return demande::Redessiner;
    });
    SurFenetre(table, C::MosaiqueGenerale, [this] {
        contexte_.mosaiques.Generale();
        return demande::Redessiner;
    });
    SurFenetre(table, C::MosaiquesPredefinies, [this] {
        contexte_.mosaiques.Predefinies(&contexte_.bureau);
        return demande::Redessiner;
    });
    SurFenetre(table, C::EffacerFenetre, [this] {
        if (TFenCourbe* fenetre = Courbe()) fenetre->Effacer();
        return demande::Cadre;
    });
    SurFenetre(table, C::ViderFenetre, [this] {
        Travail& travail = contexte_.travail;
        if (Courante() &&
            travail.hote().Question(tr("Supprimer l'affichage actuel de la fenêtre"))) {
            contexte_.fenetres.ViderFenetre(travail.TableDesFenetres().FenetreCourante());
            travail.modifie = true;
        }
        return demande::Redessiner;
    });
}

void GestionnairesFenetres::InstallerEchelles(TableCommandes& table) {
    // "&Loupe" chosen again while the zoom is active only ends it.
    table.Enregistrer(
        C::Loupe,
        {.executer =
             [this] {
                 TFenCourbe* fenetre = Courbe();
                 if (fenetre && fenetre->Outil() &&
                     fenetre->Outil()->Commande() == static_cast<int>(C::Loupe)) {
                     contexte_.fenetres.TerminerOutils();
                     return;
                 }
                 contexte_.fenetres.PreparerCommande();
                 const DonneesFenetre* f = Courante();
                 if (fenetre && f && !f->pileLoupe.Pleine())
                     fenetre->FixerOutil(std::make_unique<OutilLoupe>(static_cast<int>(C::Loupe)));
             },
         .permise = [this] { return Courante() && !Courante()->pileLoupe.Pleine(); }});
    SurFenetre(
        table, C::AnnulerLoupe,
        [this] { return Courante() ? echelles::AnnulerLoupe(*Courante(), Variables()) : 0; },
        [this] { return Courante() && !Courante()->pileLoupe.Vide(); });

    using Calibrage = int (*)(DonneesFenetre&, const TableVariables&, int&, int, bool, double);
    const std::pair<C, Calibrage> calibrages[] = {
        {C::CalibrageGlobal, echelles::CalibrageGlobal},
        {C::CalibrageCourbeActive, echelles::CalibrageCourbeActive},
        {C::CalibrageOrdonnee, echelles::CalibrageOrdonnee},
        {C::CalibrageAbscisse, echelles::CalibrageAbscisse},
    };
    // The calibrations do not apply to an image window.
    const auto courbes = [this] { return Courante() && !Courante()->FenetreImage(); };
    for (const auto& [commande, calibrage] : calibrages)
        SurFenetre(
            table, commande,
            [this, calibrage] {
                DonneesFenetre* f = Courante();
                if (!f) return 0;
                const QScreen* ecran = contexte_.bureau.screen();
                Travail& travail = contexte_.travail;
                return calibrage(*f, Variables(), travail.TableDesFenetres().variableCourante,
                                 ecran ? ecran->size().width() : 1024, travail.Moteur().degres,
                                 1.0);
            },
            courbes);
    SurFenetre(
        table, C::RepereOrthonorme,
        [this] {
            DonneesFenetre* f = Courante();
            TFenCourbe* fenetre = Courbe();
            if (!f || !fenetre) return 0;
            fenetre->SelectionnerMonde();
            return echelles::RepereOrthonorme(*f, fenetre->Monde(), Variables());
        },
        courbes);
    SurFenetre(
        table, C::AnnulerCalibrage,
        [this] { return Courante() ? echelles::AnnulerCalibrage(*Courante(), Variables()) : 0; },
        [this] { return Courante() && !Courante()->pileCalibrage.Vide(); });
}

void GestionnairesFenetres::SurFenetre(TableCommandes& table, Commande commande,
                                       std::function<int()> action, std::function<bool()> permise) {
    table.Enregistrer(commande, {.executer =
                                     [this, action = std::move(action)] {
                                         contexte_.fenetres.PreparerCommande();
                                         if (const int demande = action())
                                             contexte_.travail.DemanderMiseAJour(
                                                 static_cast<std::uint16_t>(demande));
                                     },
                                 .permise = std::move(permise)});
}

DonneesFenetre* GestionnairesFenetres::Courante() const {
    TableFenetres& table = contexte_.travail.TableDesFenetres();
    return table.Donnees(table.FenetreCourante());
}

TFenCourbe* GestionnairesFenetres::Courbe() const {
    return contexte_.fenetres.Courbe(contexte_.travail.TableDesFenetres().FenetreCourante());
}

const TableVariables& GestionnairesFenetres::Variables() const {
    return contexte_.travail.Variables();
}

// "Nouvelle fenêtre" asks which of the empty windows 1..8 to open; cancelled, nothing changes.
void GestionnairesFenetres::NouvelleFenetre() {
    TableFenetres& table = contexte_.travail.TableDesFenetres();
    const int numero =
        DialogueChoixFenetre::Choisir(table, DialogueChoixFenetre::Mode::Creer, &contexte_.bureau);
    if (!numero) return;
    table.Creer(numero);
    contexte_.fenetres.Synchroniser();
    contexte_.travail.DemanderMiseAJour(demande::Redessiner);
}

// "&Supprimer" asks which open window to delete, the current one offered; cancelled, nothing
// changes.
void GestionnairesFenetres::SupprimerFenetre() {
    const int numero =
        DialogueChoixFenetre::Choisir(contexte_.travail.TableDesFenetres(),
                                      DialogueChoixFenetre::Mode::Supprimer, &contexte_.bureau);
    if (numero) contexte_.fenetres.SupprimerFenetre(numero);
}

// "Titre de fenêtre": the window-title dialog, its titles shown at once on OK.
void GestionnairesFenetres::DemanderTitres() {
    DialogueTitresFenetres dialogue(contexte_.travail.TableDesFenetres(), &contexte_.bureau);
    if (dialogue.exec() == QDialog::Accepted) {
        contexte_.fenetres.Synchroniser();
        contexte_.bureau.ActualiserOnglets(true);
    }
    contexte_.travail.DemanderMiseAJour(demande::Redessiner);
}

// The icon "Plein écran": the current window between maximised and normal.
void GestionnairesFenetres::BasculerPleinEcran() {
    QMdiSubWindow* s =
        contexte_.fenetres.SousFenetre(contexte_.travail.TableDesFenetres().FenetreCourante());
    if (!s) return;
    if (s->isMaximized())
        s->showNormal();
    else
        s->showMaximized();
}

// "Masquer icones et info": the icon bar and the status bar go or come back together (the
// item checked while they are hidden), then the windows are tiled on the new client area.
void GestionnairesFenetres::MasquerIconesEtInfo() {
    QAction* item = contexte_.menus.Action(C::MasquerIconesInfo);
    const bool masquer = item->isChecked();
    contexte_.icones.Barre()->setVisible(!masquer);
    contexte_.bureau.statusBar()->setVisible(!masquer);
    item->setChecked(masquer);
    contexte_.mosaiques.Generale();
    contexte_.travail.DemanderMiseAJour(demande::Redessiner);
}

} // namespace pelavorine
