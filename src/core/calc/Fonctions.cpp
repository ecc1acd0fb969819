#include "calc/ErreursCalcul.h"
#include "calc/FonctionsNumeriques.h"
#include "calc/FonctionsPoint.h"
#include "calc/FonctionsScalaires.h"
#include "calc/FonctionsTableaux.h"
#include "calc/MoteurCalcul.h"
#include "calc/TableFonctions.h"

namespace pelavorine {

// One case per function of the language.
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

    case fonction::AFFECTER: return AFFECTER(moteur);
    case fonction::DERIV: return DERIV(moteur);
    case fonction::DER2: return DER2(moteur);
    case fonction::INTEG: return INTEG(moteur);
    case fonction::INTEGN: return INTEGN(moteur);
    case fonction::INDICE: return INDICE(moteur);
    case fonction::RETARD: return RETARD(moteur);
    case fonction::AVANCE: return AVANCE(moteur);
    case fonction::PERIODE: return PERIODE(moteur);
    case fonction::TRIGGER: return TRIGGER(moteur);
    case fonction::TRUNC: return TRUNC(moteur);
    case fonction::ENSEMBLE: return ENSEMBLE(moteur);
    case fonction::MIN: return MIN(moteur);
    case fonction::MAX: return MAX(moteur);
    case fonction::MOY: return MOY(moteur);
    case fonction::EFF: return EFF(moteur);
    case fonction::LISSAGE: return LISSAGE(moteur);
    case fonction::PBAS: return PBAS(moteur);
    case fonction::PHAUT: return PHAUT(moteur);
    case fonction::PBANDE: return PBANDE(moteur);
    case fonction::FFTM: return FFTM(moteur);
    case fonction::FFTA: return FFTA(moteur);
    case fonction::FFTR: return FFTR(moteur);
    case fonction::FFTI: return FFTI(moteur);
    case fonction::FFTC: return FFTC(moteur);
    case fonction::FFTS: return FFTS(moteur);
    case fonction::FFTP: return FFTP(moteur);
    case fonction::RFFT: return RFFT(moteur);
    case fonction::SEUIL: return SEUIL(moteur);
    case fonction::IN: return IN(moteur);
    case fonction::OUT: return OUT(moteur);
    case fonction::CRETEMAXI: return CRETEMAXI(moteur);
    case fonction::CRETEMINI: return CRETEMINI(moteur);
    case fonction::FREQUENCE: return FREQUENCE(moteur);
    case fonction::NBFRONTS: return NBFRONTS(moteur);
    case fonction::TRIER: return TRIER(moteur);
    case fonction::DEPHASAGE: return DEPHASAGE(moteur);
    }
    // Numbers come from the function table: no other value reaches here.
    moteur.Erreur(erreur::Syntaxe);
    return 0.0;
}

} // namespace pelavorine
