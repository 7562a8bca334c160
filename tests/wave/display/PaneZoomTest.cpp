#include "wave/display/PaneMap.h"
#include "wave/display/PaneZoom.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TRandomSource Fixed(int value)
{
    return [value] { return value; };
}

TEST(PaneZoom, WholeWaveFillsTheWidthAndTheRandomPixelLandsOneFurther)
{
    for (auto [random, position] : {std::pair{0, 0}, std::pair{16383, 0}, std::pair{16384, 1}, std::pair{32767, 1}}) {
        TPaneZoom zoom;
        zoom.ZoomToRange(0, 1000, 1000, 200, Fixed(random));
        EXPECT_TRUE(zoom.Zoomed);
        EXPECT_EQ(zoom.Range, 200);
        EXPECT_EQ(zoom.Position, position) << random;
        EXPECT_EQ(zoom.Increment, 20);
    }
}

TEST(PaneZoom, RangeAndVisibleValues)
{
    TPaneZoom zoom;
    zoom.ZoomToRange(250, 500, 1000, 100, Fixed(0));
    EXPECT_EQ(zoom.Range, 400);
    EXPECT_EQ(zoom.Position, 100);
    EXPECT_DOUBLE_EQ(zoom.FirstVisibleWavePos(1000), 250.0);
    EXPECT_DOUBLE_EQ(zoom.LastVisibleWavePos(1000, 100), 500.0);
    zoom.UnZoom();
    EXPECT_DOUBLE_EQ(zoom.FirstVisibleWavePos(1000), 0.0);
    EXPECT_DOUBLE_EQ(zoom.LastVisibleWavePos(1000, 100), 1000.0);
}

TEST(PaneZoom, EqualEndsGiveTheLargestZoom)
{
    TPaneZoom zoom;
    zoom.ZoomToRange(40, 40, 100, 50, Fixed(0));
    EXPECT_EQ(zoom.Range, 50 * 100);
    EXPECT_EQ(zoom.Position, 40 * 50);
}

TEST(PaneZoom, AZoomIntoALongWaveKeepsItsScrollRangeWithinAnInt)
{
    // 1000 pixels for one value of an hour of sound would need a range of
    // 1.6e11 pixels.
    TPaneZoom zoom;
    const int32_t values = 44100 * 3600;
    zoom.ZoomToRange(values - 1, values - 1, values, 1000, Fixed(32767));
    EXPECT_EQ(zoom.Range, TPaneZoom::MaxRange);
    EXPECT_GT(zoom.Position, 0);
    EXPECT_LE(static_cast<int64_t>(zoom.ScrollMaximum(1000)) + 1000, INT_MAX);
    double first = zoom.FirstVisibleWavePos(values), last = zoom.LastVisibleWavePos(values, 1000);
    EXPECT_LE(first, values - 1 + 1.0); // the random pixel may pass it by a fraction
    EXPECT_GE(last, values - 1);
}

TEST(PaneMap, AnUnzoomedPaneMapsColumnCentres)
{
    TPaneMap map{{0, 0, 200, 50}, 0, 1000};
    EXPECT_DOUBLE_EQ(map.PixelToWavePos(0), 0.5 * 1000 / 200);
    EXPECT_DOUBLE_EQ(map.PixelToWavePos(7), 7.5 * 1000 / 200);
    EXPECT_EQ(map.WavePosToPixel(1000), 200);
    EXPECT_EQ(map.WavePosToPixel(999), 199);
    EXPECT_EQ(map.ValueUnder(-10, 1000), 0);
    EXPECT_EQ(map.ValueUnder(500, 1000), 999);
    EXPECT_DOUBLE_EQ(map.PixelToSeconds(100, 1000), 0.5);
    EXPECT_DOUBLE_EQ(ColumnToSeconds(map.rect, 0, 1000, 200, 100), 10.0);
}

TEST(DragZoom, NoMoveRepeatsTheZoomAndTheWholeWaveUnzooms)
{
    int32_t first = 0, last = 0;
    EXPECT_TRUE(DragZoomRange(100, 300, 200, 0, 1000, first, last));
    EXPECT_EQ(first, 100);
    EXPECT_EQ(last, 300);
    // Moving down narrows the range around the centre, up widens it.
    EXPECT_TRUE(DragZoomRange(100, 300, 200, -10, 1000, first, last));
    EXPECT_GT(first, 100);
    EXPECT_LT(last, 300);
    EXPECT_FALSE(DragZoomRange(100, 300, 200, 40, 1000, first, last));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 999);
    // At most a range of two values.
    EXPECT_TRUE(DragZoomRange(199, 201, 200, -100, 1000, first, last));
    EXPECT_EQ(last - first, 2);
}

} // namespace
