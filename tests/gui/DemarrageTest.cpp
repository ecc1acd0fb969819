#include "app/Demarrage.h"
#include "app/FenetrePrincipale.h"
#include "store/Genres.h"

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
};

QTEST_MAIN(DemarrageTest)
#include "DemarrageTest.moc"
