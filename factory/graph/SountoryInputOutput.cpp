#include "factory/graph/SountoryInputOutput.h"

#include "factory/document/UnitSountory.h"
#include "foundation/values/NumericHelpers.h"

TSountoryInputOutput::TSountoryInputOutput(std::string name, TUnitSountory* factory, double height, uint8_t fixed,
                                           ::ValueDomType kind, ::ValueDomain domain, std::string description,
                                           int32_t sequence)
    : TSountoryAlgInputOutput(height, fixed, kind, domain, std::move(name)), Description(std::move(description)),
      Sequence(sequence), Factory(factory)
{
}

void TSountoryInputOutput::GetPinSizes(int32_t& circle, int32_t& square, int32_t& triangle) const
{
    const bool large = TouchState >= 1 && TouchState <= 4;
    circle = large ? 11 : 9;
    square = large ? 8 : 6;
    triangle = large ? 10 : 7;
}

int32_t TSountoryInputOutput::GetPinY(const TCanvasRect& edge) const
{
    return PinCentreY(edge.Top, edge.Bottom, GetHeight());
}

int32_t TSountoryInputOutput::GetWindowPoint() const
{
    return GetPinY(Factory->GetFrameRect());
}

void TSountoryInputOutput::DragTo(int32_t windowY)
{
    const TCanvasRect frame = Factory->GetFrameRect();
    Height.SetValue(PinHeightAt(frame.Top, frame.Bottom, windowY));
}

bool TSountoryInputOutput::SameValueDomain(const TSountoryInputOutput& other) const
{
    return ValueDomType == other.ValueDomType && ValueDomain == other.ValueDomain;
}

void TSountoryInputOutput::DrawLabel(TCanvas& canvas, const TCanvasRect& frame, Side side) const
{
    const bool showName = Factory->ShowNameIO != 0;
    const bool showType = Factory->ShowTypeIO != 0;
    const int32_t lines = (showName ? 1 : 0) + (showType ? 1 : 0);
    canvas.SetFont({"Arial", 10, false, false, GetTypeColor()});
    canvas.SetBrushColor(static_cast<TCanvasColor>(MixColors(0, 0xFFFFFF, 0.75)));
    const int32_t y = GetPinY(frame);
    auto place = [&](const std::string& text, int32_t top) {
        const TCanvasSize size = canvas.TextExtent(text);
        const int32_t x = side == SideLeft ? frame.Left + 12 : frame.Right - 12 - size.Width;
        canvas.TextOut(x, top, text);
        return size.Height;
    };
    if (showName) {
        const int32_t h = canvas.TextHeight(Name);
        place(Name, y - (lines * h) / 2);
    }
    if (showType) {
        const std::string type = GetTypeText();
        const int32_t h = canvas.TextHeight(type);
        place(type, y + ((lines - 2) * h) / 2);
    }
}

bool TSountoryInputOutput::CheckWavePositionAs(const char* word, std::string& message) const
{
    if (ValueDomType == ::ValueDomType::WavePos)
        return true;
    message = std::string(word) + "\"" + Name + "\" is not a valuetype domain of \"wave position\".";
    return false;
}
