#pragma once

#include "HoteScripte.h"

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
};

} // namespace pelavorine::cli
