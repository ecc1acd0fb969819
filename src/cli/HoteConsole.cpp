#include "cli/HoteConsole.h"

#include <atomic>
#include <csignal>

namespace pelavorine::cli {

namespace {
// Ctrl+C stays pressed for the rest of the run: clearing the Escape flag between lines must
// not lose it.
std::atomic<bool> gInterruption{false};

extern "C" void SurSigint(int) {
    gInterruption = true;
}
} // namespace

HoteConsole::HoteConsole() {
    std::signal(SIGINT, SurSigint);
}

HoteConsole::~HoteConsole() {
    std::signal(SIGINT, SIG_DFL);
}

bool HoteConsole::Interrompu() {
    return gInterruption || HoteScripte::Interrompu();
}

bool HoteConsole::ARecuInterruption() const {
    return gInterruption;
}

int HoteConsole::NbErreurs() const {
    return static_cast<int>(Textes(Genre::Erreur).size());
}

QString HoteConsole::DerniereErreurDepuis(int n) const {
    const QStringList erreurs = Textes(Genre::Erreur);
    return erreurs.size() > n ? erreurs.last() : QString();
}

} // namespace pelavorine::cli
