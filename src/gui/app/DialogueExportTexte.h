#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pelavorine {

class Travail;
struct ReglagesExportTexte;

// The dialog of the text export: the variables written as columns (at most 16), the title,
// the configuration line and the two separators. "Ok" stores the choices in the settings.
class DialogueExportTexte : public QDialog {
    Q_OBJECT
public:
    DialogueExportTexte(QWidget* parent, Travail& travail, ReglagesExportTexte& reglages);

    // Adds the variable chosen in the list of all variables, unless already present; a 17th
    // is refused with an error box. Returns whether it was added.
    bool Ajouter();
    // Removes the selected chosen variable.
    void Enlever();
    // After confirmation, restores the default settings in the dialog.
    void Initialiser();

    QComboBox* ListeToutes() const { return toutes_; }
    QListWidget* ListeChoisies() const { return choisies_; }
    QLineEdit* Titre() const { return titre_; }
    QRadioButton* ConfigurationOui() const { return configOui_; }
    QRadioButton* Virgule() const { return virgule_; }
    QRadioButton* Point() const { return point_; }
    QRadioButton* Tabulation() const { return tabulation_; }

    void accept() override;

private:
    void Remplir(const ReglagesExportTexte& reglages);

    Travail& travail_;
    ReglagesExportTexte& reglages_;
    QComboBox* toutes_ = nullptr;
    QListWidget* choisies_ = nullptr;
    QLineEdit* titre_ = nullptr;
    QRadioButton* configOui_ = nullptr;
    QRadioButton* configNon_ = nullptr;
    QRadioButton* virgule_ = nullptr;
    QRadioButton* point_ = nullptr;
    QRadioButton* tabulation_ = nullptr;
    QRadioButton* pointVirgule_ = nullptr;
};

} // namespace pelavorine
