#include "cli/FichiersRun.h"

#include "cli/ContexteRun.h"
#include "core/files/CommandesFichier.h"
#include "core/files/FichierTravail.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace pelavorine::cli {

namespace {

// A file error as the document reports it: the message of the desk's error box.
ErreurRun ErreurFichier(const HoteConsole& hote, int erreursAvant, int code) {
    QString message = hote.DerniereErreurDepuis(erreursAvant);
    if (message.isEmpty()) message = FichierTravail::MessageErreur(code);
    return ErreurRun{0, 0, code, message};
}

} // namespace

std::optional<ErreurRun> OuvrirFichier(ContexteRun& contexte, const QString& nom) {
    // The open command takes a missing file for "ask the user", which the tool never does.
    if (!QFileInfo(nom).isFile())
        return ErreurRun{0, 0, FichierTravail::ErreurFichierAbsent,
                         FichierTravail::MessageErreur(FichierTravail::ErreurFichierAbsent)};
    const int avant = contexte.hote.NbErreurs();
    const ResultatCommande r = OuvrirTravail(contexte.travail, contexte.dialogues, nom);
    if (r.code != 0) return ErreurFichier(contexte.hote, avant, r.code);
    if (!r.fait)
        return ErreurRun{
            0, 0, 0,
            QCoreApplication::translate("FichiersRun", "Lecture du fichier %1 abandonnée")
                .arg(nom)};
    return std::nullopt;
}

std::optional<ErreurRun> EnregistrerFichier(ContexteRun& contexte, const QString& nom) {
    const int avant = contexte.hote.NbErreurs();
    // Without a name the save dialog answers: the name given and, from its extension, the
    // form of the file.
    const ResultatCommande r =
        EnregistrerTravail(contexte.travail, contexte.dialogues, QString(), false);
    if (r.code != 0) return ErreurFichier(contexte.hote, avant, r.code);
    if (r.fait) return std::nullopt;
    // Nothing written is a failure too: the previous file of that name stays.
    const QString raison =
        contexte.dialogues.ExportVide()
            ? QCoreApplication::translate("FichiersRun", "aucune variable à enregistrer")
            : QCoreApplication::translate("FichiersRun", "aucune fenêtre de courbes ouverte");
    return ErreurRun{
        0, 0, 0,
        QCoreApplication::translate("FichiersRun", "Rien n'a été enregistré dans %1 : %2")
            .arg(nom, raison)};
}

} // namespace pelavorine::cli
