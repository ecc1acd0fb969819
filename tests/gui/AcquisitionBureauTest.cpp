#include "gui/acquisition/AcquisitionBureau.h"
#include "BoitesAuto.h"
#include "ChoixFenetreAuto.h"
#include "core/acquisition/Acquisition.h"
#include "core/acquisition/ModeleParametres.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/bureau/CommandesBureau.h"
#include "core/configuration/Configuration.h"
#include "core/files/Secours.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "core/windows/TableFenetres.h"
#include "gui/acquisition/TFicheParametres.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/app/LigneEtat.h"
#include "gui/ui/HoteBureau.h"
#include "gui/windows/TFenCourbe.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

using namespace pelavorine;

namespace {

// One raw step of the ±10 V calibre with 16-bit codes, and some margin.
constexpr double Quantum = 20.0 / 65536.0;

// A desk over a new work on the simulated interface (fast mode: no real-time waits), with
// window 1 showing the inputs and an emergency save of its own.
struct Bureau {
    QTemporaryDir dossier;
    Configuration configuration{
        {dossier.path(), dossier.path(), dossier.path(), dossier.path(), dossier.path()}};
    HoteBureau hote;
    Travail travail{hote};
    Secours secours{dossier.filePath(QStringLiteral("etat/Sauve.PL2"))};
    std::unique_ptr<FenetrePrincipale> fenetre;

    explicit Bureau(bool interface = true) {
        qputenv("PELAVORINE_SIMULATION_FAST", "1");
        CoucheInterface& couche = travail.Interface();
        if (interface) {
            couche.Lister({QFileInfo(QStringLiteral(PELAVORINE_SIMULATION_SO)).path()});
            couche.Selectionner(QStringLiteral("SIMULATION"));
            couche.Charger();
            travail.FixerVoies(couche.Description());
        }
        travail.PreparerNouveauTravail();
        fenetre = std::make_unique<FenetrePrincipale>(travail, configuration);
        hote.FixerParent(fenetre.get());
        fenetre->Acquisitions().FixerSecours(&secours);
        travail.TableDesFenetres().Creer(1);
        fenetre->SynchroniserFenetres();
        fenetre->resize(900, 700);
        fenetre->show();
        QTRY_COMPARE(travail.Demandes(), 0);
    }
    ~Bureau() { fenetre.reset(); }

    TableVariables& Table() { return travail.Variables(); }
    // Escape pressed on the desk: the run sees it at its next poll.
    void Echap() {
        QApplication::postEvent(fenetre.get(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    }
    TypeVoie* Entree(int n) { return regles::Entree(Table(), n); }
    // Inputs listed automatic and shown in window 1, the others inactive.
    void Entrees(std::initializer_list<int> numeros) {
        for (int n = 0; n <= travail.Interface().DerniereEntree(); ++n) {
            TypeVoie* v = Entree(n);
            if (!v) continue;
            const bool choisie = std::find(numeros.begin(), numeros.end(), n) != numeros.end();
            regles::FixerModeEntree(Table(), travail.Interface(), n,
                                    choisie ? TypeVoie::Automatique : TypeVoie::Inactif);
            v->AfficherDans(1, choisie);
        }
    }
    void Base(int points, double periode) {
        regles::AppliquerPeriode(travail, periode);
        regles::AppliquerNbPoints(travail, points);
        fenetre->TraiterDemandes();
    }
    // Pixels of a colour (0x00BBGGRR) in the plot area of window 1.
    int Pixels(std::int32_t couleur) const {
        TFenCourbe* c = fenetre->Courbe(1);
        const QImage& image = c->Image();
        const QRgb cible = qRgb(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF);
        int n = 0;
        const QRect zone = c->ZoneTrace().intersected(image.rect());
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (cible & 0xFFFFFF)) ++n;
        return n;
    }
};

double Sinus(double tSecondes) {
    return 2.0 * std::sin(2 * std::numbers::pi * 50 * tSecondes);
}

} // namespace

class AcquisitionBureauTest : public QObject {
    Q_OBJECT
private slots:
    void blockRunFillsAndDrawsTheInput() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0});
        b.Base(200, 100.0);
        QAction* action = b.fenetre->Action(Commande::AcquerirSignaux);
        QVERIFY(action && action->isEnabled());
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F10));
        b.travail.modifie = false;
        QVERIFY(!QFileInfo::exists(b.secours.Fichier()));
        const int avant = b.Pixels(b.Entree(0)->Couleur);

        action->trigger();

        const Acquisition* a = b.fenetre->Acquisitions().Derniere();
        QVERIFY(a);
        QCOMPARE(a->CodeErreur(), 0);
        QCOMPARE(a->PointsAcquis(), 200);
        const TypeVoie* ea0 = b.Entree(0);
        QCOMPARE(ea0->NbPoints, 200);
        // The simulated EA0 is 2 V · sin(2π · 50 Hz · t), t = (i − 1) · 100 µs.
        for (int i : {1, 26, 51, 101, 151, 200})
            QVERIFY2(std::abs(ea0->LirePoint(i) - Sinus((i - 1) * 1e-4)) < 2 * Quantum,
                     qPrintable(QString::number(i)));
        QVERIFY(boites.textes.isEmpty());
        QVERIFY(b.travail.modifie);
        QVERIFY(QFileInfo(b.secours.Fichier()).size() > 0);
        QVERIFY(b.fenetre->Etat()->Info()->text().isEmpty());
        QTRY_COMPARE(b.travail.Demandes(), 0);
        QVERIFY(b.Pixels(ea0->Couleur) > avant + 100);
    }

    void triggeredRunStartsAtTheLevel() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0});
        b.Base(100, 100.0);
        regles::AppliquerDeclenchement(b.travail, b.travail.Interface(), 0, 0, 1.0, 0);
        b.fenetre->Executer(Commande::AcquerirSignaux);
        const TypeVoie* ea0 = b.Entree(0);
        QCOMPARE(ea0->NbPoints, 100);
        // Rising through 1 V: the first point is at the level (within one step of the sine),
        // the second above it.
        QVERIFY2(std::abs(ea0->LirePoint(1) - 1.0) < 0.15,
                 qPrintable(QString::number(ea0->LirePoint(1))));
        QVERIFY(ea0->LirePoint(2) > ea0->LirePoint(1));

        regles::AppliquerDeclenchement(b.travail, b.travail.Interface(), 0, 1, -1.0, 0);
        b.fenetre->Executer(Commande::AcquerirSignaux);
        QVERIFY(std::abs(ea0->LirePoint(1) + 1.0) < 0.15);
        QVERIFY(ea0->LirePoint(2) < ea0->LirePoint(1));
        QVERIFY(boites.textes.isEmpty());
    }

    void permanentRunStopsOnEscapeAndHoldsTheRest() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0, 1});
        b.Base(100, 100.0);
        b.travail.Parametres().permanent = 1;
        AcquisitionBureau& acquisitions = b.fenetre->Acquisitions();
        constexpr int Blocs = 4;
        int seconds = 0;
        int pendantLaMarche = 0;
        connect(&acquisitions, &AcquisitionBureau::blocTermine, this, [&](int bloc) {
            if (bloc == 2) {
                // Commands are held back while the run lasts: neither F7 nor a second F10
                // does anything.
                QKeyEvent f7(QEvent::KeyPress, Qt::Key_F7, Qt::NoModifier);
                QApplication::sendEvent(b.fenetre.get(), &f7);
                seconds = acquisitions.Lancer();
                pendantLaMarche = QApplication::topLevelWidgets().size();
            }
            if (bloc == Blocs) {
                b.Echap();
            }
        });
        const int avant = QApplication::topLevelWidgets().size();
        const int code = acquisitions.Lancer();
        // The filter lets events through every 20 ms: the key is seen within a few blocks,
        // and the block under way is finished.
        const Acquisition* a = acquisitions.Derniere();
        QCOMPARE(code, 0);
        QVERIFY(a->Arretee());
        QVERIFY2(a->BlocsAcquis() >= Blocs && a->BlocsAcquis() < Blocs + 200,
                 qPrintable(QString::number(a->BlocsAcquis())));
        QCOMPARE(seconds, static_cast<int>(Acquisition::DejaEnCours));
        QCOMPARE(pendantLaMarche, avant);
        QCOMPARE(b.Entree(0)->NbPoints, 100);
        QCOMPARE(b.Entree(1)->NbPoints, 100);
        QVERIFY(!acquisitions.EnCours());
        QVERIFY(b.travail.modifie);
        QVERIFY(QFileInfo::exists(b.secours.Fichier()));
        QVERIFY(boites.textes.isEmpty());
    }

    void inhibitedDisplayDrawsOnlyWhenTheRunEnds() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0, 1});
        b.Base(100, 100.0);
        b.travail.Parametres().permanent = 1;
        b.travail.Parametres().modeAffichage = 2; // "Inhiber affichage"
        AcquisitionBureau& acquisitions = b.fenetre->Acquisitions();
        TFenCourbe* c = b.fenetre->Courbe(1);
        int auPremier = -1;
        int auQuatrieme = -1;
        connect(&acquisitions, &AcquisitionBureau::blocCommence, this, [&](int bloc) {
            if (bloc == 1) auPremier = c->NbCourbes();
            if (bloc != 4) return;
            auQuatrieme = c->NbCourbes();
            b.Echap();
        });
        acquisitions.Lancer();
        QVERIFY(auPremier >= 0);
        QCOMPARE(auQuatrieme, auPremier);
        QVERIFY(acquisitions.Derniere()->BlocsAcquis() >= 4);
        QVERIFY(c->NbCourbes() > auQuatrieme);
        QVERIFY(boites.textes.isEmpty());
    }

    void slowRunDrawsEachPointAndCountsThem() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0, 1});
        b.Base(6, 100000.0); // 100 ms: the point counter follows the points
        AcquisitionBureau& acquisitions = b.fenetre->Acquisitions();
        acquisitions.FixerCoutDessin(5.0);
        QStringList compteur;
        QLabel* label = b.fenetre->Etat()->PointCourant();
        connect(&acquisitions, &AcquisitionBureau::blocTermine, this,
                [&] { compteur << label->text() << QString::number(label->isVisible()); });
        acquisitions.Lancer();
        QVERIFY(acquisitions.DessinPointParPoint());
        QCOMPARE(compteur, (QStringList{"6/6 ", "1"}));
        QVERIFY(!label->isVisible());
        QCOMPARE(b.Entree(0)->NbPoints, 6);
        QCOMPARE(AcquisitionBureau::TextePoint(0, 6), QStringLiteral("0/6 "));
        QVERIFY(boites.textes.isEmpty());
    }

    void repeatedRunErasesThePreviousBlockAhead() {
        // Drawn point by point, each block erases the previous one as it goes: when the third
        // block's last point is drawn the curves are those of that block alone.
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0, 1});
        AcquisitionBureau& acquisitions = b.fenetre->Acquisitions();
        acquisitions.FixerCoutDessin(5.0);
        b.Base(300, 1700.0); // 25.5 periods: each block starts in the opposite phase
        b.travail.Parametres().permanent = 1;
        b.Entree(0)->Couleur = 0x0000FF;
        b.Entree(1)->Couleur = 0xFF0000;
        QImage vu;
        QImage neuf;
        int bloc = 0;
        connect(&acquisitions, &AcquisitionBureau::blocCommence, this, [&](int n) { bloc = n; });
        connect(&acquisitions, &AcquisitionBureau::pointDessine, this, [&](int point) {
            if (bloc != 3 || point != 300) return;
            TFenCourbe* c = b.fenetre->Courbe(1);
            vu = c->Image().copy();
            c->Redessiner();
            neuf = c->Image().copy();
            b.Echap();
        });
        acquisitions.Lancer();
        QVERIFY(acquisitions.DessinPointParPoint());
        QVERIFY(!vu.isNull());
        int differents = 0;
        int courbe = 0;
        const auto estCourbe = [](QRgb p) {
            return (p & 0xFFFFFF) == 0xFF0000 || (p & 0xFFFFFF) == 0x0000FF;
        };
        for (int y = 0; y < vu.height(); ++y)
            for (int x = 0; x < vu.width(); ++x) {
                courbe += estCourbe(neuf.pixel(x, y));
                // Where the two curves cross, the one drawn last shows: either colour will do.
                differents += estCourbe(vu.pixel(x, y)) != estCourbe(neuf.pixel(x, y));
            }
        QVERIFY(courbe > 500);
        QCOMPARE(differents, 0);
        QVERIFY(boites.textes.isEmpty());
    }

    void slowDrawingWaitsForTheEndOfTheBlock() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0, 1});
        b.Base(300, 1700.0);
        AcquisitionBureau& acquisitions = b.fenetre->Acquisitions();
        acquisitions.FixerCoutDessin(5.0);
        acquisitions.Lancer();
        QVERIFY(acquisitions.DessinPointParPoint());
        // A drawing too slow for the period draws after the block instead.
        acquisitions.FixerCoutDessin(1e9);
        acquisitions.Lancer();
        QVERIFY(!acquisitions.DessinPointParPoint());
        QCOMPARE(acquisitions.Derniere()->PointsAcquis(), 300);
        // A single input at a short period is drawn once per block.
        acquisitions.FixerCoutDessin(0.001);
        b.Entrees({0});
        b.Base(100, 500.0);
        acquisitions.Lancer();
        QVERIFY(!acquisitions.DessinPointParPoint());
        QVERIFY(boites.textes.isEmpty());
    }

    void parametersFormOpensFromTheDesk() {
        BoitesAuto boites;
        Bureau b;
        b.Entrees({0});
        b.Base(200, 100.0);
        b.fenetre->Executer(Commande::AcquerirSignaux);
        TFenCourbe* c = b.fenetre->Courbe(1);
        QTRY_VERIFY(!c->RectLegende().isEmpty());
        const int ea0 = b.Table().IndexVariable(QStringLiteral("EA0"));
        using Page = ModeleParametres::Page;
        struct Cas {
            const char* nom;
            std::function<void()> ouvrir;
            Page page;
            int element;
        };
        const QList<Cas> cas = {
            {"menu", [&] { b.fenetre->Executer(Commande::Parametres); }, Page::PageEntrees, 0},
            {"scales", [&] { b.fenetre->Executer(Commande::EchellesAbscisse); }, Page::PageFenetres,
             1},
            {"legend",
             [&] {
                 QTest::mouseDClick(c, Qt::LeftButton, {},
                                    c->RectLegende().topLeft() + QPoint(3, 3));
             },
             Page::PageCourbes, ea0},
            {"Y strip",
             [&] { QTest::mouseDClick(c, Qt::LeftButton, {}, QPoint(3, c->height() / 2)); },
             Page::PageFenetres, 1},
        };
        for (const Cas& k : cas) {
            int page = -1;
            int element = -1;
            QTimer::singleShot(0, this, [&] {
                auto* fiche = qobject_cast<TFicheParametres*>(QApplication::activeModalWidget());
                if (!fiche) return;
                page = fiche->PageCourante();
                element = fiche->ElementCourant();
                fiche->findChild<QPushButton*>(QStringLiteral("annuler"))->click();
            });
            k.ouvrir();
            QTRY_VERIFY2(page >= 0, k.nom);
            QCOMPARE(page, static_cast<int>(k.page));
            QCOMPARE(element, k.element);
        }

        // Applied by "Ok", a second input in service shows on the system line at once, with
        // the minimal period of the two (10 µs per channel on the simulated interface).
        QVERIFY(b.fenetre->Etat()->Systeme()->text().contains(QStringLiteral("[1 E/S : 10µs]")));
        QTimer::singleShot(0, this, [&] {
            auto* fiche = qobject_cast<TFicheParametres*>(QApplication::activeModalWidget());
            if (!fiche) return;
            fiche->OuvrirPage(Page::PageEntrees, 1);
            fiche->findChild<QRadioButton*>(QStringLiteral("modeAutomatique"))->click();
            fiche->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        b.fenetre->Executer(Commande::Parametres);
        QCOMPARE(b.Entree(1)->Etat, std::uint8_t{TypeVoie::Automatique});
        QVERIFY2(b.fenetre->Etat()->Systeme()->text().contains(QStringLiteral("[2 E/S : 20µs]")),
                 qPrintable(b.fenetre->Etat()->Systeme()->text()));
        QVERIFY(boites.textes.isEmpty());
    }

    void withoutInterfaceTheRunSaysSoAndTheDeskGoesOn() {
        ChoixFenetreAuto choix;
        BoitesAuto boites;
        Bureau b(false);
        QVERIFY(b.travail.Interface().SansSysteme());
        // Nothing in service; then an input left automatic by a work made with an interface.
        b.fenetre->Executer(Commande::AcquerirSignaux);
        TypeVoie* ea0 = b.Entree(0);
        QVERIFY(ea0);
        ea0->Etat = TypeVoie::Automatique;
        b.fenetre->Executer(Commande::AcquerirSignaux);
        QCOMPARE(boites.textes, (QStringList{"PAS D'ENTREES ou SORTIES EN SERVICE.",
                                             "PAS DE CARTE D'ACQUISITION EN SERVICE."}));
        QVERIFY(!b.fenetre->Acquisitions().EnCours());
        QVERIFY(!QFileInfo::exists(b.secours.Fichier()));
        // The desk still answers: a command runs.
        b.fenetre->Executer(Commande::NouvelleFenetre);
        QTRY_VERIFY(b.travail.TableDesFenetres().Existe(2));
    }
};

QTEST_MAIN(AcquisitionBureauTest)
#include "AcquisitionBureauTest.moc"
