#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pelavorine {

// The quit dialog: "Quitter" (default), "Annuler", and "Enregistrer" with a warning panel
// when the work has changed since it was last saved.
class DialogueQuitter : public QDialog {
    Q_OBJECT
public:
    enum Choix { Quitter, Annuler, Enregistrer };

    DialogueQuitter(bool travailModifie, QWidget* parent = nullptr);

    Choix Resultat() const { return choix_; }
    QPushButton* Bouton(Choix choix) const;
    bool AvertissementVisible() const;

private:
    void Choisir(Choix choix);

    Choix choix_ = Annuler;
    QLabel* avertissement_ = nullptr;
    QPushButton* quitter_ = nullptr;
    QPushButton* annuler_ = nullptr;
    QPushButton* enregistrer_ = nullptr;
};

} // namespace pelavorine
