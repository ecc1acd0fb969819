// The desk's commands on its curve windows: tools, calibrations, mosaics, layout undo.
#include "gui/app/FenetrePrincipale.h"

#include "core/calc/MoteurCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/store/Demandes.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"
#include "core/windows/CommandesEchelles.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/Legende.h"
#include "core/windows/Mosaique.h"
#include "gui/app/LigneEtat.h"
#include "gui/calc/FenetreFeuille.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/windows/DialogueMosaique.h"
#include "gui/windows/OutilLoupe.h"
#include "gui/windows/TFenCourbe.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {
using C = Commande;
} // namespace

TFenCourbe* FenetrePrincipale::Courbe(int numero) const {
    QMdiSubWindow* s = SousFenetre(numero);
    return s ? qobject_cast<TFenCourbe*>(s->widget()) : nullptr;
}

TFenCourbe* FenetrePrincipale::CreerCourbe(int numero) {
    auto* courbe = new TFenCourbe(travail_, numero);
    courbe->FixerNoirEtBlanc(configuration_.noirEtBlanc);
    connect(courbe, &TFenCourbe::menuDemande, this, [this](const QPoint& global) {
        QMenu popup(this);
        for (C c : ActionsFenetre(0))
            if (QAction* a = actions_.value(c)) popup.addAction(a);
        popup.exec(global);
    });
    connect(courbe, &TFenCourbe::fenetreDemandee, this, [this](int n) { MontrerFenetre(n); });
    connect(courbe, &TFenCourbe::noterDisposition, this, &FenetrePrincipale::NoterDisposition);
    connect(courbe, &TFenCourbe::pilesChangees, this, &FenetrePrincipale::ActualiserMenus);
    connect(courbe, &TFenCourbe::courbeChoisie, this, [this] { ActualiserMenus(); });
    connect(courbe, &TFenCourbe::parametresDemandes, this,
            [this](int page, int element) { OuvrirParametres(page, element); });
    return courbe;
}

void FenetrePrincipale::MontrerFenetre(int numero) {
    TableFenetres& table = travail_.TableDesFenetres();
    QMdiSubWindow* s = SousFenetre(numero);
    if (!s || !table.Existe(numero)) return;
    table.Activer(numero);
    if (s->isMinimized()) s->showNormal();
    s->show();
    s->raise();
    zone_->setActiveSubWindow(s);
    ActualiserOnglets(false);
}

void FenetrePrincipale::TerminerOutils() {
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        if (TFenCourbe* c = Courbe(n)) c->TerminerOutil();
}

void FenetrePrincipale::NoterDisposition() {
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        NoterGeometrie(n);
    disposition_.Noter(travail_.TableDesFenetres());
    ActualiserMenus();
}

bool FenetrePrincipale::EtatsFenetre(Commande commande) const {
    const TableFenetres& table = travail_.TableDesFenetres();
    const DonneesFenetre* f = table.Donnees(table.FenetreCourante());
    switch (commande) {
    case C::Loupe:
        return f && !f->pileLoupe.Pleine();
    case C::AnnulerLoupe:
        return f && !f->pileLoupe.Vide();
    case C::AnnulerCalibrage:
        return f && !f->pileCalibrage.Vide();
    case C::CalibrageGlobal:
    case C::CalibrageCourbeActive:
    case C::CalibrageOrdonnee:
    case C::CalibrageAbscisse:
    case C::RepereOrthonorme:
        return f && !f->FenetreImage();
    default:
        return true;
    }
}

void FenetrePrincipale::CommandeFenetre(Commande commande) {
    TableFenetres& table = travail_.TableDesFenetres();
    const int courante = table.FenetreCourante();
    DonneesFenetre* f = table.Donnees(courante);
    TFenCourbe* fenetre = Courbe(courante);
    const TableVariables& variables = travail_.Variables();
    const int largeurEcran = screen() ? screen()->size().width() : 1024;
    int demande = 0;
    // A tool command chosen again while its tool is active only ends it.
    if (commande == C::Loupe && fenetre && fenetre->Outil() &&
        fenetre->Outil()->Commande() == static_cast<int>(C::Loupe)) {
        TerminerOutils();
        return;
    }
    TerminerOutils();
    // The underlined curve follows the program's current variable when the window shows it.
    if (f) f->courbeCourante = CourbeCourante(*f, variables, table.variableCourante);
    switch (commande) {
    case C::Loupe:
        if (fenetre && f && !f->pileLoupe.Pleine())
            fenetre->FixerOutil(std::make_unique<OutilLoupe>(static_cast<int>(C::Loupe)));
        return;
    case C::AnnulerLoupe:
        if (f) demande = echelles::AnnulerLoupe(*f, variables);
        break;
    case C::CalibrageGlobal:
    case C::CalibrageCourbeActive:
    case C::CalibrageOrdonnee:
    case C::CalibrageAbscisse: {
        using Calibrage = int (*)(DonneesFenetre&, const TableVariables&, int&, int, bool, double);
        const Calibrage calibrage =
            commande == C::CalibrageGlobal         ? echelles::CalibrageGlobal
            : commande == C::CalibrageCourbeActive ? echelles::CalibrageCourbeActive
            : commande == C::CalibrageOrdonnee     ? echelles::CalibrageOrdonnee
                                                   : echelles::CalibrageAbscisse;
        if (f)
            demande = calibrage(*f, variables, table.variableCourante, largeurEcran,
                                travail_.Moteur().degres, 1.0);
        break;
    }
    case C::RepereOrthonorme:
        if (f && fenetre) {
            fenetre->SelectionnerMonde();
            demande = echelles::RepereOrthonorme(*f, fenetre->Monde(), variables);
        }
        break;
    case C::AnnulerCalibrage:
        if (f) demande = echelles::AnnulerCalibrage(*f, variables);
        break;
    case C::Annuler: {
        const QList<int> restaurees = disposition_.Restaurer(table);
        synchronisation_ = true;
        for (int n : restaurees)
            AppliquerGeometrie(n);
        synchronisation_ = false;
        demande = demande::RedessinerAvecAxes;
        break;
    }
    case C::PleinEcran:
        // Every window leaves its full-screen display.
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            if (QMdiSubWindow* s = SousFenetre(n); s && s->isMaximized()) s->showNormal();
        demande = demande::Redessiner;
        break;
    case C::MosaiqueGenerale:
        MosaiqueGenerale();
        demande = demande::Redessiner;
        break;
    case C::MosaiquesPredefinies:
        MosaiquesPredefinies();
        demande = demande::Redessiner;
        break;
    case C::EffacerFenetre:
        if (fenetre) fenetre->Effacer();
        demande = 0x0040;
        break;
    case C::ViderFenetre:
        if (f && travail_.hote().Question(tr("Supprimer l'affichage actuel de la fenêtre"))) {
            ViderFenetre(courante);
            travail_.modifie = true;
        }
        demande = demande::Redessiner;
        break;
    default:
        break;
    }
    if (demande) travail_.DemanderMiseAJour(static_cast<std::uint16_t>(demande));
}

void FenetrePrincipale::ViderFenetre(int numero) {
    DonneesFenetre* f = travail_.TableDesFenetres().Donnees(numero);
    if (!f) return;
    f->fleches.clear();
    f->commentaires.clear();
    TableVariables& variables = travail_.Variables();
    for (int i = 1; i <= TableVariables::NbCases; ++i)
        if (TypeId* v = variables.Variable(i); v && (v->Fenetres & TableFenetres::Bit(numero)))
            v->AfficherDans(numero, false);
}

void FenetrePrincipale::FermerFenetre(int numero) {
    TableFenetres& table = travail_.TableDesFenetres();
    const bool derniere = table.NbOuvertes() == 1 && !(sousFeuille_ && sousFeuille_->isVisible());
    if (derniere && travail_.modifie) {
        const int choix = BoitesMessages::QuestionAnnulable(
            this, tr("ATTENTION : Le fichier de travail n'est pas à jour. Voulez-vous "
                     "l'enregistrer ?"));
        if (choix < 0) return;
        if (choix > 0)
            CommandeFichier(C::Enregistrer);
        else
            travail_.modifie = false;
    }
    SupprimerFenetre(numero);
}

void FenetrePrincipale::SupprimerFenetre(int numero) {
    TableFenetres& table = travail_.TableDesFenetres();
    if (!table.Existe(numero)) return;
    // Its tool ends and its display goes: no variable is shown in a window that is not open.
    TerminerOutils();
    ViderFenetre(numero);
    // The last ordinary window gone, window 1 comes back over the whole desk.
    const bool recree = table.Supprimer(numero);
    FermerSousFenetre(numero);
    if (recree) {
        FermerSousFenetre(1);
        table.Donnees(1)->etat = EtatBureau::Maximise;
    }
    SynchroniserFenetres();
    ActualiserMenus();
    travail_.DemanderMiseAJour(demande::Redessiner);
}

void FenetrePrincipale::MosaiqueGenerale() {
    TableFenetres& table = travail_.TableDesFenetres();
    QMdiSubWindow* courante = SousFenetre(table.FenetreCourante());
    if (courante && courante->isMaximized()) {
        courante->showNormal();
        return;
    }
    NoterDisposition();
    bool images = false;
    QList<int> ouvertes;
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        if (const DonneesFenetre* f = table.Donnees(n)) {
            ouvertes << n;
            images = images || f->FenetreImage();
        }
    if (!images) {
        // The calculation window is not one of the tiles.
        const bool feuille = sousFeuille_ && sousFeuille_->isVisible();
        if (feuille) sousFeuille_->hide();
        zone_->tileSubWindows();
        if (feuille) sousFeuille_->show();
        if (courante) zone_->setActiveSubWindow(courante);
        return;
    }
    AppliquerMosaique(ouvertes, 1, false, false);
}

void FenetrePrincipale::MosaiquesPredefinies() {
    TableFenetres& table = travail_.TableDesFenetres();
    mosaique::EtatMosaique etat = mosaique_;
    etat.feuille = feuilleEnMosaique_;
    DialogueMosaique dialogue(table, etat, /*analyse*/ false, this);
    if (dialogue.exec() != QDialog::Accepted) return;
    mosaique_ = dialogue.Etat();
    feuilleEnMosaique_ = dialogue.Feuille();
    NoterDisposition();
    AppliquerMosaique(dialogue.Fenetres(), dialogue.Variante(), dialogue.Feuille(),
                      dialogue.Tableur());
}

void FenetrePrincipale::AppliquerMosaique(const QList<int>& fenetres, int variante, bool feuille,
                                          bool tableur) {
    TableFenetres& table = travail_.TableDesFenetres();
    // The desk fills the screen; the calculation window, when included, takes the bottom third
    // of its area and the windows the rest.
    if (sousFeuille_) sousFeuille_->hide();
    if (isVisible())
        showMaximized();
    else
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    ActualiserOnglets(true);
    const QSize client = ZoneClient();
    int hauteur = client.height();
    if (feuille) {
        hauteur = client.height() * 2 / 3;
        OuvrirFeuilleCalcul();
        if (sousFeuille_->isMaximized()) sousFeuille_->showNormal();
        sousFeuille_->setGeometry(0, hauteur, client.width(), client.height() - hauteur);
        sousFeuille_->show();
    }
    Q_UNUSED(tableur); // the spreadsheet window comes with the spreadsheet
    const auto disposition = mosaique::Trouver(static_cast<int>(fenetres.size()), variante);
    if (!disposition) return;
    int position = 0;
    QMdiSubWindow* premiere = nullptr;
    for (int numero : fenetres) {
        ++position;
        if (!TableFenetres::Valide(numero)) continue;
        if (!table.Existe(numero)) {
            table.Creer(numero);
            SynchroniserFenetres();
        }
        QMdiSubWindow* s = SousFenetre(numero);
        DonneesFenetre* f = table.Donnees(numero);
        if (!s || !f) continue;
        const QRect bornes = mosaique::Bornes(*disposition, position, client.width(), hauteur);
        if (s->isMaximized() || s->isMinimized()) s->showNormal();
        // An image window keeps its proportions: only its left, top and height are set.
        const int largeur = f->FenetreImage() ? s->width() : bornes.width();
        s->setGeometry(bornes.left(), bornes.top(), largeur, bornes.height());
        s->show();
        s->raise();
        if (!premiere) premiere = s;
    }
    QMdiSubWindow* courante = SousFenetre(table.FenetreCourante());
    if (!fenetres.contains(table.FenetreCourante())) courante = premiere;
    if (courante) {
        courante->raise();
        zone_->setActiveSubWindow(courante);
    }
}

} // namespace pelavorine
