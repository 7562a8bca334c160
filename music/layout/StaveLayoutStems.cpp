// What joins the heads of the chord slots: the automatic stem direction of
// each stem group, stem lengths and x, the beam line of a beamed group or a
// tuplet (the outer hull of the stem ends), beams, stubs, flags, ledger
// lines, articulation marks, ties and the tuplet's bracket and number.
#include "foundation/draw/Canvas.h"
#include "foundation/values/NumericHelpers.h"
#include "music/layout/LayoutCheck.h"
#include "music/layout/StaveArc.h"
#include "music/layout/StaveLayoutItems.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MusicSymbolKinds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

bool IsUp(const TDrawXNotesItem& slot)
{
    QB_LAYOUT_CHECK(slot.DrawStickKind != drawStickAuto);
    return slot.DrawStickKind != drawStickDown;
}

int32_t DrawnValue(const TDrawXNotesItem& slot)
{
    return slot.Length.GetFlagLength(slot.MultiOol);
}

// y on the line through (x1, y1) and (x2, y2); on a line without run, y1.
double OnLine(double x, const double line[4])
{
    if (line[0] == line[2])
        return line[1];
    return LinearMap(x, line[0], line[2], line[1], line[3]);
}

// Five one-pixel lines side by side: a beam 5 pixels thick.
void Beam(TCanvas& canvas, int32_t xa, int32_t ya, int32_t xb, int32_t yb)
{
    for (int32_t d = -2; d <= 2; ++d) {
        canvas.MoveTo(xa, ya + d);
        canvas.LineTo(xb, yb + d);
    }
}

} // namespace

TDrawXNotesList::Items::iterator TDrawXNotesList::GroupEnd(Items::iterator first, double p)
{
    auto it = first;
    while (it != List.end() && it->Position < p) {
        const bool ends = it->GroupBreakAfter;
        ++it;
        if (ends)
            break;
    }
    return it == first ? std::next(first) : it;
}

void TDrawXNotesList::DecideAutoSticks(double p)
{
    for (auto it = List.begin(); it != List.end() && it->Position < p;) {
        const auto stop = GroupEnd(it, p);
        QB_LAYOUT_CHECK(it->DrawStickKind == drawStickAuto);
        int32_t low = 0;
        int32_t high = 0;
        for (auto s = it; s != stop; ++s) {
            low = s == it ? s->GetMinHeight() : std::min(low, s->GetMinHeight());
            high = s == it ? s->GetMaxHeight() : std::max(high, s->GetMaxHeight());
        }
        const uint8_t kind = low + high >= 0 ? drawStickDown : drawStickUp;
        for (auto s = it; s != stop; ++s)
            s->DrawStickKind = kind;
        it = stop;
    }
}

void TDrawXNotesList::SetStickEnds(double p)
{
    for (TDrawXNotesItem& slot : List) {
        if (!(slot.Position < p))
            break;
        if (IsUp(slot)) {
            slot.BeamY = -5 * slot.GetMaxHeight() - 32;
            slot.StickEndY = -5 * slot.GetMaxHeight() - 35;
        } else {
            slot.BeamY = -5 * slot.GetMinHeight() + 32;
            slot.StickEndY = -5 * slot.GetMinHeight() + 35;
        }
    }
}

void TDrawXNotesList::SetStickX(double p)
{
    for (TDrawXNotesItem& slot : List) {
        if (!(slot.Position < p))
            break;
        const int32_t headLeft = slot.HeadLeft();
        const int32_t headRight = slot.HeadRight();
        if (slot.IsTupletMember() && !slot.HasNotes())
            slot.StickX = slot.PosInOol == 0 ? headLeft : headRight;
        else
            slot.StickX = IsUp(slot) ? headRight : headLeft;
    }
}

void TDrawXNotesList::LayBeamLines(double p, TCanvas& canvas)
{
    for (auto it = List.begin(); it != List.end() && it->Position < p; ++it) {
        double line[4];
        if (it->MultiOol != sool && it->PosInOol == 0) {
            GetBeamLine(it, p, line);
            DrawTupletMark(it, p, line, canvas);
            SetStickEndsOnLine(it, p, line);
        } else if (std::next(it) != List.end() && it->GroupBreakBefore && !it->GroupBreakAfter && it->PosInOol == 0) {
            GetBeamLine(it, p, line);
            SetStickEndsOnLine(it, p, line);
        }
    }
}

void TDrawXNotesList::GetBeamLine(Items::iterator s, double p, double line[4])
{
    std::vector<const TDrawXNotesItem*> group;
    for (auto it = s, stop = GroupEnd(s, p); it != stop; ++it)
        group.push_back(&*it);
    const bool up = IsUp(*s);
    // A group of one slot (its partner missing) gets a level line.
    if (!QB_LAYOUT_CHECK(group.size() > 1)) {
        line[0] = s->StickX;
        line[1] = s->BeamY;
        line[2] = s->StickX + 1;
        line[3] = s->BeamY;
        return;
    }
    // The outermost stem end, and the first and last slot that reach it.
    int32_t extreme = group[0]->BeamY;
    for (const TDrawXNotesItem* slot : group)
        extreme = up ? std::min(extreme, slot->BeamY) : std::max(extreme, slot->BeamY);
    size_t first = group.size();
    size_t last = 0;
    for (size_t i = 0; i < group.size(); ++i)
        if (group[i]->BeamY == extreme) {
            first = std::min(first, i);
            last = i;
        }
    const int32_t xa = group[first]->StickX;
    const int32_t xb = group[last]->StickX;
    const int32_t mid = (group.front()->StickX + group.back()->StickX) / 2;
    if (xa - 2 <= mid && mid <= xb + 2) {
        line[0] = xa;
        line[1] = extreme;
        line[2] = xa + 1;
        line[3] = extreme;
        return;
    }
    // Walk along the hull of the stem ends from the extreme towards the
    // middle: from a pivot, the steepest line that keeps every stem end of
    // that side inside the beam, until it reaches the middle or runs flat.
    const bool left = mid < xa - 2;
    size_t pivot = left ? first : last;
    double cx = 0;
    double cy = 0;
    double px = xa;
    double py = extreme;
    if (!left)
        px = xb;
    for (;;) {
        cx = px;
        cy = py;
        const double x = group[pivot]->StickX;
        const double y = group[pivot]->BeamY;
        size_t best = group.size();
        double bestSlope = 0;
        const size_t from = left ? 0 : pivot + 1;
        const size_t to = left ? pivot : group.size();
        for (size_t i = from; i < to; ++i) {
            const double sx = group[i]->StickX;
            if (left ? !(sx < x) : !(sx > x))
                continue;
            double slope = (y - group[i]->BeamY) / (left ? x - sx : sx - x);
            if (up)
                slope = -slope;
            if (best == group.size() || slope <= bestSlope) {
                best = i;
                bestSlope = slope;
            }
        }
        if (best == group.size())
            break;
        pivot = best;
        px = group[best]->StickX;
        py = group[best]->BeamY;
        if (-0.0001 < bestSlope && bestSlope < 0.0001)
            break;
        if (left ? !(mid < px - 2) : !(mid > px + 2))
            break;
    }
    line[0] = cx;
    line[1] = cy;
    line[2] = cx == px ? px + 1 : px;
    line[3] = cx == px ? cy : py;
}

void TDrawXNotesList::SetStickEndsOnLine(Items::iterator s, double p, const double line[4])
{
    double level[4] = {line[0], line[1], line[2], line[3]};
    if (!QB_LAYOUT_CHECK(line[0] != line[2])) {
        level[2] = level[0] + 1;
        level[3] = level[1];
    }
    const bool up = IsUp(*s);
    for (auto it = s, stop = GroupEnd(s, p); it != stop; ++it) {
        it->StickEndY = TruncToInt(OnLine(it->StickX, level));
        it->BeamY = it->StickEndY + (up ? -1 : 1);
    }
}

void TDrawXNotesList::DrawTupletMark(Items::iterator s, double p, const double line[4], TCanvas& canvas)
{
    const int32_t middle = NoteStave->GetMiddleY();
    canvas.SetPenColor(NoteStave->ForegroundColor);
    const int32_t left = s->StickX - 3;
    const int32_t right = std::prev(GroupEnd(s, p))->StickX + 3;
    const int32_t m = (left + right) / 2;
    auto yAt = [&](int32_t x) { return TruncToInt(OnLine(x, line) + middle); };
    const int32_t d = IsUp(*s) ? -1 : 1;
    const int32_t yL = yAt(left) + 6 * d;
    const int32_t yR = yAt(right) + 6 * d;
    const int32_t yML = yAt(m - 7) + 11 * d;
    const int32_t yMR = yAt(m + 7) + 11 * d;
    const int32_t yM = yAt(m) + 11 * d;
    canvas.MoveTo(left, yL);
    canvas.LineTo(left, yL + 5 * d);
    canvas.LineTo(m - 7, yML);
    canvas.MoveTo(m + 7, yMR);
    canvas.LineTo(right, yR + 5 * d);
    canvas.LineTo(right, yR);
    canvas.SetBrushColor(NoteStave->BackgroundColor);
    TCanvasFont font;
    font.Name = "Times New Roman";
    font.Size = 12;
    font.Bold = true;
    font.Color = NoteStave->ForegroundColor;
    canvas.SetFont(font);
    canvas.TextOut(m - 3, yM - 8, std::to_string(s->MultiOol));
}

void TDrawXNotesList::DrawChords(double p, TCanvas& canvas)
{
    const int32_t middle = NoteStave->GetMiddleY();
    const TCanvasColor fg = NoteStave->ForegroundColor;
    const TDrawXNotesItem* prev = nullptr;
    for (auto it = List.begin(); it != List.end() && it->Position < p; ++it) {
        TDrawXNotesItem& slot = *it;
        const TDrawXNotesItem* next = std::next(it) != List.end() ? &*std::next(it) : nullptr;
        const TDrawXNotesItem* before = prev;
        prev = &slot;
        if (!slot.HasNotes() || !QB_LAYOUT_CHECK(!slot.Length.LengthIsBroken))
            continue;
        canvas.SetPenColor(fg);
        canvas.SetBrushColor(fg);
        const int32_t x = slot.DrawXPositionItem->X;
        const int32_t headLeft = slot.HeadLeft();
        const int32_t headRight = slot.HeadRight();
        const int32_t end = headRight + slot.DrawXPositionItem->WidthAfter;
        const int32_t mid = (headLeft + headRight) / 2;
        const int32_t low = slot.GetMinHeight();
        const int32_t high = slot.GetMaxHeight();
        const int32_t v = DrawnValue(slot);
        const bool up = IsUp(slot);

        for (int32_t i = 0; i < std::max(0, high / 2 - 2); ++i) {
            canvas.MoveTo(headLeft - 6, middle - 30 - 10 * i);
            canvas.LineTo(headRight + 6, middle - 30 - 10 * i);
        }
        for (int32_t i = 0; i < std::max(0, (-low) / 2 - 2); ++i) {
            canvas.MoveTo(headLeft - 6, middle + 30 + 10 * i);
            canvas.LineTo(headRight + 6, middle + 30 + 10 * i);
        }

        const int32_t y0 = up ? middle - 5 * low : middle - 5 * high;
        const int32_t s = up ? 1 : -1;
        switch (slot.NoteArtKind) {
        case noteArtStaccato:
            canvas.Ellipse(up ? TCanvasRect{mid - 2, y0 + 7, mid + 2, y0 + 11} : TCanvasRect{mid - 2, y0 - 10, mid + 2, y0 - 6});
            break;
        case noteArtStaccatissimo:
            canvas.MoveTo(mid, y0 + 8 * s);
            canvas.LineTo(mid, y0 + 6 * s);
            canvas.Ellipse(up ? TCanvasRect{mid - 2, y0 + 9, mid + 2, y0 + 14}
                              : TCanvasRect{mid - 2, y0 - 13, mid + 2, y0 - 8});
            break;
        case noteArtPortato:
            canvas.MoveTo(mid - 5, y0 + 8 * s);
            canvas.LineTo(mid + 5, y0 + 8 * s);
            break;
        case noteArtLegato:
            DrawArc(canvas, fg, {mid - 10, y0 + 5 * s}, {mid + 10, y0 + 5 * s}, -9 * s);
            break;
        default:
            break;
        }

        DrawNoteHeads(slot, canvas, x, headLeft, headRight, end);

        if (v != 1) {
            canvas.SetPenColor(fg);
            canvas.SetBrushColor(fg);
            int32_t tip = middle + slot.StickEndY;
            if (v < 8)
                tip = up ? middle - 5 * high - 34 : middle - 5 * low + 34;
            canvas.MoveTo(slot.StickX, y0);
            canvas.LineTo(slot.StickX, tip);
        }

        const bool joinedPrev = !slot.JoinBreakBefore;
        const bool joinedNext = !slot.JoinBreakAfter;
        if (!joinedPrev && !joinedNext) {
            DrawFlags(slot, v, canvas);
            continue;
        }
        if (joinedNext && QB_LAYOUT_CHECK(next != nullptr)) {
            const int32_t nv = DrawnValue(*next);
            if (!joinedPrev && v > nv) {
                DrawBeamsToNext(slot, *next, nv, canvas);
                DrawBeamStubs(slot, *next, true, nv, v, canvas);
            } else {
                DrawBeamsToNext(slot, *next, std::min(v, nv), canvas);
            }
        }
        if (joinedPrev && QB_LAYOUT_CHECK(before != nullptr)) {
            const int32_t pv = DrawnValue(*before);
            if (pv < v)
                DrawBeamStubs(slot, *before, false, pv, v, canvas);
        }
    }
}

void TDrawXNotesList::DrawBeamsToNext(const TDrawXNotesItem& s, const TDrawXNotesItem& next, int32_t v,
                                      TCanvas& canvas)
{
    const int32_t middle = NoteStave->GetMiddleY();
    const int32_t step = IsUp(s) ? 7 : -7;
    int32_t y1 = middle + s.BeamY;
    int32_t y2 = middle + next.BeamY;
    for (int32_t level = 0; level < FlagLevels(v); ++level) {
        Beam(canvas, s.StickX, y1, next.StickX + 1, y2);
        y1 += step;
        y2 += step;
    }
}

// Short beams from s's stick towards its neighbour, along the line that
// joins their sticks, for the flags s has and the neighbour lacks.
void TDrawXNotesList::DrawBeamStubs(const TDrawXNotesItem& s, const TDrawXNotesItem& neighbour, bool toRight,
                                    int32_t from, int32_t to, TCanvas& canvas)
{
    const int32_t middle = NoteStave->GetMiddleY();
    const int32_t step = IsUp(s) ? 7 : -7;
    const int32_t x = s.StickX;
    int32_t y = middle + s.BeamY;
    const double line[4] = {static_cast<double>(x), static_cast<double>(y), static_cast<double>(neighbour.StickX),
                            static_cast<double>(middle + neighbour.BeamY)};
    const int32_t xs = toRight ? x + 8 : x - 8;
    int32_t ys = TruncToInt(OnLine(xs, line));
    for (int32_t ka = from / 4, kb = to / 4; kb > 1; ka /= 2, kb /= 2) {
        if (ka <= 1) {
            if (toRight)
                Beam(canvas, x, y, xs, ys);
            else
                Beam(canvas, xs, ys, x + 1, y);
        }
        y += step;
        ys += step;
    }
}

void TDrawXNotesList::DrawFlags(const TDrawXNotesItem& s, int32_t v, TCanvas& canvas)
{
    const int32_t x0 = s.StickX;
    int32_t y = NoteStave->GetMiddleY() + s.BeamY;
    const int32_t t = IsUp(s) ? 1 : -1;
    static constexpr std::array<std::array<int32_t, 2>, 12> Flag = {{{0, 0},
                                                                      {3, 4},
                                                                      {6, 6},
                                                                      {7, 8},
                                                                      {8, 10},
                                                                      {8, 14},
                                                                      {6, 16},
                                                                      {8, 13},
                                                                      {7, 9},
                                                                      {6, 7},
                                                                      {3, 5},
                                                                      {0, 3}}};
    for (int32_t level = 0; level < FlagLevels(v); ++level) {
        std::array<TCanvasPoint, 12> points;
        for (size_t i = 0; i < Flag.size(); ++i)
            points[i] = {x0 + Flag[i][0], y + Flag[i][1] * t};
        canvas.Polygon(points);
        y += 6 * t;
    }
}

void TDrawXNotesList::DrawTies(double p, TCanvas& canvas)
{
    const int32_t middle = NoteStave->GetMiddleY();
    const TDrawXNotesItem* prev = Retained.empty() ? nullptr : &Retained.front();
    for (auto it = List.begin(); it != List.end() && it->Position < p; ++it) {
        const TDrawXNotesItem& slot = *it;
        if (slot.SlurEnd && prev && QB_LAYOUT_CHECK(prev->SlurBegin)) {
            const int32_t xp = (prev->HeadLeft() + prev->HeadRight()) / 2;
            const int32_t xs = (slot.HeadLeft() + slot.HeadRight()) / 2;
            if (IsUp(slot))
                DrawArc(canvas, NoteStave->ForegroundColor, {xp, middle - 5 * prev->GetMinHeight() + 7},
                        {xs, middle - 5 * slot.GetMinHeight() + 7}, -13);
            else
                DrawArc(canvas, NoteStave->ForegroundColor, {xp, middle - 5 * prev->GetMaxHeight() - 7},
                        {xs, middle - 5 * slot.GetMaxHeight() - 7}, 13);
        }
        prev = &slot;
    }
}
