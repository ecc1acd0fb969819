#pragma once

#include <QString>
#include <vector>

namespace pelavorine::abscisse {

// The abscissa data of a linked variable keeps names inside its array of doubles, as the
// work file stores them: a length byte and up to 12 bytes of the Greek-font name table,
// starting at the first byte of an element.
void EcrireChaine(std::vector<double>& donnees, int element, const QString& texte);
QString LireChaine(const std::vector<double>& donnees, int element);

} // namespace pelavorine::abscisse
