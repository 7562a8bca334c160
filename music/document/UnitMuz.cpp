#include "music/document/UnitMuz.h"

#include "music/document/MusicView.h"
#include "music/parts/SinglePartMuz.h"
#include "music/symbols/MuzBar.h"
#include "music/symbols/StaveSymbol.h"
#include "platform/Assertions.h"

TUnitMuz::TUnitMuz(const std::string& name, const std::string& fileName) : TSoundUnit(UnitKindMusic)
{
    Name = name;
    FileName = fileName;
}

TUnitMuz::~TUnitMuz() = default;

void TUnitMuz::SetWindow(MusicView* view)
{
    View = view;
    TFileUnit::SetWindow(view);
}

uint8_t TUnitMuz::GetSelMuzSymbolKind() const
{
    return SelectedSymbol ? SelectedSymbol->GetMuzSymbolKind() : 3;
}

void TUnitMuz::SetSelMuzSymbol(TXTouchMuzSymbol* symbol)
{
    if (SelectedSymbol && SelectedSymbol->GetMuzSymbolKind() == muzSymbolStave)
        SelectedInStave = static_cast<TStaveSymbol*>(SelectedSymbol)->GetNoteStave();
    SelectedSymbol = symbol;
}

void TUnitMuz::DeselectIfPartHidden()
{
    if (!SelectedSymbol)
        return;
    const TPartMuz* part = SelectedSymbol->GetPartMuz();
    if (part && !part->IsEnabledPlayDraw())
        SelectedSymbol = nullptr;
}

void TUnitMuz::PartsChanged()
{
    if (View)
        View->MusicPartsChanged();
}

void TUnitMuz::Redraw()
{
    if (!QB_CHECK(View != nullptr))
        return;
    View->Invalidate();
    DescribeSelection();
}

TSelectionTexts TUnitMuz::DescribeSelection() const
{
    TSelectionTexts texts = ::DescribeSelection(SelectedSymbol, HasNoFileName(), IsModifiedOrNew());
    if (View)
        View->ShowSelectionTexts(texts);
    return texts;
}

void TUnitMuz::NewMusic()
{
    if (!QB_CHECK(MuzData.GetRootChild() == nullptr))
        return;
    auto part = std::make_unique<TSinglePartMuz>(&MuzData, UnitTempoFactor(), UnitTempoFactor());
    TMuzBar::Attach(*part, 4, 4, 0);
    MuzData.SetRootChild(std::move(part));
    MuzData.NewNoteStave(nullptr, this);
    ClearModified();
    SetSelMuzSymbol(MuzData.GetFirstSymbol());
}
