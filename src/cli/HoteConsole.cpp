#include "HoteConsole.h"

#include <atomic>
#include <csignal>

namespace pelavorine::cli {

namespace {
std::atomic<bool> gInterruption{false};
std::atomic<bool> gRecue{false};

extern "C" void SurSigint(int) {
    gInterruption = true;
    gRecue = true;
}
} // namespace

HoteConsole::HoteConsole() { std::signal(SIGINT, SurSigint); }

HoteConsole::~HoteConsole() { std::signal(SIGINT, SIG_DFL); }

bool HoteConsole::Interrompu() { return gInterruption || HoteScripte::Interrompu(); }

void HoteConsole::EffacerInterruption() {
    gInterruption = false;
    HoteScripte::EffacerInterruption();
}

bool HoteConsole::ARecuInterruption() const { return gRecue; }

} // namespace pelavorine::cli
