#include "music/layout/StaveDrawing.h"

#include "foundation/values/NumericHelpers.h"
#include "music/layout/LayoutCheck.h"
#include "music/layout/StaveArc.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MusicSymbolKinds.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"

#include <algorithm>

TStaveDrawing::TStaveDrawing(TNoteStave& stave)
    : Stave(stave), NotesUp(drawStickUp, &stave), NotesDown(drawStickDown, &stave),
      NotesAuto(drawStickAuto, &stave), Rests(&stave)
{
}

void TStaveDrawing::StartDraw(int32_t middleY, int32_t startX)
{
    MiddleY = middleY;
    Stave.SetMiddleY(middleY);
    DrawX = startX;
    LastSymbolPosition = 0;
    XPositions.Clear();
    NotesUp.Clear();
    NotesDown.Clear();
    NotesAuto.Clear();
    Rests.Clear();
}

void TStaveDrawing::ExtendRight(int32_t x)
{
    DrawX = std::max(DrawX, x);
}

void TStaveDrawing::DrawBackground(TCanvas& canvas, const TCanvasRect& clip) const
{
    canvas.SetBrushColor(Stave.BackgroundColor);
    const TCanvasRect band{clip.Left, std::max(MiddleY - Stave.RoomUp.GetValue(), clip.Top), clip.Right,
                           std::min(MiddleY + Stave.RoomDown.GetValue(), clip.Bottom)};
    if (band.Top < band.Bottom)
        canvas.FillRect(band);
}

void TStaveDrawing::DrawLines(TCanvas& canvas, const TCanvasRect& clip) const
{
    const auto further =
        static_cast<TCanvasColor>(MixColors(static_cast<int32_t>(Stave.BackgroundColor),
                                            static_cast<int32_t>(Stave.ForegroundColor), 0.25));
    const int32_t first = Stave.ExtraLines ? -(Stave.RoomUp.GetValue() / 10) : -2;
    const int32_t last = Stave.ExtraLines ? Stave.RoomDown.GetValue() / 10 : 2;
    for (int32_t i = first; i <= last; ++i) {
        canvas.SetPenColor(i >= -2 && i <= 2 ? Stave.ForegroundColor : further);
        canvas.MoveTo(clip.Left, MiddleY + 10 * i);
        canvas.LineTo(clip.Right, MiddleY + 10 * i);
    }
}

void TStaveDrawing::DrawBarLine(TCanvas& canvas, int32_t x) const
{
    canvas.SetPenColor(Stave.ForegroundColor);
    canvas.MoveTo(x, MiddleY - 20);
    canvas.LineTo(x, MiddleY + 20);
}

void TStaveDrawing::DrawEndBar(TCanvas& canvas, int32_t x) const
{
    canvas.SetBrushColor(Stave.ForegroundColor);
    canvas.FillRect({x, MiddleY - 20, x + 1, MiddleY + 20});
    canvas.FillRect({x + 3, MiddleY - 20, x + 7, MiddleY + 20});
}

TDrawXNotesList& TStaveDrawing::NotesOf(uint8_t drawStickKind)
{
    if (drawStickKind == drawStickUp)
        return NotesUp;
    if (drawStickKind == drawStickDown)
        return NotesDown;
    return NotesAuto;
}

void TStaveDrawing::AddNote(TMuzNote& note, bool selected)
{
    TDrawXNotesList& notes = NotesOf(note.GetBerDrawStickKind());
    // Every member of a tuplet gets its place, so the tuplet keeps its room
    // where some of its notes are rests.
    for (int32_t i = 0; i < note.GetMultiOol(); ++i) {
        TDrawXPositionItem& position = XPositions.GetOrAdd(note.GetPosition(), i, note.GetMultiOol());
        if (!notes.AddChordSlot(note.GetPosition(), i, note.GetMultiOol(), position, note.GetNoteLengthKind()))
            return;
    }
    notes.AddNote(note, selected);
}

void TStaveDrawing::AddRest(TRest& rest, bool selected)
{
    TDrawXPositionItem& position = XPositions.GetOrAdd(rest.GetPosition(), rest.GetPosInOol(), rest.GetMultiOol());
    Rests.AddRest(position, rest, selected);
}

void TStaveDrawing::DrawBarSymbols(double barPosition, TCanvas& canvas, int32_t startX, int32_t& endX)
{
    endX = LayOutBarSymbols(barPosition, startX);
    DrawLaidOut(barPosition, canvas);
    ReleaseDrawn(barPosition);
}

int32_t TStaveDrawing::LayOutBarSymbols(double barPosition, int32_t startX)
{
    const double p = barPosition;
    TDrawXNotesList* const lists[] = {&NotesUp, &NotesDown, &NotesAuto};
    for (TDrawXNotesList* notes : lists)
        notes->SplitAtBar(p, XPositions);
    Rests.SplitAtBar(p, XPositions);
    for (TDrawXNotesList* notes : lists)
        notes->SplitBrokenLengths(p, XPositions);
    Rests.SplitBrokenLengths(p, XPositions);
    for (TDrawXNotesList* notes : lists) {
        notes->SetJoinBreaksAfter(p, Stave.AllowJoinFlags != 0);
        notes->SetJoinBreaksBefore(p);
    }
    XPositions.SetStartAccidentals(BarAccidentals);
    for (TDrawXNotesList* notes : lists)
        notes->RecordAccidentals(BarClef);
    BarAccidentals = XPositions.PropagateAccidentals();
    for (TDrawXNotesList* notes : lists)
        notes->CreateDrawNotes(p, BarClef);
    Rests.CreateDrawSilences(p);
    NotesAuto.DecideAutoSticks(p);
    for (TDrawXNotesList* notes : lists)
        notes->SetStickEnds(p);
    for (TDrawXNotesList* notes : lists)
        notes->MarkSeconds(p);
    for (TDrawXNotesList* notes : lists)
        notes->SetChordWidths(p);
    Rests.SetRestWidths(p);
    const int32_t endX = XPositions.AssignX(p, startX);
    for (TDrawXNotesList* notes : lists)
        notes->SetStickX(p);
    return endX;
}

void TStaveDrawing::DrawLaidOut(double barPosition, TCanvas& canvas)
{
    TDrawXNotesList* const lists[] = {&NotesUp, &NotesDown, &NotesAuto};
    for (TDrawXNotesList* notes : lists)
        notes->LayBeamLines(barPosition, canvas);
    for (TDrawXNotesList* notes : lists)
        notes->DrawChords(barPosition, canvas);
    Rests.DrawRests(barPosition, canvas);
    for (TDrawXNotesList* notes : lists)
        notes->DrawTies(barPosition, canvas);
}

void TStaveDrawing::ReleaseDrawn(double barPosition)
{
    for (TDrawXNotesList* notes : {&NotesUp, &NotesDown, &NotesAuto})
        notes->DeleteDrawnChords(barPosition);
    Rests.DeleteDrawnRests(barPosition);
    // A slot left behind out of order (notes of one group that overlap, as
    // only a damaged file holds them) still refers to its position: no
    // position a slot uses goes.
    double keepFrom = barPosition;
    auto keep = [&keepFrom](const TDrawXPositionItem* position) {
        if (position)
            keepFrom = std::min(keepFrom, position->Position);
    };
    for (TDrawXNotesList* notes : {&NotesUp, &NotesDown, &NotesAuto})
        for (const TDrawXNotesItem& slot : notes->GetItems())
            keep(slot.DrawXPositionItem);
    for (const TDrawXSilItem& rest : Rests.GetItems())
        keep(rest.DrawXPositionItem);
    XPositions.DeleteDrawnPositions(keepFrom);
}

void TStaveDrawing::DrawArc(TCanvas& canvas, TCanvasPoint p1, TCanvasPoint p2, int32_t height) const
{
    ::DrawArc(canvas, Stave.ForegroundColor, p1, p2, height);
}

void TStaveDrawing::SetClef(TClef* clef)
{
    BarClef = clef;
    if (clef)
        clef->GetKeyNoteShifts().Assign(KeyAccidentals, BarAccidentals);
}

void TStaveDrawing::ResetBarAccidentals()
{
    BarAccidentals.Assign(KeyAccidentals);
}
