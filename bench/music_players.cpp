// The note players: a 2-second note of 440 Hz played alone into a new 44.1 kHz
// stereo sound, through a player of one part of each kind. The samplers read
// a one-second 440 Hz sine wave window (the roll-out and resonant samplers
// repeat its stretch 0.1 s to 0.2 s); the two wave-form kinds read one cycle
// of it, the shape they repeat; the factory kind runs a note-player factory
// whose one node makes the note's sine.
#include "factory/document/UnitSountory.h"
#include "factory/graph/SountoryInput.h"
#include "factory/graph/SountoryOutput.h"
#include "factory/nodes/SountoryNode.h"
#include "foundation/xml/XMLComplexElement.h"
#include "music/CompoundPlayer.h"
#include "platform/MessageService.h"
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
constexpr double Seconds = 2.0;

SoundPtr Sine(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = static_cast<int16_t>(std::lround(12000 * std::sin(6.283185307179586 * Frequency * i / Rate)));
    return std::make_shared<MonoSound>(wave, Rate, 2);
}

// The sine of the note, as long as the note, made by the engine.
class TSineNode : public TSountoryNode {
public:
    TSineNode(TUnitSountory& owner) : TSountoryNode("Sine", owner, {20, 10, 120, 60}) {}
    sntNodeKind GetSntNodeKind() const override { return sntNodeBuiltin; }
    std::unique_ptr<TXMLComplexElement> WriteKindXml() const override { return nullptr; }
    std::string GetDisplayName() const override { return "Sine"; }
    bool ValidateNode(std::string&) override { return true; }
    bool CheckDefinition(std::string&) override { return true; }
    bool Execute(StopFlag* stop, std::string&) override
    {
        const double frequency = Inputs()[0]->GetValue().Value;
        const double seconds = Inputs()[1]->GetValue().Value * Inputs()[2]->GetValue().Value;
        MonoSound empty(Rate, 2);
        int32_t b = 0, e = 0;
        SoundPtr sound = empty.MakeSinus(stop, 12000, -12000, 1 / frequency, seconds * frequency, 0, b, e);
        if (!sound)
            return false;
        sound->ownedByRun = 1;
        Outputs()[0]->SetSound(sound);
        return true;
    }
};

class TBenchForm : public MainFormAccess {
public:
    TBenchForm() : factory("Note", "")
    {
        SetMainFormAccess(this);
        waves["sample"] = std::make_unique<TUnitWave>(Sine(Rate), "sample", "");
        waves["sample"]->SetSelection(Rate / 10, Rate / 5);
        waves["cycle"] = std::make_unique<TUnitWave>(Sine(100), "cycle", "");
        factory.SetupKindInputsOutputs(2, nullptr);
        auto& node = factory.InsertNode(std::make_unique<TSineNode>(factory));
        for (const char* name : {"Frequency", "Length", "Tempo"}) {
            TSountoryInput* input = factory.FindInput(name, nullptr);
            node.AddInput(name, 0.5, 0, input->ValueDomType, ValueDomain::AllValues).SetSource(input);
        }
        factory.FindOutput("Wave", nullptr)->SetSource(&node.AddOutput("Out", 0.5, 0, ValueDomType::Wave,
                                                                       ValueDomain::AllValues));
    }
    ~TBenchForm() override { SetMainFormAccess(nullptr); }
    TUnitWave* FindUnitWave(const std::string& name) override
    {
        auto it = waves.find(name);
        return it == waves.end() ? nullptr : it->second.get();
    }
    TUnitSountory* FindUnitSountory(const std::string& name) override
    {
        return name == "Note" ? &factory : nullptr;
    }

    std::map<std::string, std::unique_ptr<TUnitWave>> waves;
    TUnitSountory factory;
};

std::unique_ptr<TCompoundPlayer> PlayerOfKind(uint8_t kind)
{
    auto part = std::make_unique<TOnePlayer>(unitFactor(0.8, EHNone), unitFreq(0, EHHZ), unitFactor(1, EHNone),
                                             false, unitBalAngleFactor(0, EHNone), 1, false);
    const unitUnitWave sample("sample");
    const unitUnitWave cycle("cycle");
    const unitTimePosMore basic(1 / Frequency, EHHZ);
    switch (kind) {
    case notePlayerFactory: part->SetFactoryPlayerProps(TFactoryPlayerProps("Note")); break;
    case notePlayerSimpleSampler: part->SetSimpleSamplerProps({sample, basic}); break;
    case notePlayerResonantSampler: part->SetResonantSamplerProps({sample, unitFactorPosMax1(0.05, EHPerc)}); break;
    case notePlayerRepeatWaveForm: part->SetRepeatWaveFormProps(TRepeatWaveFormProps(cycle)); break;
    case notePlayerRollOutSampler: part->SetRollOutSamplerProps({sample, basic}); break;
    default: part->SetRollOutWaveFormProps(TRollOutWaveFormProps(cycle)); break;
    }
    auto player = std::make_unique<TCompoundPlayer>("P");
    player->InsertOnePlayer(nullptr, std::move(part));
    return player;
}

void BM_PlayNote(benchmark::State& state)
{
    TBenchForm form;
    std::unique_ptr<TCompoundPlayer> player = PlayerOfKind(static_cast<uint8_t>(state.range(0)));
    std::string message;
    if (!player->Validate(message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    TPlayedNote note;
    note.Period = 1 / Frequency;
    note.PlayLength = Seconds;
    note.Tempo = 1;
    int64_t frames = 0;
    for (auto _ : state) {
        StopFlag stop = 0;
        bool ok = false;
        SoundPtr sound = player->PlayNote(&stop, Rate, 2, note, TNotePlace{}, ok, message);
        if (!ok) {
            state.SkipWithError(message.c_str());
            return;
        }
        frames = sound->GetValues();
        benchmark::DoNotOptimize(sound);
    }
    state.SetLabel(NotePlayerKinds[state.range(0)].caption);
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["realtime"] = benchmark::Counter(Seconds, benchmark::Counter::kIsIterationInvariantRate);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Seconds * Rate));
}

BENCHMARK(BM_PlayNote)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace
