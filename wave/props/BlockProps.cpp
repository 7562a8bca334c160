#include "wave/props/BlockProps.h"

TBlockProps::TBlockProps() : HorCount(20, EHNone), VertCount(20, EHNone), HorTime(0.01, EHMS), VertHeight(3277, EHPerc)
{
}

double TBlockProps::GetHorTime(double operationTime) const
{
    if (HorKind == 2)
        return HorTime.GetValue();
    int32_t count = HorCount.GetValue();
    return count > 0 ? operationTime / count : 0.0;
}

int32_t TBlockProps::GetVertCount() const
{
    if (VertKind == 1)
        return VertCount.GetValue();
    int32_t height = VertHeight.GetValue();
    return height > 0 ? 65572 / height : 0;
}
