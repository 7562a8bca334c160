#include "music/symbols/DrawNote.h"

#include "foundation/draw/Canvas.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MusicSymbolKinds.h"
#include "music/symbols/NoteShift.h"

#include <array>

TDrawNote::TDrawNote(TNoteGroup* noteGroup, uint8_t flagLength, int32_t flagPoints, int32_t drawHeight,
                     TNoteStave* noteStave, uint8_t noteShiftKind)
    : NoteGroup(noteGroup), NoteStave(noteStave), FlagLength(flagLength), FlagPoints(flagPoints),
      DrawHeight(drawHeight), NoteShiftKind(noteShiftKind)
{
}

void TDrawNote::GetWidths(int32_t& before, int32_t& core, int32_t& after) const
{
    before = 0;
    if (NoteShiftKind != noteShiftNone)
        TNoteShift(NoteStave, NoteShiftKind, DrawHeight).GetWidth(before);
    core = 10;
    after = 4 * FlagPoints + 8;
}

void TDrawNote::Draw(TCanvas& canvas, int32_t x, int32_t x2, int32_t& left, int32_t& right, bool selected) const
{
    int32_t before = 0;
    int32_t core = 0;
    int32_t after = 0;
    GetWidths(before, core, after);
    const int32_t y = NoteStave->GetMiddleY() - 5 * DrawHeight;
    const TCanvasColor fg = NoteStave->ForegroundColor;
    const TCanvasColor bg = NoteStave->BackgroundColor;
    const TCanvasColor noteColor = NoteGroup->NoteColor;
    const bool hollow = FlagLength == 1 || FlagLength == 2;

    if (selected) {
        canvas.SetBrushColor(fg);
        canvas.FillRect({x - 2, y - 6, x2 + 2, y + 7});
    }
    if (NoteShiftKind != noteShiftNone) {
        int32_t signRight = 0;
        TNoteShift(NoteStave, NoteShiftKind, DrawHeight).Draw(canvas, x - before, signRight, selected);
    }
    const TCanvasColor headColor = selected ? bg : noteColor;
    canvas.SetPenColor(headColor);
    canvas.SetBrushColor(headColor);
    switch (NoteGroup->NoteShape) {
    case noteShapeRectangle:
        canvas.FillRect({x + 1, y - 4, x2 + 1, y + 5});
        break;
    case noteShapeTriangle: {
        const std::array<TCanvasPoint, 3> triangle = {{{x, y}, {x2, y - 4}, {x2, y + 5}}};
        canvas.Polygon(triangle);
        break;
    }
    case noteShapeDiagonalCross:
        canvas.SetPenWidth(hollow ? 1 : 2);
        canvas.MoveTo(x + 1, y - 4);
        canvas.LineTo(x2, y + 5);
        canvas.MoveTo(x2, y - 4);
        canvas.LineTo(x + 1, y + 5);
        canvas.SetPenWidth(1);
        break;
    default:
        canvas.Ellipse({x + 1, y - 4, x2 + 1, y + 5});
        break;
    }
    if (hollow) {
        canvas.SetBrushColor(selected ? fg : bg);
        switch (NoteGroup->NoteShape) {
        case noteShapeRectangle:
            canvas.FillRect({x + 3, y - 3, x2 - 1, y + 4});
            break;
        case noteShapeTriangle: {
            const std::array<TCanvasPoint, 3> inner = {{{x + 3, y}, {x2 - 1, y - 3}, {x2 - 1, y + 4}}};
            canvas.Polygon(inner);
            break;
        }
        case noteShapeDiagonalCross:
            break;
        default:
            canvas.Ellipse({x + 3, y - 3, x2 - 1, y + 4});
            break;
        }
    }
    canvas.SetPenColor(noteColor);
    canvas.SetBrushColor(noteColor);
    for (int32_t i = 0; i < FlagPoints; ++i)
        canvas.Ellipse({x2 + 4 * i + 2, y + 2, x2 + 4 * i + 5, y + 5});
    left = x - before;
    right = x2 + 4 * FlagPoints;
}
