#include "foundation/draw/RecordingCanvas.h"
#include "foundation/values/unitInteger.h"
#include "music/parts/LoopPartMuz.h"
#include "music/symbols/DrawNote.h"
#include "music/symbols/NoteShift.h"
#include "tests/music/MusicTestSupport.h"

namespace {

using Op = TRecordingCanvas::TOp;
constexpr TCanvasColor Fg = 0x102030;
constexpr TCanvasColor Bg = 0xE0F0FF;

struct GlyphGeometry : MusicTest {
    GlyphGeometry()
    {
        m.stave->ForegroundColor = Fg;
        m.stave->BackgroundColor = Bg;
        m.stave->SetMiddleY(200);
    }
    MusicModel m;
    TRecordingCanvas canvas;
};

std::vector<TCanvasPoint> Line(TCanvasPoint a, TCanvasPoint b)
{
    return {a, b};
}

} // namespace

TEST_F(GlyphGeometry, AClefWithTwoSharpsLeavesRoomAfterItsKey)
{
    TClef* clef = m.StartClef();
    clef->SetKeyNoteShift(4, noteShiftKruis);
    clef->SetKeyNoteShift(1, noteShiftKruis);
    int32_t next = 0;
    clef->Draw(canvas, 100, next, false);

    EXPECT_EQ(clef->GetTouchLeft(), 100);
    EXPECT_EQ(clef->GetTouchRight(), 157); // 100 + 28 + 3, then two sharps of 13
    EXPECT_EQ(next, 159);
    // The sharps stand at heights 4 (F) and 1 (C), each from its own left edge.
    const auto lines = canvas.CallsOf(Op::Line);
    ASSERT_EQ(lines.size(), 8u); // four per sharp
    EXPECT_EQ(lines[0].Points, Line({133, 171}, {133, 192}));
    EXPECT_EQ(lines[0].Pen.Width, 2);
    EXPECT_EQ(lines[4].Points, Line({146, 186}, {146, 207}));
    EXPECT_EQ(canvas.CallsOf(Op::Polyline).size(), 1u); // the G clef's line through its glyph
    for (const auto& call : canvas.Calls())
        EXPECT_EQ(call.Pen.Color, Fg);
}

TEST_F(GlyphGeometry, ASelectedClefIsLightOnItsBoxButItsKeyIsNot)
{
    TClef* clef = m.StartClef();
    clef->SetKeyNoteShift(0, noteShiftMol);
    int32_t next = 0;
    clef->Draw(canvas, 10, next, true);

    const auto& box = canvas.Calls().front();
    EXPECT_EQ(box.Op, Op::FillRect);
    EXPECT_EQ(box.Rect, (TCanvasRect{8, 166, 39, 233}));
    EXPECT_EQ(box.Brush.Color, Fg);
    const auto polygons = canvas.CallsOf(Op::Polygon);
    ASSERT_EQ(polygons.size(), 5u); // four of the G clef, the flat's belly
    EXPECT_EQ(polygons[0].Brush.Color, Bg);
    EXPECT_EQ(polygons[0].Points.front(), (TCanvasPoint{25, 229}));
    EXPECT_EQ(polygons[4].Brush.Color, Fg);
    // The flat of B lies on the middle line, 3 px after the glyph.
    EXPECT_EQ(polygons[4].Points.front(), (TCanvasPoint{43, 204}));
    EXPECT_EQ(next, 10 + 28 + 3 + 12 + 2);
}

TEST_F(GlyphGeometry, CAndFClefsAndTheirOctaveMarks)
{
    TClef c(&m.muz, clefKindC, 2, 0.0, m.stave, 1, m.bar);
    int32_t next = 0;
    c.Draw(canvas, 0, next, false);
    const auto rects = canvas.CallsOf(Op::FillRect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].Rect, (TCanvasRect{0, 180, 4, 220}));
    EXPECT_EQ(rects[1].Rect, (TCanvasRect{6, 180, 7, 220}));
    auto polygons = canvas.CallsOf(Op::Polygon);
    // Beak, curl and bow, the curl and the bow again upside down, then the 1 and the 5.
    ASSERT_EQ(polygons.size(), 7u);
    EXPECT_EQ(polygons[1].Points.front(), (TCanvasPoint{14, 181}));
    EXPECT_EQ(polygons[3].Points.front(), (TCanvasPoint{14, 219}));
    // "15" above: top at 34 px over the middle line, outlined in the foreground.
    EXPECT_EQ(polygons[5].Points.front(), (TCanvasPoint{8, 166}));
    EXPECT_EQ(polygons[5].Pen.Color, Fg);
    EXPECT_EQ(polygons[5].Brush.Color, Bg);
    EXPECT_EQ(next, 33); // 28 for the glyph, 3 before a key, 2 after it

    canvas.Clear();
    TClef f(&m.muz, clefKindF, -1, 0.0, m.stave, 1, m.bar);
    f.Draw(canvas, 0, next, false);
    EXPECT_EQ(canvas.CallsOf(Op::Ellipse).size(), 2u);
    polygons = canvas.CallsOf(Op::Polygon);
    ASSERT_EQ(polygons.size(), 3u); // the body and the two halves of the 8
    EXPECT_EQ(polygons[1].Points.front(), (TCanvasPoint{5, 214}));
    EXPECT_EQ(f.GetTouchRight(), 27 + 3);
}

TEST_F(GlyphGeometry, RestsByNoteValue)
{
    struct Case {
        uint8_t length;
        int32_t points;
        int32_t right;
        size_t polygons;
        int32_t width;
    } cases[] = {{1, 0, 16, 0, 22}, {2, 1, 20, 0, 26}, {4, 0, 14, 1, 18}, {8, 0, 13, 2, 20},
                 {16, 2, 24, 3, 31}, {32, 0, 19, 4, 26}, {64, 3, 34, 5, 41}};
    for (const Case& c : cases) {
        canvas.Clear();
        TRest rest(c.length, c.points, 0.0, m.stave, sool, 0, m.bar);
        int32_t right = 0;
        rest.Draw(canvas, 50, right, false);
        EXPECT_EQ(right, 50 + c.right) << int(c.length);
        EXPECT_EQ(canvas.CallsOf(Op::Polygon).size(), c.polygons) << int(c.length);
        EXPECT_EQ(canvas.CallsOf(Op::Ellipse).size(), static_cast<size_t>(c.points)) << int(c.length);
        int32_t width = 0;
        rest.GetWidth(width);
        EXPECT_EQ(width, c.width) << int(c.length);
        EXPECT_TRUE(rest.IsTouchValid());
    }
    // A whole rest hangs below the line above the middle; its dot sits after it.
    canvas.Clear();
    TRest whole(1, 1, 0.0, m.stave, sool, 0, m.bar);
    int32_t right = 0;
    whole.Draw(canvas, 0, right, true);
    const auto rects = canvas.CallsOf(Op::FillRect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].Rect, (TCanvasRect{-3, 188, 17, 199}));
    EXPECT_EQ(rects[1].Rect, (TCanvasRect{0, 191, 14, 196}));
    EXPECT_EQ(rects[1].Brush.Color, Bg);
    EXPECT_EQ(canvas.CallsOf(Op::Ellipse)[0].Rect, (TCanvasRect{16, 195, 19, 198}));
    EXPECT_EQ(canvas.CallsOf(Op::Ellipse)[0].Brush.Color, Fg);
    // A thirty-second rest: three hooks from 18 px above, the stem at the lowest.
    canvas.Clear();
    TRest thirtySecond(32, 0, 0.0, m.stave, sool, 0, m.bar);
    thirtySecond.Draw(canvas, 0, right, false);
    const auto hooks = canvas.CallsOf(Op::Polygon);
    EXPECT_EQ(hooks[0].Points.front(), (TCanvasPoint{6 + 8, 182 + 11}));
    EXPECT_EQ(hooks[2].Points.front(), (TCanvasPoint{0 + 8, 202 + 11}));
    EXPECT_EQ(hooks[3].Points[2], (TCanvasPoint{5, 202 + 16}));
}

TEST_F(GlyphGeometry, Accidentals)
{
    struct Case {
        uint8_t kind;
        int32_t width;
    } cases[] = {{noteShiftDoubleKruis, 15}, {noteShiftKruis, 13}, {noteShiftNormal, 10}, {noteShiftMol, 12},
                 {noteShiftDoubleMol, 24}};
    for (const Case& c : cases) {
        TNoteShift shift(m.stave, c.kind, 0);
        int32_t width = 0;
        shift.GetWidth(width);
        EXPECT_EQ(width, c.width);
    }
    TNoteShift doubleFlat(m.stave, noteShiftDoubleMol, 2);
    int32_t right = 0;
    doubleFlat.Draw(canvas, 100, right, false);
    EXPECT_EQ(right, 124);
    const auto stems = canvas.CallsOf(Op::Line);
    ASSERT_EQ(stems.size(), 2u);
    EXPECT_EQ(stems[0].Points, Line({100, 175}, {100, 195}));
    EXPECT_EQ(stems[1].Points, Line({112, 175}, {112, 195}));
    EXPECT_EQ(canvas.Pen().Width, 1);

    canvas.Clear();
    TNoteShift natural(m.stave, noteShiftNormal, 0);
    natural.Draw(canvas, 0, right, true);
    EXPECT_EQ(canvas.Calls()[0].Rect, (TCanvasRect{-3, 185, 9, 215}));
    const auto lines = canvas.CallsOf(Op::Line);
    EXPECT_EQ(lines[2].Pen.Width, 3);
    EXPECT_EQ(lines[2].Pen.Color, Bg);
}

TEST_F(GlyphGeometry, NoteHeadsByShape)
{
    m.group->NoteColor = 0x0000FF;
    m.group->NoteShape = noteShapeTriangle;
    TDrawNote half(m.group, 2, 0, 0, m.stave, noteShiftNone);
    int32_t left = 0;
    int32_t right = 0;
    half.Draw(canvas, 10, 20, left, right, false);
    auto polygons = canvas.CallsOf(Op::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].Points, (std::vector<TCanvasPoint>{{10, 200}, {20, 196}, {20, 205}}));
    EXPECT_EQ(polygons[0].Brush.Color, 0x0000FFu);
    EXPECT_EQ(polygons[1].Points, (std::vector<TCanvasPoint>{{13, 200}, {19, 197}, {19, 204}}));
    EXPECT_EQ(polygons[1].Brush.Color, Bg);

    canvas.Clear();
    TDrawNote quarter(m.group, 4, 2, 1, m.stave, noteShiftKruis);
    int32_t before = 0;
    int32_t core = 0;
    int32_t after = 0;
    quarter.GetWidths(before, core, after);
    EXPECT_EQ(before, 13);
    EXPECT_EQ(core, 10);
    EXPECT_EQ(after, 16);
    quarter.Draw(canvas, 10, 20, left, right, false);
    EXPECT_EQ(canvas.CallsOf(Op::Polygon).size(), 1u);
    EXPECT_EQ(left, -3);
    EXPECT_EQ(right, 28);
    const auto dots = canvas.CallsOf(Op::Ellipse);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[1].Rect, (TCanvasRect{26, 197, 29, 200}));

    canvas.Clear();
    m.group->NoteShape = noteShapeNormal;
    TDrawNote whole(m.group, 1, 0, 0, m.stave, noteShiftNone);
    whole.Draw(canvas, 10, 20, left, right, true);
    EXPECT_EQ(canvas.Calls()[0].Rect, (TCanvasRect{8, 194, 22, 207}));
    const auto heads = canvas.CallsOf(Op::Ellipse);
    ASSERT_EQ(heads.size(), 2u);
    EXPECT_EQ(heads[0].Brush.Color, Bg);
    EXPECT_EQ(heads[1].Brush.Color, Fg);
}

TEST_F(GlyphGeometry, TimeSignatureOnEveryStaveShown)
{
    TNoteStave* hidden = m.muz.NewNoteStave(m.stave, nullptr);
    hidden->EnablePlayAndDraw = false;
    TNoteStave* third = m.muz.NewNoteStave(hidden, nullptr);
    third->SetMiddleY(400);
    TMuzBar* bar = m.bar->GetMuzBar();
    ASSERT_TRUE(bar->SetCountAndLength(12, 8));
    int32_t right = 0;
    bar->Draw(canvas, 100, right, false, m.muz);
    EXPECT_EQ(right, 139);
    EXPECT_EQ(bar->GetTouchLeft(), 98);
    EXPECT_EQ(bar->GetTouchRight(), 141);
    const auto texts = canvas.CallsOf(Op::TextOut);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].Text, "12");
    EXPECT_EQ(texts[0].Points[0], (TCanvasPoint{100, 177}));
    EXPECT_EQ(texts[1].Text, "8");
    EXPECT_EQ(texts[3].Points[0], (TCanvasPoint{100, 398}));
    EXPECT_EQ(texts[0].Font.Name, "Times New Roman");
    EXPECT_EQ(texts[0].Font.Size, 18);
    EXPECT_TRUE(texts[0].Font.Bold);
    EXPECT_EQ(texts[0].Font.Color, Fg);
    EXPECT_EQ(texts[0].Brush.Color, Bg);

    canvas.Clear();
    ASSERT_TRUE(bar->SetCountAndLength(3, 4));
    bar->Draw(canvas, 100, right, true, m.muz);
    EXPECT_EQ(right, 121);
    EXPECT_EQ(canvas.Calls()[0].Rect, (TCanvasRect{98, 177, 114, 224}));
    EXPECT_EQ(canvas.CallsOf(Op::TextOut)[0].Font.Color, Bg);
}

TEST_F(GlyphGeometry, RepeatSignsShowTheCountButTwo)
{
    auto single = std::make_unique<TSinglePartMuz>(&m.muz, UnitTempoFactor(), UnitTempoFactor());
    struct Case {
        int32_t count;
        int32_t right;
        size_t texts;
    } cases[] = {{2, 18, 0}, {3, 31, 1}, {12, 45, 1}};
    for (const Case& c : cases) {
        TLoopPartMuz loop(unitIntegerPosMore(c.count, EHNone), nullptr, &m.muz, UnitTempoFactor(),
                          UnitTempoFactor());
        canvas.Clear();
        int32_t right = 0;
        loop.GetLeftLoopSymbol()->Draw(canvas, 0, right, false, m.muz);
        EXPECT_EQ(right, c.right) << c.count;
        EXPECT_EQ(loop.GetLeftLoopSymbol()->GetTouchLeft(), -2);
        EXPECT_EQ(loop.GetLeftLoopSymbol()->GetTouchRight(), c.right);
        const auto texts = canvas.CallsOf(Op::TextOut);
        ASSERT_EQ(texts.size(), c.texts) << c.count;
        if (!texts.empty()) {
            EXPECT_EQ(texts[0].Text, std::to_string(c.count));
            EXPECT_EQ(texts[0].Points[0], (TCanvasPoint{16, 187}));
        }
        const auto lines = canvas.CallsOf(Op::Line);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].Points, Line({1, 181}, {1, 219}));
        EXPECT_EQ(lines[0].Pen.Width, 3);
    }
    TLoopPartMuz loop(unitIntegerPosMore(3, EHNone), nullptr, &m.muz, UnitTempoFactor(), UnitTempoFactor());
    canvas.Clear();
    int32_t right = 0;
    loop.GetRightLoopSymbol()->Draw(canvas, 0, right, true, m.muz);
    EXPECT_EQ(canvas.Calls()[0].Rect, (TCanvasRect{-3, 177, 30, 224}));
    const auto lines = canvas.CallsOf(Op::Line);
    EXPECT_EQ(lines[0].Points, Line({25, 181}, {25, 219}));
    EXPECT_EQ(lines[0].Pen.Color, Bg);
    EXPECT_EQ(canvas.CallsOf(Op::TextOut)[0].Points[0], (TCanvasPoint{1, 187}));
}
