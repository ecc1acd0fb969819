#pragma once

#include <QString>
#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& texte, std::ostream* os) {
    *os << '"' << texte.toStdString() << '"';
}
