#pragma once

#include "gui/app/ContexteCommandes.h"
#include "gui/app/GroupeCommandes.h"

#include <QString>

namespace pelavorine {

// The commands of "&Aide": the help pages, the resources box and the about box.
class GestionnairesAide : public GroupeCommandes {
public:
    explicit GestionnairesAide(const ContexteCommandes& contexte) : contexte_(contexte) {}

    void Installer(TableCommandes& table) override;

private:
    ContexteCommandes contexte_;
};

} // namespace pelavorine
