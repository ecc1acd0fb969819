#pragma once

#include "core/acquisition/InstantaneVariable.h"
#include "core/interface/ParametresAcquisition.h"
#include "core/windows/DonneesFenetre.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>

namespace pelavorine {

class Travail;

// What "Restaurer" and the cancel of the parameters form put back: each variable edited as it
// was at its first edit (the cancel) and when last noted (Restaurer), each window edited as
// the form found it, the parameter record, the point count and the windows that were open.
class CopiesParametres {
public:
    // The state of the work now is the one a cancel goes back to.
    explicit CopiesParametres(Travail& travail);

    // Before a variable is edited: its state now is what "Restaurer" brings back, and its
    // state at its first noting is what the cancel brings back.
    void Noter(int slot);
    // The first state only: a rule that touches other variables than the one shown notes
    // them without moving what "Restaurer" brings back.
    void NoterPremier(int slot);
    // Before a window's scales or abscissa change (its first state only).
    void NoterFenetre(int numero);

    // "Restaurer": the variable as Noter() last saw it, in the capacity the table has now.
    // Returns the change-request bits to send, 0 when the slot was never noted.
    std::uint16_t Restaurer(int slot);
    // The cancel, for the variables: each one noted back as first seen (a slot that now
    // holds a variable of another kind is left alone). Each name that changed back is added
    // to `noms` (name now → name put back). Returns the change-request bits.
    std::uint16_t RemettreVariables(std::map<QString, QString>& noms);
    // The cancel, for the windows: those opened since are closed, those edited get their
    // data back.
    void RemettreFenetres();

    const ParametresAcquisition& Parametres() const { return parametres_; }
    int NbPoints() const { return nbPoints_; }

    // The copies are dropped: the state of the work now is the one a cancel goes back to.
    void Repartir();

private:
    Travail& travail_;
    ParametresAcquisition parametres_;
    int nbPoints_ = 0;
    std::uint32_t fenetresOuvertes_ = 0; // mask of the windows open, bit k-1 for window k
    std::map<int, std::shared_ptr<const InstantaneVariable>> premiers_;
    std::map<int, std::shared_ptr<const InstantaneVariable>> courants_;
    std::map<int, DonneesFenetre> fenetres_;
};

} // namespace pelavorine
