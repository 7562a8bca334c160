#include "DisplayTestSupport.h"

#include "wave/display/VolumeArray.h"
#include "wave/document/DrawNode.h"
#include "wave/display/WaveformPainter.h"

#include <gtest/gtest.h>

namespace {

// Every pixel of the picture has this colour.
::testing::AssertionResult AllPixels(const TPixelCanvas& canvas, uint32_t color)
{
    for (int32_t y = 0; y < canvas.GetHeight(); ++y)
        for (int32_t x = 0; x < canvas.GetWidth(); ++x)
            if (canvas.GetColor(x, y) != color)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex
                                                     << canvas.GetColor(x, y) << " not " << color;
    return ::testing::AssertionSuccess();
}

TWaveViewProps NoGrid()
{
    TWaveViewProps props;
    props.UseGrid = false;
    props.BackgroundColor = 0x102030;
    props.SingleColor = 0x405060;
    props.CursorColor = 0x00FF00;
    return props;
}

TEST(PanePainter, AnEmptyWaveIsAllBackgroundInBothShowKinds)
{
    for (uint8_t kind : {waveWindWave, waveWindVolume}) {
        DisplayFixture f(MonoOf(0, Silence), 20, 10);
        f.group.SetWaveViewProps(NoGrid());
        f.group.SetShowKind(kind);
        f.canvas.FillRect(f.canvas.Bounds(), 0xFFFFFF);
        f.Paint();
        EXPECT_TRUE(AllPixels(f.canvas, 0x102030)) << int(kind);
    }
}

TEST(PanePainter, AFullSelectionPaintsEverythingInverted)
{
    DisplayFixture f(MonoOf(40, Silence), 20, 11);
    f.group.SetWaveViewProps(NoGrid());
    f.unit.SetSelection(0, 40);
    f.Paint();
    // Background in the single colour, the silent wave on the middle row in
    // the background colour; the cursor stands at the end, on the last value.
    for (int32_t x = 0; x < 19; ++x) {
        EXPECT_EQ(f.canvas.GetColor(x, 0), 0x405060u) << x;
        EXPECT_EQ(f.canvas.GetColor(x, 5), 0x102030u) << x;
    }
    EXPECT_EQ(f.canvas.GetColor(19, 0), 0x00FF00u);
}

TEST(PanePainter, TheCursorAtTheEndStandsAtTheLastValue)
{
    DisplayFixture f(MonoOf(10, Silence), 100, 10);
    f.group.SetWaveViewProps(NoGrid());
    f.unit.SetCursor(10);
    f.Paint();
    for (int32_t y = 0; y < 10; ++y)
        EXPECT_EQ(f.canvas.GetColor(90, y), 0x00FF00u) << y;
    EXPECT_EQ(f.canvas.GetColor(99, 0), 0x102030u);
    f.unit.SetCursor(3);
    f.Paint();
    EXPECT_EQ(f.canvas.GetColor(30, 0), 0x00FF00u);
    EXPECT_EQ(f.canvas.GetColor(90, 0), 0x102030u);
}

TEST(PanePainter, PixelStrengthBlendsAndClampsEachChannel)
{
    TPixelCanvas canvas(2, 1);
    canvas.SetColor(0, 0, 0x1E140A);
    BlendPixel(canvas, 0, 0, 0x32281E, 0.5);
    EXPECT_EQ(canvas.GetColor(0, 0), 0x281E14u);
    BlendPixel(canvas, 0, 0, 0x123456, 1.0);
    EXPECT_EQ(canvas.GetColor(0, 0), 0x123456u);
    // Red 100 towards 200 at strength 2 would be 300: it stays 255, and green
    // keeps its 0.
    canvas.SetColor(1, 0, 0x000064);
    BlendPixel(canvas, 1, 0, 0x0000C8, 2.0);
    EXPECT_EQ(canvas.GetColor(1, 0), 0x0000FFu);
}

TEST(PanePainter, LinesJoinTheValuesOfAColumn)
{
    // A ramp from -32768 up: with one value per pixel each column is a short
    // segment, and the picture climbs from the bottom to the top.
    DisplayFixture f(MonoOf(64, [](int32_t i) { return int16_t(-32768 + i * 1024); }), 64, 64);
    TWaveViewProps props = NoGrid();
    props.ValuesPerPixel = unitIntegerPosMore(1, EHNone);
    f.group.SetWaveViewProps(props);
    f.unit.SetCursor(0);
    f.Paint();
    // Value v lies at row trunc(v x -64 / 65536 + 32).
    EXPECT_EQ(f.canvas.GetColor(10, 32 - (-32768 + 10 * 1024) / 1024), 0x405060u);
    EXPECT_EQ(f.canvas.GetColor(50, 32 - (-32768 + 50 * 1024) / 1024), 0x405060u);
    EXPECT_EQ(f.canvas.GetColor(50, 63), 0x102030u);
}

TEST(PanePainter, StereoHalvesAndJoinedPicture)
{
    DisplayFixture f(StereoOf(50, [](int32_t) { return int16_t(16000); }, [](int32_t) { return int16_t(-16000); }),
                     50, 40);
    TWaveViewProps props = NoGrid();
    props.LeftColor = 0x0000FF;
    props.RightColor = 0xFF0000;
    props.DrawSingle = false;
    f.group.SetWaveViewProps(props);
    f.Paint();
    // Joined: left at row trunc(16000 x -40 / 65536 + 20) = 10, right at 29.
    EXPECT_EQ(f.canvas.GetColor(20, 10), 0x0000FFu);
    EXPECT_EQ(f.canvas.GetColor(20, 29), 0xFF0000u);
    props.DrawSingle = true;
    f.group.SetWaveViewProps(props);
    f.Paint();
    // Single: each channel in its half in the single colour, a grid line between.
    EXPECT_EQ(f.canvas.GetColor(20, 5), 0x405060u);
    EXPECT_EQ(f.canvas.GetColor(20, 34), 0x405060u);
    EXPECT_EQ(f.canvas.GetColor(20, 20), props.GridColor);
}

TEST(PanePainter, VolumeCellsOfValueZeroShowTheBackground)
{
    DisplayFixture f(MonoOf(100, Silence), 10, 4);
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(10, EHNone);
    props.YResolution = unitIntegerPosMore(4, EHNone);
    props.BackgroundColor = 0x111111;
    props.SingleColor = 0xEEEEEE;
    props.Strength = unitFactorPosMore(1.0, EHNone);
    f.group.SetVoldViewProps(props);
    auto array = std::make_shared<TVolumeArray>(10, 4);
    array->SetVolume(3, 1, 1.0f);
    array->SetColumnsWritten(10);
    f.group.SetVolumeArraySingle(array);
    f.unit.SetCursor(0);
    f.canvas.FillRect(f.canvas.Bounds(), 0xABCDEF);
    f.Paint();
    EXPECT_EQ(f.canvas.GetColor(5, 0), 0x111111u);
    EXPECT_EQ(f.canvas.GetColor(3, 1), 0xEEEEEEu);
    // Columns not yet computed are left as they were.
    array->SetColumnsWritten(2);
    f.canvas.FillRect(f.canvas.Bounds(), 0xABCDEF);
    f.Paint();
    EXPECT_EQ(f.canvas.GetColor(1, 2), 0x111111u);
    EXPECT_EQ(f.canvas.GetColor(5, 2), 0xABCDEFu);
}

TEST(PanePainter, PartialRepaintsCoverTheColumnsOfTheChange)
{
    DisplayFixture f(MonoOf(100, Silence), 100, 10);
    TPaneRect range = RepaintWaveRangeRect(f.pane, 20, 30);
    EXPECT_EQ(range.left, 19);
    EXPECT_EQ(range.right, 31);
    TPaneRect pos = RepaintWavePosRect(f.pane, 50);
    EXPECT_EQ(pos.left, 49);
    EXPECT_EQ(pos.right, 51);
    EXPECT_EQ(pos.bottom, 10);
}

TEST(PanePainter, APendingFullPaintMakesPartialPaintsWait)
{
    DisplayFixture f(MonoOf(100, Silence), 100, 10);
    f.group.SetWaveViewProps(NoGrid());
    f.unit.SetCursor(0);
    f.canvas.FillRect(f.canvas.Bounds(), 0xABCDEF);
    f.pane.repaintPending = true;
    PaintViewPart(f.canvas, f.pane, {10, 0, 20, 10}, false, false, f.group.GetWaveViewProps(),
                  f.group.GetVoldViewProps(), waveWindWave);
    EXPECT_EQ(f.canvas.GetColor(15, 0), 0xABCDEFu);
}

TEST(PanePainter, TheTimeGridMarksEveryStepAndTheZeroLine)
{
    // One second over 100 pixels: a step of 0.2 s suits 20 columns.
    DisplayFixture f(MonoOf(44100, Silence), 100, 21);
    TWaveViewProps props = NoGrid();
    props.UseGrid = true;
    props.GridColor = 0x0000AA;
    f.group.SetWaveViewProps(props);
    f.unit.SetCursor(44100);
    f.Paint();
    for (int32_t x : {20, 40, 80})
        EXPECT_EQ(f.canvas.GetColor(x, 0), 0x0000AAu) << x;
    int lines = 0;
    for (int32_t x = 0; x < 99; ++x)
        lines += f.canvas.GetColor(x, 0) == 0x0000AAu;
    EXPECT_EQ(lines, 4);
    EXPECT_EQ(f.canvas.GetColor(50, 10), 0x0000AAu);

    // A system colour is painted in the colour it stands for.
    props.GridColor = 0xFF000002;
    f.group.SetWaveViewProps(props);
    f.Paint();
    EXPECT_EQ(f.canvas.GetColor(50, 10), ResolveColor(0xFF000002));
    EXPECT_NE(ResolveColor(0xFF000002), 0x000002u);
}

TEST(PanePainter, HandDrawingShowsTheNodes)
{
    DisplayFixture f(MonoOf(0, Silence), 100, 41);
    f.unit.StartUserDraw(DrawLinear);
    f.unit.InsertDrawNode(std::make_unique<TDrawNode>(int16_t(16000), 0.5));
    f.unit.MakeUserDrawnSound();
    f.pane.map.last = f.unit.GetValues();
    TWaveViewProps props = NoGrid();
    props.GridColor = 0x0000AA;
    f.group.SetWaveViewProps(props);
    f.Paint();
    // The middle node at column 50, row trunc(LinearMap(16000, 32767, -32767, 0, 41)) = 10:
    // its centre pixel in the pen colour, its inside in the fill colour.
    EXPECT_EQ(f.canvas.GetColor(50, 10), 0x405060u);
    EXPECT_EQ(f.canvas.GetColor(51, 10), 0x0000AAu);
    EXPECT_EQ(f.canvas.GetColor(50, 30), 0x102030u);
    f.unit.EndUserDraw();
}

} // namespace
