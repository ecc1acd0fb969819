#include "gui/app/Demarrage.h"
#include "core/files/FichierTravail.h"
#include "core/store/Genres.h"
#include "gui/app/Aide.h"
#include "gui/app/BoiteAPropos.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/Rideau.h"
#include "gui/ui/BoitesMessages.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// Settings, home and XDG folders of the test's own: the real user's are never touched.
void Isoler(const QTemporaryDir& dossier) {
    const QByteArray d = dossier.path().toUtf8();
    qputenv("PELAVORINE_CONFIG_DIR", d);
    qputenv("HOME", d);
    qputenv("XDG_DATA_HOME", d + "/data");
    qputenv("XDG_CACHE_HOME", d + "/cache");
    qputenv("XDG_STATE_HOME", d + "/state");
}
// Answers every box with its first button (Oui for a question) and keeps the texts shown,
// with whether the desk was on screen and maximised under each.
struct Boites {
    QStringList textes;
    bool bureauMontre = true;

    Boites() {
        pelavorine::BoitesMessages::FixerInterception([this](QMessageBox& boite,
                                                             pelavorine::BoitesMessages::Genre) {
            textes << boite.text();
            const QWidget* bureau = boite.parentWidget();
            bureauMontre = bureauMontre && bureau && bureau->isVisible() && bureau->isMaximized();
            return boite.buttons().value(0);
        });
    }
    ~Boites() { pelavorine::BoitesMessages::FixerInterception({}); }
    Boites(const Boites&) = delete;
    Boites& operator=(const Boites&) = delete;
};
} // namespace

class DemarrageTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsksAboutTheSystemAndWritesTheConfiguration() {
        QTemporaryDir dossier;
        Isoler(dossier);
        QString question;
        QTimer::singleShot(0, this, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            question = boite->text();
            boite->button(QMessageBox::Yes)->click();
        });
        pelavorine::Demarrage programme({});
        QVERIFY(QFileInfo(dossier.path() + "/Pelavorine/Travail").isDir());
        QCOMPARE(question, QString::fromUtf8("Pelavorine n'a détecté aucun système "
                                             "d'acquisition\n\rCe choix est-il valide ?"));
        QCOMPARE(programme.Bureau().windowTitle(), QStringLiteral(" PELAVORINE 2003"));
        // The desk shows window 1 and its file commands have their dialogs.
        QVERIFY(programme.Bureau().SousFenetre(1));
        QVERIFY(programme.Bureau().Action(pelavorine::Commande::Ouvrir)->isEnabled());
        // An empty work over the channels of the no-system mode.
        const auto& table = programme.Work().Variables();
        QCOMPARE(table.Variable(table.CaseTemps())->Nom, QStringLiteral("T"));
        QCOMPARE(table.Variable(6)->Nom, QStringLiteral("EA0"));

        QSettings stockage(dossier.path() + "/Quandrel/Pelavorine2003.ini", QSettings::IniFormat);
        QCOMPARE(stockage.value("Options/Configuration").toInt(), 0xCD28);
        QCOMPARE(stockage.value("Systeme/Version").toString(), QStringLiteral("5.11"));

        // The second start asks nothing.
        bool demande = false;
        QTimer::singleShot(0, this,
                           [&] { demande = QApplication::activeModalWidget() != nullptr; });
        pelavorine::Demarrage second({});
        QCoreApplication::processEvents();
        QVERIFY(!demande);
    }

    void aMissingCommandLineFileIsReportedAndForgotten() {
        QTemporaryDir dossier;
        Isoler(dossier);
        {
            QTimer::singleShot(0, this, [] {
                if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    b->button(QMessageBox::Yes)->click();
            });
            pelavorine::Demarrage premier({});
        }
        QString erreur;
        QTimer::singleShot(0, this, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            erreur = boite->text();
            boite->button(QMessageBox::Ok)->click();
        });
        pelavorine::Demarrage programme({dossier.path() + "/absent"});
        QVERIFY(erreur.startsWith(QStringLiteral(" Fichier introuvable: ")));
        QVERIFY(programme.FichierAOuvrir().isEmpty());
    }

    void theDeskStartsMaximisedBehindTheCurtainAndEndsWithTheAboutBox() {
        QTemporaryDir dossier;
        Isoler(dossier);
        Boites boites;
        pelavorine::Demarrage programme({});
        // The first-run question came over the desk already shown.
        QCOMPARE(boites.textes.size(), 1);
        QVERIFY(boites.bureauMontre);
        pelavorine::FenetrePrincipale& bureau = programme.Bureau();
        QVERIFY(bureau.isMaximized());
        QCOMPARE(bureau.font().family(), QStringLiteral("Arial"));
        QCOMPARE(bureau.font().pointSize(), 10);
        pelavorine::Rideau* rideau = programme.RideauDemarrage();
        QVERIFY(rideau->isVisible());
        QVERIFY(rideau->geometry().contains(bureau.Zone()->geometry()));
        QVERIFY(programme.Work().demarrage);
        QVERIFY(!programme.APropos());

        programme.Terminer(QString());
        QVERIFY(!rideau->isVisible());
        QVERIFY(!programme.Work().demarrage);
        QVERIFY(bureau.isVisible() && bureau.isMaximized());
        QVERIFY(programme.APropos());
        QVERIFY(programme.APropos()->isVisible());
        QVERIFY(!programme.APropos()->isModal());
        // The help and the program's icon are those of the configuration's program folder.
        QCOMPARE(pelavorine::Aide::Dossier(), programme.Config().DossierAide());
        QVERIFY(QFileInfo(pelavorine::Aide::Chemin(QString())).isFile());
        QVERIFY(QFileInfo(programme.Config().IconeProgramme()).isFile());
        // The desk, its curve windows and its dialogs show that picture.
        const QImage logo = QIcon(programme.Config().IconeProgramme()).pixmap(32).toImage();
        QVERIFY(!logo.isNull());
        QCOMPARE(programme.Bureau().windowIcon().pixmap(32).toImage(), logo);
        QVERIFY(!programme.APropos()->Logo()->pixmap().isNull());
        // The redraw was handled at once, not left for the idle time.
        QCOMPARE(programme.Work().Demandes() & 0x00C1, 0);
        QCOMPARE(boites.textes.size(), 1);
    }

    void noAboutBoxInMaintenanceModeNorWhenAFileOpens() {
        QTemporaryDir dossier;
        Isoler(dossier);
        Boites boites;
        const QString fichier = dossier.path() + "/ESSAI.PL2";
        {
            pelavorine::Demarrage premier({});
            auto& travail = premier.Work();
            QCOMPARE(pelavorine::FichierTravail::EcrireTravail(travail, fichier, travail.conserves),
                     0);
        }
        struct Cas {
            QStringList arguments;
            bool ouvrir;
        };
        for (const Cas& cas : {Cas{{QStringLiteral("/tamis")}, false}, Cas{{fichier}, true}}) {
            pelavorine::Demarrage programme(cas.arguments);
            programme.Terminer(programme.FichierAOuvrir());
            QVERIFY(!programme.APropos());
            QVERIFY(!programme.RideauDemarrage()->isVisible());
            QVERIFY(!programme.Work().demarrage);
            QCOMPARE(programme.Work().fichierCourant.isEmpty(), !cas.ouvrir);
            QCOMPARE(programme.Bureau().windowTitle().contains("ESSAI"), cas.ouvrir);
        }
        QCOMPARE(boites.textes.size(), 1); // the first-run question only
    }

    void theScreenWidthDecidesTheButtonsTheMenuTitleAndTheWarning() {
        using C = pelavorine::Commande;
        QTemporaryDir dossier;
        Isoler(dossier);
        Boites boites;
        pelavorine::Demarrage programme({});
        pelavorine::FenetrePrincipale& bureau = programme.Bureau();
        QMenu* traitements = bureau.Menu(C::MenuTraitements);
        auto visibles = [&](std::initializer_list<C> commandes) {
            for (C c : commandes)
                if (!bureau.Icone(c)->isVisible()) return false;
            return true;
        };
        // The test screen is 800 pixels wide.
        QVERIFY(visibles({C::Modelisation, C::AnalyseFourier, C::MesuresAutomatiques}));
        QVERIFY(!bureau.Icone(C::Nouveau)->isVisible());
        QVERIFY(!bureau.Icone(C::Quitter)->isVisible());
        QCOMPARE(boites.textes.size(), 1);

        boites.textes.clear();
        programme.VerifierEcran(700);
        QVERIFY(boites.textes.isEmpty());
        QCOMPARE(traitements->title(), QStringLiteral("&Traitements"));
        programme.VerifierEcran(699);
        QCOMPARE(boites.textes,
                 QStringList{QString::fromUtf8(
                     "PELAVORINE 2003 supporte une résolution d'écran minimale de 800x600 et a "
                     "détecté une résolution inférieure. Des anomalies d'affichage peuvent se "
                     "produire")});
        QCOMPARE(traitements->title(), QStringLiteral("&Traiter"));
        programme.VerifierEcran(1001);
        QVERIFY(visibles({C::Nouveau, C::Quitter}));
    }
};

QTEST_MAIN(DemarrageTest)
#include "DemarrageTest.moc"
