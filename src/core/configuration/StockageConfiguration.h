#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

namespace pelavorine {

// The program's settings store: an INI file with the groups and value names the
// configuration always had ("Systeme/Logiciel", "Options/Configuration", "Historique/F0"…).
// Every value is kept as text; a read gives nothing when the value is missing or does not
// read as the type asked for, so that the caller keeps its current value.
class StockageConfiguration {
public:
    // The user's store: $PELAVORINE_CONFIG_DIR/Quandrel/Pelavorine2003.ini when the variable
    // is set, else the same name in the standard user configuration folder.
    StockageConfiguration();
    explicit StockageConfiguration(const QString& fichier);

    static QString CheminParDefaut();
    QString Chemin() const { return reglages_.fileName(); }

    bool GroupeExiste(const QString& groupe) const;
    // Value names of a group, in the store's order.
    QStringList Noms(const QString& groupe) const;

    std::optional<QString> LireTexte(const QString& groupe, const QString& nom) const;
    std::optional<qint64> LireEntier(const QString& groupe, const QString& nom) const;
    std::optional<double> LireReel(const QString& groupe, const QString& nom) const;

    void EcrireTexte(const QString& groupe, const QString& nom, const QString& valeur);
    void EcrireEntier(const QString& groupe, const QString& nom, qint64 valeur);
    void EcrireReel(const QString& groupe, const QString& nom, double valeur);
    void SupprimerGroupe(const QString& groupe);

    // Writes pending changes to the file; false when the file could not be written.
    bool Synchroniser();

private:
    static QString Cle(const QString& groupe, const QString& nom) { return groupe + '/' + nom; }
    mutable QSettings reglages_;
};

} // namespace pelavorine
