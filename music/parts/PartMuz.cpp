#include "music/parts/PartMuz.h"

#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "music/document/UnitMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/symbols/StaveSymbol.h"
#include "platform/Assertions.h"
#include "wave/view/ViewXml.h"

#include <array>
#include <vector>

unitFactorPosMore UnitTempoFactor()
{
    return unitFactorPosMore(1.0, EHPerc);
}

TPartMuz::TPartMuz(TMuzData* muzData, const unitFactorPosMore& tempoStart, const unitFactorPosMore& tempoEnd)
    : MuzData(muzData), TempoStart(tempoStart), TempoEnd(tempoEnd)
{
}

TPartMuz::~TPartMuz() = default;

void TPartMuz::FreeChildren()
{
    std::vector<std::unique_ptr<TPartMuz>> work;
    std::array<std::unique_ptr<TPartMuz>, 2> taken;
    int32_t count = 0;
    TakeChildren(taken.data(), count);
    for (int32_t i = 0; i < count; ++i)
        work.push_back(std::move(taken[static_cast<size_t>(i)]));
    while (!work.empty()) {
        std::unique_ptr<TPartMuz> part = std::move(work.back());
        work.pop_back();
        count = 0;
        part->TakeChildren(taken.data(), count);
        for (int32_t i = 0; i < count; ++i)
            work.push_back(std::move(taken[static_cast<size_t>(i)]));
        // part is freed here, without children left to recurse into.
    }
}

std::string TPartMuz::GetTreeLabel() const
{
    return PartLabel.empty() ? GetDefaultTreeLabel() : PartLabel;
}

int32_t TPartMuz::IndexOfChild(const TPartMuz* child) const
{
    for (int32_t i = 0; i < GetChildCount(); ++i)
        if (child && GetChild(i) == child)
            return i;
    return -1;
}

std::unique_ptr<TPartMuz>* TPartMuz::GetChildLink(const TPartMuz*)
{
    QB_CHECK(!"a part with children");
    return nullptr;
}

std::unique_ptr<TPartMuz> TPartMuz::DetachFromParent(TPartMuz*& parent, std::unique_ptr<TPartMuz>*& link)
{
    parent = Parent;
    link = nullptr;
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    link = Parent->GetChildLink(this);
    if (!link)
        return nullptr;
    std::unique_ptr<TPartMuz> self = std::move(*link);
    Parent = nullptr;
    return self;
}

void TPartMuz::SetEnablePlayAndDraw(bool enable, TUnitMuz* document)
{
    EnablePlayAndDraw = enable;
    if (document)
        document->DeselectIfPartHidden();
}

bool TPartMuz::IsEnabledPlayDraw() const
{
    for (const TPartMuz* part = this;; part = part->Parent) {
        if (part->Root)
            return true;
        if (!part->EnablePlayAndDraw)
            return false;
        if (!part->Parent)
            return true;
    }
}

bool TPartMuz::IsParentEnabledPlayDraw() const
{
    return !Parent || Parent->IsEnabledPlayDraw();
}

namespace {

// Calls fn on every bar below part, in played order.
template <class Fn>
void ForEachSinglePart(const TPartMuz& part, Fn fn)
{
    TSinglePartMuz* last = part.GetLastSinglePart();
    for (TSinglePartMuz* bar = part.GetFirstSinglePart(); bar; bar = bar->GetNextSinglePart()) {
        fn(*bar);
        if (bar == last)
            break;
    }
}

} // namespace

void TPartMuz::DeleteStaveSymbols(const TNoteStave* stave)
{
    if (QB_CHECK(stave != nullptr))
        ForEachSinglePart(*this, [stave](TSinglePartMuz& bar) { bar.DeleteStaveSymbols(stave); });
}

void TPartMuz::DeleteNoteGroupNotes(const TNoteGroup* group)
{
    if (QB_CHECK(group != nullptr))
        ForEachSinglePart(*this, [group](TSinglePartMuz& bar) { bar.DeleteNoteGroupNotes(group); });
}

void TPartMuz::FillWithRests(TNoteStave* stave)
{
    if (QB_CHECK(stave != nullptr))
        ForEachSinglePart(*this, [stave](TSinglePartMuz& bar) { bar.FillWithRests(stave); });
}

void TPartMuz::AddStaveClef(TNoteStave* newStave)
{
    if (QB_CHECK(newStave != nullptr))
        ForEachSinglePart(*this, [newStave](TSinglePartMuz& bar) { bar.AddStaveClef(newStave); });
}

TStaveSymbol* TPartMuz::GetFirstSymbol() const
{
    TSinglePartMuz* bar = GetFirstSinglePart();
    return bar ? bar->GetSymbols() : nullptr;
}

TStaveSymbol* TPartMuz::GetFirstEnabledSymbol() const
{
    TStaveSymbol* found = nullptr;
    TSinglePartMuz* last = GetLastSinglePart();
    for (TSinglePartMuz* bar = GetFirstSinglePart(); bar && !found; bar = bar->GetNextSinglePart()) {
        if (bar->GetEnablePlayAndDraw())
            found = bar->GetSymbols();
        if (bar == last)
            break;
    }
    return found;
}

bool TPartMuz::HoldsBar(const TSinglePartMuz* bar) const
{
    for (const TPartMuz* part = bar; part; part = part->Parent)
        if (part == this)
            return true;
    return false;
}

TStaveSymbol* TPartMuz::InsertSymbol(std::unique_ptr<TStaveSymbol> symbol)
{
    if (!QB_CHECK(symbol != nullptr))
        return nullptr;
    TSinglePartMuz* bar = symbol->GetSinglePartMuz();
    if (!bar || !HoldsBar(bar))
        return nullptr;
    return bar->InsertSymbol(std::move(symbol));
}

void TPartMuz::DeleteSymbol(TStaveSymbol* symbol)
{
    if (QB_CHECK(symbol != nullptr) && symbol->GetSinglePartMuz() && HoldsBar(symbol->GetSinglePartMuz()))
        symbol->GetSinglePartMuz()->DeleteSymbol(symbol);
}

void TPartMuz::MoveSymbol(TStaveSymbol* symbol)
{
    if (QB_CHECK(symbol != nullptr) && symbol->GetSinglePartMuz() && HoldsBar(symbol->GetSinglePartMuz()))
        symbol->GetSinglePartMuz()->MoveSymbol(symbol);
}

TSinglePartMuz* TPartMuz::GetFirstSinglePart() const
{
    const TPartMuz* part = this;
    while (part && part->GetPartMuzKind() != partMuzSingle)
        part = part->GetChildCount() > 0 ? part->GetChild(0) : nullptr;
    return const_cast<TSinglePartMuz*>(static_cast<const TSinglePartMuz*>(part));
}

TSinglePartMuz* TPartMuz::GetLastSinglePart() const
{
    const TPartMuz* part = this;
    while (part && part->GetPartMuzKind() != partMuzSingle)
        part = part->GetChildCount() > 0 ? part->GetChild(part->GetChildCount() - 1) : nullptr;
    return const_cast<TSinglePartMuz*>(static_cast<const TSinglePartMuz*>(part));
}

namespace {

// One walk through the tree in either direction. stop says at which parts
// the walk ends with the part itself; the root ends it with nullptr.
template <class Stop>
const TPartMuz* WalkParts(const TPartMuz* part, const TPartMuz* caller, bool forward, Stop stop)
{
    while (part) {
        if (part->GetPartMuzKind() == partMuzStart)
            return nullptr;
        if (stop(*part))
            return part;
        const int32_t count = part->GetChildCount();
        int32_t next;
        if (caller == part->GetParent()) {
            next = forward ? 0 : count - 1;
        } else {
            const int32_t index = part->IndexOfChild(caller);
            if (!QB_CHECK(index >= 0))
                return nullptr;
            next = forward ? index + 1 : index - 1;
        }
        if (next >= 0 && next < count) {
            caller = part;
            part = part->GetChild(next);
            continue;
        }
        if (!QB_CHECK(part->GetParent() != nullptr))
            return nullptr;
        caller = part;
        part = part->GetParent();
    }
    return nullptr;
}

bool IsSingle(const TPartMuz& part)
{
    return part.GetPartMuzKind() == partMuzSingle;
}

bool IsNotSequence(const TPartMuz& part)
{
    return part.GetPartMuzKind() != partMuzConcat;
}

TSinglePartMuz* AsSingle(const TPartMuz* part)
{
    return const_cast<TSinglePartMuz*>(static_cast<const TSinglePartMuz*>(part));
}

} // namespace

TSinglePartMuz* TPartMuz::GetNextSinglePart(const TPartMuz* caller) const
{
    return AsSingle(WalkParts(this, caller, true, IsSingle));
}

TSinglePartMuz* TPartMuz::GetPrevSinglePart(const TPartMuz* caller) const
{
    return AsSingle(WalkParts(this, caller, false, IsSingle));
}

TSinglePartMuz* TPartMuz::GetNextSinglePart() const
{
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    return Parent->GetNextSinglePart(this);
}

TSinglePartMuz* TPartMuz::GetPrevSinglePart() const
{
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    return Parent->GetPrevSinglePart(this);
}

TPartMuz* TPartMuz::GetNextPart(const TPartMuz* caller) const
{
    return const_cast<TPartMuz*>(WalkParts(this, caller, true, IsNotSequence));
}

TPartMuz* TPartMuz::GetPrevPart(const TPartMuz* caller) const
{
    return const_cast<TPartMuz*>(WalkParts(this, caller, false, IsNotSequence));
}

TPartMuz* TPartMuz::GetNextPart() const
{
    return Parent ? Parent->GetNextPart(this) : nullptr;
}

TPartMuz* TPartMuz::GetPrevPart() const
{
    return Parent ? Parent->GetPrevPart(this) : nullptr;
}

namespace {

// Whether each part from the root down to the walk's part is played and
// drawn, kept as the walk moves, so that no step climbs to the root again.
class TEnabledPath {
public:
    explicit TEnabledPath(const TPartMuz* part)
    {
        std::vector<const TPartMuz*> ancestors;
        for (; part; part = part->GetParent())
            ancestors.push_back(part);
        for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
            Descend(**it);
    }
    bool Current() const { return !states.empty() && states.back(); }
    void Descend(const TPartMuz& part)
    {
        const bool above = states.empty() || states.back();
        states.push_back(part.IsRoot() || (part.GetEnablePlayAndDraw() && above));
    }
    void Climb()
    {
        if (!states.empty())
            states.pop_back();
    }

private:
    std::vector<bool> states;
};

TXTouchMuzSymbol* WalkTouchSymbols(const TPartMuz* part, const TPartMuz* caller, const TNoteStave* stave,
                                   bool forward)
{
    TEnabledPath enabled(part);
    while (part) {
        const TPartMuzKind kind = part->GetPartMuzKind();
        if (kind == partMuzStart)
            return nullptr;
        if (enabled.Current()) {
            if (kind == partMuzSingle) {
                const TSinglePartMuz* bar = static_cast<const TSinglePartMuz*>(part);
                return forward ? bar->GetFirstTouchSymbolOfStave(stave) : bar->GetLastTouchSymbolOfStave(stave);
            }
            if (kind == partMuzLoop) {
                const TLoopPartMuz* loop = static_cast<const TLoopPartMuz*>(part);
                if (caller == part->GetParent())
                    return forward ? loop->GetLeftLoopSymbol() : loop->GetRightLoopSymbol();
                if (caller == loop->GetChild(0))
                    return forward ? loop->GetRightLoopSymbol() : loop->GetLeftLoopSymbol();
                QB_CHECK(!"the loop's parent or child asks");
                return nullptr;
            }
            const int32_t count = part->GetChildCount();
            int32_t next;
            if (caller == part->GetParent()) {
                next = forward ? 0 : count - 1;
            } else {
                const int32_t index = part->IndexOfChild(caller);
                if (index < 0) {
                    QB_CHECK(kind == partMuzConcat);
                    return nullptr;
                }
                next = forward ? index + 1 : index - 1;
            }
            if (next >= 0 && next < count) {
                caller = part;
                part = part->GetChild(next);
                if (part)
                    enabled.Descend(*part);
                continue;
            }
        }
        if (!QB_CHECK(part->GetParent() != nullptr))
            return nullptr;
        caller = part;
        part = part->GetParent();
        enabled.Climb();
    }
    return nullptr;
}

// Descends to the first (last) touch symbol of a stave inside part.
TXTouchMuzSymbol* EdgeTouchSymbol(const TPartMuz* part, const TNoteStave* stave, bool first)
{
    TEnabledPath enabled(part);
    while (part) {
        const TPartMuzKind kind = part->GetPartMuzKind();
        const TPartMuz* child = nullptr;
        if (kind == partMuzStart) {
            child = part->GetChild(0);
            if (!child || !child->GetEnablePlayAndDraw())
                return nullptr;
        } else if (!enabled.Current()) {
            return nullptr;
        } else if (kind == partMuzSingle) {
            const TSinglePartMuz* bar = static_cast<const TSinglePartMuz*>(part);
            return first ? bar->GetFirstTouchSymbolOfStave(stave) : bar->GetLastTouchSymbolOfStave(stave);
        } else if (kind == partMuzLoop) {
            const TLoopPartMuz* loop = static_cast<const TLoopPartMuz*>(part);
            return first ? loop->GetLeftLoopSymbol() : loop->GetRightLoopSymbol();
        } else if (kind == partMuzConcat) {
            const TPartMuz* a = part->GetChild(first ? 0 : 1);
            const TPartMuz* b = part->GetChild(first ? 1 : 0);
            if (a && a->GetEnablePlayAndDraw())
                child = a;
            else if (b && b->GetEnablePlayAndDraw())
                child = b;
            else
                return nullptr;
        } else {
            child = part->GetChild(0);
        }
        part = child;
        if (part)
            enabled.Descend(*part);
    }
    return nullptr;
}

} // namespace

TXTouchMuzSymbol* TPartMuz::GetNextTouchSymbol(const TPartMuz* caller, const TNoteStave* stave) const
{
    return WalkTouchSymbols(this, caller, stave, true);
}

TXTouchMuzSymbol* TPartMuz::GetPrevTouchSymbol(const TPartMuz* caller, const TNoteStave* stave) const
{
    return WalkTouchSymbols(this, caller, stave, false);
}

TXTouchMuzSymbol* TPartMuz::GetFirstTouchSymbol(const TNoteStave* stave) const
{
    return EdgeTouchSymbol(this, stave, true);
}

TXTouchMuzSymbol* TPartMuz::GetLastTouchSymbol(const TNoteStave* stave) const
{
    return EdgeTouchSymbol(this, stave, false);
}

TXTouchMuzSymbol* TPartMuz::GetNextSymbolOfStave(const TNoteStave*, const TXTouchMuzSymbol*) const
{
    return nullptr;
}

TXTouchMuzSymbol* TPartMuz::GetPrevSymbolOfStave(const TNoteStave*, const TXTouchMuzSymbol*) const
{
    return nullptr;
}

TLoopPartMuz* TPartMuz::GetEnclosingLoop() const
{
    for (const TPartMuz* part = this; part; part = part->Parent) {
        if (part->GetPartMuzKind() == partMuzLoop)
            return const_cast<TLoopPartMuz*>(static_cast<const TLoopPartMuz*>(part));
        if (part->GetPartMuzKind() == partMuzStart)
            return nullptr;
    }
    QB_CHECK(!"a part inside the tree");
    return nullptr;
}

int32_t TPartMuz::GetLoopRepetition() const
{
    for (const TPartMuz* part = this; part; part = part->Parent) {
        if (part->GetPartMuzKind() == partMuzLoop)
            return static_cast<const TLoopPartMuz*>(part)->CurrentCount;
        if (part->GetPartMuzKind() == partMuzStart)
            return 1;
    }
    QB_CHECK(!"a part inside the tree");
    return 1;
}

void TPartMuz::SetLoopRepetition(int32_t count)
{
    for (TPartMuz* part = this; part; part = part->Parent) {
        if (part->GetPartMuzKind() == partMuzLoop) {
            static_cast<TLoopPartMuz*>(part)->CurrentCount = count;
            return;
        }
        if (part->GetPartMuzKind() == partMuzStart) {
            QB_CHECK(count == 1);
            return;
        }
    }
    QB_CHECK(!"a part inside the tree");
}

TPartMuz* TPartMuz::GetEnclosingLoopOrSelect() const
{
    for (TPartMuz* parent = Parent; parent; parent = parent->Parent) {
        const TPartMuzKind kind = parent->GetPartMuzKind();
        if (kind == partMuzLoop || kind == partMuzSelect)
            return parent;
        if (kind != partMuzConcat)
            return nullptr;
    }
    return nullptr;
}

void TPartMuz::WriteXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                        const TXTouchMuzSymbol* selectedSymbol) const
{
    struct TFrame {
        const TPartMuz* part;
        int32_t next;
    };
    std::vector<TFrame> stack{{this, 0}};
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        if (frame.next < frame.part->GetChildCount()) {
            const TPartMuz* child = frame.part->GetChild(frame.next++);
            if (child)
                stack.push_back({child, 0});
            continue;
        }
        const TPartMuz* done = frame.part;
        stack.pop_back();
        done->WriteOwnXml(parent, selectedItem, selectedSymbol);
    }
}

void TPartMuz::WritePartNodeXml(const TMusTreeItem& item, TXMLComplexElement& parent, bool expanded, bool selected,
                                bool enablePlayAndDraw)
{
    auto node = std::make_unique<TXMLComplexElement>("PartNode");
    if (!item.GetLabel().empty())
        node->AddItem(std::make_unique<TXMLStringElement>("PartLabel", item.GetLabel()));
    if (expanded)
        WriteEmptyElement("Expanded", *node);
    if (selected)
        WriteEmptyElement("Selected", *node);
    if (enablePlayAndDraw)
        WriteEmptyElement("EnablePlayAndDraw", *node);
    parent.AddItem(std::move(node));
}
