// The calculation sheet against the same ten formulas written as C++ loops
// and against muParser evaluating them point by point, over NBPOINT = 10000.
#include "core/calc/FeuilleCalcul.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int N = 10000;

const char* const kFeuille[] = {
    "U2=U1*R/(R+R1)",       "P=U1*U2/R",        "A=SQRT(ABS(U1))+1",
    "B=SIN(2*PI*50*T)*U1",  "C=EXP(-T/0.01)*5", "D=LN(ABS(U1)+1)-LOG(R)",
    "E=SI(U1>0,U1,-U1)",    "F=U1^2+U2^2",      "G=COS(T*100)+SIN(T*100)",
    "H=(U1-U2)/(U1+U2+10)",
};
const char* const kMuParser[] = {
    "U1*R/(R+R1)",        "U1*U2/R",        "sqrt(abs(U1))+1",
    "sin(2*_pi*50*T)*U1", "exp(-T/0.01)*5", "ln(abs(U1)+1)-log10(R)",
    "U1>0 ? U1 : -U1",    "U1^2+U2^2",      "cos(T*100)+sin(T*100)",
    "(U1-U2)/(U1+U2+10)",
};
constexpr int kLignes = 10;

double Signal(int i) {
    return 3.0 * std::sin(i * 0.01) + 0.1 * (i % 7);
}

struct Travail10000 {
    pelavorine::HoteScripte hote;
    pelavorine::Travail travail{hote};
    Travail10000() {
        auto& t = travail.Variables();
        t.ChangerNbPoints(N, true);
        const int u1 = t.CreerVariable("U1", N, pelavorine::genre::Acquise);
        for (int i = 1; i <= N; ++i)
            t.Variable(u1)->EcrirePoint(i, Signal(i));
        t.Variable(t.CreerVariable("R", 1, pelavorine::genre::Acquise))->EcrirePoint(0, 1000);
        t.Variable(t.CreerVariable("R1", 1, pelavorine::genre::Acquise))->EcrirePoint(0, 2200);
    }
};

// The ten lines run as a sheet, as "Lancer les calculs" runs it.
void Feuille(benchmark::State& state) {
    Travail10000 w;
    QStringList lignes;
    for (const char* ligne : kFeuille)
        lignes << QString::fromLatin1(ligne);
    pelavorine::FeuilleCalcul& feuille = w.travail.Feuille();
    feuille.FixerLignes(lignes);
    for (auto _ : state) {
        feuille.LancerFeuille(0);
        if (feuille.etat.statut != 0) state.SkipWithError("erreur dans la feuille");
    }
    state.SetItemsProcessed(state.iterations() * N * kLignes);
}

void CPlusPlus(benchmark::State& state) {
    std::vector<double> u1(N + 1), t(N + 1);
    for (int i = 1; i <= N; ++i) {
        u1[i] = Signal(i);
        t[i] = (i - 1) * 200e-6;
    }
    std::vector<std::vector<double>> r(kLignes, std::vector<double>(N + 1));
    const double R = 1000, R1 = 2200, pi = std::numbers::pi;
    for (auto _ : state) {
        for (int i = 1; i <= N; ++i)
            r[0][i] = u1[i] * R / (R + R1);
        for (int i = 1; i <= N; ++i)
            r[1][i] = u1[i] * r[0][i] / R;
        for (int i = 1; i <= N; ++i)
            r[2][i] = std::sqrt(std::fabs(u1[i])) + 1;
        for (int i = 1; i <= N; ++i)
            r[3][i] = std::sin(2 * pi * 50 * t[i]) * u1[i];
        for (int i = 1; i <= N; ++i)
            r[4][i] = std::exp(-t[i] / 0.01) * 5;
        for (int i = 1; i <= N; ++i)
            r[5][i] = std::log(std::fabs(u1[i]) + 1) - std::log10(R);
        for (int i = 1; i <= N; ++i)
            r[6][i] = u1[i] > 0 ? u1[i] : -u1[i];
        for (int i = 1; i <= N; ++i)
            r[7][i] = std::pow(u1[i], 2) + std::pow(r[0][i], 2);
        for (int i = 1; i <= N; ++i)
            r[8][i] = std::cos(t[i] * 100) + std::sin(t[i] * 100);
        for (int i = 1; i <= N; ++i)
            r[9][i] = (u1[i] - r[0][i]) / (u1[i] + r[0][i] + 10);
        benchmark::DoNotOptimize(r.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * N * kLignes);
}

void MuParser(benchmark::State& state) {
    double U1 = 0, U2 = 0, T = 0, R = 1000, R1 = 2200;
    std::vector<mu::Parser> parsers(kLignes);
    for (int k = 0; k < kLignes; ++k) {
        parsers[k].DefineVar("U1", &U1);
        parsers[k].DefineVar("U2", &U2);
        parsers[k].DefineVar("T", &T);
        parsers[k].DefineVar("R", &R);
        parsers[k].DefineVar("R1", &R1);
        parsers[k].SetExpr(kMuParser[k]);
    }
    std::vector<double> u1(N + 1), u2(N + 1);
    std::vector<std::vector<double>> r(kLignes, std::vector<double>(N + 1));
    for (int i = 1; i <= N; ++i)
        u1[i] = Signal(i);
    for (auto _ : state) {
        for (int k = 0; k < kLignes; ++k)
            for (int i = 1; i <= N; ++i) {
                U1 = u1[i];
                U2 = r[0][i];
                T = (i - 1) * 200e-6;
                r[k][i] = parsers[k].Eval();
            }
        benchmark::DoNotOptimize(r.data());
    }
    state.SetItemsProcessed(state.iterations() * N * kLignes);
}

} // namespace

BENCHMARK(Feuille)->Unit(benchmark::kMillisecond);
BENCHMARK(CPlusPlus)->Unit(benchmark::kMillisecond);
BENCHMARK(MuParser)->Unit(benchmark::kMillisecond);
