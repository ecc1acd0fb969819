#include "gui/app/ZoneFenetres.h"

#include "core/bureau/GeometrieBureau.h"
#include "core/bureau/TextesBureau.h"
#include "core/configuration/Configuration.h"
#include "core/store/Demandes.h"
#include "core/store/TypeId.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/Legende.h"
#include "gui/app/Aide.h"
#include "gui/calc/FenetreFeuille.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/windows/TFenCourbe.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace pelavorine {

ZoneFenetres::ZoneFenetres(Travail& travail, const Configuration& configuration, QMdiArea& zone)
    : travail_(travail), configuration_(configuration), zone_(zone) {
    zone_.installEventFilter(this);
    connect(&zone_, &QMdiArea::subWindowActivated, this, &ZoneFenetres::FenetreActivee);
}

ZoneFenetres::~ZoneFenetres() {
    // The frames go after this object, with the desk: none may call back into it meanwhile.
    zone_.removeEventFilter(this);
    for (QMdiSubWindow* s : sousFenetres_)
        if (s) s->removeEventFilter(this);
    if (sousFeuille_) sousFeuille_->removeEventFilter(this);
}

QMdiSubWindow* ZoneFenetres::SousFenetre(int numero) const {
    return numero >= 1 && numero <= 16 ? sousFenetres_[numero - 1] : nullptr;
}

TFenCourbe* ZoneFenetres::Courbe(int numero) const {
    QMdiSubWindow* s = SousFenetre(numero);
    return s ? qobject_cast<TFenCourbe*>(s->widget()) : nullptr;
}

bool ZoneFenetres::PleinEcran(int numero) const {
    const QMdiSubWindow* s = SousFenetre(numero);
    return s && s->isMaximized();
}

QSize ZoneFenetres::ZoneClient() const {
    const QSize taille = zone_.contentsRect().size();
    return {std::max(0, taille.width() - geometrieBureau::Marge),
            std::max(0, taille.height() - geometrieBureau::Marge)};
}

FenetreFeuille* ZoneFenetres::Feuille() const {
    return feuille_.data();
}

QMdiSubWindow* ZoneFenetres::SousFeuille() const {
    return sousFeuille_.data();
}

bool ZoneFenetres::FeuilleMontree() const {
    return sousFeuille_ && sousFeuille_->isVisible();
}

// --- The frames of the table ------------------------------------------------------------------

TFenCourbe* ZoneFenetres::CreerCourbe(int numero) {
    auto* courbe = new TFenCourbe(travail_, numero);
    courbe->FixerNoirEtBlanc(configuration_.noirEtBlanc);
    connect(courbe, &TFenCourbe::menuDemande, this, &ZoneFenetres::menuFenetreDemande);
    connect(courbe, &TFenCourbe::fenetreDemandee, this, [this](int n) { MontrerFenetre(n); });
    connect(courbe, &TFenCourbe::noterDisposition, this, &ZoneFenetres::NoterDisposition);
    connect(courbe, &TFenCourbe::pilesChangees, this, &ZoneFenetres::etatChange);
    connect(courbe, &TFenCourbe::courbeChoisie, this, [this] { emit etatChange(); });
    connect(courbe, &TFenCourbe::parametresDemandes, this, &ZoneFenetres::parametresDemandes);
    return courbe;
}

void ZoneFenetres::Synchroniser() {
    if (synchronisation_) return;
    synchronisation_ = true;
    TableFenetres& table = travail_.TableDesFenetres();
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n) {
        const DonneesFenetre* f = table.Donnees(n);
        QMdiSubWindow*& s = sousFenetres_[n - 1];
        if (f && !s) {
            // A new window (no bounds yet) may be asked to open over the whole desk.
            if (f->largeur <= 0 && (f->options & DonneesFenetre::PleinEcranACreation))
                table.Donnees(n)->etat = EtatBureau::Maximise;
            s = zone_.addSubWindow(CreerCourbe(n));
            s->setAttribute(Qt::WA_DeleteOnClose, false);
            s->setProperty("numero", n);
            s->installEventFilter(this);
            AppliquerGeometrie(n);
            s->show();
        } else if (!f && s) {
            FermerSousFenetre(n);
        }
        if (f && s && s->windowTitle() != f->Legende()) s->setWindowTitle(f->Legende());
    }
    QMdiSubWindow* courante = SousFenetre(table.FenetreCourante());
    if (courante && !feuilleActive_ && zone_.activeSubWindow() != courante)
        zone_.setActiveSubWindow(courante);
    synchronisation_ = false;
    emit ongletsChanges(false);
}

void ZoneFenetres::FermerSousFenetre(int numero) {
    QMdiSubWindow*& s = sousFenetres_[numero - 1];
    if (!s) return;
    s->removeEventFilter(this);
    zone_.removeSubWindow(s);
    s->deleteLater();
    s = nullptr;
}

void ZoneFenetres::MontrerFenetre(int numero) {
    TableFenetres& table = travail_.TableDesFenetres();
    QMdiSubWindow* s = SousFenetre(numero);
    if (!s || !table.Existe(numero)) return;
    table.Activer(numero);
    if (s->isMinimized()) s->showNormal();
    s->show();
    s->raise();
    zone_.setActiveSubWindow(s);
    emit ongletsChanges(false);
}

void ZoneFenetres::MontrerFenetreDeLOnglet(int index) {
    TableFenetres& table = travail_.TableDesFenetres();
    const int numero = textesBureau::FenetreDeLOnglet(table, index);
    QMdiSubWindow* s = SousFenetre(numero);
    if (!s) return;
    table.Activer(numero);
    s->show();
    s->raise();
    zone_.setActiveSubWindow(s);
    travail_.DemanderMiseAJour(demande::Redessiner);
}

void ZoneFenetres::TerminerOutils() {
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        if (TFenCourbe* c = Courbe(n)) c->TerminerOutil();
}

void ZoneFenetres::PreparerCommande() {
    TerminerOutils();
    TableFenetres& table = travail_.TableDesFenetres();
    if (DonneesFenetre* f = table.Donnees(table.FenetreCourante()))
        f->courbeCourante = CourbeCourante(*f, travail_.Variables(), table.variableCourante);
}

// --- Bounds and states ------------------------------------------------------------------------

void ZoneFenetres::AppliquerGeometrie(int numero) {
    DonneesFenetre* f = travail_.TableDesFenetres().Donnees(numero);
    QMdiSubWindow* s = SousFenetre(numero);
    if (!f || !s) return;
    if (f->largeur <= 0 || f->hauteur <= 0) {
        // A new window: two thirds of the client area, each one a little lower. Before the
        // desk is laid out its area is the one the work notes, and the first layout rescales.
        QSize client = ZoneClient();
        if (client.width() < 300 || client.height() < 200)
            client = QSize(travail_.bureau.largeurClient, travail_.bureau.hauteurClient);
        const int decalage = 20 * (travail_.TableDesFenetres().NbOuvertes() - 1);
        f->gauche = decalage;
        f->haut = decalage;
        f->largeur = std::max(200, client.width() * 2 / 3);
        f->hauteur = std::max(150, client.height() * 2 / 3);
    }
    // Showing the sub-window in another state notes its geometry again: the values go first.
    const QRect bornes(f->gauche, f->haut, f->largeur, f->hauteur);
    const std::uint8_t etat = f->etat;
    if (etat == EtatBureau::Maximise) {
        if (!s->isMaximized()) s->showMaximized();
        return;
    }
    if (s->isMaximized() || s->isMinimized()) s->showNormal();
    s->setGeometry(bornes);
    if (etat == EtatBureau::Minimise) s->showMinimized();
}

void ZoneFenetres::NoterGeometrie(int numero) {
    DonneesFenetre* f = travail_.TableDesFenetres().Donnees(numero);
    QMdiSubWindow* s = SousFenetre(numero);
    if (!f || !s) return;
    f->etat = s->isMaximized() ? EtatBureau::Maximise
                               : (s->isMinimized() ? EtatBureau::Minimise : EtatBureau::Normal);
    if (f->etat != EtatBureau::Normal) return;
    f->gauche = s->x();
    f->haut = s->y();
    f->largeur = s->width();
    f->hauteur = s->height();
}

void ZoneFenetres::NoterGeometries() {
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        NoterGeometrie(n);
}

void ZoneFenetres::AppliquerGeometries() {
    synchronisation_ = true;
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
        AppliquerGeometrie(n);
    synchronisation_ = false;
}

void ZoneFenetres::NoterDisposition() {
    NoterGeometries();
    disposition_.Noter(travail_.TableDesFenetres());
    emit etatChange();
}

void ZoneFenetres::RestaurerDisposition() {
    const QList<int> restaurees = disposition_.Restaurer(travail_.TableDesFenetres());
    synchronisation_ = true;
    for (int n : restaurees)
        AppliquerGeometrie(n);
    synchronisation_ = false;
}

void ZoneFenetres::ClientChange() {
    const QSize nouveau = ZoneClient();
    if (nouveau == client_ || nouveau.isEmpty()) return;
    TableFenetres& table = travail_.TableDesFenetres();
    const QMdiSubWindow* courante = SousFenetre(table.FenetreCourante());
    // Before the first layout the windows were placed on the area the work notes.
    const QSize ancien = client_.isValid() && !client_.isEmpty()
                             ? client_
                             : QSize(travail_.bureau.largeurClient, travail_.bureau.hauteurClient);
    if (!ancien.isEmpty() && !(courante && courante->isMaximized())) {
        geometrieBureau::Redimensionner(table, ancien.width(), ancien.height(), nouveau.width(),
                                        nouveau.height());
        AppliquerGeometries();
    }
    client_ = nouveau;
    travail_.bureau.largeurClient = nouveau.width();
    travail_.bureau.hauteurClient = nouveau.height();
}

// --- Activation and closing -------------------------------------------------------------------

void ZoneFenetres::FenetreActivee(QMdiSubWindow* sous) {
    if (synchronisation_) return;
    if (!sous) {
        // The calculation window closed with no other window taking its place.
        if (feuilleActive_ && !FeuilleMontree()) {
            feuilleActive_ = false;
            emit etatChange();
        }
        return;
    }
    feuilleActive_ = sous == sousFeuille_;
    const int numero = sous->property("numero").toInt();
    TableFenetres& table = travail_.TableDesFenetres();
    if (numero && table.Existe(numero) && table.FenetreCourante() != numero) table.Activer(numero);
    emit etatChange();
    emit ongletsChanges(false);
}

bool ZoneFenetres::eventFilter(QObject* objet, QEvent* event) {
    if (objet == &zone_) {
        if (event->type() == QEvent::Resize) ClientChange();
        return QObject::eventFilter(objet, event);
    }
    // Only its own hiding counts, not the desk's.
    if (objet == sousFeuille_ && event->type() == QEvent::Hide && feuilleActive_ &&
        sousFeuille_->isHidden()) {
        // The calculation window closed: the curve windows' menus come back.
        feuilleActive_ = false;
        emit etatChange();
        return QObject::eventFilter(objet, event);
    }
    auto* s = qobject_cast<QMdiSubWindow*>(objet);
    const int numero = s ? s->property("numero").toInt() : 0;
    if (!numero || synchronisation_) return QObject::eventFilter(objet, event);
    switch (event->type()) {
    case QEvent::Close:
        // The close box removes the window from the work like "&Supprimer".
        event->ignore();
        FermerFenetre(numero);
        return true;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        NoterGeometrie(numero);
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, event);
}

void ZoneFenetres::ViderFenetre(int numero) {
    DonneesFenetre* f = travail_.TableDesFenetres().Donnees(numero);
    if (!f) return;
    f->fleches.clear();
    f->commentaires.clear();
    TableVariables& variables = travail_.Variables();
    for (int i = 1; i <= TableVariables::NbCases; ++i)
        if (TypeId* v = variables.Variable(i); v && (v->Fenetres & TableFenetres::Bit(numero)))
            v->AfficherDans(numero, false);
}

void ZoneFenetres::FermerFenetre(int numero) {
    TableFenetres& table = travail_.TableDesFenetres();
    const bool derniere = table.NbOuvertes() == 1 && !FeuilleMontree();
    if (derniere && travail_.modifie) {
        const int choix = BoitesMessages::QuestionAnnulable(
            zone_.window(), tr("ATTENTION : Le fichier de travail n'est pas à jour. Voulez-vous "
                               "l'enregistrer ?"));
        if (choix < 0) return;
        if (choix > 0)
            emit enregistrementDemande();
        else
            travail_.modifie = false;
    }
    SupprimerFenetre(numero);
}

void ZoneFenetres::SupprimerFenetre(int numero) {
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
    Synchroniser();
    emit etatChange();
    travail_.DemanderMiseAJour(demande::Redessiner);
}

// --- The calculation window -------------------------------------------------------------------

void ZoneFenetres::OuvrirFeuilleCalcul() {
    if (!feuille_) {
        feuille_ = new FenetreFeuille(travail_);
        sousFeuille_ = zone_.addSubWindow(feuille_);
        // Closed, it is only hidden: it keeps its fonts and colours for the next time.
        sousFeuille_->setAttribute(Qt::WA_DeleteOnClose, false);
        sousFeuille_->installEventFilter(this);
        // First shown over the right half of the desk, whole.
        const QSize client = ZoneClient();
        if (client.width() >= 300 && client.height() >= 200)
            sousFeuille_->setGeometry(client.width() / 2, 0, client.width() / 2, client.height());
        connect(feuille_, &FenetreFeuille::fenetreDemandee, this, [this](const QString& texte) {
            const int index =
                static_cast<int>(textesBureau::Onglets(travail_.TableDesFenetres()).indexOf(texte));
            if (index >= 2) MontrerFenetreDeLOnglet(index);
        });
        connect(feuille_, &FenetreFeuille::aideDemandee, this,
                [] { Aide::Ouvrir(QString::fromLatin1(Aide::FeuilleDeCalcul)); });
        emit feuilleCreee(feuille_);
    }
    feuille_->show();
    if (feuilleAgrandie_)
        sousFeuille_->showMaximized();
    else
        sousFeuille_->show();
    feuilleAgrandie_ = false;
    zone_.setActiveSubWindow(sousFeuille_);
    emit ongletsChanges(false);
}

void ZoneFenetres::NoterEtatFeuille(bool mosaique) {
    if (feuille_) feuille_->NoterEtat(feuilleAgrandie_, mosaique);
}

void ZoneFenetres::AppliquerEtatFeuille(bool& mosaique) {
    if (!travail_.fenetreFeuille) return;
    if (!feuille_) OuvrirFeuilleCalcul();
    feuille_->AppliquerEtat(feuilleAgrandie_, mosaique);
}

void ZoneFenetres::AttendreFeuille() {
    // (Maximised while hidden, it would make the area maximise the curve windows.)
    if (!sousFeuille_) return;
    sousFeuille_->hide();
    feuilleAgrandie_ = true;
}

} // namespace pelavorine
