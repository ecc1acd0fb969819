#include "TravailDeTest.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

using namespace pelavorine;

namespace {

constexpr double Pi = std::numbers::pi;

// A formula line and the points its target must hold, or the error it must give.
struct Cas {
    const char* ligne;
    std::vector<double> points;
    int code = 0;
};

Cas Erreur(const char* ligne, int code) {
    return Cas{ligne, {}, code};
}

} // namespace

class FonctionsTableauxTest : public TravailDeTest {
protected:
    static constexpr int N = 10;
    MoteurCalcul moteur{table, hote};
    int u = 0;

    void SetUp() override {
        table.ChangerNbPoints(N, true);
        u = Table("U", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        Table("X", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        table.CreerVariable("S", 1, genre::Calculee);
        Var(table.CreerVariable("S3", 1, genre::Calculee)).EcrirePoint(0, 3);
    }

    MoteurCalcul::Resultat Evaluer(const char* ligne) {
        return moteur.EvaluerFormule(QString::fromUtf8(ligne));
    }

    // A table of NBPOINT points v(i).
    int Signal(const QString& nom, const std::function<double(int)>& v) {
        const int slot = table.CreerVariable(nom, table.NbPoint(), genre::Acquise);
        for (int i = 1; i <= table.NbPoint(); ++i)
            Var(slot).EcrirePoint(i, v(i));
        return slot;
    }

    void Verifier(const std::vector<Cas>& cas) {
        for (const Cas& c : cas) {
            const MoteurCalcul::Resultat r = Evaluer(c.ligne);
            EXPECT_EQ(r.code, c.code) << c.ligne;
            if (r.code != 0 || c.code != 0) continue;
            EXPECT_TRUE(Var(r.cible).EstTable()) << c.ligne;
            const std::vector<double> p = Points(r.cible);
            ASSERT_EQ(p.size(), c.points.size()) << c.ligne;
            for (std::size_t i = 0; i < p.size(); ++i)
                EXPECT_NEAR(p[i], c.points[i], 1e-12) << c.ligne << " point " << i + 1;
        }
    }
};

TEST_F(FonctionsTableauxTest, ShiftsRepetitionTriggerAndTruncation) {
    Verifier({
        {"Y=RETARD(U,2)", {0, 0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"Y=RETARD(U,0)", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"Y=AVANCE(U,3)", {4, 5, 6, 7, 8, 9, 10, 0, 0, 0}},
        {"Y=AVANCE(U,10)", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"Y=PERIODE(U,2)", {1, 3, 5, 7, 9, 1, 3, 5, 7, 9}},
        // rnd((i-1)*0.5): 0, 0, 1, 2, 2, 2, 3, 4, 4, 4 (halves to the even neighbour).
        {"Y=PERIODE(U,0.5)", {1, 1, 2, 3, 3, 3, 4, 5, 5, 5}},
        {"Y=TRIGGER(U,5)", {0, 0, 0, 0, 1, 1, 1, 1, 1, 1}},
        {"Y=TRUNC(U,4)", {1, 2, 3, 4}},
        {"Y=2*TRUNC(U,S3)", {2, 4, 6}},
        // Two table functions in one line each keep their own points.
        {"Y=RETARD(U,1)+AVANCE(U,1)", {2, 4, 6, 8, 10, 12, 14, 16, 18, 9}},
        Erreur("Y=RETARD(S,1)", erreur::TypeArgument),
        Erreur("Y=RETARD(U,1.5)", erreur::Entier),
        Erreur("Y=RETARD(U,11)", erreur::HorsLimites),
        Erreur("Y=RETARD(U,-1)", erreur::HorsLimites),
        Erreur("Y=RETARD(U*2,1)", erreur::ExpressionInterdite),
        Erreur("Y=AVANCE(U,11)", erreur::HorsLimites),
        Erreur("Y=PERIODE(U,11)", erreur::ArgumentNegatif),
        Erreur("Y=PERIODE(U,-1)", erreur::ArgumentNegatif),
        Erreur("Y=PERIODE(3,1)", erreur::TypeArgument),
        Erreur("Y=TRIGGER(S,1)", erreur::TypeArgument),
        Erreur("Y=TRUNC(U,0)", erreur::HorsLimites),
        Erreur("Y=TRUNC(U,11)", erreur::HorsLimites),
        Erreur("Y=TRUNC(U,2.5)", erreur::Entier),
    });
}

TEST_F(FonctionsTableauxTest, ShiftOfTheTargetItselfReadsItsOldPoints) {
    // The target is overwritten point by point: the shift must not read its new points.
    ASSERT_EQ(Evaluer("U=RETARD(U,1)").code, 0);
    EXPECT_EQ(Points(u), (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(Evaluer("U=PERIODE(U,2)").code, 0);
    EXPECT_EQ(Points(u), (std::vector<double>{0, 2, 4, 6, 8, 0, 2, 4, 6, 8}));
}

TEST_F(FonctionsTableauxTest, SetOfValuesIsATableOfItsArguments) {
    Verifier({
        {"Y=ENSEMBLE(1,2,3)", {1, 2, 3}},
        {"Y=ENSEMBLE(2*3,PI,S-1)", {6, Pi, -1}},
        {"Y=ENSEMBLE(7)", {7}},
        {"Y=ENSEMBLE(1,2,3,4,5,6,7,8)", {1, 2, 3, 4, 5, 6, 7, 8}},
        Erreur("Y=ENSEMBLE(1,U)", erreur::UnSeulTableau),
        Erreur("Y=ENSEMBLE(1,2,3,4,5,6,7,8,9)", erreur::TropArguments),
    });
    // A table target of N points keeps no old point past the set.
    const MoteurCalcul::Resultat r = Evaluer("U=ENSEMBLE(4,5)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.cible, u);
    EXPECT_EQ(Var(u).Capacite(), N);
    EXPECT_EQ(Points(u), (std::vector<double>{4, 5}));
}

TEST_F(FonctionsTableauxTest, LevelCrossingsListTheirAbscissae) {
    Table("W", {-1, 1, 1, -1, -1, 1, 1, -1, -1, 1});
    Table("R", {-1, -1, 1, 1, 1, 1, 1, 1, 1, 1});
    Table("Q", {0, 1, 2, 1, 0, 1, 2, 1, 0, 1});
    Verifier({
        {"Y=SEUIL(W,X,0,1)", {0.5, 4.5, 8.5}},
        {"Y=SEUIL(W,X,0,-1)", {2.5, 6.5}},
        {"Y=SEUIL(W,X,0,0)", {0.5, 2.5, 4.5, 6.5, 8.5}},
        {"Y=SEUIL(W,X,0.5,1)", {0.75, 4.75, 8.75}},
        // A step that ends on the level is one crossing: the step after it, which starts
        // on the level, is skipped.
        {"Y=SEUIL(Q,X,1,0)", {1, 3, 5, 7, 9}},
        Erreur("Y=SEUIL(W,2,0,1)", erreur::AuMoinsUnTableau),
        Erreur("Y=SEUIL(S,X,0,1)", erreur::AuMoinsUnTableau),
        Erreur("Y=SEUIL(W,X,0)", erreur::PasAssezArguments),
    });

    // One crossing: a scalar.
    MoteurCalcul::Resultat r = Evaluer("Y=SEUIL(R,X,0,1)");
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(Var(r.cible).EstScalaire());
    EXPECT_DOUBLE_EQ(Var(r.cible).LirePoint(0), 1.5);

    // No crossing: an empty table, not a point made up.
    r = Evaluer("Z=SEUIL(W,X,5,1)");
    ASSERT_EQ(r.code, 0);
    EXPECT_TRUE(Var(r.cible).EstTable());
    EXPECT_EQ(Var(r.cible).NbPoints, 0);
}

TEST_F(FonctionsTableauxTest, RisingZeroCrossingsOfASineAgainstTime) {
    table.ChangerNbPoints(200, true);
    const double f = 1.0 / (36 * table.TBase()); // 36 points per period
    Var(table.CreerVariable("F", 1, genre::Calculee)).EcrirePoint(0, f);
    ASSERT_EQ(Evaluer("U=SIN(2*PI*F*T-0.5)").code, 0);
    const MoteurCalcul::Resultat r = Evaluer("Y=SEUIL(U,T,0,1)");
    ASSERT_EQ(r.code, 0);
    const std::vector<double> p = Points(r.cible);
    ASSERT_EQ(p.size(), 6u); // 199 points: 5.5 periods, the phase puts 6 rising crossings in
    for (std::size_t k = 0; k < p.size(); ++k) {
        const double exact = (0.5 / (2 * Pi) + static_cast<double>(k)) / f;
        // Linear interpolation of a sine near its zero: far below a thousandth of a point.
        EXPECT_NEAR(p[k], exact, 2e-3 * table.TBase()) << "crossing " << k + 1;
    }
}

TEST_F(FonctionsTableauxTest, PeaksAndTroughsWithTheirAbscissae) {
    const int p = Table("P", {0, 3, 1, 0, 5, 2, 0, 4, 1, 0});
    const double tb = table.TBase();

    MoteurCalcul::Resultat r = Evaluer("Y=CRETEMAXI(P)");
    ASSERT_EQ(r.code, 0);
    const TypeId& y = Var(r.cible);
    // Hysteresis (5 - 0) / 4: the peaks 3 and 5; the 4 at point 8 has no fall after it.
    EXPECT_EQ(Points(r.cible), (std::vector<double>{3, 5}));
    EXPECT_EQ(y.NomAbscisse, QStringLiteral("T"));
    EXPECT_DOUBLE_EQ(y.AbscissePropre(1), 1 * tb);
    EXPECT_DOUBLE_EQ(y.AbscissePropre(2), 4 * tb);

    // A larger hysteresis merges the first two.
    r = Evaluer("Y=CRETEMAXI(P,3.5)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Points(r.cible), (std::vector<double>{5}));
    EXPECT_DOUBLE_EQ(Var(r.cible).AbscissePropre(1), 4 * tb);

    // Troughs: the zeros at points 4 and 7, each followed by a rise.
    r = Evaluer("Y=CRETEMINI(P)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Points(r.cible), (std::vector<double>{0, 0}));
    EXPECT_DOUBLE_EQ(Var(r.cible).AbscissePropre(1), 3 * tb);
    EXPECT_DOUBLE_EQ(Var(r.cible).AbscissePropre(2), 6 * tb);

    // P's own abscissa is used when it has one, with its name.
    Var(p).FixerAbscisseLineaire(QStringLiteral("L"), 0.5, 10.0);
    r = Evaluer("Y=CRETEMAXI(P)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Var(r.cible).NomAbscisse, QStringLiteral("L"));
    EXPECT_DOUBLE_EQ(Var(r.cible).AbscissePropre(1), 10.5);
    EXPECT_DOUBLE_EQ(Var(r.cible).AbscissePropre(2), 12.0);

    // A flat signal has no peak; a scalar has none to look for.
    Table("K", {2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    r = Evaluer("Y=CRETEMAXI(K)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Var(r.cible).NbPoints, 0);
    EXPECT_EQ(Evaluer("Y=CRETEMAXI(S)").code, erreur::AuMoinsUnTableau);
}

TEST_F(FonctionsTableauxTest, PeaksOfASineAreItsCrests) {
    table.ChangerNbPoints(100, true);
    // Period 20 points, crests (amplitude growing with k) at points 6, 26, 46, 66, 86.
    Signal("V",
           [](int i) { return (1.0 + 0.1 * ((i - 1) / 20)) * std::sin(2 * Pi * (i - 1) / 20); });
    const MoteurCalcul::Resultat r = Evaluer("Y=CRETEMAXI(V)");
    ASSERT_EQ(r.code, 0);
    const std::vector<double> p = Points(r.cible);
    ASSERT_EQ(p.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(p[static_cast<std::size_t>(k)], 1.0 + 0.1 * k, 1e-12) << k;
        EXPECT_NEAR(Var(r.cible).AbscissePropre(k + 1), (5 + 20 * k) * table.TBase(), 1e-15) << k;
    }
}

TEST_F(FonctionsTableauxTest, SortingChangesTheVariableItself) {
    const int w = Table("W", {3, 1, 2, 5, 4});
    MoteurCalcul::Resultat r = Evaluer("Y=TRIER(W)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Points(w), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Points(r.cible), (std::vector<double>{1, 2, 3, 4, 5}));

    r = Evaluer("Y=TRIER(W,-1)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Points(w), (std::vector<double>{5, 4, 3, 2, 1}));
    EXPECT_EQ(Points(r.cible), (std::vector<double>{5, 4, 3, 2, 1}));

    EXPECT_EQ(Evaluer("Y=TRIER(S)").code, erreur::AuMoinsUnTableau);
}
