#pragma once

#include "cli/SortieRun.h"

#include <QString>
#include <optional>

namespace pelavorine::cli {

struct ContexteRun;

// The open and save commands as a run uses them: a failure is the error of the document,
// with the message the desk would have shown.
std::optional<ErreurRun> OuvrirFichier(ContexteRun& contexte, const QString& nom);
std::optional<ErreurRun> EnregistrerFichier(ContexteRun& contexte, const QString& nom);

} // namespace pelavorine::cli
