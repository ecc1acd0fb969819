#pragma once

namespace pelavorine {

// How numbers are shown: the work's display settings, given to every formatter.
struct ReglagesNombres {
    int chiffres = 3;          // significant digits of values shown by default ("NbChiffres")
    bool ingenieur = true;     // unit prefixes and exponents in multiples of 3
    bool garderZeros = true;   // pad to the number of digits ("17.500" rather than "17.5")
    bool seuilValidite = true; // negligible values show as "0+" or "0-"
};

} // namespace pelavorine
