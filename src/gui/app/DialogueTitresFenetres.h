#pragma once

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;

namespace pelavorine {

class TableFenetres;

// " Titres des fenêtres": one framed box per open curve window, in number order, whose
// field holds the window's user title. OK gives each window its new title.
class DialogueTitresFenetres : public QDialog {
    Q_OBJECT
public:
    DialogueTitresFenetres(TableFenetres& fenetres, QWidget* parent = nullptr);

    // The field of a window, nullptr when the window is not listed.
    QLineEdit* Champ(int fenetre) const;
    QPushButton* BoutonAide() const { return aide_; }
    // What OK does: every listed window takes the edited title, trimmed.
    void Appliquer();

private:
    TableFenetres& fenetres_;
    QList<QPair<int, QLineEdit*>> champs_;
    QPushButton* aide_ = nullptr;
};

} // namespace pelavorine
