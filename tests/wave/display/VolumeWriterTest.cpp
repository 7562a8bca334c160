#include "DisplayTestSupport.h"

#include "wave/display/VolumeArray.h"
#include "wave/display/VolumeBands.h"
#include "wave/display/VolumeWriterJob.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>

namespace {

TVoldViewProps Resolution(int32_t columns, int32_t rows)
{
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(columns, EHNone);
    props.YResolution = unitIntegerPosMore(rows, EHNone);
    return props;
}

struct WriterRun {
    std::shared_ptr<TVolumeArray> array;
    std::vector<int32_t> columnsAfterEachReport;
};

// Runs a job over one wave; stopAfter reports set the stop flag.
WriterRun RunJob(const RefPtr<Wave>& wave, const TVoldViewProps& props, double sampleFreq, int stopAfter = -1)
{
    WriterRun run;
    run.array = std::make_shared<TVolumeArray>(props.XResolution.GetValue(), props.YResolution.GetValue());
    TVolumeWriterJob job(InitVolumeBands(props, sampleFreq), {{wave, run.array}});
    std::atomic<bool> stop{false};
    job.Run(stop, [&] {
        run.columnsAfterEachReport.push_back(run.array->GetColumnsWritten());
        if (static_cast<int>(run.columnsAfterEachReport.size()) == stopAfter)
            stop = true;
    });
    return run;
}

TEST(VolumeWriter, FiveHundredColumnsOverAThousandSamples)
{
    RefPtr<Wave> wave = MakeWave(1000, Sine(1000, 44100));
    WriterRun run = RunJob(wave, Resolution(500, 10), 44100);
    // Chunks of 300, 300, 300 and 100 samples, then the end of the channel. The
    // column value after sample i is (i + 1) x 501 / 1000 - 1: about every
    // second sample writes a column.
    std::vector<int32_t> expected = {150, 300, 450, 499, 500};
    EXPECT_EQ(run.columnsAfterEachReport, expected);
}

TEST(VolumeWriter, FewerThanAChunkOfSamplesIsOneChunk)
{
    // One report per chunk and one when the channel ends.
    for (auto [values, reports] : {std::pair{1, 2u}, std::pair{299, 2u}, std::pair{300, 2u}, std::pair{301, 3u},
                                   std::pair{601, 4u}}) {
        RefPtr<Wave> wave = MakeWave(values, Sine(1000, 44100));
        WriterRun run = RunJob(wave, Resolution(100, 10), 44100);
        EXPECT_EQ(run.columnsAfterEachReport.size(), reports) << values;
        EXPECT_EQ(run.array->GetColumnsWritten(), 100) << values;
    }
    // A stop asked for at the first report ends the walk there.
    RefPtr<Wave> wave = MakeWave(3000, Sine(1000, 44100));
    WriterRun stopped = RunJob(wave, Resolution(100, 10), 44100, 1);
    EXPECT_EQ(stopped.columnsAfterEachReport.size(), 2u);
    EXPECT_EQ(stopped.array->GetColumnsWritten(), 10);
}

TEST(VolumeWriter, MoreColumnsThanSamplesLeavesNoColumnUnwritten)
{
    RefPtr<Wave> wave = MakeWave(20, [](int32_t) { return int16_t(20000); });
    WriterRun run = RunJob(wave, Resolution(100, 4), 44100);
    EXPECT_EQ(run.array->GetColumnsWritten(), 100);
    for (int32_t c = 0; c < 100; ++c)
        EXPECT_GT(run.array->GetVolume(c, 3), 0.0f) << c;
}

TEST(VolumeWriter, ASineRingsInTheBandOfItsPeriod)
{
    const double f = 44100;
    TVoldViewProps props = Resolution(10, 50);
    RefPtr<Wave> wave = MakeWave(44100, Sine(1000, f));
    WriterRun run = RunJob(wave, props, f);
    // Band i has the period f x TimeTop x r^i, r = (TimeBottom / TimeTop)^(1/50).
    double r = std::pow(props.TimeBottom.GetValue() / props.TimeTop.GetValue(), 1.0 / 50);
    double expectedRow = std::log((f / 1000) / (f * props.TimeTop.GetValue())) / std::log(r);
    int32_t loudest = 0;
    for (int32_t row = 0; row < 50; ++row) {
        if (run.array->GetVolume(5, row) > run.array->GetVolume(5, loudest))
            loudest = row;
    }
    EXPECT_NEAR(loudest, expectedRow, 2.0);
    EXPECT_GT(run.array->GetVolume(5, loudest), 0.1f);
}

TEST(VolumeWriter, LowSampleRatesGiveFiniteDiagramsWithTheDefaults)
{
    for (int32_t rate : {5512, 8000, 11025, 22050}) {
        TVoldViewProps props;
        RefPtr<Wave> noise = MakeWave(rate, [](int32_t i) { return int16_t((i * 7919 % 65536) - 32768); });
        WriterRun run = RunJob(noise, props, rate);
        ASSERT_EQ(run.array->GetColumnsWritten(), props.XResolution.GetValue());
        for (int32_t c = 0; c < run.array->GetWidth(); ++c) {
            for (int32_t row = 0; row < run.array->GetHeight(); ++row) {
                float v = run.array->GetVolume(c, row);
                ASSERT_TRUE(std::isfinite(v) && v >= 0 && v < 100) << rate << " " << c << " " << row << " " << v;
            }
        }
    }
}

TEST(VolumeWriter, EveryBandIsAtLeastTwoSamplesLong)
{
    TVoldViewProps props;
    for (uint8_t axis : {YLog, YLinTime, YLinFreq}) {
        props.FreqAxisKind = axis;
        TVolumeBandCoefficients c = InitVolumeBands(props, 5512);
        for (size_t i = 0; i < c.Tr.size(); ++i) {
            // Tr = 2.466 / P^2 with P at least 2.
            EXPECT_LE(c.Tr[i], 2.466f / 4 + 1e-6f) << int(axis) << " " << i;
            EXPECT_TRUE(std::isfinite(c.Free[i]) && c.Free[i] >= 0 && c.Free[i] <= 1);
        }
    }
}

TEST(VolumeWriter, RestartStormEndsWithOneCompleteDiagram)
{
    DisplayFixture f(StereoOf(100000, Sine(440, 44100), Sine(880, 44100)), 100, 40);
    std::atomic<int> posts{0};
    f.group.SetColumnsWrittenPoster([&] { ++posts; });
    for (int i = 0; i < 100; ++i)
        f.group.StartVolumeDiagram();
    f.WaitForWriter();
    const int32_t width = f.group.GetVoldViewProps().XResolution.GetValue();
    EXPECT_EQ(f.group.GetVolumeArrayLeft()->GetColumnsWritten(), width);
    EXPECT_EQ(f.group.GetVolumeArrayRight()->GetColumnsWritten(), width);
    // Reports are not posted again while one is waiting to be taken.
    EXPECT_EQ(posts.load(), 1);
    f.group.TakeColumnsWrittenNotice();
}

TEST(VolumeWriter, StoppingALongRunReturnsPromptly)
{
    // Ten minutes of one second of 440 Hz, which holds whole periods.
    auto sound = std::make_shared<MonoSound>(RepeatedWave(44100 * 600, 44100, Sine(440, 44100)), 44100, 2);
    DisplayFixture f(sound, 100, 40);
    f.group.StartVolumeDiagram();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    // The stop interrupts the run: far from all columns are written (how fast
    // it stops is measured by the stop benchmark).
    f.group.StopVolumeWriter();
    EXPECT_LT(f.group.GetVolumeArraySingle()->GetColumnsWritten(), 500);
}

TEST(VolumeWriter, TheSoundMayBeReplacedWhileTheWriterRuns)
{
    DisplayFixture f(MonoOf(300000, Sine(440, 44100)), 100, 40);
    f.group.StartVolumeDiagram();
    // The writer holds the old samples; the document lets go of them.
    std::shared_ptr<Sound> old = f.unit.ExchangeSound(MonoOf(10, Silence));
    old.reset();
    f.WaitForWriter();
    EXPECT_EQ(f.group.GetVolumeArraySingle()->GetColumnsWritten(), 500);
}

TEST(VolumeWriter, AnEmptyWaveStopsTheWriterAndStartsNone)
{
    DisplayFixture f(MonoOf(0, Silence), 100, 40);
    f.group.StartVolumeDiagram();
    EXPECT_FALSE(f.group.HasVolumeWriter());
    EXPECT_EQ(f.group.GetVolumeArraySingle(), nullptr);
}

TEST(VolumeWriter, ADiagramTooLargeForMemoryIsRefusedWithTheMessage)
{
    DisplayFixture f(MonoOf(1000, Sine(440, 44100)), 100, 40);
    TVoldViewProps props;
    props.XResolution = unitIntegerPosMore(100000, EHNone);
    props.YResolution = unitIntegerPosMore(100000, EHNone);
    f.group.SetVoldViewProps(props);
    f.group.StartVolumeDiagram();
    EXPECT_FALSE(f.group.HasVolumeWriter());
    ASSERT_EQ(f.messages.Count(), 1u);
}

} // namespace
