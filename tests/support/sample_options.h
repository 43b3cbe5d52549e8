#pragma once

#include "labels/label_options.h"

// Label options filled as an operator of the sample labels would fill them.
inline LabelOptions sampleLabelOptions() {
    LabelOptions options;
    options.transceiver = QStringLiteral("FT 847 100 W");
    options.antenna = QStringLiteral("Dipole 2x10m");
    options.comment = QStringLiteral("Coupe du REF SSB");
    options.activationNumber = QStringLiteral("DFCF 59101");
    options.activationName = QStringLiteral("Chateau de Branleux");
    options.canton = QStringLiteral("5945");
    options.postcode = QStringLiteral("59680");
    options.municipality = QStringLiteral("Colleret");
    return options;
}
