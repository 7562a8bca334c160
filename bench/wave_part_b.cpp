// Echoes, balance, tempo and pitch, filters and shaping on ten minutes of mono
// sound at 44.1 kHz, one call per iteration over the whole wave. Items are the
// samples of the source wave, so the figures read as samples per second.
#include "wave/Wave.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int32_t TenMinutes = 10 * 60 * 44100; // 26,460,000 samples
constexpr int32_t SampleFreq = 44100;

RefPtr<Wave> Filled(int32_t n, int16_t (*sample)(int32_t))
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, n);
    for (int32_t i = 0; i < n; ++i)
        wave->getData()[i] = sample(i);
    return wave;
}

// A loud, busy signal (a cheap noise) and short envelopes stretched over it.
const Wave& Sound()
{
    static const RefPtr<Wave> wave = Filled(TenMinutes, [](int32_t i) {
        return static_cast<int16_t>(static_cast<int32_t>((static_cast<uint32_t>(i) * 2654435761u) >> 16) - 32768);
    });
    return *wave;
}

const Wave* Sweep()
{
    static const RefPtr<Wave> wave =
        Filled(1000, [](int32_t i) { return static_cast<int16_t>(-30000 + 60 * i); });
    return wave.get();
}

const Wave* Half()
{
    static const RefPtr<Wave> wave = Filled(1000, [](int32_t i) { return static_cast<int16_t>(12000 + 10 * i); });
    return wave.get();
}

const Wave* Curve()
{
    static const RefPtr<Wave> wave = Filled(256, [](int32_t i) { return static_cast<int16_t>(i * i - 32768); });
    return wave.get();
}

using Operation = std::function<RefPtr<Wave>(const Wave&, StopFlag*)>;

struct Case {
    const char* family;
    const char* name;
    Operation run;
};

RefPtr<Wave> InPlaceVolume(const Wave& w, StopFlag* s)
{
    static RefPtr<Wave> own = NewWaveCopy(s, &w);
    Wave::multiplyVolumeInPlace(s, own, -1.0, 0, -1);
    return own;
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        // Echoes with the dialog's default count of 1 and with 4.
        {"echo", "periodEcho/count1",
         [](const Wave& w, StopFlag* s) { int32_t b = 0, e = -1; return w.periodEcho(s, 4410.5, 0.5, 1, b, e); }},
        {"echo", "periodEcho/count4",
         [](const Wave& w, StopFlag* s) { int32_t b = 0, e = -1; return w.periodEcho(s, 4410.5, 0.5, 4, b, e); }},
        {"echo", "periodEchoTimeEnvelope/count1",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.periodEchoTimeEnvelope(s, 4410, Sweep(), 0.5, 1, b, e);
         }},
        {"echo", "periodEchoTimeEnvelope/count4",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.periodEchoTimeEnvelope(s, 4410, Sweep(), 0.5, 4, b, e);
         }},
        {"echo", "periodEchoVolumeEnvelope/count1",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.periodEchoVolumeEnvelope(s, 4410, Half(), 1, b, e);
         }},
        {"echo", "periodEchoVolumeEnvelope/count4",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.periodEchoVolumeEnvelope(s, 4410, Half(), 4, b, e);
         }},
        {"echo", "periodEchoEnvelopes/count1",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.periodEchoEnvelopes(s, 4410, Sweep(), Half(), 1, b, e);
         }},
        {"echo", "periodEchoEnvelopes/count4",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.periodEchoEnvelopes(s, 4410, Sweep(), Half(), 4, b, e);
         }},
        // Balance of one channel.
        {"balance", "balance/volume",
         [](const Wave& w, StopFlag* s) { return w.balance(s, 0.4, 0, false, true, false, SampleFreq); }},
        {"balance", "balance/time",
         [](const Wave& w, StopFlag* s) { return w.balance(s, 0.4, 0, true, false, false, SampleFreq); }},
        {"balance", "balance/time+volume",
         [](const Wave& w, StopFlag* s) { return w.balance(s, 0.4, 0, true, true, false, SampleFreq); }},
        {"balance", "balance/filter",
         [](const Wave& w, StopFlag* s) { return w.balance(s, 0.4, 0, false, false, true, SampleFreq); }},
        {"balance", "balanceEnvelope/volume",
         [](const Wave& w, StopFlag* s) { return w.balanceEnvelope(s, Sweep(), 0, false, true, false, SampleFreq); }},
        {"balance", "balanceEnvelope/time",
         [](const Wave& w, StopFlag* s) { return w.balanceEnvelope(s, Sweep(), 0, true, false, false, SampleFreq); }},
        {"balance", "balanceEnvelope/filter",
         [](const Wave& w, StopFlag* s) { return w.balanceEnvelope(s, Sweep(), 1, false, false, true, SampleFreq); }},
        // Tempo and pitch with the dialog's default block of 0.04 s.
        {"tempo", "timeStretch",
         [](const Wave& w, StopFlag* s) { return w.timeStretch(s, 1.25, 0, 0.8, 1.1, 1764); }},
        {"tempo", "timeStretchCrossfade",
         [](const Wave& w, StopFlag* s) { return w.timeStretchCrossfade(s, 1.25, 0, 0.8, 1.1, 1764); }},
        {"tempo", "timeStretchFreqWave",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.timeStretchFreqWave(s, 1.25, 0, 0.8, 1.5, Half(), 1764, b, e);
         }},
        {"tempo", "timeStretchFreqWaveCrossfade",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.timeStretchFreqWaveCrossfade(s, 1.25, 0, 0.8, 1.5, Half(), 1764, b, e);
         }},
        {"tempo", "timeStretchSpeedEnvelope",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.timeStretchSpeedEnvelope(s, 1.5, Half(), 0, 0.8, 1.1, 1764, b, e);
         }},
        {"tempo", "timeStretchSpeedEnvelopeCrossfade",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.timeStretchSpeedEnvelopeCrossfade(s, 1.5, Half(), 0, 0.8, 1.1, 1764, b, e);
         }},
        {"tempo", "timeStretchSpeedFreq",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.timeStretchSpeedFreq(s, 1.5, Half(), 0, 0.8, 1.5, Half(), 1764, b, e);
         }},
        {"tempo", "timeStretchSpeedFreqCrossfade",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.timeStretchSpeedFreqCrossfade(s, 1.5, Half(), 0, 0.8, 1.5, Half(), 1764, b, e);
         }},
        // Filters: a 1 kHz cutoff or centre, frequency envelopes sweeping 20 Hz to 20 kHz.
        {"filter", "lowPass/4passes",
         [](const Wave& w, StopFlag* s) { return w.lowPass(s, 44.1, 0.5, 4, 4, 0, -1); }},
        {"filter", "highPass/1pass",
         [](const Wave& w, StopFlag* s) { return w.highPass(s, 44.1, 0.5, 1, 1, 0, -1); }},
        {"filter", "lowPassEnvelope",
         [](const Wave& w, StopFlag* s) { return w.lowPassEnvelope(s, Sweep(), 0.5, 1, 1, SampleFreq, 0, -1); }},
        {"filter", "highPassEnvelope",
         [](const Wave& w, StopFlag* s) { return w.highPassEnvelope(s, Sweep(), 0.5, 1, 1, SampleFreq, 0, -1); }},
        {"filter", "resonance", [](const Wave& w, StopFlag* s) { return w.resonance(s, 44.1, 0.05, 0, -1); }},
        {"filter", "resonanceFreqEnvelope",
         [](const Wave& w, StopFlag* s) { return w.resonanceFreqEnvelope(s, Sweep(), 0.05, SampleFreq, 0, -1); }},
        {"filter", "resonanceWidthEnvelope",
         [](const Wave& w, StopFlag* s) { return w.resonanceWidthEnvelope(s, 44.1, Sweep(), 0, -1); }},
        {"filter", "resonanceEnvelopes",
         [](const Wave& w, StopFlag* s) { return w.resonanceEnvelopes(s, Sweep(), Half(), SampleFreq, 0, -1); }},
        {"filter", "notch", [](const Wave& w, StopFlag* s) { return w.notch(s, 44.1, 0.05, 0, -1); }},
        {"filter", "notchFreqEnvelope",
         [](const Wave& w, StopFlag* s) { return w.notchFreqEnvelope(s, Sweep(), 0.05, SampleFreq, 0, -1); }},
        {"filter", "notchWidthEnvelope",
         [](const Wave& w, StopFlag* s) { return w.notchWidthEnvelope(s, 44.1, Sweep(), 0, -1); }},
        {"filter", "notchEnvelopes",
         [](const Wave& w, StopFlag* s) { return w.notchEnvelopes(s, Sweep(), Half(), SampleFreq, 0, -1); }},
        {"filter", "blockFilter",
         [](const Wave& w, StopFlag* s) { int32_t b = 0, e = -1; return w.blockFilter(s, 20.5, b, e); }},
        {"filter", "blockFilterEnvelope",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 0, e = -1;
             return w.blockFilterEnvelope(s, 40, Sweep(), b, e);
         }},
        // Shaping.
        {"shaping", "addValue", [](const Wave& w, StopFlag* s) { return w.addValue(s, 1000, 0, -1); }},
        {"shaping", "centre", [](const Wave& w, StopFlag* s) { return w.centre(s, 0, -1); }},
        {"shaping", "multiplyVolume", [](const Wave& w, StopFlag* s) { return w.multiplyVolume(s, 0.7, 0, -1); }},
        {"shaping", "multiplyVolumeInPlace", InPlaceVolume},
        {"shaping", "applyEnvelope", [](const Wave& w, StopFlag* s) { return w.applyEnvelope(s, Sweep(), 0, -1); }},
        {"shaping", "distort", [](const Wave& w, StopFlag* s) { return w.distort(s, Curve(), 0, -1); }},
        {"shaping", "blockHold/step10", [](const Wave& w, StopFlag* s) { return w.blockHold(s, 10.5, 16, 0, -1); }},
        {"shaping", "moveHorizontally",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 1000, e = -1;
             return w.moveHorizontally(s, -300.25, 0, 0, b, e);
         }},
        {"shaping", "moveHorizontallyEnvelope",
         [](const Wave& w, StopFlag* s) {
             int32_t b = 1000, e = w.getValues() - 1000;
             return w.moveHorizontallyEnvelope(s, 300.25, Sweep(), 0, 0, b, e);
         }},
    };
    return cases;
}

const bool registered = [] {
    for (const Case& c : Cases()) {
        const std::string name = std::string("WaveB/") + c.family + "/" + c.name;
        benchmark::RegisterBenchmark(name.c_str(),
                                     [run = c.run](benchmark::State& state) {
                                         const Wave& sound = Sound();
                                         for (auto _ : state) {
                                             StopFlag stop = 0;
                                             RefPtr<Wave> result = run(sound, &stop);
                                             benchmark::DoNotOptimize(result.get());
                                             if (stop != 0)
                                                 state.SkipWithError("stopped");
                                         }
                                         state.SetItemsProcessed(state.iterations() * int64_t(TenMinutes));
                                     })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
