#include "gui/windows/DialogueMosaique.h"
#include "core/windows/TableFenetres.h"
#include "gui/app/Aide.h"
#include "gui/windows/DialogueChoixFenetre.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using namespace pelavorine;

namespace {

// A table whose open windows are exactly `ouvertes`, the last one current.
void Ouvrir(TableFenetres& table, const QList<int>& ouvertes) {
    table.Reinitialiser(3);
    for (const int n : ouvertes)
        table.Creer(n);
    if (!ouvertes.contains(1)) table.Fermer(1);
}

QStringList Textes(const QWidget& parent) {
    QStringList textes;
    for (const QLabel* l : parent.findChildren<QLabel*>())
        textes << l->text();
    for (const QGroupBox* g : parent.findChildren<QGroupBox*>())
        textes << g->title();
    for (const QAbstractButton* b : parent.findChildren<QAbstractButton*>())
        textes << b->text();
    return textes;
}

QStringList Titres(const QComboBox& liste) {
    QStringList titres;
    for (int i = 0; i < liste.count(); ++i)
        titres << liste.itemText(i);
    return titres;
}

// Answers the next modal window-number dialog once it is shown.
void Repondre(std::function<void(DialogueChoixFenetre&)> reponse) {
    QTimer::singleShot(0, [reponse] {
        auto* d = qobject_cast<DialogueChoixFenetre*>(QApplication::activeModalWidget());
        QVERIFY(d);
        reponse(*d);
    });
}

} // namespace

// Records the pages the desktop is asked to open instead of starting a browser.
class Pages : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
    Pages() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "noter"); }
    ~Pages() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
public slots:
    void noter(const QUrl& url) { urls << url; }
};

class DialogueMosaiqueTest : public QObject {
    Q_OBJECT
private slots:
    void rememberedWindowsThatCannotBeChosenAreDropped() {
        TableFenetres table;
        Ouvrir(table, {1, 2, 3, 5, 9});
        mosaique::EtatMosaique etat;
        etat.fenetres = {5, 4, 1, 9, 14, 5};
        etat.variante = 3;
        etat.feuille = true;

        DialogueMosaique d(table, etat, true);
        QCOMPARE(d.windowTitle(), QStringLiteral("Définition de la mosaïque"));
        const QStringList textes = Textes(d);
        for (const char* texte :
             {"Fenêtres à utiliser ", "Dispositions proposées", "Disposition des fenêtres",
              "Inclure également", " Feuille de calcul", " Tableur", "Analyse", "Ok", "Annuler",
              "Aide", "1", "8", "A1", "A5", "n° 5", "n° 1", "n° A1"})
            QVERIFY2(textes.contains(QString::fromUtf8(texte)), texte);
        QCOMPARE(d.Fenetres(), (QList<int>{5, 1, 9})); // remembered order kept
        QCOMPARE(d.Variante(), 3);
        QVERIFY(d.Feuille());
        QVERIFY(!d.Tableur());
        for (int n = 1; n <= DialogueMosaique::NbCases; ++n) {
            QVERIFY(d.CaseFenetre(n));
            QCOMPARE(d.CaseFenetre(n)->isEnabled(), table.Existe(n));
            QCOMPARE(d.CaseFenetre(n)->isChecked(), d.Fenetres().contains(n));
        }
        QVERIFY(!d.CaseFenetre(14));

        // Without the analysis boxes, window 9 cannot be chosen; two windows have no
        // variant 3, the first one is taken.
        DialogueMosaique sansAnalyse(table, etat, false);
        QVERIFY(!sansAnalyse.CaseFenetre(9));
        QVERIFY(!Textes(sansAnalyse).contains(QStringLiteral("Analyse")));
        QCOMPARE(sansAnalyse.Fenetres(), (QList<int>{5, 1}));
        QCOMPARE(sansAnalyse.Variante(), 1);
        QCOMPARE(sansAnalyse.BoutonsFormes().size(), 2);
        QVERIFY(sansAnalyse.BoutonsFormes().at(0)->isChecked());
    }

    void checkingWindowsRebuildsTheShapesAndPreviews() {
        TableFenetres table;
        Ouvrir(table, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        DialogueMosaique d(table, mosaique::EtatMosaique{}, true);
        QVERIFY(d.BoutonsFormes().isEmpty());
        // Layouts offered for 1..13 windows.
        const int formes[] = {1, 2, 6, 5, 6, 4, 3, 2, 2, 2, 2, 2, 2};
        for (int n = 1; n <= DialogueMosaique::NbCases; ++n) {
            d.CaseFenetre(n)->setChecked(true);
            QCOMPARE(d.BoutonsFormes().size(), formes[n - 1]);
            QCOMPARE(d.Fenetres().size(), n);
            QVERIFY(d.Apercu(n));
            QCOMPARE(d.Apercu(n)->text(),
                     n <= 8 ? QStringLiteral("n° %1").arg(n) : QStringLiteral("n° A%1").arg(n - 8));
            QVERIFY(!d.Apercu(n)->isHidden());
        }
        d.CaseFenetre(4)->setChecked(false);
        QVERIFY(!d.Apercu(4));
        QVERIFY(!d.Fenetres().contains(4));
        for (int n = 1; n <= DialogueMosaique::NbCases; ++n)
            d.CaseFenetre(n)->setChecked(false);
        QVERIFY(d.BoutonsFormes().isEmpty());
        QVERIFY(d.Fenetres().isEmpty());

        // A variant the new count does not have falls back to the first one.
        for (int n : {1, 2, 3})
            d.CaseFenetre(n)->setChecked(true);
        d.BoutonsFormes().at(5)->click();
        QCOMPARE(d.Variante(), 6);
        d.CaseFenetre(7)->setChecked(true);
        QCOMPARE(d.Fenetres(), (QList<int>{1, 2, 3, 7})); // a new window takes the last place
        QCOMPARE(d.Variante(), 1);
        QVERIFY(d.BoutonsFormes().at(0)->isChecked());
    }

    void theChosenLayoutPlacesThePreviews() {
        TableFenetres table;
        Ouvrir(table, {1, 2, 3});
        mosaique::EtatMosaique etat;
        etat.fenetres = {1, 2, 3};
        DialogueMosaique d(table, etat, false);
        QSignalSpy modifiee(&d, &DialogueMosaique::DispositionModifiee);
        d.BoutonsFormes().at(5)->click(); // columns 2-1
        QCOMPARE(d.Variante(), 6);
        QCOMPARE(modifiee.size(), 1);
        QVERIFY(d.BoutonsFormes().at(5)->isChecked());
        const QRect a = d.Apercu(1)->geometry(), b = d.Apercu(2)->geometry(),
                    c = d.Apercu(3)->geometry();
        const QRect zone = d.ZoneApercus()->rect();
        QCOMPARE(a.left(), b.left());
        QVERIFY(a.bottom() < b.top());
        QVERIFY(a.right() < zone.center().x() && c.left() > zone.center().x());
        QVERIFY(c.height() > 2 * a.height());
        QCOMPARE(d.PositionSous(c.center()), 3);
        QCOMPARE(d.PositionSous(a.center()), 1);

        d.BoutonsFormes().at(0)->click(); // rows 1-1-1
        QCOMPARE(d.Variante(), 1);
        QVERIFY(d.Apercu(1)->geometry().bottom() < d.Apercu(2)->geometry().top());
        QVERIFY(d.Apercu(2)->geometry().bottom() < d.Apercu(3)->geometry().top());
        QVERIFY(d.Apercu(1)->width() > zone.width() * 9 / 10);
    }

    void draggingAPreviewSwapsTwoPlaces() {
        TableFenetres table;
        Ouvrir(table, {1, 2, 3, 4});
        mosaique::EtatMosaique etat;
        etat.fenetres = {1, 2, 3, 4};
        DialogueMosaique d(table, etat, false);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));

        // Drags window 1's preview onto window 4's cell.
        const auto Glisser = [&](int fenetre, QPoint cible) {
            ApercuMosaique* a = d.Apercu(fenetre);
            QTest::mousePress(a, Qt::LeftButton, {}, a->rect().center());
            QTest::mouseMove(a, cible - a->pos());
            QTest::mouseRelease(a, Qt::LeftButton, {}, cible - a->pos());
        };
        const QRect case4 = d.Apercu(4)->geometry();
        const QRect case1 = d.Apercu(1)->geometry();
        Glisser(1, case4.center());
        QCOMPARE(d.Fenetres(), (QList<int>{4, 2, 3, 1}));
        QCOMPARE(d.Apercu(1)->geometry(), case4);
        QCOMPARE(d.Apercu(4)->geometry(), case1);

        // Dropped off the cells or on its own cell: back in place.
        Glisser(2, QPoint(-30, -30));
        Glisser(3, d.Apercu(3)->geometry().topLeft() + QPoint(5, 5));
        QCOMPARE(d.Fenetres(), (QList<int>{4, 2, 3, 1}));
        QCOMPARE(d.Apercu(2)->geometry().topLeft(), QPoint(case4.left(), case1.top()));

        d.Echanger(2, 3);
        d.Echanger(1, 5); // no such position
        QCOMPARE(d.Fenetres(), (QList<int>{4, 3, 2, 1}));
        d.CaseTableur()->setChecked(true);

        d.BoutonOk()->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const mosaique::EtatMosaique e = d.Etat();
        QCOMPARE(e.fenetres, (QList<int>{4, 3, 2, 1}));
        QCOMPARE(e.variante, 1);
        QVERIFY(!e.feuille);
        QVERIFY(e.tableur);

        // The remembered order comes back with the next dialog.
        DialogueMosaique suivant(table, e, false);
        QCOMPARE(suivant.Fenetres(), (QList<int>{4, 3, 2, 1}));
        QVERIFY(suivant.Tableur());
    }

    void opensCentredAQuarterDownAndHelpOpensItsPage() {
        TableFenetres table;
        Ouvrir(table, {1});
        DialogueMosaique d(table, mosaique::EtatMosaique{}, false);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QRect ecran = d.screen()->geometry();
        QCOMPARE(d.pos().y(), ecran.top() + ecran.height() / 4);
        QVERIFY(qAbs(d.frameGeometry().center().x() - ecran.center().x()) <= 1);

        Aide::FixerDossier(QString()); // the program's own help folder
        const QString page = Aide::Chemin(QStringLiteral("\\Interface\\OrganisationEcran.htm"));
        QVERIFY(page.endsWith(QStringLiteral("/Interface/OrganisationEcran.htm")));
        Pages pages;
        d.BoutonAide()->click();
        DialogueChoixFenetre choix(table, DialogueChoixFenetre::Mode::Creer);
        choix.BoutonAide()->click();
        QCOMPARE(pages.urls, (QList<QUrl>{QUrl::fromLocalFile(page),
                                          QUrl::fromLocalFile(Aide::Chemin(
                                              QStringLiteral("\\Interface\\Fenetres.htm")))}));
        QVERIFY(pages.urls.at(1).toLocalFile().endsWith(QStringLiteral("/Fenetres.htm")));
    }

    void createListsTheEmptySlotsOfTheFirstEight() {
        TableFenetres table;
        Ouvrir(table, {1, 3, 9, 14});
        DialogueChoixFenetre d(table, DialogueChoixFenetre::Mode::Creer);
        QCOMPARE(d.windowTitle(), QStringLiteral("Créer une fenêtre"));
        QVERIFY(Textes(d).contains(QStringLiteral("n° fenêtre à créer")));
        QCOMPARE(Titres(*d.Liste()), (QStringList{"Fenêtre n° 2", "Fenêtre n° 4", "Fenêtre n° 5",
                                                  "Fenêtre n° 6", "Fenêtre n° 7", "Fenêtre n° 8"}));

        Repondre([](DialogueChoixFenetre& c) {
            c.Liste()->setCurrentIndex(c.Liste()->findText(QStringLiteral("Fenêtre n° 6")));
            c.accept();
        });
        QCOMPARE(DialogueChoixFenetre::Choisir(table, DialogueChoixFenetre::Mode::Creer), 6);
        Repondre([](DialogueChoixFenetre& c) { c.reject(); });
        QCOMPARE(DialogueChoixFenetre::Choisir(table, DialogueChoixFenetre::Mode::Creer), 0);

        // Every slot taken: nothing to choose.
        Ouvrir(table, {1, 2, 3, 4, 5, 6, 7, 8});
        DialogueChoixFenetre plein(table, DialogueChoixFenetre::Mode::Creer);
        QCOMPARE(plein.Liste()->count(), 0);
        QVERIFY(!plein.BoutonOk()->isEnabled());
        QCOMPARE(plein.Numero(), 0);
        Repondre([](DialogueChoixFenetre& c) { c.accept(); });
        QCOMPARE(DialogueChoixFenetre::Choisir(table, DialogueChoixFenetre::Mode::Creer), 0);
    }

    void deleteListsEveryOpenWindowWithTheCurrentOneChosen() {
        TableFenetres table;
        Ouvrir(table, {1, 9, 12, 3});
        table.Activer(9);
        DialogueChoixFenetre d(table, DialogueChoixFenetre::Mode::Supprimer);
        QCOMPARE(d.windowTitle(), QStringLiteral("Supprimer une fenêtre"));
        QVERIFY(Textes(d).contains(QStringLiteral("n° fenêtre à supprimer")));
        QCOMPARE(Titres(*d.Liste()),
                 (QStringList{"Fenêtre n° 1", "Fenêtre n° 3", "Fenêtre d'analyse n° 1",
                              "Fenêtre d'analyse n° 4"}));
        QCOMPARE(d.Liste()->currentText(), QStringLiteral("Fenêtre d'analyse n° 1"));
        QCOMPARE(d.Numero(), 9);

        Repondre([](DialogueChoixFenetre& c) {
            c.Liste()->setCurrentIndex(3);
            c.accept();
        });
        QCOMPARE(DialogueChoixFenetre::Choisir(table, DialogueChoixFenetre::Mode::Supprimer), 12);
        Repondre([](DialogueChoixFenetre& c) { c.accept(); }); // the current window as offered
        QCOMPARE(DialogueChoixFenetre::Choisir(table, DialogueChoixFenetre::Mode::Supprimer), 9);
    }

    void titlesGiveTheirWindowNumber() {
        const QList<QPair<QString, int>> cas = {
            {QStringLiteral("Fenêtre n° 7"), 7},
            {QStringLiteral("Fenêtre n°12"), 12},
            {QStringLiteral("Fenêtre d'analyse n° 1"), 9},
            {QStringLiteral("Fenêtre d'Analyse n° 5"), 13},
            {QStringLiteral("Fenêtre n° 16"), 16},
            {QStringLiteral("Fenêtre d'analyse n° 9"), 0}, // 17: no such window
            {QStringLiteral("Fenêtre n° 0"), 0},
            {QStringLiteral("Fenêtre"), 0},
            {QString(), 0},
        };
        for (const auto& [titre, numero] : cas)
            QVERIFY2(DialogueChoixFenetre::NumeroDuTitre(titre) == numero, qPrintable(titre));
        for (int n = 1; n <= TableFenetres::NbFenetres; ++n)
            QCOMPARE(DialogueChoixFenetre::NumeroDuTitre(DonneesFenetre::TitreDe(n)), n);
    }
};

QTEST_MAIN(DialogueMosaiqueTest)
#include "DialogueMosaiqueTest.moc"
