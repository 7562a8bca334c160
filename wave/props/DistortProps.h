#pragma once
#include "wave/document/UnitUnitWave.h"

// Settings of Distort: the wave used as the transfer curve.
class TDistortProps {
public:
    unitUnitWave DistortEnvelope;
};
