#include "BoitesAuto.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Genres.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "gui/acquisition/TFicheParametres.h"
#include "gui/app/Aide.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampEntier.h"
#include "gui/ui/ChampReel.h"
#include "gui/ui/HoteBureau.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <memory>

using namespace pelavorine;
using Page = ModeleParametres::Page;

namespace {

// The folder the simulated interface is built in.
QString DossierSimulation() {
    return QFileInfo(QStringLiteral(PELAVORINE_SIMULATION_SO)).path();
}

// A work over the simulated interface, or without a system.
struct Poste {
    HoteBureau hote;
    Travail travail{hote};
    bool charge = false;

    explicit Poste(bool systeme) {
        if (systeme) {
            qputenv("PELAVORINE_SIMULATION_FAST", "1");
            CoucheInterface& c = travail.Interface();
            c.Lister({DossierSimulation()});
            c.Selectionner(QStringLiteral("SIMULATION"));
            charge = c.Charger();
            travail.FixerVoies(c.Description());
        }
        travail.PreparerNouveauTravail();
    }
    TypeVoie& Entree(int n) { return *regles::Entree(travail.Variables(), n); }
    TypeSortie& Sortie(int n) { return *regles::Sortie(travail.Variables(), n); }
};

QStringList Onglets(const TFicheParametres& f) {
    QStringList t;
    for (int i = 0; i < f.Onglets()->count(); ++i)
        t << f.Onglets()->tabText(i);
    return t;
}

void Choisir(QComboBox* liste, const QVariant& donnee) {
    const int i = liste->findData(donnee);
    QVERIFY2(i >= 0, qPrintable(donnee.toString()));
    liste->setCurrentIndex(i);
}

void Choisir(QComboBox* liste, const QString& texte) {
    const int i = liste->findText(texte);
    QVERIFY2(i >= 0, qPrintable(texte));
    liste->setCurrentIndex(i);
}

// Clicks the item button of a page, as the user does.
void Cliquer(QButtonGroup* groupe, int numero) {
    QAbstractButton* b = groupe->button(numero);
    QVERIFY(b);
    b->click();
}

// Types a text in an edit and leaves it (Enter reads it).
void Saisir(QLineEdit* champ, const QString& texte) {
    champ->setText(texte);
    QTest::keyClick(champ, Qt::Key_Return);
}

// Help pages opened through the desktop's handler, noted instead of shown.
class PagesOuvertes : public QObject {
    Q_OBJECT
public:
    QStringList chemins;
    PagesOuvertes() { QDesktopServices::setUrlHandler("file", this, "Noter"); }
    ~PagesOuvertes() override { QDesktopServices::unsetUrlHandler("file"); }
public slots:
    void Noter(const QUrl& url) { chemins << url.toLocalFile(); }
};

} // namespace

class FicheParametresTest : public QObject {
    Q_OBJECT
private slots:
    void parametersGoThroughTheFormAndComeBack() {
        Poste p(true);
        QVERIFY(p.charge);
        BoitesAuto boites;
        {
            TFicheParametres f(p.travail, p.travail.Interface());
            QCOMPARE(f.windowTitle(), QStringLiteral(" Réglage des paramètres"));
            QCOMPARE(f.PageCourante(), Page::PageEntrees);
            Cliquer(f.BoutonsEntrees(), 1);
            QCOMPARE(f.ElementCourant(), 1);
            f.VariableEntree().nom->setText(QStringLiteral("Pression"));
            f.ModePasAPas()->setChecked(true);
            QVERIFY(f.Lecture()->isVisibleTo(&f));
            Choisir(f.Lecture(), QStringLiteral("Moyenne"));
            QVERIFY(f.BoutonEssayer()->isEnabled());

            f.OuvrirPage(Page::PageAcquis);
            QCOMPARE(f.Onglets()->currentIndex(), 1);
            // Leaving the page applied the input.
            QCOMPARE(p.Entree(1).Nom, QStringLiteral("Pression"));
            Saisir(f.Points(), QStringLiteral("500"));
            f.UnitePeriode()->setCurrentIndex(1); // ms
            Saisir(f.Periode(), QStringLiteral("2"));
            f.UniteTotale()->setCurrentIndex(2); // s
            QCOMPARE(f.Totale()->text(), QStringLiteral("1"));
            f.Permanent()->setChecked(true);
            QVERIFY(f.InhiberCalculs()->isEnabled());
            f.Ajouter()->setChecked(true);
            f.BoutonOk()->click();
            QCOMPARE(f.result(), int(QDialog::Accepted));
        }
        QVERIFY(boites.textes.isEmpty());
        const ParametresAcquisition& a = p.travail.Parametres();
        QCOMPARE(p.travail.Variables().NbPoint(), 500);
        QCOMPARE(a.periode, 2000.0);
        QCOMPARE(int(a.unitePeriode), 2);
        QCOMPARE(int(a.permanent), 1);
        QCOMPARE(int(a.garderPrecedentes), 1);
        QCOMPARE(int(p.Entree(1).Etat), int(TypeVoie::PasAPas));
        QCOMPARE(int(p.Entree(1).Lecture), 3);

        TFicheParametres f(p.travail, p.travail.Interface());
        f.OuvrirPage(Page::PageEntrees, 1);
        QCOMPARE(f.VariableEntree().nom->text(), QStringLiteral("Pression"));
        QVERIFY(f.ModePasAPas()->isChecked());
        QCOMPARE(f.Lecture()->currentText(), QStringLiteral("Moyenne"));
        f.OuvrirPage(Page::PageAcquis);
        QCOMPARE(f.Points()->text(), QStringLiteral("500"));
        QCOMPARE(f.UnitePeriode()->currentIndex(), 1);
        QCOMPARE(f.Periode()->text(), QStringLiteral("2"));
        QVERIFY(f.Permanent()->isChecked());
        QVERIFY(f.Ajouter()->isChecked());
        // Nothing changed: closing with "Ok" requests nothing.
        QVERIFY(!f.BoutonEssayer()->isEnabled());
    }

    void triggerGoesThroughTheForm() {
        struct Cas {
            int source;
            QString niveau;
            int bits;
            int condition;
            double niveauAttendu;
            ParametresAcquisition::Declenchement conditionAttendue;
            int brut; // the raw level, -1 when it depends on the calibre
        };
        using D = ParametresAcquisition::Declenchement;
        const QList<Cas> cas = {
            {0, QStringLiteral("1.5"), 0, 1, 1.5, D::Descendant, -1},
            {10, QString(), 0x81, 1, 0.0, D::Etat1, 0x81}, // logic port 1
            {10, QString(), 0x81, 0, 0.0, D::Etat0, 0},
            {70, QString(), 0, 0, 0.0, D::Montant, 0}, // external synchronisation
        };
        for (const Cas& c : cas) {
            Poste p(true);
            QVERIFY(p.charge);
            {
                TFicheParametres f(p.travail, p.travail.Interface());
                f.OuvrirPage(Page::PageAcquis);
                QVERIFY(f.GroupeDeclenchement()->isEnabled());
                QVERIFY(!f.ReglagesNiveau()->isVisibleTo(&f)); // " Aucune"
                Choisir(f.Source(), c.source);
                QCOMPARE(f.ReglagesNiveau()->isVisibleTo(&f), c.source == 0);
                QCOMPARE(f.ReglagesBits()->isVisibleTo(&f), c.source == 10);
                QCOMPARE(f.Condition()->isVisibleTo(&f), c.source != 70);
                if (c.source == 0) {
                    QCOMPARE(f.UniteNiveau()->text(), p.Entree(0).Unite);
                    f.Niveau()->setText(c.niveau);
                }
                if (c.source == 10) {
                    QCOMPARE(f.LibelleBits()->text(),
                             QStringLiteral(" 7   6   5   4   3   2   1   0"));
                    QCOMPARE(f.Condition()->itemText(1), QStringLiteral("Actif sur état 1"));
                }
                for (int k = 0; k < 8; ++k)
                    f.Bits()[static_cast<std::size_t>(k)]->setChecked(c.bits & (1 << k));
                if (c.source != 70) f.Condition()->setCurrentIndex(c.condition);
                f.BoutonOk()->click();
            }
            const ParametresAcquisition& a = p.travail.Parametres();
            QCOMPARE(int(a.sourceDeclenchement), c.source);
            QCOMPARE(a.niveauDeclenchement, c.niveauAttendu);
            QCOMPARE(int(a.condition), int(c.conditionAttendue));
            if (c.brut >= 0) QCOMPARE(int(a.niveauBrut), c.brut);
            QCOMPARE(int(a.bitsDeclenchement), c.bits);

            TFicheParametres f(p.travail, p.travail.Interface());
            f.OuvrirPage(Page::PageAcquis);
            QCOMPARE(f.Source()->currentData().toInt(), c.source);
            if (c.source != 70) QCOMPARE(f.Condition()->currentIndex(), c.condition);
            if (c.source == 0) QCOMPARE(f.Niveau()->text(), c.niveau);
            for (int k = 0; k < 8; ++k)
                QCOMPARE(f.Bits()[static_cast<std::size_t>(k)]->isChecked(),
                         bool(c.bits & (1 << k)));
        }
    }

    void periodAndTotalFollowEachOther() {
        Poste p(true);
        QVERIFY(p.charge);
        TFicheParametres f(p.travail, p.travail.Interface());
        f.OuvrirPage(Page::PageAcquis);
        Saisir(f.Points(), QStringLiteral("1000"));
        f.UnitePeriode()->setCurrentIndex(0); // µs
        f.UniteTotale()->setCurrentIndex(1);  // ms

        Saisir(f.Periode(), QStringLiteral("500"));
        QCOMPARE(f.Totale()->text(), QStringLiteral("500"));
        Saisir(f.Totale(), QStringLiteral("2000"));
        QCOMPARE(f.Periode()->text(), QStringLiteral("2000"));
        Saisir(f.Points(), QStringLiteral("10"));
        QCOMPARE(f.Totale()->text(), QStringLiteral("20"));

        // A period below the interface's limit is raised to it, and the total follows.
        Saisir(f.Periode(), QStringLiteral("0.001"));
        const double periode = f.Periode()->Valeur();
        QVERIFY(periode >= f.Modele().PeriodeMinimale(1));
        QVERIFY(periode > 0.001);
        QCOMPARE(f.Totale()->Valeur(), 10 * periode / 1000);
        QVERIFY(f.IndicationPeriode()->text().startsWith(QStringLiteral("LIMITES : ")));
        f.BoutonOk()->click();
        QCOMPARE(p.travail.Parametres().periode, periode);
    }

    void cancelPutsEverythingBack() {
        Poste p(true);
        QVERIFY(p.charge);
        const QString nom = p.Entree(0).Nom;
        const int points = p.travail.Variables().NbPoint();
        const double periode = p.travail.Parametres().periode;
        TFicheParametres f(p.travail, p.travail.Interface());
        f.show();
        f.VariableEntree().nom->setText(QStringLiteral("Essai"));
        f.BoutonEssayer()->click();
        QCOMPARE(p.Entree(0).Nom, QStringLiteral("Essai"));
        QVERIFY(!f.BoutonEssayer()->isEnabled());
        f.OuvrirPage(Page::PageAcquis);
        Saisir(f.Points(), QString::number(points / 2));
        Saisir(f.Periode(), QString::number(f.Periode()->Valeur() * 3));
        f.BoutonEssayer()->click();
        QCOMPARE(p.travail.Variables().NbPoint(), points / 2);
        QVERIFY(p.travail.Parametres().periode != periode);

        // Enter is not "Ok", even on a focused button.
        f.BoutonOk()->setFocus();
        QTest::keyClick(f.BoutonOk(), Qt::Key_Return);
        QTest::keyClick(&f, Qt::Key_Enter);
        QVERIFY(f.isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QCOMPARE(p.Entree(0).Nom, nom);
        QCOMPARE(p.travail.Variables().NbPoint(), points);
        QCOMPARE(p.travail.Parametres().periode, periode);
    }

    void restoreBringsTheVariableBack() {
        Poste p(true);
        QVERIFY(p.charge);
        const QString nom = p.Entree(0).Nom;
        const QString unite = p.Entree(0).Unite;
        TFicheParametres f(p.travail, p.travail.Interface());
        // Applied by "Essayer", then restored.
        f.VariableEntree().nom->setText(QStringLiteral("Essai"));
        f.VariableEntree().unite->setText(QStringLiteral("mbar"));
        f.BoutonEssayer()->click();
        QCOMPARE(p.Entree(0).Unite, QStringLiteral("mbar"));
        f.BoutonRestaurer()->click();
        QCOMPARE(p.Entree(0).Nom, nom);
        QCOMPARE(p.Entree(0).Unite, unite);
        QCOMPARE(f.VariableEntree().nom->text(), nom);
        QCOMPARE(f.VariableEntree().unite->text(), unite);
        // Typed only: the edit shows the variable again.
        f.VariableEntree().nom->setText(QStringLiteral("Autre"));
        f.BoutonRestaurer()->click();
        QCOMPARE(f.VariableEntree().nom->text(), nom);
        QVERIFY(!f.BoutonEssayer()->isEnabled());
        // "Acquis" holds no variable to restore.
        f.OuvrirPage(Page::PageAcquis);
        QVERIFY(!f.BoutonRestaurer()->isEnabled());
        f.BoutonOk()->click();
        QCOMPARE(p.Entree(0).Nom, nom);
    }

    void refusedNameKeepsTheFormOnItsItem() {
        Poste p(true);
        QVERIFY(p.charge);
        struct Cas {
            QString nom;
            QString message;
        };
        const QList<Cas> cas = {
            {QStringLiteral("2X"), QStringLiteral("Nom incorrect")},
            {QStringLiteral("A#B"), QStringLiteral("Nom incorrect")},
            {p.Entree(0).Nom, QStringLiteral("Nom de variable déjà utilisé")},
        };
        const QString nom = p.Entree(1).Nom;
        for (const Cas& c : cas) {
            BoitesAuto boites;
            TFicheParametres f(p.travail, p.travail.Interface());
            f.show();
            f.OuvrirPage(Page::PageEntrees, 1);
            f.VariableEntree().nom->setText(c.nom);
            f.Onglets()->setCurrentIndex(1); // another page
            Cliquer(f.BoutonsEntrees(), 0);  // another input
            f.BoutonOk()->click();
            QCOMPARE(boites.textes, QStringList(3, c.message));
            QVERIFY(f.isVisible());
            QCOMPARE(f.PageCourante(), Page::PageEntrees);
            QCOMPARE(f.Onglets()->currentIndex(), 0);
            QCOMPARE(f.ElementCourant(), 1);
            QVERIFY(f.BoutonsEntrees()->button(1)->isChecked());
            QCOMPARE(f.VariableEntree().nom->text(), c.nom);
            QCOMPARE(p.Entree(1).Nom, nom);
            f.BoutonAnnuler()->click();
        }
    }

    void formFollowsTheSystem() {
        struct Cas {
            bool systeme;
            QStringList onglets;
        };
        const QList<Cas> cas = {
            {false, {"Entrées", "Acquis", "Courbes", "Fenêtres"}},
            {true, {"Entrées", "Acquis", "Courbes", "Fenêtres", "Sorties"}},
        };
        for (const Cas& c : cas) {
            Poste p(c.systeme);
            QCOMPARE(p.charge, c.systeme);
            TFicheParametres f(p.travail, p.travail.Interface());
            QCOMPARE(Onglets(f), c.onglets);
            QCOMPARE(f.SortiesPresentes(), c.systeme);
            QCOMPARE(f.ModeAutomatique()->isVisibleTo(&f), c.systeme);
            f.OuvrirPage(Page::PageAcquis);
            QCOMPARE(f.Moyenne()->isEnabled(), c.systeme);
            QCOMPARE(f.GroupeDeclenchement()->isEnabled(), c.systeme);
            QCOMPARE(f.GroupeOptions()->isEnabled(), c.systeme);
            QCOMPARE(f.IndicationPoints()->text(), QStringLiteral("Maximum 10000"));
            // Asking for the outputs without them shows the inputs.
            f.OuvrirPage(Page::PageSorties);
            QCOMPARE(f.PageCourante(), c.systeme ? Page::PageSorties : Page::PageEntrees);
            if (!c.systeme) {
                QStringList lectures;
                for (int i = 0; i < f.Lecture()->count(); ++i)
                    lectures << f.Lecture()->itemText(i);
                QCOMPARE(lectures, QStringList{"Clavier"});
            }
        }
    }

    void outputSettingsGoThroughTheForm() {
        Poste p(true);
        QVERIFY(p.charge);
        const auto [bas, haut] =
            ModeleParametres(p.travail, p.travail.Interface()).LimitesCalibre(1, 2);
        QVERIFY(bas < haut);
        // A table that can serve as the signal of an output.
        const int signal = p.travail.Variables().CreerVariable(
            QStringLiteral("Consigne"), p.travail.Variables().NbPoint(), genre::Calculee);
        QVERIFY(signal > 0);
        {
            TFicheParametres f(p.travail, p.travail.Interface());
            f.OuvrirPage(Page::PageSorties, 1);
            QCOMPARE(f.Forme()->currentText(), QStringLiteral("Non affectée"));
            QVERIFY(!f.ReglagesSignal()->isVisibleTo(&f));
            QVERIFY(!f.Emettre()->isEnabled());
            Choisir(f.Forme(), QStringLiteral("CRENEAU"));
            QVERIFY(f.ReglagesSignal()->isVisibleTo(&f));
            QVERIFY(f.ReglagesForme()->isVisibleTo(&f));
            // Emission of one output alone is not offered yet, whatever the form.
            QVERIFY(!f.Emettre()->isEnabled());
            // A variable as the signal: no periods nor bounds of its own.
            Choisir(f.Forme(), QVariant(QPoint(6, signal)));
            QVERIFY(!f.ReglagesForme()->isVisibleTo(&f));
            Choisir(f.Forme(), QStringLiteral("CRENEAU"));

            // Bounds beyond the calibre come back within it when the calibre changes.
            QVERIFY(f.CalibreSortie()->count() >= 2);
            Saisir(f.Minimum(), QString::number(bas - 100));
            Saisir(f.Maximum(), QString::number(haut + 100));
            f.CalibreSortie()->setCurrentIndex(1);
            QCOMPARE(f.Minimum()->Valeur(), bas);
            QCOMPARE(f.Maximum()->Valeur(), haut);
            Saisir(f.Periodes(), QStringLiteral("3"));
            f.DurantAcquisition()->setChecked(true);
            f.ValeurFinale()->setChecked(true);
            f.BoutonOk()->click();
        }
        const TypeSortie& s = p.Sortie(1);
        QCOMPARE(int(s.Forme), 2);
        QCOMPARE(int(s.Calibre), 2);
        QCOMPARE(s.Periodes, 3.0);
        QCOMPARE(int(s.ModeEmission), 1);
        QCOMPARE(int(s.ValeurApresArret), 0);
        QCOMPARE(s.MinimumSignal, bas);
        QCOMPARE(s.MaximumSignal, haut);
    }

    void helpFollowsTheTab() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        QDir(dossier.path()).mkpath(QStringLiteral("Parametres"));
        const QStringList fichiers = {"Entrees.htm", "Acquisition.htm", "Courbes.htm",
                                      "Fenetres.htm", "Sorties.htm"};
        for (const QString& n : fichiers) {
            QFile page(dossier.filePath(QStringLiteral("Parametres/") + n));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        Aide::FixerDossier(dossier.path());
        PagesOuvertes pages;
        Poste p(true);
        QVERIFY(p.charge);
        TFicheParametres f(p.travail, p.travail.Interface());
        f.show();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (int onglet = 0; onglet < fichiers.size(); ++onglet) {
            f.Onglets()->setCurrentIndex(onglet);
            pages.chemins.clear();
            QTest::keyClick(&f, Qt::Key_F1);
            f.BoutonAide()->click();
            QCOMPARE(pages.chemins.size(), 2);
            for (const QString& chemin : pages.chemins)
                QCOMPARE(QFileInfo(chemin).fileName(), fichiers[onglet]);
        }
        f.BoutonAnnuler()->click();
        Aide::FixerDossier(QString());
    }
};

QTEST_MAIN(FicheParametresTest)
#include "FicheParametresTest.moc"
