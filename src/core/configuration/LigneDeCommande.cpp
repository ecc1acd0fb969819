#include "core/configuration/LigneDeCommande.h"

#include "core/configuration/Configuration.h"
#include "core/store/Hote.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pelavorine {

namespace {

const QString kTravail = QStringLiteral(".PL2");
const QString kCompatible = QStringLiteral(".PLC");

// The first existing file among the names in the folders, folder by folder.
QString Premier(const QStringList& dossiers, const QStringList& noms) {
    for (const QString& dossier : dossiers)
        for (const QString& nom : noms) {
            const QString chemin = QDir(dossier).filePath(nom);
            if (QFileInfo(chemin).isFile()) return chemin;
        }
    return {};
}

} // namespace

LigneDeCommande::LigneDeCommande(const QStringList& arguments) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString argument = arguments[i].trimmed();
        if (argument.isEmpty()) continue;
        if (argument.compare(QLatin1String("/TAMIS"), Qt::CaseInsensitive) == 0) {
            maintenance = true;
        } else if (i == 0 && argument.compare(QLatin1String("RELANCE"), Qt::CaseInsensitive) == 0) {
            relance = true;
        } else {
            // Only the file name decides: a folder of the path may hold a "." of its own.
            sansExtension = !QFileInfo(argument).fileName().contains(u'.');
            fichier = QFileInfo(sansExtension ? argument + kTravail : argument).absoluteFilePath();
        }
    }
}

QString LigneDeCommande::Rechercher(const Configuration& configuration, Hote& hote) {
    if (fichier.isEmpty()) return {};
    const QFileInfo info(fichier);
    const QStringList dossiers = {info.absolutePath(), configuration.dossierTravail,
                                  configuration.dossierExemples};
    QString trouve;
    if (!sansExtension) {
        trouve = Premier(dossiers, {info.fileName()});
    } else {
        // The extension the program adds is matched in either case, as work files are
        // written "NAME.PL2" on one system and "name.pl2" on another.
        const QString base = info.completeBaseName();
        trouve = Premier(dossiers, {base + kTravail, base + kTravail.toLower()});
        if (trouve.isEmpty())
            trouve = Premier(dossiers, {base + kCompatible, base + kCompatible.toLower()});
    }
    if (trouve.isEmpty()) {
        hote.Erreur(QCoreApplication::translate("LigneDeCommande", " Fichier introuvable: ") +
                    fichier);
        fichier.clear();
        return {};
    }
    fichier = QFileInfo(trouve).absoluteFilePath();
    return fichier;
}

} // namespace pelavorine
