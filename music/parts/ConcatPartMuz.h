#pragma once
#include "music/parts/PartMuz.h"

// Two parts played one after the other; longer sequences are chains of these.
class TConcatPartMuz : public TPartMuz {
public:
    TConcatPartMuz(std::unique_ptr<TPartMuz> firstPart, std::unique_ptr<TPartMuz> secondPart, TMuzData* muzData);
    ~TConcatPartMuz() override;

    TPartMuzKind GetPartMuzKind() const override { return partMuzConcat; }
    std::string GetDefaultTreeLabel() const override { return "<concat>"; }
    int32_t GetChildCount() const override { return 2; }
    TPartMuz* GetChild(int32_t index) const override { return index == 0 ? FirstPart.get() : SecondPart.get(); }
    std::unique_ptr<TPartMuz>* GetChildLink(const TPartMuz* child) override;

    TPartMuz* GetFirstPart() const { return FirstPart.get(); }
    TPartMuz* GetSecondPart() const { return SecondPart.get(); }
    // With one child detached: the other takes the sequence's place under
    // its parent. The emptied sequence comes back for the caller to free.
    std::unique_ptr<TPartMuz> ReplaceByChild();

protected:
    void WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                     const TXTouchMuzSymbol* selectedSymbol) const override;
    void TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count) override;

private:
    std::unique_ptr<TPartMuz> FirstPart;
    std::unique_ptr<TPartMuz> SecondPart;
};
