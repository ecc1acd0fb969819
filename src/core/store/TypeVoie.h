#pragma once

#include "core/store/TypeId.h"

namespace pelavorine {

// The acquisition settings of an input channel (a copy of them is one value).
struct ReglagesVoie {
    enum Mode : std::uint8_t { Automatique = 0, PasAPas = 1, Inactif = 2 };

    double Echelle = 1.0; // physical value = voltage × Echelle + DecalageCapteur
    double DecalageCapteur = 0.0;
    std::uint8_t Etat = Inactif; // acquisition mode
    std::uint8_t Lecture = 0;    // step-by-step reading
    std::uint8_t Calibre = 1;
    std::uint8_t Gain = 1;
    std::int32_t Reglage = 0; // kept with the work file
    std::uint8_t Capteur = 0; // 0 none, 255 inhibited by automatic assignment, else sensor
};

// The variable of an analog input channel, with the channel's acquisition settings.
class TypeVoie : public TypeId, public ReglagesVoie {
public:
    struct Defauts {
        int numero = 0;
        QString nom;
        bool premiereVoie = false;
        bool interfacePresente = false;
        bool styleDiscret = false;
    };

    // The colour of an input created out of service.
    static constexpr std::int32_t GrisInactif = 0xC0C0C0;
    // Step-by-step readings (Lecture).
    enum : std::uint8_t { LectureInstantanee = 0, LectureClavier = 4, LectureFixe = 5 };

    TypeVoie(TableVariables& table, const Defauts& defauts);

    std::uint8_t Numero = 0;

    ReglagesVoie& Reglages() { return *this; }
    const ReglagesVoie& Reglages() const { return *this; }

    void Effacer() override;

private:
    void ConstruireDefauts();
    Defauts defauts_;
};

} // namespace pelavorine
