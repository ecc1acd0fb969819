#pragma once

#include "core/windows/Mosaique.h"

#include <QDialog>
#include <QLabel>
#include <QList>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QHBoxLayout;
class QPushButton;

namespace pelavorine {

class TableFenetres;

// The preview of one window in the dialog's arrangement, dragged with the mouse onto
// another window's cell to swap their places.
class ApercuMosaique : public QLabel {
    Q_OBJECT
public:
    ApercuMosaique(int fenetre, QWidget* zone);
    int Fenetre() const { return fenetre_; }
    // "n° 3" for window 3, "n° A2" for window 10.
    static QString Libelle(int fenetre);

signals:
    // Released at `point`, in the coordinates of the preview area.
    void Lache(int fenetre, QPoint point);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int fenetre_;
    bool saisi_ = false;
    QPoint prise_; // where the preview was taken, in its own coordinates
};

// "Définition de la mosaïque": the windows to arrange, the layout among those offered for
// their count, their places in it, and the other windows to include.
class DialogueMosaique : public QDialog {
    Q_OBJECT
public:
    // `etat` is what the mosaic remembers (its switches give the initial " Feuille de calcul"
    // and " Tableur"); the windows that are not open, or have no box, are dropped from it.
    DialogueMosaique(const TableFenetres& fenetres, const mosaique::EtatMosaique& etat,
                     bool analyses, QWidget* parent = nullptr);

    static constexpr int NbCases = 13; // windows 1..8, then A1..A5

    // The results. The windows in the order of their positions in the layout.
    QList<int> Fenetres() const { return ordre_; }
    int Variante() const { return variante_; }
    bool Feuille() const;
    bool Tableur() const;
    mosaique::EtatMosaique Etat() const;
    // The layout chosen for the checked windows, none when the table has none.
    std::optional<mosaique::Disposition> Disposition() const;

    // Widgets, for the program's tests.
    QCheckBox* CaseFenetre(int fenetre) const; // nullptr when not shown
    QCheckBox* CaseFeuille() const { return feuille_; }
    QCheckBox* CaseTableur() const { return tableur_; }
    QList<QAbstractButton*> BoutonsFormes() const;
    ApercuMosaique* Apercu(int fenetre) const;
    QWidget* ZoneApercus() const { return zone_; }
    QPushButton* BoutonOk() const { return ok_; }
    QPushButton* BoutonAide() const { return aide_; }

    // The windows at positions a and b (1-based) exchange their places.
    void Echanger(int a, int b);
    // The position whose cell holds `point` of the preview area, 0 when none.
    int PositionSous(QPoint point) const;

signals:
    // The windows, their order or the layout changed (the desk may follow while the dialog
    // stays open).
    void DispositionModifiee();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A quarter of the screen height down, centred across.
    void Placer();
    void CaseBasculee(int fenetre, bool cochee);
    void ChoisirVariante(int variante);
    void ReconstruireFormes();
    void PlacerApercus();
    void ApercuLache(int fenetre, QPoint point);
    QRect CelluleApercu(const mosaique::Disposition& d, int position) const;

    QList<int> ordre_;
    int variante_ = 1;
    QList<QCheckBox*> cases_; // index fenetre − 1, nullptr when not shown
    QCheckBox* feuille_ = nullptr;
    QCheckBox* tableur_ = nullptr;
    QHBoxLayout* lignesFormes_ = nullptr;
    QButtonGroup* formes_ = nullptr;
    QWidget* zone_ = nullptr;
    QList<ApercuMosaique*> apercus_;
    QPushButton* ok_ = nullptr;
    QPushButton* aide_ = nullptr;
    bool place_ = false;
};

} // namespace pelavorine
