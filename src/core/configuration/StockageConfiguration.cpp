#include "core/configuration/StockageConfiguration.h"

#include <QLocale>
#include <QStandardPaths>
#include <QVariant>
#include <cmath>

namespace pelavorine {

StockageConfiguration::StockageConfiguration() : StockageConfiguration(CheminParDefaut()) {}

StockageConfiguration::StockageConfiguration(const QString& fichier)
    : reglages_(fichier, QSettings::IniFormat) {}

QString StockageConfiguration::CheminParDefaut() {
    QString dossier = qEnvironmentVariable("PELAVORINE_CONFIG_DIR");
    if (dossier.isEmpty())
        dossier = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return dossier + QStringLiteral("/Quandrel/Pelavorine2003.ini");
}

bool StockageConfiguration::GroupeExiste(const QString& groupe) const {
    return reglages_.childGroups().contains(groupe);
}

QStringList StockageConfiguration::Noms(const QString& groupe) const {
    reglages_.beginGroup(groupe);
    const QStringList noms = reglages_.childKeys();
    reglages_.endGroup();
    return noms;
}

std::optional<QString> StockageConfiguration::LireTexte(const QString& groupe,
                                                        const QString& nom) const {
    const QVariant v = reglages_.value(Cle(groupe, nom));
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString();
    // A value written in this run and not yet read back from the file keeps its type.
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return v.toString();
    default: // missing, a list, a byte array…
        return std::nullopt;
    }
}

std::optional<qint64> StockageConfiguration::LireEntier(const QString& groupe,
                                                        const QString& nom) const {
    const auto texte = LireTexte(groupe, nom);
    if (!texte) return std::nullopt;
    bool ok = false;
    const qint64 n = QLocale::c().toLongLong(texte->trimmed(), &ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

std::optional<double> StockageConfiguration::LireReel(const QString& groupe,
                                                      const QString& nom) const {
    const auto texte = LireTexte(groupe, nom);
    if (!texte) return std::nullopt;
    bool ok = false;
    const double x = QLocale::c().toDouble(texte->trimmed(), &ok);
    return ok && std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

void StockageConfiguration::EcrireTexte(const QString& groupe, const QString& nom,
                                        const QString& valeur) {
    reglages_.setValue(Cle(groupe, nom), valeur);
}

void StockageConfiguration::EcrireEntier(const QString& groupe, const QString& nom, qint64 valeur) {
    EcrireTexte(groupe, nom, QLocale::c().toString(valeur));
}

void StockageConfiguration::EcrireReel(const QString& groupe, const QString& nom, double valeur) {
    EcrireTexte(groupe, nom, QLocale::c().toString(valeur, 'g', QLocale::FloatingPointShortest));
}

void StockageConfiguration::SupprimerGroupe(const QString& groupe) {
    reglages_.remove(groupe);
}

bool StockageConfiguration::Synchroniser() {
    reglages_.sync();
    return reglages_.status() == QSettings::NoError;
}

} // namespace pelavorine
