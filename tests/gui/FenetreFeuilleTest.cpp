#include "gui/calc/FenetreFeuille.h"
#include "gui/calc/EditeurFeuille.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/files/DialoguesFichier.h"
#include "core/files/FichierTravail.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/ui/SelecteurGrec.h"

#include <QAction>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <optional>

using pelavorine::HoteScripte;

namespace {

// A work with its calculation window shown.
struct Banc {
    HoteScripte hote;
    pelavorine::Travail travail{hote};
    pelavorine::FenetreFeuille fenetre{travail};

    Banc() {
        fenetre.resize(700, 300);
        fenetre.show();
    }
    pelavorine::FeuilleCalcul& feuille() { return travail.Feuille(); }
    pelavorine::EditeurFeuille* editeur() { return fenetre.Editeur(); }
    // The whole text replaced as the user would, through the editor.
    void Taper(const QString& texte) {
        editeur()->selectAll();
        editeur()->insertPlainText(texte);
    }
    void Declencher(const char* action) {
        QAction* a = fenetre.Action(QLatin1String(action));
        QVERIFY(a);
        a->trigger();
    }
    QString Resultat(int ligne) {
        return fenetre.PanneauResultats()->document()->findBlockByNumber(ligne).text();
    }
    double Valeur(const QString& nom) {
        auto& table = travail.Variables();
        return table.Variable(table.IndexVariable(nom))->LirePoint(0);
    }
    // A character key as a keyboard with Greek letters sends it.
    void Frapper(const QString& texte) {
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, texte);
        QApplication::sendEvent(editeur(), &appui);
    }
    void CurseurFinLigne(int ligne) {
        QTextCursor c(editeur()->document()->findBlockByNumber(ligne));
        c.movePosition(QTextCursor::EndOfBlock);
        editeur()->setTextCursor(c);
    }
};

// File dialogs that are never needed: the desk opens the files it is given.
class SansDialogues : public pelavorine::DialoguesFichier {
public:
    pelavorine::ChoixOuverture DemanderOuverture() override { return {}; }
    pelavorine::ChoixEnregistrement DemanderEnregistrement(const QString&,
                                                           const QString&) override {
        return {};
    }
    bool ReglerExportTexte(pelavorine::ReglagesExportTexte&) override { return false; }
};

// A desk over a fresh work, opening work files written for it.
struct Bureau {
    QTemporaryDir dossier;
    pelavorine::Configuration configuration{
        {dossier.path(), dossier.path(), dossier.path(), dossier.path(), dossier.path()}};
    HoteScripte hote;
    pelavorine::Travail travail{hote};
    SansDialogues dialogues;
    pelavorine::FenetrePrincipale fenetre{travail, configuration};
    int fichiers = 0;

    Bureau() {
        fenetre.FixerDialogues(&dialogues);
        fenetre.show();
        QTRY_COMPARE(travail.Demandes(), 0);
    }
    // Opens a file whose desk is in that state and whose calculation window is fca (none:
    // the file has no such window).
    QString Ouvrir(std::uint8_t etatBureau, std::optional<pelavorine::EtatFenetreFeuille> fca,
                   int chiffres = 7) {
        HoteScripte h;
        pelavorine::Travail source{h};
        source.bureau.etat = etatBureau;
        source.bureau.gauche = 10;
        source.bureau.haut = 10;
        source.bureau.largeur = 760;
        source.bureau.hauteur = 560;
        source.fenetreFeuille = fca;
        source.Feuille().etat.nbChiffres = chiffres;
        source.TableDesFenetres().Creer(2);
        source.TableDesFenetres().Activer(1);
        const QString nom = dossier.filePath(QStringLiteral("f%1.PL2").arg(++fichiers));
        if (pelavorine::FichierTravail::EcrireTravail(source, nom, source.conserves) != 0)
            return {};
        travail.modifie = false;
        fenetre.OuvrirFichier(nom);
        return nom;
    }
    QMdiSubWindow* Cadre() const {
        return fenetre.Feuille() ? qobject_cast<QMdiSubWindow*>(fenetre.Feuille()->parentWidget())
                                 : nullptr;
    }
    QSize Zone() const { return Cadre()->parentWidget()->size(); }
};

} // namespace

class FenetreFeuilleTest : public QObject {
    Q_OBJECT
private slots:
    void aCharacterKeyInALineAlreadyTooLongIsRefused() {
        Banc b;
        b.Taper(QString(pelavorine::FeuilleCalcul::LongueurSaisie, QLatin1Char('a')));
        b.CurseurFinLigne(0);
        // A line of the full length still takes one key; one beyond it takes no more.
        QTest::keyClick(b.editeur(), Qt::Key_B);
        QCOMPARE(b.feuille().Lignes().value(0).size(),
                 pelavorine::FeuilleCalcul::LongueurSaisie + 1);
        QTest::keyClick(b.editeur(), Qt::Key_C);
        b.Frapper(QStringLiteral("α"));
        const QString ligne = b.feuille().Lignes().value(0);
        QCOMPARE(ligne.size(), pelavorine::FeuilleCalcul::LongueurSaisie + 1);
        QVERIFY(ligne.endsWith(QLatin1Char('b')));
        // Keys that are not characters still work there, and a shorter line takes keys again.
        QTest::keyClick(b.editeur(), Qt::Key_Backspace);
        QTest::keyClick(b.editeur(), Qt::Key_Backspace);
        b.Frapper(QStringLiteral("α"));
        QVERIFY(b.feuille().Lignes().value(0).endsWith(QStringLiteral("aα")));
        QCOMPARE(b.editeur()->toPlainText(), b.feuille().Lignes().value(0));
    }

    void greekLettersOpenThePickerThatTypesIntoTheSheet() {
        Banc b;
        b.Taper(QStringLiteral("a=1"));
        b.CurseurFinLigne(0);
        b.Declencher("lettresGrecques");
        pelavorine::SelecteurGrec* s = b.fenetre.Selecteur();
        QVERIFY(s);
        QVERIFY(s->isVisible());
        QCOMPARE(s->Cible(), static_cast<QWidget*>(b.editeur()));
        // Cell 1 + 7 × 4: the small beta.
        const QSize cellule(s->width() / pelavorine::SelecteurGrec::kColonnes,
                            s->height() / pelavorine::SelecteurGrec::kLignes);
        QTest::mouseClick(s, Qt::LeftButton, {},
                          QPoint(cellule.width() * 3 / 2, cellule.height() * 9 / 2));
        QCOMPARE(b.feuille().Lignes(), QStringList{QStringLiteral("a=1β")});
        // The line length rule holds for picked letters as for typed ones.
        b.Taper(QString(121, QLatin1Char('x')));
        b.CurseurFinLigne(0);
        QTest::mouseClick(s, Qt::LeftButton, {},
                          QPoint(cellule.width() * 3 / 2, cellule.height() * 9 / 2));
        QCOMPARE(b.feuille().Lignes().value(0).size(), 121);
    }

    void tabsLeadToTheSpreadsheetAndTheCurveWindows() {
        Banc b;
        QTabBar* onglets = b.fenetre.Onglets();
        QSignalSpy tableur(&b.fenetre, &pelavorine::FenetreFeuille::tableurDemande);
        QSignalSpy fenetre(&b.fenetre, &pelavorine::FenetreFeuille::fenetreDemandee);
        b.fenetre.FixerFenetres({QStringLiteral("1"), QStringLiteral("3")});
        b.fenetre.FixerFenetres({QStringLiteral("2"), QStringLiteral("A1")}); // replaces
        QStringList textes;
        for (int i = 0; i < onglets->count(); ++i)
            textes << onglets->tabText(i);
        QCOMPARE(textes, (QStringList{QStringLiteral("Calcul"), QStringLiteral("Tableur"),
                                      QStringLiteral("2"), QStringLiteral("A1")}));
        for (int i : {3, 1, 0}) {
            QTest::mouseClick(onglets, Qt::LeftButton, {}, onglets->tabRect(i).center());
            QCOMPARE(onglets->currentIndex(), 0); // this window stays the sheet
        }
        QCOMPARE(fenetre.count(), 1);
        QCOMPARE(fenetre.at(0).at(0).toString(), QStringLiteral("A1"));
        QCOMPARE(tableur.count(), 1);
    }

    void anErrorGoesToTheStatusLineWithTheFaultyWordSelected() {
        Banc b;
        b.Taper(QStringLiteral("a=3\ny=2*\nc=4"));
        b.Declencher("executer");
        QVERIFY(b.feuille().etat.statut > 0);
        const QString message = b.feuille().etat.message;
        QVERIFY(!message.isEmpty());
        QCOMPARE(b.fenetre.LigneEtat()->text(), message);
        QVERIFY(b.fenetre.LigneEtat()->styleSheet().contains(QLatin1String("red")));
        // The window is active: no box, the word is selected on the faulty line.
        QVERIFY(b.hote.Textes(HoteScripte::Genre::Erreur).isEmpty());
        const QTextCursor c = b.editeur()->textCursor();
        QCOMPARE(c.block().blockNumber(), 1);
        QCOMPARE(c.selectedText(), QStringLiteral("2*"));
        // The line before keeps its result, none below.
        QCOMPARE(b.Resultat(0).trimmed().toDouble(), 3.0);
        QVERIFY(b.Resultat(1).isEmpty());
        QVERIFY(b.Resultat(2).isEmpty());
        // Moving the caret keeps the pending message; a correct run shows the line again.
        b.CurseurFinLigne(0);
        QCOMPARE(b.fenetre.LigneEtat()->text(), message);
        b.Taper(QStringLiteral("a=3\ny=2*a\nc=4"));
        b.Declencher("executer");
        QCOMPARE(b.feuille().etat.statut, 0);
        b.CurseurFinLigne(1);
        QCOMPARE(b.fenetre.LigneEtat()->text(), QStringLiteral(" Ligne 2/4"));
    }

    void resultsStandOnTheLineOfTheirFormulaAndScrollWithIt() {
        Banc b;
        QStringList lignes{QStringLiteral("a=2"), QString(), QStringLiteral("b=a*3 { six"),
                           QStringLiteral("c=T")};
        for (int i = 0; i < 60; ++i)
            lignes << QStringLiteral("v%1=%1").arg(i);
        b.Taper(lignes.join(QLatin1Char('\n')));
        b.Declencher("executer");
        QCOMPARE(b.feuille().etat.statut, 0);
        QCOMPARE(b.Resultat(0).trimmed().toDouble(), 2.0);
        QVERIFY(b.Resultat(1).isEmpty());
        QCOMPARE(b.Resultat(2).trimmed().toDouble(), 6.0);
        QCOMPARE(b.Resultat(3), QStringLiteral(" Table[200]"));
        QCOMPARE(b.Resultat(63).trimmed().toDouble(), 59.0);

        // More significant digits show the results again, longer.
        auto* chiffres = b.fenetre.findChild<QSpinBox*>();
        QVERIFY(chiffres);
        const QString avant = b.Resultat(0);
        chiffres->setValue(chiffres->value() + 3);
        QCOMPARE(b.Resultat(0).trimmed().toDouble(), 2.0);
        QCOMPARE(b.Resultat(0).trimmed().size(), avant.trimmed().size() + 3);

        QScrollBar* defilement = b.editeur()->verticalScrollBar();
        QVERIFY(defilement->maximum() > 20);
        defilement->setValue(20);
        QCOMPARE(b.fenetre.PanneauResultats()->verticalScrollBar()->value(), 20);
        for (int ligne : {20, 25}) {
            const QTextCursor e(b.editeur()->document()->findBlockByNumber(ligne));
            const QTextCursor r(b.fenetre.PanneauResultats()->document()->findBlockByNumber(ligne));
            QCOMPARE(b.fenetre.PanneauResultats()->cursorRect(r).top(),
                     b.editeur()->cursorRect(e).top());
        }
        // An edit clears the results from its line down.
        b.CurseurFinLigne(2);
        QTest::keyClick(b.editeur(), Qt::Key_Space);
        QCOMPARE(b.Resultat(0).trimmed().toDouble(), 2.0);
        for (int ligne : {2, 3, 63})
            QVERIFY2(b.Resultat(ligne).isEmpty(), qPrintable(b.Resultat(ligne)));
    }

    void replaceAsksForEachOccurrence() {
        Banc b;
        b.Taper(QStringLiteral("x=1\ny=x+X\nz=x"));
        b.Declencher("toutRecalculer");
        QVERIFY(!b.feuille().Resultats().isEmpty());
        b.editeur()->moveCursor(QTextCursor::Start);
        b.hote.reponses = {true, false, true, true};
        b.fenetre.Remplacer(QStringLiteral("x"), QStringLiteral("xx"));
        const QStringList attendu{QStringLiteral("xx=1"), QStringLiteral("y=x+xx"),
                                  QStringLiteral("z=xx")};
        QCOMPARE(b.feuille().Lignes(), attendu);
        QCOMPARE(b.editeur()->toPlainText(), attendu.join(QLatin1Char('\n')));
        QCOMPARE(b.hote.Textes(HoteScripte::Genre::Question),
                 QStringList(4, QStringLiteral("Confirmer le remplacement")));
        // The sheet changed from its first line: no result is left.
        for (int ligne = 0; ligne < 3; ++ligne)
            QVERIFY2(b.Resultat(ligne).isEmpty(), qPrintable(b.Resultat(ligne)));

        b.editeur()->moveCursor(QTextCursor::Start);
        b.fenetre.Rechercher(QStringLiteral("Z="));
        QCOMPARE(b.editeur()->textCursor().selectedText(), QStringLiteral("z="));
        QVERIFY(b.hote.Textes(HoteScripte::Genre::Information).isEmpty());
        b.fenetre.Continuer();
        QCOMPARE(b.hote.Textes(HoteScripte::Genre::Information),
                 QStringList{QStringLiteral("Chaîne non trouvée")});
    }

    void deletingALineOrTheWholeText() {
        Banc b;
        b.Taper(QStringLiteral("a=1\nb=2\nc=3"));
        const QStringList restantes[] = {{QStringLiteral("a=1"), QStringLiteral("c=3")},
                                         {QStringLiteral("a=1")}};
        for (int i = 0; i < 2; ++i) {
            b.CurseurFinLigne(1);
            b.Declencher("supprimerLigne");
            QCOMPARE(b.feuille().Lignes(), restantes[i]);
        }
        b.hote.reponses = {false, true};
        b.Declencher("toutSupprimer");
        QCOMPARE(b.feuille().Lignes(), restantes[1]);
        b.Declencher("toutSupprimer");
        QVERIFY(b.feuille().Lignes().isEmpty());
        QCOMPARE(b.hote.Textes(HoteScripte::Genre::Question),
                 QStringList(2, QStringLiteral("Supprimer tout le texte")));
        QVERIFY(!b.fenetre.Action(QStringLiteral("toutSupprimer"))->isEnabled());
    }

    void executeResumesAtTheEditedLineWhileRecalculateStartsAtTheTop() {
        Banc b;
        auto& table = b.travail.Variables();
        const int x =
            table.CreerVariable(QStringLiteral("X0"), 1, pelavorine::genre::ScalaireSaisi);
        QVERIFY(x > 0);
        table.Variable(x)->EcrirePoint(0, 1.0);
        b.Taper(QStringLiteral("a=X0*2\nb=a+1\nc=b"));
        b.Declencher("toutRecalculer");
        QCOMPARE(b.Valeur(QStringLiteral("c")), 3.0);

        table.Variable(x)->EcrirePoint(0, 5.0);
        b.CurseurFinLigne(1);
        QTest::keyClick(b.editeur(), Qt::Key_0); // b=a+10
        b.Declencher("executer");
        QCOMPARE(b.Valeur(QStringLiteral("a")), 2.0);
        QCOMPARE(b.Valeur(QStringLiteral("c")), 12.0);
        QCOMPARE(b.Resultat(0).trimmed().toDouble(), 2.0);

        b.Declencher("toutRecalculer");
        QCOMPARE(b.Valeur(QStringLiteral("a")), 10.0);
        QCOMPARE(b.Valeur(QStringLiteral("c")), 20.0);
        QCOMPARE(b.Resultat(0).trimmed().toDouble(), 10.0);
        QCOMPARE(b.Resultat(2).trimmed().toDouble(), 20.0);
        // The run asked the desk to redraw.
        QVERIFY(b.travail.Demandes() & 0x0080);
    }

    void closingWithAFaultySheetKeepsTheWindowOpen() {
        Banc b;
        b.Taper(QStringLiteral("y=2*"));
        QVERIFY(!b.fenetre.close());
        QCOMPARE(b.hote.Textes(HoteScripte::Genre::Erreur),
                 QStringList{QStringLiteral(" Erreur dans la feuille de calcul")});
        b.Taper(QStringLiteral("y=2"));
        QVERIFY(b.fenetre.close());
        QCOMPARE(b.Valeur(QStringLiteral("y")), 2.0);
    }

    void pointsAsksAgainUntilTheCountIsValidThenRecalculates() {
        Banc b;
        b.Taper(QStringLiteral("c=T"));
        b.Declencher("executer");
        QStringList reponses{QStringLiteral("1"), QStringLiteral("10001"), QStringLiteral("50")};
        QStringList proposes;
        QTimer repondeur;
        QObject::connect(&repondeur, &QTimer::timeout, [&] {
            auto* dialogue = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!dialogue || reponses.isEmpty()) return;
            proposes << dialogue->textValue();
            dialogue->setTextValue(reponses.takeFirst());
            dialogue->accept();
        });
        repondeur.start(10);
        b.Declencher("points");
        QVERIFY(reponses.isEmpty());
        QCOMPARE(proposes.value(0), QStringLiteral("200"));
        QCOMPARE(b.hote.Textes(HoteScripte::Genre::Erreur),
                 QStringList(2, QStringLiteral(" Valeur incorecte ou hors limites")));
        QCOMPARE(b.travail.Variables().NbPoint(), 50);
        QCOMPARE(b.Resultat(0), QStringLiteral(" Table[50]"));
    }

    void theDeskShowsTheWindowAsTheFileSaysAndNotesItBeforeASave() {
        using pelavorine::EtatBureau;
        using pelavorine::EtatFenetreFeuille;
        Bureau b;
        QVERIFY(!b.fenetre.Feuille());
        struct Cas {
            const char* cas;
            std::uint8_t bureau;
            EtatFenetreFeuille fca;
            bool montree;
            bool agrandie; // shown again later, it fills the desk
        };
        const QRect bornes(30, 40, 320, 200);
        const auto fca = [&](std::uint8_t etat, bool visible, bool mosaique = false) {
            return EtatFenetreFeuille{bornes.x(), bornes.y(), bornes.width(), bornes.height(),
                                      etat,       visible,    mosaique};
        };
        const Cas cas[] = {
            {"normale", EtatBureau::Normal, fca(EtatBureau::Normal, true), true, false},
            {"cachée", EtatBureau::Normal, fca(EtatBureau::Normal, false), false, false},
            {"bureau agrandi", EtatBureau::Maximise, fca(EtatBureau::Normal, true), false, true},
            {"réduite", EtatBureau::Normal, fca(EtatBureau::Minimise, true), false, true},
            {"agrandie", EtatBureau::Normal, fca(EtatBureau::Maximise, true), false, true},
            {"en mosaïque", EtatBureau::Normal, fca(EtatBureau::Maximise, true, true), true, false},
        };
        for (const Cas& c : cas) {
            QVERIFY2(!b.Ouvrir(c.bureau, c.fca).isEmpty(), c.cas);
            QVERIFY2(b.Cadre(), c.cas);
            QCOMPARE(!b.Cadre()->isHidden(), c.montree);
            QVERIFY2(!b.Cadre()->isMaximized(), c.cas);
            if (c.montree) QCOMPARE(b.Cadre()->geometry(), bornes);
            QCOMPARE(b.travail.Feuille().etat.nbChiffres, 7);
            QCOMPARE(b.fenetre.Feuille()->findChild<QSpinBox*>()->value(), 7);
            // The file's current curve window is the active one.
            QCOMPARE(b.travail.TableDesFenetres().FenetreCourante(), 1);
            QCOMPARE(b.fenetre.Zone()->activeSubWindow(), b.fenetre.SousFenetre(1));
            // The next file is opened from the calculation window, after window 2.
            b.fenetre.Zone()->setActiveSubWindow(b.fenetre.SousFenetre(2));
            b.fenetre.OuvrirFeuilleCalcul();
            QCOMPARE(b.Cadre()->isMaximized(), c.agrandie);
            if (!c.agrandie) QCOMPARE(b.Cadre()->geometry(), bornes);
        }

        // Clamped to the desk; a file without the window leaves it as it is.
        b.Ouvrir(EtatBureau::Normal,
                 EtatFenetreFeuille{5000, -50, 5000, 300, EtatBureau::Normal, true, false});
        const QRect bornee(0, 0, b.Zone().width(), 300);
        QCOMPARE(b.Cadre()->geometry(), bornee);
        b.Ouvrir(EtatBureau::Normal, std::nullopt);
        QVERIFY(!b.Cadre()->isHidden());
        QCOMPARE(b.Cadre()->geometry(), bornee);

        // A save notes the window as it is now, with the mosaic flag of the file.
        b.Ouvrir(EtatBureau::Normal, fca(EtatBureau::Normal, true, true), 5);
        b.Cadre()->setGeometry(50, 60, 330, 210);
        const QString nom = b.travail.fichierCourant;
        b.fenetre.Feuille()->Action(QStringLiteral("enregistrer"))->trigger();
        HoteScripte h;
        pelavorine::Travail relu{h};
        pelavorine::EnregistrementsConserves conserves;
        QCOMPARE(pelavorine::FichierTravail::LireTravail(relu, nom, 15, conserves), 0);
        QVERIFY(relu.fenetreFeuille);
        QCOMPARE(*relu.fenetreFeuille,
                 (EtatFenetreFeuille{50, 60, 330, 210, EtatBureau::Normal, true, true}));
        QCOMPARE(relu.Feuille().etat.nbChiffres, 5);
    }

    void printsTheSheetOrReportsThePrinterFault() {
        Banc b;
        b.Taper(QStringLiteral("a=2\nb=a*3"));
        b.Declencher("executer");
        b.travail.fichierCourant = QStringLiteral("/tmp/essai.PL2");
        QTemporaryDir dossier;
        struct Cas {
            QString fichier;
            bool imprime;
        };
        const Cas cas[] = {{dossier.filePath(QStringLiteral("feuille.pdf")), true},
                           {dossier.filePath(QStringLiteral("absent/feuille.pdf")), false}};
        for (const Cas& c : cas) {
            b.hote.Vider();
            QPrinter imprimante;
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(c.fichier);
            QCOMPARE(b.fenetre.Imprimer(imprimante), c.imprime);
            QCOMPARE(imprimante.docName(), QStringLiteral("PELAVORINE 5.11 - essai.PL2"));
            QCOMPARE(QFileInfo(c.fichier).size() > 0, c.imprime);
            QCOMPARE(b.hote.Textes(HoteScripte::Genre::Erreur).isEmpty(), c.imprime);
        }
        QVERIFY(!b.fenetre.Action(QStringLiteral("examiner"))->isEnabled());
    }
};

QTEST_MAIN(FenetreFeuilleTest)
#include "FenetreFeuilleTest.moc"
