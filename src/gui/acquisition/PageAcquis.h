#pragma once

#include "gui/acquisition/PageParametres.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace pelavorine {

class ChampEntier;
class ChampReel;

// The "Acquis" page: points, period and total duration (each edit follows the other), samples
// per point, the run's options, and the trigger.
class PageAcquis : public PageParametres {
    Q_OBJECT
public:
    PageAcquis(ModeleParametres& modele, QWidget* parent);

    void Charger(int element, bool noter) override;
    bool Appliquer() override;

private:
    void ConstruireDurees();
    void ConstruireOptions();
    void ConstruireDeclenchement();

    void MettreAJourPermanent();
    void MettreAJourSource();
    void PeriodeTapee();
    void TotaleTapee();
    void PointsTapes();
    void EchantillonsTapes();
    // The period and the total written from the period the model keeps.
    void MontrerPeriode();
    void MontrerTotale();
    int PointsLus() const;
    int EchantillonsLus() const;

    ModeleParametres::Acquis lu_; // as read: the fields not shown go back unchanged
    // Typed but not yet read (no Enter): applying reads it first.
    bool periodeTapee_ = false;
    bool totaleTapee_ = false;

    ChampEntier* points_ = nullptr;
    ChampReel* periode_ = nullptr;
    QComboBox* unitePeriode_ = nullptr;
    QLabel* indicationPeriode_ = nullptr;
    ChampReel* totale_ = nullptr;
    QComboBox* uniteTotale_ = nullptr;
    QLabel* indicationTotale_ = nullptr;
    ChampEntier* moyenne_ = nullptr;
    QGroupBox* options_ = nullptr;
    QCheckBox* permanent_ = nullptr;
    QCheckBox* inhiberAffichage_ = nullptr;
    QCheckBox* inhiberCalculs_ = nullptr;
    QCheckBox* differentiel_ = nullptr;
    QCheckBox* transitoires_ = nullptr;
    QRadioButton* remplacer_ = nullptr;
    QRadioButton* ajouter_ = nullptr;
    QGroupBox* declenchement_ = nullptr;
    QComboBox* source_ = nullptr;
    QLabel* indicationSource_ = nullptr;
    QWidget* reglagesNiveau_ = nullptr;
    ChampReel* niveau_ = nullptr;
    QLabel* uniteNiveau_ = nullptr;
    QWidget* reglagesBits_ = nullptr;
    std::array<QCheckBox*, 8> bits_{}; // bit k at index k
    QWidget* reglagesCondition_ = nullptr;
    QComboBox* condition_ = nullptr;
};

} // namespace pelavorine
