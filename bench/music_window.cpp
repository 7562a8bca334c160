// The music window's repaint: a window of 1000 x 600 pixels scrolled to the
// end of 4 staves of 500 bars of 4/4, each bar and stave a beamed run of
// eighths with sharps, a three-note chord, a triplet and a half note tied
// over the bar line (10 notes a bar and stave, 20 000 in all). A repaint
// lays the whole music out and draws what the window shows.
#include "music/data/MuzData.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildMuz.h"
#include "music/gui/MusicArea.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"
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

// The music of the window: one stave there already, three more, 500 bars.
int64_t BuildMusic(TUnitMuz& unit)
{
    TMuzData& music = unit.MuzData;
    TNoteStave* stave = music.GetStartStave();
    for (int32_t s = 1; s < Staves; ++s)
        stave = music.NewNoteStave(stave, nullptr);
    std::unique_ptr<TPartMuz> first = music.GetStartPartMuz()->SetPartMuz(nullptr);
    std::unique_ptr<TPartMuz> sequence;
    int64_t notes = 0;
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
