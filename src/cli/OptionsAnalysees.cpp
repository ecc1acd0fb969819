#include "cli/OptionsAnalysees.h"

#include <algorithm>

namespace pelavorine::cli {

bool OptionsAnalysees::Presente(const QString& nom) const {
    return std::any_of(donnees.begin(), donnees.end(),
                       [&](const Donnee& d) { return d.nom == nom; });
}

std::optional<QString> OptionsAnalysees::Derniere(const QString& nom) const {
    for (auto d = donnees.rbegin(); d != donnees.rend(); ++d)
        if (d->nom == nom) return d->valeur;
    return std::nullopt;
}

} // namespace pelavorine::cli
