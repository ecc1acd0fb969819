#pragma once

#include "core/store/FenetresVariables.h"
#include "core/windows/DonneesFenetre.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

namespace pelavorine {

class TableVariables;

// The 16 curve-window slots of the work, as data: which windows are open, their records,
// the current window and the activation order.
class TableFenetres : public FenetresVariables {
public:
    // What a new window starts with (start-up settings, acquisition interface, time base).
    struct Defauts {
        int caseTemps = 0;
        QString uniteTemps = QStringLiteral("s");
        std::uint16_t options = DonneesFenetre::OptionsParDefaut;
        std::int32_t couleur = 0xFFFFFF;
        // Input range of the interface, widened into the initial Y scale.
        double yMinimum = -10;
        double yMaximum = 10;
        double facteurElargissement = 1.1;
        // Last time of the time base, (N − 1) × Δt: the X scale's manual maximum.
        double xMaximum = 0;
    };

    TableFenetres() = default;
    TableFenetres(const TableFenetres&) = delete;
    TableFenetres& operator=(const TableFenetres&) = delete;

    static bool Valide(int fenetre) { return fenetre >= 1 && fenetre <= NbFenetres; }
    static std::uint32_t Bit(int fenetre) { return 1u << (fenetre - 1); }

    void FixerDefauts(const Defauts& defauts) { defauts_ = defauts; }
    const Defauts& LireDefauts() const { return defauts_; }

    // Closes every window, then opens window 1 (abscissa T).
    void Reinitialiser(int caseTemps);
    // Makes `fenetre` current and puts it first in the activation order; an empty slot first
    // receives a new window with the defaults. Nullptr for a number outside 1..16.
    DonneesFenetre* Creer(int fenetre);
    // Empties the slot and takes the window out of the activation order; the current window
    // becomes the most recently activated one left (0 when none).
    void Fermer(int fenetre);
    // Fermer, then window 1 is created again when only image windows (or none) remain.
    // True when window 1 was created again.
    bool Supprimer(int fenetre);
    // The window becomes current and first in the activation order (an open window only).
    void Activer(int fenetre);
    void FixerCourante(int fenetre) { Activer(fenetre); }

    DonneesFenetre* Donnees(int fenetre);
    const DonneesFenetre* Donnees(int fenetre) const;
    int NbOuvertes() const;
    std::uint32_t MasqueOuvertes() const;
    // One character per open window, code 48 + number, most recently activated first.
    QString Anneau() const { return anneau_; }
    // The window after `fenetre` in activation order, circularly; 0 when none is open.
    int Suivante(int fenetre) const;
    // The program's current variable (slot), 0 when none: the curve the tools act on.
    int variableCourante = 0;
    // The window under the mouse (set by the desk on every move), 0 when none.
    int sousLaSouris = 0;

    void FixerAbscisse(int fenetre, const QString& nom, int slot, const QString& unite);
    // Resolves the window's axes from their names: the abscissa (back to T when its name no
    // longer names a variable), then the Y and X scales, evaluated exactly.
    void ResoudreAxes(int fenetre, const TableVariables& variables);

    int FenetreCourante() const override { return courante_; }
    bool Existe(int fenetre) const override;
    QString NomAbscisse(int fenetre) const override;
    int CaseAbscisse(int fenetre) const override;
    bool AbscisseEnPoints(int fenetre) const override;
    std::uint32_t OublierNom(const QString& nom, int caseTemps, const QString& uniteTemps) override;
    void CreerFenetres(std::uint32_t masque) override;
    SelectionFenetre Selection(int fenetre) const override;
    void FixerSelection(int fenetre, const SelectionFenetre& selection) override;

private:
    std::unique_ptr<DonneesFenetre> NouvelleFenetre(int fenetre) const;

    std::array<std::unique_ptr<DonneesFenetre>, NbFenetres> fenetres_;
    QString anneau_;
    int courante_ = 0;
    Defauts defauts_;
};

} // namespace pelavorine
