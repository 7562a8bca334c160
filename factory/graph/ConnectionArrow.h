#pragma once
#include "foundation/draw/Canvas.h"

#include <cstdint>

// A connection line from `from` to `to` in the colour and pen width, with a
// filled arrow head whose tip lies tipDistance before `to`.
void DrawConnectionArrow(TCanvas& canvas, TCanvasPoint from, TCanvasPoint to, int32_t tipDistance, int32_t penWidth,
                         TCanvasColor color);
