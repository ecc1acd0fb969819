#include "TravailDeTest.h"

#include "core/windows/CommandesEchelles.h"
#include "core/windows/Echelles.h"
#include "core/windows/Projection.h"
#include "core/windows/TableFenetres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace pelavorine;
using namespace pelavorine::echelles;

namespace {

constexpr int Ecran = 1024;

// Window 1 of a fresh work, plotted 400 × 300 pixels from (40, 0): X 0..100 at 4 pixels a
// unit, Y −10..20 at 10 pixels a unit.
class CommandesEchelles : public TravailDeTest {
protected:
    TableFenetres& fenetres = travail.TableDesFenetres();
    DonneesFenetre* f = nullptr;
    Projection projection;
    int courante = 0;

    void SetUp() override {
        f = fenetres.Creer(1);
        projection.DefinirClient(440, 330);
        projection.DefinirForme(450, 360);
        projection.DefinirMarges(40, 30, 0);
        Monde(0, 100, -10, 20);
    }

    void Monde(double x1, double x2, double y1, double y2) {
        projection.DefinirMonde(x1, y1, x2, y2);
        projection.Selectionner();
    }
    // The world of the window's scales, as the frame drawing defines it.
    void MondeDesEchelles() {
        Monde(f->echelleX.minimum, f->echelleX.maximum, f->echelleY.minimum, f->echelleY.maximum);
    }

    int Courbe(const QString& nom, std::initializer_list<double> points, int fenetre = 1) {
        const int slot = Table(nom, points);
        Var(slot).CalculerStatistiques();
        Var(slot).AfficherDans(fenetre, true);
        return slot;
    }
    // An abscissa variable for the window, not displayed itself.
    int Abscisse(std::initializer_list<double> points, int fenetre = 1) {
        const int slot = table.IndexVariable("X") ? table.IndexVariable("X") : Table("X", points);
        Var(slot).CalculerStatistiques();
        fenetres.FixerAbscisse(fenetre, "X", slot, QString());
        return slot;
    }
    PaireEchelles Echelles() const { return {f->echelleX, f->echelleY}; }
};

void ExpectLimites(const EchelleAxe& e, double minimum, double maximum, const char* quoi) {
    EXPECT_DOUBLE_EQ(e.minimum, minimum) << quoi;
    EXPECT_DOUBLE_EQ(e.maximum, maximum) << quoi;
}

struct CasLoupe {
    const char* nom;
    QPoint p1, p2;
    bool logarithmique;
    double xMin, xMax, yMin, yMax;
};

TEST_F(CommandesEchelles, LoupeSurLeRectangle) {
    const CasLoupe cas[] = {
        {"ordered", {140, 50}, {240, 150}, false, 25, 50, 5, 15},
        {"reversed", {240, 150}, {140, 50}, false, 25, 50, 5, 15},
        {"crossed", {240, 50}, {140, 150}, false, 25, 50, 5, 15},
        {"left edge on L + 1", {41, 0}, {240, 300}, false, 0, 50, -10, 20},
        {"left edge on L + 2", {42, 0}, {240, 300}, false, 0.5, 50, -10, 20},
        // World X −1..3 decades: 100 pixels a decade.
        {"logarithmic", {140, 50}, {240, 150}, true, 1, 10, 5, 15},
    };
    for (const CasLoupe& c : cas) {
        f->pileLoupe.Vider();
        f->abscisse.genre =
            c.logarithmique ? DefinitionAbscisse::Logarithmique : DefinitionAbscisse::Lineaire;
        FixerEchelleManuelle(f->echelleX, c.logarithmique ? 1000 : 100, c.logarithmique ? 0.1 : 0,
                             false);
        FixerEchelleManuelle(f->echelleY, 20, -10, false);
        if (c.logarithmique)
            Monde(-1, 3, -10, 20);
        else
            Monde(0, 100, -10, 20);
        const PaireEchelles avant = Echelles();
        f->loupeEnCours = true;
        bool premier = false;
        EXPECT_EQ(AppliquerLoupe(*f, projection, QRect(c.p1, c.p2), table, premier),
                  RafraichirEchelles)
            << c.nom;
        EXPECT_TRUE(premier) << c.nom;
        EXPECT_FALSE(f->loupeEnCours) << c.nom;
        EXPECT_NEAR(f->echelleX.minimum, c.xMin, 1e-12) << c.nom;
        EXPECT_NEAR(f->echelleX.maximum, c.xMax, 1e-12) << c.nom;
        ExpectLimites(f->echelleY, c.yMin, c.yMax, c.nom);
        EXPECT_EQ(f->echelleX.nom, "MANUELLE") << c.nom;
        EXPECT_EQ(f->echelleY.variable, 0) << c.nom;
        ASSERT_EQ(f->pileLoupe.Taille(), 1) << c.nom;
        EXPECT_EQ(f->pileLoupe.Entrees().back(), avant) << c.nom;
    }
}

TEST_F(CommandesEchelles, LoupeSansSurfaceNeChangeRien) {
    const QRect vides[] = {
        QRect(QPoint(140, 50), QPoint(140, 150)), // no width
        QRect(QPoint(140, 50), QPoint(240, 50)),  // no height
        QRect(QPoint(41, 50), QPoint(41, 150)),   // L + 1 taken as L: one pixel is enough
    };
    const PaireEchelles avant = Echelles();
    for (int k = 0; k < 2; ++k) {
        bool premier = true;
        EXPECT_EQ(AppliquerLoupe(*f, projection, vides[k], table, premier), 0) << k;
        EXPECT_FALSE(premier) << k;
        EXPECT_TRUE(f->pileLoupe.Vide()) << k;
        EXPECT_EQ(Echelles(), avant) << k;
    }
    bool premier = false;
    EXPECT_EQ(AppliquerLoupe(*f, projection, vides[2], table, premier), RafraichirEchelles);
    EXPECT_DOUBLE_EQ(f->echelleX.minimum, 0);
    EXPECT_DOUBLE_EQ(f->echelleX.maximum, 0.25);
}

// Ten nested zooms, an eleventh refused, then each undo brings back the level below it, down to
// the scales that followed their variables.
TEST_F(CommandesEchelles, DixNiveauxDeLoupeEtLeurAnnulation) {
    const int y = Courbe("Y", {-4, 6, 2});
    Abscisse({0, 50, 100});
    SuivreNom(f->echelleY, "Y", table);
    SuivreNom(f->echelleX, "X", table);
    std::vector<PaireEchelles> niveaux;
    for (int k = 0; k < PileEchelles::Capacite; ++k) {
        MondeDesEchelles();
        niveaux.push_back(Echelles());
        bool premier = false;
        ASSERT_EQ(AppliquerLoupe(*f, projection, QRect(QPoint(100, 30), QPoint(400, 270)), table,
                                 premier),
                  RafraichirEchelles)
            << k;
        EXPECT_EQ(premier, k == 0) << k;
        EXPECT_LT(f->echelleX.maximum - f->echelleX.minimum,
                  niveaux.back().x.maximum - niveaux.back().x.minimum)
            << k;
    }
    MondeDesEchelles();
    const PaireEchelles dixieme = Echelles();
    bool premier = true;
    EXPECT_EQ(
        AppliquerLoupe(*f, projection, QRect(QPoint(100, 30), QPoint(400, 270)), table, premier),
        0);
    EXPECT_FALSE(premier);
    EXPECT_EQ(Echelles(), dixieme);
    EXPECT_EQ(f->pileLoupe.Taille(), PileEchelles::Capacite);

    for (int k = PileEchelles::Capacite - 1; k >= 0; --k) {
        ASSERT_EQ(AnnulerLoupe(*f, table), RafraichirEchelles) << k;
        EXPECT_EQ(f->echelleX.nom, niveaux[k].x.nom) << k;
        EXPECT_EQ(f->echelleY.nom, niveaux[k].y.nom) << k;
        EXPECT_EQ(f->echelleY.variable, niveaux[k].y.variable) << k;
        ExpectLimites(f->echelleX, niveaux[k].x.minimum, niveaux[k].x.maximum, "x");
        ExpectLimites(f->echelleY, niveaux[k].y.minimum, niveaux[k].y.maximum, "y");
    }
    EXPECT_EQ(f->echelleY.variable, y);
    EXPECT_EQ(f->echelleY.nom, "Y");
    ExpectLimites(f->echelleY, -4, 6, "y followed again");
    EXPECT_EQ(AnnulerLoupe(*f, table), 0);
}

TEST_F(CommandesEchelles, AnnulerLoupeSurUneVariableDisparueOuDeplacee) {
    Courbe("Y", {-4, 6});
    const int z = Courbe("Z", {3, 9});
    const int w = Courbe("W", {50, 60});
    SuivreNom(f->echelleY, "Y", table);
    SuivreNom(f->echelleX, "Z", table);
    bool premier = false;
    ASSERT_EQ(
        AppliquerLoupe(*f, projection, QRect(QPoint(100, 30), QPoint(400, 270)), table, premier),
        RafraichirEchelles);
    table.SupprimerVariable("Y");
    // A saved slot that now holds another variable (a work read back in another order).
    f->pileLoupe.Entrees().back().x.variable = w;
    ASSERT_EQ(AnnulerLoupe(*f, table), RafraichirEchelles);
    EXPECT_EQ(f->echelleY.variable, 0);
    EXPECT_EQ(f->echelleY.nom, "MANUELLE");
    ExpectLimites(f->echelleY, -4, 6, "the saved range, kept");
    EXPECT_EQ(f->echelleX.variable, z);
    EXPECT_EQ(f->echelleX.nom, "Z");
    ExpectLimites(f->echelleX, 3, 9, "followed by name");
}

struct CasGlobal {
    const char* nom;
    double multA, decalageA, multB;
    const char* courante;
    double yMin, yMax;
};

TEST_F(CommandesEchelles, CalibrageGlobalSurLesCourbesAffichees) {
    const int a = Courbe("A", {1, 3, 2});
    const int b = Courbe("B", {-2, 8, 4});
    Table("C", {-100, 100}); // not displayed
    Var("C").CalculerStatistiques();
    Abscisse({10, 20, 30});
    const CasGlobal cas[] = {
        // −2..8 widened by 1 on each side.
        {"plain", 1, 0, 1, "B", -3, 9},
        // A is drawn 12..16: highest; −2..16 widened by 1.8.
        {"offset A", 2, 10, 1, "A", -3.8, 17.8},
        // B drawn upside down, −8..2: its low end is its maximum times −1.
        {"reversed B", 1, 0, -1, "A", -9.1, 4.1},
    };
    for (const CasGlobal& c : cas) {
        Var(a).Multiplicateur = c.multA;
        Var(a).Decalage = c.decalageA;
        Var(b).Multiplicateur = c.multB;
        f->pileCalibrage.Vider();
        FixerEchelleManuelle(f->echelleX, 1, 0, false);
        courante = 0;
        const PaireEchelles avant = Echelles();
        EXPECT_EQ(CalibrageGlobal(*f, table, courante, Ecran), RafraichirCadre) << c.nom;
        EXPECT_EQ(courante, table.IndexVariable(c.courante)) << c.nom;
        EXPECT_EQ(f->courbeCourante, courante) << c.nom;
        EXPECT_NEAR(f->echelleY.minimum, c.yMin, 1e-12) << c.nom;
        EXPECT_NEAR(f->echelleY.maximum, c.yMax, 1e-12) << c.nom;
        EXPECT_EQ(f->echelleY.nom, "MANUELLE") << c.nom;
        ExpectLimites(f->echelleX, 10, 30, c.nom);
        ASSERT_EQ(f->pileCalibrage.Taille(), 1) << c.nom;
        EXPECT_EQ(f->pileCalibrage.Entrees().front(), avant) << c.nom;
    }
}

TEST_F(CommandesEchelles, CalibrageGlobalSansCourbeNeChangeRien) {
    Table("C", {-100, 100});
    Var("C").CalculerStatistiques(); // in no window
    courante = 7;
    const PaireEchelles avant = Echelles();
    EXPECT_EQ(CalibrageGlobal(*f, table, courante, Ecran), 0);
    EXPECT_EQ(courante, 7);
    EXPECT_EQ(Echelles(), avant);
    EXPECT_TRUE(f->pileCalibrage.Vide());
    EXPECT_FALSE(f->calibrageEnCours);
}

struct CasOrdonnee {
    int largeurEcran;
    double multiplicateur, decalage;
    double yMin, yMax;
};

TEST_F(CommandesEchelles, CalibrageEnOrdonneeElargiEtArrondi) {
    const int a = Courbe("A", {1.234, 5.678});
    const CasOrdonnee cas[] = {
        // 1.234..5.678 widened by 0.4444, rounded outward to 3 digits.
        {1024, 1, 0, 0.789, 6.13},
        // Narrow screen: widened by 0.71104.
        {800, 1, 0, 0.522, 6.39},
        // Drawn −10 × value: −56.78..−12.34, widened by 4.444.
        {1024, -10, 0, -61.3, -7.89},
        {1024, 1, 100, 100, 107}, // 100.79..106.12 to 3 digits
    };
    for (const CasOrdonnee& c : cas) {
        Var(a).Multiplicateur = c.multiplicateur;
        Var(a).Decalage = c.decalage;
        FixerEchelleManuelle(f->echelleX, 1, 0, false);
        const EchelleAxe x = f->echelleX;
        courante = a;
        EXPECT_EQ(CalibrageOrdonnee(*f, table, courante, c.largeurEcran), RafraichirCadre);
        EXPECT_NEAR(f->echelleY.minimum, c.yMin, 1e-12) << c.largeurEcran << " " << c.decalage;
        EXPECT_NEAR(f->echelleY.maximum, c.yMax, 1e-12) << c.largeurEcran << " " << c.decalage;
        EXPECT_EQ(f->echelleX, x);
        EXPECT_EQ(courante, a);
    }
}

TEST_F(CommandesEchelles, SansVariableCouranteLesCalibragesSontGlobaux) {
    Courbe("A", {1, 3, 2});
    const int b = Courbe("B", {-2, 8, 4});
    Abscisse({10, 20, 30});
    using Commande = int (*)(DonneesFenetre&, const TableVariables&, int&, int, bool, double);
    const Commande commandes[] = {CalibrageOrdonnee, CalibrageAbscisse};
    for (Commande commande : commandes) {
        FixerEchelleManuelle(f->echelleX, 1, 0, false);
        FixerEchelleManuelle(f->echelleY, 1, 0, false);
        courante = 0;
        EXPECT_EQ(commande(*f, table, courante, Ecran, false, 1), RafraichirCadre);
        EXPECT_EQ(courante, b);
        ExpectLimites(f->echelleY, -3, 9, "global Y");
        ExpectLimites(f->echelleX, 10, 30, "global X");
    }
}

TEST_F(CommandesEchelles, CalibrageEnAbscisseSeulementQuandLesLimitesDifferent) {
    const int b = Courbe("B", {-2, 8, 4});
    Abscisse({10, 20, 30});
    SuivreNom(f->echelleX, "X", table); // already 10..30
    courante = b;
    EXPECT_EQ(CalibrageAbscisse(*f, table, courante, Ecran), 0);
    EXPECT_EQ(f->echelleX.nom, "X");
    EXPECT_TRUE(f->pileCalibrage.Vide());

    FixerEchelleManuelle(f->echelleX, 100, 0, false);
    const EchelleAxe y = f->echelleY;
    EXPECT_EQ(CalibrageAbscisse(*f, table, courante, Ecran), RafraichirCadre);
    ExpectLimites(f->echelleX, 10, 30, "not widened");
    EXPECT_EQ(f->echelleX.nom, "MANUELLE");
    EXPECT_EQ(f->echelleY, y);

    // An analysis window shows its spectrum's abscissa divided by the display factor; an
    // ordinary window ignores it.
    DonneesFenetre* analyse = fenetres.Creer(9);
    Var(b).AfficherDans(9, true);
    fenetres.FixerAbscisse(9, "X", table.IndexVariable("X"), QString());
    EXPECT_EQ(CalibrageAbscisse(*analyse, table, courante, Ecran, false, 2), RafraichirCadre);
    ExpectLimites(analyse->echelleX, 10, 15, "analysis");
    FixerEchelleManuelle(f->echelleX, 100, 0, false);
    EXPECT_EQ(CalibrageAbscisse(*f, table, courante, Ecran, false, 2), RafraichirCadre);
    ExpectLimites(f->echelleX, 10, 30, "ordinary");
}

TEST_F(CommandesEchelles, CalibrageSurCourbeActive) {
    const int a = Courbe("A", {1.234, 5.678});
    const int b = Courbe("B", {-2, 8, 4});
    f->courbeCourante = a;
    courante = b;
    EXPECT_EQ(CalibrageCourbeActive(*f, table, courante, Ecran), RafraichirCadre);
    EXPECT_EQ(courante, a);
    ExpectLimites(f->echelleY, 0.789, 6.13, "fitted to A");

    f->courbeCourante = 0; // no current curve: global
    EXPECT_EQ(CalibrageCourbeActive(*f, table, courante, Ecran), RafraichirCadre);
    EXPECT_EQ(courante, b);
    ExpectLimites(f->echelleY, -3, 9, "global");
}

struct CasPolaire {
    const char* nom;
    bool degres;
    double multiplicateur, decalage;
    double xMin, xMax, yMin, yMax;
};

// A circle of radius 1 plotted from four angles: the plotted points span −1..1 both ways,
// widened by 0.2 on each side; the multiplier and offset act on the plotted Y only.
TEST_F(CommandesEchelles, CalibragesPolaires) {
    const int r = Courbe("R", {1, 1, 1, 1});
    f->abscisse.genre = DefinitionAbscisse::Polaire;
    const double pi = std::acos(-1.0);
    const CasPolaire cas[] = {
        {"degrees", true, 1, 0, -1.2, 1.2, -1.2, 1.2},
        {"radians", false, 1, 0, -1.2, 1.2, -1.2, 1.2},
        {"scaled", true, 2, 1, -1.2, 1.2, -1.4, 3.4},
    };
    for (const CasPolaire& c : cas) {
        const int x = table.IndexVariable("X");
        if (x) table.SupprimerVariable("X");
        const int angles =
            c.degres ? Table("X", {0, 90, 180, 270}) : Table("X", {0, pi / 2, pi, 3 * pi / 2});
        fenetres.FixerAbscisse(1, "X", angles, QString());
        Var(r).Multiplicateur = c.multiplicateur;
        Var(r).Decalage = c.decalage;

        FixerEchelleManuelle(f->echelleX, 50, 40, false);
        FixerEchelleManuelle(f->echelleY, 50, 40, false);
        courante = r;
        EXPECT_EQ(CalibrageOrdonnee(*f, table, courante, Ecran, c.degres), RafraichirCadre);
        ExpectLimites(f->echelleX, 40, 50, c.nom);
        EXPECT_NEAR(f->echelleY.minimum, c.yMin, 1e-12) << c.nom;
        EXPECT_NEAR(f->echelleY.maximum, c.yMax, 1e-12) << c.nom;

        EXPECT_EQ(CalibrageAbscisse(*f, table, courante, Ecran, c.degres), RafraichirCadre);
        EXPECT_NEAR(f->echelleX.minimum, c.xMin, 1e-12) << c.nom;
        EXPECT_NEAR(f->echelleX.maximum, c.xMax, 1e-12) << c.nom;

        FixerEchelleManuelle(f->echelleX, 50, 40, false);
        FixerEchelleManuelle(f->echelleY, 50, 40, false);
        courante = 0;
        EXPECT_EQ(CalibrageGlobal(*f, table, courante, Ecran, c.degres), RafraichirCadre);
        EXPECT_EQ(courante, r);
        EXPECT_NEAR(f->echelleX.minimum, c.xMin, 1e-12) << c.nom;
        EXPECT_NEAR(f->echelleX.maximum, c.xMax, 1e-12) << c.nom;
        // The whole circle, not its radius range.
        EXPECT_NEAR(f->echelleY.minimum, c.yMin, 1e-12) << c.nom;
        EXPECT_NEAR(f->echelleY.maximum, c.yMax, 1e-12) << c.nom;
    }
}

// The first calibration keeps the scales from before it; later ones do not pile up, so the
// undo goes straight back; once undone, the next calibration keeps the scales of then.
TEST_F(CommandesEchelles, PileDeCalibrageEtAnnulation) {
    Courbe("A", {1, 3, 2});
    const int b = Courbe("B", {-2, 8, 4});
    Abscisse({10, 20, 30});
    SuivreNom(f->echelleY, "A", table);
    FixerEchelleManuelle(f->echelleX, 5, -5, false);
    const PaireEchelles origine = Echelles();

    courante = b;
    EXPECT_EQ(CalibrageOrdonnee(*f, table, courante, Ecran), RafraichirCadre);
    EXPECT_EQ(CalibrageAbscisse(*f, table, courante, Ecran), RafraichirCadre);
    EXPECT_EQ(RepereOrthonorme(*f, projection, table), RafraichirCadre);
    EXPECT_EQ(CalibrageGlobal(*f, table, courante, Ecran), RafraichirCadre);
    EXPECT_TRUE(f->calibrageEnCours);
    ASSERT_EQ(f->pileCalibrage.Taille(), 1);
    EXPECT_EQ(f->pileCalibrage.Entrees().front(), origine);

    EXPECT_EQ(AnnulerCalibrage(*f, table), RafraichirEchelles);
    EXPECT_EQ(f->echelleY.nom, "A");
    EXPECT_EQ(f->echelleY.variable, table.IndexVariable("A"));
    ExpectLimites(f->echelleY, 1, 3, "y");
    EXPECT_EQ(f->echelleX.nom, "MANUELLE");
    ExpectLimites(f->echelleX, -5, 5, "x");
    EXPECT_TRUE(f->pileCalibrage.Vide());
    EXPECT_FALSE(f->calibrageEnCours);
    EXPECT_EQ(AnnulerCalibrage(*f, table), 0);

    const PaireEchelles ensuite = Echelles();
    EXPECT_EQ(CalibrageOrdonnee(*f, table, courante, Ecran), RafraichirCadre);
    ASSERT_EQ(f->pileCalibrage.Taille(), 1);
    EXPECT_EQ(f->pileCalibrage.Entrees().front(), ensuite);
}

struct CasOrthonorme {
    int hautBarre;
    bool logarithmique;
    double xMin, yMin, yMax;
};

// After the command, a world unit takes as many pixels across as up.
TEST_F(CommandesEchelles, RepereOrthonorme) {
    const CasOrthonorme cas[] = {
        {0, false, -5, -3, 9},
        {0, false, 2, 0, 1},
        {20, false, -5, -3, 9}, // the tool menu bar takes 20 rows off the plot
        {0, true, 1, 0, 3},
    };
    for (const CasOrthonorme& c : cas) {
        projection.DefinirMarges(40, 30, c.hautBarre);
        f->abscisse.genre =
            c.logarithmique ? DefinitionAbscisse::Logarithmique : DefinitionAbscisse::Lineaire;
        FixerEchelleManuelle(f->echelleX, c.xMin + 1, c.xMin, false);
        FixerEchelleManuelle(f->echelleY, c.yMax, c.yMin, false);
        f->pileCalibrage.Vider();
        EXPECT_EQ(RepereOrthonorme(*f, projection, table), RafraichirCadre);
        EXPECT_DOUBLE_EQ(f->echelleX.minimum, c.xMin);
        ExpectLimites(f->echelleY, c.yMin, c.yMax, "Y untouched");
        const double x2 = c.logarithmique ? std::log10(f->echelleX.maximum) : f->echelleX.maximum;
        const double x1 = c.logarithmique ? std::log10(f->echelleX.minimum) : f->echelleX.minimum;
        Monde(x1, x2, c.yMin, c.yMax);
        EXPECT_NEAR(projection.SX(), projection.SY(), 1e-9 * projection.SY())
            << c.hautBarre << " " << c.logarithmique;
    }
    projection.DefinirMarges(40, 30, 0);
    f->abscisse.genre = DefinitionAbscisse::Lineaire;
    FixerEchelleManuelle(f->echelleX, 1, 0, false);
    FixerEchelleManuelle(f->echelleY, 9, -3, false);
    RepereOrthonorme(*f, projection, table);
    EXPECT_DOUBLE_EQ(f->echelleX.maximum, 16); // 12 units on 300 rows: 4/3 of that on 400
}

struct CasDeplacement {
    const char* nom;
    bool enX;
    int ancre, position;
    bool deplace;
    double minimum, maximum;
};

TEST_F(CommandesEchelles, DeplacementSurLesGraduations) {
    const CasDeplacement cas[] = {
        {"x under 10 pixels", true, 100, 109, false, 0, 100},
        {"x under 10 pixels back", true, 100, 91, false, 0, 100},
        {"x 10 pixels right", true, 100, 110, true, -2.5, 97.5},
        {"x 10 pixels left", true, 100, 90, true, 2.5, 102.5},
        {"x negative position", true, 100, -20, false, 0, 100},
        {"x without anchor", true, -1, 200, false, 0, 100},
        {"y 10 pixels down", false, 100, 110, true, -9, 21},
        {"y 20 pixels up", false, 100, 80, true, -12, 18},
        {"y under 10 pixels", false, 100, 105, false, -10, 20},
        {"y negative position", false, 30, -1, false, -10, 20},
    };
    for (const CasDeplacement& c : cas) {
        FixerEchelleManuelle(f->echelleX, 100, 0, false);
        FixerEchelleManuelle(f->echelleY, 20, -10, false);
        f->echelleX.variable = table.CaseTemps(); // following T, at 0..100
        f->echelleX.nom = "T";
        f->echelleY.variable = table.CaseTemps();
        f->echelleY.nom = "T";
        const int code = c.enX ? DeplacerX(*f, projection, c.ancre, c.position, table)
                               : DeplacerY(*f, projection, c.ancre, c.position, table);
        EXPECT_EQ(code, c.deplace ? RafraichirEchelles : 0) << c.nom;
        const EchelleAxe& e = c.enX ? f->echelleX : f->echelleY;
        ExpectLimites(e, c.minimum, c.maximum, c.nom);
        EXPECT_EQ(e.nom, c.deplace ? "MANUELLE" : "T") << c.nom;
        const EchelleAxe& autre = c.enX ? f->echelleY : f->echelleX;
        EXPECT_EQ(autre.nom, "T") << c.nom;
    }
}

TEST_F(CommandesEchelles, DeplacementLogarithmiqueParDecades) {
    f->abscisse.genre = DefinitionAbscisse::Logarithmique;
    FixerEchelleManuelle(f->echelleX, 1000, 0.1, false);
    Monde(-1, 3, -10, 20); // 100 pixels a decade
    EXPECT_EQ(DeplacerX(*f, projection, 100, 200, table), RafraichirEchelles);
    EXPECT_NEAR(f->echelleX.minimum, 0.01, 1e-15);
    EXPECT_NEAR(f->echelleX.maximum, 100, 1e-10);
    EXPECT_EQ(DeplacerX(*f, projection, 200, 150, table), RafraichirEchelles);
    EXPECT_NEAR(f->echelleX.minimum, std::sqrt(10.0) * 0.01, 1e-15);
    EXPECT_NEAR(f->echelleX.maximum, std::sqrt(10.0) * 100, 1e-10);
}

} // namespace
