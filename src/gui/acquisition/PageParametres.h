#pragma once

#include "core/acquisition/ModeleParametres.h"

#include <QString>
#include <QWidget>
#include <vector>

class QComboBox;
class QPushButton;
class QVariant;

namespace pelavorine {

class TableVariables;

// One page of the parameters form: it fills its controls from the model, hands back what the
// user typed and says which item it shows. The form switches between the pages.
class PageParametres : public QWidget {
    Q_OBJECT
public:
    PageParametres(ModeleParametres& modele, const QString& nom, QWidget* parent);

    // Fills the page with one of its items; an item the page does not offer (0 among them)
    // gives its first one. `noter` takes the copy "Restaurer" goes back to.
    virtual void Charger(int element, bool noter) = 0;
    // Applies what the page shows; false when refused (the message shown, the page kept).
    virtual bool Appliquer() = 0;
    // The item shown: an input, a variable slot, a window or an output; 0 on "Acquis".
    virtual int Element() const { return 0; }
    // The slot of the variable "Restaurer" brings back; 0 when the page has none.
    virtual int CaseRestaurable() const { return 0; }
    // Shows the item of Element() selected again (after a refused switch).
    virtual void MontrerSelection() {}

    // A button of the form: Enter never presses it.
    static QPushButton* Bouton(const QString& texte, QWidget* parent, const QString& nom);
    template <class T> static T* Nomme(T* w, const QString& nom) {
        w->setObjectName(nom);
        return w;
    }

signals:
    void modifie(); // the user changed a control of the page
    void elementChoisi(int element);

protected:
    // A change of the control is an edit of the page.
    void Suivre(QObject* controle);
    void Modification();
    // The item shown: the first offered when `element` is not.
    static int Offert(const std::vector<int>& offerts, int element, int aucun);
    void Refuser(const QString& message, QWidget* champ);

    // Selects the item whose data is `valeur`; false when there is none.
    static bool ChoisirDonnee(QComboBox* liste, const QVariant& valeur);
    // Selects the text, added to the list when missing (an empty text selects nothing).
    static void ChoisirTexte(QComboBox* liste, const QString& texte);
    static void Remplir(QComboBox* liste, const QStringList& textes, int index);
    // The variable names of the slots, each with its slot as data.
    static void RemplirVariables(QComboBox* liste, const TableVariables& variables,
                                 const std::vector<int>& cases);
    // The time variable serves as an abscissa and a calibration too.
    static std::vector<int> AvecTemps(const TableVariables& variables, std::vector<int> cases);

    ModeleParametres& modele_;
    Travail& travail_;
};

} // namespace pelavorine
