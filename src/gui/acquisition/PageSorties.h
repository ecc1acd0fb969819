#pragma once

#include "gui/acquisition/PageParametres.h"

#include <QPoint>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace pelavorine {

class ChampReel;
class PageRangee;
class PageVariable;

// The "Sorties" page (only when the interface has outputs): one button per output, the signal
// it emits and the variable of the output.
class PageSorties : public PageParametres {
    Q_OBJECT
public:
    PageSorties(ModeleParametres& modele, QWidget* parent);

    void Charger(int element, bool noter) override;
    bool Appliquer() override;
    int Element() const override { return sortie_; }
    int CaseRestaurable() const override;
    void MontrerSelection() override;

private:
    // "Nb per.", minimum and maximum for the built-in forms; the rest once a form is chosen.
    void MettreAJourForme();
    // The bounds follow the calibre's range.
    void CalibreChange();
    QPoint FormeChoisie() const; // (form, source slot)

    int sortie_ = 0;
    ModeleParametres::Sortie lue_; // as read: the fields not shown go back unchanged

    PageRangee* rangee_ = nullptr;
    QComboBox* forme_ = nullptr;
    QPushButton* emettre_ = nullptr;
    QGroupBox* signal_ = nullptr;
    QComboBox* calibre_ = nullptr;
    QWidget* reglagesForme_ = nullptr;
    ChampReel* periodes_ = nullptr;
    ChampReel* minimum_ = nullptr;
    ChampReel* maximum_ = nullptr;
    QRadioButton* seule_ = nullptr;
    QRadioButton* durant_ = nullptr;
    QRadioButton* valeurNulle_ = nullptr;
    QRadioButton* valeurFinale_ = nullptr;
    PageVariable* variable_ = nullptr;
};

} // namespace pelavorine
