#pragma once

#include "core/travail/HoteScripte.h"

namespace pelavorine::cli {

// The headless tool's host: messages are recorded, questions take their default answer,
// and Ctrl+C (SIGINT) acts as the Escape key of the desk.
class HoteConsole : public HoteScripte {
public:
    HoteConsole();
    ~HoteConsole() override;

    bool Interrompu() override;
    // SIGINT was received during this run.
    bool ARecuInterruption() const;

    // The error boxes shown so far, and the text of the last one shown after the first n
    // (empty when none): the message the desk would have shown for a file operation.
    int NbErreurs() const;
    QString DerniereErreurDepuis(int n) const;
};

} // namespace pelavorine::cli
