#include "foundation/draw/RecordingCanvas.h"

#include <gtest/gtest.h>

using Op = TRecordingCanvas::TOp;

TEST(RecordingCanvas, KeepsEachCallWithTheStateInForce)
{
    TRecordingCanvas canvas;
    canvas.SetPen({CanvasRgb(0x12, 0x34, 0x56), 2, TPenStyle::Solid});
    canvas.SetBrushColor(0x0000C0);
    canvas.Rectangle({1, 2, 11, 22});
    canvas.SetBrushClear();
    canvas.MoveTo(3, 4);
    canvas.LineTo(13, 4);
    canvas.LineTo(13, 14);

    ASSERT_EQ(canvas.Calls().size(), 3u);
    const auto& rect = canvas.Calls()[0];
    EXPECT_EQ(rect.Op, Op::Rectangle);
    EXPECT_EQ(rect.Rect, (TCanvasRect{1, 2, 11, 22}));
    EXPECT_EQ(rect.Pen.Color, 0x563412u);
    EXPECT_EQ(rect.Brush.Color, 0x0000C0u);
    EXPECT_EQ(rect.Brush.Style, TBrushStyle::Solid);

    const auto lines = canvas.CallsOf(Op::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Points, (std::vector<TCanvasPoint>{{3, 4}, {13, 4}}));
    EXPECT_EQ(lines[1].Points, (std::vector<TCanvasPoint>{{13, 4}, {13, 14}}));
    EXPECT_EQ(lines[1].Brush.Style, TBrushStyle::Clear);
    EXPECT_EQ(canvas.PenPos(), (TCanvasPoint{13, 14}));
}

TEST(RecordingCanvas, MeasuresTextByItsRuleOrTheTestsOwn)
{
    TRecordingCanvas canvas;
    canvas.SetFont({"Arial", 8, false, false, 0});
    EXPECT_EQ(canvas.TextExtent("abc"), (TCanvasSize{18, 16}));
    canvas.SetMetric([](const TCanvasFont&, const std::string& text) {
        return TCanvasSize{static_cast<int32_t>(text.size()) * 5, 9};
    });
    EXPECT_EQ(canvas.TextWidth("abcd"), 20);
    EXPECT_EQ(canvas.TextHeight("x"), 9);
}
