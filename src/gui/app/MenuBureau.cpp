#include "gui/app/MenuBureau.h"

#include "core/bureau/ActivationMenus.h"
#include "core/bureau/HistoriqueFichiers.h"
#include "core/configuration/ModulesExternes.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace pelavorine {

using C = Commande;

MenuBureau::MenuBureau(QMainWindow& bureau) : bureau_(bureau) {
    Creer();
}

void MenuBureau::Creer() {
    QMenuBar* barre = bureau_.menuBar();
    const auto relier = [this](QAction* a, C c) {
        connect(a, &QAction::triggered, this, [this, c] { emit commandeChoisie(c); });
    };
    for (const ElementMenu& e : MenusDuBureau()) {
        const QString texte = TexteCommande(e.commande);
        if (e.menu == e.commande && EstMenu(e.commande)) {
            QMenu* m = barre->addMenu(texte);
            menus_.insert(e.commande, m);
            actions_.insert(e.commande, m->menuAction());
            continue;
        }
        if (e.menu == e.commande) { // "&Paramètres": a command of the bar itself
            QAction* a = barre->addAction(texte);
            actions_.insert(e.commande, a);
            relier(a, e.commande);
            continue;
        }
        QMenu* parent = menus_.value(e.menu);
        if (e.separateurAvant) parent->addSeparator();
        if (EstMenu(e.commande)) {
            QMenu* m = parent->addMenu(texte);
            menus_.insert(e.commande, m);
            actions_.insert(e.commande, m->menuAction());
            continue;
        }
        QAction* a = parent->addAction(texte);
        a->setObjectName(QString::number(static_cast<int>(e.commande)));
        if (e.touche && !e.toucheAffichee)
            a->setShortcut(QKeySequence(QString::fromLatin1(e.touche)));
        a->setVisible(e.visible);
        actions_.insert(e.commande, a);
        relier(a, e.commande);
    }
    actions_.value(C::MasquerIconesInfo)->setCheckable(true);
    separateurHistorique_ = menus_.value(C::MenuFichier)->addSeparator();
    separateurHistorique_->setVisible(false);

    // The window actions that only the pop-up menus offer.
    for (C c : ActionsFenetre(0)) {
        if (actions_.contains(c)) continue;
        auto* a = new QAction(TexteCommande(c), &bureau_);
        a->setStatusTip(BulleAction(c));
        a->setToolTip(BulleAction(c).isEmpty() ? a->text() : BulleAction(c));
        actions_.insert(c, a);
        relier(a, c);
    }
}

void MenuBureau::Actualiser(const ActivationMenus& etats,
                            const std::function<bool(Commande)>& disponible) const {
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        it.value()->setEnabled(etats.Active(it.key()) && disponible(it.key()));
    const bool ouvrir = etats.Active(C::MenuFichier) && disponible(C::Ouvrir);
    for (QAction* a : historique_)
        a->setEnabled(ouvrir);
}

void MenuBureau::FixerHistorique(const QStringList& noms) {
    QMenu* fichier = menus_.value(C::MenuFichier);
    // An item may be the one being triggered: it goes once its signal has returned.
    for (QAction* a : historique_) {
        fichier->removeAction(a);
        a->deleteLater();
    }
    historique_.clear();
    for (const QString& nom : noms) {
        QString legende = historiqueFichiers::Legende(nom);
        legende.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = fichier->addAction(legende);
        a->setData(nom);
        a->setToolTip(nom);
        connect(a, &QAction::triggered, this, [this, nom] { emit fichierChoisi(nom); });
        historique_ << a;
    }
    separateurHistorique_->setVisible(!historique_.isEmpty());
}

void MenuBureau::FixerModules(const ModulesExternes& modules) {
    QMenu* executer = menus_.value(C::MenuExecuter);
    for (QAction* a : modules_) {
        executer->removeAction(a);
        a->deleteLater();
    }
    modules_.clear();
    const auto& liste = modules.Liste();
    if (!liste.isEmpty()) modules_ << executer->addSeparator();
    for (const auto& module : liste) {
        QAction* a = executer->addAction(module.titre);
        const bool bibliotheque =
            module.chemin.endsWith(QStringLiteral(".so"), Qt::CaseInsensitive) ||
            module.chemin.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive);
        a->setEnabled(!bibliotheque);
        const QString chemin = module.chemin;
        connect(a, &QAction::triggered, this, [this, chemin] { emit moduleChoisi(chemin); });
        modules_ << a;
    }
}

void MenuBureau::MontrerMenuFenetre(int tag, const QPoint& global) const {
    QMenu popup(&bureau_);
    for (C c : ActionsFenetre(tag))
        if (QAction* a = actions_.value(c)) popup.addAction(a);
    popup.exec(global);
}

} // namespace pelavorine
