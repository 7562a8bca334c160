#include "foundation/draw/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <array>
#include <functional>
#include <set>
#include <utility>

namespace {

constexpr TCanvasColor Red = 0x0000FF;
constexpr TCanvasColor Green = 0x00FF00;
constexpr TCanvasColor Blue = 0xFF0000;
const QRgb White = qRgb(255, 255, 255);

using Pixel = std::pair<int, int>;

// Draws on a white image through the Qt canvas and on the recording canvas
// alike, so each test reads the geometry the interface promises from the
// recording and checks the pixels against it.
struct Picture {
    explicit Picture(int width = 40, int height = 30) : image(width, height, QImage::Format_RGB32)
    {
        image.fill(White);
    }

    void Draw(const std::function<void(TCanvas&)>& draw)
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        draw(canvas);
        draw(recording);
    }

    QRgb At(int x, int y) const { return image.pixel(x, y); }
    std::set<Pixel> PixelsNot(QRgb colour) const
    {
        std::set<Pixel> result;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != colour)
                    result.insert({x, y});
        return result;
    }
    std::set<Pixel> PixelsOf(QRgb colour) const
    {
        std::set<Pixel> result;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour)
                    result.insert({x, y});
        return result;
    }

    QImage image;
    TRecordingCanvas recording;
};

std::set<Pixel> Box(const TCanvasRect& r)
{
    std::set<Pixel> result;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            result.insert({x, y});
    return result;
}

std::set<Pixel> Border(const TCanvasRect& r)
{
    std::set<Pixel> result;
    for (const Pixel& p : Box(r))
        if (p.first == r.Left || p.first == r.Right - 1 || p.second == r.Top || p.second == r.Bottom - 1)
            result.insert(p);
    return result;
}

bool Within(const std::set<Pixel>& pixels, const TCanvasRect& r)
{
    for (const Pixel& p : pixels)
        if (p.first < r.Left || p.first >= r.Right || p.second < r.Top || p.second >= r.Bottom)
            return false;
    return true;
}

} // namespace

TEST(QtCanvas, ColoursKeepRedInTheLowByte)
{
    EXPECT_EQ(CanvasQColor(Red), QColor(255, 0, 0));
    EXPECT_EQ(CanvasQColor(CanvasRgb(0x12, 0x34, 0x56)), QColor(0x12, 0x34, 0x56));
    Picture picture;
    picture.Draw([](TCanvas& canvas) {
        canvas.SetBrushColor(CanvasRgb(10, 20, 30));
        canvas.FillRect({0, 0, 1, 1});
    });
    EXPECT_EQ(picture.At(0, 0), qRgb(10, 20, 30));
}

TEST(QtCanvas, RectanglesKeepInsideTheirRightAndBottomEdges)
{
    Picture picture;
    picture.Draw([](TCanvas& canvas) {
        canvas.SetBrushColor(Red);
        canvas.FillRect({2, 3, 7, 9});
        canvas.SetBrushColor(Green);
        canvas.FrameRect({10, 2, 20, 8});
        canvas.SetPen({Blue, 1, TPenStyle::Solid});
        canvas.SetBrushColor(Green);
        canvas.Rectangle({22, 2, 30, 9});
        canvas.SetBrushClear();
        canvas.FillRect({0, 20, 40, 30}); // a clear brush fills nothing
    });
    const auto calls = picture.recording.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(picture.PixelsOf(qRgb(255, 0, 0)), Box(calls[0].Rect));
    std::set<Pixel> green = Border(calls[1].Rect);
    const TCanvasRect inner{23, 3, 29, 8};
    for (const Pixel& p : Box(inner))
        green.insert(p);
    EXPECT_EQ(picture.PixelsOf(qRgb(0, 255, 0)), green);
    EXPECT_EQ(picture.PixelsOf(qRgb(0, 0, 255)), Border(calls[2].Rect));
    EXPECT_TRUE(picture.PixelsNot(White) == [&] {
        std::set<Pixel> all = Box(calls[0].Rect);
        for (const auto& p : Border(calls[1].Rect))
            all.insert(p);
        for (const auto& p : Box(calls[2].Rect))
            all.insert(p);
        return all;
    }());
}

TEST(QtCanvas, LinesLeaveOutTheirEndPoint)
{
    Picture picture;
    picture.Draw([](TCanvas& canvas) {
        canvas.SetPen({Red, 1, TPenStyle::Solid});
        canvas.MoveTo(1, 1);
        canvas.LineTo(8, 1);  // horizontal
        canvas.LineTo(8, 6);  // down
        canvas.LineTo(4, 10); // diagonal
        canvas.MoveTo(20, 2);
        canvas.LineTo(30, 7); // a shallow slope
        canvas.MoveTo(35, 5);
        canvas.LineTo(35, 5); // nothing
    });
    std::set<Pixel> expected;
    for (int x = 1; x < 8; ++x)
        expected.insert({x, 1});
    for (int y = 1; y < 6; ++y)
        expected.insert({8, y});
    for (int i = 0; i < 4; ++i)
        expected.insert({8 - i, 6 + i});
    std::set<Pixel> drawn = picture.PixelsOf(qRgb(255, 0, 0));
    std::set<Pixel> slope;
    for (auto it = drawn.begin(); it != drawn.end();) {
        if (it->first >= 20) {
            slope.insert(*it);
            it = drawn.erase(it);
        } else {
            ++it;
        }
    }
    EXPECT_EQ(drawn, expected);
    // One pixel per column from the start, the end's column left out.
    EXPECT_EQ(slope.size(), 10u);
    EXPECT_TRUE(slope.count({20, 2}));
    EXPECT_FALSE(slope.count({30, 7}));
    EXPECT_TRUE(Within(slope, {20, 2, 30, 8}));
    EXPECT_EQ(picture.PixelsNot(White).size(), expected.size() + slope.size());
    EXPECT_EQ(picture.recording.CallsOf(TRecordingCanvas::TOp::Line).size(), 5u);
}

TEST(QtCanvas, EllipsesFillTheirBoxAndChordsTheirSide)
{
    Picture picture;
    picture.Draw([](TCanvas& canvas) {
        canvas.SetPen({Blue, 1, TPenStyle::Solid});
        canvas.SetBrushColor(Blue);
        canvas.Ellipse({1, 2, 15, 12});
        // The left half of a disc: counter-clockwise from the top radial to the bottom one.
        canvas.SetPen({Red, 1, TPenStyle::Solid});
        canvas.SetBrushColor(Red);
        canvas.Chord({20, 2, 34, 16}, {27, 2}, {27, 16});
    });
    const std::set<Pixel> ellipse = picture.PixelsOf(qRgb(0, 0, 255));
    EXPECT_TRUE(Within(ellipse, {1, 2, 15, 12}));
    // It touches all four sides of its box and fills the middle.
    for (const Pixel& p : {Pixel{1, 7}, Pixel{14, 7}, Pixel{8, 2}, Pixel{8, 11}, Pixel{8, 7}})
        EXPECT_TRUE(ellipse.count(p)) << p.first << "," << p.second;
    EXPECT_FALSE(ellipse.count({1, 2}));

    const std::set<Pixel> chord = picture.PixelsOf(qRgb(255, 0, 0));
    EXPECT_TRUE(Within(chord, {20, 2, 28, 16}));
    EXPECT_TRUE(chord.count({20, 9}));
    EXPECT_TRUE(chord.count({24, 9}));
    EXPECT_FALSE(chord.count({31, 9}));
}

TEST(QtCanvas, PolygonsFillOddEvenUnlessAskedOtherwise)
{
    // A five-pointed star: its middle lies inside twice.
    const std::array<TCanvasPoint, 5> star = {
        TCanvasPoint{10, 0}, TCanvasPoint{16, 19}, TCanvasPoint{0, 7}, TCanvasPoint{20, 7}, TCanvasPoint{4, 19}};
    Picture picture(60, 20);
    picture.Draw([&](TCanvas& canvas) {
        canvas.SetPen({0, 1, TPenStyle::Clear});
        canvas.SetBrushColor(Green);
        canvas.Polygon(star);
        std::array<TCanvasPoint, 5> moved = star;
        for (TCanvasPoint& p : moved)
            p.X += 30;
        canvas.Polygon(moved, TFillRule::Winding);
    });
    const QRgb green = qRgb(0, 255, 0);
    EXPECT_EQ(picture.At(10, 11), White);
    EXPECT_EQ(picture.At(40, 11), green);
    EXPECT_EQ(picture.At(10, 5), green);
    EXPECT_EQ(picture.recording.CallsOf(TRecordingCanvas::TOp::Polygon)[0].Rule, TFillRule::OddEven);
}

TEST(QtCanvas, TextStandsByItsTopLeftWithAnOpaqueBoxUnderASolidBrush)
{
    Picture picture(120, 40);
    TCanvasSize size;
    picture.Draw([&](TCanvas& canvas) {
        canvas.SetFont({"Arial", 10, false, false, Blue});
        canvas.SetBrushColor(Green);
        canvas.TextOut(5, 4, "Hello");
        if (dynamic_cast<TQtCanvas*>(&canvas))
            size = canvas.TextExtent("Hello");
        canvas.SetBrushClear();
        canvas.TextOut(60, 4, "Hello");
    });
    ASSERT_GT(size.Width, 0);
    // 10 points at 96 to the inch.
    EXPECT_EQ(CanvasQFont({"Arial", 10, false, false, 0}).pixelSize(), 13);
    const std::set<Pixel> box = Box({5, 4, 5 + size.Width, 4 + size.Height});
    std::set<Pixel> painted = picture.PixelsNot(White);
    std::set<Pixel> first, second;
    for (const Pixel& p : painted)
        (p.first < 60 ? first : second).insert(p);
    EXPECT_EQ(first, box);
    EXPECT_TRUE(Within(second, {60, 4, 60 + size.Width, 4 + size.Height}));
    EXPECT_FALSE(second.empty());
    for (const Pixel& p : second)
        EXPECT_NE(picture.At(p.first, p.second), qRgb(0, 255, 0));
}

TEST(QtCanvas, ClipsCutDrawingAndTextRectCutsItsText)
{
    Picture picture;
    picture.Draw([](TCanvas& canvas) {
        canvas.SetClip({5, 5, 10, 10});
        canvas.SetBrushColor(Red);
        canvas.FillRect({0, 0, 40, 30});
        canvas.ClearClip();
        canvas.SetFont({"Arial", 10, false, false, 0});
        canvas.SetBrushColor(Green);
        canvas.TextRect({20, 5, 26, 12}, 20, 5, "Wide text");
    });
    std::set<Pixel> red = picture.PixelsOf(qRgb(255, 0, 0));
    EXPECT_EQ(red, Box({5, 5, 10, 10}));
    std::set<Pixel> rest = picture.PixelsNot(White);
    for (const Pixel& p : red)
        rest.erase(p);
    EXPECT_TRUE(Within(rest, {20, 5, 26, 12}));
    EXPECT_FALSE(rest.empty());
}

TEST(QtCanvas, FontsFallBackToTheirKind)
{
    const QFont sans = CanvasQFont({"No Such Sans Face", 8, true, true, 0});
    const QFont serif = CanvasQFont({"Times New Roman", 12, false, false, 0});
    EXPECT_TRUE(sans.bold());
    EXPECT_TRUE(sans.italic());
    EXPECT_EQ(sans.pixelSize(), 11);
    EXPECT_EQ(serif.pixelSize(), 16);
    EXPECT_EQ(serif.styleHint(), QFont::Serif);
    EXPECT_EQ(sans.styleHint(), QFont::SansSerif);
    const QString serifFamily = QFontInfo(serif).family();
    const QString sansFamily = QFontInfo(sans).family();
    EXPECT_FALSE(serifFamily.isEmpty());
    EXPECT_FALSE(sansFamily.isEmpty());
    if (serifFamily.contains("DejaVu")) {
        EXPECT_TRUE(serifFamily.contains("Serif"));
    }
}

TEST(QtCanvas, PicturesComeFromTheirSource)
{
    Picture picture;
    picture.Draw([](TCanvas& canvas) {
        if (auto* qt = dynamic_cast<TQtCanvas*>(&canvas)) {
            EXPECT_EQ(qt->PictureSize(3), (TCanvasSize{}));
            qt->SetPictureSource([](int32_t number) {
                if (number != 3)
                    return QPixmap();
                QPixmap pixmap(4, 2);
                pixmap.fill(Qt::red);
                return pixmap;
            });
            EXPECT_EQ(qt->PictureSize(3), (TCanvasSize{4, 2}));
            EXPECT_EQ(qt->PictureSize(4), (TCanvasSize{}));
        }
        canvas.DrawPicture(3, 6, 7);
        canvas.DrawPicture(4, 0, 0);
    });
    EXPECT_EQ(picture.PixelsOf(qRgb(255, 0, 0)), Box({6, 7, 10, 9}));
    EXPECT_EQ(picture.recording.PictureSize(3), (TCanvasSize{24, 24}));
}
