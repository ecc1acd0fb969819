#include "TravailDeTest.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/interface/PortsLogiques.h"

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

using namespace pelavorine;

namespace {

constexpr double Pi = std::numbers::pi;

// A formula line and the scalar it must give, or the error.
struct Cas {
    const char* ligne;
    double attendu = 0.0;
    int code = 0;
};

Cas Erreur(const char* ligne, int code) {
    return Cas{ligne, 0.0, code};
}

// Logic ports of a pretend interface: each port has a direction (1 output) and a value;
// a refusing port keeps its direction.
class PortsFactices : public PortsLogiques {
public:
    int nb = 2;
    std::map<int, int> sens{{1, 0}, {2, 1}};
    std::map<int, int> valeur{{1, 0x1A5}, {2, 0x07}};
    std::set<int> refus;
    std::vector<std::pair<int, int>> ecrits;
    std::vector<std::pair<int, int>> changements;

    int NbPorts() const override { return nb; }
    int LireSensPort(int port) override { return sens.at(port); }
    bool ProgrammerSensPort(int port, int s) override {
        changements.emplace_back(port, s);
        if (refus.contains(port)) return false;
        sens.at(port) = s;
        return true;
    }
    int LirePort(int port) override { return valeur.at(port); }
    void EcrirePort(int port, int v) override {
        ecrits.emplace_back(port, v);
        valeur.at(port) = v;
    }
};

} // namespace

class FonctionsScalairesTest : public TravailDeTest {
protected:
    MoteurCalcul moteur{table, hote};

    void SetUp() override {
        table.ChangerNbPoints(200, true);
        // Made without statistics, as a table filled point by point.
        Table("U", {1, 2, 4, 8, 10});
        Table("V", {0, 1, 0, 1, 0});
    }

    MoteurCalcul::Resultat Evaluer(const char* ligne) {
        return moteur.EvaluerFormule(QString::fromUtf8(ligne));
    }

    // The scalar of a line that must succeed.
    double Scalaire(const char* ligne) {
        const MoteurCalcul::Resultat r = Evaluer(ligne);
        EXPECT_EQ(r.code, 0) << ligne;
        EXPECT_TRUE(Var(r.cible).EstScalaire()) << ligne;
        return Var(r.cible).LirePoint(0);
    }

    void Verifier(const std::vector<Cas>& cas, double tolerance = 1e-12) {
        for (const Cas& c : cas) {
            if (c.code != 0) {
                EXPECT_EQ(Evaluer(c.ligne).code, c.code) << c.ligne;
                continue;
            }
            EXPECT_NEAR(Scalaire(c.ligne), c.attendu, tolerance * (1 + std::fabs(c.attendu)))
                << c.ligne;
        }
    }

    // A table of NBPOINT points v(i).
    int Signal(const QString& nom, const std::function<double(int)>& v) {
        const int slot = table.CreerVariable(nom, table.NbPoint(), genre::Acquise);
        for (int i = 1; i <= table.NbPoint(); ++i)
            Var(slot).EcrirePoint(i, v(i));
        return slot;
    }
};

TEST_F(FonctionsScalairesTest, MeasuresOfATableOrOfScalars) {
    Verifier({
        {"Y=MOY(1,2,6)", 3},
        {"Y=EFF(3,4)", std::sqrt(12.5)},
        {"Y=EFF(-2)", 2},
        {"Y=MIN(3,-1,2)", -1},
        {"Y=MAX(3,-1,2)", 3},
        {"Y=MOY(U)", 5},
        {"Y=EFF(U)", std::sqrt(37.0)},
        // U was filled without statistics: they are made fresh.
        {"Y=MIN(U)", 1},
        {"Y=MAX(U)", 10},
        {"Y=INDICE(1.5,U)", 1},
        {"Y=INDICE(5,U)", 3},
        {"Y=INDICE(10,U)", 5},
        {"Y=INDICE(0,U)", 0},
        // Eight memorised results fit in one line.
        {"Y=MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)", 16},
        Erreur("Y=MOY(U,V)", erreur::ArgumentsScalaires),
        Erreur("Y=EFF(U,2)", erreur::ArgumentsScalaires),
        Erreur("Y=MIN(U,V)", erreur::ArgumentsScalaires),
        Erreur("Y=MAX(2,U)", erreur::ArgumentsScalaires),
        Erreur("Y=MOY(U*2)", erreur::ExpressionInterdite),
        Erreur("Y=MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)+MOY(2)",
               erreur::TropCompliquee),
        Erreur("Y=INDICE(U,U)", erreur::TypeArgument),
        Erreur("Y=INDICE(1,2)", erreur::TypeArgument),
        Erreur("Y=NBFRONTS(2)", erreur::TypeArgument),
        Erreur("Y=FREQUENCE(2)", erreur::TypeArgument),
        Erreur("Y=DEPHASAGE(U,2)", erreur::AuMoinsUnTableau),
        Erreur("Y=DEPHASAGE(U)", erreur::PasAssezArguments),
    });
}

TEST_F(FonctionsScalairesTest, MemorisedValueServesEveryPointOfATableLine) {
    MoteurCalcul::Resultat r = Evaluer("Y=U-MOY(U)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Points(r.cible), (std::vector<double>{-4, -3, -1, 3, 5}));
    r = Evaluer("Y=U-MIN(U)*NBFRONTS(V)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Points(r.cible), (std::vector<double>{-1, 0, 2, 6, 8}));
}

TEST_F(FonctionsScalairesTest, MeanAndRmsOverWholePeriods) {
    // 36 points per period, 200 points: 5 whole periods and a part.
    const auto s = [](int i) { return 2 + 3 * std::sin(2 * Pi * (i - 1.5) / 36); };
    Signal("S", s);
    double moyenneBrute = 0;
    for (int i = 1; i <= 200; ++i)
        moyenneBrute += s(i) / 200;
    ASSERT_GT(std::fabs(moyenneBrute - 2), 1e-3); // the part period would show
    Verifier({
        {"Y=MOY(S)", 2},
        {"Y=EFF(S)", std::sqrt(4 + 4.5)},
        // Not periodic: every point counts.
        {"Y=MOY(T)", 199 * table.TBase() / 2},
    });
    EXPECT_TRUE(hote.messages.empty()); // the measurement is silent
}

TEST_F(FonctionsScalairesTest, FrequencyAgainstTheTableAbscissa) {
    table.ChangerNbPoints(1000, true);
    const double tb = table.TBase();
    Signal("S", [tb](int i) { return std::sin(2 * Pi * 50 * (i - 1) * tb + 0.3); });
    // Square waves of 7 points per period: exact crossings.
    const auto carre = [](int i) { return (i - 1) % 7 < 3 ? 1.0 : -1.0; };
    Signal("C", carre);
    Var(Signal("L", carre)).FixerAbscisseLineaire(QStringLiteral("X"), 2e-3, 0.0);
    Table("K", {1, 1, 1, 1});

    EXPECT_NEAR(Scalaire("Y=FREQUENCE(S)"), 50.0, 0.1 + 1e-9);
    // 1 / (7 tb) above 100 keeps its integer part.
    EXPECT_EQ(Scalaire("Y=FREQUENCE(C)"), std::trunc(1 / (7 * tb)));
    // L's own abscissa, 2 ms a point: 71.428... keeps one decimal.
    EXPECT_DOUBLE_EQ(Scalaire("Y=FREQUENCE(L)"), 71.4);
    EXPECT_EQ(Scalaire("Y=FREQUENCE(K)"), 0.0);
    EXPECT_TRUE(hote.messages.empty());
}

TEST_F(FonctionsScalairesTest, PhaseOfTwoSines) {
    table.ChangerNbPoints(1000, true);
    const double tb = table.TBase();
    const auto sinus = [&](const QString& nom, double f, double phase) {
        Signal(nom, [=](int i) { return std::sin(2 * Pi * f * (i - 1) * tb + 0.3 + phase); });
    };
    const double deg = Pi / 180;
    sinus("A", 50, 0);
    // A lagging B gives a positive angle.
    sinus("B30", 50, -30 * deg);
    sinus("B45", 50, 45 * deg);
    sinus("B170", 50, -170 * deg);
    sinus("BM170", 50, 170 * deg);
    sinus("B1", 50, -1.0);
    sinus("B60", 60, 0);

    moteur.degres = true;
    Verifier({
        {"Y=DEPHASAGE(A,B30)", 30},
        {"Y=DEPHASAGE(A,B45)", -45},
        {"Y=DEPHASAGE(A,B170)", 170},
        {"Y=DEPHASAGE(A,BM170)", -170},
        {"Y=DEPHASAGE(B30,A)", -30},
        {"Y=DEPHASAGE(A,A)", 0},
        // Frequencies more than 2 % apart: no phase.
        {"Y=DEPHASAGE(A,B60)", 0},
    });
    moteur.degres = false;
    Verifier({{"Y=DEPHASAGE(A,B1)", 1.0}, {"Y=DEPHASAGE(A,B30)", 0.52}});
}

TEST_F(FonctionsScalairesTest, EdgesOfASquareWave) {
    table.ChangerNbPoints(50, true);
    // High for 5 points, low for 5: 4 rising and 5 falling edges.
    Signal("C", [](int i) { return (i - 1) % 10 < 5 ? 1.0 : 0.0; });
    // The same with small steps inside the levels.
    Signal("D", [](int i) { return ((i - 1) % 10 < 5 ? 1.0 : 0.0) + 0.01 * ((i - 1) % 5); });
    Verifier({
        {"Y=NBFRONTS(C)", 4},
        {"Y=NBFRONTS(C,1)", 4},
        {"Y=NBFRONTS(C,-1)", 5},
        {"Y=NBFRONTS(C,0)", 9},
        {"Y=NBFRONTS(D,0)", 9},
        {"Y=NBFRONTS(T)", 0},
    });
}

TEST_F(FonctionsScalairesTest, AssignOnePointOfAVariable) {
    const int v = Table("W", {1, 2, 3, 4, 5});
    const int w = table.CreerVariable("G", 10, genre::Acquise);
    Var(w).EcrirePoint(1, 1);
    Var(w).EcrirePoint(2, 1);
    const int s = table.CreerVariable("S", 1, genre::Calculee);

    MoteurCalcul::Resultat r = Evaluer("AFFECTER(W,3,9)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.cible, v);
    EXPECT_EQ(Points(v), (std::vector<double>{1, 2, 9, 4, 5}));
    EXPECT_EQ(Var(v).Maximum, 9);

    // Point 1 too: the table stays a table.
    ASSERT_EQ(Evaluer("AFFECTER(W,1,7)").code, 0);
    ASSERT_TRUE(Var(v).EstTable());
    EXPECT_EQ(Points(v), (std::vector<double>{7, 2, 9, 4, 5}));

    // rnd(2.5) is 2.
    ASSERT_EQ(Evaluer("Y=AFFECTER(W,2.5,8)").code, 0);
    EXPECT_EQ(Points(v), (std::vector<double>{7, 8, 9, 4, 5}));

    ASSERT_EQ(Evaluer("AFFECTER(G,4,6)").code, 0);
    EXPECT_EQ(Points(w), (std::vector<double>{1, 1, 0, 6}));

    r = Evaluer("AFFECTER(S,1,4)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.cible, s);
    EXPECT_EQ(Var(s).LirePoint(0), 4);

    Verifier({
        Erreur("AFFECTER(W,6,1)", erreur::HorsLimites),
        Erreur("AFFECTER(W,0,1)", erreur::HorsLimites),
        Erreur("AFFECTER(T,2,1)", erreur::TempsReserve),
        Erreur("AFFECTER(PI,1,1)", erreur::PiReserve),
        Erreur("AFFECTER(2,1,1)", erreur::TypeArgument),
        Erreur("AFFECTER(W,1,U*2)", erreur::ExpressionInterdite),
        Erreur("AFFECTER(W,1)", erreur::PasAssezArguments),
    });
    EXPECT_EQ(Points(v), (std::vector<double>{7, 8, 9, 4, 5}));
}

TEST_F(FonctionsScalairesTest, LogicPortsSwitchTheirDirection) {
    PortsFactices ports;
    moteur.ports = &ports;

    EXPECT_EQ(Scalaire("Y=IN(1.4)"), 0xA5); // low byte, port rounded
    EXPECT_TRUE(ports.changements.empty());
    // An output read is switched to input first.
    EXPECT_EQ(Scalaire("Y=IN(2)"), 7);
    EXPECT_EQ(ports.changements, (std::vector<std::pair<int, int>>{{2, 0}}));
    // An input written is switched to output first.
    EXPECT_EQ(Scalaire("Y=OUT(1,200)"), 200);
    EXPECT_EQ(ports.sens.at(1), 1);
    EXPECT_EQ(ports.ecrits, (std::vector<std::pair<int, int>>{{1, 200}}));

    // A port that refuses the switch.
    ports.refus = {1, 2};
    EXPECT_EQ(Evaluer("Y=IN(1)").code, 55);
    EXPECT_EQ(Evaluer("Y=OUT(2,3)").code, 54);
    // Already an output: no switch needed.
    EXPECT_EQ(Scalaire("Y=OUT(1,3)"), 3);
    EXPECT_EQ(ports.ecrits.size(), 2u);

    Verifier({
        Erreur("Y=OUT(1,256)", erreur::Octet),
        Erreur("Y=OUT(1,-1)", erreur::Octet),
        Erreur("Y=OUT(1,2.5)", erreur::Entier),
        Erreur("Y=OUT(3,1)", erreur::PortIncompatible),
        Erreur("Y=OUT(0,1)", erreur::PortIncompatible),
        Erreur("Y=IN(99)", erreur::PortIncompatible),
        Erreur("Y=IN(0)", erreur::PortIncompatible),
    });
    EXPECT_EQ(ports.ecrits.size(), 2u);
}

TEST_F(FonctionsScalairesTest, NoAcquisitionSystemHasNoPort) {
    EXPECT_EQ(Evaluer("Y=IN(1)").code, erreur::PortIncompatible);
    MoteurCalcul& moteurTravail = travail.Moteur();
    EXPECT_EQ(moteurTravail.EvaluerFormule("Y=IN(1)").code, erreur::PortIncompatible);
    EXPECT_EQ(moteurTravail.EvaluerFormule("Y=OUT(1,1)").code, erreur::PortIncompatible);
    EXPECT_EQ(moteurTravail.EvaluerFormule("Y=OUT(1,256)").code, erreur::Octet);
}
