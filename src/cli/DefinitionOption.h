#pragma once

#include <QString>
#include <functional>

namespace pelavorine::cli {

// The check of an option's value: false when it is refused, with an optional precision that
// the usage error shows in brackets ("extension .PL2, .PLC ou .TXT attendue").
using Verification = std::function<bool(const QString& valeur, QString& precision)>;

// One line of a subcommand's option table: what the parser accepts and what the usage text
// shows.
struct DefinitionOption {
    QString nom;                // "--points"
    QString valeur;             // what the usage text shows for the value ("N"); empty: a flag
    Verification verifier = {}; // none: every value is taken
    bool repetee = false;       // the usage text shows that it adds up when repeated
    QString uneFois = {};       // non-empty: given once at most, and why a second is refused
};

} // namespace pelavorine::cli
