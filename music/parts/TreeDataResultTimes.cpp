// The played-order view's nodes at work: which part in which repetition a
// node stands for, and the times, positions and tempi the view shows.
#include "music/parts/PartTiming.h"
#include "music/parts/PartWalk.h"
#include "music/parts/TreeDataResult.h"
#include "platform/Assertions.h"

#include <vector>

using namespace PartWalk;

bool TTreeDataResult::IsResultOf(const TPartMuz* part) const
{
    for (const TTreeDataResult* node = this; node && part; node = node->ParentResult) {
        if (node->PartMuz != part)
            return false;
        const int32_t repetition = part->GetParent() ? part->GetParent()->GetLoopRepetition() : 1;
        if (repetition != node->Count)
            return false;
        part = part->GetEnclosingLoopOrSelect();
        if (!part)
            return true;
    }
    return false;
}

namespace {

// The factor of the part at x; a part without length (never timed) counts 1.
double FactorAt(const TPartMuz& part, double x)
{
    double factor = 1.0;
    std::string message;
    return PartTempoFactorAt(part, x, factor, message) ? factor : 1.0;
}

// The part's share of a node's times; gives the tempo its children play at.
double UpdatePartTimes(TPartMuz& part, TTreeDataResult& node, double& position, double& time, double tempo)
{
    const TPartMuzKind kind = part.GetPartMuzKind();
    if (!QB_CHECK(kind == partMuzSingle || kind == partMuzLoop || kind == partMuzSelect))
        return tempo;
    if (part.GetParent())
        part.GetParent()->SetLoopRepetition(node.GetCount());
    const double length = GetPartLength(part);
    part.PartLength = length;
    double childTempo = tempo;
    if (kind == partMuzSelect) {
        TSelectPartMuz& select = AsSelect(part);
        select.LoopLength = 0.0;
        unitFactorPosMore turnTempo;
        const TSelectPartItem* turns = select.GetSelectPartItems();
        if (QB_CHECK(select.GetSelectPart() && select.GetSelectPart()->IsEnabledPlayDraw() && turns &&
                     turns->GetTempoFactorAtCount(turnTempo, node.GetCount())))
            childTempo = tempo / turnTempo.GetValue();
    } else if (kind == partMuzLoop) {
        AsLoop(part).LoopLength = 0.0;
    }
    if (length != 0.0) {
        if (kind == partMuzSingle) {
            time += tempo * length * FactorAt(part, length / 2);
            position += length;
        }
        node.TempoAtStart = FactorAt(part, 0.0) * childTempo;
        node.TempoAtEnd = FactorAt(part, length) * childTempo;
    }
    return childTempo;
}

} // namespace

void TTreeDataResult::UpdateTreeData(double& position, double& time, double musicLength, double tempo)
{
    (void)musicLength;
    struct TFrame {
        TTreeDataResult* node;
        double tempo;
        double childTempo = 0;
        bool childrenDone = false;
    };
    std::vector<TFrame> stack{{this, tempo}};
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        TTreeDataResult& node = *frame.node;
        if (!frame.childrenDone) {
            frame.childrenDone = true;
            node.StartPosition = position;
            node.StartTime = time;
            frame.childTempo = node.PartMuz ? UpdatePartTimes(*node.PartMuz, node, position, time, frame.tempo)
                                            : frame.tempo;
            if (node.FirstChild) {
                stack.push_back({node.FirstChild.get(), frame.childTempo});
                continue;
            }
        }
        node.EndPosition = position;
        node.EndTime = time;
        if (node.PartMuz)
            AddLoopLength(node.PartMuz->GetParent(), node.PartMuz->PartLength);
        TTreeDataResult* sibling = node.NextSibling.get();
        const double siblingTempo = frame.tempo;
        stack.pop_back();
        if (sibling)
            stack.push_back({sibling, siblingTempo});
    }
}
