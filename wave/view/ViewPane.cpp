#include "wave/view/ViewPane.h"

#include "platform/Assertions.h"
#include "platform/SampleConvert.h"

#include <algorithm>

void TViewPane::SetPendingZoom(int32_t from, int32_t to)
{
    PendingZoomSet = true;
    PendingZoomIn = true;
    PendingZoomFrom = from;
    PendingZoomTo = to;
}

void TViewPane::SetPendingUnZoom()
{
    PendingZoomSet = true;
    PendingZoomIn = false;
}

void TViewPane::ApplyPendingZoom()
{
    if (!PendingZoomSet)
        return;
    if (PendingZoomIn)
        ZoomToRange(PendingZoomFrom, PendingZoomTo, false);
    else
        UnZoom();
}

void TViewPane::BeginKeepZoom(int32_t begin, int32_t end)
{
    QB_ASSERT(OldZoomDepth++ == 0);
    OldZoomFirst = FirstVisibleWavePos() - begin;
    OldZoomLast = LastVisibleWavePos() - end;
}

void TViewPane::EndKeepZoom(int32_t begin, int32_t newEnd)
{
    QB_ASSERT(OldZoomDepth-- == 1);
    if (!IsZoomed())
        return;
    int32_t first = 0;
    int32_t last = 0;
    if (KeptZoomRange(OldZoomFirst, OldZoomLast, begin, newEnd, GetWaveValues(), first, last))
        ZoomToRange(first, last, false);
    else
        UnZoom();
}

bool TViewPane::KeptZoomRange(double oldZoomFirst, double oldZoomLast, int32_t begin, int32_t newEnd,
                              int32_t values, int32_t& first, int32_t& last)
{
    if (values <= 0 || newEnd == begin)
        return false;
    double from = std::max(0.0, begin + oldZoomFirst);
    double to = std::min(static_cast<double>(values), newEnd + oldZoomLast);
    // A range that collapsed shows nothing worth keeping.
    if (!(to > from))
        return false;
    first = ToInt32(from);
    last = ToInt32(to);
    return last > first;
}
