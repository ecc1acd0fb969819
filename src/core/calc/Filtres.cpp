#include "core/calc/BibliothequeNumerique.h"

#include <algorithm>
#include <numbers>

namespace pelavorine::numerique {

namespace {

// Points that both tables hold: a short table is never read or written past its end.
int Bornes(int n, std::span<const double> y, std::span<double> sortie) {
    const auto tailles = std::min(y.size(), sortie.size());
    return tailles == 0 ? 0 : static_cast<int>(std::min<long long>(n, tailles - 1LL));
}

} // namespace

void FiltrePasseBas(int n, std::span<const double> y, double c, std::span<double> sortie) {
    n = Bornes(n, y, sortie);
    if (n < 1) return;
    const double a = 1 / (2 * std::numbers::pi * c);
    double s = y[1] / (a + 1);
    for (int i = 1; i <= n; ++i) {
        s = (a * s + y[i]) / (a + 1);
        sortie[i] = s;
    }
}

void FiltrePasseHaut(int n, std::span<const double> y, double c, std::span<double> sortie) {
    n = Bornes(n, y, sortie);
    if (n < 1) return;
    const double a = 1 / (2 * std::numbers::pi * c);
    double p = y[1];
    double s = p / (a + 1);
    for (int i = 1; i <= n; ++i) {
        s = a * (s + y[i] - p) / (a + 1);
        sortie[i] = s;
        p = y[i];
    }
}

void FiltrePasseBande(int n, std::span<const double> y, double ch, double cb,
                      std::span<double> sortie) {
    n = Bornes(n, y, sortie);
    const double w0 = std::numbers::pi * (ch + cb);
    const double g = 2 * std::numbers::pi * (ch - cb);
    double o1 = 0, o2 = 0, y1 = 0;
    for (int i = 1; i <= n; ++i) {
        const double o = ((g + 2) * o1 - o2 + g * (y[i] - y1)) / (g + 1 + w0 * w0);
        sortie[i] = o;
        o2 = o1;
        o1 = o;
        y1 = y[i];
    }
}

} // namespace pelavorine::numerique
