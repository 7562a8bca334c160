#include "music/parts/SelectPartMuz.h"

#include "foundation/xml/XMLComplexElement.h"
#include "music/file/MusicXmlValues.h"
#include "platform/Assertions.h"

TSelectPartMuz::TSelectPartMuz(std::unique_ptr<TPartMuz> selectPart, TMuzData* muzData,
                               const unitFactorPosMore& tempoStart, const unitFactorPosMore& tempoEnd)
    : TPartMuz(muzData, tempoStart, tempoEnd), SelectPart(std::move(selectPart)),
      SelectPartItems(std::make_unique<TStartSelectPartItem>(this))
{
    if (SelectPart)
        SelectPart->SetParent(this);
}

TSelectPartMuz::~TSelectPartMuz()
{
    FreeChildren();
}

std::unique_ptr<TPartMuz>* TSelectPartMuz::GetChildLink(const TPartMuz* child)
{
    QB_CHECK(SelectPart.get() == child);
    return &SelectPart;
}

TCountSelectPartItem* TSelectPartMuz::AddTurn(const unitIntegerPosMore& count, const unitInteger& pitch,
                                              const unitFactorPosMore& tempo)
{
    TSelectPartItem* end = LastTurn ? LastTurn : SelectPartItems.get();
    LastTurn = end->AppendTurn(std::make_unique<TCountSelectPartItem>(this, count, pitch, tempo));
    return static_cast<TCountSelectPartItem*>(LastTurn);
}

void TSelectPartMuz::WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                                 const TXTouchMuzSymbol*) const
{
    auto element = std::make_unique<TXMLComplexElement>("SelectMuzPart");
    SelectPartItems->WriteXml(*element, selectedItem);
    WriteFactorUnlessOne(TempoStart, "TempoStart", *element);
    WriteFactorUnlessOne(TempoEnd, "TempoEnd", *element);
    WritePartNodeXml(*this, *element, Expanded, selectedItem == this, EnablePlayAndDraw);
    parent.AddItem(std::move(element));
}

void TSelectPartMuz::TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count)
{
    if (SelectPart)
        out[count++] = std::move(SelectPart);
}
