#pragma once

#include "core/store/TypeId.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelavorine {

// A whole variable as it was at one moment: its plain fields, its points and abscissa data,
// and the settings of its channel when it is an input or an output.
class InstantaneVariable {
public:
    explicit InstantaneVariable(const TypeId& v);

    bool EstVoie() const { return voie_.has_value(); }
    bool EstSortie() const { return sortie_.has_value(); }
    // Whether `v` is still a variable of the kind noted (an input, an output or neither).
    bool MemeGenre(const TypeId& v) const;
    // Puts the state back into `v`. With `capaciteActuelle` a table keeps the capacity it has
    // now (the point count changed since): the points beyond it are dropped, new ones are 0.
    void Remettre(TypeId& v, bool capaciteActuelle) const;

private:
    ChampsVariable champs_;
    int capacite_ = 0;
    std::vector<double> valeurs_;
    std::vector<double> abscisse_;
    std::optional<ReglagesVoie> voie_;
    std::optional<ReglagesSortie> sortie_;
};

} // namespace pelavorine
