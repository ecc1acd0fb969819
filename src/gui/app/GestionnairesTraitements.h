#pragma once

#include "gui/app/ContexteCommandes.h"
#include "gui/app/GroupeCommandes.h"

namespace pelavorine {

// The calculation sheet and the acquisition: "&Feuille de calcul", "&Lancer les calculs",
// "&Acquérir signaux" and the parameters form.
class GestionnairesTraitements : public GroupeCommandes {
public:
    explicit GestionnairesTraitements(const ContexteCommandes& contexte) : contexte_(contexte) {}

    void Installer(TableCommandes& table) override;

private:
    ContexteCommandes contexte_;
};

} // namespace pelavorine
