#include "ViewWaveTestSupport.h"

#include "wave/MainFormAccess.h"
#include "wave/display/VolumeArray.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// Records zoom news from the view.
class ZoomRecorder : public MainFormAccess {
public:
    ZoomRecorder() { previous = SetMainFormAccess(this); }
    ~ZoomRecorder() override { SetMainFormAccess(previous); }
    void WaveZoomChanged(TMDIChildWave*, int pane) override { panes.push_back(pane); }
    std::vector<int> panes;

private:
    MainFormAccess* previous;
};

TEST(ViewWaveGroup, SplitPositionRoundsAndKeepsAPixelForEachPane)
{
    ViewFixture f(ViewMono(1000, ViewSine), 300, 301);
    ASSERT_EQ(f.group->GetViewsWidth(), 601);
    f.group->SetSplitPosition(0.5);
    EXPECT_EQ(f.Pane(1).width(), 301);
    EXPECT_EQ(f.Pane(2).width(), 300);
    f.group->SetSplitPosition(0.0);
    EXPECT_EQ(f.Pane(1).width(), 1);
    f.group->SetSplitPosition(1.0);
    EXPECT_EQ(f.Pane(2).width(), 1);
    EXPECT_DOUBLE_EQ(f.group->GetSplitPosition(), 600.0 / 601.0);
}

TEST(ViewWaveGroup, ZoomLivesInTheScrollBar)
{
    ZoomRecorder recorder;
    ViewFixture f(ViewMono(1000, ViewSine), 100, 200);
    TViewWave& pane = f.Pane(2);
    int heightUnzoomed = pane.GetHeight();
    for (auto [random, position] : {std::pair{0, 0}, std::pair{30000, 1}}) {
        pane.SetRandomSource([random = random] { return random; });
        pane.ZoomToRange(0, 1000, false);
        EXPECT_EQ(pane.GetZoom().Range, 200);
        EXPECT_EQ(pane.GetZoom().Position, position);
    }
    EXPECT_TRUE(pane.IsZoomed());
    EXPECT_LT(pane.GetHeight(), heightUnzoomed);
    EXPECT_EQ(recorder.panes.back(), 2);
    EXPECT_TRUE(f.unit.IsShadowChanged());
    // The panes' common height counts the scroll bar, whichever pane shows one.
    EXPECT_EQ(f.group->GetViewsHeight(), 60);
    f.Pane(1).ZoomToRange(0, 500, false);
    EXPECT_EQ(f.group->GetViewsHeight(), 60);
    f.Pane(1).UnZoom();

    pane.SetRandomSource([] { return 0; });
    pane.ZoomToRange(400, 500, true);
    EXPECT_DOUBLE_EQ(pane.FirstVisibleWavePos(), 400.0);
    EXPECT_DOUBLE_EQ(pane.LastVisibleWavePos(), 500.0);
    EXPECT_DOUBLE_EQ(pane.PixelToWavePos(0), 400.25);
    EXPECT_EQ(pane.WavePosToPixel(450), 100);
    // Scrolling moves the visible range by the scroll bar's pixels.
    pane.findChild<QScrollBar*>()->setValue(pane.GetZoom().Position + 200);
    EXPECT_DOUBLE_EQ(pane.FirstVisibleWavePos(), 500.0);
    pane.UnZoom();
    EXPECT_FALSE(pane.IsZoomed());
    EXPECT_EQ(pane.GetHeight(), heightUnzoomed);
    EXPECT_DOUBLE_EQ(pane.LastVisibleWavePos(), 1000.0);
}

TEST(ViewWaveGroup, EndKeepZoomUnzoomsWhenTheKeptRangeCollapses)
{
    ViewFixture f(ViewMono(1000, ViewSine), 100, 200);
    TViewWave& pane = f.Pane(2);
    pane.SetRandomSource([] { return 0; });
    pane.ZoomToRange(400, 500, false);
    f.group->BeginKeepZoom(300, 600);
    f.unit.ExchangeSound(ViewMono(700, ViewSine));
    f.group->EndKeepZoom(300, 300);
    EXPECT_FALSE(pane.IsZoomed());
}

TEST(ViewWaveGroup, LayingOutAFreshWindowDoesNotChangeTheSideFile)
{
    ViewFixture f(ViewMono(1000, ViewSine), 100, 200, 60, false);
    f.group->resize(500, 80);
    f.group->GetSplitter()->setSizes({150, 347});
    QApplication::processEvents();
    EXPECT_FALSE(f.unit.IsShadowChanged());
    f.group->show();
    QApplication::processEvents();
    f.PaintNow();
    EXPECT_FALSE(f.unit.IsShadowChanged());
    // The user resizing a shown window does.
    f.group->resize(400, 80);
    QApplication::processEvents();
    EXPECT_TRUE(f.unit.IsShadowChanged());
}

TEST(ViewWaveGroup, PanesPaintTheirPictures)
{
    for (uint8_t kind : {waveWindWave, waveWindVolume}) {
        ViewFixture f(ViewMono(0, ViewSine), 50, 80, 40);
        f.group->SetShowKind(kind);
        f.group->InvalidateViews();
        f.PaintNow();
        const TPixelCanvas& canvas = f.Pane(2).GetCanvas();
        ASSERT_EQ(canvas.GetWidth(), 80);
        uint32_t background = f.group->GetWaveViewProps().BackgroundColor;
        for (int32_t y = 0; y < canvas.GetHeight(); ++y)
            for (int32_t x = 0; x < canvas.GetWidth(); ++x)
                ASSERT_EQ(canvas.GetColor(x, y), background) << x << "," << y << " kind " << int(kind);
    }
    EXPECT_EQ(TWaveViewProps().BackgroundColor, 0xFFFFFFu);
}

TEST(ViewWaveGroup, SelectionChangesRepaintOnlyTheirColumns)
{
    ViewFixture f(ViewMono(200, [](int32_t) { return int16_t(0); }), 50, 200, 40);
    TWaveViewProps props = f.group->GetWaveViewProps();
    props.UseGrid = false;
    f.group->SetWaveViewProps(props);
    f.group->InvalidateViews();
    f.PaintNow();
    const TPixelCanvas& canvas = f.Pane(2).GetCanvas();
    EXPECT_EQ(canvas.GetColor(120, 0), props.BackgroundColor);
    f.unit.SelectRange(100, 150);
    EXPECT_FALSE(f.Pane(2).IsRepaintPending());
    EXPECT_EQ(canvas.GetColor(120, 0), props.SingleColor);
    EXPECT_EQ(canvas.GetColor(99, 0), props.BackgroundColor);
    EXPECT_EQ(canvas.GetColor(150, 0), props.CursorColor);
    f.unit.PlaceCursor(10);
    EXPECT_EQ(canvas.GetColor(120, 0), props.BackgroundColor);
    EXPECT_EQ(canvas.GetColor(10, 0), props.CursorColor);
}

TEST(ViewWaveGroup, KeysActOnTheRightPaneOrWithAltOnTheLeft)
{
    ViewFixture f(ViewMono(300, ViewSine), 100, 300);
    f.unit.SetCursor(150);
    EXPECT_TRUE(f.group->HandleKey(Qt::Key_Right, Qt::NoModifier));
    EXPECT_EQ(f.unit.GetCursorPos(), 151);
    f.unit.SetCursor(150);
    // The left pane shows three values to a pixel.
    EXPECT_TRUE(f.group->HandleKey(Qt::Key_Right, Qt::AltModifier));
    EXPECT_EQ(f.unit.GetCursorPos(), 154);
    EXPECT_FALSE(f.group->HandleKey(Qt::Key_A, Qt::NoModifier));
}

TEST(ViewWaveGroup, KeyExamples)
{
    ViewFixture f(ViewMono(100, ViewSine), 50, 100);
    f.unit.SetSelectMarks(30, 10);
    f.group->HandleKey(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.unit.GetSelectBegin(), 80);
    EXPECT_EQ(f.unit.GetSelectEnd(), 100);
    f.group->HandleKey(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.unit.GetSelectBegin(), 0);
    EXPECT_EQ(f.unit.GetSelectEnd(), 20);
    f.unit.SetSelectMarks(100, 80);
    f.group->HandleKey(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(f.unit.GetCursorPos(), 100);
    EXPECT_EQ(f.unit.GetAnchorPos(), 100);
}

TEST(ViewWaveGroup, ShowKindSetsTheWindowIcon)
{
    ViewFixture f(ViewMono(100, ViewSine), 50, 100);
    f.group->SetVoldViewProps(TVoldViewProps());
    EXPECT_EQ(f.window.icon, waveWindVolume);
    f.group->SetWaveViewProps(TWaveViewProps());
    EXPECT_EQ(f.window.icon, waveWindWave);
}

} // namespace
