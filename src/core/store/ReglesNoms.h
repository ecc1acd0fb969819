#pragma once

#include <QString>

namespace pelavorine::noms {

// The first 12 characters, blanks and tabs trimmed, Greek look-alikes in canonical form,
// ASCII letters upper-cased unless names are case-sensitive.
QString Normaliser(const QString& nom, bool casse);
// The stored name as lookups compare it (no trimming, no cut).
QString Comparable(const QString& nom, bool casse);
// A normalised name is valid when it is not empty, its first character may start a name
// and every character may stand in one.
bool Valide(const QString& nomNormalise);
bool PeutCommencer(QChar c);
bool PeutContenir(QChar c);

} // namespace pelavorine::noms
