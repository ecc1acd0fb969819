// Drawing an acquisition point by point in a 1000 × 600 curve window: two channels of 1000
// points, each point erasing the previous block's segment just ahead and drawing its own, as
// the desk does while the samples arrive. Against it, what the desk estimates a point costs
// before choosing to draw point by point (its measurement), and a full redraw of the window
// (frame and both curves) spread over the points, the baseline of drawing once per block.
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"
#include "core/windows/TableFenetres.h"
#include "gui/acquisition/AcquisitionBureau.h"
#include "gui/windows/TFenCourbe.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPointF>

#include <cmath>
#include <vector>

namespace {

using namespace pelavorine;

constexpr int kPoints = 1000;
constexpr int kCanaux = 2;

struct Poste {
    HoteScripte hote;
    Travail travail{hote};
    std::vector<int> canaux;
    std::vector<std::vector<QPointF>> precedents;
    TFenCourbe* fenetre = nullptr;

    Poste() {
        TableVariables& t = travail.Variables();
        t.ChangerNbPoints(kPoints, true);
        t.CreerBaseDeTemps(0.0);
        travail.TableDesFenetres().Creer(1);
        for (int k = 0; k < kCanaux; ++k) {
            const int slot =
                t.CreerVariable(QStringLiteral("EA%1").arg(k), kPoints, genre::Acquise);
            TypeId& v = *t.Variable(slot);
            v.FixerAbscisseLineaire(QStringLiteral("T"), 1e-4, 0.0);
            std::vector<QPointF> ancien;
            for (int i = 1; i <= kPoints; ++i) {
                v.EcrirePoint(i, 2 * std::sin(0.031 * i + k));
                ancien.emplace_back(v.Abscisse(i, 1), -2 * std::sin(0.031 * i + k));
            }
            v.NbPoints = kPoints;
            v.CalculerStatistiques();
            v.AfficherDans(1, true);
            canaux.push_back(slot);
            precedents.push_back(std::move(ancien));
        }
        fenetre = new TFenCourbe(travail, 1);
        fenetre->resize(1000, 600);
        fenetre->Redessiner();
    }
    ~Poste() { delete fenetre; }
};

Poste& LePoste() {
    static Poste poste;
    return poste;
}

void PointParPoint(benchmark::State& etat) {
    Poste& p = LePoste();
    for (auto _ : etat) {
        for (int i = 1; i <= kPoints; ++i)
            for (std::size_t k = 0; k < p.canaux.size(); ++k) {
                if (i < kPoints) {
                    const auto& ancien = p.precedents[k];
                    p.fenetre->EffacerSegment(p.canaux[k], ancien[static_cast<std::size_t>(i - 1)],
                                              ancien[static_cast<std::size_t>(i)]);
                }
                p.fenetre->TracerPoints(p.canaux[k], std::max(i - 1, 1), i);
            }
        benchmark::DoNotOptimize(p.fenetre->Image().constBits());
    }
    etat.counters["us_par_point_et_canal"] =
        benchmark::Counter(static_cast<double>(etat.iterations()) * kPoints * kCanaux,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Estimation(benchmark::State& etat) {
    Poste& p = LePoste();
    double cout = 0;
    for (auto _ : etat)
        cout = AcquisitionBureau::MesurerCout(p.fenetre, kPoints);
    etat.counters["estimation_us_par_point"] = cout;
}

void RedessinParBloc(benchmark::State& etat) {
    Poste& p = LePoste();
    for (auto _ : etat) {
        p.fenetre->Redessiner();
        benchmark::DoNotOptimize(p.fenetre->Image().constBits());
    }
}

} // namespace

BENCHMARK(PointParPoint)->Unit(benchmark::kMillisecond);
BENCHMARK(Estimation)->Unit(benchmark::kMillisecond);
BENCHMARK(RedessinParBloc)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
