#pragma once

#include "core/store/ChampsNumeriques.h"
#include "gui/ui/ChampSaisie.h"

namespace pelavorine {

// Numeric edit field with optional limits: the hint shows them on entering ("LIMITES : 1 à
// 10"), and a value outside them is refused with "Valeur hors limites : " and the hint, Annuler
// then putting back the limit that was passed. The value read is multiplied by the
// multiplier.
class ChampNumerique : public ChampSaisie {
    Q_OBJECT
public:
    explicit ChampNumerique(QWidget* parent = nullptr);

    const ChampNumEdit& Limites() const { return champ_; }
    // The limits are texts of at most 20 characters, read like the field's text.
    void FixerLimites(ModeLimite mode, const QString& mini, const QString& maxi,
                      const QString& unite = {});
    int Multiplieur() const { return champ_.multiplieur; }
    // At least 1.
    void FixerMultiplieur(int multiplieur);
    bool ChaineVideValide() const { return champ_.chaineVideValide; }
    void FixerChaineVideValide(bool valide) { champ_.chaineVideValide = valide; }
    // The hint shown while the field has limits; empty otherwise.
    QString TexteIndication() const { return TexteLimites(champ_); }

protected:
    // The reading of the text by the field's kind.
    virtual ValidationNumEdit Interpreter(const QString& texte) const = 0;
    // Takes a correct value (already multiplied).
    virtual void Prendre(double valeur) = 0;
    // An empty text allowed by ChaineVideValide.
    virtual void PrendreVide() {}

    Resultat Lire() override;
    void Entrer() override;

    ChampNumEdit champ_;
};

} // namespace pelavorine
