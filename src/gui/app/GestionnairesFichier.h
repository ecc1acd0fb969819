#pragma once

#include "gui/app/ContexteCommandes.h"
#include "gui/app/GroupeCommandes.h"

#include <memory>

class QPrinter;

namespace pelavorine {

// The commands of "&Fichier": a new work, opening and saving (built while the file dialogs
// are there), the printer set-up and quitting.
class GestionnairesFichier : public GroupeCommandes {
public:
    explicit GestionnairesFichier(const ContexteCommandes& contexte);
    ~GestionnairesFichier() override;

    void Installer(TableCommandes& table) override;

private:
    ContexteCommandes contexte_;
    std::unique_ptr<QPrinter> imprimante_;
};

} // namespace pelavorine
