#pragma once

#include <QStringList>

namespace pelavorine {

// The channels and analog outputs of the acquisition interface in use, as the variable table
// needs them to create one variable per channel and per output.
struct DescriptionVoies {
    bool interfacePresente = false;
    int premiereEntree = 0;  // number of the first analog input
    QStringList nomsEntrees; // one name per input, in channel order
    QStringList nomsSorties; // one name per analog output, outputs numbered from 1

    // Without an acquisition system: inputs EA0 to EA7, no output.
    static DescriptionVoies SansSysteme();
};

} // namespace pelavorine
