#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace pelavorine {

// Everything the core asks of the user or of the screen goes through its host: the desk
// answers with widgets, the headless tool and the tests with a scripted host. No core code
// opens a dialog or waits on an event loop.
class Hote {
public:
    virtual ~Hote() = default;

    // The shared message boxes. An empty error text shows nothing, and nothing is shown
    // while the silent flag is set; an empty question is answered yes without asking.
    void Erreur(const QString& texte) {
        if (!texte.isEmpty() && !muet_) MontrerErreur(texte);
    }
    void Information(const QString& texte) { MontrerInformation(texte); }
    bool Question(const QString& texte, bool parDefaut = true) {
        return texte.isEmpty() ? true : PoserQuestion(texte, parDefaut);
    }

    bool Muet() const { return muet_; }
    void FixerMuet(bool muet) { muet_ = muet; }

    virtual void LigneInfo(const QString& texte) = 0;
    virtual void LigneSysteme(const QString& texte) = 0;

    // The change-request word got new bits: the desk arms its idle processing.
    virtual void MiseAJourDemandee() = 0;
    // A curve window was opened (true) or closed.
    virtual void FenetreOuverteOuFermee(int numero, bool ouverte) = 0;
    // Asks the user for a file name; empty when cancelled.
    virtual QString DemanderNomFichier(const QString& titre, const QStringList& filtres,
                                       bool enregistrer) = 0;
    // Escape was pressed (or SIGINT received) since the flag was last cleared.
    virtual bool Interrompu() = 0;
    virtual void EffacerInterruption() = 0;

protected:
    virtual void MontrerErreur(const QString& texte) = 0;
    virtual void MontrerInformation(const QString& texte) = 0;
    virtual bool PoserQuestion(const QString& texte, bool parDefaut) = 0;

private:
    bool muet_ = false;
};

} // namespace pelavorine
