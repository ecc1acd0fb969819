#pragma once

#include "core/bureau/CommandesBureau.h"

#include <QCoreApplication>
#include <QString>

namespace pelavorine {

class CadreBureau;
class DialoguesFichier;
class FenetrePrincipale;
class Travail;
class MosaiquesBureau;
class ZoneFenetres;

// The work's files on the desk: a new work built out of sight, and the open and save commands
// through the file dialogs, the file keeping the desk and its windows as they are.
class FichiersBureau {
    Q_DECLARE_TR_FUNCTIONS(FichiersBureau)
public:
    FichiersBureau(FenetrePrincipale& bureau, Travail& travail, CadreBureau& cadre,
                   ZoneFenetres& fenetres, MosaiquesBureau& mosaiques)
        : bureau_(bureau), travail_(travail), cadre_(cadre), fenetres_(fenetres),
          mosaiques_(mosaiques) {}

    // The open and save dialogs; the file commands are not built without them.
    void FixerDialogues(DialoguesFichier* dialogues) { dialogues_ = dialogues; }
    DialoguesFichier* Dialogues() const { return dialogues_; }

    // "&Ouvrir" (that file, or the one the dialog chooses when `nom` is empty), "&Enregistrer"
    // or "En&registrer sous...".
    void Executer(Commande commande, const QString& nom = QString());
    // "&Nouveau": with confirmer and a window open, asks "Réinitialisation complète" first.
    void NouveauTravail(bool confirmer);

private:
    FenetrePrincipale& bureau_;
    Travail& travail_;
    CadreBureau& cadre_;
    ZoneFenetres& fenetres_;
    MosaiquesBureau& mosaiques_;
    DialoguesFichier* dialogues_ = nullptr;
};

} // namespace pelavorine
