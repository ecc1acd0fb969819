#include "core/windows/Projection.h"
#include "core/windows/DonneesFenetre.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace pelavorine;

namespace {

// Client 500 × 300 in a form of 520 × 340, margins L = 50, B = 30, T = 20: a plot area of
// 450 × 250 pixels. Clamps at −1000 and 1520 (X), 1340 (Y).
Projection Fenetre(double xmin, double xmax, double ymin, double ymax) {
    Projection p;
    p.DefinirClient(500, 300);
    p.DefinirForme(520, 340);
    p.DefinirMarges(50, 30, 20);
    p.DefinirMonde(xmin, ymin, xmax, ymax);
    p.Selectionner();
    return p;
}

struct Cas {
    double monde;
    int pixel;
};

TEST(Projection, FacteursEtLimitesDeDebordement) {
    const Projection unParPixel = Fenetre(0, 450, 0, 250);
    EXPECT_EQ(unParPixel.SX(), 1.0);
    EXPECT_EQ(unParPixel.SY(), 1.0);
    EXPECT_EQ(unParPixel.LX(), 5e299); // a scale of exactly 1 is not above 1
    EXPECT_EQ(unParPixel.LY(), 5e299);

    const Projection p = Fenetre(0, 10, -1, 1);
    EXPECT_EQ(p.SX(), 45.0);
    EXPECT_EQ(p.SY(), 125.0);
    EXPECT_EQ(p.LX(), 1e300 / 45.0);
    EXPECT_EQ(p.LY(), 1e300 / 125.0);
    EXPECT_DOUBLE_EQ(p.PixelMondeX(90), 2.0);
    EXPECT_DOUBLE_EQ(p.PixelMondeY(25), 0.2);
}

TEST(Projection, MondeVersPixelX) {
    const Projection p = Fenetre(0, 450, 0, 250); // one pixel per unit
    const Cas cas[] = {
        {0, 50},
        {450, 500},
        {100, 150},
        // pixels 2.5, 3.5, 52.5, 53.5 round half to even
        {-47.5, 2},
        {-46.5, 4},
        {2.5, 52},
        {3.5, 54},
        {1470, 1520},
        {1469.5, 1520},
        {1468.5, 1518},
        {1471, 1520},
        {1e200, 1520},
        {-1050, -1000},
        {-1049.5, -1000},
        {-1048.5, -998},
        {-1051, -1000},
        {-1e200, -1000},
        {5e299, 1520},
        {-5e299, -1000},
        {std::numeric_limits<double>::infinity(), 1520},
        {-std::numeric_limits<double>::infinity(), -1000},
        {std::numeric_limits<double>::quiet_NaN(), 1520},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(p.WPX(c.monde), c.pixel) << "x = " << c.monde;
}

TEST(Projection, MondeVersPixelY) {
    const Projection p = Fenetre(0, 450, 0, 250);
    const Cas cas[] = {
        {250, 20},
        {0, 270},
        {100, 170},
        {247.5, 22},
        {246.5, 24}, // 22.5 → 22, 23.5 → 24
        {-1070, 1340},
        {-1069.5, 1340},
        {-1068.5, 1338},
        {-1071, 1340},
        {-1e200, 1340},
        {1270, -1000},
        {1269.5, -1000},
        {1268.5, -998},
        {1271, -1000},
        {1e200, -1000},
        {5e299, -1000},
        {-5e299, 1340},
        {std::numeric_limits<double>::quiet_NaN(), -1000},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(p.WPY(c.monde), c.pixel) << "y = " << c.monde;
}

// A world wide enough that a value at the limit would land inside the plot by the formula: the
// limit itself must send it off the form, just inside it must not.
TEST(Projection, LimitesDeDebordementExactes) {
    const Projection p = Fenetre(-6e299, 6e299, -6e299, 6e299);
    ASSERT_EQ(p.LX(), 5e299);
    ASSERT_EQ(p.LY(), 5e299);
    const double dedans = std::nextafter(5e299, 0.0);
    EXPECT_EQ(p.WPX(5e299), 1520);
    EXPECT_EQ(p.WPX(-5e299), -1000);
    EXPECT_EQ(p.WPX(dedans), 462); // 1.1e300 × 450 / 1.2e300 + 50 = 462.5
    EXPECT_EQ(p.WPX(-dedans), 88); // 37.5 + 50 = 87.5
    EXPECT_EQ(p.WPY(5e299), -1000);
    EXPECT_EQ(p.WPY(-5e299), 1340);
    EXPECT_EQ(p.WPY(dedans), 41);   // 1e299 × 250 / 1.2e300 + 20
    EXPECT_EQ(p.WPY(-dedans), 249); // 1.1e300 × 250 / 1.2e300 + 20
}

TEST(Projection, PixelVersMonde) {
    const Projection p = Fenetre(0, 450, 0, 250);
    EXPECT_EQ(p.PWX(-1), -1e300);
    EXPECT_EQ(p.PWY(-1), 1e300);
    EXPECT_EQ(p.PWX(0), -50.0);
    EXPECT_EQ(p.PWX(50), 0.0);
    EXPECT_EQ(p.PWX(500), 450.0);
    EXPECT_EQ(p.PWY(0), 270.0);
    EXPECT_EQ(p.PWY(20), 250.0);
    EXPECT_EQ(p.PWY(270), 0.0);
}

TEST(Projection, AllerRetourDansLaZoneDeTrace) {
    const Projection fenetres[] = {Fenetre(0, 10, -1, 1), Fenetre(-3.7, 1e-3, 2e5, 7.3e5),
                                   Fenetre(1e-9, 3e-9, -1e12, -9e11)};
    for (const Projection& p : fenetres) {
        for (int px = p.L(); px <= p.W(); ++px)
            ASSERT_EQ(p.WPX(p.PWX(px)), px) << px;
        for (int py = p.T(); py <= p.H() - p.B(); ++py)
            ASSERT_EQ(p.WPY(p.PWY(py)), py) << py;
    }
}

// A world of zero width or height counts as one unit: finite, invertible, no division by 0.
TEST(Projection, MondeDegenere) {
    const Projection p = Fenetre(3, 3, -2, -2);
    EXPECT_EQ(p.SX(), 450.0);
    EXPECT_EQ(p.SY(), 250.0);
    EXPECT_EQ(p.WPX(3), 50);
    EXPECT_EQ(p.WPY(-2), 20); // Y is measured down from the top of the world
    EXPECT_EQ(p.PWX(50), 3.0);
    EXPECT_EQ(p.PWY(20), -2.0);
    EXPECT_TRUE(std::isfinite(p.PWX(400)));
    EXPECT_TRUE(std::isfinite(p.PixelMondeY(7)));

    // A span too large for a double.
    const Projection large = Fenetre(-1e308, 1e308, 0, 1);
    EXPECT_EQ(large.SX(), 450.0);
    EXPECT_TRUE(std::isfinite(large.PWX(100)));

    // A client smaller than its margins: a plot area of one pixel.
    Projection q = Fenetre(0, 10, -1, 1);
    q.DefinirClient(40, 40);
    q.Selectionner();
    EXPECT_EQ(q.SX(), 0.1);
    EXPECT_EQ(q.SY(), 0.5);
    EXPECT_EQ(q.WPX(q.PWX(51)), 51);
    EXPECT_EQ(q.WPY(q.PWY(21)), 21);
}

TEST(Projection, MondePrisDeLaFenetreOuDonneEnDesordre) {
    DonneesFenetre donnees(1);
    donnees.DefinirMonde(10, 5, 0, -5);
    Projection p = Fenetre(0, 1, 0, 1);
    p.DefinirMonde(donnees);
    EXPECT_EQ(p.Xmin(), 0.0);
    EXPECT_EQ(p.Xmax(), 10.0);
    EXPECT_EQ(p.Ymin(), -5.0);
    EXPECT_EQ(p.Ymax(), 5.0);

    p.DefinirMonde(10, 5, 0, -5);
    EXPECT_EQ(p.Xmin(), 0.0);
    EXPECT_EQ(p.Xmax(), 10.0);
    EXPECT_EQ(p.Ymin(), -5.0);
    EXPECT_EQ(p.Ymax(), 5.0);
    p.Selectionner();
    EXPECT_EQ(p.WPX(0), 50);
    EXPECT_EQ(p.WPY(5), 20);
}

TEST(Projection, MargesDepuisLaCellule) {
    struct CasMarges {
        int cw, ch, barre;
        int l, b, t;
    };
    const CasMarges cas[] = {
        {8, 15, 0, 52, 27, 0},
        {5, 5, 18, 32, 9, 18}, // 32.5 → 32
        {7, 10, 0, 46, 18, 0}, // 45.5 → 46
    };
    for (const CasMarges& c : cas) {
        Projection p;
        p.FixerMarges(c.cw, c.ch, c.barre);
        EXPECT_EQ(p.L(), c.l) << c.cw;
        EXPECT_EQ(p.B(), c.b) << c.ch;
        EXPECT_EQ(p.T(), c.t);
    }
}

} // namespace
