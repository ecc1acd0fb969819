#include "gui/app/InstanceUnique.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace pelavorine {

namespace {

constexpr int kAttenteMs = 2000;
const QByteArray kArguments = "ARGS\n";
const QByteArray kMode = "MODE ";

} // namespace

InstanceUnique::InstanceUnique(const QString& dossierConfiguration, QObject* parent)
    : QObject(parent), nom_(NomServeur(dossierConfiguration)) {}

InstanceUnique::~InstanceUnique() = default;

QString InstanceUnique::NomServeur(const QString& dossierConfiguration) {
    const QByteArray cle = QDir(dossierConfiguration).absolutePath().toUtf8();
    return QStringLiteral("pelavorine-") +
           QString::fromLatin1(
               QCryptographicHash::hash(cle, QCryptographicHash::Sha1).toHex().left(16));
}

bool InstanceUnique::Envoyer(const QString& nomServeur, const QByteArray& message) {
    QLocalSocket socket;
    socket.connectToServer(nomServeur);
    if (!socket.waitForConnected(kAttenteMs)) return false;
    socket.write(message);
    if (!socket.waitForBytesWritten(kAttenteMs)) return false;
    // The message ends where the connection ends.
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(kAttenteMs);
}

bool InstanceUnique::TransmettreAPremiere(const QStringList& arguments) {
    return Envoyer(nom_, kArguments + arguments.join(QLatin1Char('\n')).toUtf8());
}

bool InstanceUnique::EnvoyerDonnees(const QString& nomServeur, std::uint32_t mode,
                                    const QString& texte) {
    return Envoyer(nomServeur, kMode + QByteArray::number(mode) + '\n' + texte.toUtf8());
}

bool InstanceUnique::Ecouter() {
    serveur_ = new QLocalServer(this);
    serveur_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a desk that ended without closing it would block the name.
    if (!serveur_->listen(nom_)) {
        QLocalServer::removeServer(nom_);
        if (!serveur_->listen(nom_)) return false;
    }
    connect(serveur_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = serveur_->nextPendingConnection()) {
            auto* message = new QByteArray;
            connect(socket, &QLocalSocket::readyRead, socket,
                    [socket, message] { message->append(socket->readAll()); });
            // The sender closes the connection once its message is written.
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, message] {
                message->append(socket->readAll());
                Traiter(*message);
                delete message;
                socket->deleteLater();
            });
        }
    });
    return true;
}

void InstanceUnique::Traiter(const QByteArray& message) {
    if (message.startsWith(kArguments)) {
        const QString texte = QString::fromUtf8(message.mid(kArguments.size()));
        emit ArgumentsRecus(texte.isEmpty() ? QStringList() : texte.split(QLatin1Char('\n')));
    } else if (message.startsWith(kMode)) {
        const qsizetype fin = message.indexOf('\n');
        bool ok = false;
        const std::uint32_t mode =
            message.mid(kMode.size(), fin - kMode.size()).trimmed().toUInt(&ok);
        if (ok && fin > 0) emit DonneesRecues(mode, QString::fromUtf8(message.mid(fin + 1)));
    }
}

} // namespace pelavorine
