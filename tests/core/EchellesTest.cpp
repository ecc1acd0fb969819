#include "TravailDeTest.h"

#include "core/windows/Echelles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace pelavorine;

namespace {

struct CasArrondi {
    double x;
    bool versLeHaut;
    double attendu;
};

TEST(Echelles, ArrondiDirigeATroisChiffres) {
    const CasArrondi cas[] = {
        {1234, true, 1240},
        {1234, false, 1230},
        {-1234, false, -1240},
        {-1234, true, -1230},
        {0, true, 0},
        {12.3, true, 12.3},
        {12.288, true, 12.3},
        {-12.288, false, -12.3},
        {0.0012345, false, 0.00123},
        // Exact values written in binary with a tail of noise are not pushed up a unit.
        {0.07, true, 0.07},
        {0.07, false, 0.07},
        {-0.29, false, -0.29},
        // Close enough to the next decade to count in it: one unit there, not ten.
        {9.9999999, true, 10},
        {999.9999999999999, false, 1000},
    };
    for (const CasArrondi& c : cas)
        EXPECT_DOUBLE_EQ(ArrondiDirige(c.x, 3, c.versLeHaut), c.attendu)
            << c.x << (c.versLeHaut ? " up" : " down");
}

struct CasElargir {
    double minimum, maximum, facteur;
    double minimumAttendu, maximumAttendu;
};

TEST(Echelles, ElargirEtArrondirVersLExterieur) {
    const CasElargir cas[] = {
        {-10, 10, 1.1, -12, 12},
        {-10.24, 10.24, 1.1, -12.3, 12.3}, // an interface range of ±10.24 V
        {-10, 10, 1.16, -13.2, 13.2},      // narrow screen
        {0, 10, 1.1, -1, 11},
        {0, 1, 1.1, -0.1, 1.1},
        {1.234, 1.2345, 1.1, 1.23, 1.24},
    };
    for (const CasElargir& c : cas) {
        double mini = c.minimum, maxi = c.maximum;
        ElargirEtArrondir(mini, maxi, 3, c.facteur);
        EXPECT_DOUBLE_EQ(mini, c.minimumAttendu) << c.minimum << ".." << c.maximum;
        EXPECT_DOUBLE_EQ(maxi, c.maximumAttendu) << c.minimum << ".." << c.maximum;
    }
    EXPECT_DOUBLE_EQ(FacteurElargissement(899), 1.16);
    EXPECT_DOUBLE_EQ(FacteurElargissement(900), 1.1);
}

TEST(Echelles, BornerLimitesRemplaceEtEcarte) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CasElargir cas[] = {
        // minimum, maximum, (unused), expected
        {3, 3, 0, 0, 6},
        {0, 0, 0, -5, 5},
        {-2, -2, 0, -4, 0},
        {5, 1, 0, 1, 5},
        {-inf, 4, 0, -40, 4},
        {nan, 2, 0, -20, 2},
        {1e300, 1e300, 0, -10, 100},
        {1, nan, 0, 1, 10},
        {0, inf, 0, -5, 5},
        {6e299, 1, 0, -10, 1},
    };
    for (const CasElargir& c : cas) {
        double mini = c.minimum, maxi = c.maximum;
        BornerLimites(mini, maxi);
        EXPECT_DOUBLE_EQ(mini, c.minimumAttendu) << c.minimum << ".." << c.maximum;
        EXPECT_DOUBLE_EQ(maxi, c.maximumAttendu) << c.minimum << ".." << c.maximum;
    }
}

TEST(Echelles, PasRondEtGraduationLog) {
    const std::pair<double, double> pas[] = {
        {0, 0}, {1, 1},  {0.1, 0.1}, {0.13, 0.2},  {1.5, 2},        {2.2, 2.5},
        {3, 5}, {7, 10}, {-3, -5},   {2000, 2000}, {0.99999999, 1}, {1e-7, 1e-7},
    };
    for (const auto& [x, attendu] : pas)
        EXPECT_DOUBLE_EQ(PasRond(x), attendu) << x;

    struct CasLog {
        double x, valeur;
        int chiffre;
    };
    const CasLog ticks[] = {
        {0.002, 0.003, 3}, {0.008, 0.01, 1}, {1, 1, 1}, {4, 5, 5}, {600, 700, 7}, {0.01, 0.01, 1},
    };
    for (const CasLog& c : ticks) {
        const GraduationLog g = ProchaineGraduationLog(c.x);
        EXPECT_DOUBLE_EQ(g.valeur, c.valeur) << c.x;
        EXPECT_EQ(g.chiffre, c.chiffre) << c.x;
    }
}

// Scales evaluated against the variables of a fresh work.
class EchellesVariables : public TravailDeTest {
protected:
    int Courbe(const QString& nom, std::initializer_list<double> points) {
        const int slot = Table(nom, points);
        Var(slot).NbPoints = static_cast<int>(points.size());
        Var(slot).CalculerStatistiques();
        return slot;
    }
};

TEST_F(EchellesVariables, SuitLaVariableAvecSesFacteurs) {
    const int y = Courbe("Y", {0, 5, 2});
    EchelleAxe e;
    SuivreNom(e, "y", table);
    EXPECT_EQ(e.variable, y);
    EXPECT_EQ(e.nom, "Y");
    EXPECT_DOUBLE_EQ(e.minimum, 0);
    EXPECT_DOUBLE_EQ(e.maximum, 5);

    Var(y).Multiplicateur = -2;
    Var(y).Decalage = 1;
    EvaluerEchelle(e, table, false);
    EXPECT_DOUBLE_EQ(e.minimum, -9); // 5 × −2 + 1, put first
    EXPECT_DOUBLE_EQ(e.maximum, 1);

    EvaluerEchelle(e, table, true); // widened: the manual limits stay untouched
    EXPECT_DOUBLE_EQ(e.minimum, -10);
    EXPECT_DOUBLE_EQ(e.maximum, 2);
    EXPECT_DOUBLE_EQ(e.minimumManuel, 0);
    EXPECT_DOUBLE_EQ(e.maximumManuel, 0);
}

TEST_F(EchellesVariables, VariableConstanteEtalee) {
    EchelleAxe e;
    Courbe("C", {3, 3, 3});
    SuivreNom(e, "C", table);
    EXPECT_DOUBLE_EQ(e.minimum, 0);
    EXPECT_DOUBLE_EQ(e.maximum, 6);
    Courbe("Z", {0, 0});
    SuivreNom(e, "Z", table);
    EXPECT_DOUBLE_EQ(e.minimum, -5);
    EXPECT_DOUBLE_EQ(e.maximum, 5);
}

TEST_F(EchellesVariables, VariableDisparueDevientManuelleSurSesLimites) {
    Courbe("Y", {1, 4});
    EchelleAxe e;
    SuivreNom(e, "Y", table);
    table.SupprimerVariable("Y");
    EvaluerEchelle(e, table, false);
    EXPECT_EQ(e.variable, 0);
    EXPECT_EQ(e.nom, "MANUELLE");
    EXPECT_DOUBLE_EQ(e.minimum, 1);
    EXPECT_DOUBLE_EQ(e.maximum, 4);

    e.variable = table.DerniereCase() + 1; // beyond the last used slot
    e.minimum = 2;
    e.maximum = 3;
    EvaluerEchelle(e, table, false);
    EXPECT_EQ(e.variable, 0);
    EXPECT_DOUBLE_EQ(e.maximum, 3);
}

TEST_F(EchellesVariables, NomInconnuEtEchelleManuelle) {
    EchelleAxe e;
    e.minimumManuel = 7;
    e.maximumManuel = -1;
    SuivreNom(e, "ABSENT", table);
    EXPECT_EQ(e.variable, 0);
    EXPECT_EQ(e.nom, "MANUELLE");
    EXPECT_DOUBLE_EQ(e.minimum, -1); // manual limits put in order
    EXPECT_DOUBLE_EQ(e.maximum, 7);
    EXPECT_DOUBLE_EQ(e.minimumManuel, -1);

    FixerEchelleManuelle(e, 10.24, -10.24, true);
    EXPECT_DOUBLE_EQ(e.minimum, -12.3);
    EXPECT_DOUBLE_EQ(e.maximum, 12.3);
    EXPECT_DOUBLE_EQ(e.minimumManuel, -12.3); // a widened manual scale keeps the result
    EXPECT_DOUBLE_EQ(e.maximumManuel, 12.3);
}

} // namespace
