#pragma once

#include "core/bureau/CommandesBureau.h"

#include <QHash>
#include <functional>
#include <memory>
#include <vector>

namespace pelavorine {

class GroupeCommandes;

// The commands of the desk that the program carries out, each with its handler: a command is
// built exactly when a handler is registered for it, and the others stay disabled. The
// handlers come in groups, one file per subject, that register them when installed.
class TableCommandes {
public:
    struct Gestionnaire {
        std::function<void()> executer = {};
        // When set, the command is built only while it holds (the file commands wait for their
        // dialogs).
        std::function<bool()> construite = {};
        // When set, what else the command waits for to be enabled (the current window's
        // stacks, its kind).
        std::function<bool()> permise = {};
    };

    TableCommandes();
    ~TableCommandes();
    TableCommandes(const TableCommandes&) = delete;
    TableCommandes& operator=(const TableCommandes&) = delete;

    // One registration per command.
    void Enregistrer(Commande commande, Gestionnaire gestionnaire);
    // The group registers its handlers and lives as long as the table.
    void Installer(std::unique_ptr<GroupeCommandes> groupe);

    bool Construite(Commande commande) const;
    bool Permise(Commande commande) const;
    // Runs the handler of a built command; false when the command is not built.
    bool Executer(Commande commande) const;

private:
    QHash<Commande, Gestionnaire> gestionnaires_;
    std::vector<std::unique_ptr<GroupeCommandes>> groupes_;
};

} // namespace pelavorine
