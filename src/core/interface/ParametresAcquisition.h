#pragma once

#include <pelavorine/interface.h>

#include <cstdint>

namespace pelavorine {

// What the next acquisition does: the parameter record, with its defaults. The time base
// reads its sampling period; its rules against an interface come with acquisition.
struct ParametresAcquisition {
    // The trigger condition as the library takes it.
    enum class Declenchement : std::uint8_t {
        Montant = PELAVORINE_CONDITION_MONTANT,
        Descendant = PELAVORINE_CONDITION_DESCENDANT,
        Variations = PELAVORINE_CONDITION_VARIATIONS,
        Etat0 = PELAVORINE_CONDITION_ETAT0,
        Etat1 = PELAVORINE_CONDITION_ETAT1
    };

    int periodeEntiere = 200;      // the period rounded to whole µs
    std::uint8_t echantillons = 1; // conversions averaged for each point, 1 to 100
    std::int16_t blocs = 1;        // blocks per run when not permanent
    std::uint8_t differentiel = 0;
    std::uint8_t permanent = 0;
    std::uint8_t modeAffichage = 0; // 2 = drawing inhibited (permanent mode)
    std::uint8_t modeCalcul = 2;    // 2 = calculations inhibited between blocks
    std::int8_t sourceDeclenchement = PELAVORINE_SOURCE_AUCUNE; // as the library takes it
    double niveauDeclenchement = 0.0;                           // V
    std::int16_t niveauBrut = 0;
    std::uint8_t bitsDeclenchement = 0;
    Declenchement condition = Declenchement::Montant;
    double periode = 200.0; // sampling period in µs
    std::uint8_t garderPrecedentes = 0;
    std::uint8_t inhiberTransitoires = 0;
    std::uint8_t unitePeriode = 1; // 1 µs, 2 ms, 3 s, 4 min
    std::int16_t compteurBlocs = 1;
};

} // namespace pelavorine
