#include "music/layout/MusicPainter.h"

#include "music/data/MuzData.h"
#include "music/parts/PartWalk.h"
#include "music/staves/NoteStave.h"
#include "music/staves/StaveIterator.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/Assertions.h"

#include <algorithm>
#include <limits>

using namespace PartWalk;

namespace {

// The rounds that flush a bar's end; a note can cross only so many bar lines.
constexpr int32_t MostFlushRounds = 10000;

void PaintSingle(TSinglePartMuz& bar, MusicPaintHost& host, TCanvas& canvas, const TXTouchMuzSymbol* selected)
{
    const TMuzData& music = *bar.GetMuzData();
    canvas.SetBrush({canvas.Brush().Color, TBrushStyle::Solid});

    // The clefs that open the bar, all at one x.
    int32_t x = host.GetStavesX();
    TStaveSymbol* cursor = bar.GetSymbols();
    for (; cursor && cursor->IsClef() && static_cast<TClef*>(cursor)->GetClefNumber() <= 1;
         cursor = cursor->GetNext()) {
        TClef& clef = static_cast<TClef&>(*cursor);
        TStaveDrawing* drawing = host.GetStaveDrawing(*clef.GetNoteStave());
        if (!drawing)
            continue;
        drawing->SetClef(&clef);
        int32_t end = x;
        clef.Draw(canvas, x, end, selected == &clef);
        drawing->DrawX = end;
    }

    // The time signature.
    TMuzBar* muzBar = bar.GetMuzBar();
    if (!QB_CHECK(muzBar != nullptr))
        return;
    x = host.GetStavesX();
    double barLine = muzBar->NextBarStart(0.0);
    int32_t end = x;
    muzBar->Draw(canvas, x, end, selected == muzBar, music);
    host.SetStavesX(end);

    // Clefs, notes and rests, with the bar lines of the measures they pass.
    for (TStaveSymbol* symbol = cursor; symbol; symbol = symbol->GetNext()) {
        TStaveDrawing* drawing = host.GetStaveDrawing(*symbol->GetNoteStave());
        if (!drawing)
            continue;
        const double p = symbol->GetPosition();
        if (!symbol->IsClef())
            symbol->ResetTouchRange();
        while (barLine <= p)
            host.DrawBarAcrossStaves(canvas, *muzBar, barLine);
        const bool isSelected = selected == symbol;
        if (symbol->IsClef()) {
            TClef& clef = static_cast<TClef&>(*symbol);
            int32_t queued = drawing->DrawX;
            drawing->DrawBarSymbols(p, canvas, drawing->DrawX, queued);
            int32_t clefEnd = queued;
            clef.Draw(canvas, queued, clefEnd, isSelected);
            drawing->DrawX = clefEnd;
            drawing->SetClef(&clef);
        } else if (symbol->IsNote()) {
            drawing->AddNote(static_cast<TMuzNote&>(*symbol), isSelected);
        } else {
            drawing->AddRest(static_cast<TRest&>(*symbol), isSelected);
        }
        drawing->LastSymbolPosition = p;
    }

    // The bar's end: its last measures, across every stave, until nothing waits.
    bool waiting = true;
    for (int32_t round = 0; waiting && round < MostFlushRounds; ++round) {
        host.DrawBarAcrossStaves(canvas, *muzBar, barLine);
        waiting = false;
        for (int32_t i = 0; TStaveDrawing* drawing = host.GetDrawnStave(i); ++i)
            waiting = waiting || drawing->HasPositions();
    }
}

void PaintSign(TLoopPartSymbol& sign, MusicPaintHost& host, TCanvas& canvas, const TXTouchMuzSymbol* selected,
               const TMuzData& music)
{
    const int32_t x = host.GetStavesX();
    int32_t end = x;
    sign.Draw(canvas, x, end, selected == &sign, music);
    host.SetStavesX(end);
}

} // namespace

void PaintBar(TPartMuz& part, MusicPaintHost& host, TCanvas& canvas, const TXTouchMuzSymbol* selected)
{
    struct TFrame {
        TPartMuz* part;
        int32_t step = 0;
    };
    std::vector<TFrame> stack;
    auto visit = [&](TPartMuz& p) {
        if (p.GetPartMuzKind() == partMuzSingle)
            PaintSingle(AsBar(p), host, canvas, selected);
        else
            stack.push_back({&p});
    };
    auto switchedOn = [](TPartMuz* child) { return child && child->GetEnablePlayAndDraw(); };
    visit(part);
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        TPartMuz& p = *frame.part;
        TPartMuz* child = nullptr;
        bool done = false;
        if (p.GetPartMuzKind() == partMuzLoop) {
            TLoopPartMuz& loop = AsLoop(p);
            if (frame.step == 0) {
                PaintSign(*loop.GetLeftLoopSymbol(), host, canvas, selected, *p.GetMuzData());
                child = loop.GetLoopPart();
            } else {
                PaintSign(*loop.GetRightLoopSymbol(), host, canvas, selected, *p.GetMuzData());
                done = true;
            }
            ++frame.step;
        } else if (frame.step < p.GetChildCount()) {
            child = p.GetChild(frame.step++);
        } else {
            done = true;
        }
        if (done)
            stack.pop_back();
        else if (switchedOn(child))
            visit(*child);
    }
}

void FindNearestSymbol(TPartMuz& part, TCanvasPoint point, double& bestDistance, TXTouchMuzSymbol*& best)
{
    auto offer = [&](TXTouchMuzSymbol* symbol, double distance) {
        if (distance < bestDistance) {
            bestDistance = distance;
            best = symbol;
        }
    };
    auto signDistance = [&](const TXTouchMuzSymbol& symbol) {
        const double d = 12.0 * symbol.DistanceX(point.X);
        return d * d;
    };
    struct TFrame {
        TPartMuz* part;
        bool played;
    };
    std::vector<TFrame> stack{{&part, part.IsEnabledPlayDraw()}};
    while (!stack.empty()) {
        const TFrame frame = stack.back();
        stack.pop_back();
        TPartMuz& p = *frame.part;
        const TPartMuzKind kind = p.GetPartMuzKind();
        if (kind != partMuzStart && !frame.played)
            continue;
        if (kind == partMuzLoop) {
            offer(AsLoop(p).GetLeftLoopSymbol(), signDistance(*AsLoop(p).GetLeftLoopSymbol()));
            offer(AsLoop(p).GetRightLoopSymbol(), signDistance(*AsLoop(p).GetRightLoopSymbol()));
        }
        if (kind == partMuzSingle) {
            TSinglePartMuz& bar = AsBar(p);
            if (bar.GetMuzBar())
                offer(bar.GetMuzBar(), signDistance(*bar.GetMuzBar()));
            for (TStaveSymbol* symbol = bar.GetSymbols(); symbol; symbol = symbol->GetNext()) {
                if (!symbol->GetNoteStave() || !symbol->GetNoteStave()->EnablePlayAndDraw)
                    continue;
                const double dx = 2.5 * symbol->DistanceX(point.X);
                const double dy = symbol->GetTouchDistanceY(point.Y);
                offer(symbol, dy * dy + dx * dx);
            }
            continue;
        }
        // Children in reverse, so the first is looked at first.
        for (int32_t i = p.GetChildCount() - 1; i >= 0; --i)
            if (TPartMuz* child = p.GetChild(i))
                stack.push_back({child, ChildPlayed(child, true) && (kind == partMuzStart || frame.played)});
    }
}

TMusicPaintPass::TMusicPaintPass(TMuzData& music, int32_t leftOrigin, int32_t topOrigin)
    : Music(music), LeftOrigin(leftOrigin), TopOrigin(topOrigin)
{
    TStaveIterator staves(music);
    for (TNoteStave* stave = staves.Next(); stave; stave = staves.Next())
        Drawings.push_back(std::make_unique<TStaveDrawing>(*stave));
}

int32_t TMusicPaintPass::StartDrawStaves()
{
    int64_t y = TopOrigin;
    for (const auto& drawing : Drawings) {
        y = TNoteStave::LaidOutY(y + drawing->GetStave().RoomUp.GetValue());
        drawing->StartDraw(static_cast<int32_t>(y), LeftOrigin + 5);
        y += drawing->GetStave().RoomDown.GetValue();
    }
    return TNoteStave::LaidOutY(y);
}

void TMusicPaintPass::DrawStaveBackgrounds(TCanvas& canvas, const TCanvasRect& clip) const
{
    int32_t y = clip.Top;
    auto grey = [&](int32_t bottom) {
        if (y < bottom) {
            canvas.SetBrushColor(OutsideColor);
            canvas.FillRect({clip.Left, y, clip.Right, bottom});
        }
    };
    for (const auto& drawing : Drawings) {
        const TNoteStave& stave = drawing->GetStave();
        grey(std::min(drawing->GetMiddleY() - stave.RoomUp.GetValue(), clip.Bottom));
        drawing->DrawBackground(canvas, clip);
        y = std::max(y, drawing->GetMiddleY() + stave.RoomDown.GetValue());
    }
    grey(clip.Bottom);
}

int32_t TMusicPaintPass::PaintParts(TCanvas& canvas, const TXTouchMuzSymbol* selected)
{
    PaintBar(*Music.GetStartPartMuz(), *this, canvas, selected);
    const int32_t x = GetStavesX();
    for (const auto& drawing : Drawings)
        drawing->DrawEndBar(canvas, x);
    return x;
}

void TMusicPaintPass::DrawStaveLines(TCanvas& canvas, const TCanvasRect& clip) const
{
    for (const auto& drawing : Drawings)
        drawing->DrawLines(canvas, clip);
}

int32_t TMusicPaintPass::Paint(TCanvas& canvas, const TCanvasRect& clip, const TXTouchMuzSymbol* selected)
{
    StartDrawStaves();
    DrawStaveBackgrounds(canvas, clip);
    const int32_t end = PaintParts(canvas, selected);
    DrawStaveLines(canvas, clip);
    return end;
}

int32_t TMusicPaintPass::GetStavesX()
{
    int32_t x = LeftOrigin;
    for (const auto& drawing : Drawings)
        x = std::max(x, drawing->DrawX);
    return x;
}

void TMusicPaintPass::SetStavesX(int32_t x)
{
    for (const auto& drawing : Drawings)
        drawing->DrawX = x;
}

void TMusicPaintPass::DrawBarAcrossStaves(TCanvas& canvas, const TMuzBar& bar, double& position)
{
    for (const auto& drawing : Drawings) {
        int32_t end = drawing->DrawX;
        drawing->DrawBarSymbols(position, canvas, drawing->DrawX, end);
        drawing->ExtendRight(end);
    }
    const int32_t x = GetStavesX();
    for (const auto& drawing : Drawings)
        drawing->DrawBarLine(canvas, x + 3);
    SetStavesX(x + 8);
    position = bar.NextBarStart(position);
    for (const auto& drawing : Drawings) {
        int32_t end = drawing->DrawX;
        drawing->DrawBarSymbols(position, canvas, drawing->DrawX, end);
        drawing->ExtendRight(end);
        drawing->ResetBarAccidentals();
    }
}

TStaveDrawing* TMusicPaintPass::GetStaveDrawing(const TNoteStave& stave)
{
    for (const auto& drawing : Drawings)
        if (&drawing->GetStave() == &stave)
            return drawing.get();
    return nullptr;
}

TStaveDrawing* TMusicPaintPass::GetDrawnStave(int32_t index)
{
    return index >= 0 && index < static_cast<int32_t>(Drawings.size()) ? Drawings[static_cast<size_t>(index)].get()
                                                                          : nullptr;
}
