#pragma once

#include <QString>
#include <cstdint>

namespace pelavorine {

// The selected part of a curve in a window (crosshair and selection tool).
struct SelectionFenetre {
    bool active = false;
    int premier = 0;
    int dernier = 0;
    int variable = 0; // slot of the selected variable
};

// What the variable store needs of the curve-window table: the window table implements it.
class FenetresVariables {
public:
    static constexpr int NbFenetres = 16;

    virtual ~FenetresVariables() = default;

    virtual int FenetreCourante() const = 0; // 1..16, 0 when no window is open
    virtual bool Existe(int fenetre) const = 0;
    virtual QString NomAbscisse(int fenetre) const = 0;
    virtual int CaseAbscisse(int fenetre) const = 0; // slot of the abscissa variable, 0 if none
    // The abscissa axis counts in point numbers (step-by-step acquisition).
    virtual bool AbscisseEnPoints(int fenetre) const = 0;

    // A variable name disappears: a window whose abscissa it was goes back to the time
    // variable (slot caseTemps, unit uniteTemps), other references to it are emptied.
    // Returns the windows changed, as a mask (bit k-1 for window k).
    virtual std::uint32_t OublierNom(const QString& nom, int caseTemps,
                                     const QString& uniteTemps) = 0;
    // Opens every window of the mask that is not open yet.
    virtual void CreerFenetres(std::uint32_t masque) = 0;

    virtual SelectionFenetre Selection(int fenetre) const = 0;
    virtual void FixerSelection(int fenetre, const SelectionFenetre& selection) = 0;
};

} // namespace pelavorine
