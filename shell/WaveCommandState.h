#pragma once
#include "shell/CommandStates.h"

class TUnitWave;

// What the enable and check rules read of a wave document; the window adds
// its zoom mode and show kind.
TWaveCommandState WaveCommandStateOf(const TUnitWave& unit);
