#include "shell/ModelessDialogs.h"

#include "foundation/values/GetNumberValue.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"
#include "wave/view/GrammarBuilder.h"

namespace {

constexpr TModelessDialogInfo Dialogs[ModelessDialogKindCount] = {
    {modelessDialogSelZoom, "DlgSelZoom", 2},
    {modelessDialogMusStave, "DlgMusStave", 2},
    {modelessDialogMusTree, "DlgMusTree", 4},
    {modelessDialogEditName, "DlgEditName", 3},
};

constexpr const char* NumberNames[4] = {"Left", "Top", "Width", "Height"};

int32_t* NumberOf(TDialogPlacement& placement, int n)
{
    int32_t* numbers[4] = {&placement.Left, &placement.Top, &placement.Width, &placement.Height};
    return numbers[n];
}

} // namespace

const TModelessDialogInfo& ModelessDialogInfo(TModelessDialogKind kind)
{
    return Dialogs[kind < ModelessDialogKindCount ? kind : 0];
}

bool TModelessDialogs::IsDialogVisible(TModelessDialogKind kind) const
{
    return kind < ModelessDialogKindCount && visible[kind];
}

void TModelessDialogs::ShowDialog(TModelessDialogKind kind, bool show)
{
    if (kind < ModelessDialogKindCount)
        visible[kind] = show;
}

TDialogPlacement TModelessDialogs::GetPlacement(TModelessDialogKind kind) const
{
    return kind < ModelessDialogKindCount ? placements[kind] : TDialogPlacement{};
}

void TModelessDialogs::SetPlacement(TModelessDialogKind kind, const TDialogPlacement& placement)
{
    if (kind >= ModelessDialogKindCount)
        return;
    TDialogPlacement& kept = placements[kind];
    TDialogPlacement given = placement;
    for (int n = 0; n < ModelessDialogInfo(kind).numbers; ++n)
        *NumberOf(kept, n) = *NumberOf(given, n);
}

std::unique_ptr<TXMLComplexElement> TModelessDialogs::WriteModelessDialogsXml() const
{
    auto result = std::make_unique<TXMLComplexElement>("ModelessDialogs");
    for (const TModelessDialogInfo& info : Dialogs) {
        if (!IsDialogVisible(info.kind))
            continue;
        TDialogPlacement placement = GetPlacement(info.kind);
        auto element = std::make_unique<TXMLComplexElement>(info.element);
        for (int n = 0; n < info.numbers; ++n)
            unitInteger(*NumberOf(placement, n), EHNone).WriteXml(NumberNames[n], *element);
        result->AddItem(std::move(element));
    }
    return result;
}

bool TModelessDialogs::ReadModelessDialogsXml(const TXMLItem& modelessDialogs, std::string& error, int32_t& line,
                                              int32_t& column)
{
    const TXMLItem* child = modelessDialogs.GetFirst();
    for (const TModelessDialogInfo& info : Dialogs) {
        if (!child || child->GetElement() != info.element) {
            ShowDialog(info.kind, false);
            continue;
        }
        ShowDialog(info.kind, true);
        // Every number is read before any is applied.
        TDialogPlacement placement = GetPlacement(info.kind);
        const TXMLItem* number = child->GetFirst();
        for (int n = 0; n < info.numbers; ++n, number = number->GetNext()) {
            if (!number || number->GetElement() != NumberNames[n]) {
                line = (number ? number : child)->GetLine();
                column = (number ? number : child)->GetColumn();
                error = std::string("In ") + info.element + ": " + NumberNames[n] + " expected.";
                return false;
            }
            if (!GetNumberValue(*number, *NumberOf(placement, n), error, line, column))
                return false;
        }
        SetPlacement(info.kind, placement);
        child = child->GetNext();
    }
    return true;
}

TDTDItemPtr TModelessDialogs::GetModelessDialogsDefinition(const TDTDItemPtr& left, const TDTDItemPtr& top,
                                                           const TDTDItemPtr& width, const TDTDItemPtr& height)
{
    using namespace GrammarBuilder;
    return Element("ModelessDialogs",
                   Sequence({Optional(Element("DlgSelZoom", Sequence({left, top}))),
                             Optional(Element("DlgMusStave", Sequence({left, top}))),
                             Optional(Element("DlgMusTree", Sequence({left, top, width, height}))),
                             Optional(Element("DlgEditName", Sequence({left, top, width})))}));
}
