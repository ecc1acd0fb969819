#include "gui/app/FenetrePrincipale.h"

#include "core/acquisition/ModeleParametres.h"
#include "core/bureau/ActivationMenus.h"
#include "core/bureau/HistoriqueFichiers.h"
#include "core/bureau/TextesBureau.h"
#include "core/configuration/Configuration.h"
#include "core/configuration/ModulesExternes.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/travail/Travail.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/acquisition/TFicheParametres.h"
#include "gui/app/BarreDesIcones.h"
#include "gui/app/CadreBureau.h"
#include "gui/app/ContexteCommandes.h"
#include "gui/app/DialogueQuitter.h"
#include "gui/app/FichiersBureau.h"
#include "gui/app/InstallationCommandes.h"
#include "gui/app/LigneEtat.h"
#include "gui/app/MenuBureau.h"
#include "gui/app/MosaiquesBureau.h"
#include "gui/app/OngletsBureau.h"
#include "gui/app/RafraichissementBureau.h"
#include "gui/app/TableCommandes.h"
#include "gui/app/TeintesDialogues.h"
#include "gui/app/ZoneFenetres.h"
#include "gui/calc/EditeurFeuille.h"
#include "gui/calc/FenetreFeuille.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/ui/CouleursWindows.h"
#include "gui/ui/FiltreEntrees.h"
#include "gui/ui/HoteBureau.h"
#include "gui/ui/MenuSaisie.h"
#include "gui/ui/SaisieGrecque.h"
#include "gui/ui/SelecteurGrec.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>

namespace pelavorine {

using C = Commande;

QString FenetrePrincipale::TitreBase() {
    return textesBureau::Titre(QString());
}

FenetrePrincipale::FenetrePrincipale(Travail& travail, Configuration& configuration,
                                     QWidget* parent)
    : QMainWindow(parent), travail_(travail), configuration_(configuration),
      cadre_(std::make_unique<CadreBureau>(*this, travail.bureau)) {
    setObjectName(QStringLiteral("Bureau"));
    auto* zone = new QMdiArea(this);
    zone->setObjectName(QStringLiteral("ZoneFenetres"));
    zone->setAccessibleName(tr("Fenêtres"));
    setCentralWidget(zone);
    fenetres_ = std::make_unique<ZoneFenetres>(travail_, configuration_, *zone);

    menus_ = std::make_unique<MenuBureau>(*this);
    icones_ = std::make_unique<BarreDesIcones>(*this, *menus_, travail_.nombres.ingenieur,
                                               configuration_.DossierIcones());
    icones_->fenetreAgrandie = [this] {
        return fenetres_->PleinEcran(travail_.TableDesFenetres().FenetreCourante());
    };

    etat_ = new LigneEtat(this);
    statusBar()->addWidget(etat_, 1);
    statusBar()->setSizeGripEnabled(false);
    etat_->FixerCouleur(CouleurEtat());
    onglets_ = std::make_unique<OngletsBureau>(travail_, *fenetres_, *etat_);

    // Every form's fields: Greek typing and the input pop-up menu.
    saisie_ = new SaisieGrecque(this);
    menuSaisie_ = new MenuSaisie(this);
    selecteur_ = new SelecteurGrec(this);
    selecteur_->setObjectName(QStringLiteral("SelecteurGrec"));
    menuSaisie_->ouvrirSelecteur = [this](QWidget* champ) { selecteur_->Ouvrir(champ); };
    qApp->installEventFilter(saisie_);
    qApp->installEventFilter(menuSaisie_);
    filtre_ = new FiltreEntrees(this);
    acquisition_ = new AcquisitionBureau(*this, travail_, this);
    // The sheet's panes may still be scrolled while it runs from its own window.
    filtre_->autorise = [this](QObject* objet) {
        auto* w = qobject_cast<QWidget*>(objet);
        const FenetreFeuille* feuille = fenetres_->Feuille();
        if (!w || !feuille || !fenetres_->FeuilleActive()) return false;
        const QWidget* panes[] = {feuille->Editeur(), feuille->PanneauResultats()};
        for (const QWidget* pane : panes)
            if (w == pane || pane->isAncestorOf(w)) return true;
        return false;
    };
    BoitesMessages::FixerSurBoite([this](bool ouverte) { filtre_->Suspendre(ouverte); });
    qApp->installEventFilter(
        new TeintesDialogues(this, [this] { return configuration_.dialogue; }));

    rafraichissement_ = std::make_unique<RafraichissementBureau>(travail_, *fenetres_, *filtre_);
    mosaiques_ = std::make_unique<MosaiquesBureau>(travail_, *fenetres_, *onglets_, *cadre_);
    fichiers_ = std::make_unique<FichiersBureau>(*this, travail_, *cadre_, *fenetres_, *mosaiques_);
    commandes_ = std::make_unique<TableCommandes>();
    InstallerCommandes(*commandes_,
                       {*this, travail_, configuration_, *cadre_, *fenetres_, *mosaiques_, *menus_,
                        *icones_, *rafraichissement_, *fichiers_});

    connect(menus_.get(), &MenuBureau::commandeChoisie, this, &FenetrePrincipale::Executer);
    connect(menus_.get(), &MenuBureau::fichierChoisi, this, &FenetrePrincipale::OuvrirFichier);
    connect(menus_.get(), &MenuBureau::moduleChoisi, this, &FenetrePrincipale::LancerModule);
    connect(icones_.get(), &BarreDesIcones::commandeChoisie, this, &FenetrePrincipale::Executer);
    connect(onglets_.get(), &OngletsBureau::commandeDemandee, this, &FenetrePrincipale::Executer);
    connect(fenetres_.get(), &ZoneFenetres::etatChange, this, &FenetrePrincipale::ActualiserMenus);
    connect(fenetres_.get(), &ZoneFenetres::ongletsChanges, onglets_.get(),
            &OngletsBureau::Actualiser);
    connect(fenetres_.get(), &ZoneFenetres::menuFenetreDemande, menus_.get(),
            [this](const QPoint& global) { menus_->MontrerMenuFenetre(0, global); });
    connect(fenetres_.get(), &ZoneFenetres::parametresDemandes, this,
            [this](int page, int element) { OuvrirParametres(page, element); });
    connect(fenetres_.get(), &ZoneFenetres::enregistrementDemande, this,
            [this] { fichiers_->Executer(C::Enregistrer); });
    connect(fenetres_.get(), &ZoneFenetres::feuilleCreee, this, &FenetrePrincipale::RelierFeuille);
    connect(rafraichissement_.get(), &RafraichissementBureau::systemeChange, this,
            [this] { AfficherLigneSysteme(QString()); });

    if (auto* hote = dynamic_cast<HoteBureau*>(&travail_.hote())) {
        hote->surMiseAJour = [this] { rafraichissement_->Armer(); };
        hote->surLigneInfo = [this](const QString& t) { AfficherLigneInfo(t); };
        hote->surLigneSysteme = [this](const QString& t) { AfficherLigneSysteme(t); };
        hote->surInterruption = [this] { return filtre_->Interrompu(); };
        hote->surEffacerInterruption = [this] { filtre_->Effacer(); };
    }

    setWindowTitle(TitreBase());
    // A normal desk without a remembered size takes two thirds of the screen.
    if (const QScreen* ecran = screen())
        resize(ecran->availableGeometry().size() * 2 / 3);
    else
        resize(1024, 700);
    Actualiser();
    if (travail_.Demandes()) rafraichissement_->Armer();
}

FenetrePrincipale::~FenetrePrincipale() {
    if (auto* hote = dynamic_cast<HoteBureau*>(&travail_.hote())) {
        hote->surMiseAJour = nullptr;
        hote->surLigneInfo = nullptr;
        hote->surLigneSysteme = nullptr;
        hote->surInterruption = nullptr;
        hote->surEffacerInterruption = nullptr;
    }
    BoitesMessages::FixerSurBoite(nullptr);
    filtre_->Activer(false);
    qApp->removeEventFilter(saisie_);
    qApp->removeEventFilter(menuSaisie_);
}

void FenetrePrincipale::RelierFeuille(FenetreFeuille* feuille) {
    // Its own menu saves while the desk's file items wait for a curve window.
    connect(feuille, &FenetreFeuille::enregistrerDemande, this,
            [this] { fichiers_->Executer(C::Enregistrer); });
    connect(feuille, &FenetreFeuille::enregistrerSousDemande, this,
            [this] { fichiers_->Executer(C::EnregistrerSous); });
    connect(feuille, &FenetreFeuille::tableurDemande, this, [this] { Executer(C::ModeTableur); });
    // Its own runs go under the input filter too.
    connect(feuille, &FenetreFeuille::calculEnCours, this, [this](bool enCours) {
        filtre_->Activer(enCours);
        if (!enCours && !filtre_->Actif() && travail_.Demandes()) rafraichissement_->Armer();
    });
}

// --- The parts, as the program and its tests reach them -------------------------------------

QAction* FenetrePrincipale::Action(Commande commande) const {
    return menus_->Action(commande);
}

QAction* FenetrePrincipale::Icone(Commande commande) const {
    return icones_->Icone(commande);
}

QMenu* FenetrePrincipale::Menu(Commande menu) const {
    return menus_->Menu(menu);
}

QToolBar* FenetrePrincipale::BarreIcones() const {
    return icones_->Barre();
}

QMdiArea* FenetrePrincipale::Zone() const {
    return fenetres_->Zone();
}

QMdiSubWindow* FenetrePrincipale::SousFenetre(int numero) const {
    return fenetres_->SousFenetre(numero);
}

TFenCourbe* FenetrePrincipale::Courbe(int numero) const {
    return fenetres_->Courbe(numero);
}

HistoriqueDisposition& FenetrePrincipale::Disposition() {
    return fenetres_->Disposition();
}

void FenetrePrincipale::AppliquerMosaique(const QList<int>& fenetres, int variante, bool feuille,
                                          bool tableur) {
    mosaiques_->Appliquer(fenetres, variante, feuille, tableur);
}

void FenetrePrincipale::TerminerOutils() {
    fenetres_->TerminerOutils();
}

void FenetrePrincipale::MontrerFenetre(int numero) {
    fenetres_->MontrerFenetre(numero);
}

FenetreFeuille* FenetrePrincipale::Feuille() const {
    return fenetres_->Feuille();
}

TraitementDemandes& FenetrePrincipale::Traitement() {
    return rafraichissement_->Traitement();
}

QList<QAction*> FenetrePrincipale::ActionsHistorique() const {
    return menus_->ActionsHistorique();
}

bool FenetrePrincipale::FenetrePleinEcran(int numero) const {
    return fenetres_->PleinEcran(numero);
}

QLabel* FenetrePrincipale::PointCourant() const {
    return etat_->PointCourant();
}

void FenetrePrincipale::TraiterDemandes() {
    rafraichissement_->Traiter();
}

void FenetrePrincipale::ActualiserOnglets(bool reconstruire) {
    onglets_->Actualiser(reconstruire);
}

void FenetrePrincipale::SynchroniserFenetres() {
    fenetres_->Synchroniser();
}

QSize FenetrePrincipale::ZoneClient() const {
    return fenetres_->ZoneClient();
}

void FenetrePrincipale::NouveauTravail(bool confirmer) {
    fichiers_->NouveauTravail(confirmer);
}

void FenetrePrincipale::OuvrirFeuilleCalcul() {
    fenetres_->OuvrirFeuilleCalcul();
}

void FenetrePrincipale::AppliquerTeinte(QWidget* dialogue, int teinte) {
    TeintesDialogues::Appliquer(dialogue, teinte);
}

// --- Commands ---------------------------------------------------------------------------------

void FenetrePrincipale::FixerDialogues(DialoguesFichier* dialogues) {
    fichiers_->FixerDialogues(dialogues);
    ActualiserMenus();
    ActualiserHistorique();
}

bool FenetrePrincipale::Construite(Commande commande) const {
    return EstMenu(commande) || commandes_->Construite(commande);
}

void FenetrePrincipale::Executer(Commande commande) {
    QAction* a = menus_->Action(commande);
    if (!a) a = icones_->Icone(commande);
    if (a && !a->isEnabled()) return;
    if (!Construite(commande)) return;
    const Commande menu = MenuDe(commande);
    if (menu == C::MenuTraitements || menu == C::MenuExecuter) travail_.modifie = true;
    commandes_->Executer(commande);
    ActualiserMenus();
}

void FenetrePrincipale::ActualiserMenus() {
    static const bool imprimante = !QPrinterInfo::availablePrinterNames().isEmpty();
    const bool feuilleActive = fenetres_->FeuilleActive();
    ContexteMenus contexte;
    contexte.actif = travail_.TableDesFenetres().NbOuvertes() > 0 && !feuilleActive;
    contexte.contexte = feuilleActive ? 1 : 0;
    contexte.imprimante = imprimante;
    contexte.systeme = configuration_.interfacePresente;
    contexte.annulationPossible = !fenetres_->Disposition().Vide();
    const ActivationMenus etats = ActivationMenus::Calculer(contexte);
    const auto disponible = [this](Commande c) { return Construite(c) && commandes_->Permise(c); };
    menus_->Actualiser(etats, disponible);
    icones_->Actualiser(etats, disponible);
}

void FenetrePrincipale::OuvrirParametres(int page, int element) {
    TerminerOutils();
    if (page < 0) page = pageParametres_;
    if (page == ModeleParametres::PageFenetres && element == 0)
        element = travail_.TableDesFenetres().FenetreCourante();
    TFicheParametres fiche(travail_, travail_.Interface(), this);
    fiche.OuvrirPage(page, element);
    fiche.exec();
    pageParametres_ = fiche.PageCourante();
    // What the form applied (names, scales, period, point count) shows at once.
    TraiterDemandes();
    ActualiserMenus();
}

void FenetrePrincipale::OuvrirFichier(const QString& nom) {
    if (Construite(C::Ouvrir)) fichiers_->Executer(C::Ouvrir, nom);
}

void FenetrePrincipale::LancerModule(const QString& chemin) {
    travail_.modifie = true; // like every command of its menu
    if (!QFileInfo(chemin).isFile()) {
        travail_.hote().Erreur(tr("Impossible de trouver ") + chemin);
        return;
    }
    // A module already running is not started twice: the desk steps back for it.
    if (ModulesExternes::EnCours(chemin)) {
        lower();
        return;
    }
    if (!QProcess::startDetached(chemin, {}, QFileInfo(chemin).path()))
        travail_.hote().Erreur(tr("Impossible de trouver ") + chemin);
}

void FenetrePrincipale::closeEvent(QCloseEvent* event) {
    if (maintenance_) {
        event->accept();
        return;
    }
    const int choix = demanderQuitter ? demanderQuitter(travail_.modifie) : [this] {
        DialogueQuitter dialogue(travail_.modifie, this);
        dialogue.exec();
        return static_cast<int>(dialogue.Resultat());
    }();
    if (choix == DialogueQuitter::Quitter) {
        event->accept();
        return;
    }
    event->ignore();
    if (choix == DialogueQuitter::Enregistrer) fichiers_->Executer(C::Enregistrer);
}

// --- What the desk shows ----------------------------------------------------------------------

void FenetrePrincipale::AppliquerOptions() {
    const bool grecques = travail_.options & option::LettresGrecques;
    saisie_->FixerDisponible(grecques);
    menuSaisie_->FixerGrecques(grecques);
    if (!grecques) selecteur_->hide();
}

void FenetrePrincipale::Actualiser() {
    AppliquerOptions();
    SynchroniserFenetres();
    ActualiserMenus();
    ActualiserOnglets(true);
    ActualiserTitre();
    ActualiserHistorique();
    AfficherLigneSysteme(QString());
    // The external modules found at start-up.
    menus_->FixerModules(configuration_.modulesExternes);
}

void FenetrePrincipale::ActualiserTitre() {
    setWindowTitle(textesBureau::Titre(travail_.fichierCourant));
}

void FenetrePrincipale::AjouterHistorique(const QString& nom) {
    if (!configuration_.historique) return;
    historiqueFichiers::Ajouter(*configuration_.historique, nom);
    ActualiserHistorique();
}

void FenetrePrincipale::ActualiserHistorique() {
    menus_->FixerHistorique(configuration_.historique.value_or(QStringList()));
    ActualiserMenus();
}

QColor FenetrePrincipale::CouleurEtat() const {
    return DepuisWindows(configuration_.etat);
}

void FenetrePrincipale::AfficherLigneInfo(const QString& texte, const QColor& couleur) {
    etat_->AfficherInfo(texte, couleur.isValid() ? couleur : QColor(0xFF, 0xFF, 0xE1));
}

void FenetrePrincipale::AfficherLigneSysteme(const QString& texte, const QColor& couleur) {
    if (!texte.isEmpty()) {
        etat_->AfficherSysteme(texte, couleur.isValid() ? couleur : CouleurEtat());
        return;
    }
    QLabel* ligne = etat_->Systeme();
    const auto tient = [ligne](const QString& t) {
        return ligne->fontMetrics().horizontalAdvance(t) <= 0.95 * ligne->width();
    };
    const CoucheInterface& couche = travail_.Interface();
    etat_->AfficherSysteme(
        couche.TexteLigneSysteme(couche.VoiesEnService(travail_.Variables()), tient),
        etat_->Couleur());
}

// --- The desk's own frame ---------------------------------------------------------------------

void FenetrePrincipale::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    cadre_->Noter();
}

void FenetrePrincipale::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    cadre_->Noter();
    // Larger windows draw slower: the next acquisition measures again.
    if (acquisition_) acquisition_->ReinitialiserCoutDessin();
}

void FenetrePrincipale::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) cadre_->Noter();
    // Back to the desk: everything is drawn again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        travail_.DemanderMiseAJour(demande::Redessiner);
}

} // namespace pelavorine
