#include "cli/Verifications.h"

#include <QFileInfo>

namespace pelavorine::cli::verification {

Verification EntierEntre(int mini, int maxi) {
    return [mini, maxi](const QString& valeur, QString&) {
        bool ok = false;
        const int n = valeur.toInt(&ok);
        return ok && n >= mini && n <= maxi;
    };
}

Verification ReelPositif() {
    return [](const QString& valeur, QString&) {
        bool ok = false;
        const double x = valeur.toDouble(&ok);
        return ok && x > 0.0;
    };
}

Verification Parmi(const QStringList& valeurs) {
    return [valeurs](const QString& valeur, QString&) { return valeurs.contains(valeur); };
}

Verification Extension(const QStringList& extensions, const QString& precision) {
    return [extensions, precision](const QString& valeur, QString& pourquoi) {
        if (extensions.contains(QFileInfo(valeur).suffix(), Qt::CaseInsensitive)) return true;
        pourquoi = precision;
        return false;
    };
}

} // namespace pelavorine::cli::verification
