// Reads arbitrary bytes as a work file. A file the reader accepts must also come back: written
// again by the program, it reads without error.
#include "core/files/FichierTravail.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace pelavorine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // Byte 0 chooses the parts to read (its low four bits); the rest is the file.
    const int parties = data[0] & FichierTravail::Toutes;
    const QByteArray octets(reinterpret_cast<const char*>(data + 1),
                            static_cast<qsizetype>(size - 1));

    // A fresh work per input: a read changes the work, and a finding must replay alone.
    HoteScripte hote;
    Travail travail(hote);
    EnregistrementsConserves conserves;
    QString description;
    if (FichierTravail::LireOctets(travail, octets, parties, conserves, &description) != 0)
        return 0;

    const QByteArray ecrit = FichierTravail::Composer(travail, conserves, description);
    HoteScripte hoteRelu;
    Travail relu(hoteRelu);
    EnregistrementsConserves conservesRelus;
    if (const int code =
            FichierTravail::LireOctets(relu, ecrit, FichierTravail::Toutes, conservesRelus)) {
        std::fprintf(stderr, "a file written from an accepted one is refused (code %d)\n", code);
        std::abort();
    }
    return 0;
}
