// The music window's paint: 4 staves of 100 bars of 4/4, each bar a beamed
// run of eighths with sharps, a three-note chord, a triplet and a half note
// tied over the bar line (10 notes a bar and stave, 4000 in all), laid out
// and drawn whole, as every paint does. Once on the Qt canvas into a
// 1200 x 700 image (what lies beyond the image is cut by the painter), once
// on a canvas that draws nothing, which leaves the layout's own cost.
#include "music/data/MuzData.h"
#include "music/layout/MusicPainter.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"
#include "platform/qt/QtCanvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

constexpr int32_t Bars = 100;
constexpr int32_t Staves = 4;

// Every note of one bar and stave: position, length, pitch, tuplet place.
struct TBarNote {
    double position;
    uint8_t length;
    int32_t pitch;
    uint8_t shift;
    uint8_t multiOol;
    int32_t posInOol;
};
constexpr TBarNote BarNotes[] = {
    {0.0, 8, 6, noteShiftKruis, sool, 0},      {0.125, 8, 8, noteShiftNormal, sool, 0},
    {0.25, 8, 10, noteShiftKruis, sool, 0},    {0.375, 4, 4, noteShiftNormal, sool, 0},
    {0.375, 4, 8, noteShiftNormal, sool, 0},   {0.375, 4, 11, noteShiftNormal, sool, 0},
    {0.625, 4, 7, noteShiftNormal, triool, 0}, {0.625, 4, 8, noteShiftNormal, triool, 1},
    {0.625, 4, 9, noteShiftNormal, triool, 2}, {0.875, 2, 6, noteShiftNormal, sool, 0},
};

void BuildMusic(TMuzData& music, int64_t& notes)
{
    TNoteStave* stave = nullptr;
    for (int32_t s = 0; s < Staves; ++s)
        stave = music.NewNoteStave(stave, nullptr);
    std::unique_ptr<TPartMuz> sequence;
    notes = 0;
    for (int32_t b = 0; b < Bars; ++b) {
        auto bar = std::make_unique<TSinglePartMuz>(&music, UnitTempoFactor(), UnitTempoFactor());
        TMuzBar::Attach(*bar, 4, 4, 0);
        bar->AddClefsForAllStaves();
        for (TNoteStave* on = music.GetStartStave(); on; on = on->GetNext())
            for (const TBarNote& n : BarNotes) {
                bar->InsertSymbol(std::make_unique<TMuzNote>(&music, on->GetStartNoteGroup(), n.length, 0,
                                                             n.position, n.pitch, on, n.shift, n.multiOol,
                                                             n.posInOol, noteArtNormal, bar.get(), drawStickAuto));
                ++notes;
            }
        sequence = sequence ? std::make_unique<TConcatPartMuz>(std::move(sequence), std::move(bar), &music)
                            : std::unique_ptr<TPartMuz>(std::move(bar));
    }
    music.SetRootChild(std::move(sequence));
}

// A canvas that keeps nothing.
class TNullCanvas : public TCanvas {
public:
    void FillRect(const TCanvasRect&) override {}
    void FrameRect(const TCanvasRect&) override {}
    void Rectangle(const TCanvasRect&) override {}
    void Ellipse(const TCanvasRect&) override {}
    void Polygon(std::span<const TCanvasPoint>, TFillRule) override {}
    void Polyline(std::span<const TCanvasPoint>) override {}
    void Chord(const TCanvasRect&, TCanvasPoint, TCanvasPoint) override {}
    void Arc(const TCanvasRect&, TCanvasPoint, TCanvasPoint) override {}
    void TextOut(int32_t, int32_t, const std::string&) override {}
    void TextRect(const TCanvasRect&, int32_t, int32_t, const std::string&) override {}
    TCanvasSize TextExtent(const std::string& text) override { return {static_cast<int32_t>(8 * text.size()), 16}; }
    void SetClip(const TCanvasRect&) override {}
    void ClearClip() override {}
    void DrawPicture(int32_t, int32_t, int32_t) override {}

protected:
    void Line(TCanvasPoint, TCanvasPoint) override {}
};

QGuiApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_music_layout";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    return application;
}

constexpr TCanvasRect Clip{0, 0, 1200, 700};

void BM_PaintOnQtCanvas(benchmark::State& state)
{
    Application();
    TMuzData music;
    int64_t notes = 0;
    BuildMusic(music, notes);
    QImage image(Clip.Right, Clip.Bottom, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        benchmark::DoNotOptimize(TMusicPaintPass(music, 0, 0).Paint(canvas, Clip, nullptr));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * notes);
}

void BM_LayOutOnly(benchmark::State& state)
{
    TMuzData music;
    int64_t notes = 0;
    BuildMusic(music, notes);
    TNullCanvas canvas;
    for (auto _ : state)
        benchmark::DoNotOptimize(TMusicPaintPass(music, 0, 0).Paint(canvas, Clip, nullptr));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * notes);
}

BENCHMARK(BM_PaintOnQtCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutOnly)->Unit(benchmark::kMillisecond);

} // namespace
