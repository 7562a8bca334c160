// The music window's paint: 4 staves of 100 bars of 4/4, each bar a beamed
// run of eighths with sharps, a three-note chord, a triplet and a half note
// tied over the bar line (10 notes a bar and stave, 4000 in all), laid out
// and drawn whole, as every paint does. Once on the Qt canvas into a
// 1200 x 700 image (what lies beyond the image is cut by the painter), once
// on a canvas that draws nothing, which leaves the layout's own cost.
#include "BarMusic.h"
#include "music/layout/MusicPainter.h"
#include "music/parts/StartPartMuz.h"
#include "platform/qt/QtCanvas.h"
#include "tests/support/NullCanvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

constexpr int32_t Bars = 100;
constexpr int32_t Staves = 4;

void BuildMusic(TMuzData& music, int64_t& notes)
{
    TNoteStave* stave = nullptr;
    for (int32_t s = 0; s < Staves; ++s)
        stave = music.NewNoteStave(stave, nullptr);
    music.SetRootChild(MakeBars(music, Bars, notes));
}

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
    NullCanvas canvas;
    for (auto _ : state)
        benchmark::DoNotOptimize(TMusicPaintPass(music, 0, 0).Paint(canvas, Clip, nullptr));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * notes);
}

BENCHMARK(BM_PaintOnQtCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutOnly)->Unit(benchmark::kMillisecond);

} // namespace
