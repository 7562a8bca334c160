// Music made into a wave: 10 minutes of 4-stave music in eighths (tempo 2 s a
// whole note, 300 bars of 4/4 in one long sequence, 9600 notes) at 44.1 kHz
// stereo, two staves through a simple sampler and two through a resonant
// sampler, each sampling a one-second 440 Hz sine wave window. The whole
// generation: players found, the dry and the real walk, the silent 10-minute
// sound and every note mixed in; the notes made on one thread, on four, and on
// as many as the machine has cores (at most 8), by the wall clock.
#include "BarMusic.h"
#include "foundation/values/unitBalAngleFactor.h"
#include "music/CompoundPlayer.h"
#include "music/PlayersNoteAccess.h"
#include "music/data/MusicGeneration.h"
#include "music/data/MuzData.h"
#include "music/parts/NoteRenderPool.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int32_t Rate = 44100;
constexpr double Frequency = 440;
constexpr double Tempo = 2.0;    // seconds per whole note
constexpr int32_t Bars = 300;    // of one whole note each: 600 s
constexpr int32_t Staves = 4;
constexpr double MusicSeconds = Bars * Tempo;

SoundPtr Sine(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] =
            static_cast<int16_t>(std::lround(12000 * std::sin(6.283185307179586 * Frequency * i / Rate)));
    return std::make_shared<MonoSound>(wave, Rate, 2);
}

std::unique_ptr<TCompoundPlayer> Player(const std::string& name, bool resonant)
{
    auto part = std::make_unique<TOnePlayer>(unitFactor(0.2, EHNone), unitFreq(0, EHHZ), unitFactor(1, EHNone),
                                             false, unitBalAngleFactor(0, EHNone), 1, false);
    const unitUnitWave sample("sample");
    if (resonant)
        part->SetResonantSamplerProps({sample, unitFactorPosMax1(0.05, EHPerc)});
    else
        part->SetSimpleSamplerProps({sample, unitTimePosMore(1 / Frequency, EHHZ)});
    auto player = std::make_unique<TCompoundPlayer>(name);
    player->InsertOnePlayer(nullptr, std::move(part));
    return player;
}

// The main window as the players see it: the sample window and the two players.
class TBenchForm : public MainFormAccess {
public:
    TBenchForm()
    {
        SetMainFormAccess(this);
        SetNotePlayerAccess(&notePlayers);
        sample = std::make_unique<TUnitWave>(Sine(Rate), "sample", "");
        sample->SetSelection(Rate / 10, Rate / 5);
        players["Simple"] = Player("Simple", false);
        players["Resonant"] = Player("Resonant", true);
    }
    ~TBenchForm() override
    {
        SetNotePlayerAccess(nullptr);
        SetMainFormAccess(nullptr);
    }
    TUnitWave* FindUnitWave(const std::string& name) override { return name == "sample" ? sample.get() : nullptr; }
    TCompoundPlayer* FindCompoundPlayer(const std::string& playerName, const std::string& setName) override
    {
        auto it = players.find(playerName);
        return setName == "Bench" && it != players.end() ? it->second.get() : nullptr;
    }

private:
    TPlayersNoteAccess notePlayers;
    std::unique_ptr<TUnitWave> sample;
    std::map<std::string, std::unique_ptr<TCompoundPlayer>> players;
};

// Four staves of eighths, a scale up and down, in one long sequence of bars.
void BuildMusic(TMuzData& music)
{
    music.ChangeFileProps({1, 22050, 2}, {2, Rate, 2});
    music.Tempo = unitTimePosMore(Tempo, EHS);
    TNoteStave* stave = nullptr;
    for (int32_t s = 0; s < Staves; ++s) {
        stave = music.NewNoteStave(stave, nullptr);
        TNoteGroup* group = stave->GetStartNoteGroup();
        group->SetPlayerSet("Bench");
        group->SetPlayer(s < 2 ? "Simple" : "Resonant");
    }
    music.SetRootChild(MakeScaleBars(music, Bars));
}

void BM_MakeWaveTenMinutesFourStaves(benchmark::State& state)
{
    SetNoteRenderThreads(static_cast<int>(state.range(0)));
    TBenchForm form;
    TMuzData music;
    BuildMusic(music);
    int64_t frames = 0;
    for (auto _ : state) {
        std::string message;
        if (!FindPlayers(music, message)) {
            state.SkipWithError(message.c_str());
            return;
        }
        SoundPtr sound = MakeWave(music, nullptr, nullptr, true, true);
        if (!sound) {
            state.SkipWithError("no sound");
            return;
        }
        frames = sound->GetValues();
        benchmark::DoNotOptimize(sound);
    }
    SetNoteRenderThreads(0);
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["realtime"] = benchmark::Counter(MusicSeconds, benchmark::Counter::kIsIterationInvariantRate);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * frames);
}

// One thread, four (where the machine has more) and all the machine's.
void MusicRenderThreadCounts(benchmark::internal::Benchmark* bench)
{
    for (int threads : {1, 4})
        if (threads < NoteRenderThreads())
            bench->Arg(threads);
    bench->Arg(NoteRenderThreads());
}

// By the wall clock: the notes are made on several threads.
BENCHMARK(BM_MakeWaveTenMinutesFourStaves)
    ->ArgName("threads")
    ->Apply(MusicRenderThreadCounts)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
