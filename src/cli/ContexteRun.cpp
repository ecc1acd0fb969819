#include "cli/ContexteRun.h"

namespace pelavorine::cli {

ContexteRun::ContexteRun(const QString& nomEnregistrement,
                         const std::optional<QStringList>& montrees)
    : travail(hote), dialogues(travail, nomEnregistrement, montrees) {}

} // namespace pelavorine::cli
