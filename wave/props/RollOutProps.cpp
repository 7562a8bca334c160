#include "wave/props/RollOutProps.h"

#include "wave/props/LengthFactorOf.h"

TRollOutProps::TRollOutProps()
    : SpeedFactor(1.0, EHPerc), LengthFactor(1.0, EHPerc), NewLength(2.0, EHS), Count(3.0, EHNone),
      StartPosition(0, EHPerc)
{
}

double TRollOutProps::GetLengthFactor() const
{
    return LengthFactorOf({LengthKind, LengthFactor.GetValue(), NewLength.GetValue(), &SameLengthAs,
                           Count.GetValue(), SpeedFactor.GetValue()},
                          OperationTime);
}
