// Factories at work on long sounds: a built-in node's run against calling its
// wave operation directly (Volume, Low Filter, Change length over 10 minutes
// of 44.1 kHz stereo), a 10-minute formula wave of 10 000 steps, and a mix
// loop of 1000 passes into a 10-minute wave. The "realtime" counter is
// seconds of sound per second of wall time: a stereo operation runs its right
// channel on a thread of its own, which the caller's CPU time leaves out.
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"
#include "factory/nodes/SountoryNodeFormulaWave.h"
#include "factory/nodes/SountoryNodeMixLoop.h"
#include "platform/MessageService.h"
#include "wave/FilterTable.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>

namespace {

using K = ValueDomType;
using D = ValueDomain;
using VT = ValueType;

constexpr int32_t Rate = 44100;
constexpr double Seconds = 600;
constexpr int32_t Values = static_cast<int32_t>(Rate * Seconds);

class Factories : public MainFormAccess {
public:
    Factories() { previous = SetMainFormAccess(this); }
    ~Factories() override { SetMainFormAccess(previous); }
    Factories(const Factories&) = delete;
    Factories& operator=(const Factories&) = delete;
    TUnitSountory* FindUnitSountory(const std::string& name) override
    {
        auto it = open.find(name);
        return it == open.end() ? nullptr : it->second;
    }
    std::map<std::string, TUnitSountory*> open;

private:
    MainFormAccess* previous;
};

SoundPtr TenMinutesStereo()
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, Values);
    RefPtr<Wave> right = NewWave(&stop, Values);
    for (int32_t i = 0; i < Values; ++i) {
        left->getData()[i] = static_cast<int16_t>((i * 37) % 20000 - 10000);
        right->getData()[i] = static_cast<int16_t>((i * 53) % 30000 - 15000);
    }
    return std::make_shared<StereoSound>(left, right, Rate, 2);
}

const SoundPtr& Source()
{
    static const SoundPtr sound = TenMinutesStereo();
    return sound;
}

// Validates the factory once and runs it each iteration, its "Result" kept
// from the optimiser; false once an error has skipped the bench.
bool RunEachIteration(benchmark::State& state, TUnitSountory& factory)
{
    std::string error;
    if (!factory.Validate(1, error)) {
        state.SkipWithError(error.c_str());
        return false;
    }
    StopFlag stop = 0;
    for (auto _ : state) {
        if (!factory.Run(error, &stop)) {
            state.SkipWithError(error.c_str());
            return false;
        }
        benchmark::DoNotOptimize(factory.FindOutput("Result", nullptr)->GetSound());
        factory.ReleaseRunSounds();
    }
    return true;
}

void SetOwn(TSountoryNode& node, const char* name, double value, VT type)
{
    node.FindNodeInput(name, nullptr)->SetOwnValue({value, type}, EHNone);
}

// A change-wave factory: "Wave" through one built-in node to "Result".
struct OneNodeFactory {
    TUnitSountory factory{"F", "f.qbf"};
    TSountoryNodeBuiltin* node;

    explicit OneNodeFactory(uint8_t function)
    {
        factory.FitKindInputsOutputs(FactoryChangeWW);
        node = &factory.InsertNode(
            std::make_unique<TSountoryNodeBuiltin>("N", function, factory, TCanvasRect{10, 10, 90, 90}, true));
        node->FindNodeInput("Wave", nullptr)->SetSountoryInputSource(factory.FindInput("Wave", nullptr));
        factory.FindOutput("Result", nullptr)->SetSountoryInputSource(node->FindNodeOutput("Result", nullptr));
        for (const char* unused : {"Position Begin", "Position End", "Select Begin", "Select End", "Replace Begin",
                                   "Replace End"}) {
            factory.DeleteOutputNamed(unused);
            factory.DeleteInputNamed(unused);
        }
    }
    void Run(benchmark::State& state)
    {
        factory.FindInput("Wave", nullptr)->SetSound(Source());
        RunEachIteration(state, factory);
    }
};

void Report(benchmark::State& state, double seconds)
{
    state.counters["realtime"] =
        benchmark::Counter(seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["samples/s"] = benchmark::Counter(seconds * Rate * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}

void Direct(benchmark::State& state, const std::function<SoundPtr(StopFlag*)>& operation)
{
    Source();
    StopFlag stop = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(operation(&stop));
    Report(state, Seconds);
}

void BM_VolumeFactory(benchmark::State& state)
{
    OneNodeFactory f(0);
    SetOwn(*f.node, "Factor", 0.5, VT::Factor);
    f.Run(state);
    Report(state, Seconds);
}

void BM_VolumeDirect(benchmark::State& state)
{
    Direct(state, [](StopFlag* stop) { return Source()->Volume(stop, 0.5, 0, Values); });
}

void BM_LowFilterFactory(benchmark::State& state)
{
    OneNodeFactory f(16);
    SetOwn(*f.node, "Frequency", 0.001, VT::Time);
    SetOwn(*f.node, "Volume Factor", 0.5, VT::Factor);
    SetOwn(*f.node, "Filter Count", 1, VT::Integer);
    SetOwn(*f.node, "Normalize Volume", 0, VT::Boolean);
    f.Run(state);
    Report(state, Seconds);
}

void BM_LowFilterDirect(benchmark::State& state)
{
    const auto kernel = std::get<HighLowFilter>(FilterTable[filterTableLowPass]);
    Direct(state, [kernel](StopFlag* stop) {
        return Source()->FilterHighLow(stop, kernel, 0.001, 0.5, 1, 1, 0, Values);
    });
}

void BM_ChangeLengthFactory(benchmark::State& state)
{
    OneNodeFactory f(9);
    SetOwn(*f.node, "Length Factor", 1.5, VT::Factor);
    f.Run(state);
    Report(state, Seconds);
}

void BM_ChangeLengthDirect(benchmark::State& state)
{
    Direct(state, [](StopFlag* stop) {
        int32_t b = 0;
        int32_t e = Values;
        return Source()->ResampleRange(stop, 1.5, b, e);
    });
}

// A create-wave factory whose one node uses the factory G.
template <class Node>
struct UsingFactory {
    Factories form;
    TUnitSountory outer{"F", "f.qbf"};
    TUnitSountory used{"G", "g.qbf"};
    Node* node = nullptr;

    void Build(uint8_t kind)
    {
        form.open = {{"F", &outer}, {"G", &used}};
        used.FitKindInputsOutputs(kind);
        outer.FitKindInputsOutputs(FactoryCreateWW);
        outer.DeleteOutputNamed("Position Begin");
        outer.DeleteOutputNamed("Position End");
        node = &outer.InsertNode(std::make_unique<Node>("U", "G", outer, TCanvasRect{10, 10, 90, 90}, true));
        node->UpdatePins(used);
        outer.FindOutput("Result", nullptr)->SetSountoryInputSource(node->FindNodeOutput("Result", nullptr));
    }
    TSountoryNodeBuiltin& Inner(uint8_t function, const char* name)
    {
        return used.InsertNode(
            std::make_unique<TSountoryNodeBuiltin>(name, function, used, TCanvasRect{10, 10, 90, 90}, true));
    }
    void Run(benchmark::State& state)
    {
        if (RunEachIteration(state, outer))
            Report(state, Seconds);
    }
};

void BM_FormulaWave(benchmark::State& state)
{
    UsingFactory<TSountoryNodeFormulaWave> f;
    f.Build(FactoryFormulaWave);
    // "Wave Value" := position x 10 000, in wave values.
    TSountoryNodeBuiltin& times = f.Inner(41, "Times");
    times.Inputs()[0]->SetSountoryInputSource(f.used.FindInput("Factor Position", nullptr));
    times.Inputs()[1]->SetOwnValue({10000, VT::WaveValue}, EHNone);
    f.used.FindOutput("Wave Value", nullptr)->SetSountoryInputSource(times.Outputs().front().get());
    SetOwn(*f.node, "Time Length", Seconds, VT::Time);
    SetOwn(*f.node, "Steps", 10000, VT::Integer);
    SetOwn(*f.node, "Sample Frequency", Rate, VT::WaveSampleFrequency);
    SetOwn(*f.node, "Bytes per Sample", 2, VT::WaveBytesPerSample);
    f.Run(state);
}

void BM_MixLoop(benchmark::State& state)
{
    UsingFactory<TSountoryNodeMixLoop> f;
    f.Build(FactoryLoopMix);
    // Each pass mixes the first 0.1 s of the wave into the middle of the result.
    TSountoryNodeBuiltin& trim = f.Inner(23, "Trim");
    trim.FindNodeInput("Wave", nullptr)->SetSountoryInputSource(f.used.FindInput("Wave", nullptr));
    SetOwn(trim, "Position Begin", 0, VT::WaveCount);
    SetOwn(trim, "Position End", Rate / 10, VT::WaveCount);
    f.used.FindOutput("Sample", nullptr)->SetSountoryInputSource(trim.FindNodeOutput("Result", nullptr));
    f.used.FindOutput("Volume", nullptr)->SetOwnValue({0.001, VT::Factor}, EHNone);
    f.used.FindOutput("Position in Sample", nullptr)->SetOwnValue({0, VT::Factor}, EHNone);
    f.used.FindOutput("Position in Result", nullptr)->SetOwnValue({0.5, VT::Factor}, EHNone);
    TSountoryInput& wave = f.outer.CreateInput("Wave", 0.5, 0, K::Wave, D::AllValues);
    wave.SetSound(Source());
    f.node->FindNodeInput("Wave", nullptr)->SetSountoryInputSource(&wave);
    SetOwn(*f.node, "Count", 1000, VT::Integer);
    f.Run(state);
}

} // namespace

BENCHMARK(BM_VolumeFactory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_VolumeDirect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LowFilterFactory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LowFilterDirect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChangeLengthFactory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChangeLengthDirect)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FormulaWave)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MixLoop)->Unit(benchmark::kMillisecond)->UseRealTime();
