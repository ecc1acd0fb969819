#pragma once

#include <QChar>
#include <QPointer>
#include <QWidget>

namespace pelavorine {

// The Greek-letter picker: a grid of 7 columns and 8 rows (capitals in rows 0–3, small
// letters in rows 4–7). A press on a letter types it into the edit field that had the focus;
// the picker hides when it loses the focus.
class SelecteurGrec : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColonnes = 7;
    static constexpr int kLignes = 8;

    explicit SelecteurGrec(QWidget* parent = nullptr);

    // The letter of cell k = column + 7 × row, or a null QChar for an empty cell.
    static QChar Lettre(int k);
    // The cell under a point of a picture of the given size.
    static int Case(QPoint point, QSize taille);

    // Shows the picker for a field (by default the widget that has the focus; the field
    // chosen before when that is the picker itself).
    void Ouvrir(QWidget* cible = nullptr);
    QWidget* Cible() const { return cible_; }

signals:
    void lettreChoisie(QChar lettre);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QPointer<QWidget> cible_;
};

} // namespace pelavorine
