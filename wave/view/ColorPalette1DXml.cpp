#include "wave/view/ColorPalette1DXml.h"

#include "foundation/QuotedText.h"
#include "foundation/values/unitColor.h"
#include "foundation/values/unitFactor.h"
#include "foundation/xml/XMLComplexElement.h"
#include "wave/view/ColorPalette1DItem.h"
#include "wave/view/GrammarBuilder.h"
#include "wave/view/ViewXml.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

TDTDItemPtr GetColorPalette1DElementDefinition()
{
    using namespace GrammarBuilder;
    TDTDItemPtr item = Element("ColorPalette1DItem", Sequence({Text("Position"), Text("ColorBefore"),
                                                               Optional(Empty("UseColorAfter")), Text("ColorAfter")}));
    return Element("ColorPalette1D", Sequence({Text("BeginColor"), RepeatMin0(item), Text("EndColor")}));
}

bool ReadColorPalette1DXml(TColorPalette1DItem& palette, const TXMLItem& element, std::string& error,
                           int32_t& line, int32_t& column)
{
    // Read into a fresh palette so that a refused element changes nothing.
    TColorPalette1DItem result(0x000000, 0xFFFFFF);
    const TXMLItem* child = ExpectElement(element.GetFirst(), "BeginColor");
    uint32_t color = 0;
    if (!ReadColorElement(child, "BeginColor", color, error, line, column))
        return false;
    result.SetColorBefore(color);
    // Items may stand in any order; they are put in place once all are read,
    // so that neither the check for a taken position nor the inserting walks
    // the items before.
    struct TReadItem {
        unitFactorPosMoreLess1 position;
        uint32_t before;
        uint32_t after;
        bool useAfter;
    };
    std::vector<TReadItem> items;
    std::unordered_set<double> positions;
    for (child = child->GetNext(); IsElement(child, "ColorPalette1DItem"); child = child->GetNext()) {
        const TXMLItem* part = ExpectElement(child->GetFirst(), "Position");
        unitFactorPosMoreLess1 position;
        if (!position.ReadXml(*part, error, line, column))
            return false;
        if (!positions.insert(position.GetValue()).second) {
            error = "In Position: Another item has the position " + QuotedText(part->GetValue()) + ".";
            return false;
        }
        uint32_t before = 0;
        part = part->GetNext();
        if (!ReadColorElement(part, "ColorBefore", before, error, line, column))
            return false;
        part = part->GetNext();
        bool useAfter = IsElement(part, "UseColorAfter");
        if (useAfter)
            part = part->GetNext();
        uint32_t after = 0;
        if (!ReadColorElement(part, "ColorAfter", after, error, line, column))
            return false;
        QB_ASSERT(part->GetNext() == nullptr);
        items.push_back({position, before, after, useAfter});
    }
    std::sort(items.begin(), items.end(), [](const TReadItem& a, const TReadItem& b) {
        return a.position.GetValue() < b.position.GetValue();
    });
    // Each item follows the one inserted before it: nothing to walk.
    TColorPalette1DItem* last = &result;
    for (const TReadItem& item : items) {
        TColorPalette1DItem* inserted = last->InsertItem(item.position, item.before);
        QB_ASSERT(inserted != nullptr); // the position lies strictly between 0 and 1 and is new
        inserted->SetUseColorAfter(true);
        inserted->SetColorAfter(item.after);
        inserted->SetUseColorAfter(item.useAfter);
        last = inserted;
    }
    if (!ReadColorElement(child, "EndColor", color, error, line, column))
        return false;
    QB_ASSERT(child->GetNext() == nullptr);
    result.GetLastItem()->SetColorBefore(color);
    palette = result;
    return true;
}

void TColorPalette1DItem::WriteColorPalette1DXml(TXMLComplexElement& parent) const
{
    for (const TColorPalette1DItem* item = this; item; item = item->GetNext()) {
        double position = item->GetDPosition();
        if (position == 0.0) {
            WriteColorElement("BeginColor", item->GetColorBefore(), parent);
        } else if (position == 1.0) {
            WriteColorElement("EndColor", item->GetColorBefore(), parent);
        } else {
            auto element = std::make_unique<TXMLComplexElement>("ColorPalette1DItem");
            item->GetPosition().WriteXml("Position", *element);
            WriteColorElement("ColorBefore", item->GetColorBefore(), *element);
            if (item->GetUseColorAfter())
                element->AddItem(std::make_unique<TXMLComplexElement>("UseColorAfter"));
            WriteColorElement("ColorAfter", item->GetColorAfter(), *element);
            parent.AddItem(std::move(element));
        }
    }
}
