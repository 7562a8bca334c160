#include "music/document/MusicPartsCommands.h"

#include "foundation/values/unitFactor.h"
#include "foundation/values/unitInteger.h"
#include "music/document/MusicNavigation.h"
#include "music/document/UnitMuz.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "music/symbols/MuzBar.h"
#include "music/symbols/StaveSymbol.h"
#include "platform/Assertions.h"
#include "platform/MessageService.h"

#include <vector>

namespace {

bool IsSequence(const TPartMuz* part)
{
    return part && part->GetPartMuzKind() == partMuzConcat;
}

bool IsLoopOrSelect(const TPartMuz* part)
{
    return part && (part->GetPartMuzKind() == partMuzLoop || part->GetPartMuzKind() == partMuzSelect);
}

// The parts of the sequence the part stands in, in played order.
std::vector<TPartMuz*> SequenceOf(const TPartMuz& part, TPartMuz*& holder)
{
    const TPartMuz* top = &part;
    while (IsSequence(top->GetParent()))
        top = top->GetParent();
    holder = top->GetParent();
    std::vector<TPartMuz*> parts;
    std::vector<TPartMuz*> pending{const_cast<TPartMuz*>(top)};
    while (!pending.empty()) {
        TPartMuz* each = pending.back();
        pending.pop_back();
        if (!IsSequence(each)) {
            parts.push_back(each);
            continue;
        }
        for (int32_t i = each->GetChildCount() - 1; i >= 0; --i)
            if (TPartMuz* child = each->GetChild(i))
                pending.push_back(child);
    }
    return parts;
}

TPartMuz* PartOf(TMusTreeItem* item)
{
    if (!item)
        return nullptr;
    switch (item->GetMusTreeItemKind()) {
    case musTreeItemPartMuz: return static_cast<TPartMuz*>(item);
    case musTreeItemResult: return static_cast<TTreeDataResult*>(item)->GetPartMuz();
    default: return nullptr;
    }
}

} // namespace

TPartSiblings SiblingsOf(const TPartMuz& part)
{
    TPartSiblings siblings;
    const std::vector<TPartMuz*> sequence = SequenceOf(part, siblings.holder);
    for (size_t i = 0; i < sequence.size(); ++i) {
        if (sequence[i] != &part)
            continue;
        siblings.previous = i > 0 ? sequence[i - 1] : nullptr;
        siblings.next = i + 1 < sequence.size() ? sequence[i + 1] : nullptr;
        break;
    }
    siblings.topLevel = siblings.holder && siblings.holder->GetPartMuzKind() == partMuzStart;
    siblings.previousIsTurn = !siblings.previous && siblings.holder
                           && siblings.holder->GetPartMuzKind() == partMuzSelect
                           && static_cast<TSelectPartMuz*>(siblings.holder)->GetSelectPartItems()->GetNextTurn();
    return siblings;
}

namespace {

// The stave of the selection, which the Go To commands need.
TNoteStave* SelectionStaveOf(const TUnitMuz& unit)
{
    return TMusicNavigation(const_cast<TUnitMuz&>(unit)).GetSelNoteStave();
}

} // namespace

TPartsCommandStates PartsCommandStatesOf(const TUnitMuz* unit, const TMusTreeItem* item, bool nodeHasChildren)
{
    using C = TPartsCommand;
    TPartsCommandStates states;
    if (!unit || !item)
        return states;
    for (C view : {C::Expand, C::ExpandAll, C::Collapse, C::CollapseAll})
        states[view] = nodeHasChildren;
    const bool goTo = SelectionStaveOf(*unit) != nullptr;
    switch (item->GetMusTreeItemKind()) {
    case musTreeItemTurn:
        states[C::Delete] = true;
        break;
    case musTreeItemResult:
        states[C::GotoBegin] = states[C::GotoEnd] = goTo;
        states[C::PlayOrGenerate] = true;
        break;
    case musTreeItemPartMuz: {
        const auto* part = static_cast<const TPartMuz*>(item);
        const TPartSiblings siblings = SiblingsOf(*part);
        for (C add : {C::InsertSingle, C::AppendSingle, C::AddLoop, C::AddTurns})
            states[add] = true;
        states[C::AddTurn] = part->GetPartMuzKind() == partMuzSelect;
        states[C::MoveForward] = siblings.next != nullptr;
        states[C::MoveForwardIn] = IsLoopOrSelect(siblings.next);
        states[C::MoveBackward] = siblings.previous != nullptr;
        states[C::MoveBackwardIn] = IsLoopOrSelect(siblings.previous);
        const bool inSequence = siblings.next || siblings.previous;
        states[C::MoveForwardOut] = states[C::MoveBackwardOut] =
            !siblings.topLevel && IsLoopOrSelect(siblings.holder) && inSequence;
        states[C::Delete] = part->GetPartMuzKind() == partMuzSingle ? inSequence : IsLoopOrSelect(part);
        states[C::GotoBegin] = states[C::GotoEnd] = goTo;
        states[C::PlayOrGenerate] = true;
        break;
    }
    }
    return states;
}

TMusicPartsCommands::TMusicPartsCommands(TUnitMuz& unit) : Unit(unit), Muz(unit.MuzData) {}

std::unique_ptr<TSinglePartMuz> TMusicPartsCommands::NewSinglePart() const
{
    auto part = std::make_unique<TSinglePartMuz>(&Muz, UnitTempoFactor(), UnitTempoFactor());
    TMuzBar::Attach(*part, 4, 4, 0);
    part->AddClefsForAllStaves();
    return part;
}

void TMusicPartsCommands::Finish(TMusTreeItem* item)
{
    Unit.SetSelMusTreeItem(item);
    Unit.SetModified();
    Unit.Redraw();
}

namespace {

// Puts part into link, held by parent.
void Place(std::unique_ptr<TPartMuz>* link, TPartMuz* parent, std::unique_ptr<TPartMuz> part)
{
    part->SetParent(parent);
    *link = std::move(part);
}

// Takes the part out of the sequence it stands in: the sequence's other part
// takes the sequence's place.
std::unique_ptr<TPartMuz> TakeOutOfSequence(TPartMuz& part)
{
    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> taken = part.DetachFromParent(parent, link);
    if (taken && QB_CHECK(IsSequence(parent)))
        static_cast<TConcatPartMuz*>(parent)->ReplaceByChild();
    return taken;
}

} // namespace

TPartMuz* TMusicPartsCommands::AddSinglePart(TPartMuz& part, bool before)
{
    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> old = part.DetachFromParent(parent, link);
    if (!old)
        return nullptr;
    std::unique_ptr<TSinglePartMuz> single = NewSinglePart();
    TSinglePartMuz* made = single.get();
    auto sequence = before ? std::make_unique<TConcatPartMuz>(std::move(single), std::move(old), &Muz)
                           : std::make_unique<TConcatPartMuz>(std::move(old), std::move(single), &Muz);
    Place(link, parent, std::move(sequence));
    Finish(made);
    return made;
}

TPartMuz* TMusicPartsCommands::AddLoopOrSelect(TPartMuz& part, bool loop)
{
    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> old = part.DetachFromParent(parent, link);
    if (!old)
        return nullptr;
    std::unique_ptr<TPartMuz> wrap;
    if (loop) {
        wrap = std::make_unique<TLoopPartMuz>(unitIntegerPosMore(2, EHNone), std::move(old), &Muz, UnitTempoFactor(),
                                              UnitTempoFactor());
    } else {
        auto select = std::make_unique<TSelectPartMuz>(std::move(old), &Muz, UnitTempoFactor(), UnitTempoFactor());
        select->AddTurn(unitIntegerPosMore(1, EHNone), unitInteger(0, EHNone), UnitTempoFactor());
        wrap = std::move(select);
    }
    TPartMuz* made = wrap.get();
    Place(link, parent, std::move(wrap));
    Finish(made);
    return made;
}

TMusTreeItem* TMusicPartsCommands::AddTurn(TSelectPartMuz& select)
{
    TMusTreeItem* turn = select.AddTurn(unitIntegerPosMore(select.GetMaxTurnCount() + 1, EHNone),
                                        unitInteger(0, EHNone), UnitTempoFactor());
    Finish(turn);
    return turn;
}

TPartMuz* TMusicPartsCommands::SwapWithNeighbour(TPartMuz& part, bool forward)
{
    const TPartSiblings siblings = SiblingsOf(part);
    TPartMuz* other = forward ? siblings.next : siblings.previous;
    if (!QB_CHECK(other != nullptr))
        return nullptr;
    // Whole units change places: a part moved past a repeat goes behind all of it.
    TPartMuz *partParent = nullptr, *otherParent = nullptr;
    std::unique_ptr<TPartMuz>*partLink = nullptr, *otherLink = nullptr;
    std::unique_ptr<TPartMuz> taken = part.DetachFromParent(partParent, partLink);
    std::unique_ptr<TPartMuz> otherTaken = other->DetachFromParent(otherParent, otherLink);
    Place(partLink, partParent, std::move(otherTaken));
    Place(otherLink, otherParent, std::move(taken));
    Finish(&part);
    return &part;
}

TPartMuz* TMusicPartsCommands::MoveIntoNeighbour(TPartMuz& part, bool forward)
{
    const TPartSiblings siblings = SiblingsOf(part);
    TPartMuz* holder = forward ? siblings.next : siblings.previous;
    if (!QB_CHECK(IsLoopOrSelect(holder)))
        return nullptr;
    std::unique_ptr<TPartMuz> taken = TakeOutOfSequence(part);
    TPartMuz* content = holder->GetChild(0);
    TPartMuz* contentParent = nullptr;
    std::unique_ptr<TPartMuz>* contentLink = nullptr;
    std::unique_ptr<TPartMuz> contentTaken = content->DetachFromParent(contentParent, contentLink);
    auto sequence = forward ? std::make_unique<TConcatPartMuz>(std::move(taken), std::move(contentTaken), &Muz)
                            : std::make_unique<TConcatPartMuz>(std::move(contentTaken), std::move(taken), &Muz);
    Place(contentLink, holder, std::move(sequence));
    Finish(&part);
    return &part;
}

TPartMuz* TMusicPartsCommands::MoveOutOfEnclosing(TPartMuz& part, bool forward)
{
    TPartMuz* enclosing = part.GetEnclosingLoopOrSelect();
    if (!QB_CHECK(enclosing != nullptr) || !QB_CHECK(IsSequence(part.GetParent())))
        return nullptr;
    std::unique_ptr<TPartMuz> taken = TakeOutOfSequence(part);
    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> enclosingTaken = enclosing->DetachFromParent(parent, link);
    auto sequence = forward ? std::make_unique<TConcatPartMuz>(std::move(enclosingTaken), std::move(taken), &Muz)
                            : std::make_unique<TConcatPartMuz>(std::move(taken), std::move(enclosingTaken), &Muz);
    Place(link, parent, std::move(sequence));
    Finish(&part);
    return &part;
}

bool TMusicPartsCommands::Delete(TMusTreeItem& item)
{
    if (item.GetMusTreeItemKind() == musTreeItemTurn) {
        auto& turn = static_cast<TSelectPartItem&>(item);
        TSelectPartMuz* select = turn.GetSelectPartMuz();
        if (!QB_CHECK(select != nullptr) || !select->DeleteTurnItem(&turn))
            return false;
        Finish(select);
        return true;
    }
    TPartMuz* part = PartOf(&item);
    if (!part || item.GetMusTreeItemKind() != musTreeItemPartMuz)
        return false;
    TXTouchMuzSymbol* selected = Unit.GetSelectedSymbol();
    if (part->GetPartMuzKind() == partMuzSingle) {
        if (Messages().Show("Do you want to delete a part of music?", "A Single Part containing music is selected",
                            MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Ok)
            return false;
        if (!QB_CHECK(IsSequence(part->GetParent())))
            return false;
        // Nothing selected may go with the bar: its symbols and its bar symbol.
        if (selected && selected->GetPartMuz() == part)
            Unit.SetSelMuzSymbol(nullptr);
        std::unique_ptr<TPartMuz> taken = TakeOutOfSequence(*part);
        taken.reset();
        Finish(nullptr);
        return true;
    }
    if (!QB_CHECK(IsLoopOrSelect(part)))
        return false;
    // The repeat signs go with a repeat; its music stays.
    if (selected && selected->GetMuzSymbolKind() == muzSymbolLoop && selected->GetPartMuz() == part)
        Unit.SetSelMuzSymbol(nullptr);
    TPartMuz* content = part->GetChild(0);
    TPartMuz* contentParent = nullptr;
    std::unique_ptr<TPartMuz>* contentLink = nullptr;
    std::unique_ptr<TPartMuz> contentTaken = content->DetachFromParent(contentParent, contentLink);
    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> holder = part->DetachFromParent(parent, link);
    Place(link, parent, std::move(contentTaken));
    holder.reset();
    Finish(content);
    return true;
}

TXTouchMuzSymbol* TMusicPartsCommands::GoToSymbol(TMusTreeItem& item, bool first) const
{
    TPartMuz* part = PartOf(&item);
    const TNoteStave* stave = SelectionStaveOf(Unit);
    if (!part || !stave)
        return nullptr;
    return first ? part->GetFirstTouchSymbol(stave) : part->GetLastTouchSymbol(stave);
}
