// Reading and writing a 10-minute 44.1 kHz stereo 16-bit .wav file (about
// 106 MB) in the system temp folder, so the page cache serves the reads.
#include "platform/MessageService.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int32_t Frames = 44100 * 60 * 10;

RefPtr<Wave> Tone(int seed)
{
    SampleBuffer buffer = AllocSamples(Frames);
    for (int32_t i = 0; i < Frames; ++i)
        buffer[static_cast<size_t>(i)] = static_cast<int16_t>((int64_t(i) * 131 * seed) % 60000 - 30000);
    return RefPtr<Wave>(new Wave(std::move(buffer), Frames));
}

const StereoSound& TenMinutes()
{
    static const StereoSound sound(Tone(1), Tone(3), 44100, 2);
    return sound;
}

std::string FileName(const char* what)
{
    return (std::filesystem::temp_directory_path() / (std::string("quarbel-bench-") + what + ".wav")).string();
}

void BM_WriteWaveFile(benchmark::State& state)
{
    const StereoSound& sound = TenMinutes();
    const std::string name = FileName("write");
    StopFlag stop = 0;
    for (auto _ : state) {
        if (!WriteWaveFile(&stop, name, sound, 0, Frames))
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * (44 + int64_t(Frames) * 4));
    std::filesystem::remove(name);
}

void BM_ReadWaveFile(benchmark::State& state)
{
    const std::string name = FileName("read");
    StopFlag stop = 0;
    if (!WriteWaveFile(&stop, name, TenMinutes(), 0, Frames)) {
        state.SkipWithError("write failed");
        return;
    }
    for (auto _ : state) {
        SoundPtr sound;
        std::string text;
        if (!ReadWaveFile(name, sound, text))
            state.SkipWithError(text.c_str());
        benchmark::DoNotOptimize(sound);
    }
    state.SetBytesProcessed(state.iterations() * (44 + int64_t(Frames) * 4));
    std::filesystem::remove(name);
}

BENCHMARK(BM_WriteWaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadWaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
