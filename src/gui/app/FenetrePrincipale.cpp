#include "gui/app/FenetrePrincipale.h"

#include "gui/app/DialogueQuitter.h"
#include <QCloseEvent>

#include "core/acquisition/ModeleParametres.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/bureau/ActivationMenus.h"
#include "core/bureau/GeometrieBureau.h"
#include "core/bureau/HistoriqueFichiers.h"
#include "core/bureau/TextesBureau.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/configuration/ModulesExternes.h"
#include "core/configuration/Teintes.h"
#include "core/files/CommandesFichier.h"
#include "core/files/DialoguesFichier.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/TypeId.h"
#include "core/travail/Travail.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/app/Aide.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/BoiteRessources.h"
#include "gui/app/DialogueTitresFenetres.h"
#include "gui/app/LigneEtat.h"
#include "gui/app/Rideau.h"
#include "gui/calc/EditeurFeuille.h"
#include "gui/calc/FenetreFeuille.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/ui/CouleursWindows.h"
#include "gui/ui/FiltreEntrees.h"
#include "gui/ui/HoteBureau.h"
#include "gui/ui/MenuSaisie.h"
#include "gui/ui/SaisieGrecque.h"
#include "gui/ui/SelecteurGrec.h"
#include "gui/windows/TFenCourbe.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

using C = Commande;

// "Services QUANDREL": the maker's page, the project's home page here.
constexpr const char* kPageServices = "\\Services.htm";
constexpr const char* kPageImages = "\\Outils\\OutilImagesVideo.htm";
constexpr const char* kPageFeuille = "\\Calculs\\FeuilleDeCalcul.htm";

// A small picture for an icon without a standard one: the initials of its hint.
QIcon IconeTexte(const QString& texte) {
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QFont f = p.font();
    f.setPixelSize(texte.size() > 1 ? 10 : 16);
    f.setBold(true);
    p.setFont(f);
    p.drawText(image.rect(), Qt::AlignCenter, texte);
    return QIcon(image);
}

// Paints the program's own dialogs with the current shade each time one is shown.
class PeintreTeintes : public QObject {
public:
    PeintreTeintes(QObject* parent, std::function<int()> teinte)
        : QObject(parent), teinte_(std::move(teinte)) {}

protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        if (event->type() == QEvent::Show && objet->isWidgetType()) {
            auto* dialogue = qobject_cast<QDialog*>(objet);
            // The system's dialogs (files, printer, message boxes) keep their own look.
            if (dialogue &&
                QByteArray(dialogue->metaObject()->className()).startsWith("pelavorine::"))
                FenetrePrincipale::AppliquerTeinte(dialogue, teinte_());
        }
        return QObject::eventFilter(objet, event);
    }

private:
    std::function<int()> teinte_;
};

QString Initiales(const QString& bulle) {
    QString initiales;
    for (const QString& mot : bulle.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (mot.size() > 2 && initiales.size() < 3) initiales += mot.front().toUpper();
    return initiales.isEmpty() ? bulle.left(2) : initiales;
}

} // namespace

QString FenetrePrincipale::TitreBase() {
    return textesBureau::Titre(QString());
}

FenetrePrincipale::FenetrePrincipale(Travail& travail, Configuration& configuration,
                                     QWidget* parent)
    : QMainWindow(parent), travail_(travail), configuration_(configuration),
      traitement_(travail, *this) {
    setObjectName(QStringLiteral("Bureau"));
    zone_ = new QMdiArea(this);
    zone_->setObjectName(QStringLiteral("ZoneFenetres"));
    zone_->setAccessibleName(tr("Fenêtres"));
    setCentralWidget(zone_);
    zone_->installEventFilter(this);
    connect(zone_, &QMdiArea::subWindowActivated, this, &FenetrePrincipale::FenetreActivee);

    imprimante_ = new QPrinter();
    CreerMenus();
    CreerIcones();

    etat_ = new LigneEtat(this);
    statusBar()->addWidget(etat_, 1);
    statusBar()->setSizeGripEnabled(false);
    etat_->FixerCouleur(CouleurEtat());
    connect(etat_->OngletsFenetres(), &QTabBar::tabBarClicked, this,
            &FenetrePrincipale::OngletClique);

    // Every form's fields: Greek typing and the input pop-up menu.
    saisie_ = new SaisieGrecque(this);
    menuSaisie_ = new MenuSaisie(this);
    selecteur_ = new SelecteurGrec(this);
    selecteur_->setObjectName(QStringLiteral("SelecteurGrec"));
    menuSaisie_->ouvrirSelecteur = [this](QWidget* champ) { selecteur_->Ouvrir(champ); };
    qApp->installEventFilter(saisie_);
    qApp->installEventFilter(menuSaisie_);
    filtre_ = new FiltreEntrees(this);
    acquisition_ = new AcquisitionBureau(*this, travail_);
    // The sheet's panes may still be scrolled while it runs from its own window.
    filtre_->autorise = [this](QObject* objet) {
        auto* w = qobject_cast<QWidget*>(objet);
        if (!w || !feuille_ || !feuilleActive_) return false;
        const QWidget* panes[] = {feuille_->Editeur(), feuille_->PanneauResultats()};
        for (const QWidget* pane : panes)
            if (w == pane || pane->isAncestorOf(w)) return true;
        return false;
    };
    BoitesMessages::FixerSurBoite([this](bool ouverte) { filtre_->Suspendre(ouverte); });

    qApp->installEventFilter(new PeintreTeintes(this, [this] { return configuration_.dialogue; }));

    minuterie_.setSingleShot(true);
    minuterie_.setInterval(0);
    connect(&minuterie_, &QTimer::timeout, this, &FenetrePrincipale::Inactif);
    if (auto* hote = dynamic_cast<HoteBureau*>(&travail_.hote())) {
        hote->surMiseAJour = [this] { ArmerInactif(); };
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
    if (travail_.Demandes()) ArmerInactif();
}

void FenetrePrincipale::AppliquerOptions() {
    const bool grecques = travail_.options & option::LettresGrecques;
    saisie_->FixerDisponible(grecques);
    menuSaisie_->FixerGrecques(grecques);
    if (!grecques) selecteur_->hide();
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
    minuterie_.stop();
    // The children go after this object: none may call back into it meanwhile.
    disconnect(zone_, nullptr, this, nullptr);
    zone_->removeEventFilter(this);
    for (QMdiSubWindow* s : sousFenetres_)
        if (s) s->removeEventFilter(this);
    for (QAction* a : barre_->actions())
        if (QWidget* w = barre_->widgetForAction(a)) w->removeEventFilter(this);
    if (sousFeuille_) sousFeuille_->removeEventFilter(this);
    delete imprimante_;
}

void FenetrePrincipale::FixerDialogues(DialoguesFichier* dialogues) {
    dialogues_ = dialogues;
    ActualiserMenus();
    ActualiserHistorique();
}

QMdiSubWindow* FenetrePrincipale::SousFenetre(int numero) const {
    return numero >= 1 && numero <= 16 ? sousFenetres_[numero - 1] : nullptr;
}

FenetreFeuille* FenetrePrincipale::Feuille() const {
    return feuille_.data();
}

// --- Menus and icons ------------------------------------------------------------------------

void FenetrePrincipale::CreerMenus() {
    for (const ElementMenu& e : MenusDuBureau()) {
        const QString texte = TexteCommande(e.commande);
        if (e.menu == e.commande && EstMenu(e.commande)) {
            QMenu* m = menuBar()->addMenu(texte);
            menus_.insert(e.commande, m);
            actions_.insert(e.commande, m->menuAction());
            continue;
        }
        if (e.menu == e.commande) { // "&Paramètres": a command of the bar itself
            QAction* a = menuBar()->addAction(texte);
            actions_.insert(e.commande, a);
            connect(a, &QAction::triggered, this, [this, c = e.commande] { Executer(c); });
            continue;
        }
        QMenu* parent = menus_.value(e.menu);
        if (e.separateurAvant) parent->addSeparator();
        if (EstMenu(e.commande)) {
            QMenu* m = parent->addMenu(texte);
            menus_.insert(e.commande, m);
            actions_.insert(e.commande, m->menuAction());
            continue;
        }
        QAction* a = parent->addAction(texte);
        a->setObjectName(QString::number(static_cast<int>(e.commande)));
        if (e.touche && !e.toucheAffichee)
            a->setShortcut(QKeySequence(QString::fromLatin1(e.touche)));
        a->setVisible(e.visible);
        actions_.insert(e.commande, a);
        connect(a, &QAction::triggered, this, [this, c = e.commande] { Executer(c); });
    }
    actions_.value(C::MasquerIconesInfo)->setCheckable(true);
    separateurHistorique_ = menus_.value(C::MenuFichier)->addSeparator();
    separateurHistorique_->setVisible(false);

    // The window actions that only the pop-up menus offer.
    for (C c : ActionsFenetre(0)) {
        if (actions_.contains(c)) continue;
        auto* a = new QAction(TexteCommande(c), this);
        a->setStatusTip(BulleAction(c));
        a->setToolTip(BulleAction(c).isEmpty() ? a->text() : BulleAction(c));
        actions_.insert(c, a);
        connect(a, &QAction::triggered, this, [this, c] { Executer(c); });
    }
}

void FenetrePrincipale::CreerIcones() {
    barre_ = addToolBar(tr("Barre des icônes"));
    barre_->setObjectName(QStringLiteral("BarreIcones"));
    barre_->setMovable(false);
    const QHash<C, QStyle::StandardPixmap> standards = {
        {C::Nouveau, QStyle::SP_FileIcon},
        {C::Ouvrir, QStyle::SP_DialogOpenButton},
        {C::EnregistrerSous, QStyle::SP_DialogSaveButton},
        {C::Sommaire, QStyle::SP_DialogHelpButton},
        {C::Quitter, QStyle::SP_DialogCloseButton},
        {C::RafraichirFenetre, QStyle::SP_BrowserReload},
    };
    for (const IconeBureau& i : IconesDuBureau()) {
        const QString bulle = QCoreApplication::translate("MenusBureau", i.bulle);
        QIcon image;
        if (i.legende)
            image = IconeTexte(QString::fromUtf8(i.legende));
        else if (standards.contains(i.commande))
            image = style()->standardIcon(standards.value(i.commande));
        else
            image = IconeTexte(Initiales(bulle));
        QAction* a = barre_->addAction(image, bulle);
        a->setObjectName(QString::fromLatin1(i.nom));
        a->setToolTip(bulle);
        a->setVisible(i.visibleParDefaut);
        if (QWidget* w = barre_->widgetForAction(a)) {
            w->setObjectName(QString::fromLatin1(i.nom));
            w->setAccessibleName(bulle);
            w->installEventFilter(this); // its hint is placed by the desk
        }
        icones_.insert(i.commande, a);
        if (i.commande == C::ChoisirMosaique || i.commande == C::ChoisirCalibrage) {
            const int tag = i.commande == C::ChoisirMosaique ? 200 : 100;
            connect(a, &QAction::triggered, this, [this, a, tag] { MontrerPopup(a, tag); });
        } else {
            if (i.commande == C::NotationIngenieur) {
                a->setCheckable(true);
                a->setChecked(travail_.nombres.ingenieur);
            }
            connect(a, &QAction::triggered, this, [this, c = i.commande] { Executer(c); });
        }
    }
}

void FenetrePrincipale::MontrerPopup(QAction* icone, int tag) {
    QMenu popup(this);
    for (C c : ActionsFenetre(tag))
        popup.addAction(actions_.value(c));
    QWidget* bouton = barre_->widgetForAction(icone);
    popup.exec(bouton ? bouton->mapToGlobal(QPoint(0, bouton->height())) : QCursor::pos());
}

bool FenetrePrincipale::Construite(Commande commande) const {
    switch (commande) {
    case C::Ouvrir:
    case C::Enregistrer:
    case C::EnregistrerSous:
        return dialogues_ != nullptr;
    case C::Nouveau:
    case C::ConfigurerImprimante:
    case C::Quitter:
    case C::Coller:
    case C::FeuilleCalcul:
    case C::LancerCalculs:
    case C::AcquerirSignaux:
    case C::Parametres:
    case C::EchellesAbscisse:
    case C::NouvelleFenetre:
    case C::SupprimerFenetre:
    case C::RafraichirFenetre:
    case C::TitreFenetre:
    case C::MasquerIconesInfo:
    case C::Sommaire:
    case C::ServicesQuandrel:
    case C::Ressources:
    case C::APropos:
    case C::BasculerPleinEcran:
    case C::NotationIngenieur:
    case C::Annuler:
    case C::Loupe:
    case C::AnnulerLoupe:
    case C::CalibrageGlobal:
    case C::CalibrageCourbeActive:
    case C::CalibrageOrdonnee:
    case C::CalibrageAbscisse:
    case C::RepereOrthonorme:
    case C::AnnulerCalibrage:
    case C::PleinEcran:
    case C::MosaiqueGenerale:
    case C::MosaiquesPredefinies:
    case C::EffacerFenetre:
    case C::ViderFenetre:
        return true;
    default:
        return EstMenu(commande);
    }
}

void FenetrePrincipale::ActualiserMenus() {
    static const bool imprimante = !QPrinterInfo::availablePrinterNames().isEmpty();
    ContexteMenus contexte;
    contexte.actif = travail_.TableDesFenetres().NbOuvertes() > 0 && !feuilleActive_;
    contexte.contexte = feuilleActive_ ? 1 : 0;
    contexte.imprimante = imprimante;
    contexte.systeme = configuration_.interfacePresente;
    contexte.annulationPossible = !disposition_.Vide();
    const ActivationMenus etats = ActivationMenus::Calculer(contexte);
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        it.value()->setEnabled(etats.Active(it.key()) && Construite(it.key()) &&
                               EtatsFenetre(it.key()));
    for (auto it = icones_.cbegin(); it != icones_.cend(); ++it) {
        bool active = etats.IconesActives() && Construite(it.key()) && EtatsFenetre(it.key());
        if (it.key() == C::MosaiqueGenerale) active = active && etats.IconeMosaiqueActive();
        it.value()->setEnabled(active);
    }
    const bool ouvrir = etats.Active(C::MenuFichier) && Construite(C::Ouvrir);
    for (QAction* a : historique_)
        a->setEnabled(ouvrir);
}

// --- Commands ---------------------------------------------------------------------------------

void FenetrePrincipale::Executer(Commande commande) {
    if (QAction* a = actions_.value(commande, icones_.value(commande)); a && !a->isEnabled())
        return;
    if (!Construite(commande)) return;
    const Commande menu = MenuDe(commande);
    if (menu == C::MenuTraitements || menu == C::MenuExecuter) travail_.modifie = true;
    TableFenetres& table = travail_.TableDesFenetres();
    const int courante = table.FenetreCourante();
    switch (commande) {
    case C::Nouveau:
        NouveauTravail(true);
        break;
    case C::Ouvrir:
    case C::Enregistrer:
    case C::EnregistrerSous:
        CommandeFichier(commande);
        break;
    case C::ConfigurerImprimante: {
        QPageSetupDialog dialogue(imprimante_, this);
        dialogue.exec();
        break;
    }
    case C::Quitter:
        close();
        break;
    case C::Coller:
        QApplication::beep();
        break;
    case C::FeuilleCalcul:
        OuvrirFeuilleCalcul();
        break;
    case C::AcquerirSignaux:
        acquisition_->Lancer();
        break;
    case C::Parametres:
        OuvrirParametres();
        break;
    case C::EchellesAbscisse:
        OuvrirParametres(ModeleParametres::PageFenetres, courante);
        break;
    case C::LancerCalculs:
        travail_.Feuille().etat.inhibitionIgnoree = true;
        travail_.DemanderMiseAJour(demande::LancerFeuille);
        break;
    case C::NouvelleFenetre:
        for (int n = 1; n <= 8; ++n)
            if (!table.Existe(n)) {
                table.Creer(n);
                break;
            }
        SynchroniserFenetres();
        travail_.DemanderMiseAJour(demande::Redessiner);
        break;
    case C::SupprimerFenetre:
        SupprimerFenetre(courante);
        break;
    case C::RafraichirFenetre:
        traitement_.Debloquer();
        travail_.DemanderMiseAJour(demande::Redessiner);
        break;
    case C::TitreFenetre:
        DemanderTitres();
        travail_.DemanderMiseAJour(demande::Redessiner);
        break;
    case C::MasquerIconesInfo:
        MasquerIconesEtInfo(actions_.value(C::MasquerIconesInfo)->isChecked());
        MosaiqueGenerale();
        travail_.DemanderMiseAJour(demande::Redessiner);
        break;
    case C::Sommaire: {
        // F1 over the calculation window opens its own page.
        const DonneesFenetre* f = table.Donnees(courante);
        const char* page = feuilleActive_ && sousFeuille_ && sousFeuille_->isVisible()
                               ? kPageFeuille
                               : (f && f->FenetreImage() ? kPageImages : Aide::Accueil);
        Aide::Ouvrir(QString::fromLatin1(page));
        break;
    }
    case C::ServicesQuandrel:
        // The project has no web address of its own: the page ships with the help.
        Aide::Ouvrir(QString::fromLatin1(kPageServices));
        break;
    case C::Ressources: {
        BoiteRessources boite(this, configuration_.IconeProgramme(),
                              BoiteRessources::MemoireDuSysteme());
        boite.exec();
        break;
    }
    case C::APropos:
        BoiteAPropos::Montrer(this, configuration_.IconeProgramme());
        break;
    case C::BasculerPleinEcran:
        if (QMdiSubWindow* s = SousFenetre(courante)) {
            if (s->isMaximized())
                s->showNormal();
            else
                s->showMaximized();
        }
        break;
    case C::NotationIngenieur:
        travail_.nombres.ingenieur = icones_.value(C::NotationIngenieur)->isChecked();
        travail_.DemanderMiseAJour(demande::RedessinerEtMesurer);
        break;
    default:
        CommandeFenetre(commande);
        break;
    }
    ActualiserMenus();
}

void FenetrePrincipale::CommandeFichier(Commande commande, const QString& nom) {
    if (!dialogues_) return;
    if (commande != C::Ouvrir) {
        // The file keeps the desk and its windows as they are now.
        NoterBureau();
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            NoterGeometrie(n);
        if (feuille_) feuille_->NoterEtat(feuilleAgrandie_, feuilleEnMosaique_);
        const QSize client = ZoneClient();
        if (!client.isEmpty()) {
            travail_.bureau.largeurClient = client.width();
            travail_.bureau.hauteurClient = client.height();
        }
    }
    ResultatCommande resultat;
    if (commande == C::Ouvrir)
        resultat = OuvrirTravail(travail_, *dialogues_, nom);
    else if (commande == C::Enregistrer)
        resultat = EnregistrerTravail(travail_, *dialogues_, travail_.fichierCourant, true);
    else
        resultat = EnregistrerTravail(travail_, *dialogues_, QString(), false);
    if (resultat.fait && !travail_.fichierCourant.isEmpty())
        AjouterHistorique(travail_.fichierCourant);
    if (commande == C::Ouvrir && feuille_) feuille_->Recharger();
    if (commande == C::Ouvrir && resultat.fait) AppliquerBureau();
    if (commande == C::Ouvrir && resultat.fait && travail_.fenetreFeuille) {
        if (!feuille_) OuvrirFeuilleCalcul();
        feuille_->AppliquerEtat(feuilleAgrandie_, feuilleEnMosaique_);
    }
    Actualiser();
    // The windows of the file take the bounds and states it gave them.
    if (commande == C::Ouvrir && resultat.fait) {
        synchronisation_ = true;
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            AppliquerGeometrie(n);
        synchronisation_ = false;
        SynchroniserFenetres();
    }
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
    if (choix == DialogueQuitter::Enregistrer) CommandeFichier(C::Enregistrer);
}

void FenetrePrincipale::OuvrirFichier(const QString& nom) {
    if (Construite(C::Ouvrir)) CommandeFichier(C::Ouvrir, nom);
}

void FenetrePrincipale::NouveauTravail(bool confirmer) {
    if (confirmer && travail_.TableDesFenetres().NbOuvertes() > 0 &&
        !travail_.hote().Question(tr("Réinitialisation complète")))
        return;
    travail_.fichierCourant.clear();
    travail_.demarrage = true;
    travail_.ReinitialiserTravail(0, Travail::Redessiner | Travail::ToutReconstruire |
                                         Travail::RechargerFeuille | Travail::EffacerNotes);
    // The new windows are built out of sight, over the whole screen.
    auto* rideau = findChild<Rideau*>(QString(), Qt::FindDirectChildrenOnly);
    if (rideau)
        rideau->Couvrir();
    else
        rideau = new Rideau(this);
    if (isVisible())
        showMaximized();
    else
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    SynchroniserFenetres();
    // The calculation window waits, hidden, to come back over the whole desk.
    // (Maximised while hidden, it would make the area maximise the curve windows.)
    if (sousFeuille_) {
        sousFeuille_->hide();
        feuilleAgrandie_ = true;
    }
    travail_.demarrage = false;
    rideau->hide();
    travail_.modifie = false;
    if (feuille_) feuille_->Recharger();
    Actualiser();
}

void FenetrePrincipale::AppliquerTeinte(QWidget* dialogue, int numero) {
    const Teintes::Teinte& t = Teintes::Numero(numero);
    const QPalette systeme = QApplication::palette();
    const auto choisir = [&](std::int32_t couleur, QPalette::ColorRole role) {
        return t.couleursSysteme ? systeme.color(role) : DepuisWindows(couleur);
    };
    const QColor forme = choisir(t.forme, QPalette::Button);
    const QColor groupe = choisir(t.groupe, QPalette::Button);
    const QColor texteGroupe = choisir(t.texteGroupe, QPalette::Highlight);
    const QColor texteInterne = choisir(t.texteInterne, QPalette::WindowText);
    // A widget that chose its own colours keeps them; the ones painted here are marked so
    // that the next shade replaces theirs.
    const char* marque = "teinteBureau";
    const auto peindre = [marque](QWidget* w, std::initializer_list<QPalette::ColorRole> roles,
                                  const QColor& couleur, bool fond) {
        if (w->testAttribute(Qt::WA_SetPalette) && !w->property(marque).toBool()) return;
        QPalette p = w->palette();
        for (QPalette::ColorRole role : roles)
            p.setColor(role, couleur);
        w->setPalette(p);
        w->setProperty(marque, true);
        if (fond) w->setAutoFillBackground(true);
    };
    peindre(dialogue, {QPalette::Window}, forme, true);
    for (QGroupBox* g : dialogue->findChildren<QGroupBox*>()) {
        peindre(g, {QPalette::Window}, groupe, true);
        peindre(g, {QPalette::WindowText}, texteGroupe, false);
        for (QWidget* w : g->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
                qobject_cast<QRadioButton*>(w) || qobject_cast<QAbstractItemView*>(w))
                peindre(w, {QPalette::WindowText, QPalette::Text}, texteInterne, false);
    }
}

void FenetrePrincipale::OuvrirFeuilleCalcul() {
    if (!feuille_) {
        feuille_ = new FenetreFeuille(travail_);
        sousFeuille_ = zone_->addSubWindow(feuille_);
        // Closed, it is only hidden: it keeps its fonts and colours for the next time.
        sousFeuille_->setAttribute(Qt::WA_DeleteOnClose, false);
        sousFeuille_->installEventFilter(this);
        // First shown over the right half of the desk, whole.
        const QSize client = ZoneClient();
        if (client.width() >= 300 && client.height() >= 200)
            sousFeuille_->setGeometry(client.width() / 2, 0, client.width() / 2, client.height());
        // Its own menu saves while the desk's file items wait for a curve window.
        connect(feuille_, &FenetreFeuille::enregistrerDemande, this,
                [this] { CommandeFichier(C::Enregistrer); });
        connect(feuille_, &FenetreFeuille::enregistrerSousDemande, this,
                [this] { CommandeFichier(C::EnregistrerSous); });
        connect(feuille_, &FenetreFeuille::tableurDemande, this,
                [this] { Executer(C::ModeTableur); });
        connect(feuille_, &FenetreFeuille::fenetreDemandee, this, [this](const QString& texte) {
            const int index =
                static_cast<int>(textesBureau::Onglets(travail_.TableDesFenetres()).indexOf(texte));
            if (index >= 2) MontrerFenetreDeLOnglet(index);
        });
        // Its own runs go under the input filter too.
        connect(feuille_, &FenetreFeuille::calculEnCours, this, [this](bool enCours) {
            filtre_->Activer(enCours);
            if (!enCours && !filtre_->Actif() && travail_.Demandes()) ArmerInactif();
        });
        connect(feuille_, &FenetreFeuille::aideDemandee, this,
                [] { Aide::Ouvrir(QString::fromLatin1(kPageFeuille)); });
    }
    feuille_->show();
    if (feuilleAgrandie_)
        sousFeuille_->showMaximized();
    else
        sousFeuille_->show();
    feuilleAgrandie_ = false;
    zone_->setActiveSubWindow(sousFeuille_);
    ActualiserOnglets(false);
}

void FenetrePrincipale::DemanderTitres() {
    DialogueTitresFenetres dialogue(travail_.TableDesFenetres(), this);
    if (dialogue.exec() != QDialog::Accepted) return;
    SynchroniserFenetres();
    ActualiserOnglets(true);
}

void FenetrePrincipale::MasquerIconesEtInfo(bool masquer) {
    barre_->setVisible(!masquer);
    statusBar()->setVisible(!masquer);
    actions_.value(C::MasquerIconesInfo)->setChecked(masquer);
}

// --- What the desk shows ----------------------------------------------------------------------

void FenetrePrincipale::Actualiser() {
    AppliquerOptions();
    SynchroniserFenetres();
    ActualiserMenus();
    ActualiserOnglets(true);
    ActualiserTitre();
    ActualiserHistorique();
    AfficherLigneSysteme(QString());

    // The external modules found at start-up, after a separator. Programs are started; the
    // processing libraries wait for their runner and are listed disabled.
    QMenu* executer = menus_.value(C::MenuExecuter);
    for (QAction* a : modules_) {
        executer->removeAction(a);
        a->deleteLater();
    }
    modules_.clear();
    const auto& liste = configuration_.modulesExternes.Liste();
    if (!liste.isEmpty()) modules_ << executer->addSeparator();
    for (const auto& module : liste) {
        QAction* a = executer->addAction(module.titre);
        const bool bibliotheque =
            module.chemin.endsWith(QStringLiteral(".so"), Qt::CaseInsensitive) ||
            module.chemin.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive);
        a->setEnabled(!bibliotheque);
        const QString chemin = module.chemin;
        connect(a, &QAction::triggered, this, [this, chemin] { LancerModule(chemin); });
        modules_ << a;
    }
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

void FenetrePrincipale::ActualiserTitre() {
    setWindowTitle(textesBureau::Titre(travail_.fichierCourant));
}

void FenetrePrincipale::AjouterHistorique(const QString& nom) {
    if (!configuration_.historique) return;
    historiqueFichiers::Ajouter(*configuration_.historique, nom);
    ActualiserHistorique();
}

void FenetrePrincipale::ActualiserHistorique() {
    QMenu* fichier = menus_.value(C::MenuFichier);
    // An item may be the one being triggered: it goes once its signal has returned.
    for (QAction* a : historique_) {
        fichier->removeAction(a);
        a->deleteLater();
    }
    historique_.clear();
    const QStringList noms = configuration_.historique.value_or(QStringList());
    for (const QString& nom : noms) {
        QString legende = historiqueFichiers::Legende(nom);
        legende.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = fichier->addAction(legende);
        a->setData(nom);
        a->setToolTip(nom);
        connect(a, &QAction::triggered, this, [this, nom] { OuvrirFichier(nom); });
        historique_ << a;
    }
    separateurHistorique_->setVisible(!historique_.isEmpty());
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

void FenetrePrincipale::ActualiserOnglets(bool reconstruire) {
    QTabBar* onglets = etat_->OngletsFenetres();
    const TableFenetres& table = travail_.TableDesFenetres();
    const QStringList textes = textesBureau::Onglets(table);
    QStringList actuels;
    for (int i = 0; i < onglets->count(); ++i)
        actuels << onglets->tabText(i);
    const QSignalBlocker bloque(onglets);
    if (reconstruire || actuels != textes) {
        while (onglets->count() > 0)
            onglets->removeTab(0);
        for (const QString& t : textes)
            onglets->addTab(t);
    }
    // The sheet window shows the same window tabs under its panes.
    if (feuille_) feuille_->FixerFenetres(textes.mid(2));
    const bool feuilleMontree = feuilleActive_ && sousFeuille_ && sousFeuille_->isVisible();
    const int index = feuilleMontree ? 0 : textesBureau::OngletCourant(table);
    if (index >= 0) onglets->setCurrentIndex(index);
}

void FenetrePrincipale::OngletClique(int index) {
    if (etat_->Classeur()->currentIndex() != LigneEtat::PageFenetres || index < 0) return;
    // Leaving "Calcul" closes a calculation window that fills the desk (not in mosaic mode);
    // the window may refuse while its sheet does not compute.
    const bool quitteCalcul = etat_->OngletsFenetres()->currentIndex() == 0 && index != 0;
    if (quitteCalcul && sousFeuille_ && sousFeuille_->isVisible() && sousFeuille_->isMaximized())
        sousFeuille_->close();
    if (index == 0) {
        Executer(C::FeuilleCalcul);
        return;
    }
    if (index == 1) {
        Executer(C::ModeTableur);
        return;
    }
    MontrerFenetreDeLOnglet(index);
}

void FenetrePrincipale::MontrerFenetreDeLOnglet(int index) {
    TableFenetres& table = travail_.TableDesFenetres();
    const int numero = textesBureau::FenetreDeLOnglet(table, index);
    QMdiSubWindow* s = SousFenetre(numero);
    if (!s) return;
    table.Activer(numero);
    s->show();
    s->raise();
    zone_->setActiveSubWindow(s);
    travail_.DemanderMiseAJour(demande::Redessiner);
}

// --- Windows ----------------------------------------------------------------------------------

QSize FenetrePrincipale::ZoneClient() const {
    const QSize taille = zone_->contentsRect().size();
    return {std::max(0, taille.width() - geometrieBureau::Marge),
            std::max(0, taille.height() - geometrieBureau::Marge)};
}

void FenetrePrincipale::SynchroniserFenetres() {
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
            s = zone_->addSubWindow(CreerCourbe(n));
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
    if (courante && !feuilleActive_ && zone_->activeSubWindow() != courante)
        zone_->setActiveSubWindow(courante);
    synchronisation_ = false;
    ActualiserOnglets(false);
}

void FenetrePrincipale::FermerSousFenetre(int numero) {
    QMdiSubWindow*& s = sousFenetres_[numero - 1];
    if (!s) return;
    s->removeEventFilter(this);
    zone_->removeSubWindow(s);
    s->deleteLater();
    s = nullptr;
}

void FenetrePrincipale::AppliquerGeometrie(int numero) {
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

void FenetrePrincipale::NoterGeometrie(int numero) {
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

void FenetrePrincipale::ClientChange() {
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
        synchronisation_ = true;
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            AppliquerGeometrie(n);
        synchronisation_ = false;
    }
    client_ = nouveau;
    travail_.bureau.largeurClient = nouveau.width();
    travail_.bureau.hauteurClient = nouveau.height();
}

void FenetrePrincipale::FenetreActivee(QMdiSubWindow* sous) {
    if (synchronisation_) return;
    if (!sous) {
        // The calculation window closed with no other window taking its place.
        if (feuilleActive_ && !(sousFeuille_ && sousFeuille_->isVisible())) {
            feuilleActive_ = false;
            ActualiserMenus();
        }
        return;
    }
    feuilleActive_ = sous == sousFeuille_;
    const int numero = sous->property("numero").toInt();
    TableFenetres& table = travail_.TableDesFenetres();
    if (numero && table.Existe(numero) && table.FenetreCourante() != numero) table.Activer(numero);
    ActualiserMenus();
    ActualiserOnglets(false);
}

void FenetrePrincipale::MontrerBulle(QWidget* bouton) {
    if (bouton->toolTip().isEmpty()) return;
    QToolTip::showText(bouton->mapToGlobal(QPoint(0, bouton->height())), bouton->toolTip(), bouton);
    QWidget* bulle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible()) bulle = w;
    if (!bulle) return;
    // Just below the icon, or above it when the current window fills the desk.
    const QMdiSubWindow* courante = SousFenetre(travail_.TableDesFenetres().FenetreCourante());
    const bool dessus = courante && courante->isMaximized();
    bulle->move(
        bouton->mapToGlobal(dessus ? QPoint(0, -bulle->height()) : QPoint(0, bouton->height())));
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::ToolTip && objet->isWidgetType() && barre_ &&
        objet->parent() == barre_) {
        MontrerBulle(static_cast<QWidget*>(objet));
        return true;
    }
    if (objet == zone_) {
        if (event->type() == QEvent::Resize) ClientChange();
        return QMainWindow::eventFilter(objet, event);
    }
    // Only its own hiding counts, not the desk's.
    if (objet == sousFeuille_ && event->type() == QEvent::Hide && feuilleActive_ &&
        sousFeuille_->isHidden()) {
        // The calculation window closed: the curve windows' menus come back.
        feuilleActive_ = false;
        ActualiserMenus();
        return QMainWindow::eventFilter(objet, event);
    }
    auto* s = qobject_cast<QMdiSubWindow*>(objet);
    const int numero = s ? s->property("numero").toInt() : 0;
    if (!numero || synchronisation_) return QMainWindow::eventFilter(objet, event);
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
    return QMainWindow::eventFilter(objet, event);
}

void FenetrePrincipale::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    NoterBureau();
}

void FenetrePrincipale::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    NoterBureau();
    // Larger windows draw slower: the next acquisition measures again.
    if (acquisition_) acquisition_->ReinitialiserCoutDessin();
}

void FenetrePrincipale::NoterBureau() {
    EtatBureau& bureau = travail_.bureau;
    bureau.etat = isMaximized() ? EtatBureau::Maximise
                                : (isMinimized() ? EtatBureau::Minimise : EtatBureau::Normal);
    if (const QScreen* ecran = screen()) {
        bureau.largeurEcran = ecran->size().width();
        bureau.hauteurEcran = ecran->size().height();
    }
    if (bureau.etat != EtatBureau::Normal) return;
    bureau.gauche = x();
    bureau.haut = y();
    bureau.largeur = width();
    bureau.hauteur = height();
}

void FenetrePrincipale::AppliquerBureau() {
    // Moving the desk notes its frame again: the values go first.
    const EtatBureau b = travail_.bureau;
    if (b.etat == EtatBureau::Maximise) {
        if (isVisible())
            showMaximized();
        else
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    // A desk saved minimised opens normal: a file must not hide the program.
    if (isVisible() && (isMaximized() || isMinimized()))
        showNormal();
    else
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    QRect cadre(b.gauche, b.haut, std::max(b.largeur, 200), std::max(b.hauteur, 150));
    // A frame saved on a larger screen stays reachable.
    if (const QScreen* ecran = screen()) {
        const QRect ecrans = ecran->availableVirtualGeometry();
        cadre.setSize(cadre.size().boundedTo(ecrans.size()));
        cadre.moveLeft(std::clamp(cadre.left(), ecrans.left(),
                                  std::max(ecrans.left(), ecrans.right() + 1 - cadre.width())));
        cadre.moveTop(std::clamp(cadre.top(), ecrans.top(),
                                 std::max(ecrans.top(), ecrans.bottom() + 1 - cadre.height())));
    }
    move(cadre.topLeft());
    resize(cadre.size());
}

void FenetrePrincipale::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) NoterBureau();
    // Back to the desk: everything is drawn again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        travail_.DemanderMiseAJour(demande::Redessiner);
}

// --- Idle processing --------------------------------------------------------------------------

void FenetrePrincipale::ArmerInactif() {
    if (!minuterie_.isActive()) minuterie_.start();
}

void FenetrePrincipale::Inactif() {
    // The work that runs lets events through: the requests wait until it ends.
    if (filtre_->Actif()) return;
    if (travail_.TableDesFenetres().NbOuvertes() == 0) return;
    SynchroniserFenetres();
    if (travail_.Demandes()) TraiterDemandes();
}

void FenetrePrincipale::TraiterDemandes() {
    traitement_.Traiter();
    SynchroniserFenetres();
}

void FenetrePrincipale::VerifierIntervalle() {
    // The system line quotes the minimal period of the channels now in service.
    CoucheInterface& couche = travail_.Interface();
    if (!couche.SansSysteme())
        regles::PeriodeMinimaleAcquisition(couche, regles::CompterVoies(travail_.Variables()),
                                           std::max<int>(travail_.Parametres().echantillons, 1));
    AfficherLigneSysteme(QString());
}

void FenetrePrincipale::ChangerNbPoints() {
    TableVariables& table = travail_.Variables();
    const TypeId* nbpoint = table.Variable(table.IndexVariable(QStringLiteral("NBPOINT")));
    if (!nbpoint) return;
    const double valeur = nbpoint->LirePoint(0);
    if (std::isfinite(valeur) && valeur >= 1 && valeur <= 0xFFFF)
        table.ChangerNbPoints(static_cast<int>(std::lround(valeur)), true);
}

void FenetrePrincipale::LancerFeuille() {
    filtre_->Activer(true);
    travail_.Feuille().LancerFeuille(0);
    filtre_->Activer(false);
    if (feuille_) feuille_->RafraichirResultats();
    if (!filtre_->Actif() && travail_.Demandes()) ArmerInactif();
}

void FenetrePrincipale::ResoudreAxes(int fenetre) {
    travail_.TableDesFenetres().ResoudreAxes(fenetre, travail_.Variables());
}

void FenetrePrincipale::DessinerCadre(int fenetre) {
    if (TFenCourbe* c = Courbe(fenetre)) c->DessinerCadre();
}

void FenetrePrincipale::DessinerCommentaires(int fenetre) {
    if (TFenCourbe* c = Courbe(fenetre)) c->DessinerCommentaires();
}

void FenetrePrincipale::DessinerCourbes(int fenetre) {
    if (TFenCourbe* c = Courbe(fenetre)) c->DessinerCourbes();
}

bool FenetrePrincipale::PleinEcran(int fenetre) const {
    const QMdiSubWindow* s = SousFenetre(fenetre);
    return s && s->isMaximized();
}

} // namespace pelavorine
