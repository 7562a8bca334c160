#pragma once
#include "foundation/commands/CommandSnapshot.h"

class TUnitWave;

// What the enable and check rules read of a wave document; the window adds
// its zoom mode and show kind.
TWaveCommandState WaveCommandStateOf(const TUnitWave& unit);
