#include "factory/graph/SountoryAlgInputOutput.h"

#include "foundation/draw/Canvas.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum class Shape { Circle, Square, HalfDisc, Triangle };

Shape ShapeOf(ValueDomType kind)
{
    switch (kind) {
    case ValueDomType::Wave: return Shape::Circle;
    case ValueDomType::Integer:
    case ValueDomType::Boolean:
    case ValueDomType::WaveMonoStereo:
    case ValueDomType::WaveBytesPerSample:
    case ValueDomType::WaveSampleFrequency: return Shape::Square;
    case ValueDomType::AllComputable:
    case ValueDomType::AllValue:
    case ValueDomType::NoUnit:
    case ValueDomType::WavePos: return Shape::HalfDisc;
    default: return Shape::Triangle;
    }
}

constexpr TCanvasColor kindColors[ValueDomTypeCount] = {
    0x808080, 0x408878, 0x808080, 0xB00000, 0xA00070, 0x0000B0, 0x800098, 0x009800, 0x888800,
    0xA000A0, 0x809000, 0x00A000, 0x009080, 0x606060, 0x406090, 0x808080, 0x505050, 0x888800,
};

void Circle(TCanvas& canvas, int32_t x, int32_t y, int32_t r)
{
    canvas.Ellipse({x - r, y - r, x + r, y + r});
}

void Square(TCanvas& canvas, int32_t x, int32_t y, int32_t s, TCanvasColor fill, TCanvasColor outline, bool filled)
{
    const TCanvasRect rect{x - s, y - s, x + s, y + s};
    if (filled) {
        canvas.SetBrushColor(fill);
        canvas.FillRect(rect);
    }
    canvas.SetBrushColor(outline);
    canvas.FrameRect(rect);
}

// The half of the circle around (cx, y) on the side that faces away from the node.
void HalfDisc(TCanvas& canvas, int32_t cx, int32_t y, int32_t r, TSountoryAlgInputOutput::Side side)
{
    const TCanvasPoint top{cx, y - r};
    const TCanvasPoint bottom{cx, y + r};
    const TCanvasRect box{cx - r, y - r, cx + r, y + r};
    // Counter-clockwise from top to bottom is the left half.
    if (side == TSountoryAlgInputOutput::SideLeft)
        canvas.Chord(box, top, bottom);
    else
        canvas.Chord(box, bottom, top);
}

void Triangle(TCanvas& canvas, int32_t x, int32_t y, int32_t tip, int32_t backSize, int32_t half, int sign)
{
    const int32_t back = x + sign * backSize;
    const std::array<TCanvasPoint, 3> points = {TCanvasPoint{x - sign * tip, y}, TCanvasPoint{back, y - half},
                                                TCanvasPoint{back, y + half}};
    canvas.Polygon(points);
}

} // namespace

TSountoryAlgInputOutput::TSountoryAlgInputOutput(double height, uint8_t fixed, ::ValueDomType kind,
                                                 ::ValueDomain domain, std::string name)
    : Height(height, EHPerc), Name(std::move(name)), Fixed(fixed), ValueDomType(kind), ValueDomain(domain)
{
}

TCanvasColor TSountoryAlgInputOutput::GetTypeColor() const
{
    if (ValueDomType == ::ValueDomType::Wave) {
        switch (ValueDomain) {
        case ::ValueDomain::AllValues: return 0x606060;
        case ::ValueDomain::Mono: return 0x0000C0;
        case ::ValueDomain::Stereo: return 0xC00000;
        default: return 0xC0C0C0;
        }
    }
    const auto kind = static_cast<size_t>(ValueDomType);
    return kind < ValueDomTypeCount ? kindColors[kind] : 0xC0C0C0;
}

std::string TSountoryAlgInputOutput::GetTypeText() const
{
    const int kind = static_cast<int>(ValueDomType);
    std::string text = ValueDomTypeNames[kind];
    if (ValueDomainCount[kind] != 0)
        text += std::string(", ") + ValueDomainNames[static_cast<int>(ValueDomain)];
    return text;
}

void TSountoryAlgInputOutput::DrawPin(TCanvas& canvas, int32_t x, const TCanvasRect& edge, bool hasOwnValue,
                                      Side side) const
{
    const int32_t y = GetPinY(edge);
    const TCanvasColor fill = TouchState != 0 ? GetTouchColor() : GetTypeColor();
    const auto outline = static_cast<TCanvasColor>(MixColors(0, static_cast<int32_t>(fill), 0.75));
    int32_t s1 = 0;
    int32_t s2 = 0;
    int32_t s3 = 0;
    GetPinSizes(s1, s2, s3);
    canvas.SetPen({outline, 1, TPenStyle::Solid});
    canvas.SetBrushColor(fill);
    const int sign = side == SideLeft ? 1 : -1;
    switch (ShapeOf(ValueDomType)) {
    case Shape::Circle:
        if (hasOwnValue)
            Circle(canvas, x, y, s1 + 2);
        Circle(canvas, x, y, s1);
        break;
    case Shape::Square:
        if (hasOwnValue)
            Square(canvas, x, y, s2 + 2, fill, outline, true);
        Square(canvas, x, y, s2, fill, outline, !hasOwnValue);
        break;
    case Shape::HalfDisc: {
        const int32_t cx = side == SideLeft ? x + 2 : x;
        if (hasOwnValue)
            HalfDisc(canvas, cx, y, s1 + 3, side);
        HalfDisc(canvas, cx, y, s1, side);
        break;
    }
    case Shape::Triangle:
        if (hasOwnValue)
            Triangle(canvas, x, y, s3 + 4, s3 + 2, s3 + 3, sign);
        Triangle(canvas, x, y, s3, s3, s3, sign);
        break;
    }
}

bool SameWaveClass(ValueDomType a, ValueDomType b)
{
    return (a == ValueDomType::Wave) == (b == ValueDomType::Wave);
}

int32_t PinCentreY(int32_t top, int32_t bottom, double h)
{
    return ToInt32(top * (1 - h) + bottom * h + 0.5);
}

int32_t PinLineY(int32_t top, int32_t bottom, double h)
{
    return ToInt32(top * (1 - h) + bottom * h);
}

double PinHeightAt(int32_t top, int32_t bottom, int32_t y)
{
    if (bottom == top)
        return 0.0;
    return Clamp(static_cast<double>(y - top) / (bottom - top), 0.0, 1.0);
}

bool PinHit(TCanvasPoint point, TCanvasPoint centre, int32_t reach, int32_t limit, double& distance)
{
    const int64_t dx = point.X - centre.X;
    const int64_t dy = point.Y - centre.Y;
    const double d = std::max(0.0, std::sqrt(static_cast<double>(dx * dx + dy * dy)) - reach);
    if (!(d < limit))
        return false;
    distance = d;
    return true;
}

TSountoryValue TSountoryAlgInputOutput::DialogValue(bool hasOwnValue, const TSountoryValue& ownValue) const
{
    if (IsWave())
        return {0, ValueType::Wave};
    if (hasOwnValue)
        return ownValue;
    if (IsGenericType())
        return {0, ValueType::Factor};
    return {0, static_cast<ValueType>(ValueDomType)};
}
