#pragma once
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "music/parts/MusTreeItem.h"

#include <memory>
#include <string>

class TSelectPartMuz;
class TXMLComplexElement;
struct TTurnValues;

// A turn of an alternative-turns part: in which repetition of the enclosing
// repeat the part plays, with which pitch shift and tempo factor. The turns
// form a list that starts with a root turn, which answers no repetition;
// each turn owns the one after it. Of two turns with one count the first answers.
class TSelectPartItem : public TMusTreeItem {
public:
    explicit TSelectPartItem(TSelectPartMuz* selectPartMuz) : SelectPartMuz(selectPartMuz) {}
    // Frees the turns after this one too, one by one.
    ~TSelectPartItem() override { FreeFollowingTurns(); }

    TMusTreeItemKind GetMusTreeItemKind() const override { return musTreeItemTurn; }
    TSelectPartItem* GetNextTurn() const { return NextTurn.get(); }
    TSelectPartMuz* GetSelectPartMuz() const { return SelectPartMuz; }
    // Appends the turn at the end of the list and gives it.
    TSelectPartItem* AppendTurn(std::unique_ptr<TSelectPartItem> turn);

    // After this item: the first counted turn with the count is unlinked
    // and freed; nothing when none has it.
    void DeleteTurn(int32_t count);
    // After this item: that very turn is unlinked and freed; false when it is not in the list.
    bool DeleteTurnItem(const TSelectPartItem* turn);
    // The largest count of the turns from here on; 0 when there are none.
    int32_t GetMaxCount() const;
    // The pitch, tempo and label of the first turn with the count; false and
    // nothing copied when none has it.
    bool GetPitchAtCount(unitInteger& pitch, int32_t count) const;
    bool GetTempoFactorAtCount(unitFactorPosMore& tempo, int32_t count) const;
    bool GetTurnNameAtCount(std::string& name, int32_t count) const;
    int32_t CountTurnsWithCount(int32_t count) const;

    // Appends the "SelectMuzPartTurn" elements of the turns from here on.
    void WriteXml(TXMLComplexElement& element, const TMusTreeItem* selectedItem) const;

    // Frees the turns after this one, one by one.
    void FreeFollowingTurns();

protected:
    // This turn's own count, or nullptr for the root turn.
    virtual const TTurnValues* GetValues() const { return nullptr; }
    virtual void WriteOwnXml(TXMLComplexElement&, const TMusTreeItem*) const {}

private:
    std::unique_ptr<TSelectPartItem> NextTurn;
    TSelectPartMuz* SelectPartMuz;
};

struct TTurnValues {
    unitIntegerPosMore Count;
    unitInteger Pitch;
    unitFactorPosMore Tempo;
};

class TStartSelectPartItem : public TSelectPartItem {
public:
    using TSelectPartItem::TSelectPartItem;
    std::string GetTreeLabel() const override { return PartLabel.empty() ? "root turn" : PartLabel; }
};

class TCountSelectPartItem : public TSelectPartItem {
public:
    TCountSelectPartItem(TSelectPartMuz* selectPartMuz, const unitIntegerPosMore& count, const unitInteger& pitch,
                         const unitFactorPosMore& tempo)
        : TSelectPartItem(selectPartMuz), Values{count, pitch, tempo}
    {
    }
    std::string GetTreeLabel() const override;

    const unitIntegerPosMore& GetCount() const { return Values.Count; }
    const unitInteger& GetPitch() const { return Values.Pitch; }
    const unitFactorPosMore& GetTempo() const { return Values.Tempo; }
    void SetCount(const unitIntegerPosMore& count) { Values.Count = count; }
    void SetPitch(const unitInteger& pitch) { Values.Pitch = pitch; }
    void SetTempo(const unitFactorPosMore& tempo) { Values.Tempo = tempo; }

protected:
    const TTurnValues* GetValues() const override { return &Values; }
    void WriteOwnXml(TXMLComplexElement& element, const TMusTreeItem* selectedItem) const override;

private:
    TTurnValues Values;
};
