#pragma once

#include "cli/DefinitionOption.h"

#include <QStringList>

namespace pelavorine::cli::verification {

// The checks the option tables share.
Verification EntierEntre(int mini, int maxi);
Verification ReelPositif();
Verification Parmi(const QStringList& valeurs);
// A file name whose extension is one of those given (in any case).
Verification Extension(const QStringList& extensions, const QString& precision);

} // namespace pelavorine::cli::verification
