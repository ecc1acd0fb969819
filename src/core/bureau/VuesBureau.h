#pragma once

namespace pelavorine {

// What the desk's idle processing asks of the windows and tools: one call per action of
// the change-request word. The desk answers with its widgets; tests record the calls.
class VuesBureau {
public:
    virtual ~VuesBureau() = default;

    // 0x0400: checks the sampling interval against the interface and refreshes the system line.
    virtual void VerifierIntervalle() = 0;
    // 0x0800 or 0x0001: the time base follows NBPOINT (nothing when unchanged).
    virtual void ChangerNbPoints() = 0;
    // 0x0200: runs the calculation sheet.
    virtual void LancerFeuille() = 0;
    // 0x4000: recomputes the Fourier analysis when it is computed and its tool is open;
    // true when it was recomputed.
    virtual bool RecalculerFourier() = 0;
    // 0x0020: the window re-resolves its axes.
    virtual void ResoudreAxes(int fenetre) = 0;
    // 0x1000: regenerates the output signals.
    virtual void RegenererSorties() = 0;
    // 0x8000: refreshes the spreadsheet.
    virtual void ActualiserTableur() = 0;
    // 0x0040: the window draws its frame and graduations.
    virtual void DessinerCadre(int fenetre) = 0;
    // 0x0008: the window repaints its comments.
    virtual void DessinerCommentaires(int fenetre) = 0;
    // 0x0080: the window refreshes its curve list, draws its curves and arrows.
    virtual void DessinerCourbes(int fenetre) = 0;
    // 0x0010: sends the channel settings to the acquisition interface.
    virtual void EnvoyerReglagesVoies() = 0;
    // 0x0002: runs the automatic measurements when their window is open over this window.
    virtual void MesurerAutomatiquement(int fenetre) = 0;
    // The window fills the desk (maximised): the windows behind it need no drawing.
    virtual bool PleinEcran(int fenetre) const = 0;
};

} // namespace pelavorine
