#include "core/acquisition/CopiesParametres.h"

#include "core/store/Demandes.h"
#include "core/store/TableVariables.h"
#include "core/travail/Travail.h"
#include "core/windows/TableFenetres.h"

namespace pelavorine {

namespace {

std::uint16_t DemandesDe(const InstantaneVariable& copie) {
    std::uint16_t bits = demande::RedessinerAvecAxes;
    if (copie.EstVoie()) bits |= demande::ReglagesVoies;
    if (copie.EstSortie()) bits |= demande::Sorties;
    return bits;
}

} // namespace

CopiesParametres::CopiesParametres(Travail& travail) : travail_(travail) {
    Repartir();
}

void CopiesParametres::Repartir() {
    premiers_.clear();
    courants_.clear();
    fenetres_.clear();
    parametres_ = travail_.Parametres();
    nbPoints_ = travail_.Variables().NbPoint();
    fenetresOuvertes_ = travail_.TableDesFenetres().MasqueOuvertes();
}

void CopiesParametres::Noter(int slot) {
    const TypeId* v = travail_.Variables().Variable(slot);
    if (!v) return;
    auto copie = std::make_shared<const InstantaneVariable>(*v);
    premiers_.try_emplace(slot, copie);
    courants_[slot] = std::move(copie);
}

void CopiesParametres::NoterPremier(int slot) {
    if (premiers_.count(slot)) return;
    const TypeId* v = travail_.Variables().Variable(slot);
    if (!v) return;
    auto copie = std::make_shared<const InstantaneVariable>(*v);
    premiers_.emplace(slot, copie);
    courants_.try_emplace(slot, std::move(copie));
}

void CopiesParametres::NoterFenetre(int numero) {
    if (const DonneesFenetre* d = travail_.TableDesFenetres().Donnees(numero))
        fenetres_.try_emplace(numero, *d);
}

std::uint16_t CopiesParametres::Restaurer(int slot) {
    const auto c = courants_.find(slot);
    TypeId* v = travail_.Variables().Variable(slot);
    if (c == courants_.end() || !v) return 0;
    c->second->Remettre(*v, true);
    return DemandesDe(*c->second);
}

std::uint16_t CopiesParametres::RemettreVariables(std::map<QString, QString>& noms) {
    TableVariables& t = travail_.Variables();
    std::uint16_t bits = 0;
    for (const auto& [slot, copie] : premiers_) {
        TypeId* v = t.Variable(slot);
        // Only a variable of the same kind is still the one noted.
        if (!v || !copie->MemeGenre(*v)) continue;
        const QString ancien = v->Nom;
        copie->Remettre(*v, false);
        if (ancien != v->Nom) noms.emplace(ancien, v->Nom);
        bits |= DemandesDe(*copie);
    }
    return bits;
}

void CopiesParametres::RemettreFenetres() {
    TableFenetres& table = travail_.TableDesFenetres();
    // A window box ticked on a page opens its window: the cancel closes it again.
    for (int k = 1; k <= TableFenetres::NbFenetres; ++k)
        if (table.Existe(k) && !(fenetresOuvertes_ & TableFenetres::Bit(k))) table.Fermer(k);
    for (const auto& [numero, donnees] : fenetres_)
        if (DonneesFenetre* f = table.Donnees(numero)) *f = donnees;
}

} // namespace pelavorine
