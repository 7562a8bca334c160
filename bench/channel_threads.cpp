// Where the second thread of a stereo operation starts to pay: the cheapest
// kind of operation (a copy), a cheap one (volume) and a slow one (a low pass)
// on both channels of n samples each, one thread after the other (apart:0) or
// at once (apart:1, wave/ChannelThreads.h).
//
// An operation's result is new memory. The C library would hand this loop the
// buffers it freed an iteration before, already mapped, on the caller's thread
// only (a thread of its own gets a fresh arena each time): so every buffer
// above 128 KiB is mapped afresh here, as the result of an operation on a long
// sound is, and both ways pay the same for it.
#include "wave/ChannelThreads.h"
#include "wave/StereoSound.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

const bool freshMemory = [] {
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    return true;
}();

RefPtr<Wave> Noise(int32_t n, uint32_t seed)
{
    SampleBuffer buffer = AllocSamples(n);
    for (int32_t i = 0; i < n; ++i)
        buffer[size_t(i)] = static_cast<int16_t>((static_cast<uint32_t>(i) * 2654435761u * seed) >> 16);
    return RefPtr<Wave>(new Wave(std::move(buffer), n));
}

template <class Op>
void TwoChannels(benchmark::State& state, Op op)
{
    const int32_t n = static_cast<int32_t>(state.range(0));
    const bool apart = state.range(1) != 0;
    StopFlag stop = 0;
    const RefPtr<Wave> left = Noise(n, 1);
    const RefPtr<Wave> right = Noise(n, 3);
    for (auto _ : state) {
        RefPtr<Wave> a;
        RefPtr<Wave> b;
        RunChannels(
            apart,
            [&] {
                a = op(*left, &stop);
                return true;
            },
            [&] { b = op(*right, &stop); });
        benchmark::DoNotOptimize(a.get());
        benchmark::DoNotOptimize(b.get());
    }
    state.SetItemsProcessed(state.iterations() * 2 * int64_t(n));
}

void BM_TwoChannelsCopy(benchmark::State& state)
{
    TwoChannels(state, [](const Wave& w, StopFlag* stop) { return NewWaveCopy(stop, &w); });
}

void BM_TwoChannelsVolume(benchmark::State& state)
{
    TwoChannels(state, [](const Wave& w, StopFlag* stop) { return w.multiplyVolume(stop, 0.8, 0, -1); });
}

void BM_TwoChannelsLowPass(benchmark::State& state)
{
    TwoChannels(state, [](const Wave& w, StopFlag* stop) { return w.lowPass(stop, 44.1, 0.5, 1, 1, 0, -1); });
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"n", "apart"});
    for (int64_t n : {65536, 262144, 524288, 1048576, 2097152, 4194304})
        for (int64_t apart : {0, 1})
            b->Args({n, apart});
}

BENCHMARK(BM_TwoChannelsCopy)->Apply(Sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TwoChannelsVolume)->Apply(Sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TwoChannelsLowPass)->Apply(Sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
