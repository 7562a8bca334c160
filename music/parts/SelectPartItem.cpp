#include "music/parts/SelectPartItem.h"

#include "foundation/xml/XMLComplexElement.h"
#include "music/file/MusicXmlValues.h"
#include "music/parts/PartMuz.h"

#include <algorithm>

TSelectPartItem* TSelectPartItem::AppendTurn(std::unique_ptr<TSelectPartItem> turn)
{
    TSelectPartItem* last = this;
    while (last->NextTurn)
        last = last->NextTurn.get();
    last->NextTurn = std::move(turn);
    return last->NextTurn.get();
}

void TSelectPartItem::DeleteTurn(int32_t count)
{
    for (TSelectPartItem* item = this; item; item = item->NextTurn.get()) {
        TSelectPartItem* next = item->NextTurn.get();
        if (next && next->GetValues() && next->GetValues()->Count.GetValue() == count) {
            std::unique_ptr<TSelectPartItem> removed = std::move(item->NextTurn);
            item->NextTurn = std::move(removed->NextTurn);
            return;
        }
    }
}

bool TSelectPartItem::DeleteTurnItem(const TSelectPartItem* turn)
{
    for (TSelectPartItem* item = this; item; item = item->NextTurn.get()) {
        if (item->NextTurn.get() != turn || !turn)
            continue;
        std::unique_ptr<TSelectPartItem> removed = std::move(item->NextTurn);
        item->NextTurn = std::move(removed->NextTurn);
        return true;
    }
    return false;
}

int32_t TSelectPartItem::GetMaxCount() const
{
    int32_t most = 0;
    for (const TSelectPartItem* item = this; item; item = item->NextTurn.get())
        if (item->GetValues())
            most = std::max(most, item->GetValues()->Count.GetValue());
    return most;
}

namespace {

template <class T>
const T* FirstWithCount(const TSelectPartItem* item, int32_t count)
{
    for (; item; item = item->GetNextTurn())
        if (const T* turn = dynamic_cast<const T*>(item); turn && turn->GetCount().GetValue() == count)
            return turn;
    return nullptr;
}

} // namespace

bool TSelectPartItem::GetPitchAtCount(unitInteger& pitch, int32_t count) const
{
    const auto* turn = FirstWithCount<TCountSelectPartItem>(this, count);
    if (turn)
        pitch = turn->GetPitch();
    return turn != nullptr;
}

bool TSelectPartItem::GetTempoFactorAtCount(unitFactorPosMore& tempo, int32_t count) const
{
    const auto* turn = FirstWithCount<TCountSelectPartItem>(this, count);
    if (turn)
        tempo = turn->GetTempo();
    return turn != nullptr;
}

bool TSelectPartItem::GetTurnNameAtCount(std::string& name, int32_t count) const
{
    const auto* turn = FirstWithCount<TCountSelectPartItem>(this, count);
    if (turn)
        name = turn->GetTreeLabel();
    return turn != nullptr;
}

int32_t TSelectPartItem::CountTurnsWithCount(int32_t count) const
{
    int32_t n = 0;
    for (const TSelectPartItem* item = this; item; item = item->NextTurn.get())
        if (item->GetValues() && item->GetValues()->Count.GetValue() == count)
            ++n;
    return n;
}

void TSelectPartItem::WriteXml(TXMLComplexElement& element, const TMusTreeItem* selectedItem) const
{
    for (const TSelectPartItem* item = this; item; item = item->NextTurn.get())
        item->WriteOwnXml(element, selectedItem);
}

void TSelectPartItem::FreeFollowingTurns()
{
    std::unique_ptr<TSelectPartItem> rest = std::move(NextTurn);
    while (rest) {
        std::unique_ptr<TSelectPartItem> after = std::move(rest->NextTurn);
        rest.reset();
        rest = std::move(after);
    }
}

std::string TCountSelectPartItem::GetTreeLabel() const
{
    return PartLabel.empty() ? "turn " + Values.Count.GetText() : PartLabel;
}

void TCountSelectPartItem::WriteOwnXml(TXMLComplexElement& element, const TMusTreeItem* selectedItem) const
{
    auto turn = std::make_unique<TXMLComplexElement>("SelectMuzPartTurn");
    Values.Count.WriteXml("Count", *turn);
    if (Values.Pitch.GetValue() != 0)
        Values.Pitch.WriteXml("Pitch", *turn);
    WriteFactorUnlessOne(Values.Tempo, "Tempo", *turn);
    TPartMuz::WritePartNodeXml(*this, *turn, false, selectedItem == this, false);
    element.AddItem(std::move(turn));
}
