#pragma once

#include <QString>
#include <QStringList>

namespace pelavorine::champs_texte {

// Fields of the text tables are separated by tab, space or ";".
bool EstSeparateur(QChar c);

// Names, steps and configuration lines: several separators in a row count as one.
QStringList ChampsRegroupes(const QString& ligne);

// Units line: each separator ends a field, so two in a row give an empty unit.
QStringList ChampsUnites(const QString& ligne);

// Data line. With tab or ";" separators each one ends a field, so that an absent value keeps
// its column (blanks around a value are ignored); a line holding neither is split at its runs
// of spaces.
QStringList ChampsDonnees(const QString& ligne);

} // namespace pelavorine::champs_texte
