#include "TravailDeTest.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/calc/TableFonctions.h"

#include <cmath>

using namespace pelavorine;

class MoteurCalculTest : public TravailDeTest {
protected:
    MoteurCalcul moteur{table, hote};

    MoteurCalcul::Resultat Evaluer(const char* ligne) {
        return moteur.EvaluerFormule(QString::fromUtf8(ligne));
    }
    // The value of a scalar line (or point 1 of a table).
    double Valeur(const char* ligne) {
        const auto r = Evaluer(ligne);
        EXPECT_EQ(r.code, 0) << ligne << ": " << TexteErreurCalcul(r.code, 0).toStdString();
        const TypeId* v = table.Variable(r.cible);
        return v->EstScalaire() ? v->LirePoint(0) : v->LirePoint(1);
    }
};

TEST_F(MoteurCalculTest, GrammarPrecedenceAndInfiniteArithmetic) {
    struct Cas {
        const char* ligne;
        double attendu;
    };
    const Cas cas[] = {
        {"Y=2*(-3)", -6},
        {"Y=-2^2", -4},
        {"Y=2^3^2", 512},
        {"Y=2^-1", 0.5},
        {"Y=1<2+1", 2},
        {"Y=3>=3", 1},
        {"Y=3<=2", 0},
        {"Y=3!3", 1},
        {"Y=2\\3", 0},
        {"Y=5/0", 1e300},
        {"Y=-5/0", -1e300},
        {"Y=0*(1/0)", 0},
        {"Y=3/(1/0)", 0},
        {"Y=(-8)^(1/3)", -2},
        {"Y=$FF", 255},
        {"Y=1.5E-3", 0.0015},
        {"Y=-A", 0},
        {"Y=-3*2+1", -5},
        {"Y=(-2)^3", -8},
        {"Y=0^0", 1},
        {"Y=1e300*10", 1e300},
        {"Y=(-1e300)*1e300", -1e300},
        {"y = 7 - 2 - 1", 4},
        {"Y=8/2/2", 2},
        {"Y=NBPOINT*TBASE", 200 * 200e-6},
    };
    table.CreerVariable("A", 1, genre::Calculee);
    for (const Cas& c : cas) {
        EXPECT_NEAR(Valeur(c.ligne), c.attendu, 1e-12 * std::fabs(c.attendu)) << c.ligne;
    }
}

TEST_F(MoteurCalculTest, ErrorsCarryTheirCodeAndColumn) {
    struct Cas {
        const char* ligne;
        int code;
        int colonne;
    };
    const Cas cas[] = {
        {"Y=2*-3", 1, 5},      {"Y=A=B", 1, 2},          {"Y=(A", 4, 0},
        {"Y=A)", 10, 0},       {"Y=A[2", 19, 4},         {"X[2]=3", 18, 2},
        {"T=1", 49, 1},        {"t=1", 49, 1},           {"PI=1", 48, 1},
        {"pi=1", 48, 1},       {"Y=SIN", 10, 5},         {"Y=MOD(7,2,1)", 14, 12},
        {"Y=DIV(7)", 15, 8},   {"Y=(1,2)", 14, 5},       {"Y=1,2", 1, 4},
        {"Y=.5", 1, 3},        {"Y=2X", 1, 4},           {"Y=INCONNUE+1", 3, 10},
        {"Y=(2)3", 8, 6},      {"Y=3(4)", 8, 4},         {"Y=X[0]", 11, 6},
        {"Y=X[1.5]", 11, 8},   {"Y=X[201]", 20, 8},      {"Y=X[1,2]", 14, 6},
        {"Y=(-8)^0.5", 7, 11}, {"Y=DERIV(X*2)", 28, 12}, {"1Y=3", 1, 1},
        {"Y=1E400", 1, 3},     {"Y=3+", 1, 5},           {"Y=X[1]2", 8, 7},
    };
    const int x = table.CreerVariable("X", 200, genre::Acquise);
    table.Variable(x)->NbPoints = 200;
    for (const Cas& c : cas) {
        const auto r = Evaluer(c.ligne);
        EXPECT_EQ(r.code, c.code) << c.ligne;
        EXPECT_EQ(r.colonne, c.colonne) << c.ligne;
        EXPECT_EQ(r.cible, 1) << c.ligne;
    }
    EXPECT_EQ(TexteErreurCalcul(erreur::HorsLimites, 200),
              "Indice ou résultat hors limites 1..200");
}

TEST_F(MoteurCalculTest, TooManyConstantsIsAnError) {
    QString ligne = "Y=0";
    for (int i = 1; i < 255; ++i)
        ligne += "+1";
    EXPECT_EQ(moteur.EvaluerFormule(ligne).code, 0); // 255 constants
    EXPECT_EQ(table.Variable(table.IndexVariable("Y"))->LirePoint(0), 254);
    EXPECT_EQ(moteur.EvaluerFormule(ligne + "+1").code, erreur::TropConstantes);
}

TEST_F(MoteurCalculTest, ResultIsScalarOrTableByItsOperands) {
    const auto s = Evaluer("Y=3");
    ASSERT_EQ(s.code, 0);
    EXPECT_TRUE(table.Variable(s.cible)->EstScalaire());
    EXPECT_EQ(table.Variable(s.cible)->LirePoint(0), 3);

    const auto t = Evaluer("Y=T*2");
    ASSERT_EQ(t.code, 0);
    EXPECT_EQ(t.cible, s.cible); // the same variable, now a table
    const TypeId& y = *table.Variable(t.cible);
    EXPECT_EQ(y.Capacite(), 200);
    EXPECT_EQ(y.NbPoints, 200);
    EXPECT_DOUBLE_EQ(y.LirePoint(200), 2 * 199 * table.TBase());
    EXPECT_DOUBLE_EQ(y.Maximum, 2 * 199 * table.TBase()); // statistics recomputed

    // A scalar expression turns the table back into a scalar.
    const auto u = Evaluer("Y=T[3]*2");
    ASSERT_EQ(u.code, 0);
    EXPECT_TRUE(table.Variable(u.cible)->EstScalaire());
    EXPECT_DOUBLE_EQ(table.Variable(u.cible)->LirePoint(0), 4 * table.TBase());

    // Without "=", the result goes to "?".
    EXPECT_EQ(Evaluer("2+2").cible, 1);
    EXPECT_EQ(table.Variable(1)->LirePoint(0), 4);
}

TEST_F(MoteurCalculTest, ShortOperandsShortenTheLine) {
    TypeId& court = Var(Table("C", {1, 2, 3}));
    court.FixerCapacite(200);
    const auto r = Evaluer("Y=C*10");
    ASSERT_EQ(r.code, 0);
    const TypeId& y = *table.Variable(r.cible);
    EXPECT_EQ(y.NbPoints, 3);
    EXPECT_EQ(y.LirePoint(3), 30);
}

TEST_F(MoteurCalculTest, FamiliesOfCurvesFillOneCurvePerRepetition) {
    for (int rep = 1; rep <= 3; ++rep) {
        moteur.numeroRepetition = rep;
        const auto r = Evaluer("RES.Y=T+10*NUMPOINT");
        ASSERT_EQ(r.code, 0);
        const TypeId& y = *table.Variable(r.cible);
        EXPECT_EQ(y.Genre & 0x11, 0x11);
        EXPECT_EQ(y.Capacite(), 200 * rep);
        EXPECT_EQ(y.NbPoints, 200 * rep);
        EXPECT_EQ(y.NbCourbes, rep);
    }
    // Seen at point 5 of repetition 3, the family gives the point of its third curve.
    moteur.numeroRepetition = 3;
    ASSERT_EQ(Evaluer("Z=Y").code, 0);
    EXPECT_DOUBLE_EQ(Var("Z").LirePoint(5), 4 * table.TBase() + 50);
}

TEST_F(MoteurCalculTest, EscapeBetweenPointsInterruptsTheLine) {
    hote.interrompreApres = 9;
    const auto r = Evaluer("Y=T*2");
    EXPECT_EQ(r.code, erreur::Interruption);
    EXPECT_EQ(r.cible, table.IndexVariable("Y"));
}

TEST_F(MoteurCalculTest, EveryPointFollowsTheSameGrammar) {
    const double tb = table.TBase();
    struct Cas {
        const char* ligne;
        double (*f)(double t);
    };
    const Cas cas[] = {
        {"Y=T*2-1", [](double t) { return t * 2 - 1; }},
        {"Y=-T^2+T", [](double t) { return -(t * t) + t; }},
        {"Y=(T<0.01)*3+(T>=0.02)", [](double t) { return (t < 0.01) * 3.0 + (t >= 0.02); }},
        {"Y=2^-(T*100)", [](double t) { return 1 / std::pow(2, t * 100); }},
        {"Y=(T+1)/(T-0.02)", [](double t) { return (t + 1) / (t - 0.02); }},
        {"Y=T[NBPOINT-1]+T", [](double t) { return 198 * 200e-6 + t; }},
    };
    for (const Cas& c : cas) {
        const auto r = Evaluer(c.ligne);
        ASSERT_EQ(r.code, 0) << c.ligne;
        const TypeId& y = *table.Variable(r.cible);
        ASSERT_EQ(y.NbPoints, 200) << c.ligne;
        for (int i = 1; i <= 200; ++i) {
            const double attendu = c.f((i - 1) * tb);
            EXPECT_NEAR(y.LirePoint(i), attendu, 1e-9 * (1 + std::fabs(attendu)))
                << c.ligne << " point " << i;
        }
    }
}

TEST_F(MoteurCalculTest, ErrorsAtLaterPointsStopTheLineWithTheirColumn) {
    TypeId& x = Var(table.CreerVariable("X", 100, genre::Acquise));
    for (int i = 1; i <= 100; ++i)
        x.EcrirePoint(i, i);
    table.Variable(table.IndexVariable("T"))->NbPoints = 200;
    struct Cas {
        const char* ligne;
        int code;
        int colonne;
    };
    const Cas cas[] = {
        {"Y=(0.01-T)^0.5", 7, 15},      // negative from point 51 on
        {"Y=T+X[NUMPOINT]", 20, 15},    // index 101 at point 101
        {"Y=T+X[52-NUMPOINT]", 11, 18}, // index 0 at point 52
    };
    for (const Cas& c : cas) {
        const auto r = Evaluer(c.ligne);
        EXPECT_EQ(r.code, c.code) << c.ligne;
        EXPECT_EQ(r.colonne, c.colonne) << c.ligne;
    }
}

// One element of a table is a scalar argument (CRENEAU wants scalars).
TEST_F(MoteurCalculTest, AnIndexedElementIsAScalarArgument) {
    TypeId& x = Var(Table("X", {3, 4, 5}));
    x.FixerCapacite(200);
    const auto r = Evaluer("Y=CRENEAU(X[2],5)");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(Var(r.cible).LirePoint(3), 0);
    EXPECT_EQ(Var(r.cible).LirePoint(4), 1);
    EXPECT_EQ(Evaluer("Y=CRENEAU(X,5)").code, erreur::ArgumentScalaire);
}

TEST_F(MoteurCalculTest, EveryFunctionNameIsRecognisedWithItsArity) {
    const int x = table.CreerVariable("X", 200, genre::Acquise);
    table.Variable(x)->NbPoints = 200;
    for (const DescriptionFonction& f : TableFonctions) {
        const int n = std::max(1, std::abs(f.arite));
        QString ligne = QStringLiteral("Y=%1(X").arg(QLatin1String(f.nom));
        for (int k = 1; k < n; ++k)
            ligne += QStringLiteral(",X");
        const auto r = moteur.EvaluerFormule(ligne + ')');
        EXPECT_NE(r.code, erreur::SymboleNonDefini) << f.nom;
        EXPECT_NE(r.code, erreur::TropArguments) << f.nom;
        EXPECT_NE(r.code, erreur::PasAssezArguments) << f.nom;
        EXPECT_NE(r.code, erreur::Syntaxe) << f.nom;
    }
}

TEST_F(MoteurCalculTest, LanguageLevelIsTheHighestOfTheFunctionsWritten) {
    moteur.niveauLangage = 0;
    Evaluer("Y=SIN(1)");
    EXPECT_EQ(moteur.niveauLangage, 20);
    Evaluer("Y=SI(1,2,3)+TOTALPOINTS(T)");
    EXPECT_EQ(moteur.niveauLangage, 31);
    Evaluer("Y=2");
    EXPECT_EQ(moteur.niveauLangage, 31);
}

TEST_F(MoteurCalculTest, AtMostEightCachedResultsPerPoint) {
    for (int k = 1; k <= MoteurCalcul::MaxResultatsMemorises; ++k)
        EXPECT_TRUE(moteur.Memoriser(k)) << k;
    EXPECT_FALSE(moteur.Memoriser(9));
    EXPECT_TRUE(moteur.EnErreur());
}

TEST_F(MoteurCalculTest, NumericStatusTexts) {
    EXPECT_EQ(TexteErreurNumerique(3), " Nombre de points trop faible");
    EXPECT_EQ(TexteErreurNumerique(11), " Nombre de points trop faible");
    EXPECT_EQ(TexteErreurNumerique(27),
              " ANALYSE DE FOURIER IMPOSSIBLE\r Le signal présente un point infini !");
    EXPECT_EQ(TexteErreurNumerique(99), " Erreur non reconnue n°99");
    EXPECT_EQ(TexteErreurCalcul(999, 200), "Erreur n° 999 non reconnue");
    EXPECT_EQ(TexteErreurCalcul(51, 200), "Variable réseau saturée (10000 points maximum)");
}

// A function with a scalar result adds no table to its line, whatever tables it reads.
TEST_F(MoteurCalculTest, ScalarFunctionsOfTablesMixWithTables) {
    TypeId& u = Var(table.CreerVariable("U", 200, genre::Acquise));
    for (int i = 1; i <= 200; ++i)
        u.EcrirePoint(i, 1.0);
    struct Cas {
        const char* ligne;
        bool table;
        double point5;
    };
    const Cas cas[] = {
        {"Y=MOY(U)", false, 1.0},
        {"Y=U-MOY(U)+2", true, 2.0},
        {"Y=INTEGN(U,T)", false, 199 * table.TBase()},
        {"Y=U+INTEGN(U,T)", true, 1 + 199 * table.TBase()},
    };
    for (const Cas& c : cas) {
        const auto r = Evaluer(c.ligne);
        ASSERT_EQ(r.code, 0) << c.ligne;
        const TypeId& y = Var(r.cible);
        EXPECT_EQ(y.EstTable(), c.table) << c.ligne;
        EXPECT_NEAR(y.EstTable() ? y.LirePoint(5) : y.LirePoint(0), c.point5, 1e-12) << c.ligne;
        if (c.table) {
            EXPECT_EQ(y.NbPoints, 200) << c.ligne;
        }
    }
}
