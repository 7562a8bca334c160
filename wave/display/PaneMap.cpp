#include "wave/display/PaneMap.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"

double ColumnToWavePos(const TPaneRect& rect, double first, double last, int32_t x)
{
    return LinearMap(x + 0.5, rect.left, rect.right, first, last);
}

double ColumnToSeconds(const TPaneRect& rect, double first, double last, int32_t x, double sampleFreq)
{
    return LinearMap(x, rect.left, rect.right, first / sampleFreq, last / sampleFreq);
}

int32_t TPaneMap::WavePosToPixel(double position) const
{
    return ToInt32(LinearMap(position, first, last, rect.left, rect.right));
}

double TPaneMap::PixelToSeconds(int32_t x, double sampleFreq) const
{
    return ColumnToSeconds(rect, first, last, x, sampleFreq);
}

int32_t TPaneMap::ValueUnder(int32_t x, int32_t values) const
{
    int32_t q = ToInt32(PixelToWavePos(x));
    if (q > values - 1)
        q = values - 1;
    if (q < 0)
        q = 0;
    return q;
}
