#pragma once

namespace pelavorine {

class TableCommandes;

// A group of the desk's commands on one subject (files, windows, tools, help…): installed in
// the command table, it registers the handler of each of its commands.
class GroupeCommandes {
public:
    virtual ~GroupeCommandes() = default;

    virtual void Installer(TableCommandes& table) = 0;
};

} // namespace pelavorine
