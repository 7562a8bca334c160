// The wave view: computing the volume diagram of a 10-minute 44.1 kHz stereo
// wave at the default settings with 1000 columns, painting that wave into a
// 1000-pixel pane, and how soon a running volume writer stops.
#include "platform/MessageService.h"
#include "wave/StereoSound.h"
#include "wave/display/PanePainter.h"
#include "wave/display/PixelCanvas.h"
#include "wave/display/VolumeArray.h"
#include "wave/display/VolumeBands.h"
#include "wave/display/VolumeWriterJob.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

namespace {

constexpr int32_t Frames = 44100 * 60 * 10;
constexpr double Minutes = 10.0;

RefPtr<Wave> Tone(double frequency)
{
    SampleBuffer buffer = AllocSamples(Frames);
    for (int32_t i = 0; i < Frames; ++i)
        buffer[static_cast<size_t>(i)] = static_cast<int16_t>(
            12000 * std::sin(6.283185307 * frequency * i / 44100.0) + ((int64_t(i) * 7919) % 4001) - 2000);
    return RefPtr<Wave>(new Wave(std::move(buffer), Frames));
}

std::shared_ptr<Sound> TenMinutes()
{
    static const std::shared_ptr<Sound> sound = std::make_shared<StereoSound>(Tone(440), Tone(1250), 44100, 2);
    return sound;
}

TVoldViewProps ThousandColumns()
{
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(1000, EHNone);
    return props;
}

void BM_VolumeDiagramTenMinutesStereo(benchmark::State& state)
{
    std::shared_ptr<Sound> sound = TenMinutes();
    TVoldViewProps props = ThousandColumns();
    for (auto _ : state) {
        auto left = std::make_shared<TVolumeArray>(1000, props.YResolution.GetValue());
        auto right = std::make_shared<TVolumeArray>(1000, props.YResolution.GetValue());
        TVolumeWriterJob job(InitVolumeBands(props, 44100),
                             {{RefPtr<Wave>(sound->GetLeftWave()), left}, {RefPtr<Wave>(sound->GetRightWave()), right}});
        std::atomic<bool> stop{false};
        auto start = std::chrono::steady_clock::now();
        job.Run(stop, [] {});
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        state.counters["s_per_min_of_sound"] = seconds / Minutes;
        benchmark::DoNotOptimize(right->GetVolume(999, 0));
    }
}
BENCHMARK(BM_VolumeDiagramTenMinutesStereo)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(2);

// A document with its view; the pane shows the whole wave.
struct PaneSetup {
    TUnitWave unit;
    TWaveDisplayGroup group;
    TPixelCanvas canvas;
    TPaneView pane;

    PaneSetup(int32_t width, int32_t height)
        : unit(TenMinutes(), "Wave 1", "bench.wav"), group(&unit, TWaveViewProps(), ThousandColumns()),
          canvas(width, height)
    {
        pane.group = &group;
        pane.map = {{0, 0, width, height}, 0, static_cast<double>(unit.GetValues())};
    }
};

void BM_PaintWaveformTenMinutesStereo(benchmark::State& state)
{
    PaneSetup setup(1000, 400);
    TWaveViewProps props = setup.group.GetWaveViewProps();
    props.DrawSingle = state.range(0) != 0;
    props.DrawKind = state.range(1) != 0 ? DrawPixels : DrawLines;
    setup.group.SetWaveViewProps(props);
    for (auto _ : state) {
        PaintPane(setup.canvas, setup.pane, setup.pane.map.rect);
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string(props.DrawSingle ? "single" : "joined") + (props.DrawKind == DrawPixels ? " pixels" : " lines"));
}
BENCHMARK(BM_PaintWaveformTenMinutesStereo)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond);

void BM_PaintVolumeDiagramTenMinutesStereo(benchmark::State& state)
{
    PaneSetup setup(1000, 400);
    auto left = std::make_shared<TVolumeArray>(1000, 50), right = std::make_shared<TVolumeArray>(1000, 50);
    for (int32_t c = 0; c < 1000; ++c)
        for (int32_t r = 0; r < 50; ++r) {
            left->SetVolume(c, r, static_cast<float>((c * 7 + r * 13) % 100) / 100.0f);
            right->SetVolume(c, r, static_cast<float>((c * 11 + r * 3) % 100) / 100.0f);
        }
    left->SetColumnsWritten(1000);
    right->SetColumnsWritten(1000);
    setup.group.SetVolumeArrayLeft(left);
    setup.group.SetVolumeArrayRight(right);
    setup.group.SetShowKind(waveWindVolume);
    for (auto _ : state) {
        PaintPane(setup.canvas, setup.pane, setup.pane.map.rect);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintVolumeDiagramTenMinutesStereo)->Unit(benchmark::kMillisecond);

// From the stop request until the writer has ended: the time the user
// interface waits when a diagram is restarted or its window closed.
void BM_StopRunningVolumeWriter(benchmark::State& state)
{
    PaneSetup setup(1000, 400);
    double worst = 0;
    for (auto _ : state) {
        setup.group.StartVolumeDiagram();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        auto start = std::chrono::steady_clock::now();
        setup.group.StopVolumeWriter();
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(BM_StopRunningVolumeWriter)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(50);

} // namespace
