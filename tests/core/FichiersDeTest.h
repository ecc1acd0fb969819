#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Whole files read and written by the tests of the file formats.
inline QByteArray Lire(const QString& nom) {
    QFile f(nom);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Ecrire(const QString& nom, const QByteArray& octets) {
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}
