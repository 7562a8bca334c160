// How close the engine and the .wav files come to the memory and the disk: each
// benchmark times an operation and its baseline in the same iteration and
// reports their ratio, so a busy machine slows both alike. A ratio is the speed
// of the operation as a fraction of the baseline's (1 = as fast).
//
// The sound is 10 minutes of 44.1 kHz stereo (26 460 000 frames, 105.8 MB).
#include "wave/ChannelThreads.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t Frames = 44100 * 60 * 10;
constexpr size_t ChannelBytes = size_t(Frames) * 2;
// The block the .wav reader and writer move bytes in, and so the baselines too.
constexpr size_t FileBlock = 1 << 20;

using Clock = std::chrono::steady_clock;

RefPtr<Wave> Noise(uint32_t seed)
{
    SampleBuffer buffer = AllocSamples(Frames);
    for (int32_t i = 0; i < Frames; ++i)
        buffer[size_t(i)] = static_cast<int16_t>((static_cast<uint32_t>(i) * 2654435761u * seed) >> 16);
    return RefPtr<Wave>(new Wave(std::move(buffer), Frames));
}

const StereoSound& Stereo()
{
    static const StereoSound sound(Noise(1), Noise(3), 44100, 2);
    return sound;
}

const MonoSound& Mono()
{
    static const MonoSound sound(RefPtr<Wave>(Stereo().GetLeftWave()), 44100, 2);
    return sound;
}

// Seconds spent in f.
template <class F>
double Time(F&& f)
{
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Both channels copied into buffers made for the copy as an operation makes its
// result: the same sample allocation, each channel on the thread the operation
// would give it. The buffers are freed after the timing, as results are.
double CopyIntoNew(const Sound& sound)
{
    SampleBuffer to[2];
    const Wave* from[2] = {sound.GetLeftWave(), sound.GetRightWave()};
    auto copy = [&](int side) {
        to[side] = AllocSamples(Frames);
        std::memcpy(to[side].get(), from[side]->getData(), ChannelBytes);
        benchmark::DoNotOptimize(to[side].get());
        return true;
    };
    return Time([&] { RunChannels(ChannelsApart(Frames), [&] { return copy(0); }, [&] { return copy(1); }); });
}

// Both channels copied into buffers that were filled before.
void CopyIntoKept(const Sound& sound, std::vector<int16_t>& left, std::vector<int16_t>& right)
{
    std::memcpy(left.data(), sound.GetLeftWave()->getData(), ChannelBytes);
    std::memcpy(right.data(), sound.GetRightWave()->getData(), ChannelBytes);
    benchmark::ClobberMemory();
}

// An operation making a new stereo sound against memcpy of the same bytes:
// into new buffers (what the operation has to do: its result is new memory)
// and into buffers touched before.
template <class Op>
void AgainstMemcpy(benchmark::State& state, Op op)
{
    const StereoSound& sound = Stereo();
    std::vector<int16_t> left(ChannelBytes / 2, 1);
    std::vector<int16_t> right(ChannelBytes / 2, 1);
    double tOp = 0;
    double tNew = 0;
    double tKept = 0;
    for (auto _ : state) {
        tNew += CopyIntoNew(sound);
        tKept += Time([&] { CopyIntoKept(sound, left, right); });
        StopFlag stop = 0;
        SoundPtr result;
        const double t = Time([&] {
            result = op(sound, &stop);
            benchmark::DoNotOptimize(result.get());
        });
        if (!result || stop)
            state.SkipWithError("no result");
        result.reset();
        tOp += t;
        state.SetIterationTime(t);
    }
    state.counters["vs_memcpy_new"] = tNew / tOp;
    state.counters["vs_memcpy_kept"] = tKept / tOp;
    state.SetBytesProcessed(state.iterations() * int64_t(2 * ChannelBytes));
}

void BM_VolumeVsMemcpy(benchmark::State& state)
{
    AgainstMemcpy(state, [](const Sound& s, StopFlag* stop) { return s.Volume(stop, 0.8, 0, Frames); });
}

void BM_ReverseVsMemcpy(benchmark::State& state)
{
    AgainstMemcpy(state, [](const Sound& s, StopFlag* stop) { return s.Reverse(stop, 0, Frames); });
}

// Volume in place on a sound of our own against memcpy into kept buffers: both
// work on memory touched before.
void BM_VolumeInPlaceVsMemcpy(benchmark::State& state)
{
    StopFlag stop = 0;
    StereoSound own(&stop, Stereo());
    std::vector<int16_t> left(ChannelBytes / 2, 1);
    std::vector<int16_t> right(ChannelBytes / 2, 1);
    double tOp = 0;
    double tKept = 0;
    for (auto _ : state) {
        tKept += Time([&] { CopyIntoKept(own, left, right); });
        const double t = Time([&] { own.VolumeInPlace(&stop, -1.0, 0, Frames); });
        tOp += t;
        state.SetIterationTime(t);
    }
    state.counters["vs_memcpy_kept"] = tKept / tOp;
    state.SetBytesProcessed(state.iterations() * int64_t(2 * ChannelBytes));
}

// A stereo low pass against the same filter on one of its channels: the ratio
// is stereo samples per second over mono samples per second (2 = both channels
// in the time of one).
void BM_StereoLowPassVsMono(benchmark::State& state)
{
    const auto filter = std::get<HighLowFilter>(FilterTable[filterTableLowPass]);
    const int32_t passes = static_cast<int32_t>(state.range(0));
    double tMono = 0;
    double tStereo = 0;
    for (auto _ : state) {
        StopFlag stop = 0;
        SoundPtr r;
        tMono += Time([&] { r = Mono().FilterHighLow(&stop, filter, 0.001, 0.5, passes, passes, 0, Frames); });
        r.reset();
        const double t =
            Time([&] { r = Stereo().FilterHighLow(&stop, filter, 0.001, 0.5, passes, passes, 0, Frames); });
        r.reset();
        tStereo += t;
        state.SetIterationTime(t);
        if (stop)
            state.SkipWithError("stopped");
    }
    state.counters["stereo_vs_mono"] = 2 * tMono / tStereo;
    state.SetItemsProcessed(state.iterations() * int64_t(2) * Frames);
}

std::string TempName(const char* what)
{
    return (std::filesystem::temp_directory_path() / (std::string("quarbel-speed-") + what + ".wav")).string();
}

// The file's bytes read through a FileBlock buffer.
void ReadBytes(const std::string& name, std::vector<char>& block)
{
    std::FILE* in = std::fopen(name.c_str(), "rb");
    std::setvbuf(in, nullptr, _IONBF, 0);
    while (std::fread(block.data(), 1, block.size(), in) == block.size()) {
    }
    std::fclose(in);
}

// The bytes of `from` written to `to` through a FileBlock buffer.
void CopyBytes(const std::string& from, const std::string& to, std::vector<char>& block)
{
    std::FILE* in = std::fopen(from.c_str(), "rb");
    std::FILE* out = std::fopen(to.c_str(), "wb");
    std::setvbuf(in, nullptr, _IONBF, 0);
    std::setvbuf(out, nullptr, _IONBF, 0);
    size_t got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0)
        std::fwrite(block.data(), 1, got, out);
    std::fclose(in);
    std::fclose(out);
}

// Writing the same number of bytes from memory to a new file.
void WriteBytes(const std::string& to, const std::vector<char>& bytes)
{
    std::FILE* out = std::fopen(to.c_str(), "wb");
    std::setvbuf(out, nullptr, _IONBF, 0);
    for (size_t at = 0; at < bytes.size(); at += FileBlock)
        std::fwrite(bytes.data() + at, 1, std::min(FileBlock, bytes.size() - at), out);
    std::fclose(out);
}

// Reading and writing the .wav file against moving its bytes through a buffer
// of the reader's block size: copying the file (read and write), reading only,
// writing only. Everything stays in the page cache.
void BM_WaveFileVsCopy(benchmark::State& state)
{
    const bool reading = state.range(0) == 0;
    const std::string wav = TempName("source");
    const std::string copy = TempName("copy");
    const std::string written = TempName("written");
    StopFlag stop = 0;
    if (!WriteWaveFile(&stop, wav, Stereo(), 0, Frames)) {
        state.SkipWithError("write failed");
        return;
    }
    std::vector<char> block(FileBlock);
    std::vector<char> bytes(std::filesystem::file_size(wav), 1);
    double tOp = 0;
    double tCopy = 0;
    double tRead = 0;
    double tWrite = 0;
    for (auto _ : state) {
        tCopy += Time([&] { CopyBytes(wav, copy, block); });
        if (reading)
            tRead += Time([&] { ReadBytes(wav, block); });
        else
            tWrite += Time([&] { WriteBytes(copy, bytes); });
        SoundPtr sound;
        std::string text;
        bool ok = true;
        const double t = Time([&] {
            if (reading)
                ok = ReadWaveFile(wav, sound, text);
            else
                ok = WriteWaveFile(&stop, written, Stereo(), 0, Frames);
        });
        if (!ok)
            state.SkipWithError("read or write failed");
        sound.reset();
        tOp += t;
        state.SetIterationTime(t);
    }
    state.counters["vs_copy"] = tCopy / tOp;
    state.counters[reading ? "vs_read_bytes" : "vs_write_bytes"] = (reading ? tRead : tWrite) / tOp;
    state.SetBytesProcessed(state.iterations() * int64_t(bytes.size()));
    for (const std::string& name : {wav, copy, written})
        std::filesystem::remove(name);
}

BENCHMARK(BM_VolumeVsMemcpy)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_ReverseVsMemcpy)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_VolumeInPlaceVsMemcpy)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_StereoLowPassVsMono)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_WaveFileVsCopy)->ArgName("write")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
