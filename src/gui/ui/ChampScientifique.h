#pragma once

#include "core/store/ChampsNumeriques.h"
#include "core/store/ReglagesNombres.h"
#include "gui/ui/ChampSaisie.h"

namespace pelavorine {

// Edit field of a value with its unit: shown with prefixes ("5.2 mV"), as a plain number or
// as a duration, and read back with a prefix and a unit ("5mV", "1h 20 min").
class ChampScientifique : public ChampSaisie {
    Q_OBJECT
public:
    explicit ChampScientifique(QWidget* parent = nullptr);

    FormatScientific Format() const { return champ_.format; }
    void FixerFormat(FormatScientific format);
    double Valeur() const { return valeur_; }
    // Kept within the limits and truncated to a multiple of the rounding step, then shown.
    void FixerValeur(double valeur);
    QString Unite() const { return champ_.unite; }
    // At most 20 characters; a time field keeps only a time unit (otherwise "s").
    void FixerUnite(const QString& unite);
    int NbChiffres() const { return champ_.nbChiffres; }
    void FixerNbChiffres(int n);
    bool AvecZeros() const { return champ_.avecZeros; }
    void FixerAvecZeros(bool avecZeros);
    double Seuil() const { return champ_.seuil; }
    void FixerSeuil(double seuil, bool actif);
    double Arrondi() const { return champ_.arrondi; }
    void FixerArrondi(double arrondi);
    double LimiteMini() const { return champ_.limiteMini; }
    double LimiteMaxi() const { return champ_.limiteMaxi; }
    // 0: no limit.
    void FixerLimites(double mini, double maxi);
    // The work's number settings (only the digits of values shown by default matter here).
    void FixerReglages(const ReglagesNombres& reglages);

signals:
    // Before the text is read, so that the owner may update the field's settings.
    void precalculer();

protected:
    QChar Touche(QChar c) override;
    Resultat Lire() override;
    void Entrer() override;

private:
    void Afficher(bool sansSeuil = false);

    ChampScientific champ_;
    ReglagesNombres reglages_;
    double valeur_ = 0;
    QString texteAffiche_; // the text last shown for the value, to tell it from a typed one
};

} // namespace pelavorine
