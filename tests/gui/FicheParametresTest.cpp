#include "BoitesAuto.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"
#include "core/windows/TableFenetres.h"
#include "gui/acquisition/TFicheParametres.h"
#include "gui/app/Aide.h"
#include "gui/ui/ChampChaine.h"
#include "gui/ui/ChampEntier.h"
#include "gui/ui/ChampReel.h"
#include "gui/ui/HoteBureau.h"

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

// The form's control of that name (every control of the form has one).
template <class T> T* Controle(const QWidget& f, const char* nom) {
    T* c = f.findChild<T*>(QString::fromLatin1(nom));
    if (!c) qFatal("pas de contrôle %s", nom);
    return c;
}
QPushButton* Bouton(const QWidget& f, const char* nom) {
    return Controle<QPushButton>(f, nom);
}
QComboBox* Liste(const QWidget& f, const char* nom) {
    return Controle<QComboBox>(f, nom);
}
ChampReel* Reel(const QWidget& f, const char* nom) {
    return Controle<ChampReel>(f, nom);
}
QTabWidget* Onglets(const QWidget& f) {
    return Controle<QTabWidget>(f, "onglets");
}

QStringList TextesOnglets(const TFicheParametres& f) {
    QStringList t;
    for (int i = 0; i < Onglets(f)->count(); ++i)
        t << Onglets(f)->tabText(i);
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

// The item button of a page's row ("rangeeEntrees", 3).
QPushButton* BoutonElement(const QWidget& f, const char* rangee, int numero) {
    return Bouton(f, qPrintable(QString::fromLatin1(rangee) + QString::number(numero)));
}

// Clicks the item button of a page, as the user does.
void Cliquer(const QWidget& f, const char* rangee, int numero) {
    BoutonElement(f, rangee, numero)->click();
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
            Cliquer(f, "rangeeEntrees", 1);
            QCOMPARE(f.ElementCourant(), 1);
            Controle<QLineEdit>(f, "entreeNom")->setText(QStringLiteral("Pression"));
            Controle<QRadioButton>(f, "modePasAPas")->setChecked(true);
            QVERIFY(Liste(f, "lecture")->isVisibleTo(&f));
            Choisir(Liste(f, "lecture"), QStringLiteral("Moyenne"));
            QVERIFY(Bouton(f, "essayer")->isEnabled());

            f.OuvrirPage(Page::PageAcquis);
            QCOMPARE(Onglets(f)->currentIndex(), 1);
            // Leaving the page applied the input.
            QCOMPARE(p.Entree(1).Nom, QStringLiteral("Pression"));
            Saisir(Controle<ChampEntier>(f, "points"), QStringLiteral("500"));
            Liste(f, "unitePeriode")->setCurrentIndex(1); // ms
            Saisir(Reel(f, "periode"), QStringLiteral("2"));
            Liste(f, "uniteTotale")->setCurrentIndex(2); // s
            QCOMPARE(Reel(f, "totale")->text(), QStringLiteral("1"));
            Controle<QCheckBox>(f, "permanent")->setChecked(true);
            QVERIFY(Controle<QCheckBox>(f, "inhiberCalculs")->isEnabled());
            Controle<QRadioButton>(f, "ajouter")->setChecked(true);
            Bouton(f, "ok")->click();
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
        QCOMPARE(Controle<QLineEdit>(f, "entreeNom")->text(), QStringLiteral("Pression"));
        QVERIFY(Controle<QRadioButton>(f, "modePasAPas")->isChecked());
        QCOMPARE(Liste(f, "lecture")->currentText(), QStringLiteral("Moyenne"));
        f.OuvrirPage(Page::PageAcquis);
        QCOMPARE(Controle<ChampEntier>(f, "points")->text(), QStringLiteral("500"));
        QCOMPARE(Liste(f, "unitePeriode")->currentIndex(), 1);
        QCOMPARE(Reel(f, "periode")->text(), QStringLiteral("2"));
        QVERIFY(Controle<QCheckBox>(f, "permanent")->isChecked());
        QVERIFY(Controle<QRadioButton>(f, "ajouter")->isChecked());
        // Nothing changed: closing with "Ok" requests nothing.
        QVERIFY(!Bouton(f, "essayer")->isEnabled());
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
                QVERIFY(Controle<QGroupBox>(f, "declenchement")->isEnabled());
                QVERIFY(!Controle<QWidget>(f, "reglagesNiveau")->isVisibleTo(&f)); // " Aucune"
                Choisir(Liste(f, "source"), c.source);
                QCOMPARE(Controle<QWidget>(f, "reglagesNiveau")->isVisibleTo(&f), c.source == 0);
                QCOMPARE(Controle<QWidget>(f, "reglagesBits")->isVisibleTo(&f), c.source == 10);
                QCOMPARE(Liste(f, "condition")->isVisibleTo(&f), c.source != 70);
                if (c.source == 0) {
                    QCOMPARE(Controle<QLabel>(f, "uniteNiveau")->text(), p.Entree(0).Unite);
                    Reel(f, "niveau")->setText(c.niveau);
                }
                if (c.source == 10) {
                    QCOMPARE(Controle<QLabel>(f, "libelleBits")->text(),
                             QStringLiteral(" 7   6   5   4   3   2   1   0"));
                    QCOMPARE(Liste(f, "condition")->itemText(1),
                             QStringLiteral("Actif sur état 1"));
                }
                for (int k = 0; k < 8; ++k)
                    Controle<QCheckBox>(f, qPrintable(QStringLiteral("bit%1").arg(k)))
                        ->setChecked(c.bits & (1 << k));
                if (c.source != 70) Liste(f, "condition")->setCurrentIndex(c.condition);
                Bouton(f, "ok")->click();
            }
            const ParametresAcquisition& a = p.travail.Parametres();
            QCOMPARE(int(a.sourceDeclenchement), c.source);
            QCOMPARE(a.niveauDeclenchement, c.niveauAttendu);
            QCOMPARE(int(a.condition), int(c.conditionAttendue));
            if (c.brut >= 0) QCOMPARE(int(a.niveauBrut), c.brut);
            QCOMPARE(int(a.bitsDeclenchement), c.bits);

            TFicheParametres f(p.travail, p.travail.Interface());
            f.OuvrirPage(Page::PageAcquis);
            QCOMPARE(Liste(f, "source")->currentData().toInt(), c.source);
            if (c.source != 70) QCOMPARE(Liste(f, "condition")->currentIndex(), c.condition);
            if (c.source == 0) QCOMPARE(Reel(f, "niveau")->text(), c.niveau);
            for (int k = 0; k < 8; ++k)
                QCOMPARE(
                    Controle<QCheckBox>(f, qPrintable(QStringLiteral("bit%1").arg(k)))->isChecked(),
                    bool(c.bits & (1 << k)));
        }
    }

    void periodAndTotalFollowEachOther() {
        Poste p(true);
        QVERIFY(p.charge);
        TFicheParametres f(p.travail, p.travail.Interface());
        f.OuvrirPage(Page::PageAcquis);
        Saisir(Controle<ChampEntier>(f, "points"), QStringLiteral("1000"));
        Liste(f, "unitePeriode")->setCurrentIndex(0); // µs
        Liste(f, "uniteTotale")->setCurrentIndex(1);  // ms

        Saisir(Reel(f, "periode"), QStringLiteral("500"));
        QCOMPARE(Reel(f, "totale")->text(), QStringLiteral("500"));
        Saisir(Reel(f, "totale"), QStringLiteral("2000"));
        QCOMPARE(Reel(f, "periode")->text(), QStringLiteral("2000"));
        Saisir(Controle<ChampEntier>(f, "points"), QStringLiteral("10"));
        QCOMPARE(Reel(f, "totale")->text(), QStringLiteral("20"));

        // A period below the interface's limit is raised to it, and the total follows.
        Saisir(Reel(f, "periode"), QStringLiteral("0.001"));
        const double periode = Reel(f, "periode")->Valeur();
        QVERIFY(periode >= ModeleParametres(p.travail, p.travail.Interface()).PeriodeMinimale(1));
        QVERIFY(periode > 0.001);
        QCOMPARE(Reel(f, "totale")->Valeur(), 10 * periode / 1000);
        QVERIFY(Controle<QLabel>(f, "indicationPeriode")
                    ->text()
                    .startsWith(QStringLiteral("LIMITES : ")));
        Bouton(f, "ok")->click();
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
        Controle<QLineEdit>(f, "entreeNom")->setText(QStringLiteral("Essai"));
        Bouton(f, "essayer")->click();
        QCOMPARE(p.Entree(0).Nom, QStringLiteral("Essai"));
        QVERIFY(!Bouton(f, "essayer")->isEnabled());
        f.OuvrirPage(Page::PageAcquis);
        Saisir(Controle<ChampEntier>(f, "points"), QString::number(points / 2));
        Saisir(Reel(f, "periode"), QString::number(Reel(f, "periode")->Valeur() * 3));
        Bouton(f, "essayer")->click();
        QCOMPARE(p.travail.Variables().NbPoint(), points / 2);
        QVERIFY(p.travail.Parametres().periode != periode);

        // Enter is not "Ok", even on a focused button.
        Bouton(f, "ok")->setFocus();
        QTest::keyClick(Bouton(f, "ok"), Qt::Key_Return);
        QTest::keyClick(&f, Qt::Key_Enter);
        QVERIFY(f.isVisible());
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QCOMPARE(p.Entree(0).Nom, nom);
        QCOMPARE(p.travail.Variables().NbPoint(), points);
        QCOMPARE(p.travail.Parametres().periode, periode);
    }

    // A window box ticked on a page opens the window; a cancel used to leave it open.
    void cancelClosesTheWindowsTheFormOpened() {
        enum class Fin { Annuler, Echap, BarreDeTitre, Destruction, Ok };
        struct Cas {
            const char* nom;
            Fin fin;
            bool gardees;
        };
        const QList<Cas> cas = {
            {"Annuler", Fin::Annuler, false},
            {"Escape", Fin::Echap, false},
            {"title bar", Fin::BarreDeTitre, false},
            {"destroyed", Fin::Destruction, false},
            {"Ok", Fin::Ok, true},
        };
        for (const Cas& c : cas) {
            Poste p(true);
            QVERIFY(p.charge);
            TableVariables& t = p.travail.Variables();
            const int x = t.CreerVariable(QStringLiteral("X"), 3, genre::Calculee);
            for (int i = 1; i <= 3; ++i)
                t.Variable(x)->EcrirePoint(i, i);
            TableFenetres& fenetres = p.travail.TableDesFenetres();
            fenetres.Creer(2);
            fenetres.Activer(1);
            QCOMPARE(fenetres.MasqueOuvertes(), 0x3u);
            auto f = std::make_unique<TFicheParametres>(p.travail, p.travail.Interface());
            f->show();
            Controle<QCheckBox>(*f, "entreeFenetre3")->setChecked(true);
            Bouton(*f, "essayer")->click();
            QVERIFY2(fenetres.Existe(3), c.nom);
            f->OuvrirPage(Page::PageCourbes, x);
            QCOMPARE(f->ElementCourant(), x);
            Controle<QCheckBox>(*f, "courbeFenetre2")->setChecked(true); // open already
            Controle<QCheckBox>(*f, "courbeFenetre5")->setChecked(true);
            f->OuvrirPage(Page::PageSorties);
            Controle<QCheckBox>(*f, "sortieFenetre6")->setChecked(true);
            f->OuvrirPage(Page::PageFenetres, 5);
            QCOMPARE(f->ElementCourant(), 5);
            QCOMPARE(fenetres.MasqueOuvertes(), 0x37u);
            switch (c.fin) {
            case Fin::Annuler:
                Bouton(*f, "annuler")->click();
                break;
            case Fin::Echap:
                QTest::keyClick(f.get(), Qt::Key_Escape);
                break;
            case Fin::BarreDeTitre:
                f->close();
                break;
            case Fin::Ok:
                Bouton(*f, "ok")->click();
                break;
            case Fin::Destruction:
                break;
            }
            f.reset();
            QCOMPARE(fenetres.MasqueOuvertes(), c.gardees ? 0x37u : 0x3u);
            if (!c.gardees) QCOMPARE(fenetres.FenetreCourante(), 1);
        }
    }

    void restoreBringsTheVariableBack() {
        Poste p(true);
        QVERIFY(p.charge);
        const QString nom = p.Entree(0).Nom;
        const QString unite = p.Entree(0).Unite;
        TFicheParametres f(p.travail, p.travail.Interface());
        // Applied by "Essayer", then restored.
        Controle<QLineEdit>(f, "entreeNom")->setText(QStringLiteral("Essai"));
        Controle<QLineEdit>(f, "entreeUnite")->setText(QStringLiteral("mbar"));
        Bouton(f, "essayer")->click();
        QCOMPARE(p.Entree(0).Unite, QStringLiteral("mbar"));
        Bouton(f, "restaurer")->click();
        QCOMPARE(p.Entree(0).Nom, nom);
        QCOMPARE(p.Entree(0).Unite, unite);
        QCOMPARE(Controle<QLineEdit>(f, "entreeNom")->text(), nom);
        QCOMPARE(Controle<QLineEdit>(f, "entreeUnite")->text(), unite);
        // Typed only: the edit shows the variable again.
        Controle<QLineEdit>(f, "entreeNom")->setText(QStringLiteral("Autre"));
        Bouton(f, "restaurer")->click();
        QCOMPARE(Controle<QLineEdit>(f, "entreeNom")->text(), nom);
        QVERIFY(!Bouton(f, "essayer")->isEnabled());
        // "Acquis" holds no variable to restore.
        f.OuvrirPage(Page::PageAcquis);
        QVERIFY(!Bouton(f, "restaurer")->isEnabled());
        Bouton(f, "ok")->click();
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
            Controle<QLineEdit>(f, "entreeNom")->setText(c.nom);
            Onglets(f)->setCurrentIndex(1); // another page
            Cliquer(f, "rangeeEntrees", 0); // another input
            Bouton(f, "ok")->click();
            QCOMPARE(boites.textes, QStringList(3, c.message));
            QVERIFY(f.isVisible());
            QCOMPARE(f.PageCourante(), Page::PageEntrees);
            QCOMPARE(Onglets(f)->currentIndex(), 0);
            QCOMPARE(f.ElementCourant(), 1);
            QVERIFY(BoutonElement(f, "rangeeEntrees", 1)->isChecked());
            QCOMPARE(Controle<QLineEdit>(f, "entreeNom")->text(), c.nom);
            QCOMPARE(p.Entree(1).Nom, nom);
            Bouton(f, "annuler")->click();
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
            QCOMPARE(TextesOnglets(f), c.onglets);
            QCOMPARE(f.findChild<QWidget*>(QStringLiteral("pageSorties")) != nullptr, c.systeme);
            QCOMPARE(Controle<QRadioButton>(f, "modeAutomatique")->isVisibleTo(&f), c.systeme);
            f.OuvrirPage(Page::PageAcquis);
            QCOMPARE(Controle<ChampEntier>(f, "moyenne")->isEnabled(), c.systeme);
            QCOMPARE(Controle<QGroupBox>(f, "declenchement")->isEnabled(), c.systeme);
            QCOMPARE(Controle<QGroupBox>(f, "options")->isEnabled(), c.systeme);
            QCOMPARE(Controle<QLabel>(f, "indicationPoints")->text(),
                     QStringLiteral("Maximum 10000"));
            // Asking for the outputs without them shows the inputs.
            f.OuvrirPage(Page::PageSorties);
            QCOMPARE(f.PageCourante(), c.systeme ? Page::PageSorties : Page::PageEntrees);
            if (!c.systeme) {
                QStringList lectures;
                for (int i = 0; i < Liste(f, "lecture")->count(); ++i)
                    lectures << Liste(f, "lecture")->itemText(i);
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
            QCOMPARE(Liste(f, "forme")->currentText(), QStringLiteral("Non affectée"));
            QVERIFY(!Controle<QWidget>(f, "reglagesSignal")->isVisibleTo(&f));
            QVERIFY(!Bouton(f, "emettre")->isEnabled());
            Choisir(Liste(f, "forme"), QStringLiteral("CRENEAU"));
            QVERIFY(Controle<QWidget>(f, "reglagesSignal")->isVisibleTo(&f));
            QVERIFY(Controle<QWidget>(f, "reglagesForme")->isVisibleTo(&f));
            // Emission of one output alone is not offered yet, whatever the form.
            QVERIFY(!Bouton(f, "emettre")->isEnabled());
            // A variable as the signal: no periods nor bounds of its own.
            Choisir(Liste(f, "forme"), QVariant(QPoint(6, signal)));
            QVERIFY(!Controle<QWidget>(f, "reglagesForme")->isVisibleTo(&f));
            Choisir(Liste(f, "forme"), QStringLiteral("CRENEAU"));

            // Bounds beyond the calibre come back within it when the calibre changes.
            QVERIFY(Liste(f, "calibreSortie")->count() >= 2);
            Saisir(Reel(f, "minimum"), QString::number(bas - 100));
            Saisir(Reel(f, "maximum"), QString::number(haut + 100));
            Liste(f, "calibreSortie")->setCurrentIndex(1);
            QCOMPARE(Reel(f, "minimum")->Valeur(), bas);
            QCOMPARE(Reel(f, "maximum")->Valeur(), haut);
            Saisir(Reel(f, "periodes"), QStringLiteral("3"));
            Controle<QRadioButton>(f, "durantAcquisition")->setChecked(true);
            Controle<QRadioButton>(f, "valeurFinale")->setChecked(true);
            Bouton(f, "ok")->click();
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
            Onglets(f)->setCurrentIndex(onglet);
            pages.chemins.clear();
            QTest::keyClick(&f, Qt::Key_F1);
            Bouton(f, "aide")->click();
            QCOMPARE(pages.chemins.size(), 2);
            for (const QString& chemin : pages.chemins)
                QCOMPARE(QFileInfo(chemin).fileName(), fichiers[onglet]);
        }
        Bouton(f, "annuler")->click();
        Aide::FixerDossier(QString());
    }
};

QTEST_MAIN(FicheParametresTest)
#include "FicheParametresTest.moc"
