#include "gui/app/Aide.h"

#include "core/configuration/Configuration.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace pelavorine {

namespace {
QString& DossierAide() {
    static QString dossier;
    return dossier;
}
} // namespace

void Aide::FixerDossier(const QString& dossier) {
    DossierAide() = QDir::cleanPath(dossier);
}

QString Aide::Dossier() {
    // Until the start-up gives the configuration's folder, the one of this machine's.
    if (DossierAide().isEmpty())
        DossierAide() = Configuration(Configuration::Emplacements::DuSysteme()).DossierAide();
    return DossierAide();
}

QString Aide::Chemin(const QString& page) {
    QString relatif = page.trimmed();
    if (relatif.isEmpty()) relatif = QLatin1String(Accueil);
    relatif.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relatif.startsWith(QLatin1Char('/')))
        relatif.remove(0, 1);
    const QDir dossier(Dossier());
    const QString chemin = QDir::cleanPath(dossier.filePath(relatif));
    // Only pages inside the help folder are opened.
    if (chemin.startsWith(dossier.path() + QLatin1Char('/')) && QFileInfo(chemin).isFile())
        return chemin;
    return dossier.filePath(QStringLiteral("Accueil.htm"));
}

void Aide::Ouvrir(const QString& page) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(Chemin(page)));
}

} // namespace pelavorine
