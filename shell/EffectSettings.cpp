#include "shell/EffectSettings.h"

#include "wave/document/UnitWave.h"

void TEffectSettings::CopyTo(TUnitWave& unit) const
{
    unit.SetAllProps(LineProps, SilenceProps, NoiseProps, MakeBlockProps, MakeTriangleProps, SinusProps, MFreqProps,
                     VolumeProps, BalanceProps, RotateProps, BlockProps, RollInProps, RollOutProps, LengthProps,
                     TempoPitchProps, UpProps, ShiftProps, DistortProps, LeftRightProps, PerEchoProps,
                     RandomEchoProps, MixProps, HighProps, LowProps, ResProps, NotchProps, BlockFilterProps);
}
