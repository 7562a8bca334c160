#include "music/parts/LoopPartMuz.h"

#include "foundation/xml/XMLComplexElement.h"
#include "music/file/MusicXmlValues.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

TLoopPartMuz::TLoopPartMuz(const unitIntegerPosMore& count, std::unique_ptr<TPartMuz> loopPart, TMuzData* muzData,
                           const unitFactorPosMore& tempoStart, const unitFactorPosMore& tempoEnd)
    : TPartMuz(muzData, tempoStart, tempoEnd), LoopPart(std::move(loopPart)), Count(count),
      LeftLoopSymbol(std::make_unique<TLoopPartSymbol>(this, true)),
      RightLoopSymbol(std::make_unique<TLoopPartSymbol>(this, false))
{
    if (LoopPart)
        LoopPart->SetParent(this);
}

TLoopPartMuz::~TLoopPartMuz()
{
    FreeChildren();
}

std::string TLoopPartMuz::GetDefaultTreeLabel() const
{
    return "repeat " + Count.GetText();
}

std::unique_ptr<TPartMuz>* TLoopPartMuz::GetChildLink(const TPartMuz* child)
{
    QB_CHECK(LoopPart.get() == child);
    return &LoopPart;
}

TXTouchMuzSymbol* TLoopPartMuz::GetNextSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const
{
    if (!QB_CHECK(symbol == LeftLoopSymbol.get() || symbol == RightLoopSymbol.get()))
        return nullptr;
    if (symbol == LeftLoopSymbol.get())
        return LoopPart ? LoopPart->GetNextTouchSymbol(this, stave) : nullptr;
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    return Parent->GetNextTouchSymbol(this, stave);
}

TXTouchMuzSymbol* TLoopPartMuz::GetPrevSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const
{
    if (!QB_CHECK(symbol == LeftLoopSymbol.get() || symbol == RightLoopSymbol.get()))
        return nullptr;
    if (symbol == RightLoopSymbol.get())
        return LoopPart ? LoopPart->GetPrevTouchSymbol(this, stave) : nullptr;
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    return Parent->GetPrevTouchSymbol(this, stave);
}

void TLoopPartMuz::WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                               const TXTouchMuzSymbol* selectedSymbol) const
{
    auto element = std::make_unique<TXMLComplexElement>("LoopMuzPart");
    Count.WriteXml("Count", *element);
    WriteFactorUnlessOne(TempoStart, "TempoStart", *element);
    WriteFactorUnlessOne(TempoEnd, "TempoEnd", *element);
    if (selectedSymbol && selectedSymbol == LeftLoopSymbol.get())
        WriteEmptyElement("DrawFirstLoopSymbol", *element);
    else if (selectedSymbol && selectedSymbol == RightLoopSymbol.get())
        WriteEmptyElement("DrawLastLoopSymbol", *element);
    WritePartNodeXml(*this, *element, Expanded, selectedItem == this, EnablePlayAndDraw);
    parent.AddItem(std::move(element));
}

void TLoopPartMuz::TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count)
{
    if (LoopPart)
        out[count++] = std::move(LoopPart);
}
