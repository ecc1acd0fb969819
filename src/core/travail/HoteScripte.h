#pragma once

#include "core/store/Hote.h"

#include <deque>
#include <vector>

namespace pelavorine {

// A host without a screen: it records every message and answers questions from a queue
// (the box's default button when the queue is empty). Used by the headless tool and tests.
class HoteScripte : public Hote {
public:
    enum class Genre { Erreur, Information, Question, LigneInfo, LigneSysteme };
    struct Message {
        Genre genre;
        QString texte;
    };

    std::vector<Message> messages;
    std::deque<bool> reponses;
    std::deque<QString> nomsFichiers;
    int demandesMiseAJour = 0;
    bool interrompre = false;
    // When >= 0, Escape is "pressed" at the poll that follows this many polls.
    int interrompreApres = -1;
    int appelsInterruption = 0;

    QStringList Textes(Genre genre) const;
    void Vider() { messages.clear(); }

    void LigneInfo(const QString& texte) override;
    void LigneSysteme(const QString& texte) override;
    void MiseAJourDemandee() override { ++demandesMiseAJour; }
    void FenetreOuverteOuFermee(int, bool) override {}
    QString DemanderNomFichier(const QString& titre, const QStringList& filtres,
                               bool enregistrer) override;
    bool Interrompu() override;
    void EffacerInterruption() override { interrompre = false; }

protected:
    void MontrerErreur(const QString& texte) override;
    void MontrerInformation(const QString& texte) override;
    bool PoserQuestion(const QString& texte, bool parDefaut) override;
};

} // namespace pelavorine
