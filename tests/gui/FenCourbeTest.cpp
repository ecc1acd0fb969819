#include "BoitesAuto.h"
#include "ChoixFenetreAuto.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/configuration/Configuration.h"
#include "core/files/DialoguesFichier.h"
#include "core/store/Demandes.h"
#include "core/store/TypeId.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "gui/app/FenetrePrincipale.h"
#include "gui/ui/BoitesMessages.h"
#include "gui/ui/HoteBureau.h"
#include "gui/windows/OutilLoupe.h"
#include "gui/windows/TFenCourbe.h"

#include <QAbstractButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace pelavorine;
using C = Commande;

namespace {

// The save dialog answers with a chosen name; the open dialog is never needed.
class Dialogues : public DialoguesFichier {
public:
    QString nom;
    ChoixOuverture DemanderOuverture() override { return {}; }
    ChoixEnregistrement DemanderEnregistrement(const QString&, const QString&) override {
        return {nom, {}, false};
    }
    bool ReglerExportTexte(ReglagesExportTexte&) override { return false; }
};

// A desk over a fresh work whose sheet computes a 50 Hz sine and its derivative.
struct Bureau {
    QTemporaryDir dossier;
    Configuration configuration{
        {dossier.path(), dossier.path(), dossier.path(), dossier.path(), dossier.path()}};
    HoteBureau hote;
    Travail travail{hote};
    Dialogues dialogues;
    std::unique_ptr<FenetrePrincipale> fenetre;

    Bureau() {
        fenetre = std::make_unique<FenetrePrincipale>(travail, configuration);
        hote.FixerParent(fenetre.get());
        fenetre->FixerDialogues(&dialogues);
        fenetre->resize(1200, 900);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
        Traiter();
    }
    ~Bureau() { fenetre.reset(); }

    void Traiter() {
        QTRY_COMPARE(travail.Demandes(), 0);
        QCoreApplication::processEvents();
    }
    TableFenetres& Table() { return travail.TableDesFenetres(); }
    TFenCourbe* Courbe(int n) { return fenetre->Courbe(n); }
    // Runs the sheet from the desk and shows its variables in window `n`.
    void CalculerEtAfficher(int n) {
        travail.Feuille().FixerLignes(
            {QStringLiteral("U=SIN(2*PI*50*T)"), QStringLiteral("V=DERIV(U,T)")});
        fenetre->Executer(C::LancerCalculs);
        Traiter();
        TableVariables& v = travail.Variables();
        for (const char* nom : {"U", "V"}) {
            TypeId* var = v.Variable(v.IndexVariable(QString::fromLatin1(nom)));
            QVERIFY(var);
            var->AfficherDans(n, true);
        }
        travail.DemanderMiseAJour(demande::RedessinerAvecAxes);
        Traiter();
    }
    TypeId* Variable(const char* nom) {
        TableVariables& v = travail.Variables();
        return v.Variable(v.IndexVariable(QString::fromLatin1(nom)));
    }
};

QColor DepuisWindows(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Pixels of a colour inside a rectangle of the window's picture.
int Pixels(const QImage& image, const QRect& zone, const QColor& couleur) {
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixelColor(x, y) == couleur) ++n;
    return n;
}

QStringList TextesCadre(const TFenCourbe& f) {
    QStringList t;
    for (const TexteCadre& e : f.Cadre().textes)
        t << e.texte;
    return t;
}

} // namespace

class FenCourbeTest : public QObject {
    Q_OBJECT
private slots:
    void sheetCurvesAreDrawnWithTheirGraduations();
    void erasingCurvesAndTheGrid();
    void zoomAndItsUndo();
    void calibrationsAndTheirUndo();
    void panOnTheGraduationStrips();
    void legendClickChoosesTheCurrentCurve();
    void layoutUndoAndMosaics();
    void digitKeysBringWindowsForward();
    void emptyingAWindowAsksFirst();
    void closingAndDeletingWindows();
    void windowsComeBackFromTheWorkFile();
};

void FenCourbeTest::sheetCurvesAreDrawnWithTheirGraduations() {
    Bureau b;
    b.CalculerEtAfficher(1);
    TFenCourbe* f = b.Courbe(1);
    QVERIFY(f);
    // The input channel assigned to the window is listed even before it holds points.
    QCOMPARE(f->Legende().texte, QStringLiteral("EA0(V), U, V"));
    // Both curves are drawn in their colours inside the plot area, nothing outside it.
    const QRect zone = f->ZoneTrace();
    for (const char* nom : {"U", "V"}) {
        const QColor couleur = DepuisWindows(b.Variable(nom)->Couleur);
        QVERIFY2(Pixels(f->Image(), zone, couleur) > 100, nom);
        QCOMPARE(Pixels(f->Image(), QRect(0, zone.bottom() + 2, f->width(), 5), couleur), 0);
    }
    // The time axis runs over the time base and is labelled "Temps (s)"-like.
    const DonneesFenetre* d = b.Table().Donnees(1);
    QCOMPARE(d->echelleX.nom, QStringLiteral("T"));
    QCOMPARE(d->echelleX.minimum, 0.0);
    QVERIFY(d->echelleX.maximum > 0);

    // A global calibration fits the derivative (about ±314): the Y labels follow.
    b.fenetre->Executer(C::CalibrageGlobal);
    b.Traiter();
    QVERIFY(d->echelleY.maximum >= 314 && d->echelleY.maximum < 400);
    QVERIFY(d->echelleY.minimum <= -314 && d->echelleY.minimum > -400);
    const QStringList textes = TextesCadre(*f);
    QVERIFY2(textes.contains(QStringLiteral("+100.00")) || textes.contains(QStringLiteral("+100")),
             qPrintable(textes.join(' ')));
    QVERIFY(textes.contains(QStringLiteral("0")));
}

void FenCourbeTest::erasingCurvesAndTheGrid() {
    Bureau b;
    b.CalculerEtAfficher(1);
    TFenCourbe* f = b.Courbe(1);
    // Below the legend line, which writes the name in the curve's colour.
    const QRect zone = f->ZoneTrace().adjusted(0, 30, 0, 0);
    const int u = b.travail.Variables().IndexVariable(QStringLiteral("U"));
    const QColor couleurU = DepuisWindows(b.Variable("U")->Couleur);
    const QColor grille(0x80, 0x80, 0x80);
    QVERIFY(Pixels(f->Image(), zone, grille) > 0);

    // Erased by drawing it in the background colour: none of its pixels stays.
    f->EffacerCourbesIndiquees({u});
    QCOMPARE(Pixels(f->Image(), zone, couleurU), 0);
    f->TracerCourbesIndiquees({u});
    QVERIFY(Pixels(f->Image(), zone, couleurU) > 100);

    // Clearing the plot area takes the grid too; the remembered grid comes back alone.
    f->Effacer();
    QCOMPARE(Pixels(f->Image(), zone, grille), 0);
    f->DessinerGrille();
    QVERIFY(Pixels(f->Image(), zone, grille) > 0);
    QCOMPARE(Pixels(f->Image(), zone, couleurU), 0);
}

void FenCourbeTest::zoomAndItsUndo() {
    Bureau b;
    b.CalculerEtAfficher(1);
    TFenCourbe* f = b.Courbe(1);
    DonneesFenetre* d = b.Table().Donnees(1);
    const PaireEchelles avant{d->echelleX, d->echelleY};
    QVERIFY(!b.fenetre->Action(C::AnnulerLoupe)->isEnabled());

    b.fenetre->Executer(C::Loupe);
    QVERIFY(dynamic_cast<OutilLoupe*>(f->Outil()));
    const QRect zone = f->ZoneTrace();
    const QPoint a = zone.topLeft() + QPoint(40, 30);
    const QPoint z = zone.topLeft() + QPoint(240, 130);
    const double x1 = f->Monde().PWX(a.x()), x2 = f->Monde().PWX(z.x());
    QTest::mousePress(f, Qt::LeftButton, {}, a);
    QTest::mouseMove(f, z);
    QTest::mouseRelease(f, Qt::LeftButton, {}, z);
    QVERIFY(!f->Outil()); // the zoom ends with its rectangle
    b.Traiter();
    QCOMPARE(d->pileLoupe.Taille(), 1);
    QCOMPARE(d->echelleX.nom, EchelleAxe::NomManuel);
    QVERIFY(std::abs(d->echelleX.minimum - x1) < 1e-9 * std::abs(x2 - x1) + 1e-12);
    QVERIFY(std::abs(d->echelleX.maximum - x2) < 1e-9 * std::abs(x2 - x1) + 1e-12);
    QVERIFY(b.fenetre->Action(C::AnnulerLoupe)->isEnabled());
    // The first zoom of a window notes the layout: "&Annuler" can undo it.
    QVERIFY(b.fenetre->Action(C::Annuler)->isEnabled());

    // Choosing "&Loupe" again while it is active only ends it.
    b.fenetre->Executer(C::Loupe);
    QVERIFY(f->Outil());
    b.fenetre->Executer(C::Loupe);
    QVERIFY(!f->Outil());

    b.fenetre->Executer(C::AnnulerLoupe);
    b.Traiter();
    QCOMPARE(d->pileLoupe.Taille(), 0);
    QCOMPARE(d->echelleX.nom, avant.x.nom);
    QCOMPARE(d->echelleX.maximum, avant.x.maximum);
    QCOMPARE(d->echelleY.minimum, avant.y.minimum);
    QVERIFY(!b.fenetre->Action(C::AnnulerLoupe)->isEnabled());
}

void FenCourbeTest::calibrationsAndTheirUndo() {
    Bureau b;
    b.CalculerEtAfficher(1);
    DonneesFenetre* d = b.Table().Donnees(1);
    const EchelleAxe y0 = d->echelleY;
    QVERIFY(!b.fenetre->Action(C::AnnulerCalibrage)->isEnabled());

    // The current curve is U: "Calibrage sur courbe active" fits Y to its ±1.
    b.Table().variableCourante = b.travail.Variables().IndexVariable(QStringLiteral("U"));
    b.fenetre->Executer(C::CalibrageCourbeActive);
    b.Traiter();
    QVERIFY(d->echelleY.maximum >= 1 && d->echelleY.maximum < 1.5);
    QVERIFY(d->echelleY.minimum <= -1 && d->echelleY.minimum > -1.5);
    QVERIFY(b.fenetre->Action(C::AnnulerCalibrage)->isEnabled());

    b.fenetre->Executer(C::RepereOrthonorme);
    b.Traiter();
    const Projection& p = b.Courbe(1)->Monde();
    QVERIFY(std::abs(p.SX() - p.SY()) < 1e-6 * p.SX());

    b.fenetre->Executer(C::AnnulerCalibrage);
    b.Traiter();
    QCOMPARE(d->echelleY.minimum, y0.minimum);
    QCOMPARE(d->echelleY.maximum, y0.maximum);
    QVERIFY(!b.fenetre->Action(C::AnnulerCalibrage)->isEnabled());
}

void FenCourbeTest::panOnTheGraduationStrips() {
    Bureau b;
    b.CalculerEtAfficher(1);
    TFenCourbe* f = b.Courbe(1);
    DonneesFenetre* d = b.Table().Donnees(1);
    const double min0 = d->echelleY.minimum, max0 = d->echelleY.maximum;
    const int x = f->Monde().L() / 2;
    const int y = f->height() / 2;
    QTest::mousePress(f, Qt::LeftButton, {}, QPoint(x, y));
    // Under 10 pixels nothing moves.
    QTest::mouseMove(f, QPoint(x, y + 5));
    QCOMPARE(d->echelleY.minimum, min0);
    QTest::mouseMove(f, QPoint(x, y + 40));
    QTest::mouseRelease(f, Qt::LeftButton, {}, QPoint(x, y + 40));
    // Dragging down moves the view up: both limits rise by the same amount.
    const double d1 = d->echelleY.minimum - min0;
    QVERIFY(d1 > 0);
    QVERIFY(std::abs((d->echelleY.maximum - max0) - d1) < 1e-9 * (max0 - min0));
    QCOMPARE(d->echelleY.nom, EchelleAxe::NomManuel);
}

void FenCourbeTest::legendClickChoosesTheCurrentCurve() {
    Bureau b;
    b.CalculerEtAfficher(1);
    TFenCourbe* f = b.Courbe(1);
    const int v = b.travail.Variables().IndexVariable(QStringLiteral("V"));
    const NomLegende* nomV = nullptr;
    for (const NomLegende& n : f->Legende().noms)
        if (n.variable == v) nomV = &n;
    QVERIFY(nomV);
    const QPoint clic(nomV->x + 2, f->Legende().noms.front().x > 0 ? 8 : 8);
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(nomV->x + 2, clic.y()));
    QCOMPARE(b.Table().variableCourante, v);
    QCOMPARE(b.Table().Donnees(1)->courbeCourante, v);
    bool souligne = false;
    for (const NomLegende& n : f->Legende().noms)
        if (n.variable == v) souligne = n.souligne;
    QVERIFY(souligne);
}

void FenCourbeTest::layoutUndoAndMosaics() {
    ChoixFenetreAuto choix;
    Bureau b;
    b.fenetre->Executer(C::NouvelleFenetre);
    b.fenetre->Executer(C::NouvelleFenetre);
    b.Traiter();
    QCOMPARE(b.Table().NbOuvertes(), 3);
    QMdiSubWindow* s1 = b.fenetre->SousFenetre(1);
    const QRect avant = s1->geometry();

    // Three windows in rows: each takes the whole width and a third of the height.
    b.fenetre->AppliquerMosaique({1, 2, 3}, 1, false, false);
    const QSize client = b.fenetre->ZoneClient();
    for (int n = 1; n <= 3; ++n) {
        const QRect g = b.fenetre->SousFenetre(n)->geometry();
        QVERIFY2(std::abs(g.width() - (client.width() - 1)) <= 2, qPrintable(QString::number(n)));
        QVERIFY(std::abs(g.height() - (client.height() - 1) / 3) <= 3);
    }
    QVERIFY(b.fenetre->SousFenetre(2)->geometry().top() >
            b.fenetre->SousFenetre(1)->geometry().top());

    // "Mosaique générale" from the menu notes the layout first; "&Annuler" brings it back.
    s1->setGeometry(avant);
    b.fenetre->Executer(C::MosaiqueGenerale);
    b.Traiter();
    QVERIFY(s1->geometry() != avant);
    QVERIFY(b.fenetre->Action(C::Annuler)->isEnabled());
    b.fenetre->Executer(C::Annuler);
    b.Traiter();
    QCOMPARE(s1->geometry(), avant);

    // "Plein écran" takes every window out of full screen.
    b.fenetre->SousFenetre(2)->showMaximized();
    b.fenetre->Executer(C::PleinEcran);
    QVERIFY(!b.fenetre->SousFenetre(2)->isMaximized());
}

void FenCourbeTest::digitKeysBringWindowsForward() {
    ChoixFenetreAuto choix;
    Bureau b;
    b.fenetre->Executer(C::NouvelleFenetre);
    b.Traiter();
    b.Table().Creer(10);
    b.fenetre->SynchroniserFenetres();
    b.fenetre->MontrerFenetre(1);
    QTest::keyClick(b.Courbe(1), Qt::Key_2);
    QCOMPARE(b.Table().FenetreCourante(), 2);
    QTest::keyClick(b.Courbe(2), Qt::Key_A);
    QTest::keyClick(b.Courbe(2), Qt::Key_2);
    QCOMPARE(b.Table().FenetreCourante(), 10);
    // A window that is not open is not made.
    QTest::keyClick(b.Courbe(10), Qt::Key_5);
    QCOMPARE(b.Table().FenetreCourante(), 10);
    QVERIFY(!b.Table().Existe(5));
}

void FenCourbeTest::emptyingAWindowAsksFirst() {
    Bureau b;
    b.CalculerEtAfficher(1);
    BoitesAuto boites;
    b.fenetre->Executer(C::ViderFenetre);
    QCOMPARE(boites.textes,
             QStringList{QStringLiteral("Supprimer l'affichage actuel de la fenêtre")});
    QVERIFY(!b.Variable("U")->EstAffichee(1));
    QVERIFY(!b.Variable("V")->EstAffichee(1));
    b.Traiter();
    QVERIFY(b.Courbe(1)->Legende().texte.isEmpty());
}

void FenCourbeTest::closingAndDeletingWindows() {
    ChoixFenetreAuto choix;
    Bureau b;
    b.CalculerEtAfficher(1);
    b.travail.modifie = true;
    QStringList questions;
    QMessageBox::StandardButton reponse = QMessageBox::Cancel;
    BoitesMessages::FixerInterception([&](QMessageBox& boite, BoitesMessages::Genre) {
        questions << boite.text();
        return boite.button(reponse);
    });
    // Closing the last window of an unsaved work asks first; Annuler keeps it open.
    b.fenetre->SousFenetre(1)->close();
    QCOMPARE(questions, QStringList{QStringLiteral(
                            "ATTENTION : Le fichier de travail n'est pas à jour. Voulez-vous "
                            "l'enregistrer ?")});
    QVERIFY(b.Table().Existe(1));
    QVERIFY(b.Variable("U")->EstAffichee(1));

    // Non: the work counts as saved, the window goes and its curves with it; window 1 comes
    // back empty over the whole desk.
    reponse = QMessageBox::No;
    b.fenetre->SousFenetre(1)->close();
    BoitesMessages::FixerInterception(nullptr);
    QVERIFY(!b.travail.modifie);
    QVERIFY(!b.Variable("U")->EstAffichee(1));
    QVERIFY(b.Table().Existe(1));
    QTRY_VERIFY(b.fenetre->SousFenetre(1) && b.fenetre->SousFenetre(1)->isMaximized());

    // With other windows open "&Supprimer" asks nothing and clears only its own window.
    b.fenetre->SousFenetre(1)->showNormal();
    b.fenetre->Executer(C::NouvelleFenetre);
    b.Traiter();
    b.Variable("U")->AfficherDans(1, true);
    b.Variable("U")->AfficherDans(2, true);
    b.fenetre->MontrerFenetre(2);
    b.fenetre->Executer(C::SupprimerFenetre);
    QVERIFY(!b.Table().Existe(2));
    QVERIFY(b.Variable("U")->EstAffichee(1));
    QVERIFY(!b.Variable("U")->EstAffichee(2));
}

void FenCourbeTest::windowsComeBackFromTheWorkFile() {
    ChoixFenetreAuto choix;
    Bureau b;
    b.CalculerEtAfficher(1);
    b.fenetre->Executer(C::NouvelleFenetre);
    b.Traiter();
    b.Table().Activer(1);
    b.fenetre->Executer(C::CalibrageGlobal);
    b.Traiter();
    const DonneesFenetre d1 = *b.Table().Donnees(1);
    b.dialogues.nom = b.dossier.filePath(QStringLiteral("essai.pl2"));
    b.fenetre->Executer(C::EnregistrerSous);
    QVERIFY(QFileInfo::exists(b.dialogues.nom));

    Bureau c;
    c.fenetre->OuvrirFichier(b.dialogues.nom);
    c.Traiter();
    QVERIFY(c.Courbe(1) && c.Courbe(2));
    const DonneesFenetre* r = c.Table().Donnees(1);
    QCOMPARE(r->echelleY.minimum, d1.echelleY.minimum);
    QCOMPARE(r->echelleY.maximum, d1.echelleY.maximum);
    QCOMPARE(c.Courbe(1)->Legende().texte, QStringLiteral("EA0(V), U, V"));
    const QColor couleur = DepuisWindows(c.Variable("V")->Couleur);
    QVERIFY(Pixels(c.Courbe(1)->Image(), c.Courbe(1)->ZoneTrace(), couleur) > 100);
}

QTEST_MAIN(FenCourbeTest)
#include "FenCourbeTest.moc"
