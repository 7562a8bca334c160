#include "wave/display/PixelCanvas.h"
#include "wave/display/VolumePainter.h"
#include "wave/view/VoldViewProps.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t A = 0x000000, B = 0xFFFFFF, L = 0x0000FF, R = 0xFF0000;

TEST(VolumeCells, WeightFollowsTheSensitivityCurveAndStopsAtOne)
{
    TVoldViewProps props;
    props.Strength = unitFactorPosMore(1.0, EHNone);
    struct Case {
        uint8_t sens;
        double value;
        double weight;
    } cases[] = {{SensLow, 0.5, 0.25}, {SensNormal, 0.5, 0.5}, {SensHigh, 0.25, 0.5}, {SensVeryHigh, 0.0625, 0.5}};
    for (const Case& c : cases) {
        props.SensKind = c.sens;
        EXPECT_DOUBLE_EQ(VolumeCellWeight(c.value, props), c.weight) << int(c.sens);
    }
    props.SensKind = SensNormal;
    props.Strength = unitFactorPosMore(1.3, EHNone);
    EXPECT_DOUBLE_EQ(VolumeCellWeight(0.77, props), 1.0);
    EXPECT_LT(VolumeCellWeight(0.76, props), 1.0);
    EXPECT_DOUBLE_EQ(VolumeCellWeight(0.0, props), 0.0);
}

TEST(VolumeCells, OneChannelMixesFromBackgroundToSingleOrReadsThePalette)
{
    TVoldViewProps props;
    EXPECT_EQ(VolumeCellColor(0.0, props.BackgroundColor, props.SingleColor, false, props), props.BackgroundColor);
    EXPECT_EQ(VolumeCellColor(1.0, props.BackgroundColor, props.SingleColor, false, props), props.SingleColor);
    EXPECT_EQ(VolumeCellColor(0.5, 0x000000, 0x0A1428, false, props), 0x050A14u);
    props.UseColorPalette1D = true;
    props.ColorPalette1D = TColorPalette1DItem(0x000010, 0x0000F0);
    EXPECT_EQ(VolumeCellColor(0.0, A, B, false, props), 0x000010u);
    EXPECT_EQ(VolumeCellColor(0.0, A, B, true, props), 0x0000F0u);
}

TEST(VolumeCells, JoinedStereoFollowsTheLouderChannel)
{
    // Equal levels show B, a channel alone its own colour, silence A.
    EXPECT_EQ(VolumeCellJoinedColor(1.0, 1.0, A, B, L, R), B);
    EXPECT_EQ(VolumeCellJoinedColor(1.0, 0.0, A, B, L, R), L);
    EXPECT_EQ(VolumeCellJoinedColor(0.0, 1.0, A, B, L, R), R);
    EXPECT_EQ(VolumeCellJoinedColor(0.0, 0.0, A, B, L, R), A);
    // Left at 0.5, right at 0.25: t = 0.5, each channel (B t + L (1 - t)) 0.5.
    EXPECT_EQ(VolumeCellJoinedColor(0.5, 0.25, A, B, L, R), 0x3F3F7Fu);
    EXPECT_EQ(VolumeCellJoinedColor(0.25, 0.5, A, B, L, R), 0x7F3F3Fu);
}

TEST(VolumeCells, CellRangeCoversEveryCellThePartTouches)
{
    // 100 pixels showing 1000 values, 10 columns of 4 rows over 40 pixels of height.
    TPaneRect k{0, 0, 100, 40};
    TVolumeCellRange all = GetVolumeCellRange(k, k, 0, 1000, 10, 4, 1000);
    EXPECT_EQ(all.c0, 0);
    EXPECT_EQ(all.c1, 11);
    EXPECT_EQ(all.r0, 0);
    EXPECT_EQ(all.r1, 5);
    EXPECT_DOUBLE_EQ(all.x1, 110.0);
    TVolumeCellRange cut = GetVolumeCellRange(k, {15, 5, 25, 15}, 0, 1000, 10, 4, 1000);
    EXPECT_EQ(cut.c0, 1);
    EXPECT_EQ(cut.c1, 3);
    EXPECT_EQ(cut.r0, 0);
    EXPECT_EQ(cut.r1, 2);
    EXPECT_DOUBLE_EQ(cut.x0, 10.0);
    EXPECT_DOUBLE_EQ(cut.y1, 20.0);

    TPixelCanvas canvas(100, 40);
    canvas.FillRect(canvas.Bounds(), 0x123456);
    // Cell (1, 0) covers x 10..19, y 0..9; the clip cuts it at x 15.
    PaintVolumeCell(canvas, 0xABCDEF, 1, 0, cut, {15, 5, 24, 14});
    EXPECT_EQ(canvas.GetColor(14, 6), 0x123456u);
    EXPECT_EQ(canvas.GetColor(15, 5), 0xABCDEFu);
    EXPECT_EQ(canvas.GetColor(19, 9), 0xABCDEFu);
    EXPECT_EQ(canvas.GetColor(20, 9), 0x123456u);
    EXPECT_EQ(canvas.GetColor(19, 10), 0x123456u);
}

TEST(VolumeCells, RefreshRectOfNewColumns)
{
    TPaneRect client{0, 0, 100, 40};
    // Columns 2..5 of 10 over the whole of a 1000-value wave shown whole.
    auto rect = VolumeRefreshRect(client, 0, 1000, 1000, 2, 5, 10, 0, 1000, 1000, false, 2);
    ASSERT_TRUE(rect);
    EXPECT_EQ(*rect, (TPaneRect{20, 0, 50, 40}));
    auto lower = VolumeRefreshRect(client, 0, 1000, 1000, 2, 5, 10, 0, 1000, 1000, true, 1);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->top, 20);
    // Outside a zoomed pane: nothing.
    EXPECT_FALSE(VolumeRefreshRect(client, 600, 700, 1000, 2, 5, 10, 0, 1000, 1000, false, 2));
    // A backdrop of the selection 500..1000 of another wave stretched over this one.
    auto backdrop = VolumeRefreshRect(client, 0, 200, 200, 5, 10, 10, 500, 1000, 1000, false, 2);
    ASSERT_TRUE(backdrop);
    EXPECT_EQ(*backdrop, (TPaneRect{0, 0, 100, 40}));
}

} // namespace
