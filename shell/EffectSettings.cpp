#include "shell/EffectSettings.h"

#include "wave/document/UnitWave.h"

void TEffectSettings::CopyTo(TUnitWave& unit) const
{
    unit.SetAllProps(*this);
}
