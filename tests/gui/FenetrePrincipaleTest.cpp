#include "gui/app/FenetrePrincipale.h"
#include "BoitesAuto.h"
#include "ChoixFenetreAuto.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/files/CommandesFichier.h"
#include "core/files/DialoguesFichier.h"
#include "core/store/Demandes.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "gui/app/DialogueQuitter.h"
#include "gui/app/DialogueTitresFenetres.h"
#include "gui/app/LigneEtat.h"
#include "gui/app/Rideau.h"
#include "gui/app/TableCommandes.h"
#include "gui/calc/EditeurFeuille.h"
#include "gui/calc/FenetreFeuille.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/ui/FiltreEntrees.h"
#include "gui/ui/HoteBureau.h"
#include "gui/ui/MenuSaisie.h"
#include "gui/ui/SaisieGrecque.h"
#include "gui/ui/SelecteurGrec.h"
#include "gui/windows/TFenCourbe.h"

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUrl>
#include <QtTest>
#include <memory>

using namespace pelavorine;
using C = Commande;

namespace {

void Cliquer(QWidget* dialogue, const QString& texte) {
    for (QPushButton* bouton : dialogue->findChildren<QPushButton*>())
        if (bouton->text() == texte) bouton->click();
}

// File dialogs that answer without asking: every dialog is cancelled.
class DialoguesMuets : public DialoguesFichier {
public:
    int ouvertures = 0;
    ChoixOuverture DemanderOuverture() override {
        ++ouvertures;
        return {};
    }
    ChoixEnregistrement DemanderEnregistrement(const QString&, const QString&) override {
        ++enregistrements;
        return {nomEnregistrement, {}, false};
    }
    QString nomEnregistrement;
    int enregistrements = 0;
    bool ReglerExportTexte(ReglagesExportTexte&) override { return false; }
};

// Counts the events of one type an object receives.
struct Compteur : QObject {
    QEvent::Type type;
    int nombre = 0;
    Compteur(QObject* cible, QEvent::Type t) : type(t) { cible->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == type) ++nombre;
        return false;
    }
};

// Help pages opened through the desktop's handler, noted instead of shown.
class PagesOuvertes : public QObject {
    Q_OBJECT
public:
    QStringList fichiers;
    PagesOuvertes() { QDesktopServices::setUrlHandler("file", this, "Noter"); }
    ~PagesOuvertes() override { QDesktopServices::unsetUrlHandler("file"); }
public slots:
    void Noter(const QUrl& url) { fichiers << QFileInfo(url.toLocalFile()).fileName(); }
};

// A desk over a fresh work, with folders of its own.
struct Bureau {
    QTemporaryDir dossier;
    Configuration configuration{
        {dossier.path(), dossier.path(), dossier.path(), dossier.path(), dossier.path()}};
    HoteBureau hote;
    Travail travail{hote};
    DialoguesMuets dialogues;
    std::unique_ptr<FenetrePrincipale> fenetre;

    explicit Bureau(bool avecDialogues = true) {
        fenetre = std::make_unique<FenetrePrincipale>(travail, configuration);
        hote.FixerParent(fenetre.get());
        if (avecDialogues) fenetre->FixerDialogues(&dialogues);
        // The requests of the new work are handled before each test looks.
        QTRY_COMPARE(travail.Demandes(), 0);
    }
    ~Bureau() { fenetre.reset(); }

    QStringList Onglets() const {
        QStringList textes;
        QTabBar* t = fenetre->Etat()->OngletsFenetres();
        for (int i = 0; i < t->count(); ++i)
            textes << t->tabText(i);
        return textes;
    }
    void Ouvrir(std::initializer_list<int> numeros) {
        for (int n : numeros)
            travail.TableDesFenetres().Creer(n);
        fenetre->SynchroniserFenetres();
    }
};

} // namespace

class FenetrePrincipaleTest : public QObject {
    Q_OBJECT
private slots:
    void menusOfAFreshWork() {
        Bureau b;
        QStringList barre;
        for (QAction* a : b.fenetre->menuBar()->actions())
            barre << a->text();
        QCOMPARE(barre,
                 (QStringList{"&Fichier", "&Edition", "&Matériel", "E&xécuter", "&Traitements",
                              "&Outils", "&Paramètres", "Fe&nêtres", "Action", "&Aide"}));

        struct Cas {
            C commande;
            QString texte;
            QString touche;
            bool active;
        };
        const QList<Cas> cas = {
            {C::Nouveau, "&Nouveau", "", true},
            {C::Ouvrir, "&Ouvrir", "Ctrl+O", true},
            {C::Enregistrer, "&Enregistrer", "Ctrl+S", true},
            {C::EnregistrerSous, "En&registrer sous...", "", true},
            {C::Quitter, "&Quitter", "Ctrl+Q", true},
            {C::Annuler, "&Annuler", "Ctrl+Z", false},
            {C::ModeTableur, "&Mode Tableur", "F11", false},
            {C::FeuilleNotes, "Feuille de &notes", "Ctrl+N", false},
            {C::LireImage, "&Lire image ou séquence vidéo", "", false},
            {C::TesterSysteme, "Tester système", "", false},
            {C::AcquerirSignaux, "&Acquérir signaux", "F10", true},
            {C::FeuilleCalcul, "&Feuille de calcul", "F3", true},
            {C::LancerCalculs, "&Lancer les calculs", "F2", true},
            {C::SyntheseHarmonique, "&Synthèse harmonique", "F7", false},
            {C::MesuresAutomatiques, "&Mesures automatiques", "Ctrl+A", false},
            {C::Parametres, "&Paramètres", "", true},
            {C::RafraichirFenetre, "Rafraîchir la fenêtre", "F8", true},
            {C::TitreFenetre, "Titre de fenêtre", "", true},
            {C::DefinirAction, "Définir une action de calcul", "", false},
            {C::Sommaire, "&Sommaire", "F1", true},
        };
        for (const Cas& c : cas) {
            QAction* a = b.fenetre->Action(c.commande);
            QVERIFY2(a, qPrintable(c.texte));
            QCOMPARE(a->text(), c.texte);
            QCOMPARE(a->shortcut().toString(), c.touche);
            QVERIFY2(a->isEnabled() == c.active, qPrintable(c.texte));
        }
        QVERIFY(!b.fenetre->Action(C::Copier)->isVisible());
        QVERIFY(!b.fenetre->Action(C::Coller)->isVisible());
        QCOMPARE(b.fenetre->Menu(C::MenuFleches)->actions().last()->text(),
                 QStringLiteral("&Droites"));

        // The icons: hint, default visibility.
        QCOMPARE(b.fenetre->Icone(C::Ouvrir)->toolTip(), QStringLiteral("Ouvrir un fichier"));
        QVERIFY(b.fenetre->Icone(C::Ouvrir)->isVisible());
        QVERIFY(!b.fenetre->Icone(C::Nouveau)->isVisible());
        QCOMPARE(b.fenetre->Icone(C::AnnulerCalibrage)->toolTip(),
                 QStringLiteral("Annuler calibrage "));
        QVERIFY(b.fenetre->Icone(C::NotationIngenieur)->isChecked());
        QVERIFY(!b.fenetre->Icone(C::Reticule)->isEnabled());

        // Without file dialogs the file commands cannot run.
        Bureau sans(false);
        QVERIFY(!sans.fenetre->Action(C::Ouvrir)->isEnabled());
        QVERIFY(sans.fenetre->Action(C::Nouveau)->isEnabled());
    }

    void tabsFollowTheOpenWindows() {
        Bureau b;
        b.Ouvrir({3, 9});
        QCOMPARE(b.Onglets(), (QStringList{"Calcul", "Tableur", "n° 1", "n° 3", "n° A1"}));
        QTabBar* onglets = b.fenetre->Etat()->OngletsFenetres();
        QCOMPARE(onglets->currentIndex(), 4);
        QCOMPARE(b.fenetre->SousFenetre(9)->windowTitle(),
                 QStringLiteral("Fenêtre d'analyse n° 1"));
        QCOMPARE(b.fenetre->Zone()->subWindowList().size(), 3);

        // Clicking a window's tab makes it current and redraws.
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(3).center());
        QCOMPARE(b.travail.TableDesFenetres().FenetreCourante(), 3);
        QCOMPARE(b.fenetre->Zone()->activeSubWindow(), b.fenetre->SousFenetre(3));
        QCOMPARE(onglets->currentIndex(), 3);

        // The close box removes the window from the work.
        b.fenetre->SousFenetre(3)->close();
        QVERIFY(!b.travail.TableDesFenetres().Existe(3));
        QCOMPARE(b.Onglets(), (QStringList{"Calcul", "Tableur", "n° 1", "n° A1"}));
    }

    void calculationWindowAndStatusLines() {
        Bureau b;
        // The system line names the no-system entry by its display name.
        QCOMPARE(b.fenetre->Etat()->Systeme()->text(), QStringLiteral(" AUCUN SYSTÈME"));
        QCOMPARE(b.fenetre->Etat()->PointCourant()->text(), QStringLiteral("1/20"));
        QStackedWidget* classeur = b.fenetre->Etat()->Classeur();
        QCOMPARE(classeur->currentIndex(), int(LigneEtat::PageFenetres));
        // A text on the info line brings its page forward until the line is cleared.
        b.hote.LigneInfo(QStringLiteral("Ligne 1 / 3"));
        QCOMPARE(classeur->currentIndex(), int(LigneEtat::PageInfo));
        QCOMPARE(b.fenetre->Etat()->Info()->text(), QStringLiteral("Ligne 1 / 3"));
        b.hote.LigneInfo(QString());
        QCOMPARE(classeur->currentIndex(), int(LigneEtat::PageFenetres));

        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        b.fenetre->Action(C::FeuilleCalcul)->trigger();
        QVERIFY(b.fenetre->Feuille());
        QCOMPARE(b.fenetre->Etat()->OngletsFenetres()->currentIndex(), 0);
        // The calculation window is the active form: the curve-window menus wait.
        QVERIFY(!b.fenetre->Action(C::Enregistrer)->isEnabled());
        QVERIFY(b.fenetre->Action(C::Ouvrir)->isEnabled());
        b.fenetre->Zone()->setActiveSubWindow(b.fenetre->SousFenetre(1));
        QVERIFY(b.fenetre->Action(C::Enregistrer)->isEnabled());
        QCOMPARE(b.fenetre->Etat()->OngletsFenetres()->currentIndex(), 2);

        // F1 opens the page of the active form.
        PagesOuvertes pages;
        b.fenetre->Zone()->setActiveSubWindow(b.fenetre->SousFenetre(1));
        b.fenetre->Executer(C::Sommaire);
        b.fenetre->Executer(C::FeuilleCalcul);
        b.fenetre->Executer(C::Sommaire);
        b.fenetre->Executer(C::ServicesQuandrel);
        QCOMPARE(pages.fichiers,
                 (QStringList{"Accueil.htm", "FeuilleDeCalcul.htm", "Services.htm"}));

        // The sheet window's own tabs follow the open windows and lead to them.
        b.Ouvrir({3});
        QTabBar* onglets = b.fenetre->Feuille()->Onglets();
        QTRY_COMPARE(onglets->count(), 4);
        QCOMPARE(onglets->tabText(3), QStringLiteral("n° 3"));
        b.fenetre->Zone()->setActiveSubWindow(b.fenetre->SousFenetre(1));
        onglets->setCurrentIndex(3);
        QCOMPARE(b.travail.TableDesFenetres().FenetreCourante(), 3);
        QCOMPARE(b.fenetre->Zone()->activeSubWindow(), b.fenetre->SousFenetre(3));
    }

    void idleProcessingDrawsEachFrameOnce() {
        Bureau b;
        b.Ouvrir({2, 3});
        QList<int> avant;
        for (int n : {1, 2, 3})
            avant << b.fenetre->Courbe(n)->NbCadres();
        b.travail.DemanderMiseAJour(0x0041);
        QTRY_COMPARE(b.travail.Demandes(), 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(b.fenetre->Courbe(i + 1)->NbCadres(), avant[i] + 1);

        // Without "every window", only the current one (3, opened last) is drawn.
        const int courbes3 = b.fenetre->Courbe(3)->NbCourbes();
        const int courbes2 = b.fenetre->Courbe(2)->NbCourbes();
        b.travail.DemanderMiseAJour(0x0080);
        QTRY_COMPARE(b.travail.Demandes(), 0);
        QCOMPARE(b.fenetre->Courbe(3)->NbCourbes(), courbes3 + 1);
        QCOMPARE(b.fenetre->Courbe(2)->NbCourbes(), courbes2);
    }

    void titleWithTheFileAndRecentFiles() {
        Bureau b;
        b.configuration.historique = QStringList();
        QCOMPARE(b.fenetre->windowTitle(), QStringLiteral(" PELAVORINE 2003"));

        const QString fichier = b.dossier.path() + "/pendule.PL2";
        QVERIFY(EnregistrerTravail(b.travail, b.dialogues, fichier, false).fait);
        for (int i = 1; i <= 8; ++i)
            b.fenetre->AjouterHistorique(b.dossier.path() + QString("/ancien%1.PL2").arg(i));
        const QString longue = "/home/eleve/travaux/pratiques/mecanique/pendule/mesure01.PL2";
        b.fenetre->AjouterHistorique(longue);
        b.fenetre->AjouterHistorique(fichier);
        QList<QAction*> recents = b.fenetre->ActionsHistorique();
        QCOMPARE(recents.size(), 8);
        QCOMPARE(recents[0]->data().toString(), fichier);
        QCOMPARE(recents[1]->text(), QStringLiteral(".../mecanique/pendule/mesure01.PL2"));
        QCOMPARE(recents.last()->data().toString(), b.dossier.path() + "/ancien3.PL2");
        // They follow "&Quitter" and a separator.
        QList<QAction*> items = b.fenetre->Menu(C::MenuFichier)->actions();
        const qsizetype quitter = items.indexOf(b.fenetre->Action(C::Quitter));
        QVERIFY(items[quitter + 1]->isSeparator() && items[quitter + 1]->isVisible());
        QCOMPARE(items[quitter + 2], recents[0]);

        b.fenetre->NouveauTravail(false);
        QVERIFY(b.travail.fichierCourant.isEmpty());
        b.fenetre->ActionsHistorique().first()->trigger();
        QCOMPARE(b.dialogues.ouvertures, 0);
        QCOMPARE(b.travail.fichierCourant, fichier);
        QCOMPARE(b.fenetre->windowTitle(), " PELAVORINE 2003   -  " + fichier);
    }

    void windowTitlesDialogRenamesWindows() {
        Bureau b;
        b.Ouvrir({3});
        b.travail.TableDesFenetres().Donnees(3)->titreUtilisateur = QStringLiteral("Avant");
        QString titre;
        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<DialogueTitresFenetres*>(QApplication::activeModalWidget());
            QVERIFY(d);
            titre = d->windowTitle();
            QCOMPARE(d->Champ(1)->text(), QString());
            QCOMPARE(d->Champ(3)->text(), QStringLiteral("Avant"));
            QVERIFY(!d->Champ(2));
            d->Champ(3)->setText(QStringLiteral("  Pendule simple  "));
            Cliquer(d, QStringLiteral("Annuler"));
        });
        b.fenetre->Executer(C::TitreFenetre);
        QCOMPARE(titre, QStringLiteral(" Titres des fenêtres"));
        QCOMPARE(b.travail.TableDesFenetres().Donnees(3)->titreUtilisateur,
                 QStringLiteral("Avant"));

        QTimer::singleShot(0, this, [&] {
            auto* d = qobject_cast<DialogueTitresFenetres*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->Champ(3)->setText(QStringLiteral("  Pendule simple  "));
            Cliquer(d, QStringLiteral("OK"));
        });
        b.fenetre->Executer(C::TitreFenetre);
        QCOMPARE(b.travail.TableDesFenetres().Donnees(3)->titreUtilisateur,
                 QStringLiteral("Pendule simple"));
        QCOMPARE(b.fenetre->SousFenetre(3)->windowTitle(),
                 QStringLiteral("Fenêtre n° 3 : Pendule simple"));
        QCOMPARE(b.Onglets()[3], QStringLiteral("Pendule simple"));
    }

    void commandsOfTheWindowsMenu() {
        ChoixFenetreAuto choix;
        Bureau b;
        b.fenetre->Executer(C::NouvelleFenetre);
        QVERIFY(b.travail.TableDesFenetres().Existe(2));
        QVERIFY(b.fenetre->Courbe(2));
        b.fenetre->Executer(C::SupprimerFenetre);
        QVERIFY(!b.travail.TableDesFenetres().Existe(2));
        QVERIFY(!b.fenetre->SousFenetre(2));

        b.fenetre->Executer(C::LancerCalculs);
        QVERIFY(b.travail.modifie);
        QCOMPARE(b.travail.Demandes() & 0x0201, 0x0201);
        QTRY_COMPARE(b.travail.Demandes(), 0);

        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        b.fenetre->Action(C::MasquerIconesInfo)->trigger();
        QVERIFY(b.fenetre->Action(C::MasquerIconesInfo)->isChecked());
        QVERIFY(!b.fenetre->BarreIcones()->isVisible());
        QVERIFY(!b.fenetre->Etat()->isVisible());
    }

    void windowCommandsAskForTheWindowNumber() {
        ChoixFenetreAuto choix;
        Bureau b;
        b.Ouvrir({3, 10});
        const TableFenetres& table = b.travail.TableDesFenetres();
        const auto titres = [](std::initializer_list<int> numeros) {
            QStringList t;
            for (int n : numeros)
                t << DonneesFenetre::TitreDe(n);
            return t;
        };

        // "Nouvelle fenêtre" offers the empty slots among 1..8; the one chosen opens, current.
        choix.choix = 5;
        b.fenetre->Executer(C::NouvelleFenetre);
        QCOMPARE(choix.demandes.size(), 1);
        QCOMPARE(choix.demandes[0].titre, QStringLiteral("Créer une fenêtre"));
        QCOMPARE(choix.demandes[0].offerts, titres({2, 4, 5, 6, 7, 8}));
        QCOMPARE(choix.demandes[0].offerts.first(), QStringLiteral("Fenêtre n° 2"));
        QVERIFY(table.Existe(5) && !table.Existe(2));
        QCOMPARE(table.FenetreCourante(), 5);
        QVERIFY(b.fenetre->Courbe(5));
        QCOMPARE(b.travail.Demandes() & demande::Redessiner, int(demande::Redessiner));
        QTRY_COMPARE(b.travail.Demandes(), 0);

        // Cancelled, nothing opens and nothing is asked of the windows.
        choix.choix = 0;
        b.fenetre->Executer(C::NouvelleFenetre);
        QCOMPARE(choix.demandes.size(), 2);
        QCOMPARE(table.NbOuvertes(), 4);
        QCOMPARE(b.travail.Demandes(), 0);

        // "&Supprimer" offers every open window, the current one chosen first; another one
        // chosen goes and the current one stays.
        choix.choix = 3;
        b.fenetre->Executer(C::SupprimerFenetre);
        QCOMPARE(choix.demandes[2].titre, QStringLiteral("Supprimer une fenêtre"));
        QCOMPARE(choix.demandes[2].offerts, titres({1, 3, 5, 10}));
        QCOMPARE(choix.demandes[2].preselection, DonneesFenetre::TitreDe(5));
        QVERIFY(!table.Existe(3) && !b.fenetre->SousFenetre(3));
        QVERIFY(table.Existe(5));
        QTRY_COMPARE(b.travail.Demandes(), 0);
        // An analysis window is found by its title.
        choix.choix = 10;
        b.fenetre->Executer(C::SupprimerFenetre);
        QVERIFY(!table.Existe(10));
        QTRY_COMPARE(b.travail.Demandes(), 0);
        // Cancelled, every window stays.
        choix.choix = 0;
        b.fenetre->Executer(C::SupprimerFenetre);
        QCOMPARE(table.NbOuvertes(), 2);
        QCOMPARE(b.travail.Demandes(), 0);

        // With windows 1..8 open the dialog offers nothing and OK cannot be pressed.
        b.Ouvrir({2, 3, 4, 6, 7, 8});
        choix.choix.reset();
        b.fenetre->Executer(C::NouvelleFenetre);
        QVERIFY(choix.demandes.last().offerts.isEmpty());
        QCOMPARE(table.NbOuvertes(), 8);
        QVERIFY(!table.Existe(9));
    }

    void aCommandIsBuiltByItsHandler() {
        // A capability registers its handler from its own code: its command is built from then
        // on, enabled as its menu allows and its own rule says.
        int executions = 0;
        bool permise = true;
        Bureau b;
        QAction* reticule = b.fenetre->Action(C::Reticule);
        QVERIFY(!reticule->isEnabled());
        b.fenetre->Executer(C::Reticule);
        b.fenetre->Commandes().Enregistrer(
            C::Reticule, {.executer = [&] { ++executions; }, .permise = [&] { return permise; }});
        QCOMPARE(executions, 0);
        b.fenetre->ActualiserMenus();
        QVERIFY(reticule->isEnabled());
        QVERIFY(b.fenetre->Icone(C::Reticule)->isEnabled());
        reticule->trigger();
        b.fenetre->Icone(C::Reticule)->trigger();
        QCOMPARE(executions, 2);

        permise = false;
        b.fenetre->ActualiserMenus();
        QVERIFY(!reticule->isEnabled());
        QVERIFY(!b.fenetre->Icone(C::Reticule)->isEnabled());
        b.fenetre->Executer(C::Reticule);
        QCOMPARE(executions, 2);
        // With the calculation window active, its menu disables it whatever its rule says.
        permise = true;
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        b.fenetre->Executer(C::FeuilleCalcul);
        QVERIFY(!reticule->isEnabled());
    }

    void processingMarksTheWorkAndNewWorkStartsBehindTheCurtain() {
        Bureau b;
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        QVERIFY(!b.travail.modifie);
        b.fenetre->Executer(C::RafraichirFenetre);
        QVERIFY(!b.travail.modifie);
        b.fenetre->Executer(C::FeuilleCalcul);
        QVERIFY(b.travail.modifie);
        auto* sous = qobject_cast<QMdiSubWindow*>(b.fenetre->Feuille()->parentWidget());
        QVERIFY(sous && sous->isVisible() && !sous->isMaximized());

        auto* rideau = new Rideau(b.fenetre.get());
        rideau->hide();
        Compteur couvertures(rideau, QEvent::Show);
        b.fenetre->NouveauTravail(false);
        QCOMPARE(couvertures.nombre, 1);
        QVERIFY(!rideau->isVisible());
        QVERIFY(b.fenetre->isMaximized());
        QVERIFY(!b.travail.modifie);
        QVERIFY(b.fenetre->SousFenetre(1) && !b.fenetre->SousFenetre(1)->isMaximized());
        // The calculation window waits hidden and comes back over the whole desk.
        QVERIFY(!sous->isVisible());
        b.fenetre->Executer(C::FeuilleCalcul);
        QVERIFY(sous->isVisible() && sous->isMaximized());
    }

    void dialogsArePaintedWithTheShade() {
        Bureau b;
        QDialog d;
        auto* groupe = new QGroupBox(QStringLiteral("Groupe"), &d);
        auto* texte = new QLabel(QStringLiteral("x"), groupe);
        auto* propre = new QLabel(QStringLiteral("y"), groupe);
        QPalette p = propre->palette();
        p.setColor(QPalette::WindowText, Qt::darkGreen);
        propre->setPalette(p);
        FenetrePrincipale::AppliquerTeinte(&d, 6); // "Rouge"
        QCOMPARE(d.palette().color(QPalette::Window), QColor(0xF0, 0x50, 0x50));
        QCOMPARE(groupe->palette().color(QPalette::Window), QColor(0xFF, 0x00, 0x00));
        QCOMPARE(groupe->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(texte->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(propre->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
        // Another shade replaces the first one's colours.
        FenetrePrincipale::AppliquerTeinte(&d, 3); // "Cyan"
        QCOMPARE(groupe->palette().color(QPalette::Window), QColor(0x00, 0xFF, 0xFF));
        QCOMPARE(texte->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x00));

        // The program's dialogs take the configured shade when they are shown.
        b.configuration.dialogue = 5; // "Vert"
        DialogueQuitter quitter(false, b.fenetre.get());
        quitter.show();
        QCOMPARE(quitter.palette().color(QPalette::Window), QColor(0x00, 0xE0, 0xB6));
    }

    void iconHintsSitBelowTheIconOrAboveOverAFullWindow() {
        Bureau b;
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        QWidget* bouton = b.fenetre->BarreIcones()->widgetForAction(b.fenetre->Icone(C::Ouvrir));
        QVERIFY(bouton);
        const auto bulle = [&]() -> QLabel* {
            QHelpEvent e(QEvent::ToolTip, QPoint(4, 4), bouton->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(bouton, &e);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible())
                    return qobject_cast<QLabel*>(w);
            return nullptr;
        };
        QLabel* dessous = bulle();
        QVERIFY(dessous);
        QCOMPARE(dessous->text(), QStringLiteral("Ouvrir un fichier"));
        QCOMPARE(dessous->pos(), bouton->mapToGlobal(QPoint(0, bouton->height())));

        b.fenetre->SousFenetre(1)->showMaximized();
        QLabel* dessus = bulle();
        QVERIFY(dessus);
        QCOMPARE(dessus->y() + dessus->height(), bouton->mapToGlobal(QPoint(0, 0)).y());
    }

    void closingAsksTheQuitDialog() {
        Bureau b;
        b.fenetre->show();
        QList<bool> demandes;
        int reponse = DialogueQuitter::Annuler;
        b.fenetre->demanderQuitter = [&](bool modifie) {
            demandes << modifie;
            return reponse;
        };
        b.travail.modifie = true;
        QVERIFY(!b.fenetre->close());
        QVERIFY(b.fenetre->isVisible());
        reponse = DialogueQuitter::Enregistrer; // saves and stays: the save dialog is asked
        QVERIFY(!b.fenetre->close());
        QCOMPARE(b.dialogues.enregistrements, 1);
        reponse = DialogueQuitter::Quitter;
        QVERIFY(b.fenetre->close());
        QCOMPARE(demandes, (QList<bool>{true, true, true}));

        // Maintenance mode closes without asking.
        Bureau m;
        m.fenetre->show();
        m.fenetre->demanderQuitter = [&](bool) {
            demandes << false;
            return static_cast<int>(DialogueQuitter::Annuler);
        };
        m.fenetre->FixerMaintenance(true);
        QVERIFY(m.fenetre->close());
        QCOMPARE(demandes.size(), 3);
    }

    void sheetTypedRunSavedAndReopened() {
        BoitesAuto boites;
        QTemporaryDir dossier;
        const QString nom = dossier.filePath("charge.PL2");
        {
            Bureau b;
            b.dialogues.nomEnregistrement = nom;
            b.fenetre->Executer(C::FeuilleCalcul);
            FenetreFeuille* feuille = b.fenetre->Feuille();
            QVERIFY(feuille);
            feuille->Editeur()->setFocus();
            QTest::keyClicks(feuille->Editeur(), "E=5");
            QTest::keyClick(feuille->Editeur(), Qt::Key_Return);
            QTest::keyClicks(feuille->Editeur(), "U=E*(1-EXP(-T/0.001))");
            feuille->Executer(); // "&Exécuter" of the sheet window
            QCOMPARE(feuille->PanneauResultats()->toPlainText().section('\n', 0, 0).trimmed(),
                     QString("5.00"));
            emit feuille->enregistrerSousDemande(); // its "En&registrer sous..."
            QCOMPARE(b.travail.fichierCourant, nom);
            QVERIFY(b.fenetre->windowTitle().contains("charge.PL2"));
        }
        Bureau relu;
        relu.fenetre->OuvrirFichier(nom);
        relu.fenetre->Executer(C::FeuilleCalcul);
        QCOMPARE(relu.fenetre->Feuille()->Editeur()->toPlainText(),
                 QString("E=5\nU=E*(1-EXP(-T/0.001))"));
        QTRY_VERIFY(relu.travail.Variables().IndexVariable("U") != 0);
        QVERIFY(boites.textes.isEmpty());
    }

    void externalModulesAreStartedOnce() {
        BoitesAuto boites;
        Bureau b;
        const QString marque = b.dossier.filePath("lance.txt");
        const QString programme = b.dossier.filePath("module.sh");
        {
            QFile f(programme);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QString("#!/bin/sh\necho lance >> '%1'\n").arg(marque).toUtf8());
        }
        QFile::setPermissions(programme, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile(b.dossier.filePath("outil.so")).open(QIODevice::WriteOnly);
        b.configuration.modulesExternes.Lire(
            {{"Mon module", programme}, {"Bibliothèque", b.dossier.filePath("outil.so")}},
            b.dossier.path(), {});
        b.fenetre->Actualiser();
        QList<QAction*> items;
        for (QAction* a : b.fenetre->Menu(C::MenuExecuter)->actions())
            if (a->text() == "Mon module" || a->text() == "Bibliothèque") items << a;
        QCOMPARE(items.size(), 2);
        QVERIFY(items[0]->isEnabled());
        QVERIFY(!items[1]->isEnabled()); // processing libraries wait for their runner
        items[0]->trigger();
        QTRY_VERIFY(QFile::exists(marque));

        QFile::remove(programme);
        items[0]->trigger();
        QCOMPARE(boites.textes, QStringList{"Impossible de trouver " + programme});
    }

    void resizingTheDeskRescalesTheWindows() {
        Bureau b;
        b.fenetre->resize(800, 600);
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        const QSize client = b.fenetre->ZoneClient();
        QCOMPARE(b.travail.bureau.largeurClient, client.width());
        DonneesFenetre* f = b.travail.TableDesFenetres().Donnees(1);
        f->gauche = 0;
        f->largeur = client.width() / 2;
        b.fenetre->SousFenetre(1)->setGeometry(f->gauche, f->haut, f->largeur, f->hauteur);
        b.fenetre->resize(1200, 600);
        QTRY_VERIFY(b.fenetre->ZoneClient().width() > client.width());
        const double rapport = double(b.fenetre->ZoneClient().width()) / client.width();
        QVERIFY(std::abs(f->largeur - rapport * (client.width() / 2)) <= 1.0);
        QCOMPARE(b.fenetre->SousFenetre(1)->width(), f->largeur);
        // The work keeps the desk's frame for its file.
        QCOMPARE(b.travail.bureau.largeur, b.fenetre->width());
        QCOMPARE(b.travail.bureau.largeurClient, b.fenetre->ZoneClient().width());
    }

    void greekTypingReachesFieldsAndTheSheetWhileTheOptionIsOn() {
        Bureau b;
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        b.fenetre->Executer(C::FeuilleCalcul);
        EditeurFeuille* editeur = b.fenetre->Feuille()->Editeur();
        QLineEdit champ; // a field of some other form
        champ.show();
        QVERIFY(QTest::qWaitForWindowExposed(&champ));

        struct Cas {
            bool option;
            QString champ, feuille;
        };
        for (const Cas& c : {Cas{true, "πβ", "1π"}, Cas{false, "pb", "1p"}}) {
            b.travail.options =
                c.option ? (b.travail.options | 0x0100) : (b.travail.options & ~0x0100);
            b.fenetre->Actualiser();
            champ.clear();
            editeur->setPlainText(QString());
            // Alt+G switches Greek typing on, for every field, only while the option is on.
            QTest::keyClick(&champ, Qt::Key_G, Qt::AltModifier);
            QCOMPARE(b.fenetre->Saisie()->Active(), c.option);
            champ.clear(); // without the switch, Alt+G may have typed a "g"
            QTest::keyClicks(&champ, QStringLiteral("pb"));
            QCOMPARE(champ.text(), c.champ);
            QTest::keyClicks(editeur, QStringLiteral("1p"));
            QCOMPARE(editeur->toPlainText(), c.feuille);
            QCOMPARE(b.travail.Feuille().Lignes().value(0), c.feuille);
        }

        // The sheet keeps its line length for Greek letters too.
        b.travail.options |= 0x0100;
        b.fenetre->Actualiser();
        b.fenetre->Saisie()->FixerActive(true);
        const QString pleine(FeuilleCalcul::LongueurSaisie + 1, QLatin1Char('a'));
        editeur->setPlainText(pleine);
        editeur->moveCursor(QTextCursor::End);
        QTest::keyClick(editeur, Qt::Key_P);
        QCOMPARE(editeur->toPlainText(), pleine);
        b.fenetre->Saisie()->FixerActive(false);
    }

    void inputPopupMenuOfTheFields() {
        Bureau b;
        b.travail.options |= 0x0100;
        b.fenetre->Actualiser();
        QWidget forme;
        auto* champ = new QLineEdit(QStringLiteral("vitesse"), &forme);
        auto* combo = new QComboBox(&forme);
        combo->setEditable(true);
        auto* propre = new QLineEdit(&forme);
        propre->setContextMenuPolicy(Qt::CustomContextMenu); // a pop-up of its own
        auto* lecture = new QPlainTextEdit(&forme);
        lecture->setReadOnly(true);
        QCOMPARE(MenuSaisie::Champ(champ), static_cast<QWidget*>(champ));
        QCOMPARE(MenuSaisie::Champ(combo->lineEdit()), static_cast<QWidget*>(combo));
        QCOMPARE(MenuSaisie::Champ(combo), static_cast<QWidget*>(combo));
        QVERIFY(!MenuSaisie::Champ(propre));
        QCOMPARE(MenuSaisie::Champ(lecture->viewport()), static_cast<QWidget*>(lecture));
        QVERIFY(!MenuSaisie::Champ(&forme));

        const auto textes = [](QMenu* m) {
            QStringList t;
            for (QAction* a : m->actions())
                t << a->text();
            return t;
        };
        const auto item = [](QMenu* m, const QString& texte) -> QAction* {
            for (QAction* a : m->actions())
                if (a->text() == texte) return a;
            return nullptr;
        };
        std::unique_ptr<QMenu> menu(b.fenetre->PopupSaisie()->Creer(champ));
        QCOMPARE(textes(menu.get()), (QStringList{"Copier", "Couper", "Coller", "Suprimer",
                                                  "Sélectionner tout", "Lettres grecques"}));
        QVERIFY(!item(menu.get(), "Couper")->isEnabled()); // nothing selected yet
        item(menu.get(), "Sélectionner tout")->trigger();
        QCOMPARE(champ->selectedText(), QStringLiteral("vitesse"));
        menu.reset(b.fenetre->PopupSaisie()->Creer(champ));
        item(menu.get(), "Couper")->trigger();
        QCOMPARE(champ->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("vitesse"));
        menu.reset(b.fenetre->PopupSaisie()->Creer(champ));
        item(menu.get(), "Coller")->trigger();
        item(menu.get(), "Coller")->trigger();
        QCOMPARE(champ->text(), QStringLiteral("vitessevitesse"));
        champ->setSelection(0, 7);
        menu.reset(b.fenetre->PopupSaisie()->Creer(champ));
        item(menu.get(), "Suprimer")->trigger();
        QCOMPARE(champ->text(), QStringLiteral("vitesse"));

        // "Lettres grecques" opens the picker, whose letters go to that field.
        forme.show();
        QVERIFY(QTest::qWaitForWindowExposed(&forme));
        champ->clear();
        menu.reset(b.fenetre->PopupSaisie()->Creer(champ));
        item(menu.get(), "Lettres grecques")->trigger();
        SelecteurGrec* selecteur = b.fenetre->Selecteur();
        QVERIFY(selecteur->isVisible());
        QCOMPARE(selecteur->Cible(), champ);
        const QSize taille = selecteur->size();
        QTest::mouseClick(selecteur, Qt::LeftButton, {},
                          QPoint(taille.width() / 2, taille.height() * 9 / 16)); // δ
        QCOMPARE(champ->text(), QStringLiteral("δ"));

        // Without the Greek letters the item is not offered and the picker goes.
        selecteur->show();
        b.travail.options &= ~0x0100;
        b.fenetre->Actualiser();
        QVERIFY(!selecteur->isVisible());
        menu.reset(b.fenetre->PopupSaisie()->Creer(combo));
        QVERIFY(!item(menu.get(), "Lettres grecques"));
        QCOMPARE(menu->actions().size(), 5);

        // A right click on a field shows the menu.
        QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(2, 2),
                               champ->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(champ, &clic);
        QMenu* montre = nullptr;
        QTRY_VERIFY((montre = champ->findChild<QMenu*>(QStringLiteral("PopupMenuSaisie"))) &&
                    montre->isVisible());
        montre->close();
    }

    void inputFilterDuringASheetRun() {
        Bureau b;
        BoitesAuto boites;
        FiltreEntrees* filtre = b.fenetre->Filtre();
        QList<bool> suspendu;
        BoitesMessages::FixerInterception([&](QMessageBox& boite, BoitesMessages::Genre) {
            boites.textes << boite.text();
            suspendu << filtre->Suspendu();
            return boite.button(QMessageBox::Ok);
        });
        QLineEdit champ;
        champ.show();
        QVERIFY(QTest::qWaitForWindowExposed(&champ));

        // The sheet runs with the filter on: keys are discarded, Escape interrupts.
        b.travail.Feuille().FixerLignes({QStringLiteral("x=1"), QStringLiteral("y=2")});
        bool actif = false;
        b.hote.surLigneInfo = [&](const QString& texte) {
            if (texte.isEmpty() || actif) return;
            actif = filtre->Actif();
            QTest::keyClicks(&champ, QStringLiteral("ab"));
            QTest::keyClick(&champ, Qt::Key_Escape);
        };
        b.fenetre->Executer(C::LancerCalculs);
        QTRY_COMPARE(b.travail.Demandes(), 0);
        QVERIFY(actif);
        QCOMPARE(champ.text(), QString());
        // The box of the interruption is shown with the filter suspended.
        QCOMPARE(boites.textes,
                 QStringList{QStringLiteral("Interruption des calculs par utilisateur")});
        QCOMPARE(suspendu, QList<bool>{true});
        QVERIFY(!filtre->Suspendu());
        QVERIFY(!filtre->Actif());
        // After the run, typing works again.
        QTest::keyClicks(&champ, QStringLiteral("ab"));
        QCOMPARE(champ.text(), QStringLiteral("ab"));

        // A run from the calculation window goes under the filter too.
        b.fenetre->show();
        b.fenetre->Executer(C::FeuilleCalcul);
        actif = false;
        champ.clear();
        QTest::keyClick(b.fenetre->Feuille()->Editeur(), Qt::Key_X); // the sheet needs a run
        b.fenetre->Feuille()->findChild<QAction*>(QStringLiteral("executer"))->trigger();
        QVERIFY(actif);
        QCOMPARE(champ.text(), QString());
        QVERIFY(!filtre->Actif());
    }

    void openingAFileAppliesTheDeskAndItsWindows() {
        Bureau b;
        b.fenetre->resize(600, 450);
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        QTRY_COMPARE(b.fenetre->size(), QSize(600, 450));
        QMdiSubWindow* s = b.fenetre->SousFenetre(1);
        s->setGeometry(10, 20, 300, 200);
        const QString fichier = b.dossier.path() + "/bureau.PL2";
        BoitesAuto boites;
        // The save takes the desk as it is now, even if nothing noted it before.
        b.travail.bureau.largeur = 1;
        b.travail.bureau.etat = EtatBureau::Maximise;
        b.travail.fichierCourant = fichier;
        b.fenetre->Executer(C::Enregistrer);
        QVERIFY(QFile::exists(fichier));
        QCOMPARE(b.travail.bureau.largeur, 600);
        QCOMPARE(int(b.travail.bureau.etat), int(EtatBureau::Normal));

        // Another desk size, the window elsewhere: the file brings both back.
        b.fenetre->resize(500, 380);
        QTRY_COMPARE(b.fenetre->size(), QSize(500, 380));
        s->setGeometry(50, 60, 100, 80);
        b.travail.modifie = false;
        b.fenetre->OuvrirFichier(fichier);
        QTRY_COMPARE(b.fenetre->size(), QSize(600, 450));
        s = b.fenetre->SousFenetre(1);
        QVERIFY(s);
        QTRY_VERIFY(std::abs(s->x() - 10) <= 1 && std::abs(s->y() - 20) <= 1);
        QVERIFY(std::abs(s->width() - 300) <= 1 && std::abs(s->height() - 200) <= 1);

        // A window saved maximised comes back maximised.
        s->showMaximized();
        b.fenetre->Executer(C::Enregistrer);
        s->showNormal();
        b.travail.modifie = false;
        b.fenetre->OuvrirFichier(fichier);
        QTRY_VERIFY(b.fenetre->SousFenetre(1)->isMaximized());
    }

    void leavingTheCalculationTabClosesAFullSheetWindow() {
        Bureau b;
        b.Ouvrir({2});
        b.fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(b.fenetre.get()));
        QTabBar* onglets = b.fenetre->Etat()->OngletsFenetres();
        const auto cliquer = [&](int index) {
            QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(index).center());
        };
        cliquer(0);
        FenetreFeuille* feuille = b.fenetre->Feuille();
        QVERIFY(feuille);
        auto* sous = qobject_cast<QMdiSubWindow*>(feuille->parentWidget());
        QVERIFY(sous && sous->isVisible());
        QCOMPARE(onglets->currentIndex(), 0);

        // In mosaic mode it stays beside the window made current.
        cliquer(3);
        QCOMPARE(b.travail.TableDesFenetres().FenetreCourante(), 2);
        QVERIFY(sous->isVisible());

        // Filling the desk, it closes when another tab is chosen, "Tableur" included.
        for (int index : {3, 1}) {
            cliquer(0);
            sous->showMaximized();
            QCOMPARE(onglets->currentIndex(), 0);
            cliquer(index);
            QVERIFY2(!sous->isVisible(), qPrintable(QString::number(index)));
            QCOMPARE(b.fenetre->Feuille(), feuille); // closed, kept for the next time
        }
        cliquer(0);
        QVERIFY(sous->isVisible() && feuille->isVisible());
    }
};

QTEST_MAIN(FenetrePrincipaleTest)
#include "FenetrePrincipaleTest.moc"
