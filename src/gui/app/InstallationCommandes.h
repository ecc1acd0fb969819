#pragma once

namespace pelavorine {

struct ContexteCommandes;
class TableCommandes;

// Installs every group of commands the program carries: a new capability adds its group here,
// and its commands are built and enabled on the desk from then on.
void InstallerCommandes(TableCommandes& table, const ContexteCommandes& contexte);

} // namespace pelavorine
