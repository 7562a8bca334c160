// Music made into a wave while the factory that plays its notes is open in a
// window of the main window: 2 staves of eighths (tempo 2 s a whole note, 300
// bars of 4/4, 4800 notes) at 44.1 kHz mono, every note played by a note
// player's factory of two nodes, "Make New Wave" and "Make Sinus" (a quarter
// second of the note's sine). The factory window is either in plain view
// (covered:0) or lies under another window of the main window (covered:1);
// the nodes change their state six times a note. The render is the whole of
// the music's generation as the Generate command does it, under the progress
// window that serves the windows' events while the work runs. By the wall
// clock, on 1 thread and on 8; "paints" counts the factory drawing's paints
// during a render.
//
// With a display (DISPLAY set, e.g. under xvfb-run) the windows are X
// windows; without one they are painted offscreen.
#include "BarMusic.h"
#include "factory/document/UnitSountory.h"
#include "factory/graph/SountoryInput.h"
#include "factory/graph/SountoryOutput.h"
#include "factory/gui/FactoryView.h"
#include "factory/gui/MDIChildFact.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "foundation/gui/ProgressWindow.h"
#include "music/CompoundPlayer.h"
#include "music/UnitPlayers.h"
#include "music/data/MusicGeneration.h"
#include "music/data/MuzData.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildMuz.h"
#include "music/parts/NoteRenderPool.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "platform/FakeAudioDevice.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormFactories.h"
#include "shell/gui/MainFormMusic.h"
#include "shell/gui/MainFormPlayers.h"
#include "wave/Sound.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int32_t Rate = 44100;
constexpr double Tempo = 2.0; // seconds per whole note
constexpr int32_t Bars = 300; // of one whole note each: 600 s
constexpr int32_t Staves = 2;
constexpr double MusicSeconds = Bars * Tempo;

void Value(TSountoryNode& node, const char* pin, double value, ValueType type)
{
    node.FindNodeInput(pin, nullptr)->SetOwnValue({value, type}, EHNone);
}

// "Make New Wave" gives an empty mono wave, "Make Sinus" the note's sine on it.
void BuildNoteFactory(TUnitSountory& factory)
{
    auto& newWave = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("New", 36, factory, TCanvasRect{20, 20, 160, 120}, true));
    auto& sinus = factory.InsertNode(
        std::make_unique<TSountoryNodeBuiltin>("Sine", 30, factory, TCanvasRect{220, 20, 380, 160}, true));
    Value(newWave, "Sample Frequency", Rate, ValueType::WaveSampleFrequency);
    Value(newWave, "Bytes Per Sample", 2, ValueType::WaveBytesPerSample);
    Value(newWave, "Mono Stereo", 1, ValueType::WaveMonoStereo);
    Value(newWave, "Length", 0, ValueType::Time);
    sinus.FindNodeInput("Wave", nullptr)->SetSource(newWave.FindNodeOutput("Result", nullptr));
    Value(sinus, "Height 1", 8000, ValueType::WaveValue);
    Value(sinus, "Height 2", -8000, ValueType::WaveValue);
    sinus.FindNodeInput("Frequency", nullptr)->SetSource(factory.FindInput("Frequency", nullptr));
    Value(sinus, "Length", Tempo / 8, ValueType::Time);
    Value(sinus, "Start Position", 0, ValueType::Factor);
    factory.FindOutput("Wave", nullptr)->SetSource(sinus.FindNodeOutput("Result", nullptr));
}

// Two staves of eighths, a scale up and down, in one long sequence of bars.
void BuildMusic(TMuzData& music, const std::string& playerSet, const std::string& player)
{
    music.ChangeFileProps({1, 22050, 2}, {1, Rate, 2});
    music.Tempo = unitTimePosMore(Tempo, EHS);
    TNoteStave* stave = nullptr;
    for (int32_t s = 0; s < Staves; ++s) {
        stave = music.NewNoteStave(stave, nullptr);
        TNoteGroup* group = stave->GetStartNoteGroup();
        group->SetPlayerSet(playerSet);
        group->SetPlayer(player);
    }
    music.SetRootChild(MakeScaleBars(music, Bars));
}

// Counts the paints of the factory's drawing.
struct TPaintCounter : QObject {
    int64_t paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The main window with the factory's window, a player set whose player runs
// the factory, and a music window that covers the factory's window or stands
// beside it.
struct TWorkshop {
    TWorkshop()
    {
        form.resize(1200, 800);
        form.show();
        factory = NewUnitSountory(form, 2, nullptr);
        BuildNoteFactory(*factory);
        factoryWindow = ActiveFactWindow(form);
        TUnitPlayers* set = form.Players().NewPlayersSet();
        set->GetFirstPlayer()->GetCurrentOnePlayer()->SetFactoryPlayerProps(TFactoryPlayerProps(factory->GetName()));
        form.Music().NewMusic();
        cover = form.Music().ActiveMuzWindow();
        BuildMusic(music, set->GetName(), set->GetFirstPlayer()->GetName());
        factoryWindow->View()->viewport()->installEventFilter(&counter);
    }

    void Place(bool covered)
    {
        factoryWindow->showNormal();
        factoryWindow->setGeometry(10, 10, 500, 400);
        cover->showNormal();
        if (covered) {
            cover->setGeometry(0, 0, 700, 600);
            cover->raise();
        } else {
            cover->setGeometry(600, 10, 500, 400);
            factoryWindow->raise();
        }
        form.MdiArea()->setActiveSubWindow(covered ? static_cast<QMdiSubWindow*>(cover) : factoryWindow);
        factoryWindow->Invalidate();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
    }

    RecordingMessageService messages;
    TMainForm form;
    TUnitSountory* factory = nullptr;
    TMDIChildFact* factoryWindow = nullptr;
    QMdiSubWindow* cover = nullptr;
    TMuzData music;
    TPaintCounter counter;
};

// Made at the first benchmark and gone before the application object.
std::unique_ptr<TWorkshop> TheWorkshop;

TWorkshop& Workshop()
{
    if (!TheWorkshop)
        TheWorkshop = std::make_unique<TWorkshop>();
    return *TheWorkshop;
}

void BM_GenerateWithFactoryWindow(benchmark::State& state)
{
    SetNoteRenderThreads(static_cast<int>(state.range(0)));
    TWorkshop& shop = Workshop();
    shop.Place(state.range(1) != 0);
    int64_t frames = 0;
    const int64_t paintsBefore = shop.counter.paints;
    for (auto _ : state) {
        std::string message;
        TProgressWindow progress(&shop.form);
        if (!FindPlayers(shop.music, message)) {
            state.SkipWithError(message.c_str());
            return;
        }
        SoundPtr sound = MakeWave(shop.music, nullptr, nullptr, true, true);
        if (!sound) {
            state.SkipWithError(shop.messages.Count() ? shop.messages.Last().text.c_str() : "no sound");
            return;
        }
        frames = sound->GetValues();
        benchmark::DoNotOptimize(sound);
    }
    const int64_t paints = shop.counter.paints - paintsBefore;
    // The last states painted, outside the timing.
    QApplication::processEvents();
    SetNoteRenderThreads(0);
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["paints"] = benchmark::Counter(static_cast<double>(paints), benchmark::Counter::kAvgIterations);
    state.counters["realtime"] = benchmark::Counter(MusicSeconds, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_GenerateWithFactoryWindow)
    ->ArgNames({"threads", "covered"})
    ->ArgsProduct({{1, 8}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetAudioDeviceFactory([] { return std::make_unique<FakeAudioDevice>(); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    TheWorkshop.reset();
    benchmark::Shutdown();
    return 0;
}
