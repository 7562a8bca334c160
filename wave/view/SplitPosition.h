#pragma once
#include <cstdint>

// The split between the two panes of a wave window, as the fraction of the
// total width that the first pane takes.

// The first pane's width for a fraction: the rounded share of the total,
// leaving each pane at least one pixel (when there are two to share).
int32_t SplitFirstPaneWidth(int32_t totalWidth, double fraction);

// The fraction that a first pane of firstWidth takes of totalWidth; 0 without width.
double SplitFraction(int32_t firstWidth, int32_t totalWidth);
