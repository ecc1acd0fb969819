#include "gui/app/DialoguesBureau.h"
#include "core/configuration/Configuration.h"
#include "core/files/FichierTravail.h"
#include "core/store/Genres.h"
#include "core/store/TypeId.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/ReglagesExportTexte.h"
#include "core/travail/Travail.h"
#include "gui/app/Aide.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/BoiteRessources.h"
#include "gui/app/DialogueExportTexte.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace pelavorine;

namespace {

// Answers the next modal file dialog with reponse once it is shown.
void Repondre(std::function<void(DialogueFichier&)> reponse) {
    QTimer::singleShot(0, [reponse] {
        auto* d = qobject_cast<DialogueFichier*>(QApplication::activeModalWidget());
        QVERIFY(d);
        reponse(*d);
    });
}

Configuration::Emplacements Emplacements(const QTemporaryDir& dossier) {
    Configuration::Emplacements e;
    e.programme = dossier.filePath(QStringLiteral("programme"));
    e.personnel = dossier.path();
    e.donnees = dossier.filePath(QStringLiteral("donnees"));
    e.etat = dossier.filePath(QStringLiteral("etat"));
    e.cache = dossier.filePath(QStringLiteral("cache"));
    return e;
}

void Ecrire(const QString& chemin, const QByteArray& texte) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(texte);
}

} // namespace

// Records the URLs the desktop is asked to open instead of starting a browser.
class Ouvreur : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void ouvrir(const QUrl& url) { urls << url; }
};

class DialoguesBureauTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(dossier_.isValid());
        hote_ = std::make_unique<HoteScripte>();
        travail_ = std::make_unique<Travail>(*hote_);
        travail_->PreparerNouveauTravail();
        configuration_ = std::make_unique<Configuration>(Emplacements(dossier_));
        configuration_->dernierDossier = dossier_.path();
    }

    void openDialogBoxesGiveThePartsAndPreviewTheDescription() {
        const QString fichier = dossier_.filePath(QStringLiteral("decrit.PL2"));
        QCOMPARE(FichierTravail::EcrireTravail(*travail_, fichier, travail_->conserves,
                                               QStringLiteral("ligne 1\nligne 2")),
                 0);
        DialogueFichier d(nullptr, true, dossier_.path(), QString(), 0, QString(), 0);
        const QList<QCheckBox*> cases = {d.CaseValeurs(), d.CaseCalculs(), d.CaseEnvironnement(),
                                         d.CaseNotes()};
        const QStringList textes = {
            QStringLiteral(" Valeurs numériques"), QStringLiteral(" Lignes de calcul"),
            QStringLiteral(" Environnement"), QStringLiteral(" Feuille de notes")};
        const int bits[] = {1, 4, 2, 8};
        QCOMPARE(d.Parties(), 15);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(cases[i]->text(), textes[i]);
            QVERIFY(cases[i]->isChecked());
            cases[i]->setChecked(false);
            QCOMPARE(d.Parties(), 15 - bits[i]);
            cases[i]->setChecked(true);
        }
        QVERIFY(d.ChampDescription()->isReadOnly());
        QVERIFY(!d.CaseSansCalcul());
        QCOMPARE(d.nameFilters().size(), 5);
        QCOMPARE(d.windowTitle(), QStringLiteral("Ouvrir"));

        emit d.currentChanged(fichier);
        QCOMPARE(d.Description(), QStringLiteral("ligne 1\nligne 2"));
        emit d.currentChanged(dossier_.filePath(QStringLiteral("absent.PL2")));
        QCOMPARE(d.Description(), QStringLiteral("ligne 1\nligne 2")); // silent failure
        emit d.filterSelected(d.nameFilters().at(1));
        QVERIFY(d.Description().isEmpty());
    }

    void enterInTheDescriptionNeverConfirmsTheDialog() {
        const QString fichier = dossier_.filePath(QStringLiteral("present.PL2"));
        QCOMPARE(FichierTravail::EcrireTravail(*travail_, fichier, travail_->conserves), 0);
        for (const bool ouvrir : {true, false}) {
            DialogueFichier d(nullptr, ouvrir, dossier_.path(), QString(), 0, QString(), 0);
            d.selectFile(fichier);
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            d.ChampDescription()->setFocus();
            QTest::keyClick(d.ChampDescription(), Qt::Key_A);
            QTest::keyClick(d.ChampDescription(), Qt::Key_Return);
            QTest::keyClick(d.ChampDescription(), Qt::Key_B);
            QVERIFY2(d.isVisible(), ouvrir ? "open" : "save");
            QCOMPARE(d.result(), 0);
            // Read-only when opening: the keys change nothing; when saving, Enter is a new line.
            QCOMPARE(d.Description(), ouvrir ? QString() : QStringLiteral("a\nb"));
        }
    }

    void openCommandReturnsTheFileAndTheCheckedParts() {
        const QString fichier = dossier_.filePath(QStringLiteral("lu.PL2"));
        QCOMPARE(FichierTravail::EcrireTravail(*travail_, fichier, travail_->conserves), 0);
        DialoguesBureau dialogues(nullptr, *travail_, *configuration_);

        Repondre([&](DialogueFichier& d) {
            d.CaseCalculs()->setChecked(false);
            d.selectFile(fichier);
            static_cast<QDialog&>(d).accept();
        });
        ChoixOuverture choix = dialogues.DemanderOuverture();
        QCOMPARE(choix.nom, fichier);
        QCOMPARE(choix.parties, 11);

        Repondre([&](DialogueFichier& d) { // no part: nothing to open, no message
            for (QCheckBox* c :
                 {d.CaseValeurs(), d.CaseCalculs(), d.CaseEnvironnement(), d.CaseNotes()})
                c->setChecked(false);
            d.selectFile(fichier);
            static_cast<QDialog&>(d).accept();
        });
        choix = dialogues.DemanderOuverture();
        QVERIFY(choix.nom.isEmpty());
        QVERIFY(hote_->Textes(HoteScripte::Genre::Erreur).isEmpty());

        Repondre([](DialogueFichier& d) { d.reject(); });
        QVERIFY(dialogues.DemanderOuverture().nom.isEmpty());
    }

    void saveDialogOffersThreeTypesAndKeepsItsOptions() {
        DialogueFichier d(nullptr, false, dossier_.path(), QString(), 0, QStringLiteral("notes"),
                          option::NotesApresLecture);
        auto* types = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QStringList vus;
        for (int i = 0; i < types->count(); ++i)
            vus << types->itemText(i);
        QCOMPARE(vus, (QStringList{QStringLiteral("Pelavorine 2000 (*.PL2)"),
                                   QStringLiteral("Pelavorine 1.xx et 2.xx (*.PLC)"),
                                   QStringLiteral("Texte (*.TXT)")}));
        QVERIFY(!d.CaseValeurs());
        QCOMPARE(d.windowTitle(), QStringLiteral("Enregistrer sous"));
        QCOMPARE(d.CaseSansCalcul()->text(),
                 QStringLiteral(" Ne pas lancer les calculs après lecture du fichier"));
        QCOMPARE(d.CaseAfficherNotes()->text(),
                 QStringLiteral(" Afficher initialement la feuille de notes"));
        QVERIFY(!d.CaseSansCalcul()->isChecked());
        QVERIFY(d.CaseAfficherNotes()->isChecked());
        QVERIFY(!d.ChampDescription()->isReadOnly());
        QCOMPARE(d.Description(), QStringLiteral("notes"));
        d.ChampDescription()->setPlainText(QString(300, QLatin1Char('x')));
        QCOMPARE(d.Description().size(), 255);
    }

    void saveCommandBuildsTheNameTheTypeAndTheOptions() {
        DialoguesBureau dialogues(nullptr, *travail_, *configuration_);
        travail_->options = option::NotesApresLecture | option::Historique;
        // The extension comes from the name; the older-form type still applies.
        Repondre([](DialogueFichier& d) {
            d.selectNameFilter(d.nameFilters().at(1));
            d.CaseSansCalcul()->setChecked(true);
            d.CaseAfficherNotes()->setChecked(false);
            d.ChampDescription()->setPlainText(QStringLiteral("essai du jour"));
            d.selectFile(QStringLiteral("ESSAI.PL2"));
            static_cast<QDialog&>(d).accept();
        });
        const ChoixEnregistrement choix =
            dialogues.DemanderEnregistrement(QStringLiteral("/ailleurs/ancien.PL2"), QString());
        QCOMPARE(choix.nom, dossier_.filePath(QStringLiteral("ESSAI.PL2")));
        QVERIFY(choix.compatible);
        QCOMPARE(choix.description, QStringLiteral("essai du jour"));
        QCOMPARE(travail_->options,
                 std::uint16_t(option::SansCalculApresLecture | option::Historique));

        // A cancelled dialog changes neither the options nor the file type.
        Repondre([](DialogueFichier& d) {
            d.CaseSansCalcul()->setChecked(false);
            d.selectNameFilter(d.nameFilters().at(0));
            d.reject();
        });
        QVERIFY(dialogues.DemanderEnregistrement(QString(), QString()).nom.isEmpty());
        QVERIFY(travail_->fichierCompatible);
        QVERIFY(travail_->options & option::SansCalculApresLecture);
    }

    void usedFileMovesTheStartFolderAndTheHistory() {
        DialoguesBureau dialogues(nullptr, *travail_, *configuration_);
        QSignalSpy historique(&dialogues, &DialoguesBureau::historiqueChange);
        dialogues.FichierUtilise(QStringLiteral("/x/y/essai.TXT"));
        QCOMPARE(configuration_->dernierDossier, QStringLiteral("/x/y"));
        QCOMPARE(dialogues.TypeInitial(), 2);
        QCOMPARE(historique.count(), 0); // no list yet: none is made
        configuration_->historique = QStringList{QStringLiteral("/a.PL2")};
        dialogues.FichierUtilise(QStringLiteral("/x/y/b.PL2"));
        QCOMPARE(*configuration_->historique,
                 (QStringList{QStringLiteral("/x/y/b.PL2"), QStringLiteral("/a.PL2")}));
        QCOMPARE(historique.count(), 1);
    }

    void exportDialogRefusesASeventeenthVariable() {
        for (int i = 0; i < 17; ++i) {
            const int slot = travail_->Variables().CreerVariable(QStringLiteral("V%1").arg(i), 5,
                                                                 genre::Acquise);
            QVERIFY(slot > 0);
            travail_->Variables().Variable(slot)->NbPoints = 5;
        }
        ReglagesExportTexte reglages;
        DialogueExportTexte d(nullptr, *travail_, reglages);
        QCOMPARE(d.windowTitle(), QStringLiteral("Enregistrement dans un fichier TEXTE"));
        QComboBox* toutes = d.ListeToutes();
        const int premier = toutes->findText(QStringLiteral("V0"));
        QVERIFY(premier >= 0);
        QVERIFY(toutes->count() >= premier + 17);
        toutes->setCurrentIndex(premier);
        QVERIFY(d.Ajouter());
        QVERIFY(!d.Ajouter()); // already present
        for (int i = 1; i < 16; ++i) {
            toutes->setCurrentIndex(premier + i);
            QVERIFY(d.Ajouter());
        }
        QVERIFY(hote_->Textes(HoteScripte::Genre::Erreur).isEmpty());
        toutes->setCurrentIndex(premier + 16);
        QVERIFY(!d.Ajouter());
        QCOMPARE(hote_->Textes(HoteScripte::Genre::Erreur),
                 QStringList{QStringLiteral("16 variables maximum sont autorisées")});
        QCOMPARE(d.ListeChoisies()->count(), 16);

        d.ListeChoisies()->setCurrentRow(0);
        d.Enlever();
        d.Titre()->setText(QStringLiteral("Mesures"));
        d.Point()->setChecked(true);
        d.accept();
        const TableVariables& table = travail_->Variables();
        QCOMPARE(table.Variable(reglages.variables[0])->Nom, QStringLiteral("V1"));
        QCOMPARE(table.Variable(reglages.variables[14])->Nom, QStringLiteral("V15"));
        QCOMPARE(reglages.variables[15], 0);
        QCOMPARE(reglages.titre, QStringLiteral("Mesures"));
        QCOMPARE(reglages.separateurDecimal, QLatin1Char('.'));
        QCOMPARE(reglages.separateurValeurs, QLatin1Char('\t'));

        // "Initialiser" asks first and restores the defaults.
        DialogueExportTexte e(nullptr, *travail_, reglages);
        QCOMPARE(e.ListeChoisies()->count(), 15);
        hote_->reponses = {false, true};
        e.Initialiser();
        QCOMPARE(e.ListeChoisies()->count(), 15);
        e.Initialiser();
        QCOMPARE(e.ListeChoisies()->count(), 0);
        QVERIFY(e.Virgule()->isChecked() && e.Tabulation()->isChecked());
        QVERIFY(e.ConfigurationOui()->isChecked() && e.Titre()->text().isEmpty());
        QCOMPARE(hote_->Textes(HoteScripte::Genre::Question),
                 (QStringList{QStringLiteral("Tout réinitialiser"),
                              QStringLiteral("Tout réinitialiser")}));
    }

    void helpOpensTheNamedPageOrTheHomePage() {
        const QString aide = dossier_.filePath(QStringLiteral("aide"));
        Ecrire(aide + QStringLiteral("/Accueil.htm"), "<html></html>");
        Ecrire(aide + QStringLiteral("/Fichiers/FichierOuvrir.htm"), "<html></html>");
        Ecrire(dossier_.filePath(QStringLiteral("dehors.htm")), "<html></html>");
        Aide::FixerDossier(aide);
        const QString accueil = aide + QStringLiteral("/Accueil.htm");
        QCOMPARE(Aide::Chemin(QStringLiteral(" \\Fichiers\\FichierOuvrir.htm ")),
                 aide + QStringLiteral("/Fichiers/FichierOuvrir.htm"));
        QCOMPARE(Aide::Chemin(QStringLiteral("   ")), accueil);
        QCOMPARE(Aide::Chemin(QStringLiteral("\\Absente.htm")), accueil);
        QCOMPARE(Aide::Chemin(QStringLiteral("\\..\\dehors.htm")), accueil);
        QCOMPARE(Aide::Chemin(QStringLiteral("\\Fichiers")), accueil); // a folder

        Ouvreur ouvreur;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &ouvreur, "ouvrir");
        DialogueFichier d(nullptr, true, dossier_.path(), QString(), 0, QString(), 0);
        d.BoutonAide()->click();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(ouvreur.urls, QList<QUrl>{QUrl::fromLocalFile(
                                   aide + QStringLiteral("/Fichiers/FichierOuvrir.htm"))});
        Aide::FixerDossier(QString());
    }

    void shippedHelpHasEveryPageTheDialogsAndWindowsName() {
        Aide::FixerDossier(QString()); // the program's own help folder
        const QString accueil = QDir(Aide::Dossier()).filePath(QStringLiteral("Accueil.htm"));
        QVERIFY2(QFileInfo(accueil).isFile(), qPrintable(accueil));
        for (const char* page :
             {"\\Fichiers\\FichierOuvrir.htm", "\\Fichiers\\FichierEnregistrer.htm",
              "\\Calculs\\FeuilleDeCalcul.htm", "\\Interface\\Fenetres.htm",
              "\\Outils\\OutilImagesVideo.htm"})
            QVERIFY2(Aide::Chemin(QLatin1String(page)) != accueil, page);
    }

    void aboutAndResourcesBoxesShowTheirTexts() {
        BoiteAPropos* boite = BoiteAPropos::Montrer(nullptr, QString());
        QPointer<BoiteAPropos> garde(boite);
        QCOMPARE(boite->LabelVersion()->text(), QStringLiteral("Version 5.11"));
        // The system it runs on, "(Debian GNU/Linux 12 (bookworm))".
        const QString plateforme = boite->LabelPlateforme()->text();
        QVERIFY2(!plateforme.contains(QStringLiteral("Windows")), qPrintable(plateforme));
        QCOMPARE(plateforme, QLatin1Char('(') + QSysInfo::prettyProductName() + QLatin1Char(')'));
        QTest::keyClick(boite, Qt::Key_Space);
        QTRY_VERIFY(garde.isNull()); // closed and freed

        const EtatMemoire m = BoiteRessources::LireMemoire(
            "MemTotal:       16318808 kB\nMemFree:         1000000 kB\n"
            "MemAvailable:    4079702 kB\n");
        QCOMPARE(m.totalKo, 16318808);
        QCOMPARE(m.chargePourcent, 75);
        QCOMPARE(
            BoiteRessources::LireMemoire("MemTotal: 1000 kB\nMemFree: 900 kB\n").chargePourcent,
            10);
        QCOMPARE(BoiteRessources::LireMemoire("rien").totalKo, 0);
        BoiteRessources r(nullptr, QString(), m);
        QCOMPARE(r.windowTitle(), QStringLiteral(" Ressources mémoire"));
        QCOMPARE(r.PhysMem()->text(), QStringLiteral("16 318 808 ko"));
        QCOMPARE(r.FreeRes()->text(), QStringLiteral("75 %"));
        QCOMPARE(BoiteRessources::TexteMemoire(999), QStringLiteral("999 ko"));
        QCOMPARE(BoiteRessources::TexteMemoire(1000), QStringLiteral("1 000 ko"));
    }

private:
    QTemporaryDir dossier_;
    std::unique_ptr<HoteScripte> hote_;
    std::unique_ptr<Travail> travail_;
    std::unique_ptr<Configuration> configuration_;
};

QTEST_MAIN(DialoguesBureauTest)
#include "DialoguesBureauTest.moc"
