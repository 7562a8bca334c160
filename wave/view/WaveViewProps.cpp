#include "wave/view/WaveViewProps.h"

#include "foundation/values/NamedColors.h"
#include "foundation/values/NumericHelpers.h"
#include "foundation/values/unitColor.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewXml.h"

TWaveViewProps::TWaveViewProps()
    : ValuesPerPixel(15, EHNone), Strength(1.0, EHNone), EnvelopeStrength(0.4, EHPerc)
{
}

bool TWaveViewProps::operator==(const TWaveViewProps& other) const
{
    return DrawKind == other.DrawKind && DistKind == other.DistKind
        && ValuesPerPixel.GetValue() == other.ValuesPerPixel.GetValue() && UseGrid == other.UseGrid
        && GridColor == other.GridColor && CursorColor == other.CursorColor
        && Strength.GetValue() == other.Strength.GetValue() && BackgroundColor == other.BackgroundColor
        && SingleColor == other.SingleColor && DrawSingle == other.DrawSingle && LeftColor == other.LeftColor
        && RightColor == other.RightColor && FrontKind == other.FrontKind && DrawEnvelope == other.DrawEnvelope
        && EnvelopeStrength.GetValue() == other.EnvelopeStrength.GetValue() && Envelope == other.Envelope;
}

void TWaveViewProps::FadeColors(uint32_t toward, double factor)
{
    // A system colour fades from the colour it stands for.
    for (uint32_t* color : {&BackgroundColor, &SingleColor, &LeftColor, &RightColor, &CursorColor, &GridColor})
        *color = static_cast<uint32_t>(MixColors(static_cast<int32_t>(ResolveColor(toward)),
                                                 static_cast<int32_t>(ResolveColor(*color)), factor));
}

TDTDItemPtr TWaveViewProps::GetViewWaveDefinition()
{
    using namespace GrammarBuilder;
    TDTDItemPtr strength = Text("Strength");
    return Element("ViewWave",
                   Sequence({Choice({Empty("DrawLines"), Empty("DrawPixels")}),
                             Choice({Empty("DistRandom"), Empty("DistPeriod")}), Text("ValuesPerPixel"),
                             Optional(Empty("UseGrid")), Text("GridColor"), Text("CursorColor"), strength,
                             Text("SingleColor"), Text("BackgroundColor"), Text("LeftColor"), Text("RightColor"),
                             Choice({Empty("FrontLeft"), Empty("FrontRight"), Empty("FrontNone")}),
                             Choice({Empty("DrawSingle"), Empty("DrawJoined")}),
                             Optional(Element("DrawEnvelope", Sequence({Text("EnvelopeName"), strength})))}));
}

int32_t TWaveViewProps::MostValuesPerPixel(int32_t waveValues)
{
    return std::max(waveValues, TWaveViewProps().ValuesPerPixel.GetValue());
}

bool TWaveViewProps::ReadViewWaveXml(TWaveViewProps& props, const TXMLItem* viewWave, int32_t waveValues,
                                     std::string& error, int32_t& line, int32_t& column)
{
    ExpectElement(viewWave, "ViewWave");
    const TXMLItem* item = viewWave->GetFirst();

    props.DrawKind = WhichElement(item, {"DrawLines", "DrawPixels"}) == 1 ? DrawPixels : DrawLines;
    item = item->GetNext();
    props.DistKind = WhichElement(item, {"DistPeriod", "DistRandom"}) == 1 ? DistRandom : DistPeriod;
    item = item->GetNext();
    if (!ReadValueElement(props.ValuesPerPixel, item, "ValuesPerPixel", "ValuesPerPixel", error, line, column))
        return false;
    // A huge count would keep the first paint busy for ever.
    if (props.ValuesPerPixel.GetValue() > MostValuesPerPixel(waveValues)) {
        error = "In ValuesPerPixel: " + std::to_string(props.ValuesPerPixel.GetValue())
              + " values per pixel are too many for a wave of " + std::to_string(waveValues)
              + " values; at most " + std::to_string(MostValuesPerPixel(waveValues)) + " are allowed.";
        return false;
    }
    item = item->GetNext();
    props.UseGrid = IsElement(item, "UseGrid");
    if (props.UseGrid)
        item = item->GetNext();
    if (!ReadColorElement(item, "GridColor", props.GridColor, error, line, column))
        return false;
    item = item->GetNext();
    if (!ReadColorElement(item, "CursorColor", props.CursorColor, error, line, column))
        return false;
    item = item->GetNext();
    if (!ReadValueElement(props.Strength, item, "Strength", "Strength", error, line, column))
        return false;
    item = item->GetNext();
    for (auto [name, color] : {std::pair<const char*, uint32_t*>{"SingleColor", &props.SingleColor},
                               {"BackgroundColor", &props.BackgroundColor},
                               {"LeftColor", &props.LeftColor},
                               {"RightColor", &props.RightColor}}) {
        if (!ReadColorElement(item, name, *color, error, line, column))
            return false;
        item = item->GetNext();
    }
    QB_ASSERT(item != nullptr);
    line = item->GetLine();
    column = item->GetColumn();
    static const uint8_t frontKinds[] = {FrontLeft, FrontRight, FrontNone};
    props.FrontKind = frontKinds[WhichElement(item, {"FrontLeft", "FrontRight", "FrontNone"})];
    item = item->GetNext();
    QB_ASSERT(item != nullptr);
    line = item->GetLine();
    column = item->GetColumn();
    props.DrawSingle = WhichElement(item, {"DrawSingle", "DrawJoined"}) == 0;
    item = item->GetNext();
    if (!item) {
        // Without a backdrop the name and strength stay for the next time it is switched on.
        props.DrawEnvelope = false;
        return true;
    }
    ExpectElement(item, "DrawEnvelope");
    const TXMLItem* name = ExpectElement(item->GetFirst(), "EnvelopeName");
    props.Envelope = unitUnitWave(name->GetValue());
    if (!ReadValueElement(props.EnvelopeStrength, name->GetNext(), "Strength", "Strength of DrawEnvelope", error, line,
                   column))
        return false;
    props.DrawEnvelope = true;
    QB_ASSERT(item->GetNext() == nullptr);
    return true;
}

std::unique_ptr<TXMLComplexElement> TWaveViewProps::WriteViewWaveXml(const TWaveViewProps& props)
{
    auto element = std::make_unique<TXMLComplexElement>("ViewWave");
    WriteEmptyElement(props.DrawKind == DrawPixels ? "DrawPixels" : "DrawLines", *element);
    WriteEmptyElement(props.DistKind == DistRandom ? "DistRandom" : "DistPeriod", *element);
    props.ValuesPerPixel.WriteXml("ValuesPerPixel", *element);
    if (props.UseGrid)
        WriteEmptyElement("UseGrid", *element);
    WriteColorElement("GridColor", props.GridColor, *element);
    WriteColorElement("CursorColor", props.CursorColor, *element);
    props.Strength.WriteXml("Strength", *element);
    WriteColorElement("SingleColor", props.SingleColor, *element);
    WriteColorElement("BackgroundColor", props.BackgroundColor, *element);
    WriteColorElement("LeftColor", props.LeftColor, *element);
    WriteColorElement("RightColor", props.RightColor, *element);
    WriteEmptyElement(props.FrontKind == FrontLeft ? "FrontLeft" : props.FrontKind == FrontRight ? "FrontRight" : "FrontNone",
               *element);
    WriteEmptyElement(props.DrawSingle ? "DrawSingle" : "DrawJoined", *element);
    std::string name = props.Envelope.GetName();
    // A text element cannot be empty, and a backdrop without a name shows nothing.
    if (props.DrawEnvelope && !name.empty()) {
        auto envelope = std::make_unique<TXMLComplexElement>("DrawEnvelope");
        envelope->AddItem(std::make_unique<TXMLStringElement>("EnvelopeName", name));
        props.EnvelopeStrength.WriteXml("Strength", *envelope);
        element->AddItem(std::move(envelope));
    }
    return element;
}
