#include "wave/view/SplitPosition.h"

#include "platform/SampleConvert.h"

int32_t SplitFirstPaneWidth(int32_t totalWidth, double fraction)
{
    if (totalWidth < 2)
        return totalWidth > 0 ? 1 : 0;
    int32_t width = ToInt32(static_cast<double>(totalWidth) * fraction + 0.5);
    if (width < 1)
        return 1;
    if (width > totalWidth - 1)
        return totalWidth - 1;
    return width;
}

double SplitFraction(int32_t firstWidth, int32_t totalWidth)
{
    if (totalWidth <= 0)
        return 0.0;
    return static_cast<double>(firstWidth) / static_cast<double>(totalWidth);
}
