#pragma once
// What the walks over the part tree share: the kinds seen through their
// classes, and whether a child is played given its parent is.
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/StartPartMuz.h"

namespace PartWalk {

inline TLoopPartMuz& AsLoop(TPartMuz& part)
{
    return static_cast<TLoopPartMuz&>(part);
}
inline const TLoopPartMuz& AsLoop(const TPartMuz& part)
{
    return static_cast<const TLoopPartMuz&>(part);
}
inline TSelectPartMuz& AsSelect(TPartMuz& part)
{
    return static_cast<TSelectPartMuz&>(part);
}
inline const TSelectPartMuz& AsSelect(const TPartMuz& part)
{
    return static_cast<const TSelectPartMuz&>(part);
}
inline TSinglePartMuz& AsBar(TPartMuz& part)
{
    return static_cast<TSinglePartMuz&>(part);
}

// A child of a played part is played when it is marked as the top of what is
// played or its own switch is on: the same answer as IsEnabledPlayDraw, without
// walking up to the root for every part.
inline bool ChildPlayed(const TPartMuz* child, bool parentPlayed)
{
    return child && (child->IsRoot() || (parentPlayed && child->GetEnablePlayAndDraw()));
}

// The repetitions a loop plays; a count below 1 plays none.
inline int32_t LoopCount(const TPartMuz& loop)
{
    return AsLoop(loop).GetCount().GetValue();
}

// The loop's or turns part's length played so far in the pass; 0 for others.
inline double LoopLengthOf(const TPartMuz& part)
{
    if (part.GetPartMuzKind() == partMuzLoop)
        return AsLoop(part).LoopLength;
    if (part.GetPartMuzKind() == partMuzSelect)
        return AsSelect(part).LoopLength;
    return 0.0;
}

inline void SetLoopLengthOf(TPartMuz& part, double length)
{
    if (part.GetPartMuzKind() == partMuzLoop)
        AsLoop(part).LoopLength = length;
    else if (part.GetPartMuzKind() == partMuzSelect)
        AsSelect(part).LoopLength = length;
}

// Whether a turns part has a turn for the repetition.
inline bool HasTurnFor(const TSelectPartMuz& select, int32_t repetition)
{
    return select.GetSelectPartItems() && select.GetSelectPartItems()->CountTurnsWithCount(repetition) > 0;
}

} // namespace PartWalk
