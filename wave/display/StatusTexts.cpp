#include "wave/display/StatusTexts.h"

#include "foundation/values/NumericHelpers.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitTime.h"
#include "platform/SampleConvert.h"
#include "wave/display/VolumeArray.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"

#include <algorithm>
#include <cmath>

namespace {

std::string TimeText(const TPaneMap& map, int32_t x, double sampleFreq)
{
    return unitTime(map.PixelToSeconds(x, sampleFreq), EHTime).GetText();
}

// The cell is kept inside the array, as a pointer dragged past the pane's
// edge still reads the edge column; one that the writer has not reached yet
// reads as silent.
double CellValue(const TVolumeArray* array, int32_t column, int32_t row)
{
    if (!array)
        return 0.0;
    column = std::clamp(column, 0, array->GetWidth() - 1);
    if (column >= array->GetColumnsWritten())
        return 0.0;
    return array->GetVolume(column, row);
}

std::string DecibelText(double value)
{
    return unitFactorPos(value, EHDB).GetText();
}

// A time of nearly 100 hours: every field at its widest.
std::string WidestTime()
{
    return unitTime(359999.99999, EHTime).GetText();
}

} // namespace

std::string Longest(std::initializer_list<std::string> texts)
{
    std::string longest;
    for (const std::string& text : texts)
        if (text.size() > longest.size())
            longest = text;
    return longest;
}

std::string WidestWaveformStatusText()
{
    return "(" + WidestTime() + ", -100.00 %)";
}

std::string WidestVolumeStatusText()
{
    std::string frequency = Longest({unitFreq(99.999, EHFreq).GetText(), unitFreq(999.999, EHFreq).GetText(),
                                     unitFreq(9999.99, EHFreq).GetText(), unitFreq(99999.9, EHFreq).GetText()});
    std::string volume =
        Longest({DecibelText(1.23456e-7), DecibelText(0.123456), DecibelText(1.23456), DecibelText(12345.6)});
    return "(" + WidestTime() + ", " + frequency + " ): (" + volume + " ," + volume + ")";
}

std::string WaveformStatusText(const TPaneMap& map, int32_t x, int32_t y, double sampleFreq, int32_t channels)
{
    const TPaneRect& r = map.rect;
    double h = (r.bottom - 1) - r.top;
    double v;
    if (channels == 1) {
        v = 1 - 2 * y / h;
    } else {
        v = 1 - 4 * y / h;
        if (v < -1)
            v += 2;
    }
    std::string level = unitFactor(v * 100, EHNone).GetNumberText(1, 2, 2);
    return "(" + TimeText(map, x, sampleFreq) + ", " + level + " %)";
}

std::string VolumeStatusText(const TWaveDisplayGroup& group, const TPaneMap& map, int32_t x, int32_t y)
{
    const TUnitWave* unit = group.GetUnitWave();
    if (!unit)
        return {};
    const TVoldViewProps& props = group.GetVoldViewProps();
    const TPaneRect& r = map.rect;
    const int32_t b = r.bottom - 1;
    const bool stereo = unit->GetMonoStereo() == 2;
    const bool single = stereo && props.DrawSingle;
    double f;
    if (!single) {
        f = static_cast<double>(b - y) / (b - r.top);
    } else {
        f = 2.0 * (b - y) / (b - r.top);
        if (f > 1)
            f -= 1;
    }
    double top = props.TimeTop.GetValue(), bottom = props.TimeBottom.GetValue();
    double period;
    switch (props.FreqAxisKind) {
    case YLog:
        period = bottom * std::pow(top / bottom, f);
        break;
    case YLinTime:
        period = bottom + (top - bottom) * f;
        break;
    default:
        period = 1 / (1 / bottom + (1 / top - 1 / bottom) * f);
        break;
    }
    std::string text = "(" + TimeText(map, x, unit->GetSampleFreq()) + ", " + unitFreq(1 / period, EHFreq).GetText()
        + " )";
    const int32_t n = unit->GetValues();
    if (n == 0)
        return text;
    const int32_t xResolution = props.XResolution.GetValue(), yResolution = props.YResolution.GetValue();
    int32_t column = ToInt32(LinearMap(LinearMap(x, r.left, r.right, map.first, map.last), 0, n, 0, xResolution));
    auto part = [](double value) { return value == 0 ? std::string("0") : DecibelText(value); };
    if (!stereo) {
        int32_t row = ToInt32(LinearMap(y, r.top, b, 0, yResolution));
        text += ": " + part(CellValue(group.GetVolumeArraySingle(), column, row));
    } else if (single) {
        int32_t m = (r.top + b) / 2;
        const TVolumeArray* array;
        int32_t row;
        if (y < m) {
            row = ToInt32(LinearMap(y, r.top, m, 0, yResolution));
            array = group.GetVolumeArrayLeft();
        } else {
            row = ToInt32(LinearMap(y, m - 1, b, 0, yResolution));
            array = group.GetVolumeArrayRight();
        }
        text += ": " + part(CellValue(array, column, row));
    } else if (group.GetVolumeArrayLeft() && group.GetVolumeArrayRight()) {
        int32_t row = ToInt32(LinearMap(y, r.top, b, 0, yResolution));
        text += ": (" + part(CellValue(group.GetVolumeArrayLeft(), column, row)) + " ,"
            + part(CellValue(group.GetVolumeArrayRight(), column, row)) + ")";
    }
    return text;
}
