#pragma once

#include <QByteArray>
#include <cstdint>

namespace pelavorine {

// What the record writers and readers share during one write or one read of a work file.
struct ContexteFichier {
    // Writing: the older form (.PLC). Reading: the file's magic says it was written so.
    bool compatible = false;
    // The version text of the file being read ("5.11"); fields appended to records in later
    // versions are read only from files that have them.
    QByteArray version = "5.11";
    int parties = 15;

    // Reading: what the desk record said.
    bool bureauLu = false;
    int fenetreCourante = 0;
    int largeurClient = 0; // client area of the desk when the file was saved
    int hauteurClient = 0;

    // Text comparison of version texts, as the file keeps them ("2.xx" sorts after "2.99").
    bool VersionAuMoins(const char* v) const { return version >= QByteArray(v); }
    bool VersionAvant(const char* v) const { return version < QByteArray(v); }
};

} // namespace pelavorine
