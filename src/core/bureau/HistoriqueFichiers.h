#pragma once

#include <QString>
#include <QStringList>

namespace pelavorine::historiqueFichiers {

inline constexpr int Taille = 8;
inline constexpr int LongueurLegende = 35;

// Puts a file first in the recent-file list (most recent first): a name already there moves
// up, and beyond 8 names the oldest is dropped.
void Ajouter(QStringList& recents, const QString& nom);

// The menu caption of a recent file: a path longer than 35 characters keeps its last 36,
// then is cut at a "/" while the rest is longer than 18 characters, with "..." in front.
QString Legende(const QString& nom);

} // namespace pelavorine::historiqueFichiers
