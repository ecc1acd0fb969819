// A full repaint of a 1600 × 900 curve window holding 8 curves of 65535 points each: the
// background filled, then every curve drawn through TracerVariable and PeintreCourbes, in the
// thin line, the thick line, the line with spaced circles and the cross on every point. The
// baseline is the least a repaint can cost: the same pixels drawn as one 1-pixel
// QPainter::drawPolyline per curve, with no per-point rule at all.
#include "core/store/Genres.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"
#include "core/windows/Projection.h"
#include "core/windows/TableFenetres.h"
#include "core/windows/TraceCourbe.h"
#include "gui/windows/PeintreCourbes.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>
#include <vector>

namespace {

using namespace pelavorine;

constexpr int kLargeur = 1600;
constexpr int kHauteur = 900;
constexpr int kCourbes = 8;
constexpr int kPoints = 65535;

const std::array<QColor, kCourbes> kCouleurs = {
    QColor(255, 0, 0),   QColor(0, 0, 255),   QColor(0, 128, 0), QColor(128, 0, 128),
    QColor(0, 128, 128), QColor(128, 128, 0), QColor(0, 0, 0),   QColor(255, 128, 0)};

struct Fenetre {
    HoteScripte hote;
    Travail travail{hote};
    Projection projection;
    std::array<int, kCourbes> courbes{};
    QImage image{kLargeur, kHauteur, QImage::Format_RGB32};

    Fenetre() {
        TableVariables& t = travail.Variables();
        t.ChangerNbPoints(kPoints, true);
        std::uint32_t graine = 2024;
        for (int k = 0; k < kCourbes; ++k) {
            const int slot = t.CreerVariable(QStringLiteral("V%1").arg(k), kPoints, genre::Acquise);
            TypeId& v = *t.Variable(slot);
            const double f = 0.0003 * (k + 1);
            for (int i = 1; i <= kPoints; ++i) {
                graine = graine * 1664525u + 1013904223u;
                const double bruit = ((graine >> 8) & 0xFFFF) / 65536.0 - 0.5;
                v.EcrirePoint(i, (4 + k % 3) * std::sin(f * i + k) +
                                     1.5 * std::sin(0.011 * i * (k + 2)) + 0.6 * bruit + k - 3.5);
            }
            v.AfficherDans(1, true);
            courbes[static_cast<std::size_t>(k)] = slot;
        }
        const TypeId& temps = *t.Variable(t.CaseTemps());
        projection.DefinirClient(kLargeur, kHauteur);
        projection.DefinirForme(kLargeur + 16, kHauteur + 39);
        projection.DefinirMarges(59, 25, 0);
        projection.DefinirMonde(0, -12, temps.LirePoint(kPoints), 12);
        projection.Selectionner();
    }

    TypeId& Courbe(int k) { return *travail.Variables().Variable(courbes[std::size_t(k)]); }
};

Fenetre& LaFenetre() {
    static Fenetre f;
    return f;
}

void Repeindre(benchmark::State& state, std::uint8_t style, int espacement, bool reduire) {
    Fenetre& f = LaFenetre();
    ParametresTrace p;
    p.projection = &f.projection;
    p.fenetre = 1;
    p.espacement = espacement;
    p.largeurEcran = 1920;
    p.hauteurEcran = 1080;
    p.reduire = reduire;
    for (int k = 0; k < kCourbes; ++k)
        f.Courbe(k).Style = style;
    for (auto _ : state) {
        QPainter peintre(&f.image);
        peintre.fillRect(f.image.rect(), Qt::white);
        peintre.setClipRect(QRect(QPoint(f.projection.L() + 1, f.projection.T() + 1),
                                  QPoint(kLargeur - 1, kHauteur - f.projection.B())));
        for (int k = 0; k < kCourbes; ++k) {
            PeintreCourbes surface(peintre, kCouleurs[std::size_t(k)], p.largeurEcran);
            TracerVariable(f.Courbe(k), f.travail.Variables(), p, surface);
        }
        peintre.end();
        benchmark::DoNotOptimize(f.image.constBits());
    }
}

// What the per-point rules cost alone: the calls go to a surface that draws nothing.
class SurfaceMuette : public SurfaceTrace {
public:
    void Polyligne(std::uint8_t, std::span<const QPoint> points) override {
        benchmark::DoNotOptimize(points.data());
    }
    void Marque(std::uint8_t, QPoint point) override { benchmark::DoNotOptimize(point); }
    void Baton(QPoint point, int, bool) override { benchmark::DoNotOptimize(point); }
};

void CalculSeul(benchmark::State& state) {
    Fenetre& f = LaFenetre();
    ParametresTrace p;
    p.projection = &f.projection;
    p.fenetre = 1;
    SurfaceMuette muette;
    for (int k = 0; k < kCourbes; ++k)
        f.Courbe(k).Style = 0;
    for (auto _ : state)
        for (int k = 0; k < kCourbes; ++k)
            TracerVariable(f.Courbe(k), f.travail.Variables(), p, muette);
}

void Reference(benchmark::State& state) {
    Fenetre& f = LaFenetre();
    const TableVariables& t = f.travail.Variables();
    const TypeId& temps = *t.Variable(t.CaseTemps());
    std::vector<QPoint> points(kPoints);
    for (auto _ : state) {
        QPainter peintre(&f.image);
        peintre.fillRect(f.image.rect(), Qt::white);
        peintre.setClipRect(QRect(QPoint(f.projection.L() + 1, f.projection.T() + 1),
                                  QPoint(kLargeur - 1, kHauteur - f.projection.B())));
        for (int k = 0; k < kCourbes; ++k) {
            const TypeId& v = f.Courbe(k);
            for (int i = 1; i <= kPoints; ++i)
                points[std::size_t(i - 1)] =
                    QPoint(f.projection.WPX(temps.LirePoint(i)),
                           f.projection.WPY(v.LirePoint(i) * v.Multiplicateur + v.Decalage));
            peintre.setPen(QPen(kCouleurs[std::size_t(k)], 1));
            peintre.drawPolyline(points.data(), kPoints);
        }
        peintre.end();
        benchmark::DoNotOptimize(f.image.constBits());
    }
}

void TraitFin(benchmark::State& s) {
    Repeindre(s, 0, 1, true);
}
void TraitFinSansReduction(benchmark::State& s) {
    Repeindre(s, 0, 1, false);
}
void GrosTrait(benchmark::State& s) {
    Repeindre(s, 11, 1, true);
}
void TraitEtRondsEspaces(benchmark::State& s) {
    Repeindre(s, 7, kPoints / 20, true);
}
void CroixSurChaquePoint(benchmark::State& s) {
    Repeindre(s, 2, 1, true);
}

BENCHMARK(Reference)->Unit(benchmark::kMillisecond);
BENCHMARK(CalculSeul)->Unit(benchmark::kMillisecond);
BENCHMARK(TraitFin)->Unit(benchmark::kMillisecond);
BENCHMARK(TraitFinSansReduction)->Unit(benchmark::kMillisecond);
BENCHMARK(GrosTrait)->Unit(benchmark::kMillisecond);
BENCHMARK(TraitEtRondsEspaces)->Unit(benchmark::kMillisecond);
BENCHMARK(CroixSurChaquePoint)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
