#include "core/store/DescriptionVoies.h"

namespace pelavorine {

DescriptionVoies DescriptionVoies::SansSysteme() {
    DescriptionVoies d;
    for (int i = 0; i <= 7; ++i)
        d.nomsEntrees << QStringLiteral("EA%1").arg(i);
    return d;
}

} // namespace pelavorine
