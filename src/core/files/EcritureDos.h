#pragma once

#include <QByteArray>

namespace pelavorine {

// Whether a text file that is not UTF-8 was typed in the DOS code page 850 rather than in
// Windows-1252, judged on the whole file. The French letters of code page 850 (é 0x82, è 0x8A,
// ç 0x87…) count for it; the Windows-1252 letters and signs of 0xA0–0xFF and the quotation
// marks and bullet ’ ‘ • œ ™ count against it; … – — “ ” (which code page 850 reads as à û ù ô
// ö) decide only a file that has neither.
bool EcritEnDos(const QByteArray& octets);

} // namespace pelavorine
