// The music window's repaint: a window of 1000 x 600 pixels scrolled to the
// end of 4 staves of 500 bars of 4/4, each bar and stave a beamed run of
// eighths with sharps, a three-note chord, a triplet and a half note tied
// over the bar line (10 notes a bar and stave, 20 000 in all). A repaint
// lays the whole music out and draws what the window shows.
#include "BarMusic.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildMuz.h"
#include "music/gui/MusicArea.h"
#include "music/parts/StartPartMuz.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>

#include <memory>

namespace {

constexpr int32_t Bars = 500;
constexpr int32_t Staves = 4;

// The music of the window: one stave there already, three more, 500 bars.
int64_t BuildMusic(TUnitMuz& unit)
{
    TMuzData& music = unit.MuzData;
    TNoteStave* stave = music.GetStartStave();
    for (int32_t s = 1; s < Staves; ++s)
        stave = music.NewNoteStave(stave, nullptr);
    std::unique_ptr<TPartMuz> first = music.GetStartPartMuz()->SetPartMuz(nullptr);
    int64_t notes = 0;
    std::unique_ptr<TPartMuz> sequence = MakeBars(music, Bars, notes);
    unit.SetSelMuzSymbol(nullptr);
    music.SetRootChild(std::move(sequence));
    return notes;
}

// Made once and kept to the end: the widgets' own statics go before any at exit.
QApplication& Application()
{
    static int argc = 1;
    static char name[] = "bench_music_window";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

void BM_RepaintScrolledToTheEnd(benchmark::State& state)
{
    Application();
    RecordingMessageService messages;
    TMainForm form;
    form.resize(1100, 800);
    form.show();
    TUnitMuz* unit = form.Music().NewMusic();
    TMDIChildMuz* window = form.Music().ActiveMuzWindow();
    const int64_t notes = BuildMusic(*unit);
    window->showMaximized();
    QWidget* viewport = window->Area()->viewport();
    viewport->resize(1000, 600);
    QImage image(viewport->size(), QImage::Format_RGB32);
    // A first paint measures the music; the window then shows its end.
    viewport->render(&image);
    const TMusicScrollState scroll = window->Controller().GetScrollState();
    window->SetOrigin(-scroll.horizontalMaximum, 0);
    viewport->render(&image);
    for (auto _ : state)
        viewport->render(&image);
    state.counters["scrolled_to"] = window->Controller().GetScrollState().horizontalPosition;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * notes);
}

BENCHMARK(BM_RepaintScrolledToTheEnd)->Unit(benchmark::kMillisecond);

} // namespace
