#include "foundation/draw/RecordingCanvas.h"
#include "music/layout/LayoutCheck.h"
#include "music/layout/MusicPainter.h"
#include "music/document/MDIChildMuzInitProps.h"
#include "tests/music/MusicTreeSupport.h"
#include "tests/support/NullCanvas.h"

#include <algorithm>

namespace {

using Op = TRecordingCanvas::TOp;

struct MusicPainter : MusicTree {
    TRecordingCanvas canvas;
    static constexpr TCanvasRect Clip{0, 0, 4000, 1000};

    MusicPainter() { ResetLayoutCheckReports(); }

    int32_t Paint(const TXTouchMuzSymbol* selected = nullptr)
    {
        canvas.Clear();
        TMusicPaintPass pass(muz, 0, 0);
        return pass.Paint(canvas, Clip, selected);
    }
    TXTouchMuzSymbol* Hit(TCanvasPoint point)
    {
        double distance = 15000;
        TXTouchMuzSymbol* best = nullptr;
        FindNearestSymbol(*muz.GetStartPartMuz(), point, distance, best);
        return best;
    }
    TClef* MidClef(TSinglePartMuz* in, double position, TNoteStave* on = nullptr)
    {
        return static_cast<TClef*>(
            in->InsertSymbol(std::make_unique<TClef>(&muz, clefKindG, 0, position, on ? on : stave, 1, in)));
    }
    // The x of every bar line drawn on the stave whose middle line is at middle.
    std::vector<int32_t> BarLines(int32_t middle) const
    {
        std::vector<int32_t> xs;
        for (const auto& call : canvas.CallsOf(Op::Line)) {
            const auto& p = call.Points;
            if (p[0].X == p[1].X && p[0].Y == middle - 20 && p[1].Y == middle + 20)
                xs.push_back(p[0].X);
        }
        return xs;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& call : canvas.CallsOf(Op::TextOut))
            texts.push_back(call.Text);
        return texts;
    }
    static int32_t Middle(const TNoteStave& on) { return on.GetMiddleY(); }
};

} // namespace

TEST_F(MusicPainter, ABarOfOnlyAClefDrawsTheClefTheTimeAndItsBarLine)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(Bar(&bar));
    const int32_t end = Paint();
    TClef* clef = bar->GetStartClef(stave);
    EXPECT_EQ(clef->GetTouchLeft(), 5);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"4", "4"}));
    // One bar line 3 px after the time signature, the closing bar 8 px after that.
    const int32_t timeEnd = bar->GetMuzBar()->GetTouchRight() - 2;
    EXPECT_EQ(BarLines(Middle(*stave)), (std::vector<int32_t>{timeEnd + 3}));
    EXPECT_EQ(end, timeEnd + 8);
}

TEST_F(MusicPainter, AClefInsideABarComesAfterTheNotesBeforeItAndBringsBackItsKey)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(Bar(&bar));
    TMuzNote* before = Note(bar, 0.0, -1 + clefKindG);
    before->SetNoteShift(noteShiftKruis);
    TMuzNote* plain = Note(bar, 0.25, 0 + clefKindG);
    TClef* clef = MidClef(bar, 0.5);
    TMuzNote* after = Note(bar, 0.5, -1 + clefKindG);
    after->SetNoteShift(noteShiftKruis);
    TMuzNote* again = Note(bar, 0.75, 6 + clefKindG);
    again->SetNoteShift(noteShiftKruis);
    Paint();
    EXPECT_GE(clef->GetTouchLeft(), plain->GetTouchRight());
    EXPECT_LE(clef->GetTouchRight(), after->GetTouchLeft());
    // The sharp before the clef holds no more after it: drawn again before
    // the head; the next F sharp (an octave up) needs none.
    EXPECT_GT(before->GetTouchRight() - before->GetTouchLeft(), 10);
    EXPECT_GT(after->GetTouchRight() - after->GetTouchLeft(), 10);
    EXPECT_EQ(again->GetTouchRight() - again->GetTouchLeft(), 10);
}

TEST_F(MusicPainter, ANoteBeyondAMeasureEndHasTheBarLineDrawnBeforeIt)
{
    TSinglePartMuz* bar = nullptr;
    auto owned = std::make_unique<TSinglePartMuz>(&muz, UnitTempoFactor(), UnitTempoFactor());
    bar = owned.get();
    TMuzBar::Attach(*bar, 4, 2, 0);
    bar->AddClefsForAllStaves();
    SetRoot(std::move(owned));
    TMuzNote* second = Note(bar, 0.25, 6);
    TMuzNote* third = Note(bar, 0.5, 6);
    Note(bar, 0.0, 6);
    Paint();
    const auto lines = BarLines(Middle(*stave));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_GT(lines[0], second->GetTouchRight());
    EXPECT_LT(lines[0], third->GetTouchLeft());
}

TEST_F(MusicPainter, ARepeatIsDrawnOnceWithItsSignsWhateverItsCount)
{
    SetRoot(Loop(3, BarWithNotes({0.0})));
    Paint();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"3", "4", "4", "3"}));
    auto* loop = static_cast<TLoopPartMuz*>(muz.GetRootChild());
    EXPECT_LT(loop->GetLeftLoopSymbol()->GetTouchRight(), loop->GetRightLoopSymbol()->GetTouchLeft());
    EXPECT_EQ(canvas.CallsOf(Op::Ellipse).size(), 4u + 1u); // two dots per sign, one head
}

TEST_F(MusicPainter, APartSwitchedOffIsNeitherDrawnNorHit)
{
    TSinglePartMuz* shown = nullptr;
    TSinglePartMuz* hidden = nullptr;
    SetRoot(Concat(BarWithNotes({0.0}, &shown), BarWithNotes({0.0}, &hidden)));
    hidden->SetEnablePlayAndDraw(false, nullptr);
    Paint();
    auto* visible = static_cast<TMuzNote*>(shown->GetSymbols()->GetNext());
    auto* invisible = static_cast<TMuzNote*>(hidden->GetSymbols()->GetNext());
    ASSERT_TRUE(visible->IsNote() && invisible->IsNote());
    EXPECT_TRUE(visible->IsTouchValid());
    EXPECT_FALSE(invisible->IsTouchValid());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"4", "4"}));
    const int32_t headY = Middle(*stave) - 5 * visible->GetDrawHeight();
    EXPECT_EQ(Hit({visible->GetTouchLeft() + 3, headY}), visible);
    // Where the hidden bar would stand there is nothing but the closing bar's neighbourhood.
    EXPECT_NE(Hit({visible->GetTouchRight() + 200, headY}), invisible);
}

TEST_F(MusicPainter, EveryStaveGetsOneBarLineAtABarsEnd)
{
    TNoteStave* second = AddStave();
    TSinglePartMuz* bar = nullptr;
    SetRoot(Bar(&bar));
    for (double at : {0.0, 0.25, 0.5, 0.75}) {
        Note(bar, at, 6);
        Note(bar, at, 6, 4, second);
    }
    Paint();
    EXPECT_EQ(BarLines(Middle(*stave)).size(), 1u);
    EXPECT_EQ(BarLines(Middle(*second)).size(), 1u);
    EXPECT_EQ(BarLines(Middle(*stave)), BarLines(Middle(*second)));
}

TEST_F(MusicPainter, ANoteAcrossABarLineIsTiedToItsPieceBelowTheHeads)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(Bar(&bar));
    Note(bar, 0.75, clefKindG, 2);
    Paint();
    // The piece after the bar line belongs to the bar: one bar line.
    const auto lines = BarLines(Middle(*stave));
    ASSERT_EQ(lines.size(), 1u);
    const auto polygons = canvas.CallsOf(Op::Polygon);
    const auto tie = std::find_if(polygons.begin(), polygons.end(), [](const auto& p) { return p.Points.size() == 48; });
    ASSERT_NE(tie, polygons.end());
    EXPECT_EQ(tie->Points.front().Y, Middle(*stave) + 7);
    EXPECT_LT(tie->Points.front().X, lines[0]);
    EXPECT_GT(tie->Points[24].X, lines[0]);
}

TEST_F(MusicPainter, TheNearestSymbolWinsAndTheFirstOfEqualOnes)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(BarWithNotes({0.0, 0.25}, &bar));
    Paint();
    auto* first = static_cast<TMuzNote*>(bar->GetSymbols()->GetNext());
    auto* secondNote = static_cast<TMuzNote*>(first->GetNext());
    const int32_t y = Middle(*stave) - 5 * first->GetDrawHeight();
    const int32_t between = (first->GetTouchRight() + secondNote->GetTouchLeft()) / 2;
    ASSERT_EQ((first->GetTouchRight() + secondNote->GetTouchLeft()) % 2, 0);
    EXPECT_EQ(Hit({between, y}), first);
    // The time signature is picked up to 10 px beside its range, far from the stave.
    TMuzBar* time = bar->GetMuzBar();
    EXPECT_EQ(Hit({time->GetTouchLeft() - 10, 900}), time);
    EXPECT_EQ(Hit({time->GetTouchLeft() - 11, 900}), nullptr);
}

TEST_F(MusicPainter, TheSelectedNoteIsDrawnOnItsOwnBox)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(BarWithNotes({0.0}, &bar));
    auto* note = static_cast<TMuzNote*>(bar->GetSymbols()->GetNext());
    Paint();
    const size_t plain = canvas.CallsOf(Op::FillRect).size();
    Paint(note);
    EXPECT_EQ(canvas.CallsOf(Op::FillRect).size(), plain + 1);
}

TEST_F(MusicPainter, TheLargestRoomsOfManyStavesFromTheFarthestViewStayInRange)
{
    constexpr int32_t Room = TNoteStave::RoomMaximum;
    constexpr int32_t Top = TMDIChildMuzInitProps::Farthest;
    TNoteStave* second = muz.NewNoteStave(stave, nullptr);
    for (TNoteStave* each : {stave, second}) {
        each->RoomUp.SetValue(Room);
        each->RoomDown.SetValue(Room);
        each->ExtraLines = true;
    }
    NullCanvas nothing;
    TMusicPaintPass(muz, -Top, Top).Paint(nothing, Clip, nullptr);
    EXPECT_EQ(Middle(*stave), Top + Room);
    EXPECT_EQ(Middle(*second), Top + 3 * Room);

    // Enough staves above them that the rooms add up past what a paint can
    // place: the staves beyond lie together at the farthest place, out of
    // every window.
    const int32_t staves = (TNoteStave::FarthestMiddleY - Top) / (2 * Room);
    const unitIntegerMoreUser room(Room, EHNone);
    TNoteStave* first = nullptr;
    for (int32_t i = 0; i < staves; ++i)
        first = muz.CreateStave(nullptr, 0, 0xFFFFFF, room, room, 1, false, false, "", true);
    TMusicPaintPass pass(muz, -Top, Top);
    EXPECT_EQ(pass.StartDrawStaves(), TNoteStave::FarthestMiddleY);
    EXPECT_EQ(Middle(*first), Top + Room);
    EXPECT_EQ(Middle(*stave), TNoteStave::FarthestMiddleY);
    EXPECT_EQ(Middle(*second), TNoteStave::FarthestMiddleY);
}
