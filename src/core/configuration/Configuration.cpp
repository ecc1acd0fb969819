#include "core/configuration/Configuration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef PELAVORINE_SOURCE_DATA_DIR
#define PELAVORINE_SOURCE_DATA_DIR ""
#endif

namespace pelavorine {

namespace {

const QString kSousDossier = QStringLiteral("/pelavorine");

// Qt 6.4 has no state location: the XDG rule, by hand.
QString DossierEtat() {
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.local/state");
}

} // namespace

Configuration::Emplacements Configuration::Emplacements::DuSysteme() {
    Emplacements e;
    if (QCoreApplication::instance()) {
        const QFileInfo installe(QCoreApplication::applicationDirPath() +
                                 QStringLiteral("/../share/pelavorine"));
        if (installe.isDir()) e.programme = installe.canonicalFilePath();
    }
    if (e.programme.isEmpty())
        e.programme = QDir::cleanPath(QStringLiteral(PELAVORINE_SOURCE_DATA_DIR));
    e.personnel = QDir::homePath() + QStringLiteral("/Pelavorine");
    e.donnees =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + kSousDossier;
    e.etat = DossierEtat() + kSousDossier;
    e.cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + kSousDossier;
    return e;
}

Configuration::Configuration(const Emplacements& e)
    : dossierProgramme(QDir::cleanPath(e.programme)),
      dossierPersonnel_(QDir::cleanPath(e.personnel)), dossierDonnees_(QDir::cleanPath(e.donnees)) {
    dossierTravail = TravailParDefaut();
    dossierImages = ImagesParDefaut();
    dossierExemples = QDir(dossierProgramme).filePath(QStringLiteral("Exemples"));
    dernierDossier = dossierTravail;
    fichierCapteursUser = CapteursUserParDefaut();
    fichierCapteursFourni = QDir(dossierProgramme).filePath(QStringLiteral("Pelavorine.cpi"));
    fichierSecours = QDir(e.etat).filePath(QStringLiteral("Sauve.PL2"));
    imageTemporaire = QDir(e.cache).filePath(QStringLiteral("Temp.bmp"));
}

QString Configuration::TravailParDefaut() const {
    return QDir(dossierPersonnel_).filePath(QStringLiteral("Travail"));
}

QString Configuration::ImagesParDefaut() const {
    return QDir(dossierPersonnel_).filePath(QStringLiteral("Images"));
}

QString Configuration::CapteursUserParDefaut() const {
    return QDir(dossierDonnees_).filePath(QStringLiteral("Pelavorine.cpt"));
}

QString Configuration::FichierModules() const {
    return QDir(dossierProgramme).filePath(QStringLiteral("PELAVORINE.CFG"));
}

QString Configuration::DossierAide() const {
    return QDir(dossierProgramme).filePath(QStringLiteral("help"));
}

QString Configuration::IconeProgramme() const {
    return QDir(dossierProgramme).filePath(QStringLiteral("pelavorine.svg"));
}

QString Configuration::DossierIcones() const {
    return QDir(dossierProgramme).filePath(QStringLiteral("icons"));
}

QString Configuration::DossierUtilisable(const QString& dossier) const {
    const QString d = QDir::cleanPath(dossier);
    if (!dossier.isEmpty() && QFileInfo(d).isDir()) return d;
    // The user's default folders are ours to create, as an installer would have.
    if ((d == TravailParDefaut() || d == ImagesParDefaut()) && QDir().mkpath(d)) return d;
    return dossierProgramme;
}

void Configuration::VerifierDossiers() {
    dossierTravail = DossierUtilisable(dossierTravail);
    dossierImages = DossierUtilisable(dossierImages);
    dossierExemples = DossierUtilisable(dossierExemples);
}

void Configuration::SupprimerImageTemporaire() const {
    QFile::remove(imageTemporaire);
}

} // namespace pelavorine
