#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;

namespace pelavorine {

class TableFenetres;

// Asks for a window number by its title: "Créer une fenêtre" lists the empty slots among
// 1..8, "Supprimer une fenêtre" every open window with the current one chosen.
class DialogueChoixFenetre : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Creer, Supprimer };

    DialogueChoixFenetre(const TableFenetres& fenetres, Mode mode, QWidget* parent = nullptr);

    // Runs the dialog; the chosen window's number, 0 on cancel or when nothing is chosen.
    static int Choisir(const TableFenetres& fenetres, Mode mode, QWidget* parent = nullptr);
    // Receives the dialog ready to be shown instead of running it, and answers whether OK
    // was pressed (a test chooses in its list first), so that nothing blocks.
    using Interception = std::function<bool(DialogueChoixFenetre& dialogue)>;
    static void FixerInterception(Interception interception);

    // The number a title names: the integer after "n°", plus 8 for an analysis window
    // ("analyse" in the title); 0 when the title names none.
    static int NumeroDuTitre(const QString& titre);

    QComboBox* Liste() const { return liste_; }
    QPushButton* BoutonOk() const { return ok_; }
    QPushButton* BoutonAide() const { return aide_; }
    // The number of the title shown in the list, 0 when the list is empty.
    int Numero() const;

private:
    QComboBox* liste_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* aide_ = nullptr;
};

} // namespace pelavorine
