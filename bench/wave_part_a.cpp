// Throughput of the sample buffer, generators, edits, mixes and resampling on
// ten minutes of 44.1 kHz mono, in samples per second.
#include "platform/Random15.h"
#include "wave/SinusTable.h"
#include "wave/Wave.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t TenMinutes = 26460000;

const Wave& Source()
{
    static RefPtr<Wave> wave = [] {
        StopFlag stop = 0;
        RefPtr<Wave> w = NewWave(&stop, TenMinutes);
        Random15 random(7);
        for (int32_t i = 0; i < TenMinutes; ++i)
            w->getData()[i] = static_cast<int16_t>(random.Next() - 16384);
        return w;
    }();
    return *wave;
}

const Wave& Other()
{
    static RefPtr<Wave> wave = [] {
        StopFlag stop = 0;
        return Source().reverse(&stop, 0, -1);
    }();
    return *wave;
}

void Report(benchmark::State& state, int64_t samples)
{
    state.SetItemsProcessed(state.iterations() * samples);
}

// A new Wave per iteration: the result of an operation that makes one.
template <class Op>
void RunNew(benchmark::State& state, Op op)
{
    Source();
    Other();
    for (auto _ : state) {
        StopFlag stop = 0;
        RefPtr<Wave> result = op(&stop);
        benchmark::DoNotOptimize(result.get());
    }
    Report(state, TenMinutes);
}

// An in-place operation on a private copy made outside the timing.
template <class Op>
void RunInPlace(benchmark::State& state, Op op)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWaveCopy(&stop, &Source());
    Other();
    for (auto _ : state) {
        op(&stop, wave);
        benchmark::ClobberMemory();
    }
    Report(state, TenMinutes);
}

void BM_Copy(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return NewWaveCopy(s, &Source()); });
}

void BM_EditDeleteRange(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().deleteRange(s, 1000, 2000); });
}

void BM_EditReplace(benchmark::State& state)
{
    static RefPtr<Wave> piece = [] {
        StopFlag stop = 0;
        return Source().extractRange(&stop, 0, 44100);
    }();
    RunNew(state, [](StopFlag* s) { return Source().replace(s, piece.get(), 100000, 200000); });
}

void BM_EditRotate(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().rotate(s, 12345, 0, -1); });
}

void BM_EditReverse(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().reverse(s, 0, -1); });
}

void BM_VolumeMaxAbs(benchmark::State& state)
{
    Source();
    for (auto _ : state) {
        StopFlag stop = 0;
        benchmark::DoNotOptimize(Source().getMaxAbs(&stop, 0, TenMinutes));
    }
    Report(state, TenMinutes);
}

void BM_VolumeMinMax(benchmark::State& state)
{
    Source();
    for (auto _ : state) {
        StopFlag stop = 0;
        int16_t max = 0;
        int16_t minMagnitude = 0;
        Source().getMinMax(&stop, max, minMagnitude, 0, TenMinutes);
        benchmark::DoNotOptimize(max);
        benchmark::DoNotOptimize(minMagnitude);
    }
    Report(state, TenMinutes);
}

void BM_MixAdd(benchmark::State& state)
{
    RunInPlace(state, [](StopFlag* s, RefPtr<Wave>& w) { Wave::mixAdd(s, w, &Other(), 0); });
}

void BM_MixAddFactor(benchmark::State& state)
{
    RunInPlace(state, [](StopFlag* s, RefPtr<Wave>& w) { Wave::mixAddFactor(s, w, &Other(), 0, 0.37); });
}

void BM_MixCycleAfterThis(benchmark::State& state)
{
    RunInPlace(state, [](StopFlag* s, RefPtr<Wave>& w) { Wave::mixCycleAfterThis(s, w, &Other(), 1000000); });
}

void BM_MixAt(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().mixAt(s, &Other(), 0, -1, false); });
}

void BM_MixDown(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().mixDown(s, &Other()); });
}

void BM_MixStretch(benchmark::State& state)
{
    static RefPtr<Wave> piece = [] {
        StopFlag stop = 0;
        return Source().extractRange(&stop, 0, 1000000);
    }();
    RunNew(state, [](StopFlag* s) { return Source().mixStretch(s, piece.get(), 0, -1); });
}

void BM_ResampleUp(benchmark::State& state)
{
    // 1.5 times as many samples are made as read; counted by the source.
    RunNew(state, [](StopFlag* s) { return Source().resample(s, 1.5); });
}

void BM_ResampleDown(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().resample(s, 0.7); });
}

void BM_ResampleReversed(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().resample(s, -1.1); });
}

void BM_ResampleToLength(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) { return Source().resampleToLength(s, TenMinutes / 3 * 2, false); });
}

void BM_RollIn(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) {
        int32_t begin = 0;
        int32_t end = -1;
        return Source().rollIn(s, 44100, 100, begin, end);
    });
}

void BM_RollOut(benchmark::State& state)
{
    RunNew(state, [](StopFlag* s) {
        int32_t begin = 0;
        int32_t end = 44100;
        return Source().rollOut(s, &Source(), 441.3, TenMinutes / 441.3, 0.1, begin, end, 0, 44100);
    });
}

void BM_RollOutEnvelope(benchmark::State& state)
{
    static RefPtr<Wave> envelope = [] {
        StopFlag stop = 0;
        int32_t begin = 0;
        int32_t end = -1;
        return NewWave(&stop, 0)->makeLine(&stop, 10000, 32767, 10000, begin, end);
    }();
    RunNew(state, [](StopFlag* s) {
        int32_t begin = 0;
        int32_t end = -1;
        return Source().rollOutEnvelope(s, envelope.get(), 1, 1, 0, begin, end);
    });
}

// Generators: ten minutes made from nothing.
template <class Op>
void RunGenerator(benchmark::State& state, Op op)
{
    StopFlag stop = 0;
    CreateSinusTable(&stop);
    RefPtr<Wave> empty = NewWave(&stop, 0);
    for (auto _ : state) {
        int32_t begin = 0;
        int32_t end = -1;
        RefPtr<Wave> result = op(*empty, &stop, begin, end);
        benchmark::DoNotOptimize(result.get());
    }
    Report(state, TenMinutes);
    DeleteSinusTable();
}

void BM_GenerateSilence(benchmark::State& state)
{
    RunGenerator(state, [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
        return w.insertSilence(s, TenMinutes, b, e);
    });
}

void BM_GenerateLine(benchmark::State& state)
{
    RunGenerator(state, [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
        return w.makeLine(s, -30000, 30000, TenMinutes, b, e);
    });
}

void BM_GenerateNoise(benchmark::State& state)
{
    RunGenerator(state, [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
        return w.makeNoise(s, 20000, TenMinutes, b, e);
    });
}

void BM_GenerateTriangle(benchmark::State& state)
{
    RunGenerator(state, [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
        return w.makeBlockTriangle(s, -20000, 20000, 100.3, 0.3, TenMinutes, 0, true, b, e);
    });
}

void BM_GenerateSinus(benchmark::State& state)
{
    RunGenerator(state, [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
        return w.makeSinus(s, 20000, -20000, 100.3, TenMinutes / 100.3, 0, b, e);
    });
}

void BM_GenerateMultiFrequency4(benchmark::State& state)
{
    static const double volumes[] = {0.3, 0.2, 0.1, 0.05};
    static const double periods[] = {100.3, 50.1, 33.4, 25.05};
    static const double angles[] = {0, 0.1, 0.2, 0.3};
    static const double factors[] = {1, 0.9999999, 0.999999, 0.99999};
    RunGenerator(state, [](const Wave& w, StopFlag* s, int32_t& b, int32_t& e) {
        return w.multiFrequency(s, TenMinutes, 4, volumes, periods, angles, factors, b, e);
    });
}

} // namespace

BENCHMARK(BM_Copy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditDeleteRange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditReplace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditRotate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditReverse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VolumeMaxAbs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VolumeMinMax)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixAddFactor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixCycleAfterThis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixAt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixStretch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleReversed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleToLength)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RollIn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RollOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RollOutEnvelope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateSilence)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateNoise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateTriangle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateSinus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateMultiFrequency4)->Unit(benchmark::kMillisecond);
