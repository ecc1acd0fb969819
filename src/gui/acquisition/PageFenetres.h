#pragma once

#include "gui/acquisition/PageParametres.h"

class QComboBox;
class QGroupBox;

namespace pelavorine {

class ChampReel;
class PageRangee;

// The "Fenêtres" page: one button per curve window, its abscissa and its scales.
class PageFenetres : public PageParametres {
    Q_OBJECT
public:
    PageFenetres(ModeleParametres& modele, QWidget* parent);

    // Item 0 is the current window.
    void Charger(int element, bool noter) override;
    bool Appliquer() override;
    int Element() const override { return fenetre_; }
    void MontrerSelection() override;

private:
    int fenetre_ = 0;
    ModeleParametres::Fenetre lue_; // as read: the fields not shown go back unchanged

    PageRangee* rangee_ = nullptr;
    QGroupBox* abscisse_ = nullptr;
    QComboBox* nomAbscisse_ = nullptr;
    QComboBox* genreAbscisse_ = nullptr;
    QGroupBox* echelles_ = nullptr;
    ChampReel* xmin_ = nullptr;
    ChampReel* xmax_ = nullptr;
    ChampReel* ymin_ = nullptr;
    ChampReel* ymax_ = nullptr;
    QComboBox* calibreX_ = nullptr;
    QComboBox* calibreY_ = nullptr;
};

} // namespace pelavorine
