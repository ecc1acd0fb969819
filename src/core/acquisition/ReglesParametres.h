#pragma once

#include "core/interface/ParametresAcquisition.h"

#include <QString>
#include <cstdint>

namespace pelavorine {

class CoucheInterface;
class Hote;
class TableVariables;
class Travail;
class TypeSortie;
class TypeVoie;

// The rules that tie the acquisition parameters to the interface in use: channel counts, the
// period's limits, the time base, channel modes and the trigger's raw level. The parameters
// form and the acquisition run share them.
namespace regles {

inline constexpr double PeriodeMaximale = 600'000'000.0; // µs (10 min)
inline constexpr int PointsMaximum = 10000;
inline constexpr int EchantillonsMaximum = 100;
// The interface whose period is set in 0.5 µs steps.
inline const QString SoucheDemiMicroseconde = QStringLiteral("TORVA-PCI");
// Change requests of a new period: time base, axes and curves.
inline constexpr std::uint16_t DemandesPeriode = 0x04E1;

struct ComptesVoies {
    int entrees = 0;        // inputs in service: automatic or step-by-step
    int sortiesPendant = 0; // outputs emitted during the acquisition (emission mode 1)
    int sortiesApres = 0;   // outputs emitted after it (emission mode 2)
    bool PasAPas = false;   // some input in service is step-by-step
};

// The channel variables by number (nullptr when the work has none).
TypeVoie* Entree(TableVariables& variables, int numero);
const TypeVoie* Entree(const TableVariables& variables, int numero);
TypeSortie* Sortie(TableVariables& variables, int numero);
const TypeSortie* Sortie(const TableVariables& variables, int numero);

// An input takes part in acquisitions when its mode is not "Inactif" and no sensor assigned
// automatically inhibits it; an output when a form is chosen and its emission mode is 1 or 2.
bool EntreeEnService(const TypeVoie& voie);
ComptesVoies CompterVoies(const TableVariables& variables);

// The period's lower limit for the form: the minimal period for the inputs in service and the
// outputs in mode 1, or in mode 2 when no input is in service.
double PeriodeMinimale(CoucheInterface& couche, const ComptesVoies& comptes, int echantillons);
// The minimal period the duration check and the run compare against (outputs in mode 1).
double PeriodeMinimaleAcquisition(CoucheInterface& couche, const ComptesVoies& comptes,
                                  int echantillons);
// Rounded to 0.5 µs on the half-microsecond interface, else to 1 µs.
double ArrondirPeriode(double periode, const QString& souche);
// Rounded, then kept within [minimum, 600 000 000 µs].
double LimiterPeriode(double periode, double minimum, const QString& souche);

// A new period (µs): the record, its whole value, the time base and the change requests.
void AppliquerPeriode(Travail& travail, double periode);
// A new point count (1..10 000): the time base and every table follow.
void AppliquerNbPoints(Travail& travail, int points);

// Before an acquisition: a period below the minimal one asks "Durée d'acquisition trop
// faible…"; yes takes the minimum. True when the period is now at least the minimum.
bool VerifierDuree(Travail& travail, CoucheInterface& couche);
QString QuestionDureeTropFaible(double minimum);

// A mode for an input (Automatique, PasAPas, Inactif): an automatic input reads nothing step
// by step, and without a system the only step-by-step reading is the keyboard; then the
// consecutive-inputs rule is applied.
void FixerModeEntree(TableVariables& variables, CoucheInterface& couche, int numero,
                     std::uint8_t mode);
// When the interface samples consecutive inputs only (PELAVORINE_ETAT_ENTREES_CONSECUTIVES),
// every automatic input after the first inactive one becomes inactive. Returns the number of
// inputs changed.
int AppliquerEntreesConsecutives(TableVariables& variables, CoucheInterface& couche);

// A level typed in the input's physical unit, back in volts: (level − offset) / scale.
double NiveauEnVolts(const TypeVoie& voie, double niveauPhysique);
double NiveauPhysique(const TypeVoie& voie, double volts);
// The text of a typed level; a text that is not a number gives 0.
double LireNiveau(const QString& texte);
// The raw level of the current trigger: VoltBinEA(level, calibre) for an input, the bits for
// a logic port "Actif sur état 1", else 0.
std::int16_t NiveauBrut(const ParametresAcquisition& p, const TableVariables& variables,
                        const CoucheInterface& couche);
// Applies the trigger of the "Acquis" page: the source; for an input the level typed in
// physical units; for a logic port the bits (the port becomes an input). The condition is the
// index in the offered list (0, 1), 3 is added for a logic port.
void AppliquerDeclenchement(Travail& travail, CoucheInterface& couche, int source,
                            int indexCondition, double niveauPhysique, std::uint8_t bits);

} // namespace regles
} // namespace pelavorine
