#pragma once

#include "core/store/Hote.h"

#include <functional>

class QWidget;

namespace pelavorine {

// The desk's side of the host: the shared message boxes (BoitesMessages), the status lines, and
// the idle processing of change requests.
class HoteBureau : public Hote {
public:
    explicit HoteBureau(QWidget* parent = nullptr) : parent_(parent) {}

    void FixerParent(QWidget* parent) { parent_ = parent; }
    // Called when the change-request word gets new bits (the desk arms its idle timer).
    std::function<void()> surMiseAJour;
    std::function<void(const QString&)> surLigneInfo;
    std::function<void(const QString&)> surLigneSysteme;

    void LigneInfo(const QString& texte) override;
    void LigneSysteme(const QString& texte) override;
    void MiseAJourDemandee() override;
    void FenetreOuverteOuFermee(int, bool) override {}
    QString DemanderNomFichier(const QString& titre, const QStringList& filtres,
                               bool enregistrer) override;
    // The desk's interruption check (Escape seen by its input filter) and its reset.
    std::function<bool()> surInterruption;
    std::function<void()> surEffacerInterruption;
    bool Interrompu() override { return surInterruption && surInterruption(); }
    void EffacerInterruption() override {
        if (surEffacerInterruption) surEffacerInterruption();
    }

protected:
    void MontrerErreur(const QString& texte) override;
    void MontrerInformation(const QString& texte) override;
    bool PoserQuestion(const QString& texte, bool parDefaut) override;

private:
    QWidget* parent_;
};

} // namespace pelavorine
