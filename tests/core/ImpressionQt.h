#pragma once

#include <QString>
#include <ostream>
#include <string>

// Failure messages show texts as text.
inline void PrintTo(const QString& texte, std::ostream* os) {
    *os << '"' << texte.toStdString() << '"';
}

// Texts compared as standard strings print readably in every failure message.
inline std::string S(const QString& s) {
    return s.toStdString();
}
inline std::string S(QChar c) {
    return c.isNull() ? std::string() : QString(c).toStdString();
}
