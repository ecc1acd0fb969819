// The simulated acquisition interface: eight inputs wired to fixed signals (EA6 and EA7 to
// the two outputs), two outputs, two logic ports (the second carries an identification box)
// and a simulated clock that advances by one period per point.
//
// Built several times: the compile definitions below give the small broken libraries that
// check how the program refuses a library.
//   PELAVORINE_NOM_SYSTEME          display name (default "SIMULATION")
//   PELAVORINE_SANS_ACQUERIR_TABLE  AcquerirTable is not exported
//   PELAVORINE_SANS_DUREE_MINIMALE  LireDureeMinimale is not exported
//   PELAVORINE_SYSTEME_ABSENT       SystemePresent answers 0

#include "Export.h"
#include "Signaux.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#ifndef PELAVORINE_NOM_SYSTEME
#define PELAVORINE_NOM_SYSTEME "SIMULATION"
#endif

namespace {

using namespace pelavorine::simulation;
using Horloge = std::chrono::steady_clock;

constexpr int PremiereEntree = 0;
constexpr int DerniereEntree = 7;
constexpr int PremiereSortie = 1;
constexpr int DerniereSortie = 2;
constexpr int NbPorts = 2;
constexpr int PortIdentification = 2;
constexpr int NbCalibres = 3;
constexpr std::array<double, NbCalibres> PleineEchelle{10.0, 5.0, 1.0};
constexpr std::array<const char*, NbCalibres> LibellesCalibres{"+/-10V", "+/-5V", "+/-1V"};
// Each active input and each active output takes 10 µs of the scan.
constexpr double DureeParVoieUs = 10.0;
// Scans one block may bring back; beyond, AcquerirTable answers "too many points".
constexpr int MaxScans = 32000;
// A trigger not met within this simulated time never comes (the default signals repeat
// every 100 ms at most): the block fails instead of blocking the program for ever.
constexpr double AttenteDeclenchementMaxUs = 1e6;
constexpr int CodeErreurAcquisition = 6;

struct Declenchement {
    int source = PELAVORINE_SOURCE_AUCUNE;
    double niveau = 0;
    int condition = PELAVORINE_CONDITION_MONTANT;
};

struct Etat {
    TypeSysteme systeme{};
    double horlogeUs = 0; // simulated time of the next sample
    std::array<uint8_t, DerniereEntree + 1> calibreEA{};
    std::array<uint8_t, DerniereEntree + 1> gainEA{};
    std::array<uint8_t, DerniereSortie + 1> calibreSA{};
    std::array<double, DerniereSortie + 1> tensionSA{}; // what each output emits now
    std::array<int, PELAVORINE_NB_CASES> repetition{};  // input repeated by an output slot
    std::array<uint8_t, NbPorts + 1> valeurPort{};
    std::array<int, NbPorts + 1> sensPort{};
    std::array<uint8_t, 4> capteurs{}; // numbers seen by the identification box, sockets 1..4
    bool differentiel = false;
    bool traceParPoint = false;
    int32_t tempo = 0;
    Declenchement declenchement;
    int32_t points = 0;
    int32_t echantillons = 1;
    double periodeUs = 0;
    PelavorineProcedurePoint rappel = nullptr;
    int32_t pointsEmission = 0;
    int32_t repetitionsEmission = 1;
    double periodeEmissionUs = 0;
    double periodeTimerUs = 0;
    bool timerValide = false;
    Horloge::time_point departTimer{};
    std::string texte; // the last text given by LireInfos
};

Etat& E() {
    static Etat etat;
    return etat;
}

void PreparerDescripteur(TypeSysteme& s);
void ExecuterBlocPrepare();

// Sensor numbers of the identification box: PELAVORINE_SIMULATION_CAPTEURS="n1,n2,n3,n4",
// nothing plugged by default.
void LireCapteurs(Etat& e) {
    e.capteurs = {};
    const char* texte = std::getenv("PELAVORINE_SIMULATION_CAPTEURS");
    if (!texte) return;
    unsigned n[4] = {0, 0, 0, 0};
    const int lus = std::sscanf(texte, "%u,%u,%u,%u", &n[0], &n[1], &n[2], &n[3]);
    for (int i = 0; i < lus && i < 4; ++i)
        e.capteurs[i] = static_cast<uint8_t>(std::min(n[i], 255u));
}

void Initialiser() {
    Etat& e = E();
    PreparerDescripteur(e.systeme);
    e.calibreEA.fill(1);
    e.calibreSA.fill(1);
    e.gainEA.fill(1);
    e.repetition.fill(-1);
    LireCapteurs(e);
    ChargerReglagesSignaux();
}

// The state is set when the library is loaded, before the program asks anything.
struct AuChargement {
    AuChargement() { Initialiser(); }
} auChargement;

void PreparerDescripteur(TypeSysteme& s) {
    s = TypeSysteme{};
    const char nom[] = PELAVORINE_NOM_SYSTEME;
    s.longueurNom = static_cast<uint8_t>(std::min(sizeof nom - 1, sizeof s.nom));
    std::memcpy(s.nom, nom, s.longueurNom);
    const char texte[] = "Signaux simul\xE9s"; // Windows-1252
    s.longueurTexte = static_cast<uint8_t>(std::min(sizeof texte - 1, sizeof s.texte));
    std::memcpy(s.texte, texte, s.longueurTexte);
    s.premiereEntree = PremiereEntree;
    s.derniereEntree = DerniereEntree;
    s.premiereSortie = PremiereSortie;
    s.derniereSortie = DerniereSortie;
    s.nbPorts = NbPorts;
    std::fill(std::begin(s.anneau), std::end(s.anneau), PELAVORINE_HORS_ANNEAU);
    s.procedureBloc = ExecuterBlocPrepare;
}

bool ModeRapide() {
    const char* valeur = std::getenv("PELAVORINE_SIMULATION_FAST");
    return valeur && std::strcmp(valeur, "1") == 0;
}

// The program may set the stop flag from elsewhere than the point callback (a signal handler,
// another thread): it is read afresh each time.
bool Arret() {
    return std::atomic_ref<uint8_t>(E().systeme.arret).load(std::memory_order_relaxed) != 0;
}

double Echelle(uint8_t calibre) {
    return PleineEchelle[calibre >= 1 && calibre <= NbCalibres ? calibre - 1 : 0];
}

// Raw codes are signed 16-bit, 0 V = 0, full scale = 32768 codes, clamped to the range.
int32_t VersCode(double volts, uint8_t calibre) {
    if (std::isnan(volts)) return 0;
    const double code = std::round(volts * 32768.0 / Echelle(calibre));
    return static_cast<int32_t>(std::clamp(code, -32768.0, 32767.0));
}

double VersVolts(int32_t code, uint8_t calibre) {
    return std::clamp(code, -32768, 32767) * Echelle(calibre) / 32768.0;
}

bool EntreeValide(int entree) {
    return entree >= PremiereEntree && entree <= DerniereEntree;
}
bool SortieValide(int sortie) {
    return sortie >= PremiereSortie && sortie <= DerniereSortie;
}

// Scan slots: the inputs by their number, then the outputs.
bool EstCaseEntree(int c) {
    return c <= PELAVORINE_DERNIERE_ENTREE;
}
int SortieDeCase(int c) {
    return c - PELAVORINE_CASE_SORTIE(0);
}
// An output named by its number or by its scan slot.
int SortieNommee(int index) {
    return EstCaseEntree(index) ? index : SortieDeCase(index);
}

// Voltage present on an input at time t, before the converter.
double Tension(int entree, double tempsUs, uint32_t lecture) {
    if (entree < NbSignaux) return TensionSignal(entree, tempsUs, lecture);
    if (entree == 6 || entree == 7) return E().tensionSA[entree - 5];
    return 0.0;
}

// Mean of `lectures` readings at one instant, as the converter gives it.
int32_t Mesurer(int entree, double tempsUs, int32_t lectures) {
    const int n = std::max(1, lectures);
    double somme = 0;
    for (int i = 0; i < n; ++i)
        somme += Tension(entree, tempsUs, static_cast<uint32_t>(i));
    return VersCode(somme / n, E().calibreEA[entree]);
}

// Slots of the scan ring in scan order; empty when the ring is malformed or names a channel
// the interface does not have.
std::vector<int> CasesAnneau(const TypeSysteme& s) {
    std::vector<int> cases;
    const int premiere = s.anneau[0];
    if (premiere == PELAVORINE_HORS_ANNEAU) return cases;
    int c = premiere;
    do {
        const bool entree = EstCaseEntree(c) && EntreeValide(c);
        const bool sortie =
            !EstCaseEntree(c) && c < PELAVORINE_NB_CASES && SortieValide(SortieDeCase(c));
        if ((!entree && !sortie) || std::find(cases.begin(), cases.end(), c) != cases.end())
            return {};
        cases.push_back(c);
        c = s.anneau[c + 1];
    } while (c != premiere);
    return cases;
}

void Attendre(Horloge::time_point jusque) {
    if (!ModeRapide()) std::this_thread::sleep_until(jusque);
}

// Value of a logic port as the program reads it.
uint8_t ValeurPort(int port) {
    const Etat& e = E();
    if (port < 1 || port > NbPorts) return 0;
    const uint8_t ecrit = e.valeurPort[port];
    if (port != PortIdentification || e.sensPort[port] != PELAVORINE_PORT_IDENTIFICATION)
        return ecrit;
    // Identification box: the low nibble written addresses the box, bits 4..7 answer. At
    // addresses 8..15 bit 4 is always 1; at 0..7 the bits carry the four sensor numbers.
    constexpr uint8_t poids1[8] = {32, 128, 2, 8, 4, 1, 64, 16};
    constexpr uint8_t poids2[8] = {64, 16, 4, 1, 2, 8, 32, 128};
    const int adresse = ecrit & 0x0F;
    uint8_t reponse = static_cast<uint8_t>(adresse);
    if (adresse >= 8) return static_cast<uint8_t>(reponse | 0x10);
    if (e.capteurs[0] & poids1[adresse]) reponse |= 0x40;
    if (e.capteurs[1] & poids2[adresse]) reponse |= 0x80;
    if (e.capteurs[2] & poids2[adresse]) reponse |= 0x20;
    if (e.capteurs[3] & poids1[adresse]) reponse |= 0x10;
    return reponse;
}

enum class Attente { Atteint, Jamais, Arrete };

// Moves the clock to the first point that meets the trigger.
Attente AttendreDeclenchement(Horloge::time_point& depart) {
    Etat& e = E();
    const Declenchement& d = e.declenchement;
    if (d.source < 0 || d.source == PELAVORINE_SOURCE_SYNCHRO_EXTERNE) return Attente::Atteint;
    if (d.source >= PELAVORINE_SOURCE_PORT(0) && d.source <= PELAVORINE_SOURCE_PORT(NbPorts)) {
        // Ports keep their state during a block: the condition holds now or never.
        const uint8_t masque = static_cast<uint8_t>(std::lround(d.niveau) & 0xFF);
        const uint8_t etat = ValeurPort(d.source - PELAVORINE_SOURCE_PORT(0)) & masque;
        if (d.condition == PELAVORINE_CONDITION_ETAT1)
            return etat == masque ? Attente::Atteint : Attente::Jamais;
        if (d.condition == PELAVORINE_CONDITION_ETAT0)
            return etat == 0 ? Attente::Atteint : Attente::Jamais;
        return Attente::Jamais;
    }
    const bool montant = d.condition == PELAVORINE_CONDITION_MONTANT;
    if (!EntreeValide(d.source) || (!montant && d.condition != PELAVORINE_CONDITION_DESCENDANT) ||
        e.periodeUs <= 0)
        return Attente::Atteint;
    // The trigger compares the converted value, as a real converter would.
    const uint8_t calibre = e.calibreEA[d.source];
    auto valeur = [&](double t) { return VersVolts(Mesurer(d.source, t, 1), calibre); };
    const double debut = e.horlogeUs;
    double precedente = valeur(debut);
    for (double t = debut + e.periodeUs; t - debut <= AttenteDeclenchementMaxUs; t += e.periodeUs) {
        const double v = valeur(t);
        const bool franchi = montant ? (precedente < d.niveau && v >= d.niveau)
                                     : (precedente > d.niveau && v <= d.niveau);
        if (franchi) {
            const auto attente = std::chrono::duration<double, std::micro>(t - debut);
            depart += std::chrono::duration_cast<Horloge::duration>(attente);
            Attendre(depart);
            e.horlogeUs = t;
            return Arret() ? Attente::Arrete : Attente::Atteint;
        }
        precedente = v;
    }
    return Attente::Jamais;
}

// Samples one scan at the clock's time, slots in ring order: an input reads what the outputs
// emit at that moment, so an output placed before it in the ring is seen in the same scan.
void Scruter(const std::vector<int>& cases, int16_t* scan, int32_t lectures) {
    Etat& e = E();
    const double t = e.horlogeUs;
    for (size_t k = 0; k < cases.size(); ++k) {
        const int c = cases[k];
        if (EstCaseEntree(c)) {
            scan[k] = static_cast<int16_t>(Mesurer(c, t, lectures));
            continue;
        }
        const int sortie = SortieDeCase(c);
        int32_t code = scan[k];
        if (const int entree = e.repetition[c]; entree >= 0) {
            // The output repeats an input: the code that input received in this scan, or a
            // fresh reading when the input is not scanned before it.
            const auto avant = std::find(cases.begin(), cases.begin() + k, entree);
            code = avant != cases.begin() + k ? scan[avant - cases.begin()] : Mesurer(entree, t, 1);
        }
        e.tensionSA[sortie] = VersVolts(code, e.calibreSA[sortie]);
    }
}

int32_t Acquerir(int16_t* tampon, int32_t* pointsAcquis) {
    Etat& e = E();
    if (pointsAcquis) *pointsAcquis = 0;
    if (!tampon || !pointsAcquis) return CodeErreurAcquisition;
    const std::vector<int> cases = CasesAnneau(e.systeme);
    if (cases.empty() || tampon[0] != static_cast<int16_t>(cases.size()))
        return CodeErreurAcquisition;
    // A reading of one point with n samples and no point callback (the step-by-step reading)
    // brings the n scans back, unaveraged; a block of one point (it has a callback) brings one
    // averaged scan, all that its buffer holds.
    const bool lecture = e.points == 1 && e.echantillons > 1 && !e.rappel;
    const int32_t scans = lecture ? e.echantillons : e.points;
    const int32_t lectures = lecture ? 1 : std::max(1, e.echantillons);
    if (scans > MaxScans) return PELAVORINE_TROP_DE_POINTS;
    if (scans <= 0) return 0;
    if (Arret()) return PELAVORINE_ACQUISITION_INTERROMPUE;

    auto depart = Horloge::now();
    switch (AttendreDeclenchement(depart)) {
    case Attente::Atteint:
        break;
    case Attente::Arrete:
        return PELAVORINE_ACQUISITION_INTERROMPUE;
    case Attente::Jamais:
        return CodeErreurAcquisition;
    }
    // In real time a point never takes less than the minimal period of the scan.
    const double dureeMinimale = DureeParVoieUs * static_cast<double>(cases.size());
    const auto pas = std::chrono::duration_cast<Horloge::duration>(
        std::chrono::duration<double, std::micro>(std::max(e.periodeUs, dureeMinimale)));
    const auto nbCases = static_cast<ptrdiff_t>(cases.size());
    for (int32_t i = 0; i < scans; ++i) {
        Scruter(cases, tampon + 1 + i * nbCases, lectures);
        e.horlogeUs += e.periodeUs;
        Attendre(depart + pas * (i + 1));
        *pointsAcquis = i + 1;
        if (e.rappel) e.rappel(i + 1);
        // A stop ends the run after this block; only a long block is cut short.
        if (Arret() && (e.systeme.drapeaux & PELAVORINE_ARRET_BLOC_LONG))
            return PELAVORINE_ACQUISITION_INTERROMPUE;
    }
    return 0;
}

// The descriptor's block procedure: runs the prepared block on the descriptor's buffer.
void ExecuterBlocPrepare() {
    Etat& e = E();
    int32_t points = 0;
    Acquerir(e.systeme.tampon, &points);
    e.systeme.appelProcedure = 0;
}

const char* Texte(std::string texte) {
    E().texte = std::move(texte);
    return E().texte.c_str();
}

// A name followed by a number ("EA3"); std::to_string would export a symbol of the standard
// library that keeps the library from ever being unloaded.
const char* TexteNumero(const char* prefixe, int numero) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%s%d", prefixe, numero);
    return Texte(texte);
}

} // namespace

extern "C" {

TypeSysteme* RenvoyerSysteme(void) {
    return &E().systeme;
}

void FermetureDLL(void) {
    Etat& e = E();
    e.tensionSA.fill(0);
    e.timerValide = false;
}

int32_t SystemePresent(void) {
    // Asked when the interface is selected for use: the simulated time starts again, with
    // the signals the settings give now.
    E().horlogeUs = 0;
    ChargerReglagesSignaux();
#ifdef PELAVORINE_SYSTEME_ABSENT
    return 0;
#else
    return 1;
#endif
}

const char* LireInfos(int32_t type, int32_t index, int32_t sous) {
    switch (type) {
    case PELAVORINE_INFO_NOM_ENTREE:
        return EntreeValide(index) ? TexteNumero("EA", index) : Texte("");
    case PELAVORINE_INFO_NOM_SORTIE: {
        const int sortie = SortieNommee(index);
        return SortieValide(sortie) ? TexteNumero("SA", sortie) : Texte("");
    }
    case PELAVORINE_INFO_PORT:
        if (index < 1 || index > NbPorts) return Texte("");
        if (sous == PELAVORINE_INFO_PORT_NOM) return TexteNumero("Port ", index);
        return Texte(sous == PELAVORINE_INFO_PORT_PROGRAMMABLE ? PELAVORINE_TEXTE_PROGRAMMABLE
                                                               : "");
    case PELAVORINE_INFO_CALIBRE_ENTREE:
    case PELAVORINE_INFO_CALIBRE_SORTIE: {
        const bool existe = type == PELAVORINE_INFO_CALIBRE_ENTREE
                                ? EntreeValide(index)
                                : SortieValide(SortieNommee(index));
        // PELAVORINE_INFO_CHOIX_CALIBRE included: there is a choice of calibres.
        if (!existe || sous < 1 || sous > NbCalibres) return Texte("");
        return Texte(LibellesCalibres[sous - 1]);
    }
    case PELAVORINE_INFO_VERSION:
        return Texte("1.0");
    default: // PELAVORINE_INFO_GAIN: no programmable gain
        return Texte("");
    }
}

int32_t OkEtatSysteme(int32_t bit) {
    switch (bit) {
    case PELAVORINE_ETAT_DIFFERENTIEL:
    case PELAVORINE_ETAT_SYNCHRO_EXTERNE:
        return 1;
    case PELAVORINE_ETAT_HORS_TEMPS_REEL:
        // In fast mode nothing here waits: the program need not wait either.
        return ModeRapide() ? 1 : 0;
    default:
        return 0;
    }
}

void ProgrammerEtatSysteme(int32_t element, int32_t valeur) {
    if (element == PELAVORINE_ELEMENT_DIFFERENTIEL)
        E().differentiel = valeur != 0;
    else if (element == PELAVORINE_ELEMENT_TRACE_PAR_POINT)
        E().traceParPoint = valeur != 0;
}

int32_t LireTempo(void) {
    return E().tempo;
}
void EcrireTempo(int32_t tempo) {
    E().tempo = tempo;
}

void LimitesCalibreEA(uint8_t, uint8_t calibre, double* minimum, double* maximum) {
    if (minimum) *minimum = -Echelle(calibre);
    if (maximum) *maximum = Echelle(calibre);
}

void LimitesCalibreSA(uint8_t voie, uint8_t calibre, double* minimum, double* maximum) {
    LimitesCalibreEA(voie, calibre, minimum, maximum);
}

void EcrireCalibreEA(uint8_t entree, uint8_t calibre) {
    if (EntreeValide(entree) && calibre >= 1 && calibre <= NbCalibres)
        E().calibreEA[entree] = calibre;
}

void EcrireGain(uint8_t entree, uint8_t gain) {
    if (EntreeValide(entree)) E().gainEA[entree] = gain;
}

int32_t LireEA_Entier(uint8_t entree, int32_t lectures) {
    if (!EntreeValide(entree)) return 0;
    Etat& e = E();
    const int n = std::max(1, lectures);
    // Each reading takes one conversion time, so readings in a row see the signals move.
    double somme = 0;
    for (int i = 0; i < n; ++i) {
        somme += Tension(entree, e.horlogeUs, static_cast<uint32_t>(i));
        e.horlogeUs += DureeParVoieUs;
    }
    return VersCode(somme / n, e.calibreEA[entree]);
}

double LireEA_Reel(uint8_t entree, int32_t lectures) {
    if (!EntreeValide(entree)) return 0;
    return VersVolts(LireEA_Entier(entree, lectures), E().calibreEA[entree]);
}

double BinVoltEA(int32_t brut, uint8_t calibre) {
    return VersVolts(brut, calibre);
}
double BinVoltSA(int32_t brut, uint8_t calibre) {
    return VersVolts(brut, calibre);
}
int32_t VoltBinEA(double volts, uint8_t calibre) {
    return VersCode(volts, calibre);
}
int32_t VoltBinSA(double volts, uint8_t calibre) {
    return VersCode(volts, calibre);
}

void EcrireSA_Reel(uint8_t sortie, double volts) {
    if (!SortieValide(sortie)) return;
    Etat& e = E();
    e.tensionSA[sortie] = VersVolts(VersCode(volts, e.calibreSA[sortie]), e.calibreSA[sortie]);
}

uint8_t LirePort(uint8_t port) {
    return ValeurPort(port);
}

void EcrirePort(uint8_t port, uint8_t octet) {
    if (port >= 1 && port <= NbPorts) E().valeurPort[port] = octet;
}

int32_t LireSensPort(uint8_t port) {
    if (port < 1 || port > NbPorts) return PELAVORINE_PORT_ABSENT;
    // A port reading the identification box is an input.
    return E().sensPort[port] == PELAVORINE_PORT_SORTIE ? PELAVORINE_PORT_SORTIE
                                                        : PELAVORINE_PORT_ENTREE;
}

int32_t ProgrammerSensPort(uint8_t port, int32_t sens) {
    if (port < 1 || port > NbPorts) return 0;
    const bool accepte = sens == PELAVORINE_PORT_ENTREE || sens == PELAVORINE_PORT_SORTIE ||
                         (sens == PELAVORINE_PORT_IDENTIFICATION && port == PortIdentification);
    if (accepte) E().sensPort[port] = sens;
    return accepte ? 1 : 0;
}

void ProgrammerTimer(int32_t periode, int32_t) {
    E().periodeTimerUs = periode * 0.5;
}

void ValiderTimer(void) {
    E().timerValide = true;
    E().departTimer = Horloge::now();
}

void DevaliderTimer(void) {
    E().timerValide = false;
}

int32_t LireTimer(void) {
    const Etat& e = E();
    if (!e.timerValide || e.periodeTimerUs <= 0) return 0;
    const double ecoule =
        std::chrono::duration<double, std::micro>(Horloge::now() - e.departTimer).count();
    return static_cast<int32_t>(static_cast<int64_t>(ecoule / e.periodeTimerUs) & 1);
}

void ProgrammerDeclenchement(int32_t source, double niveau, int32_t condition) {
    E().declenchement = {source, niveau, condition};
}

void ProgrammerSortieVoieEnAcquis(int32_t slot, int32_t voie) {
    Etat& e = E();
    if (slot == 0) {
        e.repetition.fill(-1);
        return;
    }
    if (EstCaseEntree(slot) || slot >= PELAVORINE_NB_CASES) return;
    const int entree = voie >= PELAVORINE_REPETER_ENTREE ? voie - PELAVORINE_REPETER_ENTREE : voie;
    e.repetition[slot] = EntreeValide(entree) ? entree : -1;
}

void PreparerAcquisition(int32_t points, int32_t echantillons, double periode, const int8_t*,
                         PelavorineProcedurePoint rappel) {
    Etat& e = E();
    e.points = points;
    e.echantillons = std::max(1, echantillons);
    e.periodeUs = std::isfinite(periode) ? std::max(0.0, periode) : 0.0;
    e.rappel = rappel;
}

#ifndef PELAVORINE_SANS_ACQUERIR_TABLE
int32_t AcquerirTable(int16_t* tampon, int32_t* pointsAcquis) {
    return Acquerir(tampon, pointsAcquis);
}
#endif

void PreparerEmission(int32_t points, int32_t repetitions, double periode, int32_t, int32_t) {
    Etat& e = E();
    e.pointsEmission = points;
    e.repetitionsEmission = repetitions;
    e.periodeEmissionUs = std::isfinite(periode) ? std::max(0.0, periode) : 0.0;
}

int32_t EmettreSorties(int16_t* tampon) {
    Etat& e = E();
    const std::vector<int> cases = CasesAnneau(e.systeme);
    if (!tampon || cases.empty() || tampon[0] != static_cast<int16_t>(cases.size()))
        return CodeErreurAcquisition;
    if (e.pointsEmission <= 0) return 0;
    const bool rapide = ModeRapide();
    // -1 repeats until the stop flag; in fast mode one pass leaves the outputs where a real
    // emission would end.
    const bool sansFin = e.repetitionsEmission < 0 && !rapide;
    const int32_t passages = std::max(1, e.repetitionsEmission);
    const auto nbCases = static_cast<ptrdiff_t>(cases.size());
    const auto pas = std::chrono::duration_cast<Horloge::duration>(
        std::chrono::duration<double, std::micro>(e.periodeEmissionUs));
    auto depart = Horloge::now();
    int64_t n = 0;
    for (int32_t r = 0; sansFin || r < passages; ++r) {
        for (int32_t i = 0; i < e.pointsEmission; ++i) {
            if (Arret()) return PELAVORINE_ACQUISITION_INTERROMPUE;
            const int16_t* scan = tampon + 1 + i * nbCases;
            for (ptrdiff_t k = 0; k < nbCases; ++k)
                if (const int c = cases[k]; !EstCaseEntree(c))
                    e.tensionSA[SortieDeCase(c)] = VersVolts(scan[k], e.calibreSA[SortieDeCase(c)]);
            e.horlogeUs += e.periodeEmissionUs;
            Attendre(depart + pas * ++n);
        }
    }
    return 0;
}

#ifndef PELAVORINE_SANS_DUREE_MINIMALE
double LireDureeMinimale(int32_t entrees, int32_t sorties, int32_t) {
    // A negative count asks the library directly: only its size matters here.
    const int voies = std::abs(entrees) + std::abs(sorties);
    return voies <= 0 ? 0.0 : DureeParVoieUs * voies;
}
#endif

int32_t LireCalibreEA(uint8_t entree) {
    return EntreeValide(entree) ? E().calibreEA[entree] : 1;
}
int32_t LireGain(uint8_t entree) {
    return EntreeValide(entree) ? E().gainEA[entree] : 1;
}
void ProgrammerAccesRapide(int32_t) {}
int32_t LireCalibreSA(uint8_t sortie) {
    return SortieValide(sortie) ? E().calibreSA[sortie] : 1;
}

void EcrireCalibreSA(uint8_t sortie, uint8_t calibre) {
    if (SortieValide(sortie) && calibre >= 1 && calibre <= NbCalibres)
        E().calibreSA[sortie] = calibre;
}

void EcrireSA_Entier(uint8_t sortie, int32_t brut) {
    if (SortieValide(sortie)) E().tensionSA[sortie] = VersVolts(brut, E().calibreSA[sortie]);
}

int32_t LireBit(uint8_t port, uint8_t bit) {
    return bit < 8 ? (ValeurPort(port) >> bit) & 1 : 0;
}

void EcrireBit(uint8_t port, uint8_t bit, int32_t valeur) {
    if (port < 1 || port > NbPorts || bit >= 8) return;
    uint8_t& octet = E().valeurPort[port];
    octet = static_cast<uint8_t>(valeur ? octet | (1u << bit) : octet & ~(1u << bit));
}

void Declencher(void) {}

} // extern "C"
