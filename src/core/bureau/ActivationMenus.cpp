#include "core/bureau/ActivationMenus.h"

namespace pelavorine {

namespace {
using C = Commande;

// The command's own rule, apart from the menus that hold it.
bool Regle(C commande, const ContexteMenus& c) {
    const bool horsSynthese = !c.syntheseEnCours;
    switch (commande) {
    case C::MenuFichier:
    case C::MenuAide:
        return c.contexte == 2 ? c.actif : true;
    case C::MenuMateriel:
        return c.contexte == 0 ? true : c.actif;
    case C::Enregistrer:
    case C::EnregistrerSous:
    case C::MenuEdition:
    case C::MenuExecuter:
    case C::MenuTraitements:
    case C::MenuOutils:
    case C::Parametres:
    case C::MenuFenetres:
        return c.actif;
    case C::Imprimer:
        return c.actif && c.imprimante;
    case C::ConfigurerImprimante:
        return c.imprimante;
    case C::Annuler:
        return c.annulationPossible;
    case C::OptionsConfiguration:
    case C::MesuresAutomatiques:
    case C::LireImage:
        return horsSynthese;
    case C::TesterSysteme:
    case C::SortiesAnalogiques:
        return c.systeme;
    case C::SortiesLogiques:
        return c.systeme && c.sortiesLogiques;
    case C::DefinirAction:
        return c.actif && c.actionPossible;
    default:
        return true;
    }
}
} // namespace

ActivationMenus ActivationMenus::Calculer(const ContexteMenus& c) {
    ActivationMenus a;
    std::bitset<NbCommandes> propres;
    for (int i = 0; i < NbCommandes; ++i)
        propres[i] = Regle(static_cast<C>(i), c);
    a.actives_ = propres;
    // Menus are listed before their items, so a holder's state is final when an item reads it.
    for (const ElementMenu& e : MenusDuBureau()) {
        const int i = static_cast<int>(e.commande);
        if (e.menu != e.commande)
            a.actives_[i] = propres[i] && a.actives_[static_cast<int>(e.menu)];
    }
    a.icones_ = c.actif;
    a.iconeMosaique_ = c.actif && !c.syntheseEnCours;
    return a;
}

} // namespace pelavorine
