#include "shell/ModelessDialogs.h"

#include "foundation/values/GetNumberValue.h"
#include "foundation/values/unitInteger.h"
#include "foundation/xml/XMLComplexElement.h"

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

std::unique_ptr<TXMLItem> TModelessDialogs::WriteProjectXml(TModelessDialogKind kind) const
{
    if (kind >= ModelessDialogKindCount || !HasDialog(kind))
        return nullptr;
    const TModelessDialogInfo& info = ModelessDialogInfo(kind);
    TDialogPlacement placement = GetPlacement(kind);
    auto element = std::make_unique<TXMLComplexElement>(info.element);
    for (int n = 0; n < info.numbers; ++n)
        unitInteger(*NumberOf(placement, n), EHNone).WriteXml(NumberNames[n], *element);
    return element;
}

bool TModelessDialogs::ReadProjectXml(TModelessDialogKind kind, const TXMLItem& element, std::string& error,
                                      int32_t& line, int32_t& column)
{
    if (kind >= ModelessDialogKindCount)
        return true;
    const TModelessDialogInfo& info = ModelessDialogInfo(kind);
    ShowDialog(kind, true);
    TDialogPlacement placement = GetPlacement(kind);
    const TXMLItem* number = element.GetFirst();
    for (int n = 0; n < info.numbers; ++n, number = number->GetNext()) {
        // The grammar puts them there; a tree made otherwise is told, not followed.
        if (!number || number->GetElement() != NumberNames[n]) {
            line = (number ? number : &element)->GetLine();
            column = (number ? number : &element)->GetColumn();
            error = std::string("In ") + info.element + ": " + NumberNames[n] + " expected.";
            return false;
        }
        if (!GetNumberValue(*number, *NumberOf(placement, n), error, line, column))
            return false;
    }
    SetPlacement(kind, placement);
    return true;
}
