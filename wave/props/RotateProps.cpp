#include "wave/props/RotateProps.h"

#include "foundation/values/NumericHelpers.h"

TRotateProps::TRotateProps() : Factor(0.1, EHNone), Time(0.1, EHS) {}

double TRotateProps::GetShift(double operationTime) const
{
    double s = ByFactor != 0 ? Factor.GetValue() * operationTime : Time.GetValue();
    if (ShiftTo == 1)
        s = operationTime - s;
    // An empty range has nothing to rotate; the wrap needs a range above 0.
    if (!(operationTime > 0))
        return 0.0;
    return WrapIntoRange(s, 0, operationTime);
}
