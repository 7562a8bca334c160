#include "wave/props/BlockTriangleProps.h"

#include "platform/Assertions.h"
#include "wave/Sound.h"

TBlockTriangleProps::TBlockTriangleProps()
    : Height1(16383, EHPerc), Height2(-16383, EHPerc), Frequency(0.001, EHKHZ), Middle(0.5, EHPerc),
      Time1(0.005, EHMS), Time2(0.005, EHMS), NewLength(1.0, EHS), Count(10, EHNone), StartPosition(0, EHNone)
{
}

double TBlockTriangleProps::GetPeriod() const
{
    if (BloTriHorKind == bloTriFrequency)
        return Frequency.GetValue();
    return Time1.GetValue() + Time2.GetValue();
}

double TBlockTriangleProps::GetLength() const
{
    switch (LengthKind) {
    case 0:
        return NewLength.GetValue();
    case 1: {
        std::shared_ptr<Sound> sound = SameLengthAs.GetSound();
        return sound ? sound->GetSeconds() : 0.0;
    }
    case 2:
        return Count.GetValue() * GetPeriod();
    default:
        return 0.0;
    }
}

bool TBlockTriangleProps::HasMiddleEnvelope() const
{
    return BloTriHorKind == bloTriFrequency && MiddleKind == 1;
}

double TBlockTriangleProps::GetMiddle() const
{
    QB_ASSERT(!HasMiddleEnvelope());
    if (BloTriHorKind == bloTriFrequency)
        return Middle.GetValue();
    QB_ASSERT(BloTriHorKind == bloTriTime);
    return Time1.GetValue() / (Time1.GetValue() + Time2.GetValue());
}
