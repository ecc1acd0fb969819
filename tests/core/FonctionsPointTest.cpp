#include "TravailDeTest.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"

#include <cmath>
#include <numbers>
#include <set>
#include <vector>

using namespace pelavorine;

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Inf = 1e300;

// A formula line and the value expected at one point, or the error expected.
struct Cas {
    const char* ligne;
    double attendu = 0.0;
    int code = 0;
    int point = 1;
};

Cas Erreur(const char* ligne, int code) {
    return Cas{ligne, 0.0, code};
}
Cas Au(int point, const char* ligne, double attendu) {
    return Cas{ligne, attendu, 0, point};
}

} // namespace

class FonctionsPointTest : public TravailDeTest {
protected:
    static constexpr int N = 41; // odd: LRAMPE has a middle point
    MoteurCalcul moteur{table, hote};

    void SetUp() override { table.ChangerNbPoints(N, true); }

    // Point i of the variable that received the line (point 0 of a scalar).
    double Valeur(int cible, int i) {
        const TypeId& v = Var(cible);
        return v.EstScalaire() ? v.LirePoint(0) : v.LirePoint(i);
    }

    void Verifier(const std::vector<Cas>& cas) {
        for (const Cas& c : cas) {
            const MoteurCalcul::Resultat r = moteur.EvaluerFormule(QString::fromUtf8(c.ligne));
            EXPECT_EQ(r.code, c.code) << c.ligne;
            if (r.code != 0 || c.code != 0) continue;
            EXPECT_NEAR(Valeur(r.cible, c.point), c.attendu, 1e-12 * (1.0 + std::fabs(c.attendu)))
                << c.ligne << " at point " << c.point;
        }
    }
};

TEST_F(FonctionsPointTest, ArithmeticFunctions) {
    Verifier({
        {"Y=DIV(7,2)", 3},
        {"Y=DIV(-7,2)", -3},
        {"Y=MOD(-7,2)", -1},
        {"Y=MOD(7,-2)", 1},
        Erreur("Y=DIV(7.5,2)", erreur::Entier),
        Erreur("Y=MOD(7,0.5)", erreur::Entier),
        // A zero divisor is infinite with the dividend's sign.
        {"Y=DIV(7,0)", Inf},
        {"Y=DIV(-7,0)", -Inf},
        {"Y=MOD(-7,0)", -Inf},
        {"Y=SQR(-3)", 9},
        {"Y=SQR(1E200)", Inf},
        {"Y=SQRT(16)", 4},
        {"Y=SQRT(1/0)", Inf},
        Erreur("Y=SQRT(-1)", erreur::ArgumentNegatif),
        {"Y=INT(-2.7)", -2},
        {"Y=FRAC(-2.5)", -0.5},
        // FRAC clears the flag raised by the overflow, else the point would be infinite.
        {"Y=FRAC(EXP10(400))", 0},
        {"Y=FACT(0)", 1},
        {"Y=FACT(5)", 120},
        {"Y=FACT(33)", 8.68331761881188649551819440128e36},
        Erreur("Y=FACT(34)", erreur::NbPointsIncorrect),
        Erreur("Y=FACT(2.5)", erreur::EntierPositif),
        Erreur("Y=FACT(-1)", erreur::EntierPositif),
        {"Y=SGN(0)", 1},
        {"Y=SGN(-0.1)", -1},
        {"Y=ABS(-3)", 3},
        {"Y=SI(1,5,6)", 5},
        {"Y=SI(0,5,6)", 6},
        {"Y=SI(2>1,5,6)", 5},
        Erreur("Y=SI(2,1,0)", erreur::PasBooleen),
        {"Y=NUMPOINT", 1},
    });
}

TEST_F(FonctionsPointTest, LogarithmsAndExponentials) {
    Verifier({
        {"Y=LOG(1000)", 3},
        {"Y=LOG(0)", -Inf},
        {"Y=LOG(1/0)", Inf},
        Erreur("Y=LOG(-1)", erreur::ArgumentNegatif),
        {"Y=LN(1)", 0},
        {"Y=LN(0)", -Inf},
        Erreur("Y=LN(-1)", erreur::ArgumentNegatif),
        {"Y=EXP10(0)", 1},
        {"Y=EXP10(2)", 100},
        {"Y=EXP10(400)", Inf},
        // Too small for a double is 0, not minus infinity.
        {"Y=EXP10(-400)", 0},
        {"Y=EXP(1)", std::exp(1.0)},
        {"Y=EXP(-1)", std::exp(-1.0)},
        {"Y=EXP(1000)", Inf},
        {"Y=EXP(-1000)", 0},
        {"Y=GAIN(10)", 20},
        {"Y=GAIN(0)", -Inf},
        {"Y=GAIN(1/0)", Inf},
        Erreur("Y=GAIN(-1)", erreur::ArgumentNegatif),
        {"Y=SH(1)", std::sinh(1.0)},
        {"Y=SH(-1000)", -Inf},
        {"Y=CH(0)", 1},
        {"Y=CH(-1000)", Inf},
        {"Y=TH(0.5)", std::tanh(0.5)},
        {"Y=TH(11)", 1},
        {"Y=TH(-11)", -1},
        {"Y=ASH(1)", std::asinh(1.0)},
        // ln(x + sqrt(x^2+1)) would cancel to ln(0) here.
        {"Y=ASH(-1E10)", std::asinh(-1e10)},
        {"Y=ASH(1/0)", Inf},
        {"Y=ACH(1)", 0},
        {"Y=ACH(2)", std::acosh(2.0)},
        Erreur("Y=ACH(0.5)", erreur::AuMoinsUn),
        {"Y=ATH(0.5)", std::atanh(0.5)},
        {"Y=ATH(1)", Inf},
        {"Y=ATH(-1)", -Inf},
        Erreur("Y=ATH(1.5)", erreur::HorsMoinsUnPlusUn),
    });
}

TEST_F(FonctionsPointTest, TrigonometryInRadians) {
    Verifier({
        {"Y=SIN(PI/6)", 0.5},
        {"Y=COS(PI)", -1},
        {"Y=TAN(PI/4)", 1},
        {"Y=TAN(PI/2)", Inf},
        {"Y=TAN(-PI/2)", Inf},
        {"Y=TAN(1.57)", std::tan(1.57)},
        {"Y=ASIN(1)", Pi / 2},
        {"Y=ASIN(-0.5)", -Pi / 6},
        Erreur("Y=ASIN(1.5)", erreur::HorsMoinsUnPlusUn),
        {"Y=ACOS(-1)", Pi},
        {"Y=ACOS(0)", Pi / 2},
        {"Y=ACOS(0.5)", Pi / 3},
        Erreur("Y=ACOS(-1.01)", erreur::HorsMoinsUnPlusUn),
        {"Y=ATAN(1)", Pi / 4},
        {"Y=ATAN(-1)", -Pi / 4},
        // ATAN clears the flag of the overflow that gave its infinite argument.
        {"Y=ATAN(-EXP10(400))", -Pi / 2},
        {"Y=MODULE(3,-4)", 5},
        {"Y=MODULE(1E200,1E200)", std::sqrt(2.0) * 1e200},
        {"Y=MODULE(1,1/0)", Inf},
        {"Y=ARGUMENT(1,1)", Pi / 4},
        {"Y=ARGUMENT(-1,1)", 3 * Pi / 4},
        {"Y=ARGUMENT(-1,-1)", -3 * Pi / 4},
        {"Y=ARGUMENT(1,-2)", std::atan2(-2.0, 1.0)},
        // Within 0.001 of an axis the angle is the axis'.
        {"Y=ARGUMENT(-1,0.0001)", -Pi},
        {"Y=ARGUMENT(2,-0.0001)", 0},
        {"Y=ARGUMENT(0.0001,-1)", -Pi / 2},
        {"Y=ARGUMENT(0,0)", 0},
        {"Y=DEG(PI)", 180},
        {"Y=RAD(90)", Pi / 2},
    });
}

TEST_F(FonctionsPointTest, DegreeModeConvertsAnglesBothWays) {
    moteur.degres = true;
    Verifier({
        {"Y=SIN(90)", 1},
        {"Y=COS(180)", -1},
        {"Y=TAN(45)", 1},
        // The pole is found on the angle: 90 degrees, not 1.5708 degrees.
        {"Y=TAN(90)", Inf},
        {"Y=TAN(1.5708)", std::tan(1.5708 * Pi / 180)},
        {"Y=ASIN(1)", 90},
        {"Y=ACOS(0)", 90},
        {"Y=ATAN(1)", 45},
        {"Y=ARGUMENT(-1,1)", 135},
        {"Y=DEG(PI)", 180},
    });
}

TEST_F(FonctionsPointTest, AtanOverHalfATurnStaysContinuous) {
    table.ChangerNbPoints(5, true);
    const int x = Table("X", {-1, 0, 1, 0, -1e-300});
    ASSERT_GT(x, 0);
    moteur.modeAtan = 180;
    const MoteurCalcul::Resultat r = moteur.EvaluerFormule("Y=ATAN(X)");
    ASSERT_EQ(r.code, 0);
    // 0 after an angle past 90 degrees is 180; after a smaller one it stays 0.
    const std::vector<double> attendu{3 * Pi / 4, Pi, Pi / 4, 0, Pi};
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(Valeur(r.cible, i), attendu[i - 1], 1e-15) << i;

    moteur.modeAtan = 90;
    Verifier({{"Y=ATAN(-1)", -Pi / 4}});
}

TEST_F(FonctionsPointTest, GeneratorsFillNbpointPoints) {
    ASSERT_EQ(moteur.EvaluerFormule("X=TABLE(NUMPOINT)").code, 0);
    ASSERT_GT(Table("C", {5, 6, 7}), 0);
    constexpr int h = N / 2; // 20, the top of the triangles
    Verifier({
        Au(1, "Y=TABLE(NUMPOINT)", 1),
        Au(N, "Y=TABLE(NUMPOINT)", N),
        Au(9, "Y=CRENEAU(10,20)", 0),
        Au(10, "Y=CRENEAU(10,20)", 1),
        Au(20, "Y=CRENEAU(10,20)", 1),
        Au(21, "Y=CRENEAU(10,20)", 0),
        // CRENEAU clears the flag raised before it on the line.
        Au(3, "Y=EXP10(400)*0+CRENEAU(1,2)", 0),
        Au(1, "Y=RAMPE(1)", 0),
        Au(21, "Y=RAMPE(1)", 0.5),
        Au(N, "Y=RAMPE(1)", 1),
        Au(1, "Y=RAMPE(2,-4)", 2),
        Au(N, "Y=RAMPE(2,-4)", -4),
        Au(1, "Y=LRAMPE(1,1000)", 1),
        Au((N + 1) / 2, "Y=LRAMPE(1,1000)", std::pow(10.0, 1.5)),
        Au(N, "Y=LRAMPE(1,1000)", 1000),
        // Period rnd(41/4) = 10, two points wide.
        Au(1, "Y=PEIGNE(2,4)", 1),
        Au(2, "Y=PEIGNE(2,4)", 0),
        Au(9, "Y=PEIGNE(2,4)", 0),
        Au(10, "Y=PEIGNE(2,4)", 1),
        Au(11, "Y=PEIGNE(2,4)", 1),
        Au(12, "Y=PEIGNE(2,4)", 0),
        // Periods rnd(41/3) = 14 and rnd(20.5) = 20, halves going to the even neighbour.
        Au(13, "Y=PEIGNE(1,3)", 0),
        Au(14, "Y=PEIGNE(1,3)", 1),
        Au(20, "Y=PEIGNE(1,2)", 1),
        Au(21, "Y=PEIGNE(1,2)", 0),
        Au(5, "Y=PEIGNE(2,0)", 0),
        Au(1, "Y=TRIANGLE(4)", 0),
        Au(h, "Y=TRIANGLE(4)", 4),
        Au(30, "Y=TRIANGLE(4)", 4.0 - 4.0 * (30 - h) / (N - h)),
        Au(N, "Y=TRIANGLE(4)", 0),
        Au(1, "Y=TRIANGLE(1,3)", 1),
        Au(h, "Y=TRIANGLE(1,3)", 3),
        Au(N, "Y=TRIANGLE(1,3)", 1),
        Au(10, "Y=SI(X>10,1,0)", 0),
        Au(11, "Y=SI(X>10,1,0)", 1),
        Au(N, "Y=SI(X>10,1,0)", 1),
        {"Y=TOTALPOINTS(X)", N},
        {"Y=TOTALPOINTS(C)", 3},
    });
}

TEST_F(FonctionsPointTest, GeneratorsOnOneOrTwoPoints) {
    // No division by N - 1 or by h - 1 = 0.
    table.ChangerNbPoints(2, true);
    Verifier({
        Au(1, "Y=RAMPE(1)", 0),
        Au(2, "Y=RAMPE(1)", 1),
        Au(1, "Y=TRIANGLE(4)", 4),
        Au(2, "Y=TRIANGLE(4)", 0),
    });
    table.ChangerNbPoints(1, true);
    Verifier({{"Y=RAMPE(3,5)", 3}, {"Y=LRAMPE(2,8)", 2}, {"Y=TRIANGLE(4)", 0}});
}

TEST_F(FonctionsPointTest, GeneratorArgumentsAreCheckedAtPointOne) {
    Verifier({
        Erreur("Y=CRENEAU(20,10)", erreur::LimitesImpossibles),
        Erreur("Y=CRENEAU(1.5,3)", erreur::Entier),
        Erreur("Y=CRENEAU(0,NBPOINT+1)", erreur::HorsLimites),
        Erreur("Y=CRENEAU(-1,3)", erreur::HorsLimites),
        Erreur("Y=CRENEAU(T,3)", erreur::ArgumentScalaire),
        Erreur("Y=PEIGNE(T,2)", erreur::ArgumentScalaire),
        Erreur("Y=PEIGNE(1,2.5)", erreur::Entier),
        Erreur("Y=PEIGNE(1,NBPOINT+1)", erreur::HorsLimites),
        Erreur("Y=LRAMPE(0,10)", erreur::ArgumentNonPositif),
        Erreur("Y=LRAMPE(1,-1)", erreur::ArgumentNonPositif),
        Erreur("Y=TOTALPOINTS(3)", erreur::TypeArgument),
    });
}

TEST_F(FonctionsPointTest, ErrorAtALaterPointStopsTheLine) {
    // The argument changes sign only from point 22 on.
    const MoteurCalcul::Resultat r = moteur.EvaluerFormule("Y=SQRT(21-TABLE(NUMPOINT))");
    EXPECT_EQ(r.code, erreur::ArgumentNegatif);
    const MoteurCalcul::Resultat l = moteur.EvaluerFormule("Y=LRAMPE(22-TABLE(NUMPOINT),2)");
    EXPECT_EQ(l.code, erreur::ArgumentNonPositif);
}

TEST_F(FonctionsPointTest, RandomStaysInItsIntervalAndChangesEveryLine) {
    std::vector<double> tirages[2];
    for (auto& t : tirages) {
        const MoteurCalcul::Resultat r = moteur.EvaluerFormule("Y=TABLE(RANDOM(-4))");
        ASSERT_EQ(r.code, 0);
        for (int i = 1; i <= N; ++i)
            t.push_back(Valeur(r.cible, i));
    }
    for (double v : tirages[0]) {
        EXPECT_GE(v, -2.0);
        EXPECT_LT(v, 2.0);
    }
    const std::set<double> distincts(tirages[0].begin(), tirages[0].end());
    EXPECT_GT(distincts.size(), N / 2u);
    EXPECT_NE(tirages[0], tirages[1]) << "the generator is reseeded for each line";
    Verifier({{"Y=RANDOM(1/0)", Inf}, {"Y=RANDOM(0)", 0}});
}

// Each work's engine draws from its own generator: a line of one neither reseeds nor advances
// the other's, and two engines running the same line at once draw different values.
TEST_F(FonctionsPointTest, RandomGeneratorBelongsToItsEngine) {
    Travail autre(hote);
    autre.Variables().ChangerNbPoints(N, true);
    MoteurCalcul& sien = autre.Moteur();
    const GenerateurAleatoire avantLeSien = sien.Aleatoire();
    const GenerateurAleatoire avantLeNotre = moteur.Aleatoire();

    const MoteurCalcul::Resultat r = moteur.EvaluerFormule("Y=TABLE(RANDOM(4))");
    ASSERT_EQ(r.code, 0);
    EXPECT_FALSE(moteur.Aleatoire() == avantLeNotre) << "the line used this engine's generator";
    EXPECT_TRUE(sien.Aleatoire() == avantLeSien) << "and left the other's alone";

    const MoteurCalcul::Resultat s = sien.EvaluerFormule("Y=TABLE(RANDOM(4))");
    ASSERT_EQ(s.code, 0);
    std::vector<double> notres, siens;
    for (int i = 1; i <= N; ++i) {
        notres.push_back(Valeur(r.cible, i));
        siens.push_back(autre.Variables().Variable(s.cible)->LirePoint(i));
    }
    EXPECT_NE(notres, siens);
}
