#include "TravailDeTest.h"

#include "core/windows/DonneesFenetre.h"
#include "core/windows/PointsProches.h"
#include "core/windows/Projection.h"

#include <QPoint>
#include <cmath>
#include <gtest/gtest.h>

using namespace pelavorine;

namespace {

// Window 3 shows A = 0, 1, 2, 3, 4 and B = 4, 3, 2, 1, 0 against T: they cross at point 3.
class PointsProchesTest : public TravailDeTest {
protected:
    DonneesFenetre* fenetre = nullptr;
    Projection projection;
    int a = 0, b = 0;

    void SetUp() override {
        table.ChangerNbPoints(5, true);
        fenetre = travail.TableDesFenetres().Creer(3);
        a = Table("A", {0, 1, 2, 3, 4});
        b = Table("B", {4, 3, 2, 1, 0});
        Var(a).AfficherDans(3, true);
        Var(b).AfficherDans(3, true);
        projection.DefinirClient(440, 220);
        projection.DefinirForme(450, 250);
        projection.DefinirMarges(40, 20, 0);
        Monde(T(1), T(5));
    }
    double T(int i) { return Var(table.CaseTemps()).LirePoint(i); }
    void Monde(double x1, double x2) {
        projection.DefinirMonde(x1, 0, x2, 4);
        projection.Selectionner();
    }
    QPoint Pixel(int slot, int i) {
        const TypeId& v = Var(slot);
        return {projection.WPX(T(i)),
                projection.WPY(v.LirePoint(i) * v.Multiplicateur + v.Decalage)};
    }
};

TEST_F(PointsProchesTest, LePlusProcheDansDixPixels) {
    ASSERT_GT(T(5), T(1));
    const QPoint p = Pixel(a, 4);
    PointDeCourbe r = PointLePlusProche(*fenetre, projection, table, p.x() + 3, p.y() - 4);
    EXPECT_EQ(r.point, 4);
    EXPECT_EQ(r.variable, a);
    // Where both curves cross, the first one found wins.
    const QPoint c = Pixel(a, 3);
    r = PointLePlusProche(*fenetre, projection, table, c.x(), c.y());
    EXPECT_EQ(r.variable, a);
    EXPECT_EQ(r.point, 3);
    // Eleven pixels away from every point: none.
    r = PointLePlusProche(*fenetre, projection, table, c.x(), c.y() - 11);
    EXPECT_EQ(r.point, -1);
    EXPECT_EQ(r.variable, -1);
}

TEST_F(PointsProchesTest, SousLeCurseurLeDernierTrouveGagneAvecSesFacteurs) {
    const QPoint c = Pixel(a, 3);
    PointDeCourbe r = PointSousCurseur(*fenetre, projection, table, c.x(), c.y(), 0.01);
    EXPECT_EQ(r.variable, b);
    EXPECT_EQ(r.point, 3);
    // B drawn doubled: at point 3 it is now at 4, and only A remains under the crossing.
    Var(b).Multiplicateur = 2;
    r = PointSousCurseur(*fenetre, projection, table, c.x(), c.y(), 0.01);
    EXPECT_EQ(r.variable, a);
    const QPoint d = Pixel(b, 3);
    r = PointSousCurseur(*fenetre, projection, table, d.x(), d.y(), 0.01);
    EXPECT_EQ(r.variable, b);
    // Too far from the abscissa of any point.
    const int entre = (Pixel(a, 3).x() + Pixel(a, 4).x()) / 2;
    r = PointSousCurseur(*fenetre, projection, table, entre, c.y(), 0.01);
    EXPECT_EQ(r.point, -1);
}

TEST_F(PointsProchesTest, AbscisseLogarithmiqueSansLesAbscissesNegativesOuNulles) {
    fenetre->abscisse.genre = DefinitionAbscisse::Logarithmique;
    Monde(std::log10(T(2)), std::log10(T(5)));
    // Point 1 lies at T = 0: it has no place on the axis, even at the left edge.
    const PointDeCourbe r =
        PointLePlusProche(*fenetre, projection, table, projection.L(), projection.WPY(0));
    EXPECT_NE(r.point, 1);
    const QPoint p(projection.WPX(std::log10(T(2))), projection.WPY(1));
    const PointDeCourbe q = PointLePlusProche(*fenetre, projection, table, p.x(), p.y());
    EXPECT_EQ(q.point, 2);
    EXPECT_EQ(q.variable, a);
}

} // namespace
