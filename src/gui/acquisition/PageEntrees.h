#pragma once

#include "gui/acquisition/PageParametres.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace pelavorine {

class ChampReel;
class PageRangee;
class PageVariable;

// The "Entrées" page: one button per input, its acquisition mode and hardware settings, its
// sensor, and the variable of the input.
class PageEntrees : public PageParametres {
    Q_OBJECT
public:
    PageEntrees(ModeleParametres& modele, QWidget* parent);

    void Charger(int element, bool noter) override;
    bool Appliquer() override;
    int Element() const override { return entree_; }
    int CaseRestaurable() const override;
    void MontrerSelection() override;

private:
    // The step-by-step list shows only in "Pas à pas"; a sensor holds the scale and offset.
    void MettreAJour();

    int entree_ = 0;               // -1 when no input is offered
    ModeleParametres::Entree lue_; // as read: the fields not shown go back unchanged

    PageRangee* rangee_ = nullptr;
    QLabel* inhibee_ = nullptr;
    QGroupBox* materiel_ = nullptr;
    QRadioButton* inactif_ = nullptr;
    QRadioButton* automatique_ = nullptr;
    QRadioButton* pasAPas_ = nullptr;
    QComboBox* lecture_ = nullptr;
    QComboBox* calibre_ = nullptr;
    QComboBox* gain_ = nullptr;
    QLabel* libelleGain_ = nullptr;
    QComboBox* capteur_ = nullptr;
    ChampReel* ampli_ = nullptr;
    ChampReel* decal_ = nullptr;
    PageVariable* variable_ = nullptr;
};

} // namespace pelavorine
