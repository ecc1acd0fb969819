#include "core/acquisition/ReglesParametres.h"

#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/Hote.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/Travail.h"

#include <algorithm>
#include <cmath>

namespace pelavorine::regles {

namespace {

template <typename T, typename Table> T* Chercher(Table& variables, int numero) {
    for (int slot = 1; slot <= variables.DerniereCase(); ++slot)
        if (auto* v = dynamic_cast<T*>(variables.Variable(slot)); v && v->Numero == numero)
            return v;
    return nullptr;
}

bool EstEntree(int source) {
    return source >= 0 && source <= PELAVORINE_DERNIERE_ENTREE;
}
bool EstPortLogique(int source) {
    return source >= PELAVORINE_SOURCE_PORT(0) && source < PELAVORINE_SOURCE_SYNCHRO_EXTERNE;
}

} // namespace

TypeVoie* Entree(TableVariables& variables, int numero) {
    return Chercher<TypeVoie>(variables, numero);
}
const TypeVoie* Entree(const TableVariables& variables, int numero) {
    return Chercher<const TypeVoie>(variables, numero);
}
TypeSortie* Sortie(TableVariables& variables, int numero) {
    return Chercher<TypeSortie>(variables, numero);
}
const TypeSortie* Sortie(const TableVariables& variables, int numero) {
    return Chercher<const TypeSortie>(variables, numero);
}

bool EntreeEnService(const TypeVoie& voie) {
    return voie.Etat != TypeVoie::Inactif && voie.Capteur != 255;
}

ComptesVoies CompterVoies(const TableVariables& variables) {
    ComptesVoies c;
    for (int slot = 1; slot <= variables.DerniereCase(); ++slot) {
        const TypeId* v = variables.Variable(slot);
        if (const auto* e = dynamic_cast<const TypeVoie*>(v)) {
            if (!EntreeEnService(*e)) continue;
            ++c.entrees;
            if (e->Etat == TypeVoie::PasAPas) c.PasAPas = true;
        } else if (const auto* s = dynamic_cast<const TypeSortie*>(v)) {
            // An output without a form emits nothing and takes no slot.
            if (s->Forme == 0) continue;
            if (s->ModeEmission == 1) ++c.sortiesPendant;
            if (s->ModeEmission == 2) ++c.sortiesApres;
        }
    }
    return c;
}

double PeriodeMinimale(CoucheInterface& couche, const ComptesVoies& comptes, int echantillons) {
    const int sorties = comptes.entrees > 0 ? comptes.sortiesPendant : comptes.sortiesApres;
    return couche.DureeMinimale(comptes.entrees, sorties, std::max(echantillons, 1));
}

double PeriodeMinimaleAcquisition(CoucheInterface& couche, const ComptesVoies& comptes,
                                  int echantillons) {
    return couche.DureeMinimale(comptes.entrees, comptes.sortiesPendant, std::max(echantillons, 1));
}

double ArrondirPeriode(double periode, const QString& souche) {
    if (souche.compare(SoucheDemiMicroseconde, Qt::CaseInsensitive) == 0)
        return std::round(periode * 2.0) / 2.0;
    return std::round(periode);
}

double LimiterPeriode(double periode, double minimum, const QString& souche) {
    // A minimum that falls between two steps is raised to the next step, never below.
    double p = ArrondirPeriode(periode, souche);
    double bas = ArrondirPeriode(minimum, souche);
    if (bas < minimum) bas = ArrondirPeriode(minimum + 0.5, souche);
    if (!std::isfinite(p) || p < bas) p = bas;
    return std::clamp(p, std::min(bas, PeriodeMaximale), PeriodeMaximale);
}

void AppliquerPeriode(Travail& travail, double periode) {
    if (!std::isfinite(periode) || periode <= 0.0) return;
    periode = std::min(periode, PeriodeMaximale);
    ParametresAcquisition& p = travail.Parametres();
    p.periode = periode;
    p.periodeEntiere = static_cast<int>(std::lround(periode));
    // The time base reads the new interval from the work.
    travail.Variables().CreerBaseDeTemps(0.0);
    travail.DemanderMiseAJour(DemandesPeriode);
}

void AppliquerNbPoints(Travail& travail, int points) {
    travail.Variables().ChangerNbPoints(std::clamp(points, 1, PointsMaximum), true);
}

QString QuestionDureeTropFaible(double minimum) {
    return QStringLiteral("Durée d'acquisition trop faible. Prendre la durée minimum de ") +
           QString::number(minimum) + QStringLiteral("µs");
}

bool VerifierDuree(Travail& travail, CoucheInterface& couche) {
    const ComptesVoies c = CompterVoies(travail.Variables());
    const double minimum = PeriodeMinimaleAcquisition(couche, c, travail.Parametres().echantillons);
    if (travail.Parametres().periode >= minimum) return true;
    if (!travail.hote().Question(QuestionDureeTropFaible(minimum), true)) return false;
    AppliquerPeriode(travail, minimum);
    return true;
}

void FixerModeEntree(TableVariables& variables, CoucheInterface& couche, int numero,
                     std::uint8_t mode) {
    TypeVoie* voie = Entree(variables, numero);
    if (!voie || mode > TypeVoie::Inactif) return;
    voie->Etat = mode;
    if (mode == TypeVoie::Automatique) voie->Lecture = TypeVoie::LectureInstantanee;
    if (couche.SansSysteme()) {
        if (mode == TypeVoie::Automatique) voie->Etat = TypeVoie::Inactif;
        voie->Lecture = TypeVoie::LectureClavier;
    }
    // Put in service, an input still in the grey it was created with takes its own colour.
    if (voie->Etat != TypeVoie::Inactif && voie->Couleur == TypeVoie::GrisInactif)
        voie->Couleur = variables.palette[voie->Numero % 16];
    AppliquerEntreesConsecutives(variables, couche);
    variables.DemanderMiseAJour(demande::ReglagesVoies);
}

int AppliquerEntreesConsecutives(TableVariables& variables, CoucheInterface& couche) {
    const auto ok = couche.Entrees().OkEtatSysteme;
    if (couche.SansSysteme() || !ok || !ok(PELAVORINE_ETAT_ENTREES_CONSECUTIVES)) return 0;
    int changees = 0;
    bool apresInactive = false;
    for (int n = couche.PremiereEntree(); n <= couche.DerniereEntree(); ++n) {
        TypeVoie* voie = Entree(variables, n);
        if (!voie) continue;
        if (apresInactive && voie->Etat == TypeVoie::Automatique) {
            voie->Etat = TypeVoie::Inactif;
            ++changees;
        }
        if (voie->Etat == TypeVoie::Inactif) apresInactive = true;
    }
    return changees;
}

double NiveauEnVolts(const TypeVoie& voie, double niveauPhysique) {
    // The level is shown as volts × scale + offset: the same relation reads it back, so a
    // level shown and typed again stays the same.
    if (voie.Echelle == 0.0 || !std::isfinite(voie.Echelle)) return niveauPhysique;
    return (niveauPhysique - voie.DecalageCapteur) / voie.Echelle;
}

double NiveauPhysique(const TypeVoie& voie, double volts) {
    return volts * voie.Echelle + voie.DecalageCapteur;
}

double LireNiveau(const QString& texte) {
    bool ok = false;
    double v = texte.trimmed().toDouble(&ok);
    if (!ok) v = QString(texte).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

std::int16_t NiveauBrut(const ParametresAcquisition& p, const TableVariables& variables,
                        const CoucheInterface& couche) {
    if (EstEntree(p.sourceDeclenchement)) {
        const TypeVoie* voie = Entree(variables, p.sourceDeclenchement);
        const auto convertir = couche.Entrees().VoltBinEA;
        if (!voie || !convertir) return 0;
        const int brut = convertir(p.niveauDeclenchement, voie->Calibre);
        return static_cast<std::int16_t>(std::clamp(brut, -32768, 32767));
    }
    if (EstPortLogique(p.sourceDeclenchement))
        return p.condition == ParametresAcquisition::Declenchement::Etat1 ? p.bitsDeclenchement : 0;
    return 0;
}

void AppliquerDeclenchement(Travail& travail, CoucheInterface& couche, int source,
                            int indexCondition, double niveauPhysique, std::uint8_t bits) {
    ParametresAcquisition& p = travail.Parametres();
    p.sourceDeclenchement = static_cast<std::int8_t>(source);
    // The list offers the two edges for an input, the two states for a port.
    const int condition =
        std::clamp(indexCondition, 0, 1) +
        (EstPortLogique(source) ? PELAVORINE_CONDITION_ETAT0 : PELAVORINE_CONDITION_MONTANT);
    p.condition = static_cast<ParametresAcquisition::Declenchement>(condition);
    if (couche.SansSysteme()) return;
    if (EstEntree(source)) {
        const TypeVoie* voie = Entree(travail.Variables(), source);
        p.niveauDeclenchement = voie ? NiveauEnVolts(*voie, niveauPhysique) : niveauPhysique;
    } else if (EstPortLogique(source)) {
        p.bitsDeclenchement = bits;
        couche.ProgrammerSensPort(source - PELAVORINE_SOURCE_PORT(0), PELAVORINE_PORT_ENTREE);
    }
    p.niveauBrut = NiveauBrut(p, travail.Variables(), couche);
}

} // namespace pelavorine::regles
