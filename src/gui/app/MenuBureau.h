#pragma once

#include "core/bureau/CommandesBureau.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QPoint;

namespace pelavorine {

class ActivationMenus;
class ModulesExternes;

// The desk's menu bar, built from the menu table: one action per command, the window actions
// that only the pop-up menus offer included; after "&Quitter" the recent files, and in
// "E&xécuter" the external modules.
class MenuBureau : public QObject {
    Q_OBJECT
public:
    explicit MenuBureau(QMainWindow& bureau);

    QAction* Action(Commande commande) const { return actions_.value(commande); }
    QMenu* Menu(Commande menu) const { return menus_.value(menu); }
    // The recent-file items, newest first.
    QList<QAction*> ActionsHistorique() const { return historique_; }

    // Each action enabled as the menu rules allow and the command is `disponible` (built, and
    // allowed by its own rule); the recent files as "&Ouvrir" is.
    void Actualiser(const ActivationMenus& etats,
                    const std::function<bool(Commande)>& disponible) const;
    // One item per name, newest first, after a separator.
    void FixerHistorique(const QStringList& noms);
    // The modules after a separator: programs are started, the processing libraries wait for
    // their runner and are listed disabled.
    void FixerModules(const ModulesExternes& modules);
    // The window pop-up menu with the actions of a tag (0: all of them), at that position.
    void MontrerMenuFenetre(int tag, const QPoint& global) const;

signals:
    void commandeChoisie(Commande commande);
    void fichierChoisi(const QString& nom);
    void moduleChoisi(const QString& chemin);

private:
    void Creer();

    QMainWindow& bureau_;
    QHash<Commande, QAction*> actions_;
    QHash<Commande, QMenu*> menus_;
    QList<QAction*> historique_;
    QAction* separateurHistorique_ = nullptr;
    QList<QAction*> modules_;
};

} // namespace pelavorine
