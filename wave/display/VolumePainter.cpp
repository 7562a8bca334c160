#include "wave/display/VolumePainter.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"
#include "wave/Sound.h"
#include "wave/display/PixelCanvas.h"
#include "wave/display/VolumeArray.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"
#include "wave/view/VoldViewProps.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t Values(const TWaveDisplayGroup& group)
{
    return group.GetUnitWave() ? group.GetUnitWave()->GetValues() : 0;
}

uint32_t Channel(uint32_t color, int shift)
{
    return (color >> shift) & 0xFFu;
}

uint32_t PutChannels(double red, double green, double blue)
{
    auto c = [](double v) { return static_cast<uint32_t>(std::clamp(ToInt32(v), 0, 255)); };
    return c(red) | (c(green) << 8) | (c(blue) << 16);
}

} // namespace

TVolumeCellRange GetVolumeCellRange(const TPaneRect& k, const TPaneRect& part, double first, double last,
                                    int32_t arrayWidth, int32_t arrayHeight, int32_t values)
{
    TVolumeCellRange range;
    double sL = LinearMap(part.left, k.left, k.right, first, last);
    double sR = LinearMap(part.right, k.left, k.right, first, last);
    range.c0 = ToInt32(LinearMap(sL, 0, values, 0, arrayWidth));
    range.c1 = ToInt32(LinearMap(sR, 0, values, 0, arrayWidth) + 1.0);
    range.r0 = ToInt32(LinearMap(part.top, k.top, k.bottom, 0, arrayHeight));
    range.r1 = ToInt32(LinearMap(part.bottom, k.top, k.bottom, 0, arrayHeight) + 1.0);
    auto columnX = [&](int32_t c) { return LinearMap(LinearMap(c, 0, arrayWidth, 0, values), first, last, k.left, k.right); };
    range.x0 = columnX(range.c0);
    range.x1 = columnX(range.c1);
    range.y0 = LinearMap(range.r0, 0, arrayHeight, k.top, k.bottom);
    range.y1 = LinearMap(range.r1, 0, arrayHeight, k.top, k.bottom);
    return range;
}

double VolumeCellWeight(double value, const TVoldViewProps& props)
{
    double w;
    switch (props.SensKind) {
    case SensLow:
        w = value * value;
        break;
    case SensHigh:
        w = std::sqrt(value);
        break;
    case SensVeryHigh:
        w = std::pow(value, 0.25);
        break;
    default:
        w = value;
        break;
    }
    w *= props.Strength.GetValue();
    if (!(w >= 0))
        return 0;
    return w > 1.0 ? 1.0 : w;
}

uint32_t VolumeCellColor(double weight, uint32_t a, uint32_t b, bool inverted, const TVoldViewProps& props)
{
    if (props.UseColorPalette1D)
        return props.ColorPalette1D.GetColor(inverted ? 1 - weight : weight);
    auto mix = [&](int shift) { return Channel(a, shift) * (1 - weight) + Channel(b, shift) * weight; };
    return PutChannels(mix(0), mix(8), mix(16));
}

uint32_t VolumeCellJoinedColor(double wl, double wr, uint32_t a, uint32_t b, uint32_t l, uint32_t r)
{
    if (wl > wr) {
        double t = wr / wl;
        auto mix = [&](int shift) {
            return (Channel(b, shift) * t + Channel(l, shift) * (1 - t)) * wl + Channel(a, shift) * (1 - wl);
        };
        return PutChannels(mix(0), mix(8), mix(16));
    }
    if (wr > 0) {
        double t = wl / wr;
        auto mix = [&](int shift) {
            return (Channel(b, shift) * t + Channel(r, shift) * (1 - t)) * wr + Channel(a, shift) * (1 - wr);
        };
        return PutChannels(mix(0), mix(8), mix(16));
    }
    return a;
}

void PaintVolumeCell(TPixelCanvas& canvas, uint32_t color, int32_t c, int32_t r, const TVolumeCellRange& range,
                     const TPaneRect& clip)
{
    int32_t left = ToInt32(LinearMap(c, range.c0, range.c1, range.x0, range.x1));
    int32_t right = ToInt32(LinearMap(c + 1, range.c0, range.c1, range.x0, range.x1) - 1.0);
    int32_t top = ToInt32(LinearMap(r, range.r0, range.r1, range.y0, range.y1));
    int32_t bottom = ToInt32(LinearMap(r + 1, range.r0, range.r1, range.y0, range.y1) - 1.0);
    left = std::max(left, clip.left);
    right = std::min(right, clip.right);
    top = std::max(top, clip.top);
    bottom = std::min(bottom, clip.bottom);
    if (left > right || top > bottom)
        return;
    canvas.FillRect({left, top, right + 1, bottom + 1}, color);
}

void PaintVolumeChannel(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                        const TPaneRect& k, double first, double last, const TVolumeArray* array,
                        const TVoldViewProps& props, bool inverted)
{
    if (part.IsEmpty() || !array)
        return;
    uint32_t a = inverted ? props.SingleColor : props.BackgroundColor;
    uint32_t b = inverted ? props.BackgroundColor : props.SingleColor;
    TVolumeCellRange range = GetVolumeCellRange(k, part, first, last, array->GetWidth(), array->GetHeight(),
                                                Values(group));
    if (range.c1 <= range.c0 || range.r1 <= range.r0)
        return;
    int32_t end = std::min(range.c1, array->GetColumnsWritten());
    TPaneRect clip{part.left, part.top, part.right - 1, part.bottom - 1};
    for (int32_t c = std::max(range.c0, 0); c < end; ++c) {
        for (int32_t r = std::max(range.r0, 0); r < std::min(range.r1, array->GetHeight()); ++r) {
            double w = VolumeCellWeight(array->GetVolume(c, r), props);
            PaintVolumeCell(canvas, VolumeCellColor(w, a, b, inverted, props), c, r, range, clip);
        }
    }
}

void PaintVolumeJoined(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                       const TPaneRect& k, double first, double last, const TVolumeArray* left,
                       const TVolumeArray* right, const TVoldViewProps& props, bool inverted)
{
    if (part.IsEmpty() || !left || !right)
        return;
    if (right->GetWidth() != left->GetWidth() || right->GetHeight() != left->GetHeight())
        return;
    uint32_t a = inverted ? props.SingleColor : props.BackgroundColor;
    uint32_t b = inverted ? props.BackgroundColor : props.SingleColor;
    uint32_t l = inverted ? props.RightColor : props.LeftColor;
    uint32_t r = inverted ? props.LeftColor : props.RightColor;
    TVolumeCellRange range = GetVolumeCellRange(k, part, first, last, left->GetWidth(), left->GetHeight(),
                                                Values(group));
    if (range.c1 <= range.c0 || range.r1 <= range.r0)
        return;
    int32_t writtenLeft = std::min(range.c1, left->GetColumnsWritten());
    int32_t writtenRight = std::min(range.c1, right->GetColumnsWritten());
    int32_t end = std::max(writtenLeft, writtenRight);
    TPaneRect clip{part.left, part.top, part.right - 1, part.bottom - 1};
    for (int32_t c = std::max(range.c0, 0); c < end; ++c) {
        for (int32_t row = std::max(range.r0, 0); row < std::min(range.r1, left->GetHeight()); ++row) {
            double wl = c < writtenLeft ? VolumeCellWeight(left->GetVolume(c, row), props) : 0.0;
            double wr = c < writtenRight ? VolumeCellWeight(right->GetVolume(c, row), props) : 0.0;
            PaintVolumeCell(canvas, VolumeCellJoinedColor(wl, wr, a, b, l, r), c, row, range, clip);
        }
    }
}

void PaintVolumeColumns(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& clientRect,
                        const TPaneRect& part, double first, double last, const TVoldViewProps& props,
                        bool inverted)
{
    const TUnitWave* unit = group.GetUnitWave();
    if (!unit || !unit->GetSound())
        return;
    if (unit->GetSound()->channels == 1) {
        PaintVolumeChannel(group, canvas, part, clientRect, first, last, group.GetVolumeArraySingle(), props,
                           inverted);
    } else if (!props.DrawSingle) {
        PaintVolumeJoined(group, canvas, part, clientRect, first, last, group.GetVolumeArrayLeft(),
                          group.GetVolumeArrayRight(), props, inverted);
    } else {
        int32_t m = (clientRect.top + clientRect.bottom) / 2;
        TPaneRect upperK = clientRect, lowerK = clientRect, upperP = part, lowerP = part;
        upperK.bottom = m;
        upperP.bottom = std::min(part.bottom, m);
        lowerK.top = m;
        lowerP.top = std::max(part.top, m);
        PaintVolumeChannel(group, canvas, upperP, upperK, first, last, group.GetVolumeArrayLeft(), props, inverted);
        PaintVolumeChannel(group, canvas, lowerP, lowerK, first, last, group.GetVolumeArrayRight(), props,
                           inverted);
    }
}

std::optional<TPaneRect> VolumeRefreshRect(const TPaneRect& clientRect, double first, double last, int32_t values,
                                           int32_t fromColumn, int32_t toColumn, int32_t arrayWidth,
                                           double rangeBegin, double rangeEnd, int32_t sourceCount, bool split,
                                           int32_t side)
{
    if (sourceCount <= 0 || last == first)
        return std::nullopt;
    double cb = LinearMap(rangeBegin, 0, sourceCount, 0, arrayWidth);
    double ce = LinearMap(rangeEnd, 0, sourceCount, 0, arrayWidth);
    if (ce == cb)
        return std::nullopt;
    double pf = LinearMap(fromColumn, cb, ce, 0, values);
    double pt = LinearMap(toColumn, cb, ce, 0, values);
    int32_t xf = ToInt32(LinearMap(pf, first, last, clientRect.left, clientRect.right));
    int32_t xt = ToInt32(LinearMap(pt, first, last, clientRect.left, clientRect.right));
    TPaneRect rect{xf, clientRect.top, xt, clientRect.bottom};
    if (split) {
        int32_t m = (clientRect.top + clientRect.bottom) / 2;
        if (side == 0)
            rect.bottom = m;
        else
            rect.top = m;
    }
    if (xf < xt && xt > clientRect.left && xf < clientRect.right)
        return rect;
    return std::nullopt;
}
