#include "Signaux.h"

#include <cmath>
#include <numbers>

namespace pelavorine::simulation {

namespace {

// splitmix64: a good mixer of a counter, enough for a noise that must only be reproducible.
uint64_t Melanger(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Uniform in ]0, 1], never 0 so that the logarithm below stays finite.
double Uniforme(uint64_t x) {
    return (static_cast<double>(x >> 11) + 1.0) * 0x1.0p-53;
}

// Position within the period (µs), exact for whole µs.
double Phase(double tempsUs, double periodeUs) {
    const double phase = std::fmod(tempsUs, periodeUs);
    return phase < 0 ? phase + periodeUs : phase;
}

} // namespace

double Bruit(double tempsUs, uint32_t lecture) {
    // The instant is taken to the nanosecond so that equal times give equal noise.
    const auto instant = static_cast<uint64_t>(std::llround(tempsUs * 1000.0));
    const uint64_t graine = Melanger(instant ^ (static_cast<uint64_t>(lecture) << 48));
    const double u1 = Uniforme(Melanger(graine));
    const double u2 = Uniforme(Melanger(graine + 1));
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

double TensionSignal(int entree, double tempsUs, uint32_t lecture) {
    const double t = tempsUs * 1e-6;
    switch (entree) {
    case 0:
        return 2.0 * std::sin(2.0 * std::numbers::pi * 50.0 * t);
    case 1: // 50 Hz: +1 V during the first half of each 20 ms
        return Phase(tempsUs, 20000.0) < 10000.0 ? 1.0 : -1.0;
    case 2: { // 20 Hz: 0 V to 3 V in 25 ms, back to 0 V in 25 ms
        const double phase = Phase(tempsUs, 50000.0);
        return phase < 25000.0 ? 3.0 * phase / 25000.0 : 3.0 * (50000.0 - phase) / 25000.0;
    }
    case 3: // a capacitor charged through 10 ms, discharged every 100 ms
        return 5.0 * (1.0 - std::exp(-Phase(tempsUs, 100000.0) / 10000.0));
    case 4:
        return 0.5 * std::sin(2.0 * std::numbers::pi * 200.0 * t) + 0.05 * Bruit(tempsUs, lecture);
    case 5:
        return 1.5;
    default:
        return 0.0;
    }
}

} // namespace pelavorine::simulation
