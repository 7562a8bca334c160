#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/props/MergeHorProps.h"
#include "wave/props/MergeProposal.h"
#include "wave/props/MergeVertProps.h"
#include "wave/props/SplitHorProps.h"

#include <gtest/gtest.h>

TEST(SettingsRecords, BlockTriangleAccessors)
{
    TBlockTriangleProps p;
    EXPECT_DOUBLE_EQ(p.GetPeriod(), 0.001);
    EXPECT_DOUBLE_EQ(p.GetMiddle(), 0.5);
    EXPECT_DOUBLE_EQ(p.GetLength(), 1.0);

    p.BloTriHorKind = bloTriTime;
    p.Time1.SetValue(0.005);
    p.Time2.SetValue(0.015);
    p.MiddleKind = 1; // ignored with Wave in Time
    EXPECT_FALSE(p.HasMiddleEnvelope());
    EXPECT_DOUBLE_EQ(p.GetPeriod(), 0.02);
    EXPECT_DOUBLE_EQ(p.GetMiddle(), 0.25);

    TBlockTriangleProps count;
    count.LengthKind = 2;
    count.Count.SetValue(2.5);
    EXPECT_DOUBLE_EQ(count.GetLength(), 0.0025);
    count.MiddleKind = 1;
    EXPECT_TRUE(count.HasMiddleEnvelope());
    count.LengthKind = 7;
    EXPECT_DOUBLE_EQ(count.GetLength(), 0.0);

    // Same length as another wave.
    TUnitWave other(std::make_shared<MonoSound>(NewWave(nullptr, 2205), 44100, 2), "W", "w.wav");
    TBlockTriangleProps same;
    same.LengthKind = 1;
    same.SameLengthAs.SetUnitWave(&other);
    EXPECT_DOUBLE_EQ(same.GetLength(), 0.05);
}

TEST(SettingsRecords, SinusCount)
{
    TSinusProps p;
    EXPECT_NEAR(p.GetCount(), 500, 1e-9);
    p.LengthKind = 1;
    p.Count.SetValue(12.5);
    EXPECT_DOUBLE_EQ(p.GetCount(), 12.5);
}

TEST(SettingsRecords, RotateShift)
{
    struct Case {
        uint8_t shiftTo, byFactor;
        double factor, time, operationTime, shift;
    };
    const Case cases[] = {
        {1, 0, 0.1, 0.0, 1.0, 0.0},    // right by nothing is no shift, not the whole time
        {0, 0, 0.1, -0.1, 1.0, 0.9},   // a negative time wraps
        {1, 1, 0.25, 0.1, 2.0, 1.5},   // right by a quarter
        {0, 1, 0.1, 0.0, 2.0, 0.2},    // the default: left by a tenth
        {0, 0, 0.1, 2.5, 1.0, 0.5},    // longer than the range wraps
        {0, 1, 0.1, 0.0, 0.0, 0.0},    // an empty range has nothing to rotate
    };
    for (const Case& c : cases) {
        TRotateProps p;
        p.ShiftTo = c.shiftTo;
        p.ByFactor = c.byFactor;
        p.Factor.SetValue(c.factor);
        p.Time.SetValue(c.time);
        EXPECT_NEAR(p.GetShift(c.operationTime), c.shift, 1e-12);
    }
}

TEST(SettingsRecords, BlockCounts)
{
    TBlockProps p;
    p.VertKind = 2;
    EXPECT_EQ(p.GetVertCount(), 20);
    p.VertHeight.SetValue(32767);
    EXPECT_EQ(p.GetVertCount(), 2);
    p.VertHeight.SetValue(1);
    EXPECT_EQ(p.GetVertCount(), 65572);
    p.VertKind = 1;
    p.VertCount.SetValue(7);
    EXPECT_EQ(p.GetVertCount(), 7);

    EXPECT_DOUBLE_EQ(p.GetHorTime(2.0), 0.1); // 20 blocks
    p.HorKind = 2;
    EXPECT_DOUBLE_EQ(p.GetHorTime(2.0), 0.01);
}

TEST(SettingsRecords, LengthFactors)
{
    TRollOutProps roll;
    roll.LengthKind = 3;
    roll.Count.SetValue(3);
    roll.SpeedFactor.SetValue(-0.5);
    EXPECT_DOUBLE_EQ(roll.GetLengthFactor(), 6);
    roll.LengthKind = 1;
    roll.OperationTime = 4;
    EXPECT_DOUBLE_EQ(roll.GetLengthFactor(), 0.5);
    roll.LengthKind = 9;
    EXPECT_DOUBLE_EQ(roll.GetLengthFactor(), 0);

    TTempoPitchProps tempo;
    tempo.LengthKind = 3;
    tempo.Count.SetValue(3);
    tempo.SpeedFactor.SetValue(1.5);
    EXPECT_DOUBLE_EQ(tempo.GetLengthFactor(), 2);
    tempo.LengthKind = 1;
    tempo.OperationTime = 4;
    EXPECT_DOUBLE_EQ(tempo.GetLengthFactor(), 0.5);

    TLengthProps length;
    EXPECT_DOUBLE_EQ(length.GetLengthFactor(1.0), 0.5);
    length.LengthKind = 1;
    EXPECT_DOUBLE_EQ(length.GetLengthFactor(4.0), 0.5);
    length.LengthKind = 3; // Count is not a Change Length choice
    EXPECT_DOUBLE_EQ(length.GetLengthFactor(4.0), 0);

    TUnitWave other(std::make_shared<MonoSound>(NewWave(nullptr, 22050), 44100, 2), "W", "w.wav");
    length.LengthKind = 2;
    length.SameLengthAs.SetUnitWave(&other);
    EXPECT_DOUBLE_EQ(length.GetLengthFactor(0.25), 2.0);
}

TEST(SettingsRecords, Defaults)
{
    TLineProps line;
    EXPECT_EQ(line.Begin.GetValue(), 16383);
    EXPECT_EQ(line.End.GetValue(), -16384);
    TRandomEchoProps echo;
    EXPECT_EQ((std::vector<int32_t>{echo.TimeDie, echo.VolumeDie, echo.LengthDie, echo.BalDie, echo.PitchDie,
                                    echo.TempoDie}),
              (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(echo.Count.GetValue(), 20);
    EXPECT_DOUBLE_EQ(echo.TimeDiff.GetValue(), 1.0);
    TVolumeProps volume;
    EXPECT_EQ(volume.Factor.GetText(), TVolumeProps().Factor.GetText());
    EXPECT_DOUBLE_EQ(volume.Factor.GetValue(), 0.5);
    TBlockProps block;
    EXPECT_EQ(block.VertHeight.GetValue(), 3277);
    TMFreqProps mfreq;
    EXPECT_EQ(mfreq.Records.GetCount(), 1);
    const auto* component = dynamic_cast<const TMFreqBrowseRecord*>(mfreq.Records.GetRecord());
    ASSERT_NE(component, nullptr);
    EXPECT_DOUBLE_EQ(component->Frequency.GetValue(), 0.001);
    EXPECT_DOUBLE_EQ(component->StartVolume.GetValue(), 0.5);
    TSplitHorProps split;
    EXPECT_EQ(split.Result, 0);
}

// Copies carry every field, references with their picked document; the
// components of a multi-frequency record are never shared.
TEST(SettingsRecords, CopiesAreWholeAndIndependent)
{
    TUnitWave other(std::make_shared<MonoSound>(44100, 2), "Env", "e.wav");
    TPerEchoProps echo;
    echo.TimeEnvelope.SetName("Env");
    echo.TimeEnvelope.SetUnitWave(&other);
    echo.Count.SetValue(4);
    echo.VolumeKind = 1;
    TPerEchoProps copy(echo);
    TPerEchoProps assigned;
    assigned = echo;
    for (const TPerEchoProps* p : {&copy, &assigned}) {
        EXPECT_EQ(p->TimeEnvelope.GetName(), "Env");
        EXPECT_EQ(p->TimeEnvelope.GetUnitWave(), &other);
        EXPECT_EQ(p->Count.GetValue(), 4);
        EXPECT_EQ(p->VolumeKind, 1);
    }

    TMFreqProps a;
    auto two = std::make_unique<TMFreqBrowseRecord>();
    two->Frequency.SetValue(0.002);
    auto one = std::make_unique<TMFreqBrowseRecord>();
    one->Frequency.SetValue(0.004);
    a.Records.SetRecords(std::move(one), 0);
    TMFreqProps b = a;
    TMFreqProps c;
    c = a;
    b.Records.SetRecords(std::move(two), 0); // changing one copy leaves the others
    auto frequency = [](const TMFreqProps& p) {
        return static_cast<const TMFreqBrowseRecord*>(p.Records.GetFirstRecord())->Frequency.GetValue();
    };
    EXPECT_DOUBLE_EQ(frequency(a), 0.004);
    EXPECT_DOUBLE_EQ(frequency(b), 0.002);
    EXPECT_DOUBLE_EQ(frequency(c), 0.004);
    EXPECT_NE(c.Records.GetFirstRecord(), a.Records.GetFirstRecord());

    TMergeHorProps merge;
    merge.First.SetName("A");
    merge.WaveViewProps.DrawSingle = false;
    TMergeHorProps mergeCopy(merge);
    EXPECT_EQ(mergeCopy.First.GetName(), "A");
    EXPECT_TRUE(mergeCopy.WaveViewProps == merge.WaveViewProps);
}

TEST(MergeProposal, DifferencesShowTheirPages)
{
    MergeWaveFormat mono8{1, 22050, 1, 22050}, stereo16{2, 44100, 2, 44100};
    MergeProposal p = ProposeMergeHor(mono8, stereo16);
    EXPECT_TRUE(p.ShowMonoStereo);
    EXPECT_TRUE(p.ShowFrequency);
    EXPECT_TRUE(p.ShowBits);
    EXPECT_EQ(p.MonoStereo, 2);
    EXPECT_EQ(p.FrequencyIndex, 3);
    EXPECT_EQ(p.SampleFreq, 44100u);
    EXPECT_EQ(p.BytesPSample, 2);

    MergeProposal same = ProposeMergeHor(mono8, mono8);
    EXPECT_FALSE(same.ShowMonoStereo || same.ShowFrequency || same.ShowBits);
    EXPECT_EQ(same.MonoStereo, 1);
    EXPECT_EQ(same.SampleFreq, 22050u);
    EXPECT_EQ(same.BytesPSample, 1);

    EXPECT_EQ(ProposeMergeHor({1, 176128, 2, 1}, {1, 5512, 2, 1}).FrequencyIndex, 5);
    // A rate not offered is never replaced by the first entry (5512 Hz): no entry, the first wave's rate.
    const MergeProposal unlisted = ProposeMergeHor({1, 8000, 2, 1}, {1, 7000, 2, 1});
    EXPECT_EQ(unlisted.FrequencyIndex, -1);
    EXPECT_EQ(unlisted.SampleFreq, 8000u);
    EXPECT_EQ(ProposeMergeVert({1, 44100, 2, 1}, {1, 48000, 2, 1}).SampleFreq, 44100u);

    // Vertical: equal seconds at different rates need no length page.
    MergeProposal v = ProposeMergeVert({1, 22050, 2, 22050}, {1, 44100, 2, 44100});
    EXPECT_FALSE(v.ShowLength);
    EXPECT_EQ(v.MakeLengthsEqual, 0);
    MergeProposal w = ProposeMergeVert({1, 44100, 2, 100}, {1, 44100, 2, 200});
    EXPECT_TRUE(w.ShowLength);
    EXPECT_EQ(w.MakeLengthsEqual, 1);
}

TEST(WaveFileProps, FrequencyList)
{
    EXPECT_EQ(TWaveFileProps::FrequencyIndex(176128), 5);
    EXPECT_EQ(TWaveFileProps::FrequencyIndex(5512), 0);
    EXPECT_EQ(TWaveFileProps::FrequencyIndex(176400), -1);
    EXPECT_EQ(TWaveFileProps::FrequencyIndex(48000), -1);
    EXPECT_EQ(TWaveFileProps::FrequencyIndex(11025), 1);
    EXPECT_EQ(TWaveFileProps::FrequencyOfIndex(0, 48000), 5512u);
    EXPECT_EQ(TWaveFileProps::FrequencyOfIndex(-1, 48000), 48000u);
    TWaveFileProps p(2, 44100, 2);
    EXPECT_EQ(p.MonoStereo, 2);
    EXPECT_EQ(p.SampleFreq, 44100u);
}
