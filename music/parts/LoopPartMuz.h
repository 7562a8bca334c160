#pragma once
#include "foundation/values/unitInteger.h"
#include "music/parts/PartMuz.h"
#include "music/symbols/LoopPartSymbol.h"

// A part played Count times, with a repeat sign drawn before and after it.
class TLoopPartMuz : public TPartMuz {
public:
    TLoopPartMuz(const unitIntegerPosMore& count, std::unique_ptr<TPartMuz> loopPart, TMuzData* muzData,
                 const unitFactorPosMore& tempoStart, const unitFactorPosMore& tempoEnd);
    ~TLoopPartMuz() override;

    TPartMuzKind GetPartMuzKind() const override { return partMuzLoop; }
    std::string GetDefaultTreeLabel() const override;
    int32_t GetChildCount() const override { return 1; }
    TPartMuz* GetChild(int32_t) const override { return LoopPart.get(); }
    std::unique_ptr<TPartMuz>* GetChildLink(const TPartMuz* child) override;
    bool GetExpanded() const override { return Expanded; }
    void SetExpanded(bool expanded) override { Expanded = expanded; }
    TXTouchMuzSymbol* GetNextSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const override;
    TXTouchMuzSymbol* GetPrevSymbolOfStave(const TNoteStave* stave, const TXTouchMuzSymbol* symbol) const override;

    TPartMuz* GetLoopPart() const { return LoopPart.get(); }
    const unitIntegerPosMore& GetCount() const { return Count; }
    void SetCount(const unitIntegerPosMore& count) { Count = count; }
    TLoopPartSymbol* GetLeftLoopSymbol() const { return LeftLoopSymbol.get(); }
    TLoopPartSymbol* GetRightLoopSymbol() const { return RightLoopSymbol.get(); }

    // The repetition a pass over the tree is in, 1 to Count.
    int32_t CurrentCount = 1;
    // Length the children reported in the pass under way.
    double LoopLength = 0;

protected:
    void WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                     const TXTouchMuzSymbol* selectedSymbol) const override;
    void TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count) override;

private:
    std::unique_ptr<TPartMuz> LoopPart;
    unitIntegerPosMore Count;
    std::unique_ptr<TLoopPartSymbol> LeftLoopSymbol;
    std::unique_ptr<TLoopPartSymbol> RightLoopSymbol;
    bool Expanded = true;
};
