#include "music/symbols/LoopPartSymbol.h"

#include "foundation/draw/Canvas.h"
#include "music/parts/LoopPartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/staves/StaveIterator.h"

namespace {
const char* const RepeatCountFont = "Times New Roman";

void Line(TCanvas& canvas, int32_t width, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    canvas.SetPenWidth(width);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}
} // namespace

TPartMuz* TLoopPartSymbol::GetPartMuz() const
{
    return LoopPartMuz;
}

int32_t TLoopPartSymbol::GetWidth(int32_t count)
{
    if (count == 2)
        return 13;
    return count < 10 ? 26 : 40;
}

void TLoopPartSymbol::Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected, const TMuzData& muzData)
{
    const int32_t count = LoopPartMuz->GetCount().GetValue();
    const int32_t w = GetWidth(count);
    TStaveIterator staves(muzData);
    for (TNoteStave* stave = staves.Next(); stave; stave = staves.Next()) {
        const int32_t y0 = stave->GetMiddleY();
        const TCanvasColor fg = stave->ForegroundColor;
        const TCanvasColor bg = stave->BackgroundColor;
        canvas.SetBrushColor(fg);
        if (selected) {
            canvas.FillRect({x - 3, y0 - 23, x + w + 4, y0 + 24});
            canvas.SetPenColor(bg);
            canvas.SetBrushColor(bg);
        } else {
            canvas.SetPenColor(fg);
        }
        if (IsFirst) {
            Line(canvas, 3, x + 1, y0 - 19, x + 1, y0 + 19);
            Line(canvas, 1, x + 5, y0 - 20, x + 5, y0 + 20);
            canvas.Ellipse({x + 8, y0 - 7, x + 13, y0 - 2});
            canvas.Ellipse({x + 8, y0 + 3, x + 13, y0 + 8});
        } else {
            Line(canvas, 3, x + w - 1, y0 - 19, x + w - 1, y0 + 19);
            Line(canvas, 1, x + w - 5, y0 - 20, x + w - 5, y0 + 20);
            canvas.Ellipse({x + w - 12, y0 - 7, x + w - 7, y0 - 2});
            canvas.Ellipse({x + w - 12, y0 + 3, x + w - 7, y0 + 8});
        }
        canvas.SetBrushColor(selected ? fg : bg);
        canvas.SetFont({RepeatCountFont, 18, true, false, selected ? bg : fg});
        if (count != 2)
            canvas.TextOut(x + (IsFirst ? 16 : 1), y0 - 13, std::to_string(count));
    }
    right = x + w + 5;
    SetTouchRange(x - 2, right);
}
