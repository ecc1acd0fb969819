#include "core/files/Secours.h"

#include "core/files/FichierTravail.h"
#include "core/store/Hote.h"
#include "core/travail/Travail.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pelavorine {

QString Secours::MessageInstabilite() {
    return tr("Une instabilité est apparue.\n\rPelavorine peut essayer de corriger le problème");
}

QString Secours::QuestionReprise() {
    return tr("Pelavorine ne s'est pas terminé normalement. Le travail sauvegardé à ce moment "
              "peut être rouvert.\nOuvrir la sauvegarde de secours ?");
}

bool Secours::DebutSession() {
    const bool interrompue = QFile::exists(Marque()) && QFile::exists(fichier_);
    QDir().mkpath(QFileInfo(fichier_).path());
    QFile marque(Marque());
    if (marque.open(QIODevice::WriteOnly))
        marque.write(QByteArray::number(QCoreApplication::applicationPid()));
    return interrompue;
}

void Secours::FinSession() {
    QFile::remove(Marque());
    QFile::remove(fichier_);
}

bool Secours::Sauver(Travail& travail) {
    QDir().mkpath(QFileInfo(fichier_).path());
    // The fault may come back while the box shows: nothing else is shown meanwhile.
    const bool muet = travail.hote().Muet();
    travail.hote().FixerMuet(true);
    const int code =
        FichierTravail::EcrireTravail(travail, fichier_, travail.conserves, travail.description);
    travail.hote().FixerMuet(muet);
    return code == 0 && QFile::exists(fichier_);
}

} // namespace pelavorine
