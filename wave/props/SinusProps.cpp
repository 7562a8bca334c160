#include "wave/props/SinusProps.h"

TSinusProps::TSinusProps()
    : Amplitude(16383, EHPerc), Frequency(0.001, EHKHZ), StartPhase(0, EHAngle), Length(0.5, EHMS),
      Count(500, EHNone)
{
}

double TSinusProps::GetCount() const
{
    if (LengthKind == 1)
        return Count.GetValue();
    return Length.GetValue() / Frequency.GetValue();
}
