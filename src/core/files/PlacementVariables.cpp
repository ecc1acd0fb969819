#include "core/files/PlacementVariables.h"

#include "core/files/VariableFichier.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/texte/CodageTexte.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace pelavorine {

namespace {
constexpr std::uint16_t kVoie = genre::Acquise | genre::Entree;
bool EstVoie(std::uint16_t g) {
    return (g & kVoie) == kVoie;
}
} // namespace

PlacementVariables::PlacementVariables(TableVariables& table, int parties)
    : table_(table), parties_(parties) {
    for (int slot = 1; slot <= TableVariables::NbCases; ++slot) {
        const TypeId* v = table.Variable(slot);
        if (!v) continue;
        if (EstVoie(v->Genre)) entreesLibres_.set(static_cast<std::size_t>(slot));
        if (v->Genre & genre::Sortie) sortiesLibres_.set(static_cast<std::size_t>(slot));
    }
}

int PlacementVariables::Case(int slotFichier) const {
    return slotFichier >= 0 && slotFichier < 256 ? carte_[static_cast<std::size_t>(slotFichier)]
                                                 : 0;
}

int PlacementVariables::Decompte() {
    while (decompte_ >= table_.PremiereCaseLibre() && table_.Variable(decompte_))
        --decompte_;
    if (decompte_ < table_.PremiereCaseLibre() || decompte_ <= table_.CaseTemps()) return 0;
    return decompte_--;
}

int PlacementVariables::Placer(VariableFichier& lu) {
    const bool valeurs = parties_ & 1;
    const bool environnement = parties_ & 2;
    if (!valeurs && !environnement && !(lu.genre & genre::Calculee)) return 0;
    // Without the values, acquired data variables would come back empty.
    if (!valeurs && (lu.genre & 0x000F) == genre::Acquise) return 0;

    int slot = lu.slot;
    const auto bit = static_cast<std::size_t>(slot);
    if (!environnement) {
        slot = 0;
        for (int s = std::max(table_.PremiereCaseLibre(), table_.CaseTemps() + 1);
             s <= TableVariables::NbCases; ++s)
            if (!table_.Variable(s)) {
                slot = s;
                break;
            }
    } else if (EstVoie(lu.genre)) {
        if (entreesLibres_.test(bit)) {
            entreesLibres_.reset(bit);
        } else {
            slot = Decompte();
            lu.genre &= static_cast<std::uint16_t>(~kVoie);
        }
    } else if (lu.genre & genre::Sortie) {
        if (sortiesLibres_.test(bit)) {
            sortiesLibres_.reset(bit);
        } else {
            slot = 0;
            for (int s = table_.PremiereCaseSortie(); s > 0 && s < table_.PremiereCaseLibre(); ++s)
                if (sortiesLibres_.test(static_cast<std::size_t>(s))) {
                    slot = s;
                    sortiesLibres_.reset(static_cast<std::size_t>(s));
                    break;
                }
            if (slot == 0) {
                slot = Decompte();
                lu.genre &= static_cast<std::uint16_t>(~genre::Sortie);
            }
        }
    } else if (slot < table_.PremiereCaseLibre() || table_.Variable(slot)) {
        slot = Decompte();
    }
    if (slot <= table_.CaseTemps() || slot > TableVariables::NbCases) return 0;

    const int cree = CreerEn(table_, slot, lu);
    if (cree == 0) return 0;
    carte_[bit] = cree;
    return cree;
}

int PlacementVariables::CreerEn(TableVariables& table, int slot, const VariableFichier& lu) {
    const int cree = table.CreerVariableEn(slot, lu.nom, lu.capacite, lu.genre);
    if (cree == 0) table.codeErreur = 0;
    return cree;
}

} // namespace pelavorine
