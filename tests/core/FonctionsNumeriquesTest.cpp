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
constexpr double Inf = 1e300;
} // namespace

class FonctionsNumeriquesTest : public TravailDeTest {
protected:
    static constexpr int N = 256; // a power of 2 for the transforms
    MoteurCalcul moteur{table, hote};
    double dt = 0.0;

    void SetUp() override {
        table.ChangerNbPoints(N, true);
        dt = table.TBase();
        ASSERT_GT(dt, 0.0);
    }

    MoteurCalcul::Resultat Evaluer(const QString& ligne) { return moteur.EvaluerFormule(ligne); }

    // Points 1..count of the target of a line that must succeed.
    std::vector<double> Table(const QString& ligne) {
        const MoteurCalcul::Resultat r = Evaluer(ligne);
        EXPECT_EQ(r.code, 0) << ligne.toStdString();
        if (r.code != 0) return {};
        EXPECT_TRUE(Var(r.cible).EstTable()) << ligne.toStdString();
        return Points(r.cible);
    }

    // The value of a line whose target must be a scalar.
    double Scalaire(const QString& ligne) {
        const MoteurCalcul::Resultat r = Evaluer(ligne);
        EXPECT_EQ(r.code, 0) << ligne.toStdString();
        if (r.code != 0) return 0.0;
        EXPECT_TRUE(Var(r.cible).EstScalaire()) << ligne.toStdString();
        return Var(r.cible).LirePoint(0);
    }

    // A table of n points, point i holding f(i).
    void Suite(const QString& nom, int n, const std::function<double(int)>& f) {
        const int slot = table.CreerVariable(nom, std::max(n, 2), genre::Acquise);
        ASSERT_GT(slot, 0);
        for (int i = 1; i <= n; ++i)
            Var(slot).EcrirePoint(i, f(i));
        Var(slot).NbPoints = n;
    }

    void Definir(const char* ligne) { ASSERT_EQ(Evaluer(ligne).code, 0) << ligne; }

    static void Comparer(const std::vector<double>& obtenu, int n,
                         const std::function<double(int)>& attendu, double tolerance,
                         const QString& ligne) {
        ASSERT_EQ(static_cast<int>(obtenu.size()), n) << ligne.toStdString();
        for (int i = 1; i <= n; ++i)
            EXPECT_NEAR(obtenu[i - 1], attendu(i), tolerance)
                << ligne.toStdString() << " at point " << i;
    }
};

TEST_F(FonctionsNumeriquesTest, ArgumentsAreCheckedAtPointOne) {
    Definir("U=SIN(T)");
    Definir("V=3");
    Definir("XD=-T");                                      // falling
    Suite("XE", N, [](int i) { return i < 3 ? 0.0 : i; }); // two equal abscissae
    Suite("R", 2, [](int i) { return i; });
    Suite("P", 1, [](int) { return 1.0; });
    Suite("W", 100, [](int i) { return i; }); // not a power of 2
    Suite("E", 4, [](int i) { return i; });   // too short for a transform
    struct Cas {
        const char* ligne;
        int code;
    };
    const Cas cas[] = {
        {"Y=DERIV(U)", erreur::PasAssezArguments},
        {"Y=DERIV(U*2,T)", erreur::ExpressionInterdite},
        {"Y=DERIV(U,T,3,4)", erreur::TropArguments},
        {"Y=DERIV(V,T)", erreur::AuMoinsUnTableau},
        {"Y=DERIV(U,V)", erreur::AuMoinsUnTableau},
        {"Y=DERIV(U,XE)", 31},   // status 1: equal abscissae
        {"Y=DERIV(U,XD)", 32},   // status 2: abscissae not increasing
        {"Y=DERIV(R,R)", 33},    // status 3: three points are needed
        {"Y=DERIV(U,T,30)", 34}, // status 4: smoothing blocks of at most 25 points
        {"Y=DER2(U)", erreur::PasAssezArguments},
        {"Y=DER2(3,T)", erreur::AuMoinsUnTableau},
        {"Y=INTEG(U)", erreur::PasAssezArguments},
        {"Y=INTEG(U,T,0)", erreur::PasAssezArguments},
        {"Y=INTEG(V,T)", erreur::AuMoinsUnTableau},
        {"Y=INTEG(U,V,0,1)", erreur::AuMoinsUnTableau},
        {"Y=INTEG(P,P)", 34}, // status 4: one point has no integral
        {"Y=INTEG(U,XD)", 32},
        {"Y=INTEGN(U)", erreur::PasAssezArguments},
        {"Y=INTEGN(U,T,1)", erreur::PasAssezArguments},
        {"Y=INTEGN(U,T,-1,3)", erreur::EntierPositif},
        {"Y=INTEGN(U,T,2,-3)", erreur::EntierPositif},
        {"Y=INTEGN(V,T)", erreur::AuMoinsUnTableau},
        {"Y=LISSAGE(V)", erreur::AuMoinsUnTableau},
        {"Y=LISSAGE(U,0)", 38},
        {"Y=LISSAGE(U,21)", 38},
        {"Y=LISSAGE(P,3)", 33}, // status 3: one point
        {"Y=PBAS(U)", erreur::PasAssezArguments},
        {"Y=PBAS(V,10)", erreur::TypeArgument},
        {"Y=PBAS(U,V,10)", erreur::TypeArgument},
        {"Y=PBAS(U,0)", erreur::ArgumentNegatif},
        {"Y=PHAUT(U,-1)", erreur::ArgumentNegatif},
        {"Y=PHAUT(U,T,0)", erreur::ArgumentNegatif},
        {"Y=PBANDE(U,10)", erreur::PasAssezArguments},
        {"Y=PBANDE(U,0,10)", erreur::ArgumentNegatif},
        {"Y=PBANDE(U,T,10,0)", erreur::ArgumentNegatif},
        {"Y=PBANDE(U,20,10)", 39},
        {"Y=PBANDE(U,V,10,20)", erreur::TypeArgument},
        {"Y=FFTM(W)", 46},
        {"Y=FFTR(E)", 43},
        {"Y=FFTP(V)", erreur::AuMoinsUnTableau},
        {"Y=FFTA(U,U)", erreur::TropArguments},
        {"Y=RFFT(U,V)", erreur::AuMoinsUnTableau},
        {"Y=RFFT(V,U)", erreur::AuMoinsUnTableau},
        {"Y=RFFT(W,W)", 46},
    };
    for (const Cas& c : cas) {
        const MoteurCalcul::Resultat r = Evaluer(c.ligne);
        EXPECT_EQ(r.code, c.code) << c.ligne;
        EXPECT_EQ(r.cible, 1) << c.ligne;
    }
}

TEST_F(FonctionsNumeriquesTest, DerivativesMatchTheirAnalyticValues) {
    // A sine of 128 points per period: the three-point formula is within (wh)^2/3.
    const double w = 2 * Pi / (128 * dt);
    Definir("U=SIN(2*PI*T/(128*TBASE))");
    Comparer(
        Table("Y=DERIV(U,T)"), N, [&](int i) { return w * std::cos(w * dt * (i - 1)); }, 1e-3 * w,
        "Y=DERIV(U,T)");

    // On integer abscissae the formula is exact for a parabola, second derivative included.
    Definir("X=TABLE(NUMPOINT)-1"); // exact integers
    Definir("Q=X*X");
    Definir("L=3*X-2");
    const struct {
        const char* ligne;
        std::function<double(int)> attendu;
    } cas[] = {
        {"Y=DERIV(Q,X)", [](int i) { return 2.0 * (i - 1); }},
        {"Y=DER2(Q,X)", [](int) { return 2.0; }},
        // Smoothing leaves a straight line straight.
        {"Y=DERIV(Q,X,5)", [](int i) { return 2.0 * (i - 1); }},
        {"Y=DER2(Q,X,5)", [](int) { return 2.0; }},
        {"Y=DERIV(L,X,20)", [](int) { return 3.0; }},
        // A smoothing degree below 2 leaves the derivative as it is.
        {"Y=DERIV(Q,X,1)", [](int i) { return 2.0 * (i - 1); }},
    };
    for (const auto& c : cas)
        Comparer(Table(c.ligne), N, c.attendu, 1e-9, c.ligne);
}

TEST_F(FonctionsNumeriquesTest, DerivativeTakesXAsAbscissa) {
    Definir("U=SIN(T)");
    Definir("X=2*T");
    for (const char* x : {"T", "X"}) {
        const MoteurCalcul::Resultat r = Evaluer(QString("Y=DERIV(U,%1)").arg(x));
        ASSERT_EQ(r.code, 0) << x;
        const TypeId& y = Var(r.cible);
        EXPECT_EQ(y.NomAbscisse, x);
        EXPECT_TRUE(y.Genre & genre::AbscisseVariable) << x;
        EXPECT_EQ(y.AbscissePropre(7), Var(x).LirePoint(7)) << x;
    }
    // DER2 as well; a variable is never its own abscissa.
    ASSERT_EQ(Evaluer("Y=DER2(U,X)").code, 0);
    EXPECT_EQ(Var("Y").NomAbscisse, "X");
    ASSERT_EQ(Evaluer("X=DERIV(U,X)").code, 0);
    EXPECT_FALSE(Var("X").Genre & genre::AbscisseVariable);
}

TEST_F(FonctionsNumeriquesTest, IntegralsOfARamp) {
    // Trapezoids are exact on a straight line: the integral of t is t^2/2.
    Definir("U=T");
    const auto t = [&](int i) { return dt * (i - 1); };
    const double tolerance = 1e-12;
    Comparer(
        Table("Y=INTEG(U,T)"), N, [&](int i) { return t(i) * t(i) / 2; }, tolerance,
        "Y=INTEG(U,T)");

    const double total = t(N) * t(N) / 2;
    const double de3a10 = (t(10) * t(10) - t(3) * t(3)) / 2;
    const struct {
        const char* ligne;
        double attendu;
    } cas[] = {
        {"Y=INTEGN(U,T)", total},
        {"Y=INTEGN(U,T,3,10)", de3a10},
        {"Y=INTEGN(U,T,10,3)", de3a10},
        {"Y=INTEGN(U,T,0,100000)", total}, // indices kept within the points
        {"Y=2*INTEGN(U,T)", 2 * total},
        {"Y=INTEGN(U,T,3,10)-INTEGN(U,T)", de3a10 - total}, // two cached results
        // Limits are abscissae; a limit X never reaches stands for the end it lies beyond.
        {"Y=INTEG(U,T,T[3],T[10])", de3a10},
        {"Y=INTEG(U,T,T[10],T[3])", -de3a10},
        {"Y=INTEG(U,T,0,1)", total},
        {"Y=INTEG(U,T,1,0)", -total},
        {"Y=INTEG(U,T,-5,T[10])", t(10) * t(10) / 2},
        {"Y=INTEG(U,T,T[10],-5)", -t(10) * t(10) / 2},
    };
    for (const auto& c : cas)
        EXPECT_NEAR(Scalaire(c.ligne), c.attendu, tolerance) << c.ligne;

    // A table target becomes a scalar; a line without a target keeps "?".
    Definir("Z=T");
    ASSERT_TRUE(Var("Z").EstTable());
    EXPECT_NEAR(Scalaire("Z=INTEGN(U,T)"), total, tolerance);
    EXPECT_NEAR(Scalaire("INTEG(U,T,0,1)"), total, tolerance);
}

TEST_F(FonctionsNumeriquesTest, ResultsCoverTheSharedPointsOnly) {
    Suite("S", 10, [](int i) { return (i - 1.0) * (i - 1.0); });
    Suite("X10", 12, [](int i) { return i - 1.0; });
    Suite("F16", 16, [](int i) { return 1 + std::cos(Pi * (i - 1) / 4); });
    const struct {
        const char* ligne;
        int n;
        std::function<double(int)> attendu;
    } cas[] = {
        {"Y=DERIV(S,X10)", 10, [](int i) { return 2.0 * (i - 1); }},
        {"Y=INTEG(S,X10)", 10,
         [](int i) {
             double c = 0;
             for (int k = 2; k <= i; ++k)
                 c += ((k - 1.0) * (k - 1.0) + (k - 2.0) * (k - 2.0)) / 2;
             return c;
         }},
        {"Y=LISSAGE(S,1)", 10, [](int i) { return (i - 1.0) * (i - 1.0); }},
        // Mean 1 and harmonic 2 of amplitude 1, over the 16 points of the table.
        {"Y=FFTM(F16)", 16, [](int i) { return i == 1 || i == 3 || i == 15 ? 1.0 : 0.0; }},
    };
    for (const auto& c : cas)
        Comparer(Table(c.ligne), c.n, c.attendu, 1e-9, c.ligne);
}

TEST_F(FonctionsNumeriquesTest, SpectrumOfACosineAndASine) {
    // Mean 0.5, a cosine of amplitude 2 at harmonic 3, a sine of amplitude 1 at harmonic 5.
    Definir("U=0.5+2*COS(2*PI*3*T/(256*TBASE))+SIN(2*PI*5*T/(256*TBASE))");
    const auto pic = [](double moyenne, double h3, double h5) {
        return [=](int i) { return i == 1 ? moyenne : i == 4 ? h3 : i == 6 ? h5 : 0.0; };
    };
    const struct {
        const char* ligne;
        std::function<double(int)> attendu;
    } cas[] = {
        {"Y=FFTM(U)", pic(0.5, 2, 1)},  {"Y=FFTR(U)", pic(0.5, 1, 0)},
        {"Y=FFTI(U)", pic(0, 0, -0.5)}, {"Y=FFTC(U)", pic(1, 2, 0)},
        {"Y=FFTS(U)", pic(0, 0, 1)},
    };
    // Bins past the middle mirror the first half.
    for (const auto& c : cas) {
        const std::vector<double> y = Table(c.ligne);
        ASSERT_EQ(static_cast<int>(y.size()), N) << c.ligne;
        for (int i = 1; i <= N / 2; ++i)
            EXPECT_NEAR(y[i - 1], c.attendu(i), 1e-9) << c.ligne << " at point " << i;
        EXPECT_NEAR(std::fabs(y[N - 3]), std::fabs(c.attendu(4)), 1e-9) << c.ligne;
    }

    const std::vector<double> phase = Table("Y=FFTA(U)");
    ASSERT_EQ(static_cast<int>(phase.size()), N);
    EXPECT_NEAR(phase[3], 0.0, 1e-9);
    EXPECT_NEAR(phase[5], -Pi / 2, 1e-9);
    moteur.degres = true;
    EXPECT_NEAR(Table("Y=FFTA(U)")[5], -90.0, 1e-7);
    moteur.degres = false;

    const std::vector<double> niveau = Table("Y=FFTP(U)");
    ASSERT_EQ(static_cast<int>(niveau.size()), N);
    EXPECT_NEAR(niveau[3], 20 * std::log10(2 / 0.775), 1e-9);
    // No logarithm of an exact 0.
    Definir("Z=T*0");
    for (double v : Table("Y=FFTP(Z)"))
        ASSERT_EQ(v, -Inf);

    // The inverse of the rectangular spectrum gives the signal back.
    Definir("A=FFTR(U)");
    Definir("B=FFTI(U)");
    const std::vector<double> u = Points(table.IndexVariable("U"));
    Comparer(
        Table("Y=RFFT(A,B)"), N, [&](int i) { return u[i - 1]; }, 1e-9, "Y=RFFT(A,B)");
}

TEST_F(FonctionsNumeriquesTest, FirstOrderFiltersOfAStep) {
    Definir("C=T*0+1");
    Definir("X2=2*T");
    Definir("XD=-T");
    Definir("K=T*0+1");
    Var("K").FixerAbscisseLineaire("T", 3 * dt, 0.0); // its own abscissa, step 3 dt
    const double f = 400.0;
    // Cutoff f.dx: a = 1/(2 pi f dx). From a step, the low-pass output is
    // 1 - (a/(a+1))^(i+1) and the high-pass one (a/(a+1))^i / (a+1).
    const auto bas = [](double a) {
        return [=](int i) { return 1.0 - std::pow(a / (a + 1), i + 1); };
    };
    const auto haut = [](double a) {
        return [=](int i) { return std::pow(a / (a + 1), i) / (a + 1); };
    };
    const auto a = [&](double dx) { return 1.0 / (2 * Pi * f * dx); };
    const struct {
        const char* ligne;
        std::function<double(int)> attendu;
    } cas[] = {
        {"Y=PBAS(C,400)", bas(a(dt))},          {"Y=PBAS(C,X2,400)", bas(a(2 * dt))},
        {"Y=PBAS(C,XD,400)", bas(a(dt))}, // a falling X: the sampling period
        {"Y=PBAS(K,400)", bas(a(3 * dt))},      {"Y=PHAUT(C,400)", haut(a(dt))},
        {"Y=PHAUT(C,X2,400)", haut(a(2 * dt))},
    };
    for (const auto& c : cas)
        Comparer(Table(c.ligne), N, c.attendu, 1e-12, c.ligne);
    // Steady state: the low-pass passes the step, the high-pass blocks it.
    EXPECT_NEAR(Table("Y=PBAS(C,400)").back(), 1.0, 1e-9);
    EXPECT_NEAR(Table("Y=PHAUT(C,400)").back(), 0.0, 1e-9);
}

TEST_F(FonctionsNumeriquesTest, BandPassOfAStep) {
    Definir("C=T*0+1");
    const double fb = 100.0, fh = 300.0;
    const double cb = fb * dt, ch = fh * dt;
    const double w0 = Pi * (ch + cb), g = 2 * Pi * (ch - cb);
    const std::vector<double> y = Table("Y=PBANDE(C,100,300)");
    ASSERT_EQ(static_cast<int>(y.size()), N);
    // The step's first sample goes through the cutoffs in their order; then the output
    // decays, the band holding no constant.
    EXPECT_NEAR(y[0], g / (g + 1 + w0 * w0), 1e-12);
    EXPECT_NEAR(y.back(), 0.0, 1e-3);
    Definir("X2=2*T");
    EXPECT_EQ(Table("Y=PBANDE(C,X2,100,300)"), Table("Y=PBANDE(C,200,600)"));
}

TEST_F(FonctionsNumeriquesTest, SmoothingKeepsAStraightLine) {
    Definir("X=TABLE(NUMPOINT)-1"); // exact integers
    for (const char* ligne : {"Y=LISSAGE(X)", "Y=LISSAGE(X,3)", "Y=LISSAGE(X,20)"})
        Comparer(
            Table(ligne), N, [](int i) { return i - 1.0; }, 1e-9, ligne);
    // A zigzag is flattened between the block ends.
    Definir("Z=2*FRAC(X/2)");
    const std::vector<double> y = Table("Y=LISSAGE(Z,10)");
    ASSERT_EQ(static_cast<int>(y.size()), N);
    EXPECT_NEAR(y[4], 0.5, 0.2);
}

TEST_F(FonctionsNumeriquesTest, EachCallKeepsItsOwnTable) {
    // With one table per line, the second call would overwrite the first one's results,
    // and a line reading its target would read the results instead of the old values.
    Definir("X=TABLE(NUMPOINT)-1"); // exact integers
    Definir("Q=X*X");
    Definir("L=3*X");
    Comparer(
        Table("Y=DERIV(L,X)-DERIV(Q,X)"), N, [](int i) { return 3.0 - 2.0 * (i - 1); }, 1e-9,
        "Y=DERIV(L,X)-DERIV(Q,X)");
    Definir("Y=X");
    Comparer(
        Table("Y=Y+DERIV(L,X)"), N, [](int i) { return i - 1.0 + 3.0; }, 1e-9, "Y=Y+DERIV(L,X)");
    Comparer(
        Table("Q=DERIV(Q,X)"), N, [](int i) { return 2.0 * (i - 1); }, 1e-9, "Q=DERIV(Q,X)");
    // The same call twice in one line.
    Comparer(
        Table("Y=DERIV(L,X)*DERIV(L,X)"), N, [](int) { return 9.0; }, 1e-9,
        "Y=DERIV(L,X)*DERIV(L,X)");
}
