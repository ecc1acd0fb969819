#include "core/calc/GenerateurAleatoire.h"

#include <chrono>

namespace pelavorine {

GenerateurAleatoire::GenerateurAleatoire() : flux_(std::random_device{}()) {}

void GenerateurAleatoire::Resemer() {
    const auto t = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq graine{static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(t >> 32),
                         static_cast<std::uint32_t>(++semis_), flux_};
    generateur_.seed(graine);
}

double GenerateurAleatoire::Tirer() {
    return std::generate_canonical<double, 53>(generateur_);
}

} // namespace pelavorine
