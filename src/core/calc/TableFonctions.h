#pragma once

#include <array>

namespace pelavorine {

class MoteurCalcul;

// A built-in function: reads its arguments from the engine and returns its value at the
// current point.
using FonctionLangage = double (*)(MoteurCalcul& moteur);

// The built-in functions of the calculation language, numbered 0..76: the compiled tokens of
// a line name a function by its number, which is its position in the table.
struct DescriptionFonction {
    int numero;
    const char* nom;
    int arite;        // n > 0: exactly n arguments; n < 0: 1 to |n| arguments
    bool expressions; // expressions allowed in the arguments (else one operand each)
    int resultat;     // +1 point table, 0 same kind as the arguments, -1 scalar
    int niveau;       // language level: 20, 30, 31 or 50
    FonctionLangage appliquer;
};

inline constexpr int NbFonctions = 77;
// The "no function" marker of a plain parenthesis.
inline constexpr int PasDeFonction = 77;

// Entry n describes function n, with its handler; adding a function is one entry here and
// its number below.
extern const std::array<DescriptionFonction, NbFonctions> TableFonctions;

// Function numbers, in the table's order.
namespace fonction {
enum : int {
    DIV,
    MOD,
    SQR,
    SQRT,
    LOG,
    LN,
    EXP10,
    EXP,
    INT,
    FRAC,
    FACT,
    SGN,
    SIN,
    COS,
    TAN,
    ASIN,
    ACOS,
    ATAN,
    TABLE,
    RAMPE,
    LRAMPE,
    AFFECTER,
    DERIV,
    DER2,
    INTEG,
    INTEGN,
    CRENEAU,
    INDICE,
    RETARD,
    AVANCE,
    PERIODE,
    TRIGGER,
    TRUNC,
    ENSEMBLE,
    MIN,
    MAX,
    MOY,
    EFF,
    GAIN,
    MODULE,
    ARGUMENT,
    SH,
    CH,
    TH,
    ASH,
    ACH,
    ATH,
    DEG,
    RAD,
    ABS,
    RANDOM,
    LISSAGE,
    PBAS,
    PHAUT,
    PBANDE,
    FFTM,
    FFTA,
    FFTR,
    FFTI,
    FFTC,
    FFTS,
    FFTP,
    RFFT,
    SEUIL,
    IN,
    OUT,
    PEIGNE,
    TRIANGLE,
    SI,
    NUMPOINT,
    CRETEMAXI,
    CRETEMINI,
    FREQUENCE,
    NBFRONTS,
    TOTALPOINTS,
    TRIER,
    DEPHASAGE
};
} // namespace fonction

} // namespace pelavorine
