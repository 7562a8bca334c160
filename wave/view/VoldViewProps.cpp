#include "wave/view/VoldViewProps.h"

#include "foundation/values/NumericHelpers.h"
#include "foundation/values/unitColor.h"
#include "foundation/xml/XMLComplexElement.h"
#include "wave/view/ColorPalette1DXml.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewXml.h"

namespace {

// Axis kinds and sensitivity kinds in the order of their elements.
const char* const AxisElements[] = {"YLinFreq", "YLog", "YLinTime"};
const char* const SensElements[] = {"SensLow", "SensNormal", "SensHigh", "SensVeryHigh"};

} // namespace

TVoldViewProps::TVoldViewProps()
    : XResolution(500, EHNone), YResolution(50, EHNone), TimeTop(5e-05, EHKHZ), TimeBottom(0.05, EHHZ),
      YWidth(1.0, EHNone), Strength(1.3, EHNone), ColorPalette1D(0x000000, 0xFFFFFF)
{
}

bool TVoldViewProps::operator==(const TVoldViewProps& other) const
{
    return FreqAxisKind == other.FreqAxisKind && DrawSingle == other.DrawSingle && SensKind == other.SensKind
        && BackgroundColor == other.BackgroundColor && SingleColor == other.SingleColor
        && LeftColor == other.LeftColor && RightColor == other.RightColor && CursorColor == other.CursorColor
        && Strength.GetValue() == other.Strength.GetValue() && !NeedsRecalculation(other)
        && ColorPalette1D == other.ColorPalette1D && UseColorPalette1D == other.UseColorPalette1D;
}

bool TVoldViewProps::NeedsRecalculation(const TVoldViewProps& other) const
{
    return !(FreqAxisKind == other.FreqAxisKind && TimeTop.GetValue() == other.TimeTop.GetValue()
             && TimeBottom.GetValue() == other.TimeBottom.GetValue()
             && XResolution.GetValue() == other.XResolution.GetValue()
             && YResolution.GetValue() == other.YResolution.GetValue() && YWidth.GetValue() == other.YWidth.GetValue());
}

void TVoldViewProps::FadeColors(uint32_t toward, double factor)
{
    for (uint32_t* color : {&BackgroundColor, &SingleColor, &LeftColor, &RightColor, &CursorColor})
        *color = static_cast<uint32_t>(MixColors(static_cast<int32_t>(toward), static_cast<int32_t>(*color), factor));
    ColorPalette1D.FadeColors(toward, factor);
}

bool TVoldViewProps::CellCountFits() const
{
    int64_t cells = int64_t(XResolution.GetValue()) * int64_t(YResolution.GetValue());
    return cells > 0 && cells <= MaxCellCount;
}

TDTDItemPtr TVoldViewProps::GetViewVolumeDefinition()
{
    using namespace GrammarBuilder;
    return Element("ViewVolume",
                   Sequence({Text("TimeTop"), Text("TimeBottom"), Text("XResolution"), Text("YResolution"),
                             Text("YWidth"), Choice({Empty("YLinFreq"), Empty("YLinTime"), Empty("YLog")}),
                             Choice({Empty("SensLow"), Empty("SensNormal"), Empty("SensHigh"), Empty("SensVeryHigh")}),
                             Text("Strength"), Text("SingleColor"), Text("BackgroundColor"), Text("LeftColor"),
                             Text("RightColor"), Text("CursorColor"), Optional(Empty("UseColorPalette1D")),
                             GetColorPalette1DElementDefinition(),
                             Choice({Empty("DrawSingle"), Empty("DrawJoined")})}));
}

bool TVoldViewProps::ReadViewVolumeXml(TVoldViewProps& props, const TXMLItem* viewVolume, std::string& error,
                                       int32_t& line, int32_t& column)
{
    ExpectElement(viewVolume, "ViewVolume");
    const TXMLItem* item = viewVolume->GetFirst();
    struct ValueField {
        unit* value;
        const char* name;
        const char* label;
    };
    for (const ValueField& field : {ValueField{&props.TimeTop, "TimeTop", "TimeTop"},
                                    ValueField{&props.TimeBottom, "TimeBottom", "Timebottom"},
                                    ValueField{&props.XResolution, "XResolution", "XResolution"},
                                    ValueField{&props.YResolution, "YResolution", "YResolution"},
                                    ValueField{&props.YWidth, "YWidth", "YWidth"}}) {
        if (!ReadValueElement(*field.value, item, field.name, field.label, error, line, column))
            return false;
        if (field.value == &props.YResolution && !props.CellCountFits()) {
            // The diagram would not fit in memory; line and column point at YResolution.
            error = "In YResolution: A volume diagram of " + std::to_string(props.XResolution.GetValue()) + " x "
                  + std::to_string(props.YResolution.GetValue()) + " cells is too large; at most "
                  + std::to_string(MaxCellCount) + " cells are allowed.";
            return false;
        }
        item = item->GetNext();
    }
    static const uint8_t axisKinds[] = {YLinFreq, YLog, YLinTime};
    props.FreqAxisKind = axisKinds[WhichElement(item, {AxisElements[0], AxisElements[1], AxisElements[2]})];
    item = item->GetNext();
    props.SensKind = static_cast<uint8_t>(
        WhichElement(item, {SensElements[0], SensElements[1], SensElements[2], SensElements[3]}));
    item = item->GetNext();
    if (!ReadValueElement(props.Strength, item, "Strength", "Strength", error, line, column))
        return false;
    item = item->GetNext();
    for (auto [name, color] : {std::pair<const char*, uint32_t*>{"SingleColor", &props.SingleColor},
                               {"BackgroundColor", &props.BackgroundColor},
                               {"LeftColor", &props.LeftColor},
                               {"RightColor", &props.RightColor},
                               {"CursorColor", &props.CursorColor}}) {
        if (!ReadColorElement(item, name, *color, error, line, column))
            return false;
        item = item->GetNext();
    }
    props.UseColorPalette1D = IsElement(item, "UseColorPalette1D");
    if (props.UseColorPalette1D)
        item = item->GetNext();
    if (!ReadColorPalette1DXml(props.ColorPalette1D, *ExpectElement(item, "ColorPalette1D"), error, line, column))
        return false;
    item = item->GetNext();
    QB_ASSERT(item != nullptr);
    line = item->GetLine();
    column = item->GetColumn();
    props.DrawSingle = WhichElement(item, {"DrawSingle", "DrawJoined"}) == 0;
    QB_ASSERT(item->GetNext() == nullptr);
    return true;
}

std::unique_ptr<TXMLComplexElement> TVoldViewProps::WriteViewVolumeXml(const TVoldViewProps& props)
{
    auto element = std::make_unique<TXMLComplexElement>("ViewVolume");
    props.TimeTop.WriteXml("TimeTop", *element);
    props.TimeBottom.WriteXml("TimeBottom", *element);
    props.XResolution.WriteXml("XResolution", *element);
    props.YResolution.WriteXml("YResolution", *element);
    props.YWidth.WriteXml("YWidth", *element);
    WriteEmptyElement(AxisElements[props.FreqAxisKind < 3 ? props.FreqAxisKind : uint8_t(YLog)], *element);
    WriteEmptyElement(SensElements[props.SensKind < 4 ? props.SensKind : uint8_t(SensNormal)], *element);
    props.Strength.WriteXml("Strength", *element);
    WriteColorElement("SingleColor", props.SingleColor, *element);
    WriteColorElement("BackgroundColor", props.BackgroundColor, *element);
    WriteColorElement("LeftColor", props.LeftColor, *element);
    WriteColorElement("RightColor", props.RightColor, *element);
    WriteColorElement("CursorColor", props.CursorColor, *element);
    if (props.UseColorPalette1D)
        WriteEmptyElement("UseColorPalette1D", *element);
    auto palette = std::make_unique<TXMLComplexElement>("ColorPalette1D");
    props.ColorPalette1D.WriteColorPalette1DXml(*palette);
    element->AddItem(std::move(palette));
    WriteEmptyElement(props.DrawSingle ? "DrawSingle" : "DrawJoined", *element);
    return element;
}
