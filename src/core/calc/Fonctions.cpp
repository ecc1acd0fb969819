#include "calc/ErreursCalcul.h"
#include "calc/FonctionsPoint.h"
#include "calc/MoteurCalcul.h"
#include "calc/TableFonctions.h"

namespace pelavorine {

// One case per function of the language; a function whose library is not built yet reports
// that it is unavailable.
double AppliquerFonction(MoteurCalcul& moteur, int numero) {
    using namespace fonctions;
    switch (numero) {
    case fonction::DIV: return DIV(moteur);
    case fonction::MOD: return MOD(moteur);
    case fonction::SQR: return SQR(moteur);
    case fonction::SQRT: return SQRT(moteur);
    case fonction::LOG: return LOG(moteur);
    case fonction::LN: return LN(moteur);
    case fonction::EXP10: return EXP10(moteur);
    case fonction::EXP: return EXP(moteur);
    case fonction::INT: return INT(moteur);
    case fonction::FRAC: return FRAC(moteur);
    case fonction::FACT: return FACT(moteur);
    case fonction::SGN: return SGN(moteur);
    case fonction::SIN: return SIN(moteur);
    case fonction::COS: return COS(moteur);
    case fonction::TAN: return TAN(moteur);
    case fonction::ASIN: return ASIN(moteur);
    case fonction::ACOS: return ACOS(moteur);
    case fonction::ATAN: return ATAN(moteur);
    case fonction::TABLE: return TABLE(moteur);
    case fonction::RAMPE: return RAMPE(moteur);
    case fonction::LRAMPE: return LRAMPE(moteur);
    case fonction::CRENEAU: return CRENEAU(moteur);
    case fonction::GAIN: return GAIN(moteur);
    case fonction::MODULE: return MODULE(moteur);
    case fonction::ARGUMENT: return ARGUMENT(moteur);
    case fonction::SH: return SH(moteur);
    case fonction::CH: return CH(moteur);
    case fonction::TH: return TH(moteur);
    case fonction::ASH: return ASH(moteur);
    case fonction::ACH: return ACH(moteur);
    case fonction::ATH: return ATH(moteur);
    case fonction::DEG: return DEG(moteur);
    case fonction::RAD: return RAD(moteur);
    case fonction::ABS: return ABS(moteur);
    case fonction::RANDOM: return RANDOM(moteur);
    case fonction::PEIGNE: return PEIGNE(moteur);
    case fonction::TRIANGLE: return TRIANGLE(moteur);
    case fonction::SI: return SI(moteur);
    case fonction::NUMPOINT: return NUMPOINT(moteur);
    case fonction::TOTALPOINTS: return TOTALPOINTS(moteur);

    case fonction::AFFECTER:
    case fonction::DERIV:
    case fonction::DER2:
    case fonction::INTEG:
    case fonction::INTEGN:
    case fonction::INDICE:
    case fonction::RETARD:
    case fonction::AVANCE:
    case fonction::PERIODE:
    case fonction::TRIGGER:
    case fonction::TRUNC:
    case fonction::ENSEMBLE:
    case fonction::MIN:
    case fonction::MAX:
    case fonction::MOY:
    case fonction::EFF:
    case fonction::LISSAGE:
    case fonction::PBAS:
    case fonction::PHAUT:
    case fonction::PBANDE:
    case fonction::FFTM:
    case fonction::FFTA:
    case fonction::FFTR:
    case fonction::FFTI:
    case fonction::FFTC:
    case fonction::FFTS:
    case fonction::FFTP:
    case fonction::RFFT:
    case fonction::SEUIL:
    case fonction::IN:
    case fonction::OUT:
    case fonction::CRETEMAXI:
    case fonction::CRETEMINI:
    case fonction::FREQUENCE:
    case fonction::NBFRONTS:
    case fonction::TRIER:
    case fonction::DEPHASAGE:
    default:
        moteur.Erreur(erreur::FonctionIndisponible);
        return 0.0;
    }
}

} // namespace pelavorine
