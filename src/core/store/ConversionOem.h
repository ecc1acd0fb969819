#pragma once

#include <QByteArray>

namespace pelavorine {

// A line typed in the DOS code page 850 (old text and work files) is recognised by its
// accented letters (à â ç é è ê ë ï î ô ù û ü) and converted as a whole to Windows-1252,
// then cut to `longueur` bytes (a negative length does not cut). Any other text is
// returned unchanged.
QByteArray ConvertirTexteOEM(const QByteArray& texte, int longueur);

} // namespace pelavorine
