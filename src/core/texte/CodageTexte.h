#pragma once

#include <QByteArray>
#include <QString>

namespace pelavorine {

// The 8-bit texts of the formats: Windows-1252, the DOS code page 850 it is converted from,
// and the Greek-font field table in which names, units, parameter names and sheet lines are
// kept (a byte of the Greek letter picker reads as its Greek letter there).
namespace codage {

enum class Champ {
    Texte, // descriptions, titles, comments, notes, messages: plain Windows-1252
    Grec   // names, units, parameter names, sheet lines: Greek-font bytes read as Greek letters
};

QChar DepuisWindows1252(unsigned char octet);
QString DepuisWindows1252(const QByteArray& octets);

// Byte of a character in the field's table; false when the character has none there.
bool OctetDe(QChar c, Champ champ, unsigned char& octet);

// Decoding of a stored field.
QString Decoder(const QByteArray& octets, Champ champ);

// Encoding for a stored field. A character without a byte in the field's table is written
// as its nearest plain letter (or "?" when it has none) and counted in *remplaces.
QByteArray Encoder(const QString& texte, Champ champ, int* remplaces = nullptr);

// Code page 850 to Windows-1252 (characters without an equivalent become "?").
QByteArray Cp850VersWindows1252(const QByteArray& octets);

// The Greek letter that a Greek-font byte stands for, or a null QChar.
QChar LettreGrecque(unsigned char octet);

// Canonical form of a character in a name: a Greek letter that looks like a Latin capital
// (its font byte is the Latin letter) becomes that Latin letter, and the micro sign becomes
// the Greek mu, so that two names written the same way in a file are the same name in memory.
QString FormeCanonique(const QString& texte);

} // namespace codage
} // namespace pelavorine
