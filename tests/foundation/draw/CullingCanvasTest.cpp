#include "foundation/draw/CullingCanvas.h"
#include "foundation/draw/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

using Op = TRecordingCanvas::TOp;

} // namespace

TEST(CullingCanvas, PassesOnlyWhatReachesTheVisibleRectangle)
{
    TRecordingCanvas target;
    TCullingCanvas canvas(target, {100, 0, 300, 200});
    canvas.SetBrushColor(0x0000FF);
    canvas.FillRect({0, 0, 50, 50});      // left of it
    canvas.FillRect({290, 10, 400, 20});  // into it
    canvas.SetPen({0x00FF00, 3, TPenStyle::Solid});
    canvas.MoveTo(10, 300);
    canvas.LineTo(90, 300);               // below and left
    canvas.MoveTo(98, 50);
    canvas.LineTo(98, 60);                // its pen reaches it
    const TCanvasPoint far[] = {{400, 10}, {500, 10}, {450, 90}};
    canvas.Polygon(far);
    const TCanvasPoint across[] = {{0, 10}, {500, 10}, {450, 90}};
    canvas.Polygon(across);
    canvas.Ellipse({305, 205, 315, 215}); // past its corner, pen and all
    canvas.TextOut(290, 190, "44");
    canvas.TextOut(1000, 190, "44");
    ASSERT_EQ(target.Calls().size(), 4u);
    EXPECT_EQ(target.Calls()[0].Op, Op::FillRect);
    EXPECT_EQ(target.Calls()[0].Brush.Color, 0x0000FFu);
    EXPECT_EQ(target.Calls()[1].Op, Op::Line);
    EXPECT_EQ(target.Calls()[1].Pen.Width, 3);
    EXPECT_EQ(target.Calls()[1].Points, (std::vector<TCanvasPoint>{{98, 50}, {98, 60}}));
    EXPECT_EQ(target.Calls()[2].Op, Op::Polygon);
    EXPECT_EQ(target.Calls()[3].Op, Op::TextOut);
    EXPECT_EQ(canvas.Passed(), 4);
    EXPECT_EQ(canvas.Dropped(), 5);
    // The pen position follows the calls, drawn or not.
    EXPECT_EQ(canvas.PenPos(), (TCanvasPoint{98, 60}));
    // Clips always pass: they are state.
    canvas.SetClip({0, 0, 10, 10});
    canvas.ClearClip();
    EXPECT_EQ(target.Calls().size(), 6u);
}
