#include "wave/props/LengthProps.h"

#include "wave/props/LengthFactorOf.h"

TLengthProps::TLengthProps() : LengthFactor(0.5, EHPerc), NewLength(2.0, EHS) {}

double TLengthProps::GetLengthFactor(double operationTime) const
{
    if (LengthKind > 2)
        return 0.0;
    return LengthFactorOf({LengthKind, LengthFactor.GetValue(), NewLength.GetValue(), &SameLengthAs, 0, 1},
                          operationTime);
}
