#pragma once

#include <cstdint>

namespace pelavorine::simulation {

// The signals wired to the simulated inputs EA0..EA5, as functions of the simulated time in
// µs. EA6 and EA7 carry what the outputs emit: the library handles them, not this file.
constexpr int NbSignaux = 6;

// Reads the inputs' signals from the "SIMULATION" group of the program's settings file
// (values "EA0".."EA5", e.g. EA0=SINUS 2 50). Forms, amplitude and offset in V, frequency in
// Hz, the signal staying within offset ± amplitude:
//   SINUS a f [d]      d + a·sin(2π·f·t)
//   CARRE a f [d]      d + a during the first half of each period, d − a during the second
//   TRIANGLE a f [d]   from d − a at the start of each period up to d + a and back
//   CONSTANTE v
// A missing or unreadable value leaves the input with its default signal.
void ChargerReglagesSignaux();

// Voltage of input `entree` (0..5) at time `tempsUs`; `lecture` numbers the readings taken at
// the same instant, so that averaging several of them lowers the noise.
double TensionSignal(int entree, double tempsUs, uint32_t lecture);

// Reproducible gaussian noise of r.m.s. 1: the same (instant, reading) gives the same value.
double Bruit(double tempsUs, uint32_t lecture);

} // namespace pelavorine::simulation
