#include "gui/app/TableCommandes.h"

#include "gui/app/GroupeCommandes.h"

namespace pelavorine {

TableCommandes::TableCommandes() = default;

TableCommandes::~TableCommandes() = default;

void TableCommandes::Enregistrer(Commande commande, Gestionnaire gestionnaire) {
    // Two groups claiming one command would leave one of them silently unused.
    Q_ASSERT(!gestionnaires_.contains(commande));
    gestionnaires_.insert(commande, std::move(gestionnaire));
}

void TableCommandes::Installer(std::unique_ptr<GroupeCommandes> groupe) {
    groupe->Installer(*this);
    groupes_.push_back(std::move(groupe));
}

bool TableCommandes::Construite(Commande commande) const {
    const auto it = gestionnaires_.constFind(commande);
    return it != gestionnaires_.cend() && it->executer && (!it->construite || it->construite());
}

bool TableCommandes::Permise(Commande commande) const {
    const auto it = gestionnaires_.constFind(commande);
    return it == gestionnaires_.cend() || !it->permise || it->permise();
}

bool TableCommandes::Executer(Commande commande) const {
    if (!Construite(commande)) return false;
    gestionnaires_.value(commande).executer();
    return true;
}

} // namespace pelavorine
