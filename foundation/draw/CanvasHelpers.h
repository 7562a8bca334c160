#pragma once
#include "foundation/draw/Canvas.h"

// The rectangle filled with three quarters of the colour, its left and top
// edges in the colour and its right and bottom edges in half of it.
void DrawBevelRect(TCanvas& canvas, const TCanvasRect& rect, TCanvasColor color);
