// Each fixture shows a fault the document must not have.
#include "DocumentFakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
struct HookReset {
    ~HookReset() { AllocationHook::Reset(); }
};

TSilenceProps SilenceOf(double seconds)
{
    TSilenceProps p;
    p.Length.SetValue(seconds);
    return p;
}
} // namespace

// Sounds are shared: whatever replaces the document's sound, the snapshot's stays alive.
TEST(UnitWaveDecisions, SnapshotNeverPointsAtAFreedSound)
{
    DocumentFixture f(std::make_shared<MonoSound>(44100, 2));
    TUnitWave& u = *f.unit;
    f.host.MakeUndo(&u);
    u.StartUserDraw(DrawLinear); // replaces the sound
    std::shared_ptr<Sound> kept = f.host.undo.GetUndo()->GetSound();
    EXPECT_EQ(kept->GetValues(), 0);
    EXPECT_NE(kept, u.GetSound());

    // Revert and recording exchange the sound behind the snapshot's back.
    f.host.MakeUndo(&u);
    std::shared_ptr<Sound> previous = u.ExchangeSound(RampSound(10));
    previous.reset();
    EXPECT_EQ(f.host.undo.GetUndo()->GetSound()->GetValues(), 44101);
    u.EndUserDraw();
    f.host.undo.Undo();
    EXPECT_EQ(u.GetValues(), 44101);

    // The clipboard and the document may hold the same sound.
    f.host.clipboard = u.GetSound();
    u.EditDelete();
    EXPECT_EQ(f.host.clipboard->GetValues(), 44101);
}

// One failed allocation must not disable every later command.
TEST(UnitWaveDecisions, StopFlagIsClearedForEveryCommand)
{
    HookReset reset;
    DocumentFixture f(RampSound(1000));
    TUnitWave& u = *f.unit;
    AllocationHook::FailNext();
    u.Reverse();
    EXPECT_EQ(u.GetStopFlag(), 1);
    EXPECT_FALSE(u.LastCommandChanged());
    u.MakeSilence(SilenceOf(0.001));
    EXPECT_TRUE(u.LastCommandChanged());
    EXPECT_GT(u.GetValues(), 1000);
}

// A stopped command keeps the old sound and the range it started with.
TEST(UnitWaveDecisions, StoppedCommandRestoresItsRange)
{
    HookReset reset;
    const std::function<void(TUnitWave&)> commands[] = {
        [](TUnitWave& u) { u.MakeSilence(SilenceOf(0.1)); },
        [](TUnitWave& u) { u.EditDelete(); },
        [](TUnitWave& u) { u.EditTrim(); },
        [](TUnitWave& u) { u.Length(TLengthProps()); },
        [](TUnitWave& u) { u.EditPaste(); },
        [](TUnitWave& u) { u.RndEcho(TRandomEchoProps()); },
    };
    for (const auto& command : commands) {
        DocumentFixture f(RampSound(1000));
        f.host.clipboard = RampSound(50);
        TUnitWave& u = *f.unit;
        std::shared_ptr<Sound> before = u.GetSound();
        u.SetSelection(100, 300);
        AllocationHook::FailNext(8);
        command(u);
        AllocationHook::Reset();
        EXPECT_EQ(u.GetSound(), before);
        EXPECT_EQ(u.GetSelectBegin(), 100);
        EXPECT_EQ(u.GetSelectEnd(), 300);
        EXPECT_FALSE(u.LastCommandChanged());
        EXPECT_FALSE(u.IsChanged());
        EXPECT_EQ(f.window.soundChanged, 1); // the window is still told
    }
}

// Settings the engine cannot take are refused with a reason, before the sound is called.
TEST(UnitWaveDecisions, PreconditionsAreCheckedBeforeTheEngine)
{
    struct Case {
        const char* name;
        int32_t begin, end;
        std::function<void(TUnitWave&)> run;
    };
    const Case cases[] = {
        {"echo over one value", 10, 11, [](TUnitWave& u) { u.PerEcho(TPerEchoProps()); }},
        {"enveloped filter over one value", 10, 11,
         [](TUnitWave& u) {
             THighLowProps p;
             p.FreqKind = 1;
             p.FreqEnvelope.SetUnitWave(&u);
             u.FilterHigh(p);
         }},
        {"enveloped resonance over one value", 10, 11,
         [](TUnitWave& u) {
             TResNotchProps p;
             p.WidthKind = 1;
             p.WidthEnvelope.SetUnitWave(&u);
             u.FilterRes(p);
         }},
        {"negative echo time with a time envelope", 0, 0,
         [](TUnitWave& u) {
             TPerEchoProps p;
             p.Time.SetValue(-0.01);
             p.TimeEnvelopeOn = 1;
             p.TimeEnvelope.SetUnitWave(&u);
             u.PerEcho(p);
         }},
        {"block time 0", 0, 0,
         [](TUnitWave& u) {
             TBlockFilterProps p;
             p.BlockTime.SetValue(0);
             u.FilterBlock(p);
         }},
        {"negative block time with an envelope", 0, 0,
         [](TUnitWave& u) {
             TBlockFilterProps p;
             p.BlockTime.SetValue(-0.01);
             p.TimeEnvelopeOn = 1;
             p.TimeEnvelope.SetUnitWave(&u);
             u.FilterBlock(p);
         }},
        {"roll in shorter than a value", 0, 0,
         [](TUnitWave& u) {
             TRollInProps p;
             p.Length.SetValue(0.00001);
             u.RollIn(p);
         }},
        {"resonance period under one value", 0, 0,
         [](TUnitWave& u) {
             TResNotchProps p;
             p.Frequency.SetValue(0.00001);
             u.FilterRes(p);
         }},
        {"notch period under one value", 0, 0,
         [](TUnitWave& u) {
             TResNotchProps p;
             p.Frequency.SetValue(0.00001);
             u.FilterNotch(p);
         }},
        {"envelope that names no open wave", 0, 0,
         [](TUnitWave& u) {
             TVolumeProps p;
             p.VolumeKind = 1;
             p.VolumeEnvelope.SetName("Gone");
             u.Volume(p);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentFixture f(RampSound(1000));
        TUnitWave& u = *f.unit;
        u.SetSelection(c.begin, c.end);
        std::shared_ptr<Sound> before = u.GetSound();
        c.run(u);
        EXPECT_EQ(u.GetSound(), before);
        EXPECT_FALSE(u.LastCommandChanged());
        ASSERT_EQ(f.messages.Count(), 1u);
        EXPECT_EQ(f.messages.Last().caption, "Input Error");
        EXPECT_EQ(f.window.soundChanged, 0);
    }

    // Drawing mode: a length factor of 0 or less.
    DocumentFixture f(std::make_shared<MonoSound>(1000, 2));
    f.unit->StartUserDraw(DrawLinear);
    TLengthProps zero;
    zero.LengthFactor.SetValue(0);
    f.unit->Length(zero);
    EXPECT_DOUBLE_EQ(f.unit->GetDrawLength(), 1.0);
    EXPECT_EQ(f.messages.Count(), 1u);
}

TEST(UnitWaveDecisions, StoppedSwapAndFailedCopyKeepTheClipboard)
{
    HookReset reset;
    DocumentFixture f(RampSound(1000));
    TUnitWave& u = *f.unit;
    std::shared_ptr<Sound> clip = RampSound(50);
    f.host.clipboard = clip;
    u.SetSelection(100, 300);
    AllocationHook::FailNext(4);
    u.EditSwap();
    AllocationHook::Reset();
    EXPECT_EQ(f.host.clipboard, clip);
    EXPECT_EQ(u.GetValues(), 1000);

    AllocationHook::FailNext();
    u.EditCopy();
    EXPECT_EQ(f.host.clipboard, clip);
    AllocationHook::FailNext();
    u.EditCut();
    EXPECT_EQ(f.host.clipboard, clip);
    EXPECT_EQ(u.GetValues(), 1000); // nothing deleted that the clipboard did not get
}

// The clipboard changes only with the wave: a Cut or Extract whose copy was
// made but whose change of the wave ran out of memory leaves it as it was.
TEST(UnitWaveDecisions, AFailedCutOrExtractKeepsTheClipboard)
{
    HookReset reset;
    struct Case {
        const char* name;
        void (TUnitWave::*command)();
    };
    for (const Case& c : {Case{"cut", &TUnitWave::EditCut}, Case{"extract", &TUnitWave::EditExtract}}) {
        SCOPED_TRACE(c.name);
        DocumentFixture f(RampSound(1000));
        TUnitWave& u = *f.unit;
        std::shared_ptr<Sound> clip = RampSound(50);
        f.host.clipboard = clip;
        u.SetSelection(100, 300);
        std::shared_ptr<Sound> before = u.GetSound();
        // The copy of the range succeeds; the new wave does not.
        AllocationHook::FailAfter(1);
        (u.*c.command)();
        AllocationHook::Reset();
        EXPECT_EQ(f.host.clipboard, clip);
        EXPECT_EQ(u.GetSound(), before);
        EXPECT_FALSE(u.LastCommandChanged());
        ASSERT_EQ(f.messages.Count(), 1u);
        EXPECT_EQ(f.messages.Last().caption, "System Error");

        // Once it succeeds, the clipboard holds the range.
        (u.*c.command)();
        EXPECT_TRUE(u.LastCommandChanged());
        ASSERT_NE(f.host.clipboard, clip);
        EXPECT_EQ(f.host.clipboard->GetValues(), 200);
        EXPECT_EQ(f.host.clipboard->GetLeftWave()->getData()[0], 100);
    }
}

// A rate read from a file may be the largest there is: a generator whose
// result would pass the longest wave says so rather than make a shorter one,
// and so does an operation whose result grows past it.
TEST(UnitWaveDecisions, AResultLongerThanTheLongestWaveIsToldNotCut)
{
    const std::string told = "The result would be longer than the longest wave, of 2147483647 values.";
    DocumentFixture f(std::make_shared<MonoSound>(2147483647, 2));
    TUnitWave& u = *f.unit;
    TSilenceProps silence;
    silence.Length.SetValue(2.0);
    u.MakeSilence(silence);
    EXPECT_EQ(u.GetValues(), 0);
    EXPECT_FALSE(u.LastCommandChanged());
    ASSERT_EQ(f.messages.Count(), 1u);
    EXPECT_EQ(f.messages.Last().text, told);
    EXPECT_EQ(f.messages.Last().caption, "Input Error");

    TSinusProps sinus;
    sinus.Frequency.SetValue(1.0);
    sinus.LengthKind = 1;
    sinus.Count.SetValue(3);
    u.MakeSinus(sinus);
    EXPECT_EQ(u.GetValues(), 0);
    ASSERT_EQ(f.messages.Count(), 2u);
    EXPECT_EQ(f.messages.Last().text, told);

    // A thousand values made three million times longer.
    DocumentFixture g(RampSound(1000));
    TLengthProps longer;
    longer.LengthFactor.SetValue(3000000);
    std::shared_ptr<Sound> before = g.unit->GetSound();
    g.unit->Length(longer);
    EXPECT_EQ(g.unit->GetSound(), before);
    EXPECT_FALSE(g.unit->LastCommandChanged());
    ASSERT_EQ(g.messages.Count(), 1u);
    EXPECT_EQ(g.messages.Last().text, told);
}

// Paste selects exactly what it inserted, whatever the clipboard's rate.
TEST(UnitWaveDecisions, PasteSelectsTheInsertedValues)
{
    DocumentFixture f(RampSound(5000, 44100));
    f.host.clipboard = RampSound(1000, 22050);
    TUnitWave& u = *f.unit;
    u.SetCursor(300);
    u.EditPaste();
    int32_t inserted = u.GetValues() - 5000;
    EXPECT_EQ(inserted, 1999);
    EXPECT_EQ(u.GetSelectBegin(), 300);
    EXPECT_EQ(u.GetSelectEnd(), 300 + inserted);

    // Swapping twice gives back wave and clipboard.
    DocumentFixture g(RampSound(1000));
    g.host.clipboard = RampSound(50);
    std::shared_ptr<Sound> clip = g.host.clipboard;
    g.unit->SetSelection(100, 300);
    g.unit->EditSwap();
    EXPECT_EQ(g.host.clipboard->GetValues(), 200);
    EXPECT_EQ(g.unit->GetSelectEnd() - g.unit->GetSelectBegin(), 50);
    g.unit->EditSwap();
    EXPECT_EQ(g.unit->GetValues(), 1000);
    EXPECT_EQ(g.host.clipboard->GetValues(), 50);
    for (int32_t i = 0; i < 1000; ++i)
        ASSERT_EQ(g.unit->GetSound()->GetLeftWave()->getData()[i], static_cast<int16_t>(i)) << i;
}

// A bytes-per-sample change makes a new sound that shares the samples, so Undo
// brings the old width back; a failed change leaves icon and marks alone.
TEST(UnitWaveDecisions, FormatChangeIsUndoableAndAllOrNothing)
{
    HookReset reset;
    DocumentFixture f(RampSound(1000, 44100, 2));
    TUnitWave& u = *f.unit;
    u.SetSelection(100, 300);
    f.host.MakeUndo(&u);
    u.ChangeFileProps(TWaveFileProps(2, 44100, 2), TWaveFileProps(2, 44100, 1));
    EXPECT_EQ(u.GetBytesPSample(), 1);
    EXPECT_EQ(f.window.soundChanged, 0);
    EXPECT_EQ(u.GetSound()->GetLeftWave(), f.host.undo.GetUndo()->GetSound()->GetLeftWave());
    f.host.undo.Undo();
    EXPECT_EQ(u.GetBytesPSample(), 2);

    AllocationHook::FailNext(4);
    u.ChangeFileProps(TWaveFileProps(2, 44100, 2), TWaveFileProps(1, 22050, 2));
    AllocationHook::Reset();
    EXPECT_FALSE(u.LastCommandChanged());
    EXPECT_EQ(f.window.icon, -1);
    EXPECT_EQ(u.GetMonoStereo(), 2);
    EXPECT_EQ(u.GetSelectBegin(), 100);
    EXPECT_EQ(u.GetSelectEnd(), 300);
}

TEST(UnitWaveDecisions, DrawingModeClampsAndRefusesBadNodes)
{
    DocumentFixture f(std::make_shared<MonoSound>(1000, 2));
    TUnitWave& u = *f.unit;
    u.StartUserDraw(DrawLinear);
    u.InsertDrawNode(std::make_unique<TDrawNode>(30000, 0.5));

    TUpProps up;
    up.AddValue.SetValue(16383);
    u.MoveV(up);
    EXPECT_EQ(u.GetDrawNodes()->GetNext()->Value, 32767);
    TVolumeProps volume;
    volume.Factor.SetValue(-3.0);
    u.Volume(volume);
    EXPECT_EQ(u.GetDrawNodes()->GetNext()->Value, -32768);

    f.window.soundChanged = 0;
    TLengthProps half;
    half.LengthFactor.SetValue(0.5);
    u.Length(half);
    EXPECT_DOUBLE_EQ(u.GetDrawLength(), 0.5);
    EXPECT_EQ(u.GetValues(), 501);
    EXPECT_EQ(f.window.soundChanged, 1);

    // A rebuild that runs out of memory keeps the drawn length with its sound.
    AllocationHook::FailNext();
    u.Length(half);
    AllocationHook::Reset();
    EXPECT_DOUBLE_EQ(u.GetDrawLength(), 0.5);
    EXPECT_EQ(u.GetValues(), 501);
    AllocationHook::FailNext();
    u.MoveV(up);
    AllocationHook::Reset();
    EXPECT_EQ(u.GetDrawNodes()->GetNext()->Value, -32768);
    f.messages.Clear();

    // Nodes out of order (as a side file may hold them) are refused, not followed off the list.
    std::shared_ptr<Sound> before = u.GetSound();
    u.GetDrawNodes()->Position = 0.75;
    u.MakeUserDrawnSound();
    EXPECT_EQ(u.GetSound(), before);
    EXPECT_EQ(f.messages.Count(), 1u);
    // Fewer than two nodes.
    u.GetDrawNodes()->Position = 0.0;
    u.DeleteDrawNode(u.GetDrawNodes()->GetNext());
    u.DeleteDrawNode(u.GetDrawNodes()->GetNext());
    u.MakeUserDrawnSound();
    EXPECT_EQ(u.GetSound(), before);
    EXPECT_EQ(f.messages.Count(), 2u);
}

// A stereo wave balanced by the random echo keeps what its right channel held.
TEST(UnitWaveDecisions, RandomEchoMixesStereoDownBeforeBalance)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, 200), right = NewWave(&stop, 200);
    for (int32_t i = 0; i < 200; ++i) {
        left->getData()[i] = 0;
        right->getData()[i] = 10000;
    }
    DocumentFixture f(std::make_shared<StereoSound>(left, right, 1000, 2));
    TRandomEchoProps p;
    p.Count.SetValue(1);
    p.BalKind = 1;
    p.BalVolumeDifference = 0;
    p.BalTimeDifference = 0;
    p.TimeDiff.SetValue(0.01);
    f.unit->RndEcho(p);
    ASSERT_TRUE(f.unit->LastCommandChanged());
    const Sound& result = *f.unit->GetSound();
    int64_t sum = 0;
    for (int32_t i = 0; i < result.GetValues(); ++i)
        sum += std::abs(result.GetLeftWave()->getData()[i]) + std::abs(result.GetRightWave()->getData()[i]);
    EXPECT_GT(sum, 0);
}

// The document's assertion box reports and returns; nothing missing is used.
TEST(UnitWaveDecisions, AssertionBoxReturnsSafely)
{
    RecordingMessageService messages;
    FakeHost host;
    TUnitWave u(RampSound(100), "Wave 1", "a.wav"); // no window
    u.SetSelection(10, 20);
    u.EditDelete();
    EXPECT_EQ(u.GetValues(), 90);
    EXPECT_GE(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Assertion failed");

    messages.Clear();
    u.DeleteDrawNode(nullptr);
    u.EndUserDraw();
    EXPECT_EQ(messages.Count(), 2u);

    TUnitWave bad(TWaveFileProps(3, 44100, 4), "Wave 2", "");
    EXPECT_EQ(bad.GetMonoStereo(), 2);
    EXPECT_EQ(bad.GetBytesPSample(), 2);
    EXPECT_EQ(messages.Count(), 4u);
}
