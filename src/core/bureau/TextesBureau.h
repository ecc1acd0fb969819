#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace pelavorine {

class TableFenetres;

// The texts the desk shows: its title, the window tabs, the user title of a window caption
// and the system line.
namespace textesBureau {

inline constexpr int LongueurNomCourt = 20;
inline constexpr int LongueurLegende = 80;

// " PELAVORINE 2003", then "   -  " and the current file when there is one.
QString Titre(const QString& fichierCourant);

// "Calcul", "Tableur", then one tab per open window in number order: its user title (at most
// 20 characters) when it has one, else "n° N" (windows 1..8 and 14..16) or "n° AN" (9..13).
QStringList Onglets(const TableFenetres& fenetres);
// The tab of the current window: 1 + the open windows up to and including it; -1 when none.
int OngletCourant(const TableFenetres& fenetres);
// The window of a tab (2 and above), 0 for the "Calcul" and "Tableur" tabs or none.
int FenetreDeLOnglet(const TableFenetres& fenetres, int onglet);

// The user title a caption carries: the text after its first ":" (caption cut to 80
// characters), without leading spaces and tabs; empty when there is no ":".
QString TitreSaisi(const QString& legende);

} // namespace textesBureau
} // namespace pelavorine
