#pragma once
#include "music/parts/PartMuz.h"
#include "music/parts/SelectPartItem.h"

// A part played only in the repetitions of the enclosing repeat that one of
// its turns names, with that turn's pitch shift and tempo factor.
class TSelectPartMuz : public TPartMuz {
public:
    TSelectPartMuz(std::unique_ptr<TPartMuz> selectPart, TMuzData* muzData, const unitFactorPosMore& tempoStart,
                   const unitFactorPosMore& tempoEnd);
    ~TSelectPartMuz() override;

    TPartMuzKind GetPartMuzKind() const override { return partMuzSelect; }
    std::string GetDefaultTreeLabel() const override { return "turns"; }
    int32_t GetChildCount() const override { return 1; }
    TPartMuz* GetChild(int32_t) const override { return SelectPart.get(); }
    std::unique_ptr<TPartMuz>* GetChildLink(const TPartMuz* child) override;
    bool GetExpanded() const override { return Expanded; }
    void SetExpanded(bool expanded) override { Expanded = expanded; }

    TPartMuz* GetSelectPart() const { return SelectPart.get(); }
    // The turn list, headed by the root turn.
    TSelectPartItem* GetSelectPartItems() const { return SelectPartItems.get(); }
    // A new turn at the end of the list.
    TCountSelectPartItem* AddTurn(const unitIntegerPosMore& count, const unitInteger& pitch,
                                  const unitFactorPosMore& tempo);
    void DeleteTurn(int32_t count)
    {
        SelectPartItems->DeleteTurn(count);
        LastTurn = nullptr;
    }
    // That very turn goes, even when another turn has its count.
    bool DeleteTurnItem(const TSelectPartItem* turn)
    {
        LastTurn = nullptr;
        return SelectPartItems->DeleteTurnItem(turn);
    }
    int32_t GetMaxTurnCount() const { return SelectPartItems->GetMaxCount(); }
    int32_t CountTurnsWithCount(int32_t count) const { return SelectPartItems->CountTurnsWithCount(count); }

    double LoopLength = 0;

protected:
    void WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                     const TXTouchMuzSymbol* selectedSymbol) const override;
    void TakeChildren(std::unique_ptr<TPartMuz>* out, int32_t& count) override;

private:
    std::unique_ptr<TPartMuz> SelectPart;
    std::unique_ptr<TSelectPartItem> SelectPartItems;
    // The end of the turn list, so a file's many turns append without a walk.
    TSelectPartItem* LastTurn = nullptr;
    bool Expanded = true;
};
