/* The interface header as a library written in C includes it: it compiles as C99 and its
 * codes are constant expressions, usable as case labels and array sizes. Compiled, not run. */
#include <pelavorine/interface.h>

uint8_t anneau[PELAVORINE_TAILLE_ANNEAU];
int8_t carte[PELAVORINE_CASE_SORTIE(2) + 1];
double niveaux[PELAVORINE_SOURCE_SYNCHRO_EXTERNE + 1];
int32_t sensPorts[PELAVORINE_PORT_ABSENT + 1];
const char* const textes[] = {PELAVORINE_TEXTE_PROGRAMMABLE, PELAVORINE_TEXTE_SANS_CHOIX};

const char* LireInfos(int32_t type, int32_t index, int32_t sous) {
    (void)index;
    switch (type) {
    case PELAVORINE_INFO_PORT:
        return sous == PELAVORINE_INFO_PORT_PROGRAMMABLE ? textes[0]
               : sous == PELAVORINE_INFO_PORT_NOM        ? "Port"
                                                         : "";
    case PELAVORINE_INFO_CALIBRE_ENTREE:
    case PELAVORINE_INFO_CALIBRE_SORTIE:
        return sous == PELAVORINE_INFO_CHOIX_CALIBRE ? textes[1] : "";
    case PELAVORINE_INFO_NOM_ENTREE:
    case PELAVORINE_INFO_NOM_SORTIE:
    case PELAVORINE_INFO_GAIN:
    case PELAVORINE_INFO_VERSION:
    default:
        return "";
    }
}

int32_t OkEtatSysteme(int32_t bit) {
    switch (bit) {
    case PELAVORINE_ETAT_CALIBRE_COMMUN:
    case PELAVORINE_ETAT_DIFFERENTIEL:
    case PELAVORINE_ETAT_ENTREES_CONSECUTIVES:
    case PELAVORINE_ETAT_SYNCHRO_EXTERNE:
    case PELAVORINE_ETAT_PREMIERE_DECLENCHE:
    case PELAVORINE_ETAT_HORS_TEMPS_REEL:
        return 1;
    default:
        return 0;
    }
}

int32_t Etat(int32_t element) {
    switch (element) {
    case PELAVORINE_ELEMENT_DIFFERENTIEL:
    case PELAVORINE_ELEMENT_TRACE_PAR_POINT:
        return 1;
    default:
        return 0;
    }
}

int32_t Sens(int32_t sens) {
    switch (sens) {
    case PELAVORINE_PORT_ENTREE:
    case PELAVORINE_PORT_SORTIE:
    case PELAVORINE_PORT_IDENTIFICATION:
        return 1;
    case PELAVORINE_PORT_INUTILISABLE:
    case PELAVORINE_PORT_ABSENT:
    default:
        return 0;
    }
}

int32_t Declenchement(int32_t source, int32_t condition) {
    switch (source) {
    case PELAVORINE_SOURCE_AUCUNE:
    case PELAVORINE_DERNIERE_ENTREE:
    case PELAVORINE_SOURCE_PORT(1):
    case PELAVORINE_SOURCE_SYNCHRO_EXTERNE:
        break;
    default:
        return 0;
    }
    switch (condition) {
    case PELAVORINE_CONDITION_MONTANT:
    case PELAVORINE_CONDITION_DESCENDANT:
    case PELAVORINE_CONDITION_VARIATIONS:
    case PELAVORINE_CONDITION_ETAT0:
    case PELAVORINE_CONDITION_ETAT1:
        return 1;
    default:
        return 0;
    }
}
