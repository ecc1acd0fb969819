// Formatting a value for a table cell, against Qt's own number formatting as the baseline.
#include "core/store/Nombres.h"

#include <QString>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

std::vector<double> Valeurs() {
    std::vector<double> v;
    for (int i = 0; i < 1000; ++i)
        v.push_back((i - 500) * 1.2345e-4 * (1 + i % 7));
    return v;
}

void Qt_number(benchmark::State& state) {
    const auto v = Valeurs();
    for (auto _ : state)
        for (double x : v)
            benchmark::DoNotOptimize(QString::number(x, 'g', 3));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(v.size()));
}

void TexteValeurUnite_volts(benchmark::State& state) {
    const auto v = Valeurs();
    const pelavorine::ReglagesNombres r;
    const QString unite = QStringLiteral("V");
    for (auto _ : state)
        for (double x : v)
            benchmark::DoNotOptimize(pelavorine::TexteValeurUnite(r, 3, unite, 0, x));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(v.size()));
}

} // namespace

BENCHMARK(Qt_number);
BENCHMARK(TexteValeurUnite_volts);
