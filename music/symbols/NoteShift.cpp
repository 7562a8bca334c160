#include "music/symbols/NoteShift.h"

#include "foundation/draw/Canvas.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MusicGlyphs.h"
#include "music/symbols/MusicSymbolKinds.h"

#include <array>
#include <cstdlib>

namespace {

// The box filled behind a selected sign, relative to (x, y of the height).
constexpr std::array<TCanvasRect, 5> SelectedBoxes = {{
    {-3, -9, 15, 9},   // double sharp
    {-3, -14, 12, 14}, // sharp
    {-3, -15, 9, 15},  // natural
    {-3, -18, 12, 8},  // flat
    {-3, -18, 24, 8},  // double flat
}};

struct TLine {
    TCanvasPoint from;
    TCanvasPoint to;
    int32_t width;
};

constexpr std::array<TLine, 4> SharpLines = {{
    {{2, -9}, {2, 12}, 2}, {{7, -11}, {7, 10}, 2}, {{-1, 0}, {9, -6}, 2}, {{-1, 6}, {9, 0}, 2}}};
constexpr std::array<TLine, 4> NaturalLines = {{
    {{0, -12}, {0, 6}, 2}, {{6, -6}, {6, 12}, 2}, {{0, -5}, {5, -8}, 3}, {{0, 6}, {5, 3}, 3}}};

void DrawLines(TCanvas& canvas, const std::array<TLine, 4>& lines, TCanvasPoint o)
{
    for (const TLine& line : lines) {
        canvas.SetPenWidth(line.width);
        canvas.MoveTo(o.X + line.from.X, o.Y + line.from.Y);
        canvas.LineTo(o.X + line.to.X, o.Y + line.to.Y);
    }
}

void DrawFlat(TCanvas& canvas, TCanvasPoint at)
{
    canvas.MoveTo(at.X, at.Y - 15);
    canvas.LineTo(at.X, at.Y + 5);
    MusicGlyphs::PolygonAt(canvas, MusicGlyphs::FlatBelly, at);
}

} // namespace

int32_t TNoteShift::GetTouchDistanceY(int32_t y) const
{
    return std::abs(NoteStave->GetMiddleY() - 5 * Pitch - y);
}

void TNoteShift::GetWidth(int32_t& width) const
{
    const TNoteShiftInfo* info = FindNoteShiftInfo(NoteShiftKind);
    width = info ? info->width : 0;
}

void TNoteShift::Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected) const
{
    const TNoteShiftInfo* info = FindNoteShiftInfo(NoteShiftKind);
    if (!info) {
        right = x;
        return;
    }
    const TCanvasPoint o{x, NoteStave->GetMiddleY() - 5 * Pitch};
    const TCanvasColor fg = NoteStave->ForegroundColor;
    const TCanvasColor bg = NoteStave->BackgroundColor;
    TCanvasColor color = fg;
    if (selected) {
        const TCanvasRect& box = SelectedBoxes[NoteShiftKind];
        canvas.SetBrushColor(fg);
        canvas.FillRect({o.X + box.Left, o.Y + box.Top, o.X + box.Right, o.Y + box.Bottom});
        color = bg;
    }
    canvas.SetPenColor(color);
    canvas.SetBrushColor(color);
    switch (NoteShiftKind) {
    case noteShiftDoubleKruis:
        canvas.SetPenWidth(1);
        for (const auto& arm : MusicGlyphs::DoubleSharpArms)
            MusicGlyphs::PolygonAt(canvas, arm, o);
        break;
    case noteShiftKruis:
        DrawLines(canvas, SharpLines, o);
        break;
    case noteShiftNormal:
        DrawLines(canvas, NaturalLines, o);
        break;
    case noteShiftMol:
        canvas.SetPenWidth(2);
        DrawFlat(canvas, o);
        break;
    default: // double flat
        canvas.SetPenWidth(2);
        DrawFlat(canvas, o);
        DrawFlat(canvas, {o.X + 12, o.Y});
        break;
    }
    canvas.SetPenWidth(1);
    right = x + info->width;
}
