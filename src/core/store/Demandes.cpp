#include "core/store/Demandes.h"

#include "core/store/Hote.h"

namespace pelavorine {

void MotDemandes::Demander(std::uint16_t bits) {
    bits_ |= bits;
    hote_.MiseAJourDemandee();
}

std::uint16_t MotDemandes::Prendre() {
    const std::uint16_t bits = bits_;
    bits_ = 0;
    return bits;
}

} // namespace pelavorine
