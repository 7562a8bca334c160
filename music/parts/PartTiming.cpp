#include "music/parts/PartTiming.h"

#include "foundation/StopReason.h"
#include "foundation/values/NumericHelpers.h"
#include "music/NoteInFlight.h"
#include "music/parts/NoteRenderPool.h"
#include "music/parts/PartWalk.h"
#include "music/parts/SelectPartItem.h"
#include "music/parts/TreeDataResult.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <vector>

using namespace PartWalk;

namespace {

// One step of a walk's stack: the part, how far its children are done, and
// whether the part's pass restores a repeat's counter when it is left.
struct TCountFrame {
    TPartMuz* part;
    int32_t step = 0;
    int32_t savedCount = 1;
};

// The next child of a concatenation or a repeat, which every walk visits
// alike: false when the part is done. A repeat's counter follows the pass.
template <class Frame>
bool NextSequenceChild(Frame& frame, TPartMuz*& child)
{
    TPartMuz& part = *frame.part;
    if (part.GetPartMuzKind() == partMuzConcat) {
        if (frame.step >= 2)
            return false;
        child = part.GetChild(frame.step++);
        return true;
    }
    if (frame.step >= LoopCount(part))
        return false;
    AsLoop(part).CurrentCount = ++frame.step;
    child = AsLoop(part).GetLoopPart();
    return true;
}

// The next child to visit of a frame: false when the part is done; child is
// null for a step that visits nothing.
bool NextPlayedChild(TCountFrame& frame, TPartMuz*& child)
{
    TPartMuz& part = *frame.part;
    child = nullptr;
    switch (part.GetPartMuzKind()) {
    case partMuzStart:
    case partMuzSelect:
        if (frame.step > 0)
            return false;
        frame.step = 1;
        if (part.GetPartMuzKind() == partMuzStart) {
            child = part.GetChild(0);
        } else {
            const TSelectPartMuz& select = AsSelect(part);
            if (select.IsRoot() || HasTurnFor(select, select.GetLoopRepetition()))
                child = select.GetSelectPart();
        }
        return true;
    case partMuzConcat:
    case partMuzLoop:
        return NextSequenceChild(frame, child);
    default:
        return false;
    }
}

// Calls onBar for every played bar below top in played order, every repeat
// set to the repetition being played, until onBar answers false. Leaves the
// repeats' counters as it found them.
template <class OnBar>
void ForEachPlayedBar(TPartMuz& top, OnBar onBar)
{
    if (!top.IsEnabledPlayDraw())
        return;
    std::vector<TCountFrame> stack;
    auto enter = [&](TPartMuz& part) {
        if (part.GetPartMuzKind() == partMuzSingle)
            return onBar(AsBar(part));
        TCountFrame frame{&part};
        if (part.GetPartMuzKind() == partMuzLoop)
            frame.savedCount = AsLoop(part).CurrentCount;
        stack.push_back(frame);
        return true;
    };
    auto leave = [&](const TCountFrame& frame) {
        if (frame.part->GetPartMuzKind() == partMuzLoop)
            AsLoop(*frame.part).CurrentCount = frame.savedCount;
    };
    bool going = enter(top);
    while (going && !stack.empty()) {
        TPartMuz* child = nullptr;
        if (!NextPlayedChild(stack.back(), child)) {
            leave(stack.back());
            stack.pop_back();
        } else if (ChildPlayed(child, true)) {
            going = enter(*child);
        }
    }
    while (!stack.empty()) {
        leave(stack.back());
        stack.pop_back();
    }
}

// A bar tells the repeat or turns part around it, through sequences.
void AddToEnclosing(TPartMuz* part, double length)
{
    AddLoopLength(part, length);
}

} // namespace

double GetBarLength(const TSinglePartMuz& bar)
{
    double length = 0.0;
    for (const TStaveSymbol* symbol = bar.GetSymbols(); symbol; symbol = symbol->GetNext())
        if (symbol->IsTimeSymbol()) {
            const auto* timed = static_cast<const TStaveTimeSymbol*>(symbol);
            length = std::max(length, timed->GetSymbolPosition() + timed->GetLength());
        }
    return length;
}

double GetPartLength(TPartMuz& part)
{
    double length = 0.0;
    ForEachPlayedBar(part, [&](TSinglePartMuz& bar) {
        length += GetBarLength(bar);
        return true;
    });
    return length;
}

bool HasEnabledBar(TPartMuz& part)
{
    bool found = false;
    ForEachPlayedBar(part, [&](TSinglePartMuz&) {
        found = true;
        return false;
    });
    return found;
}

std::string NoLengthMessage(const TPartMuz& part)
{
    return "The part \"" + part.GetTreeLabel() + "\" is played but holds no notes or rests.";
}

bool PartTempoFactorAt(const TPartMuz& part, double x, double& factor, std::string& message)
{
    factor = 1.0;
    for (const TPartMuz* p = &part; p; p = p->GetParent()) {
        const TPartMuzKind kind = p->GetPartMuzKind();
        if (kind == partMuzStart)
            break;
        if (kind != partMuzConcat) {
            if (p->PartLength == 0.0) {
                message = NoLengthMessage(*p);
                return false;
            }
            const double start = 1.0 / p->GetTempoStart().GetValue();
            const double end = 1.0 / p->GetTempoEnd().GetValue();
            const double at = x + LoopLengthOf(*p);
            factor *= p->GetTempoStart().GetValue() == p->GetTempoEnd().GetValue()
                          ? start
                          : LinearMap(at, 0.0, p->PartLength, start, end);
        }
        if (p->IsRoot())
            break;
    }
    return true;
}

void AddLoopLength(TPartMuz* part, double length)
{
    for (TPartMuz* p = part; p; p = p->GetParent()) {
        const TPartMuzKind kind = p->GetPartMuzKind();
        if (kind == partMuzLoop || kind == partMuzSelect) {
            SetLoopLengthOf(*p, LoopLengthOf(*p) + length);
            return;
        }
        if (kind == partMuzStart)
            return;
    }
}

void ResetLoopCounts(TPartMuz& part)
{
    std::vector<TPartMuz*> work{&part};
    while (!work.empty()) {
        TPartMuz* p = work.back();
        work.pop_back();
        if (p->GetPartMuzKind() == partMuzLoop)
            AsLoop(*p).CurrentCount = 1;
        for (int32_t i = 0; i < p->GetChildCount(); ++i)
            if (TPartMuz* child = p->GetChild(i))
                work.push_back(child);
    }
}

namespace {

// The most a part's own tempo stretches the seconds of what it plays.
double SlowestFactor(const TPartMuz& part)
{
    return std::max(1.0 / part.GetTempoStart().GetValue(), 1.0 / part.GetTempoEnd().GetValue());
}

// The most a turns part's turns stretch it; 0 when no turn plays it.
double SlowestTurnFactor(const TSelectPartMuz& select)
{
    if (select.IsRoot())
        return 1.0;
    double factor = 0.0;
    for (const TSelectPartItem* turn = select.GetSelectPartItems(); turn; turn = turn->GetNextTurn())
        if (const auto* counted = dynamic_cast<const TCountSelectPartItem*>(turn))
            factor = std::max(factor, 1.0 / counted->GetTempo().GetValue());
    return factor;
}

// One part of the bound's walk: its children in turn, what they add up to.
struct TBoundFrame {
    TPartMuz* part;
    bool played;
    int32_t step = 0;
    double seconds = 0;
    double passes = 0;
};

// The children a part of the bound's walk visits: one, or two for a concatenation.
int32_t BoundChildren(const TPartMuz& part)
{
    return part.GetPartMuzKind() == partMuzConcat ? 2 : 1;
}

TPartMuz* BoundChild(TPartMuz& part, int32_t step)
{
    switch (part.GetPartMuzKind()) {
    case partMuzStart:
    case partMuzConcat:
        return part.GetChild(step);
    case partMuzLoop:
        return AsLoop(part).GetLoopPart();
    case partMuzSelect:
        return AsSelect(part).GetSelectPart();
    default:
        return nullptr;
    }
}

// What a part plays, given the sum of what its children play once.
void CloseBoundFrame(TBoundFrame& frame)
{
    TPartMuz& part = *frame.part;
    switch (part.GetPartMuzKind()) {
    case partMuzLoop: {
        // Every repetition is a step of the walks, played child or not.
        const double count = std::max(LoopCount(part), 0);
        frame.seconds *= count * SlowestFactor(part);
        frame.passes = count * std::max(frame.passes, 1.0);
        break;
    }
    case partMuzSelect:
        frame.seconds *= SlowestFactor(part) * SlowestTurnFactor(AsSelect(part));
        break;
    default:
        break;
    }
    frame.passes += 1;
}

} // namespace

TPlayedBound GetPlayedBound(TPartMuz& top, double tempo)
{
    // Bottom up on a stack of its own, like the walks: a tree of any depth.
    std::vector<TBoundFrame> stack{{&top, top.IsEnabledPlayDraw()}};
    TPlayedBound bound;
    while (!stack.empty()) {
        TBoundFrame& frame = stack.back();
        if (frame.part->GetPartMuzKind() == partMuzSingle) {
            frame.seconds = GetBarLength(AsBar(*frame.part)) * SlowestFactor(*frame.part);
            frame.passes = 1;
        } else if (frame.step < BoundChildren(*frame.part)) {
            TPartMuz* child = BoundChild(*frame.part, frame.step++);
            if (ChildPlayed(child, frame.played))
                stack.push_back({child, true});
            continue;
        } else {
            CloseBoundFrame(frame);
        }
        const TBoundFrame done = frame;
        stack.pop_back();
        if (stack.empty()) {
            bound.Seconds = done.seconds * tempo;
            bound.Passes = done.passes;
        } else {
            stack.back().seconds += done.seconds;
            stack.back().passes += done.passes;
        }
    }
    return bound;
}

namespace {

// What a walk hands down the tree: the pitch shift of the turns above, the
// tempo they make, whether the walk is below the result node, and whether
// the part is played.
struct TPlayFrame {
    TPartMuz* part;
    int32_t step = 0;
    int32_t shift = 0;
    double tempo = 0;
    bool inside = false;
    bool played = true;
    // A turns part: whether its child plays in this repetition.
    bool turnPlays = false;
};

// The two walks differ only in what a bar does with its notes.
class TPlayWalk {
public:
    TPlayWalk(TPartWalkValues& values, const TPartWalkLimits& limits, std::string& message, StopFlag* stop)
        : Values(values), Limits(limits), Message(message), Stop(stop)
    {
    }
    virtual ~TPlayWalk() = default;

    bool Run(TPartMuz& top, double tempo)
    {
        TPlayFrame first{&top};
        first.tempo = tempo;
        first.played = top.IsEnabledPlayDraw();
        if (!Enter(first))
            return false;
        while (!Stack.empty()) {
            // A long walk can be stopped between any two steps.
            if (IsStopped(Stop)) {
                Message = StoppedRunReason();
                return false;
            }
            TPartMuz* child = nullptr;
            TPlayFrame& frame = Stack.back();
            if (!NextChild(frame, child)) {
                Leave(frame);
                Stack.pop_back();
                continue;
            }
            if (!ChildPlayed(child, frame.played))
                continue;
            TPlayFrame next = frame;
            next.part = child;
            next.step = 0;
            next.played = true;
            next.turnPlays = false;
            if (frame.part->GetPartMuzKind() == partMuzSelect && !frame.part->IsRoot()) {
                unitInteger pitch;
                unitFactorPosMore turnTempo;
                const TSelectPartItem* turns = AsSelect(*frame.part).GetSelectPartItems();
                const int32_t repetition = frame.part->GetLoopRepetition();
                if (turns && turns->GetPitchAtCount(pitch, repetition) &&
                    turns->GetTempoFactorAtCount(turnTempo, repetition)) {
                    next.shift += pitch.GetValue();
                    next.tempo /= turnTempo.GetValue();
                }
            }
            if (!Enter(next))
                return false;
        }
        return true;
    }

protected:
    // The notes of a bar that the walk takes, in list order.
    template <class OnNote>
    bool ForEachNote(const TSinglePartMuz& bar, OnNote onNote)
    {
        for (TStaveSymbol* symbol = bar.GetSymbols(); symbol; symbol = symbol->GetNext()) {
            if (!symbol->IsNote())
                continue;
            TMuzNote& note = static_cast<TMuzNote&>(*symbol);
            if (Limits.Stave || Limits.NoteGroup) {
                if (Limits.Stave && note.GetNoteStave() != Limits.Stave)
                    continue;
                if (Limits.NoteGroup && note.GetNoteGroup() != Limits.NoteGroup)
                    continue;
            } else if (!note.IsPlayable()) {
                continue;
            }
            if (!onNote(note))
                return false;
        }
        return true;
    }

    // The tempo at a position p of the bar: the factors at the middle of
    // 0..p, so that bar times are the integral of a linearly varying factor.
    bool TempoAt(const TSinglePartMuz& bar, double p, double tempo, double& at)
    {
        double factor = 1.0;
        if (!PartTempoFactorAt(bar, p * 0.5, factor, Message))
            return false;
        at = tempo * factor;
        return true;
    }

    virtual bool Notes(TSinglePartMuz& bar, const TPlayFrame& frame) = 0;

    TPartWalkValues& Values;
    const TPartWalkLimits& Limits;
    std::string& Message;
    StopFlag* Stop;

private:
    bool EntersResult(const TPlayFrame& frame) const
    {
        return Limits.Result && !frame.inside && Limits.Result->IsResultOf(frame.part);
    }

    bool Enter(TPlayFrame frame)
    {
        TPartMuz& part = *frame.part;
        switch (part.GetPartMuzKind()) {
        case partMuzSingle:
            return PlayBar(AsBar(part), frame);
        case partMuzStart:
            break;
        case partMuzConcat:
            part.PartLength = GetPartLength(part);
            break;
        case partMuzLoop:
            part.PartLength = GetPartLength(part);
            AsLoop(part).LoopLength = 0.0;
            frame.inside = frame.inside || EntersResult(frame);
            break;
        case partMuzSelect: {
            TSelectPartMuz& select = AsSelect(part);
            part.PartLength = GetPartLength(part);
            select.LoopLength = 0.0;
            if (!ChildPlayed(select.GetSelectPart(), frame.played))
                return true;
            frame.inside = frame.inside || EntersResult(frame);
            frame.turnPlays = select.IsRoot() || HasTurnFor(select, select.GetLoopRepetition());
            break;
        }
        }
        Stack.push_back(frame);
        return true;
    }

    bool NextChild(TPlayFrame& frame, TPartMuz*& child)
    {
        TPartMuz& part = *frame.part;
        child = nullptr;
        switch (part.GetPartMuzKind()) {
        case partMuzStart:
            if (frame.step++ > 0)
                return false;
            child = part.GetChild(0);
            return true;
        case partMuzConcat:
        case partMuzLoop:
            return NextSequenceChild(frame, child);
        case partMuzSelect:
            if (frame.step++ > 0)
                return false;
            if (frame.turnPlays)
                child = AsSelect(part).GetSelectPart();
            return true;
        default:
            return false;
        }
    }

    void Leave(const TPlayFrame& frame)
    {
        const TPartMuzKind kind = frame.part->GetPartMuzKind();
        if (kind == partMuzLoop || kind == partMuzSelect)
            AddLoopLength(frame.part->GetParent(), frame.part->PartLength);
    }

    bool PlayBar(TSinglePartMuz& bar, const TPlayFrame& frame)
    {
        bar.PartLength = GetBarLength(bar);
        if (Limits.Result && !frame.inside && !Limits.Result->IsResultOf(&bar)) {
            Values.Position += bar.PartLength;
            return true;
        }
        if (!Notes(bar, frame))
            return false;
        double tempo = 0.0;
        if (!TempoAt(bar, bar.PartLength, frame.tempo, tempo))
            return false;
        Values.Time += bar.PartLength * tempo;
        AddToEnclosing(bar.GetParent(), bar.PartLength);
        Values.Position += bar.PartLength;
        return true;
    }

    std::vector<TPlayFrame> Stack;
};

class TMeasureWalk : public TPlayWalk {
public:
    using TPlayWalk::TPlayWalk;

protected:
    bool Notes(TSinglePartMuz& bar, const TPlayFrame& frame) override
    {
        return ForEachNote(bar, [&](TMuzNote& note) {
            const double p = note.GetStartPosition();
            double tempo = 0.0;
            if (!TempoAt(bar, p, frame.tempo, tempo))
                return false;
            const double start = Values.Time + p * tempo;
            bool ok = true;
            const double lead = note.GetLeadTime(frame.shift, tempo, ok, Message);
            if (!ok)
                return false;
            const double length = note.GetSoundLength(frame.shift, tempo, ok, Message);
            if (!ok)
                return false;
            Values.Lead = std::max(Values.Lead, lead - start);
            Values.End = std::max(Values.End, start + length);
            return true;
        });
    }
};

class TRenderWalk : public TPlayWalk {
public:
    TRenderWalk(TPartWalkValues& values, const TPartWalkLimits& limits, std::string& message, StopFlag* stop,
                double musicLength, int16_t monoStereo, TNoteRenderPool& pool)
        : TPlayWalk(values, limits, message, stop), MusicLength(musicLength), MonoStereo(monoStereo), Pool(pool)
    {
    }

protected:
    bool Notes(TSinglePartMuz& bar, const TPlayFrame& frame) override
    {
        return ForEachNote(bar, [&](TMuzNote& note) {
            double tempo = 0.0;
            if (!TempoAt(bar, note.GetStartPosition(), frame.tempo, tempo))
                return false;
            const TNotePlace bar{Values.Position, Values.Time, MusicLength, MonoStereo};
            std::unique_ptr<TNoteInFlight> started = note.StartRenderInto(Stop, bar, frame.shift, tempo, Message);
            return started && Pool.Add(std::move(started), static_cast<int64_t>(Values.Position * 1000), Message);
        });
    }

private:
    double MusicLength;
    int16_t MonoStereo;
    TNoteRenderPool& Pool;
};

} // namespace

bool GetStartAndLength(TPartMuz& part, TPartWalkValues& values, const TPartWalkLimits& limits, double tempo,
                       std::string& message, StopFlag* stop)
{
    return TMeasureWalk(values, limits, message, stop).Run(part, tempo);
}

bool RenderNotes(TPartMuz& part, StopFlag* stop, TPartWalkValues& values, const TPartWalkLimits& limits,
                 double musicLength, double tempo, int16_t monoStereo, std::string& message)
{
    TNoteRenderPool pool(stop, NoteRenderThreads(), static_cast<int64_t>(musicLength * 1000));
    bool ok = TRenderWalk(values, limits, message, stop, musicLength, monoStereo, pool).Run(part, tempo);
    // The notes still in flight come before where the walk ended: a note of
    // them that failed by itself is the reason.
    if (ok)
        ok = pool.Finish(message);
    else
        pool.Abandon(message);
    pool.Close();
    return ok;
}
