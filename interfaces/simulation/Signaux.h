#pragma once

#include <cstdint>

namespace pelavorine::simulation {

// The signals wired to the simulated inputs EA0..EA5, as functions of the simulated time in
// µs. EA6 and EA7 carry what the outputs emit: the library handles them, not this file.
constexpr int NbSignaux = 6;

// Voltage of input `entree` (0..5) at time `tempsUs`; `lecture` numbers the readings taken at
// the same instant, so that averaging several of them lowers the noise.
double TensionSignal(int entree, double tempsUs, uint32_t lecture);

// Reproducible gaussian noise of r.m.s. 1: the same (instant, reading) gives the same value.
double Bruit(double tempsUs, uint32_t lecture);

} // namespace pelavorine::simulation
