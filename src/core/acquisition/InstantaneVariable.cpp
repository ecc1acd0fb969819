#include "core/acquisition/InstantaneVariable.h"

#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"

#include <algorithm>

namespace pelavorine {

InstantaneVariable::InstantaneVariable(const TypeId& v)
    : champs_(v.Champs()), capacite_(v.Capacite()),
      valeurs_(v.Valeurs().begin(), v.Valeurs().end()), abscisse_(v.DonneesAbscisse()) {
    if (const auto* e = dynamic_cast<const TypeVoie*>(&v)) voie_ = e->Reglages();
    if (const auto* s = dynamic_cast<const TypeSortie*>(&v)) sortie_ = s->Reglages();
}

bool InstantaneVariable::MemeGenre(const TypeId& v) const {
    return EstVoie() == (dynamic_cast<const TypeVoie*>(&v) != nullptr) &&
           EstSortie() == (dynamic_cast<const TypeSortie*>(&v) != nullptr);
}

void InstantaneVariable::Remettre(TypeId& v, bool capaciteActuelle) const {
    ChampsVariable champs = champs_;
    int capacite = capacite_;
    std::vector<double> valeurs = valeurs_;
    if (capaciteActuelle && capacite > 1 && v.Capacite() > 1 && capacite != v.Capacite()) {
        capacite = v.Capacite();
        valeurs.resize(static_cast<std::size_t>(capacite) + 1, 0.0);
        champs.NbPoints = std::min(champs.NbPoints, capacite);
    }
    v.FixerCapacite(capacite);
    auto points = v.Valeurs();
    if (valeurs.size() == points.size())
        std::copy(valeurs.begin(), valeurs.end(), points.begin());
    else
        std::fill(points.begin(), points.end(), 0.0);
    v.FixerDonneesAbscisse(abscisse_);
    v.Champs() = champs;
    if (auto* e = dynamic_cast<TypeVoie*>(&v); e && voie_) e->Reglages() = *voie_;
    if (auto* s = dynamic_cast<TypeSortie*>(&v); s && sortie_) {
        s->Reglages() = *sortie_;
        // The signal in memory no longer matches the settings put back.
        s->ARegenerer = true;
    }
}

} // namespace pelavorine
