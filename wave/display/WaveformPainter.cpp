#include "wave/display/WaveformPainter.h"

#include "foundation/values/NumericHelpers.h"
#include "platform/Random15.h"
#include "platform/SampleConvert.h"
#include "wave/Sound.h"
#include "wave/Wave.h"
#include "wave/display/PaneMap.h"
#include "wave/display/PixelCanvas.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"
#include "wave/view/WaveViewProps.h"

#include <algorithm>
#include <array>

namespace {

int32_t ClampChannel(double value)
{
    return std::clamp(ToInt32(value), 0, 255);
}

// The vertical map of a channel rectangle: 0 in the middle, full scale its height.
struct TLevelMap {
    double scale;
    double middle;
    explicit TLevelMap(const TPaneRect& k) : scale(-(k.bottom - k.top) / 65536.0), middle((k.top + k.bottom) * 0.5) {}
    int32_t operator()(int16_t value) const { return ToInt32(value * scale + middle); }
};

// A channel's samples read at truncated positions, kept inside the wave.
struct TSampleReader {
    const int16_t* data;
    int32_t last;
    explicit TSampleReader(const Wave& wave) : data(wave.getData()), last(wave.getValues() - 1) {}
    int16_t operator()(double position) const { return data[std::clamp(ToInt32(position), 0, last)]; }
};

// What every column painter shares: the step between reads and the columns
// that have samples under them.
struct TColumnWalk {
    int32_t perPixel;
    double step;
    int32_t x0;
    int32_t x1;
    double pos;
    bool random;
    bool lines;
    double strength;
};

bool PrepareWalk(const TWaveDisplayGroup& group, const TPaneRect& part, const TPaneRect& k, double pFirst,
                 double pLast, TColumnWalk& walk)
{
    if (part.IsEmpty() || k.IsEmpty() || k.bottom <= part.top || k.top >= part.bottom)
        return false;
    const TWaveViewProps& own = group.GetWaveViewProps();
    int32_t n = group.GetUnitWave()->GetValues();
    walk.perPixel = std::max(own.ValuesPerPixel.GetValue(), 1);
    walk.step = (pLast - pFirst) / (static_cast<double>(walk.perPixel) * (part.right - part.left));
    walk.x0 = part.left;
    walk.x1 = part.right;
    if (pFirst < 0) {
        walk.x0 = ToInt32(LinearMap(0, pFirst, pLast, part.left, part.right));
        pFirst = 0;
    }
    if (pLast > n - 1)
        walk.x1 = ToInt32(LinearMap(n - 1, pFirst, pLast, part.left, part.right));
    walk.pos = pFirst;
    walk.random = own.DistKind == DistRandom;
    walk.lines = own.DrawKind == DrawLines;
    walk.strength = own.Strength.GetValue();
    return true;
}

double RandomOffset(const TColumnWalk& walk)
{
    return SharedRandom().Next() * walk.perPixel * walk.step / 32767.0;
}

void Segment(TPixelCanvas& canvas, int32_t x, int32_t lo, int32_t hi, uint32_t color)
{
    canvas.VerticalLine(x, lo, hi + 1, color);
}

} // namespace

void BlendPixel(TPixelCanvas& canvas, int32_t x, int32_t y, uint32_t color, double strength)
{
    if (strength == 1.0) {
        canvas.SetColor(x, y, color);
        return;
    }
    uint32_t old = canvas.GetColor(x, y);
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        double o = (old >> shift) & 0xFFu, c = (color >> shift) & 0xFFu;
        result |= static_cast<uint32_t>(ClampChannel(o * (1 - strength) + c * strength)) << shift;
    }
    canvas.SetColor(x, y, result);
}

void PaintWaveChannel(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                      const TPaneRect& k, const Wave* wave, double pFirst, double pLast, uint32_t color)
{
    if (!wave || wave->getValues() <= 0)
        return;
    TColumnWalk walk;
    if (!PrepareWalk(group, part, k, pFirst, pLast, walk))
        return;
    TLevelMap level(k);
    TSampleReader read(*wave);
    const int32_t v = walk.perPixel;
    for (int32_t x = walk.x0; x < walk.x1; ++x) {
        if (walk.lines) {
            int32_t lo, hi;
            if (walk.random) {
                lo = hi = level(read(walk.pos + RandomOffset(walk)));
                for (int32_t i = 0; i < v; ++i) {
                    int32_t y = level(read(walk.pos + RandomOffset(walk)));
                    lo = std::min(lo, y);
                    hi = std::max(hi, y);
                }
                walk.pos += v * walk.step;
            } else {
                lo = hi = level(read(walk.pos));
                for (int32_t i = 0; i < v; ++i) {
                    walk.pos += walk.step;
                    int32_t y = level(read(walk.pos));
                    lo = std::min(lo, y);
                    hi = std::max(hi, y);
                }
            }
            Segment(canvas, x, lo, hi, color);
        } else if (walk.random) {
            for (int32_t i = 0; i < v; ++i)
                BlendPixel(canvas, x, level(read(walk.pos + RandomOffset(walk))), color, walk.strength);
            walk.pos += v * walk.step;
        } else {
            for (int32_t i = 0; i < v; ++i) {
                walk.pos += walk.step;
                BlendPixel(canvas, x, level(read(walk.pos)), color, walk.strength);
            }
        }
    }
}

void PaintWaveJoined(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                     const TPaneRect& k, const Wave* left, const Wave* right, double pFirst, double pLast,
                     uint32_t overlapColor, uint32_t leftColor, uint32_t rightColor)
{
    if (!left || !right || left->getValues() <= 0 || right->getValues() <= 0)
        return;
    TColumnWalk walk;
    if (!PrepareWalk(group, part, k, pFirst, pLast, walk))
        return;
    uint8_t front = group.GetWaveViewProps().FrontKind;
    // The channel drawn first lies behind the other.
    bool leftFirst = front != FrontLeft;
    const std::array<TSampleReader, 2> reads = {TSampleReader(leftFirst ? *left : *right),
                                                TSampleReader(leftFirst ? *right : *left)};
    const std::array<uint32_t, 2> colors = {leftFirst ? leftColor : rightColor, leftFirst ? rightColor : leftColor};
    TLevelMap level(k);
    const int32_t v = walk.perPixel;
    for (int32_t x = walk.x0; x < walk.x1; ++x) {
        if (walk.lines) {
            std::array<int32_t, 2> lo{}, hi{};
            auto take = [&](double position, bool firstRead) {
                for (size_t c = 0; c < 2; ++c) {
                    int32_t y = level(reads[c](position));
                    lo[c] = firstRead ? y : std::min(lo[c], y);
                    hi[c] = firstRead ? y : std::max(hi[c], y);
                }
            };
            if (walk.random) {
                take(walk.pos + RandomOffset(walk), true);
                for (int32_t i = 0; i < v; ++i)
                    take(walk.pos + RandomOffset(walk), false);
                walk.pos += v * walk.step;
            } else {
                take(walk.pos, true);
                for (int32_t i = 0; i < v; ++i) {
                    walk.pos += walk.step;
                    take(walk.pos, false);
                }
            }
            Segment(canvas, x, lo[0], hi[0], colors[0]);
            Segment(canvas, x, lo[1], hi[1], colors[1]);
            int32_t b = 0, e = -1;
            if (front == FrontNone && IntersectRange(lo[0], hi[0], lo[1], hi[1], b, e) && b <= e)
                Segment(canvas, x, b, e, overlapColor);
        } else if (front == FrontNone) {
            for (int32_t i = 0; i < v; ++i) {
                double position = walk.random ? walk.pos + RandomOffset(walk) : (walk.pos += walk.step);
                for (size_t c = 0; c < 2; ++c)
                    BlendPixel(canvas, x, level(reads[c](position)), colors[c], walk.strength);
            }
            if (walk.random)
                walk.pos += v * walk.step;
        } else {
            double start = walk.pos;
            for (size_t c = 0; c < 2; ++c) {
                double pos = start;
                for (int32_t i = 0; i < v; ++i) {
                    double position = walk.random ? start + RandomOffset(walk) : (pos += walk.step);
                    BlendPixel(canvas, x, level(reads[c](position)), colors[c], walk.strength);
                }
            }
            walk.pos = start + v * walk.step;
        }
    }
}

void PaintTimeGrid(const TWaveDisplayGroup& group, double first, double last, TPixelCanvas& canvas,
                   const TPaneRect& part, const TPaneRect& k, const TWaveViewProps& props)
{
    uint32_t color = props.GridColor;
    double f = group.GetUnitWave()->GetSampleFreq();
    int32_t ym = ToInt32((k.top + k.bottom) * 0.5);
    canvas.HorizontalLine(part.left, part.right, ym, color);
    if (last == first || k.Width() <= 0 || f <= 0)
        return;
    double step = NiceGridStep((last - first) / f / (0.05 * (k.right - k.left)));
    if (!(step > 0))
        return;
    int64_t prev = static_cast<int64_t>(ToInt32(ColumnToSeconds(k, first, last, part.left - 1, f) / step));
    for (int32_t x = part.left; x <= part.right; ++x) {
        int64_t cur = ToInt32(ColumnToSeconds(k, first, last, x, f) / step);
        if (cur > prev)
            canvas.VerticalLine(x, part.top, part.bottom, color);
        prev = cur;
    }
}

void PaintWaveColumns(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& clientRect,
                      const TPaneRect& part, double first, double last, const TWaveViewProps& props, bool inverted)
{
    const TUnitWave* unit = group.GetUnitWave();
    if (!unit || !unit->GetSound())
        return;
    const Sound& sound = *unit->GetSound();
    uint32_t left = inverted ? props.RightColor : props.LeftColor;
    uint32_t right = inverted ? props.LeftColor : props.RightColor;
    uint32_t single = inverted ? props.BackgroundColor : props.SingleColor;
    double pFirst = ColumnToWavePos(clientRect, first, last, part.left);
    double pLast = ColumnToWavePos(clientRect, first, last, part.right);
    const TWaveViewProps& own = group.GetWaveViewProps();
    if (sound.channels == 1) {
        StopFlag stop = 0;
        bool isNew = false;
        RefPtr<Wave> wave = sound.GetMonoWave(&stop, isNew);
        PaintWaveChannel(group, canvas, part, clientRect, wave.get(), pFirst, pLast, single);
        if (own.UseGrid)
            PaintTimeGrid(group, first, last, canvas, part, clientRect, props);
    } else if (!own.DrawSingle) {
        PaintWaveJoined(group, canvas, part, clientRect, sound.GetLeftWave(), sound.GetRightWave(), pFirst, pLast,
                        single, left, right);
        if (own.UseGrid)
            PaintTimeGrid(group, first, last, canvas, part, clientRect, props);
    } else {
        int32_t m = (clientRect.top + clientRect.bottom) / 2;
        TPaneRect upper = clientRect, lower = clientRect;
        upper.bottom = m;
        lower.top = m;
        PaintWaveChannel(group, canvas, part, upper, sound.GetLeftWave(), pFirst, pLast, single);
        if (own.UseGrid)
            PaintTimeGrid(group, first, last, canvas, part, upper, props);
        PaintWaveChannel(group, canvas, part, lower, sound.GetRightWave(), pFirst, pLast, single);
        if (own.UseGrid)
            PaintTimeGrid(group, first, last, canvas, part, lower, props);
        canvas.HorizontalLine(part.left, part.right, m, props.GridColor);
    }
}
