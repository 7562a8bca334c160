#pragma once
#include "foundation/values/unitWaveVal.h"

// Settings of Move Wave Vertically.
class TUpProps {
public:
    TUpProps();

    unitWaveVal AddValue;
};
