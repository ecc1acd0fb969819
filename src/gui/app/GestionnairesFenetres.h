#pragma once

#include "core/bureau/CommandesBureau.h"
#include "gui/app/ContexteCommandes.h"
#include "gui/app/GroupeCommandes.h"

#include <QCoreApplication>
#include <functional>

namespace pelavorine {

class DonneesFenetre;
class TFenCourbe;
class TableVariables;

// The commands on the curve windows: those of "Fe&nêtres" and of the window pop-up menu
// (windows made and deleted, titles, arrangements, full screen, clearing), the layout undo of
// "&Annuler", the zoom and the calibrations, and the notation icon "µ".
class GestionnairesFenetres : public GroupeCommandes {
    Q_DECLARE_TR_FUNCTIONS(GestionnairesFenetres)
public:
    explicit GestionnairesFenetres(const ContexteCommandes& contexte) : contexte_(contexte) {}

    void Installer(TableCommandes& table) override;

private:
    // A command acting on the current window: every tool ends and the window's underlined
    // curve follows the program's current variable, then `action` runs and what it returns,
    // when not 0, is requested of the change-request word.
    void SurFenetre(TableCommandes& table, Commande commande, std::function<int()> action,
                    std::function<bool()> permise = {});
    void InstallerDisposition(TableCommandes& table);
    void InstallerEchelles(TableCommandes& table);

    void NouvelleFenetre();
    void SupprimerFenetre();
    void DemanderTitres();
    void BasculerPleinEcran();
    void MasquerIconesEtInfo();
    // The current window's record and its widget, nullptr when none is current.
    DonneesFenetre* Courante() const;
    TFenCourbe* Courbe() const;
    const TableVariables& Variables() const;

    ContexteCommandes contexte_;
};

} // namespace pelavorine
