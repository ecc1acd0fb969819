#pragma once

#include <QObject>
#include <QStringList>
#include <cstdint>

class QLocalServer;

namespace pelavorine {

// One desk per user and configuration folder: a later start hands its arguments to the
// running desk and ends; other programs push text data through the same local socket, as one
// UTF-8 message "MODE <mode word>\n" followed by the text.
class InstanceUnique : public QObject {
    Q_OBJECT
public:
    explicit InstanceUnique(const QString& dossierConfiguration, QObject* parent = nullptr);
    ~InstanceUnique() override;

    // The socket name: per user (the folder is the user's) and per configuration folder, so
    // that tests with their own folder never meet a running desk.
    static QString NomServeur(const QString& dossierConfiguration);

    // Hands the arguments to a running desk; true when one took them (this start then ends).
    bool TransmettreAPremiere(const QStringList& arguments);
    // Listens for later starts and other programs; false when the name cannot be taken.
    bool Ecouter();

    // What another program sends: a text table file name, or "/DATA_TXT/" and the table.
    static bool EnvoyerDonnees(const QString& nomServeur, std::uint32_t mode, const QString& texte);

signals:
    void ArgumentsRecus(const QStringList& arguments);
    void DonneesRecues(std::uint32_t mode, const QString& texte);

private:
    void Traiter(const QByteArray& message);
    static bool Envoyer(const QString& nomServeur, const QByteArray& message);

    QString nom_;
    QLocalServer* serveur_ = nullptr;
};

} // namespace pelavorine
