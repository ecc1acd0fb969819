#pragma once

#include "core/bureau/CommandesBureau.h"

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

namespace pelavorine {

class ActivationMenus;
class MenuBureau;

// The desk's icon bar, built from the icon table: each icon runs its command, the two
// arrangement icons open the window pop-up menu on their actions, and the hints are placed
// below the icon, or above it while the current window fills the desk.
class BarreDesIcones : public QObject {
    Q_OBJECT
public:
    // `ingenieur`: the engineering-notation icon starts pressed.
    // The pictures come from dossierIcones ("<object name>.svg").
    BarreDesIcones(QMainWindow& bureau, const MenuBureau& menus, bool ingenieur,
                   const QString& dossierIcones);
    ~BarreDesIcones() override;

    QToolBar* Barre() const { return barre_; }
    QAction* Icone(Commande commande) const { return icones_.value(commande); }

    // Each icon enabled while the icons are and its command is `disponible`.
    void Actualiser(const ActivationMenus& etats,
                    const std::function<bool(Commande)>& disponible) const;

    // The current window fills the desk (the hints go above the icons).
    std::function<bool()> fenetreAgrandie;

signals:
    void commandeChoisie(Commande commande);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void MontrerPopup(QAction* icone, int tag);
    void MontrerBulle(QWidget* bouton);

    QMainWindow& bureau_;
    const MenuBureau& menus_;
    QToolBar* barre_ = nullptr;
    QHash<Commande, QAction*> icones_;
};

} // namespace pelavorine
