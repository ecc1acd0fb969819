#pragma once

#include "gui/acquisition/PageParametres.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPlainTextEdit;

namespace pelavorine {

class ChampReel;
class PageVariable;

// The "Courbes" page: any variable, its display (offset, factor, a special ordinate or
// abscissa) and what it holds.
class PageCourbes : public PageParametres {
    Q_OBJECT
public:
    PageCourbes(ModeleParametres& modele, QWidget* parent);

    void Charger(int element, bool noter) override;
    bool Appliquer() override;
    int Element() const override { return slot_; }
    int CaseRestaurable() const override { return slot_; }
    void MontrerSelection() override;

private:
    int slot_ = 0;
    ModeleParametres::Courbe lue_; // as read: the fields not shown go back unchanged

    QComboBox* courbe_ = nullptr;
    PageVariable* variable_ = nullptr;
    QGroupBox* affichage_ = nullptr;
    ChampReel* decalage_ = nullptr;
    ChampReel* multiplicateur_ = nullptr;
    QCheckBox* ordonneeSpeciale_ = nullptr;
    QComboBox* concordance_ = nullptr;
    QCheckBox* abscisseSpeciale_ = nullptr;
    QComboBox* abscisse_ = nullptr;
    QPlainTextEdit* information_ = nullptr;
};

} // namespace pelavorine
