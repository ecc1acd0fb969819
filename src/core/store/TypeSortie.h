#pragma once

#include "core/store/TypeId.h"

namespace pelavorine {

// The settings of the signal an analog output emits (a copy of them is one value).
struct ReglagesSortie {
    std::uint8_t Forme = 0; // 0 not assigned, 1 sine … 5 constant, 6 another variable
    double Periodes = 1.0;  // periods over the point count
    double MinimumSignal = 0.0;
    double MaximumSignal = 0.0;
    std::uint8_t Calibre = 1;
    std::uint8_t ModeEmission = 0;
    std::uint8_t ValeurApresArret = 1;
    std::int16_t CaseSource = 0;
};

// The variable of an analog output, with the settings of the signal it emits.
class TypeSortie : public TypeId, public ReglagesSortie {
public:
    struct Defauts {
        int numero = 1;
        QString nom;
        int caseSource = 0; // first user slot
    };

    TypeSortie(TableVariables& table, const Defauts& defauts);

    std::uint8_t Numero = 1;
    bool ARegenerer = true;

    ReglagesSortie& Reglages() { return *this; }
    const ReglagesSortie& Reglages() const { return *this; }

    void Effacer() override;

private:
    void ConstruireDefauts();
    Defauts defauts_;
};

} // namespace pelavorine
