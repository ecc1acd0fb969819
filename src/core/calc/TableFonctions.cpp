#include "core/calc/TableFonctions.h"

#include "core/calc/FonctionsNumeriques.h"
#include "core/calc/FonctionsPoint.h"
#include "core/calc/FonctionsScalaires.h"
#include "core/calc/FonctionsTableaux.h"

#include <string_view>

namespace pelavorine {

namespace {

// One function: its number, its name and its handler all come from the one name.
#define FONCTION(nom, arite, expressions, resultat, niveau)                                        \
    DescriptionFonction {                                                                          \
        fonction::nom, #nom, arite, expressions, resultat, niveau, &fonctions::nom                 \
    }

// Name, arity, expressions allowed, result kind, level.
constexpr std::array<DescriptionFonction, NbFonctions> Table = {{
    FONCTION(DIV, 2, true, 0, 20),          FONCTION(MOD, 2, true, 0, 20),
    FONCTION(SQR, 1, true, 0, 20),          FONCTION(SQRT, 1, true, 0, 20),
    FONCTION(LOG, 1, true, 0, 20),          FONCTION(LN, 1, true, 0, 20),
    FONCTION(EXP10, 1, true, 0, 20),        FONCTION(EXP, 1, true, 0, 20),
    FONCTION(INT, 1, true, 0, 20),          FONCTION(FRAC, 1, true, 0, 20),
    FONCTION(FACT, 1, true, 0, 20),         FONCTION(SGN, 1, true, 0, 20),
    FONCTION(SIN, 1, true, 0, 20),          FONCTION(COS, 1, true, 0, 20),
    FONCTION(TAN, 1, true, 0, 20),          FONCTION(ASIN, 1, true, 0, 20),
    FONCTION(ACOS, 1, true, 0, 20),         FONCTION(ATAN, 1, true, 0, 20),
    FONCTION(TABLE, 1, true, 1, 20),        FONCTION(RAMPE, -2, true, 1, 20),
    FONCTION(LRAMPE, 2, true, 1, 20),       FONCTION(AFFECTER, 3, false, -1, 20),
    FONCTION(DERIV, -3, false, 1, 20),      FONCTION(DER2, -3, false, 1, 20),
    FONCTION(INTEG, -4, false, 0, 20),      FONCTION(INTEGN, -4, false, -1, 20),
    FONCTION(CRENEAU, 2, true, 1, 20),      FONCTION(INDICE, 2, false, -1, 20),
    FONCTION(RETARD, 2, false, 1, 20),      FONCTION(AVANCE, 2, false, 1, 20),
    FONCTION(PERIODE, 2, false, 1, 20),     FONCTION(TRIGGER, 2, false, 1, 20),
    FONCTION(TRUNC, 2, false, 1, 20),       FONCTION(ENSEMBLE, -8, true, 1, 20),
    FONCTION(MIN, -8, false, -1, 20),       FONCTION(MAX, -8, false, -1, 20),
    FONCTION(MOY, -8, false, -1, 20),       FONCTION(EFF, -8, false, -1, 20),
    FONCTION(GAIN, 1, true, 0, 20),         FONCTION(MODULE, 2, true, 0, 20),
    FONCTION(ARGUMENT, 2, true, 0, 20),     FONCTION(SH, 1, true, 0, 20),
    FONCTION(CH, 1, true, 0, 20),           FONCTION(TH, 1, true, 0, 20),
    FONCTION(ASH, 1, true, 0, 20),          FONCTION(ACH, 1, true, 0, 20),
    FONCTION(ATH, 1, true, 0, 20),          FONCTION(DEG, 1, true, 0, 20),
    FONCTION(RAD, 1, true, 0, 20),          FONCTION(ABS, 1, true, 0, 20),
    FONCTION(RANDOM, 1, true, 0, 20),       FONCTION(LISSAGE, -2, false, 1, 20),
    FONCTION(PBAS, -3, false, 1, 20),       FONCTION(PHAUT, -3, false, 1, 20),
    FONCTION(PBANDE, -4, false, 1, 20),     FONCTION(FFTM, 1, false, 1, 20),
    FONCTION(FFTA, 1, false, 1, 20),        FONCTION(FFTR, 1, false, 1, 20),
    FONCTION(FFTI, 1, false, 1, 20),        FONCTION(FFTC, 1, false, 1, 20),
    FONCTION(FFTS, 1, false, 1, 20),        FONCTION(FFTP, 1, false, 1, 20),
    FONCTION(RFFT, 2, false, 1, 20),        FONCTION(SEUIL, 4, false, 0, 20),
    FONCTION(IN, 1, true, -1, 20),          FONCTION(OUT, 2, true, -1, 20),
    FONCTION(PEIGNE, 2, true, 1, 20),       FONCTION(TRIANGLE, -2, true, 1, 20),
    FONCTION(SI, 3, true, 0, 30),           FONCTION(NUMPOINT, -1, false, 0, 30),
    FONCTION(CRETEMAXI, -2, false, 1, 30),  FONCTION(CRETEMINI, -2, false, 1, 30),
    FONCTION(FREQUENCE, 1, false, -1, 31),  FONCTION(NBFRONTS, -2, false, -1, 31),
    FONCTION(TOTALPOINTS, 1, true, -1, 31), FONCTION(TRIER, -2, false, 0, 50),
    FONCTION(DEPHASAGE, 2, false, -1, 50),
}};

#undef FONCTION

// The numbers are those the compiled lines hold: each entry sits at its own number.
constexpr bool ALaPlaceDeSonNumero() {
    for (int n = 0; n < NbFonctions; ++n)
        if (Table[static_cast<std::size_t>(n)].numero != n) return false;
    return true;
}
static_assert(ALaPlaceDeSonNumero(), "the function table follows the function numbers");

// The tokeniser compares the first 10 characters of the names: none may hide another.
constexpr bool NomsDistincts() {
    for (const DescriptionFonction& a : Table)
        for (const DescriptionFonction& b : Table)
            if (&a != &b &&
                std::string_view(a.nom).substr(0, 10) == std::string_view(b.nom).substr(0, 10))
                return false;
    return true;
}
static_assert(NomsDistincts(), "two function names share their first 10 characters");

} // namespace

constinit const std::array<DescriptionFonction, NbFonctions> TableFonctions = Table;

} // namespace pelavorine
