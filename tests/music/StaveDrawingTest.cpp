#include "music/layout/StaveArc.h"
#include "tests/music/StaveLayoutSupport.h"

#include <algorithm>

namespace {

// A beamed group of stem-up slots at the stem x and heights given, as the
// layout leaves them before their beam line is laid.
struct HandMadeGroup {
    TDrawXPositionItem position{0.0, 0, sool};
    TDrawXNotesList list;

    HandMadeGroup(TNoteStave& stave, std::vector<std::pair<int32_t, int32_t>> stemsAndHeights)
        : list(drawStickUp, &stave)
    {
        double at = 0.0;
        for (auto [x, height] : stemsAndHeights) {
            TDrawXNotesItem slot(at, 0, sool, &position, &stave, drawStickUp);
            slot.StickX = x;
            slot.BeamY = -5 * height - 32;
            slot.StickEndY = slot.BeamY - 3;
            list.GetItems().push_back(std::move(slot));
            at += 0.125;
        }
        list.GetItems().front().GroupBreakBefore = true;
        list.GetItems().back().GroupBreakAfter = true;
    }
    std::vector<std::pair<int32_t, int32_t>> Ends()
    {
        std::vector<std::pair<int32_t, int32_t>> ends;
        for (const TDrawXNotesItem& slot : list.GetItems())
            ends.emplace_back(slot.StickEndY, slot.BeamY);
        return ends;
    }
};

using Ends = std::vector<std::pair<int32_t, int32_t>>;

// The lines of a beam: five side by side.
size_t CountBeamLines(const std::vector<std::vector<TCanvasPoint>>& lines, int32_t fromX, int32_t toX)
{
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& line) {
        return line[0].X == fromX && line[1].X == toX;
    }));
}

} // namespace

TEST_F(StaveLayout, BeamLinesFollowTheHullOfTheStemEnds)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int32_t, int32_t>> slots;
        Ends ends;
    };
    const Case cases[] = {
        // The extreme lies right of the middle: the line reaches back to the first stem.
        {"heights 0 and 2", {{100, 0}, {130, 2}}, {{-32, -33}, {-42, -43}}},
        // The extreme sits in the middle: level.
        {"heights 0, 4, 0", {{100, 0}, {120, 4}, {140, 0}}, {{-52, -53}, {-52, -53}, {-52, -53}}},
        // Equal slopes from the pivot: the later stem is taken, a straight line through all.
        {"heights 0, 2, 4", {{100, 0}, {120, 2}, {140, 4}}, {{-32, -33}, {-42, -43}, {-52, -53}}},
        // Stems at one x (a broken file): the line is level, nothing is divided by zero.
        {"stems at one x", {{100, 0}, {100, 4}, {100, 2}}, {{-52, -53}, {-52, -53}, {-52, -53}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HandMadeGroup group(*stave, c.slots);
        group.list.LayBeamLines(1.0, canvas);
        EXPECT_EQ(group.Ends(), c.ends);
    }
}

TEST_F(StaveLayout, ABeamOfFewerLevelsGetsStubsForTheExtraOnes)
{
    // An eighth then a sixteenth: one beam, and a stub 8 px left on the sixteenth.
    Add(0.0, 0, 8);
    Add(0.125, 0, 16);
    Flush(1.0);
    EXPECT_TRUE(Slots().empty());
    // Head columns 100..110 and 118..128: stems at 110 and 128.
    EXPECT_EQ(CountBeamLines(Lines(), 110, 129), 5u);
    EXPECT_EQ(CountBeamLines(Lines(), 120, 129), 5u);
    // A sixteenth then an eighth: the stub goes right from the sixteenth.
    StaveLayoutAlone other;
    other.Add(0.0, 0, 16);
    other.Add(0.0625, 0, 8);
    other.Flush(1.0);
    EXPECT_EQ(CountBeamLines(other.Lines(), 110, 129), 5u);
    EXPECT_EQ(CountBeamLines(other.Lines(), 110, 118), 5u);
}

TEST_F(StaveLayout, StemsFlagsAndLedgerLines)
{
    // A half at height 0: a 34 px stem up from its head; a whole: no stem.
    Add(0.0, 0, 2);
    Flush(0.5);
    ASSERT_EQ(VerticalAt(110).size(), 1u);
    EXPECT_EQ(VerticalAt(110)[0], (std::vector<TCanvasPoint>{{110, Middle}, {110, Middle - 34}}));
    canvas.Clear();
    Add(0.5, 0, 1);
    Flush(2.0);
    EXPECT_TRUE(Lines().empty());

    // Heights 6 and 7 have one ledger line above, -8 two below.
    struct Case {
        int32_t height;
        std::vector<int32_t> ys;
    };
    for (const Case& c : {Case{6, {Middle - 30}}, Case{7, {Middle - 30}}, Case{-8, {Middle + 30, Middle + 40}}}) {
        SCOPED_TRACE(c.height);
        StaveLayoutAlone l;
        l.Stems(drawStickDown);
        l.Add(0.0, c.height, 1);
        l.Flush(1.0);
        std::vector<int32_t> ys;
        for (const auto& line : l.Lines())
            if (line[0].Y == line[1].Y)
                ys.push_back(line[0].Y);
        EXPECT_EQ(ys, c.ys);
        EXPECT_EQ(l.Lines().front()[0].X, 100 - 6);
        EXPECT_EQ(l.Lines().front()[1].X, 110 + 6);
    }

    // A lone eighth with its stem up: one flag hanging from 3 px inside the tip.
    StaveLayoutAlone eighth;
    eighth.Add(0.0, 0, 8);
    eighth.Flush(1.0);
    const auto flags = eighth.canvas.CallsOf(Op::Polygon);
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_EQ(flags[0].Points.front(), (TCanvasPoint{110, Middle - 32}));
    EXPECT_EQ(eighth.VerticalAt(110)[0][1].Y, Middle - 35);
}

TEST_F(StaveLayout, ATripletGetsABracketWithItsNumber)
{
    // A quarter triplet: no beams, but a line through its stem ends for the bracket.
    for (int32_t i = 0; i < 3; ++i)
        Add(0.0, 0, 2, 0, noteShiftNormal, triool, i);
    Flush(1.0);
    const auto texts = canvas.CallsOf(Op::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "3");
    EXPECT_EQ(texts[0].Font.Name, "Times New Roman");
    EXPECT_EQ(texts[0].Font.Size, 12);
    EXPECT_TRUE(texts[0].Font.Bold);
    // Stems at 110, 128, 146 keep their 34 px; the bracket from 107 to 149,
    // 11 px above the line through the stem ends.
    for (int32_t x : {110, 128, 146})
        EXPECT_EQ(VerticalAt(x).at(0)[1].Y, Middle - 34) << x;
    EXPECT_EQ(VerticalAt(107).size(), 1u);
    EXPECT_EQ(VerticalAt(149).size(), 1u);
    EXPECT_EQ(texts[0].Points[0], (TCanvasPoint{128 - 3, Middle - 32 - 11 - 8}));

    // A triplet whose middle member is a rest: the empty slot's stem x is the
    // right edge of its head column, and the bracket spans the members.
    StaveLayoutAlone withRest;
    withRest.Add(0.0, 0, 4, 0, noteShiftNormal, triool, 0);
    withRest.AddRest(0.0, 4, 0, triool, 1);
    withRest.Add(0.0, 0, 4, 0, noteShiftNormal, triool, 2);
    withRest.drawing.LayOutBarSymbols(1.0, 100);
    const auto slots = withRest.Slots();
    ASSERT_EQ(slots.size(), 3u);
    const TDrawXPositionItem& middle = *slots[1]->DrawXPositionItem;
    EXPECT_EQ(slots[1]->StickX, middle.X + middle.WidthBefore + middle.WidthCore);
}

TEST_F(StaveLayout, ArcsBulgeByTheirHeightAndEndAtTheirPoints)
{
    auto outline = [&](TCanvasPoint a, TCanvasPoint b, int32_t height) {
        TRecordingCanvas arcs;
        DrawArc(arcs, 0x123456, a, b, height);
        EXPECT_EQ(arcs.CallsOf(Op::Polygon).size(), 1u);
        return arcs.CallsOf(Op::Polygon).at(0).Points;
    };
    auto lowestY = [](const std::vector<TCanvasPoint>& points, size_t from, size_t to) {
        int32_t y = points[from].Y;
        for (size_t i = from; i < to; ++i)
            y = std::min(y, points[i].Y);
        return y;
    };
    auto highestY = [](const std::vector<TCanvasPoint>& points, size_t from, size_t to) {
        int32_t y = points[from].Y;
        for (size_t i = from; i < to; ++i)
            y = std::max(y, points[i].Y);
        return y;
    };
    // Height 9 between points of one y: the outer arc 9 px above, the inner 5.
    auto up = outline({100, 200}, {200, 200}, 9);
    ASSERT_EQ(up.size(), 48u);
    EXPECT_EQ(up.front(), (TCanvasPoint{101, 200}));
    EXPECT_EQ(lowestY(up, 0, 25), 191);
    EXPECT_EQ(lowestY(up, 25, 48), 195);
    auto down = outline({100, 200}, {200, 200}, -9);
    EXPECT_EQ(highestY(down, 0, 25), 208); // 208.99, truncated
    // From a lower to a higher point the inner arc starts at the higher one.
    auto rising = outline({100, 200}, {140, 195}, 13);
    EXPECT_EQ(rising[25], (TCanvasPoint{139, 195}));
    // Beyond the arc's reach the root is taken as 0; a height of 0 is straight.
    for (const auto& points : {outline({100, 200}, {140, 100}, 9), outline({100, 200}, {140, 220}, 0),
                               outline({100, 200}, {140, 220}, 4)})
        for (const TCanvasPoint& point : points) {
            EXPECT_GE(point.Y, 90);
            EXPECT_LE(point.Y, 230);
        }
    auto straight = outline({100, 200}, {140, 220}, 0);
    EXPECT_EQ(straight[12], (TCanvasPoint{119, 209}));
}

TEST_F(StaveLayout, TheStavesFrameBandLinesAndBars)
{
    stave->ForegroundColor = 0x000000;
    stave->BackgroundColor = 0xFFFFFF;
    stave->ExtraLines = true;
    stave->RoomUp.SetValue(85);
    stave->RoomDown.SetValue(31);
    drawing.DrawLines(canvas, {0, 0, 400, 400});
    auto lines = canvas.CallsOf(Op::Line);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front().Points[0], (TCanvasPoint{0, Middle - 80}));
    EXPECT_EQ(lines.back().Points[0], (TCanvasPoint{0, Middle + 30}));
    EXPECT_EQ(lines.front().Pen.Color, CanvasRgb(191, 191, 191));
    EXPECT_EQ(lines[6].Pen.Color, 0x000000u);

    // A clip inside the band: only the clip is filled.
    canvas.Clear();
    drawing.DrawBackground(canvas, {10, 150, 90, 230});
    ASSERT_EQ(canvas.CallsOf(Op::FillRect).size(), 1u);
    EXPECT_EQ(canvas.CallsOf(Op::FillRect)[0].Rect, (TCanvasRect{10, 150, 90, 230}));
    canvas.Clear();
    drawing.DrawBackground(canvas, {0, 0, 400, 1000});
    EXPECT_EQ(canvas.CallsOf(Op::FillRect)[0].Rect, (TCanvasRect{0, Middle - 85, 400, Middle + 31}));

    canvas.Clear();
    drawing.DrawEndBar(canvas, 300);
    ASSERT_EQ(canvas.CallsOf(Op::FillRect).size(), 2u);
    EXPECT_EQ(canvas.CallsOf(Op::FillRect)[0].Rect, (TCanvasRect{300, Middle - 20, 301, Middle + 20}));
    EXPECT_EQ(canvas.CallsOf(Op::FillRect)[1].Rect, (TCanvasRect{303, Middle - 20, 307, Middle + 20}));

    drawing.DrawX = 50;
    drawing.ExtendRight(40);
    EXPECT_EQ(drawing.DrawX, 50);
    drawing.ExtendRight(60);
    EXPECT_EQ(drawing.DrawX, 60);
}
