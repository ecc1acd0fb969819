// One acquisition cycle through the simulated interface in fast mode: a block of 10000 points
// on 4 inputs, converted into the channel variables, then a 10-line calculation sheet —
// against copying the same amount of data (the samples as doubles into the variables).
#include "core/acquisition/Acquisition.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/TypeVoie.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace pelavorine;

namespace {

constexpr int kPoints = 10000;
constexpr int kEntrees = 4;

struct Banc {
    HoteScripte hote;
    std::unique_ptr<Travail> travail;
    std::unique_ptr<Acquisition> acquisition;

    Banc() {
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        travail = std::make_unique<Travail>(hote);
        CoucheInterface& couche = travail->Interface();
        couche.Lister({QStringLiteral(PELAVORINE_DOSSIER_SIMULATION)});
        couche.Selectionner(QStringLiteral("SIMULATION"));
        if (!couche.Charger()) std::abort();
        travail->FixerVoies(couche.Description());
        travail->PreparerNouveauTravail();
        regles::AppliquerPeriode(*travail, 100.0);
        regles::AppliquerNbPoints(*travail, kPoints);
        for (int n = couche.PremiereEntree(); n <= couche.DerniereEntree(); ++n)
            if (TypeVoie* v = regles::Entree(travail->Variables(), n))
                v->Etat = n < kEntrees ? TypeVoie::Automatique : TypeVoie::Inactif;
        travail->Feuille().FixerLignes(
            {QStringLiteral("S=EA0+EA1"), QStringLiteral("D=EA0-EA1"), QStringLiteral("P=EA0*EA1"),
             QStringLiteral("Q=EA2/(1+EA3*EA3)"), QStringLiteral("A=ABS(EA0)"),
             QStringLiteral("M=MAX(EA0)"), QStringLiteral("N=MIN(EA1)"),
             QStringLiteral("R=SQRT(EA2*EA2+EA3*EA3)"), QStringLiteral("K=2*EA3+0.5"),
             QStringLiteral("U=EA0*EA0/1000")});
        acquisition = std::make_unique<Acquisition>(*travail, couche);
    }
};

void Cycle(benchmark::State& state) {
    Banc banc;
    for (auto _ : state) {
        const int code = banc.acquisition->Lancer();
        if (code != 0) state.SkipWithError("acquisition failed");
        banc.travail->PrendreDemandes();
        benchmark::DoNotOptimize(banc.travail->Variables().Variable(1));
    }
}

// The reference: as many raw samples converted to doubles and copied into variables.
void Copie(benchmark::State& state) {
    std::vector<std::int16_t> brut(static_cast<std::size_t>(kPoints * kEntrees + 1));
    for (std::size_t i = 0; i < brut.size(); ++i)
        brut[i] = static_cast<std::int16_t>(i * 7);
    std::vector<std::vector<double>> variables(kEntrees, std::vector<double>(kPoints + 1));
    for (auto _ : state) {
        for (int p = 0; p < kPoints; ++p)
            for (int c = 0; c < kEntrees; ++c)
                variables[static_cast<std::size_t>(c)][static_cast<std::size_t>(p + 1)] =
                    brut[static_cast<std::size_t>(1 + p * kEntrees + c)] * (10.0 / 32768.0);
        benchmark::DoNotOptimize(variables.data());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(Copie)->Unit(benchmark::kMillisecond);
BENCHMARK(Cycle)->Unit(benchmark::kMillisecond);
