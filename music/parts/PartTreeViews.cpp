#include "music/parts/PartTreeViews.h"

#include "music/parts/PartTiming.h"
#include "music/parts/PartWalk.h"
#include "music/parts/TreeDataResult.h"
#include "platform/Assertions.h"

#include <vector>

using namespace PartWalk;

void AddTreeNode(TPartMuz& part, TMusicTreeSink& sink, int32_t parentNode, const TMusTreeItem* selected)
{
    struct TFrame {
        TPartMuz* part;
        int32_t node;     // the node the children go below
        int32_t ownNode;  // the part's own node, TopNode when it has none
        int32_t step = 0;
    };
    auto add = [&](int32_t parent, TMusTreeItem& item, int32_t image) {
        const int32_t node = sink.AddChildObject(parent, item.GetTreeLabel(), &item, image);
        if (&item == selected)
            sink.SetSelected(node);
        return node;
    };
    std::vector<TFrame> stack;
    auto enter = [&](TPartMuz& p, int32_t parent) {
        switch (p.GetPartMuzKind()) {
        case partMuzSingle:
            add(parent, p, musicTreeImageBar);
            return;
        case partMuzLoop: {
            const int32_t node = add(parent, p, musicTreeImageLoop);
            stack.push_back({&p, node, node});
            return;
        }
        case partMuzSelect: {
            const int32_t node = add(parent, p, musicTreeImageSelect);
            const TSelectPartItem* turns = AsSelect(p).GetSelectPartItems();
            if (QB_CHECK(turns != nullptr))
                for (TSelectPartItem* turn = turns->GetNextTurn(); turn; turn = turn->GetNextTurn())
                    add(node, *turn, musicTreeImageTurn);
            stack.push_back({&p, node, node});
            return;
        }
        default:
            stack.push_back({&p, parent, TMusicTreeSink::TopNode});
            return;
        }
    };
    enter(part, parentNode);
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        if (frame.step < frame.part->GetChildCount()) {
            TPartMuz* child = frame.part->GetChild(frame.step++);
            const int32_t node = frame.node;
            if (child)
                enter(*child, node);
            continue;
        }
        if (frame.ownNode != TMusicTreeSink::TopNode)
            sink.SetExpanded(frame.ownNode, frame.part->GetExpanded());
        stack.pop_back();
    }
}

namespace {

// A part's label in the played-order view: with the repetition it is played
// in when a repeat encloses it.
std::string ResultLabel(const TPartMuz& part)
{
    std::string label = part.GetTreeLabel();
    const TPartMuz* parent = part.GetParent();
    if (parent && parent->GetEnclosingLoop())
        label += " " + std::to_string(parent->GetLoopRepetition());
    return label;
}

int32_t ParentRepetition(const TPartMuz& part)
{
    return part.GetParent() ? part.GetParent()->GetLoopRepetition() : 1;
}

} // namespace

TTreeDataResult* AddTreeDataNode(TPartMuz& part, TMusicTreeSink& sink, int32_t parentNode, int32_t pitch,
                                 TTreeDataResult& parentResult)
{
    struct TFrame {
        TPartMuz* part;
        int32_t node;
        int32_t pitch;
        TTreeDataResult* result;
        int32_t step = 0;
        bool childPlays = false;
    };
    TTreeDataResult* first = nullptr;
    std::vector<TFrame> stack;
    auto made = [&](TTreeDataResult* node) {
        if (!first && node->GetParentResult() == &parentResult)
            first = node;
        return node;
    };
    auto enter = [&](TPartMuz& p, int32_t node, int32_t p0, TTreeDataResult& r) {
        switch (p.GetPartMuzKind()) {
        case partMuzSingle: {
            const std::string label = ResultLabel(p);
            p.PartLength = GetPartLength(p);
            TTreeDataResult* result = made(TTreeDataResult::AddTo(r, &p, p0, ParentRepetition(p)));
            sink.AddChildObject(node, label, result, musicTreeImageBar);
            AddLoopLength(p.GetParent(), p.PartLength);
            return;
        }
        case partMuzLoop: {
            p.PartLength = GetPartLength(p);
            AsLoop(p).LoopLength = 0.0;
            if (p.PartLength == 0.0)
                return;
            TTreeDataResult* result = made(TTreeDataResult::AddTo(r, &p, p0, ParentRepetition(p)));
            const int32_t own = sink.AddChildObject(node, ResultLabel(p), result, musicTreeImageLoop);
            stack.push_back({&p, own, p0, result});
            return;
        }
        case partMuzSelect: {
            TSelectPartMuz& select = AsSelect(p);
            const int32_t repetition = select.GetLoopRepetition();
            p.PartLength = GetPartLength(p);
            if (p.PartLength == 0.0)
                return;
            select.LoopLength = 0.0;
            unitInteger turnPitch;
            unitFactorPosMore turnTempo;
            std::string turnName;
            const TSelectPartItem* turns = select.GetSelectPartItems();
            TFrame frame{&p, node, p0, &r};
            if (ChildPlayed(select.GetSelectPart(), select.IsEnabledPlayDraw()) && turns &&
                turns->GetPitchAtCount(turnPitch, repetition) && turns->GetTempoFactorAtCount(turnTempo, repetition) &&
                turns->GetTurnNameAtCount(turnName, repetition)) {
                frame.pitch = p0 + turnPitch.GetValue();
                frame.result = made(TTreeDataResult::AddTo(r, &p, frame.pitch, ParentRepetition(p)));
                frame.result->SetNameTurnPartItem(turnName);
                frame.node = sink.AddChildObject(node, ResultLabel(p), frame.result, musicTreeImageSelect);
                frame.childPlays = true;
            }
            stack.push_back(frame);
            return;
        }
        default:
            if (p.GetPartMuzKind() == partMuzConcat)
                p.PartLength = GetPartLength(p);
            stack.push_back({&p, node, p0, &r});
            return;
        }
    };
    enter(part, parentNode, pitch, parentResult);
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        TPartMuz& p = *frame.part;
        TPartMuz* child = nullptr;
        bool more = true;
        switch (p.GetPartMuzKind()) {
        case partMuzLoop:
            if (frame.step > 0)
                sink.SetExpanded(frame.node, p.GetExpanded());
            if (frame.step >= LoopCount(p)) {
                more = false;
                break;
            }
            AsLoop(p).CurrentCount = ++frame.step;
            child = AsLoop(p).GetLoopPart();
            break;
        case partMuzSelect:
            if (frame.step == 1 && frame.childPlays)
                sink.SetExpanded(frame.node, p.GetExpanded());
            more = frame.step++ == 0;
            if (more && frame.childPlays)
                child = AsSelect(p).GetSelectPart();
            break;
        default:
            more = frame.step < p.GetChildCount();
            if (more)
                child = p.GetChild(frame.step++);
            break;
        }
        if (!more) {
            const TPartMuzKind kind = p.GetPartMuzKind();
            if (kind == partMuzLoop || kind == partMuzSelect)
                AddLoopLength(p.GetParent(), p.PartLength);
            stack.pop_back();
            continue;
        }
        if (child && child->IsEnabledPlayDraw()) {
            const TFrame at = frame;
            enter(*child, at.node, at.pitch, *at.result);
        }
    }
    return first;
}

bool CheckParents(TPartMuz& part)
{
    bool sound = true;
    std::vector<TPartMuz*> work{&part};
    while (!work.empty()) {
        TPartMuz* p = work.back();
        work.pop_back();
        for (int32_t i = 0; i < p->GetChildCount(); ++i) {
            TPartMuz* child = p->GetChild(i);
            if (!child)
                continue;
            if (!QB_CHECK(child->GetParent() == p))
                sound = false;
            work.push_back(child);
        }
    }
    return sound;
}
