#pragma once

#include <cstdint>

namespace pelavorine {

class FenetresVariables;

// What the variable table reads from, and tells, the work that owns it.
class EnvironnementTable {
public:
    virtual ~EnvironnementTable() = default;

    virtual std::uint16_t Options() const = 0;
    // Sampling interval of the acquisition parameters, in µs.
    virtual double IntervalleEchantillonnage() const = 0;
    virtual void DemanderMiseAJour(std::uint16_t bits) = 0;
    // Windows are created on demand only once the start-up is over.
    virtual bool DemarrageTermine() const = 0;
    virtual FenetresVariables& Fenetres() = 0;
    virtual const FenetresVariables& Fenetres() const = 0;
    // NBPOINT changed: the outputs are regenerated (when the tables were adjusted), the
    // marker spacing follows and the calculation sheet forgets that it has run.
    virtual void NbPointsChange(bool tablesAjustees) = 0;
};

} // namespace pelavorine
