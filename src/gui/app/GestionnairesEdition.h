#pragma once

#include "gui/app/ContexteCommandes.h"
#include "gui/app/GroupeCommandes.h"

namespace pelavorine {

// The commands of "&Edition" that the desk carries itself ("&Annuler" undoes a layout of the
// windows and belongs to their commands).
class GestionnairesEdition : public GroupeCommandes {
public:
    explicit GestionnairesEdition(const ContexteCommandes& contexte) : contexte_(contexte) {}

    void Installer(TableCommandes& table) override;

private:
    ContexteCommandes contexte_;
};

} // namespace pelavorine
