#pragma once
#include "foundation/draw/Canvas.h"

// The filled crescent of a tie or legato mark from p1 to p2: an outer arc
// whose extreme lies height pixels beyond p1 (above for a positive height,
// below for a negative one) and an inner arc 4 pixels flatter. An arc that
// cannot reach p2 at that height is drawn with its root taken as 0, an arc
// of height 0 straight; every coordinate is truncated toward zero.
void DrawArc(TCanvas& canvas, TCanvasColor color, TCanvasPoint p1, TCanvasPoint p2, int32_t height);

// A double truncated toward zero, held within the 32-bit range (NaN gives 0).
int32_t TruncToInt(double value);
