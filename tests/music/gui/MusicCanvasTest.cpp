#include "foundation/draw/RecordingCanvas.h"
#include "music/layout/MusicPainter.h"
#include "platform/qt/QtCanvas.h"
#include "tests/music/MusicTreeSupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

using Op = TRecordingCanvas::TOp;
// Red in the low byte: the stave's ink is a dark red, its band white.
constexpr TCanvasColor Ink = CanvasRgb(160, 0, 0);
const QRgb InkPixel = qRgb(160, 0, 0);
const QRgb Paper = qRgb(255, 255, 255);

// A stave painted through the Qt canvas into an image and on the recording
// canvas alike: the pixels must stand where the recorded geometry says.
struct MusicCanvas : MusicTree {
    static constexpr int Width = 420;
    QImage image{Width, 200, QImage::Format_RGB32};
    TRecordingCanvas recording;
    TSinglePartMuz* bar = nullptr;
    int32_t middle = 0;

    MusicCanvas()
    {
        stave->ForegroundColor = Ink;
        stave->BackgroundColor = 0xFFFFFF;
        stave->GetStartNoteGroup()->NoteColor = Ink;
        SetRoot(Bar(&bar));
        // Two beamed eighths, a quarter, and a half tied over the bar line.
        Note(bar, 0.0, 6, 8);
        Note(bar, 0.125, 8, 8);
        Note(bar, 0.25, 7, 4);
        Note(bar, 0.75, 6, 2);
        image.fill(qRgb(1, 2, 3));
        const TCanvasRect clip{0, 0, Width, 200};
        {
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            TMusicPaintPass(muz, 0, 0).Paint(canvas, clip, nullptr);
        }
        TMusicPaintPass(muz, 0, 0).Paint(recording, clip, nullptr);
        middle = stave->GetMiddleY();
    }
    QRgb At(int x, int y) const { return image.pixel(x, y); }
    std::vector<std::vector<TCanvasPoint>> Lines() const
    {
        std::vector<std::vector<TCanvasPoint>> lines;
        for (const auto& call : recording.CallsOf(Op::Line))
            lines.push_back(call.Points);
        return lines;
    }
};

} // namespace

TEST_F(MusicCanvas, StaveLinesBarLinesAndTheEndBarStandOnTheirPixels)
{
    // The five lines across the whole width, over everything else.
    for (int i = -2; i <= 2; ++i)
        for (int x : {0, 150, Width - 1})
            EXPECT_EQ(At(x, middle + 10 * i), InkPixel) << i << " " << x;
    EXPECT_EQ(At(Width - 1, middle + 5), Paper);

    // Each bar line from 20 above the middle to 20 below, the end left out.
    std::vector<int32_t> barLines;
    for (const auto& line : Lines())
        if (line[0].X == line[1].X && line[0].Y == middle - 20 && line[1].Y == middle + 20)
            barLines.push_back(line[0].X);
    ASSERT_EQ(barLines.size(), 1u);
    for (int y = middle - 20; y < middle + 20; ++y)
        EXPECT_EQ(At(barLines[0], y), InkPixel) << y;
    EXPECT_EQ(At(barLines[0], middle - 21), Paper);
    EXPECT_EQ(At(barLines[0] + 1, middle - 15), Paper);

    // The closing bar: 1 px, a 2 px gap, 4 px; nothing beyond.
    const auto rects = recording.CallsOf(Op::FillRect);
    ASSERT_GE(rects.size(), 2u);
    const int32_t x = rects[rects.size() - 2].Rect.Left;
    EXPECT_EQ(rects.back().Rect.Left, x + 3);
    const int y = middle - 15;
    const QRgb expected[] = {InkPixel, Paper, Paper, InkPixel, InkPixel, InkPixel, InkPixel, Paper};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(At(x + i, y), expected[i]) << i;
    // Outside the band the window is dark grey.
    EXPECT_EQ(At(10, middle + 81), qRgb(0x40, 0x40, 0x40));
    EXPECT_EQ(At(10, middle + 79), Paper);
}

TEST_F(MusicCanvas, TheBeamAndTheTieAreFilledWhereTheRecordSaysAndNowhereElse)
{
    // The beam: five one-pixel lines from stem to stem; a pixel inside each.
    std::vector<std::vector<TCanvasPoint>> beam;
    for (const auto& line : Lines())
        if (line[1].X - line[0].X > 10 && line[0].Y != line[1].Y && line[0].Y > middle - 80)
            beam.push_back(line);
    ASSERT_EQ(beam.size(), 5u);
    for (const auto& line : beam) {
        const int mx = (line[0].X + line[1].X) / 2;
        const double t = double(mx - line[0].X) / (line[1].X - line[0].X);
        const int my = line[0].Y + static_cast<int>(t * (line[1].Y - line[0].Y));
        const QRgb found[] = {At(mx, my - 1), At(mx, my), At(mx, my + 1)};
        EXPECT_TRUE(std::count(std::begin(found), std::end(found), InkPixel) > 0) << mx << "," << my;
    }
    // Its line's own end point is left out: the pixel after the last one.
    EXPECT_NE(At(beam[0][1].X + 1, beam[0][1].Y - 3), InkPixel);

    // The tie over the bar line: between its outer and inner arc, filled.
    const auto polygons = recording.CallsOf(Op::Polygon);
    const auto tie = std::find_if(polygons.begin(), polygons.end(), [](const auto& p) { return p.Points.size() == 48; });
    ASSERT_NE(tie, polygons.end());
    const TCanvasPoint outer = tie->Points[12];
    const TCanvasPoint inner = tie->Points[25 + 11];
    ASSERT_GT(outer.Y, inner.Y + 2);
    EXPECT_EQ(At(outer.X, (outer.Y + inner.Y) / 2), InkPixel);
    EXPECT_EQ(At(outer.X, outer.Y + 3), Paper);
}

TEST_F(MusicCanvas, TheMusicsSerifIsAMetricCompatibleOneOrTheDefaultSerif)
{
    TCanvasFont font;
    font.Name = "Times New Roman";
    font.Size = 12;
    font.Bold = true;
    const QFontInfo info(CanvasQFont(font));
    const QString family = info.family();
    if (!QFontDatabase::families().contains("Liberation Serif"))
        GTEST_SKIP() << "no metric-compatible serif installed; " << family.toStdString() << " stands in";
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif") << family.toStdString();
}
