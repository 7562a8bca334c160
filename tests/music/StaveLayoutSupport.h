#pragma once
// One stave laid out and drawn on the recording canvas, its notes and rests
// handed over as a paint would.
#include "foundation/draw/RecordingCanvas.h"
#include "music/layout/LayoutCheck.h"
#include "music/layout/StaveDrawing.h"
#include "tests/music/MusicTreeSupport.h"

using Op = TRecordingCanvas::TOp;

struct StaveLayout : MusicTree {
    static constexpr int32_t Middle = 200;
    TSinglePartMuz* bar = nullptr;
    TStaveDrawing drawing{*stave};
    TRecordingCanvas canvas;

    StaveLayout()
    {
        ResetLayoutCheckReports();
        SetRoot(Bar(&bar));
        drawing.StartDraw(Middle, 100);
        drawing.SetClef(bar->GetStartClef(stave));
    }
    // A note of the given drawn height under the G clef, handed to the stave.
    TMuzNote* Add(double position, int32_t height, uint8_t length = 4, int32_t points = 0,
                  uint8_t noteShift = noteShiftNormal, uint8_t multiOol = sool, int32_t posInOol = 0,
                  uint8_t articulation = noteArtNormal)
    {
        auto* note = static_cast<TMuzNote*>(bar->InsertSymbol(std::make_unique<TMuzNote>(
            &muz, stave->GetSelectedNoteGroup(), length, points, position, height + clefKindG, stave, noteShift,
            multiOol, posInOol, articulation, bar, drawStickAuto)));
        drawing.AddNote(*note, false);
        return note;
    }
    TRest* AddRest(double position, uint8_t length = 4, int32_t points = 0, uint8_t multiOol = sool,
                   int32_t posInOol = 0)
    {
        auto* rest = static_cast<TRest*>(
            bar->InsertSymbol(std::make_unique<TRest>(length, points, position, stave, multiOol, posInOol, bar)));
        drawing.AddRest(*rest, false);
        return rest;
    }
    void Stems(uint8_t kind) { stave->GetSelectedNoteGroup()->SetDrawStickKind(kind); }
    std::vector<TDrawXNotesItem*> Slots(uint8_t kind = drawStickUp)
    {
        std::vector<TDrawXNotesItem*> slots;
        for (TDrawXNotesItem& slot : drawing.GetNotes(kind).GetItems())
            slots.push_back(&slot);
        return slots;
    }
    std::vector<TDrawXPositionItem*> Positions()
    {
        std::vector<TDrawXPositionItem*> items;
        for (TDrawXPositionItem& item : drawing.GetPositions().GetItems())
            items.push_back(&item);
        return items;
    }
    // The lines drawn, as from-to pairs.
    std::vector<std::vector<TCanvasPoint>> Lines() const
    {
        std::vector<std::vector<TCanvasPoint>> lines;
        for (const auto& call : canvas.CallsOf(Op::Line))
            lines.push_back(call.Points);
        return lines;
    }
    // Vertical lines at x: the stems.
    std::vector<std::vector<TCanvasPoint>> VerticalAt(int32_t x) const
    {
        std::vector<std::vector<TCanvasPoint>> lines;
        for (const auto& line : Lines())
            if (line[0].X == x && line[1].X == x)
                lines.push_back(line);
        return lines;
    }
    int32_t Flush(double p, int32_t startX = 100)
    {
        int32_t end = 0;
        drawing.DrawBarSymbols(p, canvas, startX, end);
        return end;
    }
};

// A second stave layout inside a test.
struct StaveLayoutAlone final : StaveLayout {
    void TestBody() override {}
};
