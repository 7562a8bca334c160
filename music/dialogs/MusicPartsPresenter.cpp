#include "music/dialogs/MusicPartsPresenter.h"

#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "music/document/UnitMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "foundation/GuiMessages.h"

#include <cstdlib>

namespace {

std::string TimeText(double seconds, UnitKind kind)
{
    return unitTimePos(seconds, kind).GetText();
}

std::string PositionText(double position)
{
    return unitFactorPos(position, EHNone).GetText();
}

void ResultRows(const TTreeDataResult& result, std::vector<TPartsRowView>& rows)
{
    using R = TPartsRow;
    rows.push_back({R::TimeStart, TimeText(result.StartTime, EHS), {}});
    rows.push_back({R::TimeEnd, TimeText(result.EndTime, EHS), {}});
    rows.push_back({R::TimeLength, TimeText(result.EndTime - result.StartTime, EHS), {}});
    rows.push_back({R::PositionStart, PositionText(result.StartPosition), {}});
    rows.push_back({R::PositionEnd, PositionText(result.EndPosition), {}});
    rows.push_back({R::PositionLength, PositionText(result.EndPosition - result.StartPosition), {}});
    rows.push_back({R::ResultPitch, std::to_string(result.GetPitch()), {}});
    rows.push_back({R::Octave, OctaveText(result.GetPitch()), {}});
    // A node that takes no time has no tempo to show.
    const bool timed = result.EndPosition - result.StartPosition != 0;
    rows.push_back({R::ResultTempoStart, timed ? TimeText(result.TempoAtStart, EHS) : std::string(),
                    timed ? TimeText(result.TempoAtStart, EHHZ) : std::string()});
    rows.push_back({R::ResultTempoEnd, timed ? TimeText(result.TempoAtEnd, EHS) : std::string(),
                    timed ? TimeText(result.TempoAtEnd, EHHZ) : std::string()});
    if (result.HasNameTurnPartItem())
        rows.push_back({R::TurnItem, result.GetNameTurnPartItem(), {}});
}

} // namespace

TPartsNodeView PartsNodeViewOf(const TMusTreeItem* item)
{
    using R = TPartsRow;
    TPartsNodeView view;
    if (!item)
        return view;
    switch (item->GetMusTreeItemKind()) {
    case musTreeItemPartMuz: {
        const auto* part = static_cast<const TPartMuz*>(item);
        if (part->GetPartMuzKind() == partMuzLoop)
            view.rows.push_back({R::Count, static_cast<const TLoopPartMuz*>(part)->GetCount().GetText(), {}});
        view.rows.push_back({R::TempoStart, part->GetTempoStart().GetText(), {}});
        view.rows.push_back({R::TempoEnd, part->GetTempoEnd().GetText(), {}});
        view.playDrawEnabled = true;
        view.playDraw = !part->GetEnablePlayAndDraw()      ? TPlayDrawState::Unchecked
                        : part->IsParentEnabledPlayDraw() ? TPlayDrawState::Checked
                                                          : TPlayDrawState::Grayed;
        view.playEnabled = true;
        break;
    }
    case musTreeItemTurn: {
        const auto* turn = dynamic_cast<const TCountSelectPartItem*>(item);
        if (!turn)
            break;
        view.rows.push_back({R::Count, turn->GetCount().GetText(), {}});
        view.rows.push_back({R::Pitch, turn->GetPitch().GetText(), {}});
        view.rows.push_back({R::Octave, OctaveText(turn->GetPitch().GetValue()), {}});
        view.rows.push_back({R::Tempo, turn->GetTempo().GetText(), {}});
        break;
    }
    case musTreeItemResult:
        ResultRows(*static_cast<const TTreeDataResult*>(item), view.rows);
        view.playEnabled = true;
        break;
    }
    return view;
}

std::string OctaveText(int32_t pitch)
{
    const int32_t octaves = pitch / 12;
    // The smallest denominator that makes the rest whole.
    int32_t denominator = 12;
    for (int32_t d : {12, 6, 4, 3, 2, 1})
        if ((pitch * d) % 12 == 0)
            denominator = d;
    int32_t numerator = pitch / (12 / denominator) - octaves * denominator;
    if (octaves < 0)
        numerator = std::abs(numerator);
    const std::string fraction = std::to_string(numerator) + "/" + std::to_string(denominator);
    if (denominator == 1)
        return std::to_string(octaves);
    if (octaves == 0)
        return fraction;
    return std::to_string(octaves) + " " + fraction;
}

std::string OctaveTextOf(const std::string& pitchText)
{
    // A pitch being typed ("-" on the way to "-14") is no error yet: leaving
    // the field tells.
    unitInteger pitch(0, EHNone);
    std::string error;
    if (pitchText.empty() || !pitch.SetFromText(pitchText, "Pitch", error))
        return {};
    return OctaveText(pitch.GetValue());
}

namespace {

// Validates into the value; the message is shown on refusal.
template <class Value>
bool Apply(Value& value, const std::string& text, const char* label)
{
    bool ok = true;
    value.CheckEdit(ok, text, label);
    return ok;
}

template <class Value, class Get, class Set>
TPartsEditResult ApplyThrough(TUnitMuz& unit, Get get, Set set, const std::string& text, const char* label)
{
    Value value = get();
    if (!Apply(value, text, label))
        return {true, false};
    set(value);
    unit.SetModified();
    unit.Redraw();
    return {false, true};
}

TPartsEditResult ApplyTurnCount(TUnitMuz& unit, TCountSelectPartItem& turn, const std::string& text)
{
    const unitIntegerPosMore old = turn.GetCount();
    unitIntegerPosMore count = old;
    // A refusal is a refusal whatever the value held before.
    if (!Apply(count, text, "Count"))
        return {true, false};
    if (count.GetValue() == old.GetValue())
        return {};
    turn.SetCount(count);
    TSelectPartMuz* select = turn.GetSelectPartMuz();
    if (select && select->CountTurnsWithCount(count.GetValue()) >= 2) {
        TGuiMessages().ShowInputErrorIn("Count", count.GetText() + " already exist");
        turn.SetCount(old);
        unit.SetModified();
        return {true, false};
    }
    unit.SetModified();
    unit.Redraw();
    return {false, true};
}

} // namespace

TPartsEditResult ApplyPartsEdit(TUnitMuz& unit, TMusTreeItem* item, TPartsField field, const std::string& text)
{
    if (field == TPartsField::BasicTempo)
        return ApplyThrough<unitTimePosMore>(
            unit, [&] { return unit.MuzData.Tempo; }, [&](const unitTimePosMore& v) { unit.MuzData.Tempo = v; },
            text, "Basic Tempo");
    if (!item)
        return {};
    if (item->GetMusTreeItemKind() == musTreeItemTurn) {
        auto* turn = dynamic_cast<TCountSelectPartItem*>(item);
        if (!turn)
            return {};
        switch (field) {
        case TPartsField::Count: return ApplyTurnCount(unit, *turn, text);
        case TPartsField::Pitch:
            return ApplyThrough<unitInteger>(
                unit, [&] { return turn->GetPitch(); }, [&](const unitInteger& v) { turn->SetPitch(v); }, text,
                "Pitch");
        case TPartsField::TempoFactor:
            return ApplyThrough<unitFactorPosMore>(
                unit, [&] { return turn->GetTempo(); }, [&](const unitFactorPosMore& v) { turn->SetTempo(v); },
                text, "Tempo");
        default: return {};
        }
    }
    if (item->GetMusTreeItemKind() != musTreeItemPartMuz)
        return {};
    auto* part = static_cast<TPartMuz*>(item);
    switch (field) {
    case TPartsField::Count: {
        if (part->GetPartMuzKind() != partMuzLoop)
            return {};
        auto* loop = static_cast<TLoopPartMuz*>(part);
        return ApplyThrough<unitIntegerPosMore>(
            unit, [&] { return loop->GetCount(); }, [&](const unitIntegerPosMore& v) { loop->SetCount(v); }, text,
            "Count");
    }
    case TPartsField::TempoStart:
        return ApplyThrough<unitFactorPosMore>(
            unit, [&] { return part->GetTempoStart(); }, [&](const unitFactorPosMore& v) { part->SetTempoStart(v); },
            text, "Tempo Start");
    case TPartsField::TempoEnd:
        return ApplyThrough<unitFactorPosMore>(
            unit, [&] { return part->GetTempoEnd(); }, [&](const unitFactorPosMore& v) { part->SetTempoEnd(v); },
            text, "Tempo End");
    default: return {};
    }
}

TPlayDrawState PlayDrawClicked(TUnitMuz& unit, TPartMuz& part, TPlayDrawState state)
{
    // The box shows what the part will show: above a switched-off part it is
    // never checked, otherwise never grayed.
    const bool parentOn = part.IsParentEnabledPlayDraw();
    if (!parentOn && state == TPlayDrawState::Checked)
        state = TPlayDrawState::Unchecked;
    if (parentOn && state == TPlayDrawState::Grayed)
        state = TPlayDrawState::Checked;
    part.SetEnablePlayAndDraw(state != TPlayDrawState::Unchecked, &unit);
    unit.SetModified();
    unit.Redraw();
    return state;
}

void RenameTreeItem(TUnitMuz& unit, TMusTreeItem& item, const std::string& label)
{
    item.SetLabel(label);
    unit.SetModified();
}

void StoreExpanded(TUnitMuz& unit, TMusTreeItem& item, bool expanded)
{
    if (item.GetMusTreeItemKind() != musTreeItemPartMuz)
        return;
    auto& part = static_cast<TPartMuz&>(item);
    if (part.GetPartMuzKind() != partMuzLoop && part.GetPartMuzKind() != partMuzSelect)
        return;
    part.SetExpanded(expanded);
    unit.SetModified();
}
