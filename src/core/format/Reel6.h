#pragma once

#include <QByteArray>

namespace pelavorine {

// The 6-byte real of the analog output record: an exponent byte with bias 129 (0 means
// zero), then 39 mantissa bits with an implicit leading 1, the sign in the top bit of the
// last byte. About 12 significant digits; magnitudes outside ±1.7e38 are clamped.
QByteArray VersReel6(double valeur);
double DeReel6(const QByteArray& octets); // the first 6 bytes
double ArrondiReel6(double valeur);       // the value a round trip through 6 bytes gives

} // namespace pelavorine
