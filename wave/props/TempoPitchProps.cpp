#include "wave/props/TempoPitchProps.h"

#include "wave/props/LengthFactorOf.h"

TTempoPitchProps::TTempoPitchProps()
    : FreqFactor(1.0, EHPerc), SpeedFactor(1.0, EHPerc), LengthFactor(1.0, EHPerc), NewLength(2.0, EHS),
      Count(3.0, EHNone), StartPosition(0, EHPerc), BlockSize(0.04, EHMS)
{
}

double TTempoPitchProps::GetLengthFactor() const
{
    return LengthFactorOf({LengthKind, LengthFactor.GetValue(), NewLength.GetValue(), &SameLengthAs,
                           Count.GetValue(), SpeedFactor.GetValue()},
                          OperationTime);
}
