#include "factory/graph/SountoryNodeInputOutput.h"

#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNode.h"
#include "foundation/values/NumericHelpers.h"

TSountoryNodeInputOutput::TSountoryNodeInputOutput(std::string name, TSountoryNode* node, double height,
                                                   uint8_t fixed, ::ValueDomType kind, ::ValueDomain domain)
    : TSountoryAlgInputOutput(height, fixed, kind, domain, std::move(name)), SountoryNode(node)
{
}

void TSountoryNodeInputOutput::GetPinSizes(int32_t& circle, int32_t& square, int32_t& triangle) const
{
    const bool large = TouchState >= 1 && TouchState <= 4;
    circle = large ? 8 : 6;
    square = large ? 6 : 4;
    triangle = large ? 8 : 5;
}

int32_t TSountoryNodeInputOutput::GetPinY(const TCanvasRect& edge) const
{
    return PinCentreY(edge.Top + 8, edge.Bottom - 7, GetHeight());
}

int32_t TSountoryNodeInputOutput::GetLineY(const TCanvasRect& edge) const
{
    return PinLineY(edge.Top + 8, edge.Bottom - 7, GetHeight());
}

std::string TSountoryNodeInputOutput::GetFullName() const
{
    return SountoryNode->Name + "." + Name;
}

int32_t TSountoryNodeInputOutput::GetWindowPoint() const
{
    return GetPinY(SountoryNode->GetWindowRect());
}

void TSountoryNodeInputOutput::DragTo(int32_t windowY)
{
    const TCanvasRect rect = SountoryNode->GetWindowRect();
    Height.SetValue(PinHeightAt(rect.Top + 8, rect.Bottom - 7, windowY));
}

bool TSountoryNodeInputOutput::SameValueDomain(const TSountoryNodeInputOutput& other) const
{
    return ValueDomType == other.ValueDomType && ValueDomain == other.ValueDomain;
}

void TSountoryNodeInputOutput::CopyLayout(const TSountoryNodeInputOutput& other)
{
    Fixed = other.Fixed;
    Height = other.Height;
}

void TSountoryNodeInputOutput::DrawLabel(TCanvas& canvas, const TCanvasRect& nodeRect, Side side) const
{
    const TUnitSountory& factory = *SountoryNode->GetOwner();
    const bool showName = factory.ShowNameNIO != 0;
    const bool showType = factory.ShowTypeNIO != 0;
    const int32_t lines = (showName ? 1 : 0) + (showType ? 1 : 0);
    canvas.SetFont({"Arial", 8, false, false, GetTypeColor()});
    canvas.SetBrushColor(
        static_cast<TCanvasColor>(MixColors(0, static_cast<int32_t>(SountoryNode->NodeStateColor()), 0.75)));
    const int32_t y = GetPinY(nodeRect);
    auto place = [&](const std::string& text, int32_t top) {
        const int32_t width = canvas.TextWidth(text);
        canvas.TextOut(side == SideLeft ? nodeRect.Left + 9 : nodeRect.Right - 9 - width, top, text);
    };
    if (showName)
        place(Name, y - (lines * canvas.TextHeight(Name)) / 2);
    if (showType) {
        const std::string type = GetTypeText();
        place(type, y + ((lines - 2) * canvas.TextHeight(type)) / 2);
    }
}
