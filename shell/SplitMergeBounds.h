#pragma once
#include <cstdint>
#include <vector>

// The place of a document window in the main window's client area.
struct TWindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const TWindowBounds&) const = default;
};

// Where the new windows of a split or merge go, over the place of their
// sources. All divisions are integer divisions.

// The left part above the right one, one pixel row between them.
std::vector<TWindowBounds> SplitVertBounds(const TWindowBounds& source);

// Side by side in time: the first part up to the column of firstEnd, the last
// from the column of lastBegin, a middle part (when asked) between them; a
// sample position maps linearly from [0, values] onto the source's columns.
// Order: first, last, middle.
std::vector<TWindowBounds> SplitHorBounds(const TWindowBounds& source, int32_t values, int32_t firstEnd,
                                          int32_t lastBegin, bool withMiddle);

// Between the two sources, spanning from the first's left to the last's right.
TWindowBounds MergeHorBounds(const TWindowBounds& first, const TWindowBounds& last);

// Between the two sources, spanning from the left wave's top to the right wave's bottom.
TWindowBounds MergeVertBounds(const TWindowBounds& left, const TWindowBounds& right);
