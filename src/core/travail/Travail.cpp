#include "core/travail/Travail.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/store/Demandes.h"
#include "core/store/Hote.h"
#include "core/store/TypeSortie.h"

namespace pelavorine {

Travail::Travail(Hote& hote, DescriptionVoies voies)
    : hote_(hote), demandes_(hote), voies_(std::move(voies)), variables_(*this), interface_(hote),
      moteur_(std::make_unique<MoteurCalcul>(variables_, hote)),
      feuille_(std::make_unique<FeuilleCalcul>(variables_, hote, nombres, demandes_, *moteur_)) {
    moteur_->ports = &interface_;
    AppliquerOptions();
    feuille_->etat.ingenieur = nombres.ingenieur;
    PreparerNouveauTravail();
}

Travail::~Travail() = default;

void Travail::AppliquerOptions() {
    const int n = variables_.NbPoint();
    espacementMarqueurs = (n > 40 && (options & option::PointsEspaces)) ? n / 20 : 1;
    nombres.ingenieur = options & option::Ingenieur;
    nombres.garderZeros = !(options & option::SansZeros);
    nombres.seuilValidite = options & option::SeuilValidite;
}

void Travail::NbPointsChange(bool tablesAjustees) {
    if (tablesAjustees) {
        for (int slot = 1; slot <= variables_.DerniereCase(); ++slot)
            if (auto* s = dynamic_cast<TypeSortie*>(variables_.Variable(slot)))
                s->ARegenerer = true;
        DemanderMiseAJour(demande::Sorties);
    }
    if (espacementMarqueurs > 1) espacementMarqueurs = variables_.NbPoint() / 20;
    feuilleCalculee = false;
}

void Travail::ReinitialiserTravail(int nbpoints, int parties) {
    if (parties & EffacerNotes) notes.clear();
    if (parties & ToutReconstruire) {
        variables_.SupprimerPlage(1, TableVariables::NbCases);
        variables_.FixerNbPoint(nbpoints > 0 ? nbpoints : 200);
        fichierCourant.clear();
        PreparerNouveauTravail();
    }
    if (parties & Redessiner)
        DemanderMiseAJour(demande::ToutesFenetres | demande::Cadre | demande::Courbes);
    if (parties & RechargerFeuille) DemanderMiseAJour(demande::Feuille);
}

void Travail::PreparerNouveauTravail() {
    parametres_ = ParametresAcquisition{};
    variables_.Vider();
    variables_.InitialiserVariables(voies_);
    fenetres_.Reinitialiser(variables_.CaseTemps());
    feuilleCalculee = false;
    demandes_.Effacer(demande::Toutes);
    DemanderMiseAJour(demande::NouveauTravail);
}

} // namespace pelavorine
