#include "ViewWaveTestSupport.h"

#include "wave/MainFormAccess.h"
#include "wave/document/DrawNode.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewWaveMouse, CtrlClickRunsTheSelectionFromItsNearerEnd)
{
    ViewFixture f(ViewMono(300, ViewSine), 50, 300);
    TViewWave& pane = f.Pane(2);
    for (auto [x, begin, end] : {std::tuple{120, 100, 120}, std::tuple{180, 180, 200}}) {
        f.unit.SetSelectMarks(200, 100);
        Click(pane, {x, 10}, Qt::ControlModifier);
        EXPECT_EQ(f.unit.GetSelectBegin(), begin) << x;
        EXPECT_EQ(f.unit.GetSelectEnd(), end) << x;
    }
    // Shift runs the selection from the anchor; a plain click places the cursor.
    f.unit.SetSelectMarks(200, 100);
    Click(pane, {250, 10}, Qt::ShiftModifier);
    EXPECT_EQ(f.unit.GetSelectBegin(), 100);
    EXPECT_EQ(f.unit.GetSelectEnd(), 250);
    Click(pane, {42, 10});
    EXPECT_EQ(f.unit.GetCursorPos(), 42);
    EXPECT_EQ(f.unit.GetAnchorPos(), 42);
}

TEST(ViewWaveMouse, DraggingWithTheLeftButtonSelects)
{
    ViewFixture f(ViewMono(300, ViewSine), 50, 300);
    TViewWave& pane = f.Pane(2);
    SendMouse(pane, QEvent::MouseMove, {20, 10}, Qt::NoButton, Qt::NoButton);
    SendMouse(pane, QEvent::MouseButtonPress, {20, 10}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(pane, QEvent::MouseMove, {70, 12}, Qt::NoButton, Qt::LeftButton);
    SendMouse(pane, QEvent::MouseButtonRelease, {70, 12}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.unit.GetSelectBegin(), 20);
    EXPECT_EQ(f.unit.GetSelectEnd(), 70);
}

TEST(ViewWaveMouse, MovesWriteTheStatusTextOnlyWhenThePointerMoved)
{
    ViewFixture f(ViewMono(300, ViewSine), 50, 300);
    TViewWave& pane = f.Pane(2);
    WaveStatusPanel* panel = MainForm().GetWaveStatusPanel(1);
    panel->SetText("");
    SendMouse(pane, QEvent::MouseMove, {20, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel->GetText(), "");
    SendMouse(pane, QEvent::MouseMove, {21, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel->GetText().front(), '(');
    EXPECT_EQ(panel->GetWidth(), 120);
    panel->SetText("");
    SendMouse(pane, QEvent::MouseMove, {21, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel->GetText(), "");
    f.group->SetShowKind(waveWindVolume);
    SendMouse(pane, QEvent::MouseMove, {22, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(panel->GetWidth(), 230);
    EXPECT_NE(panel->GetText().find("): 0"), std::string::npos) << panel->GetText();
}

TEST(ViewWaveMouse, ArmedZoomTool)
{
    ViewFixture f(ViewMono(300, ViewSine), 50, 300);
    TViewWave& pane = f.Pane(2);
    // Nothing selected and no drag: the tool only disarms itself.
    f.window.zoomMode = 1;
    Click(pane, {100, 10});
    EXPECT_EQ(f.window.zoomMode, 0);
    EXPECT_FALSE(pane.IsZoomed());
    // A click keeps the selection there was before it.
    f.unit.SetSelectMarks(200, 100);
    f.window.zoomMode = 1;
    pane.SetRandomSource([] { return 0; });
    Click(pane, {20, 10});
    EXPECT_TRUE(pane.IsZoomed());
    EXPECT_DOUBLE_EQ(pane.FirstVisibleWavePos(), 100.0);
    EXPECT_DOUBLE_EQ(pane.LastVisibleWavePos(), 200.0);
    f.window.zoomMode = 2;
    Click(pane, {20, 10});
    EXPECT_FALSE(pane.IsZoomed());
    EXPECT_EQ(f.window.zoomMode, 0);
}

TEST(ViewWaveMouse, RightDragZoomsInDownwardsAndOutUpwards)
{
    ViewFixture f(ViewMono(3000, ViewSine), 50, 300);
    TViewWave& pane = f.Pane(2);
    SendMouse(pane, QEvent::MouseMove, {150, 30}, Qt::NoButton, Qt::NoButton);
    SendMouse(pane, QEvent::MouseButtonPress, {150, 30}, Qt::RightButton, Qt::RightButton);
    SendMouse(pane, QEvent::MouseMove, {150, 40}, Qt::NoButton, Qt::RightButton);
    ASSERT_TRUE(pane.IsZoomed());
    double width = pane.LastVisibleWavePos() - pane.FirstVisibleWavePos();
    EXPECT_LT(width, 3000 * 0.6);
    EXPECT_NEAR((pane.LastVisibleWavePos() + pane.FirstVisibleWavePos()) / 2, 1500, 40);
    // Far upwards shows the whole wave again, unzoomed.
    SendMouse(pane, QEvent::MouseMove, {150, 0}, Qt::NoButton, Qt::RightButton);
    EXPECT_FALSE(pane.IsZoomed());
}

struct DrawingFixture : ViewFixture {
    DrawingFixture() : ViewFixture(ViewMono(0, ViewSine), 50, 200, 101)
    {
        unit.StartUserDraw(DrawLinear);
        group->InvalidateViews();
        PaintNow();
    }
    ~DrawingFixture() { unit.EndUserDraw(); }
};

TEST(ViewWaveMouse, DrawingAddsMovesAndRemovesNodes)
{
    DrawingFixture f;
    TViewWave& pane = f.Pane(2);
    ASSERT_EQ(f.unit.GetDrawNodeCount(), 2);
    // A click away from the nodes adds one there.
    Click(pane, {100, 20});
    ASSERT_EQ(f.unit.GetDrawNodeCount(), 3);
    TDrawNode* inner = f.unit.GetDrawNodes()->GetNext();
    EXPECT_NEAR(inner->Position, 0.5, 0.01);
    EXPECT_GT(inner->Value, 16000);
    EXPECT_TRUE(f.unit.IsChanged());
    // Dragging it moves it; dragging it out of the pane removes it.
    SendMouse(pane, QEvent::MouseMove, {101, 21}, Qt::NoButton, Qt::NoButton);
    SendMouse(pane, QEvent::MouseButtonPress, {101, 21}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(pane, QEvent::MouseMove, {120, 50}, Qt::NoButton, Qt::LeftButton);
    EXPECT_NEAR(inner->Value, 324, 2); // row 50 of 101
    EXPECT_NEAR(inner->Position, 0.595, 0.01);
    SendMouse(pane, QEvent::MouseMove, {120, 150}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(inner->Visible, 0);
    SendMouse(pane, QEvent::MouseButtonRelease, {120, 150}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.unit.GetDrawNodeCount(), 2);
}

TEST(ViewWaveMouse, AClickWhereANodeAlreadyIsLeavesTheListAsItWas)
{
    DrawingFixture f;
    TViewWave& pane = f.Pane(2);
    // The first node stands at the left edge in the middle; a click at the
    // edge far above it makes a node at its position, which is refused.
    Click(pane, {0, 5});
    EXPECT_EQ(f.unit.GetDrawNodeCount(), 2);
    EXPECT_EQ(f.unit.GetDrawNodes()->Value, 0);
    // Releasing with no node dragged changes nothing.
    SendMouse(pane, QEvent::MouseButtonRelease, {30, 30}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.unit.GetDrawNodeCount(), 2);
}

TEST(ViewWaveMouse, TheEndNodesStayInThePaneWhenDraggedOut)
{
    DrawingFixture f;
    TViewWave& pane = f.Pane(2);
    int32_t middle = pane.GetHeight() / 2;
    SendMouse(pane, QEvent::MouseMove, {0, middle}, Qt::NoButton, Qt::NoButton);
    SendMouse(pane, QEvent::MouseButtonPress, {0, middle}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(pane, QEvent::MouseMove, {10, -40}, Qt::NoButton, Qt::LeftButton);
    SendMouse(pane, QEvent::MouseButtonRelease, {10, -40}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.unit.GetDrawNodeCount(), 2);
    EXPECT_EQ(f.unit.GetDrawNodes()->Position, 0.0);
    EXPECT_EQ(f.unit.GetDrawNodes()->Value, 32767);
}

} // namespace
