/* The binary interface between Pelavorine and an acquisition system library.
 *
 * A library is a shared object named after its stem (SIMULATION.so) that exports every
 * entry point below with C linkage; only LireDureeMinimale may be missing (the program then
 * measures the minimal period itself). Integers are 32-bit, channel, port and calibre numbers
 * 8-bit unsigned, reals 64-bit; times are in µs and voltages in V. Booleans are 32-bit ints
 * (0 false, non-zero true). Texts are NUL-terminated Windows-1252, owned by the library and
 * valid until the next call.
 */
#ifndef PELAVORINE_INTERFACE_H
#define PELAVORINE_INTERFACE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Scan slots: analog inputs by their number (0..PELAVORINE_DERNIERE_ENTREE), analog output n
 * (from 1) in slot PELAVORINE_CASE_SORTIE(n) (9, 10). */
#define PELAVORINE_NB_CASES 11
#define PELAVORINE_DERNIERE_ENTREE 8
#define PELAVORINE_CASE_SORTIE(sortie) (8 + (sortie))
/* The scan ring: entry 0 holds the first slot scanned, entry s + 1 the slot scanned after
 * slot s; the last slot points back to the first; 0xFF marks a slot that is not scanned. */
#define PELAVORINE_TAILLE_ANNEAU 12
#define PELAVORINE_HORS_ANNEAU 0xFF
/* Channel map: one signed byte per slot: the channel in service on that slot, or -1; for an
 * output slot 0..15 emits the output's own variable and 0x70 + n repeats input n. */
#define PELAVORINE_REPETER_ENTREE 0x70
/* Flags word: set by the program when the user stops a long block. */
#define PELAVORINE_ARRET_BLOC_LONG 0x80

/* Called after each point acquired with its number (from 1). */
typedef void (*PelavorineProcedurePoint)(int32_t point);
/* Runs one prepared block (the minimal-period measurement only). */
typedef void (*PelavorineProcedureBloc)(void);

/* The descriptor of an interface, owned by the library. Offsets 0..59 are those of the
 * original 32-bit layout; from 60 on the fields keep their order with natural alignment. */
typedef struct TypeSysteme {
    uint8_t longueurNom;    /* 0: display name, length then up to 20 characters */
    char nom[20];           /* 1 */
    uint8_t longueurTexte;  /* 21: second text, shown on the system line */
    char texte[16];         /* 22 */
    uint16_t drapeaux;      /* 38: bit 0x80 set by the program (long block stopped) */
    int32_t adresse;        /* 40: first I/O address, 0 = none */
    int32_t adresse2;       /* 44: second I/O address, 0 = none */
    uint8_t premiereEntree; /* 48: number of the first analog input */
    uint8_t derniereEntree; /* 49: number of the last analog input (at most 8) */
    uint8_t premiereSortie; /* 50: number of the first analog output */
    uint8_t derniereSortie; /* 51: number of the last analog output */
    uint8_t reserve52[4];   /* 52 */
    uint8_t nbPorts;        /* 56: number of logic ports */
    uint8_t reserve57;      /* 57 */
    uint8_t arret;          /* 58: set to 1 to end the running block or emission */
    uint8_t blocLong;       /* 59: 1 when period × points exceeds 2 000 000 µs */
    int16_t* tampon;        /* 64: sample buffer of the block in progress */
    uint8_t anneau[PELAVORINE_TAILLE_ANNEAU]; /* 72: scan ring */
    PelavorineProcedureBloc procedureBloc;    /* 88 */
    int32_t appelProcedure;                   /* 96: set to 1 before each call of procedureBloc */
} TypeSysteme;

#ifdef __cplusplus
static_assert(offsetof(TypeSysteme, longueurTexte) == 21, "layout");
static_assert(offsetof(TypeSysteme, drapeaux) == 38, "layout");
static_assert(offsetof(TypeSysteme, adresse) == 40, "layout");
static_assert(offsetof(TypeSysteme, adresse2) == 44, "layout");
static_assert(offsetof(TypeSysteme, premiereEntree) == 48, "layout");
static_assert(offsetof(TypeSysteme, derniereSortie) == 51, "layout");
static_assert(offsetof(TypeSysteme, nbPorts) == 56, "layout");
static_assert(offsetof(TypeSysteme, arret) == 58, "layout");
static_assert(offsetof(TypeSysteme, blocLong) == 59, "layout");
static_assert(offsetof(TypeSysteme, tampon) == 64, "layout");
static_assert(offsetof(TypeSysteme, anneau) == 72, "layout");
static_assert(offsetof(TypeSysteme, procedureBloc) == 88, "layout");
static_assert(offsetof(TypeSysteme, appelProcedure) == 96, "layout");
static_assert(sizeof(TypeSysteme) == 104, "layout");
#endif

/* Sample buffer: 16-bit signed words; word 0 = number of slots per scan; then one word per
 * slot of each scan, scans one after another, slots in ring order. Output slots carry the raw
 * code to emit; input slots are 0 before the run and receive the raw code. An output slot that
 * repeats an input of the same scan holds -2 × (ring steps back to that input). */

/* Error codes of AcquerirTable. */
#define PELAVORINE_ACQUISITION_INTERROMPUE 1
#define PELAVORINE_TROP_DE_POINTS 5

/* Kinds of LireInfos(kind, index, sub). */
#define PELAVORINE_INFO_NOM_ENTREE 1     /* name of input `index` */
#define PELAVORINE_INFO_NOM_SORTIE 2     /* name of output `index` */
#define PELAVORINE_INFO_PORT 3           /* logic port `index`, with the sub-kinds below */
#define PELAVORINE_INFO_CALIBRE_ENTREE 4 /* label of calibre `sub` (from 1) of input `index` */
#define PELAVORINE_INFO_CALIBRE_SORTIE 5 /* the same for output `index` */
#define PELAVORINE_INFO_GAIN 6           /* label of gain `sub` (from 1) of input `index` */
#define PELAVORINE_INFO_VERSION 7        /* driver version */
/* Sub-kinds of PELAVORINE_INFO_PORT: its name (empty past the last port), and "1" when its
 * direction is programmable. */
#define PELAVORINE_INFO_PORT_NOM 1
#define PELAVORINE_INFO_PORT_PROGRAMMABLE 4
#define PELAVORINE_TEXTE_PROGRAMMABLE "1"
/* Sub-kind of the calibre kinds: the text PELAVORINE_TEXTE_SANS_CHOIX when the channel
 * offers no choice of calibre. */
#define PELAVORINE_INFO_CHOIX_CALIBRE (-1)
#define PELAVORINE_TEXTE_SANS_CHOIX "-"

/* Bits asked of OkEtatSysteme(bit). */
#define PELAVORINE_ETAT_CALIBRE_COMMUN 0x100       /* one calibre for all inputs */
#define PELAVORINE_ETAT_DIFFERENTIEL 0x200         /* differential mode exists */
#define PELAVORINE_ETAT_ENTREES_CONSECUTIVES 0x400 /* only consecutive inputs from the first */
#define PELAVORINE_ETAT_SYNCHRO_EXTERNE 0x800      /* external synchronisation exists */
#define PELAVORINE_ETAT_PREMIERE_DECLENCHE 0x1000  /* only the first active input triggers */
/* The interface does not run in real time (a simulation paced as fast as it can go): the
 * program need not leave the hardware any pause. A library that does not know the bit answers
 * 0, the pauses are kept. */
#define PELAVORINE_ETAT_HORS_TEMPS_REEL 0x2000

/* Elements of ProgrammerEtatSysteme(element, value). */
#define PELAVORINE_ELEMENT_DIFFERENTIEL 2    /* differential inputs, 0 or 1 */
#define PELAVORINE_ELEMENT_TRACE_PAR_POINT 4 /* 1 before a permanent run drawn point by point */

/* Port directions: answered by LireSensPort, asked of ProgrammerSensPort. */
#define PELAVORINE_PORT_ENTREE 0
#define PELAVORINE_PORT_SORTIE 1
#define PELAVORINE_PORT_IDENTIFICATION 3 /* sensor identification, asked only */
#define PELAVORINE_PORT_INUTILISABLE 4   /* answered only */
#define PELAVORINE_PORT_ABSENT 5         /* answered only: no such port, ends the list */

/* Trigger sources of ProgrammerDeclenchement(source, level, condition): analog input n by
 * its number (0..PELAVORINE_DERNIERE_ENTREE, level in V), logic port n (from 1) as
 * PELAVORINE_SOURCE_PORT(n) (level = bit mask), external synchronisation; none is
 * (PELAVORINE_SOURCE_AUCUNE, 0, 0). */
#define PELAVORINE_SOURCE_AUCUNE (-1)
#define PELAVORINE_SOURCE_PORT(port) (9 + (port))
#define PELAVORINE_SOURCE_SYNCHRO_EXTERNE 70
/* Trigger conditions: the edges for an input, the states for a logic port. */
#define PELAVORINE_CONDITION_MONTANT 0
#define PELAVORINE_CONDITION_DESCENDANT 1
#define PELAVORINE_CONDITION_VARIATIONS 2 /* never offered */
#define PELAVORINE_CONDITION_ETAT0 3
#define PELAVORINE_CONDITION_ETAT1 4

/* Entry points. */
TypeSysteme* RenvoyerSysteme(void);
void FermetureDLL(void);
int32_t SystemePresent(void);
/* kind: PELAVORINE_INFO_*; an empty text past the last item. */
const char* LireInfos(int32_t type, int32_t index, int32_t sous);
/* bit: PELAVORINE_ETAT_*; true when the interface has that property. */
int32_t OkEtatSysteme(int32_t bit);
/* element: PELAVORINE_ELEMENT_*. */
void ProgrammerEtatSysteme(int32_t element, int32_t valeur);
int32_t LireTempo(void);
void EcrireTempo(int32_t tempo);
void LimitesCalibreEA(uint8_t voie, uint8_t calibre, double* minimum, double* maximum);
void LimitesCalibreSA(uint8_t voie, uint8_t calibre, double* minimum, double* maximum);
void EcrireCalibreEA(uint8_t entree, uint8_t calibre);
void EcrireGain(uint8_t entree, uint8_t gain);
int32_t LireEA_Entier(uint8_t entree, int32_t lectures);
double LireEA_Reel(uint8_t entree, int32_t lectures);
double BinVoltEA(int32_t brut, uint8_t calibre);
double BinVoltSA(int32_t brut, uint8_t calibre);
int32_t VoltBinEA(double volts, uint8_t calibre);
int32_t VoltBinSA(double volts, uint8_t calibre);
void EcrireSA_Reel(uint8_t sortie, double volts);
uint8_t LirePort(uint8_t port);
void EcrirePort(uint8_t port, uint8_t octet);
/* PELAVORINE_PORT_ENTREE, _SORTIE, _INUTILISABLE or _ABSENT (ends the list). */
int32_t LireSensPort(uint8_t port);
/* PELAVORINE_PORT_ENTREE, _SORTIE or _IDENTIFICATION; true on success. */
int32_t ProgrammerSensPort(uint8_t port, int32_t sens);
void ProgrammerTimer(int32_t periode, int32_t mode); /* 0.5 µs units */
void ValiderTimer(void);
void DevaliderTimer(void);
int32_t LireTimer(void);
/* source: PELAVORINE_SOURCE_*; condition: PELAVORINE_CONDITION_*. */
void ProgrammerDeclenchement(int32_t source, double niveau, int32_t condition);
void ProgrammerSortieVoieEnAcquis(int32_t slot, int32_t voie);
void PreparerAcquisition(int32_t points, int32_t echantillons, double periode, const int8_t* carte,
                         PelavorineProcedurePoint rappel);
/* Blocks until done or stopped; 0 or an error code. */
int32_t AcquerirTable(int16_t* tampon, int32_t* pointsAcquis);
void PreparerEmission(int32_t points, int32_t repetitions, double periode, int32_t reserve1,
                      int32_t reserve2);
int32_t EmettreSorties(int16_t* tampon);
/* Optional. */
double LireDureeMinimale(int32_t entrees, int32_t sorties, int32_t echantillons);

/* Looked up, never called by the program. */
int32_t LireCalibreEA(uint8_t entree);
int32_t LireGain(uint8_t entree);
void ProgrammerAccesRapide(int32_t oui);
int32_t LireCalibreSA(uint8_t sortie);
void EcrireCalibreSA(uint8_t sortie, uint8_t calibre);
void EcrireSA_Entier(uint8_t sortie, int32_t brut);
int32_t LireBit(uint8_t port, uint8_t bit);
void EcrireBit(uint8_t port, uint8_t bit, int32_t valeur);
void Declencher(void);

#ifdef __cplusplus
}
#endif

#endif
