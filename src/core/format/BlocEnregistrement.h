#pragma once

#include "core/format/EnteteEnregistrement.h"

#include <QByteArray>
#include <vector>

namespace pelavorine {

// A record this program keeps without interpreting it: written back exactly as read, so that
// opening and saving a work never loses what the file holds. suite holds the data some types
// write after the record data (the lines of a comment or of the sheet, the notes' font).
struct BlocEnregistrement {
    EnteteEnregistrement entete;
    QByteArray donnees;
    QByteArray suite;

    bool operator==(const BlocEnregistrement& autre) const = default;
};

// The kept records of a work, in file order.
using EnregistrementsConserves = std::vector<BlocEnregistrement>;

} // namespace pelavorine
