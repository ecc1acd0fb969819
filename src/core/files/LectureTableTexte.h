#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pelavorine {

// The configuration line of a text table: "[X(unit) points  Ech.X=min/max  Ech.Y=min/max]".
struct ConfigurationTexte {
    bool presente = false;
    QString nomAbscisse;
    QString uniteAbscisse;
    int nbPoints = 0; // 0 when unreadable
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;
    bool limitesXLues = false;
    bool limitesYLues = false;
};

// A text table as read, before any variable is touched: the header lines and the lines from
// the first data line on.
struct TableTexte {
    bool utf8 = false;
    QString titre;
    QString noms;   // the title when the file has no names line
    QString unites; // the line as read, without "()[]"
    QString pas;
    ConfigurationTexte configuration;
    QStringList donnees; // as read: a leading separator marks an absent first value
};

// Decodes and classifies the lines of a text table. A text that is valid UTF-8 and holds a
// multi-byte sequence is read as UTF-8; otherwise the whole text is converted from the DOS
// code page when it was typed there (EcritEnDos) and read as Windows-1252 (names and units in
// the Greek-font field table).
TableTexte LireTableTexte(const QByteArray& octets);

// The fields of a configuration line.
ConfigurationTexte LireConfigurationTexte(const QString& ligne);

// True for a line that, once trimmed, begins with "+", "-" or a digit.
bool EstLigneDonnees(const QString& ligne);

} // namespace pelavorine
