#include "DocumentFakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int32_t Freq = 1000; // one value per millisecond keeps the lengths readable

std::shared_ptr<Sound> Clip(int32_t values, int channels = 1)
{
    return RampSound(values, Freq, channels);
}

// A command on a wave of 1000 values with [100, 300) selected (or a bare
// cursor at 300), and what it must leave behind. -1: not checked here.
struct CommandCase {
    const char* name;
    bool select;
    int channels;
    std::function<void(TUnitWave&)> run;
    int32_t values;
    int32_t selectBegin;
    int32_t selectEnd; // -2: exactly the values that replaced the range
    int32_t clipboardValues; // the clipboard starts with 50 values
};

TLengthProps LengthFactor(double factor)
{
    TLengthProps p;
    p.LengthFactor.SetValue(factor);
    return p;
}

TSilenceProps Silence(double seconds)
{
    TSilenceProps p;
    p.Length.SetValue(seconds);
    return p;
}

} // namespace

TEST(UnitWaveCommands, LengthMarksAndClipboardPerCommand)
{
    const CommandCase cases[] = {
        // Generators insert at the cursor or replace the selection, and select what they made.
        {"silence over selection", true, 1, [](TUnitWave& u) { u.MakeSilence(Silence(0.1)); }, 901, 100, 201, 50},
        {"silence at cursor", false, 1, [](TUnitWave& u) { u.MakeSilence(Silence(0.1)); }, 1101, 300, 401, 50},
        {"line", true, 1, [](TUnitWave& u) { u.MakeLine(TLineProps()); }, -1, 100, -2, 50},
        {"noise", true, 1, [](TUnitWave& u) { u.MakeNoise(TNoiseProps()); }, -1, 100, -2, 50},
        {"block", true, 1, [](TUnitWave& u) { u.MakeBlock(TBlockTriangleProps()); }, -1, 100, -2, 50},
        {"triangle", false, 1, [](TUnitWave& u) { u.MakeTriangle(TBlockTriangleProps()); }, -1, 300, -2, 50},
        {"sinus", true, 2, [](TUnitWave& u) { u.MakeSinus(TSinusProps()); }, -1, 100, -2, 50},
        {"multi frequency", true, 1, [](TUnitWave& u) { u.MakeMFreq(TMFreqProps()); }, -1, 100, -2, 50},
        // Editing.
        {"delete", true, 1, [](TUnitWave& u) { u.EditDelete(); }, 800, 100, 100, 50},
        {"delete all", false, 1, [](TUnitWave& u) { u.EditDelete(); }, 0, 0, 0, 50},
        {"trim", true, 1, [](TUnitWave& u) { u.EditTrim(); }, 200, 0, 200, 50},
        {"copy", true, 1, [](TUnitWave& u) { u.EditCopy(); }, 1000, 100, 300, 200},
        {"cut", true, 1, [](TUnitWave& u) { u.EditCut(); }, 800, 100, 100, 200},
        {"cut all", false, 2, [](TUnitWave& u) { u.EditCut(); }, 0, 0, 0, 1000},
        {"paste", true, 1, [](TUnitWave& u) { u.EditPaste(); }, 850, 100, 150, 50},
        {"paste at cursor", false, 1, [](TUnitWave& u) { u.EditPaste(); }, 1050, 300, 350, 50},
        {"swap", true, 1, [](TUnitWave& u) { u.EditSwap(); }, 850, 100, 150, 200},
        {"extract", true, 1, [](TUnitWave& u) { u.EditExtract(); }, 1000, 100, 300, 200},
        {"mix", true, 1, [](TUnitWave& u) { u.EditMix(TMixProps()); }, 1000, 100, 300, 50},
        // Effects that keep the length leave the marks alone.
        {"volume", true, 1, [](TUnitWave& u) { u.Volume(TVolumeProps()); }, 1000, 100, 300, 50},
        {"max volume", true, 1, [](TUnitWave& u) { u.MaxVolume(); }, 1000, 100, 300, 50},
        {"reverse", false, 1, [](TUnitWave& u) { u.Reverse(); }, 1000, 300, 300, 50},
        {"move vertically", true, 1, [](TUnitWave& u) { u.MoveV(TUpProps()); }, 1000, 100, 300, 50},
        {"normalize", true, 2, [](TUnitWave& u) { u.NormalizeVertically(); }, 1000, 100, 300, 50},
        {"block effect", true, 1, [](TUnitWave& u) { u.Block(TBlockProps()); }, 1000, 100, 300, 50},
        {"rotate", true, 1, [](TUnitWave& u) { u.Rotate(TRotateProps()); }, 1000, 100, 300, 50},
        {"high filter", true, 1, [](TUnitWave& u) { u.FilterHigh(THighLowProps()); }, 1000, 100, 300, 50},
        {"low filter", true, 2, [](TUnitWave& u) { u.FilterLow(THighLowProps()); }, 1000, 100, 300, 50},
        {"resonance", true, 1, [](TUnitWave& u) { u.FilterRes(TResNotchProps()); }, 1000, 100, 300, 50},
        {"notch", true, 1, [](TUnitWave& u) { u.FilterNotch(TResNotchProps()); }, 1000, 100, 300, 50},
        {"mix left right", true, 2, [](TUnitWave& u) { u.MixLeftRight(TLeftRightProps()); }, 1000, 100, 300, 50},
        {"balance", true, 1, [](TUnitWave& u) { u.Balance(TBalanceProps()); }, -1, 100, 300, 50},
        // Effects that change the length select their result.
        {"length", true, 1, [](TUnitWave& u) { u.Length(LengthFactor(0.5)); }, -1, 100, -2, 50},
        {"roll in", true, 1, [](TUnitWave& u) {
             TRollInProps p;
             p.Length.SetValue(0.05);
             u.RollIn(p);
         }, -1, 100, -2, 50},
        {"move horizontally", true, 2, [](TUnitWave& u) { u.MoveH(TShiftProps()); }, -1, -1, -1, 50},
        {"period echo", true, 1, [](TUnitWave& u) { u.PerEcho(TPerEchoProps()); }, -1, 100, -1, 50},
        {"block filter", true, 1, [](TUnitWave& u) { u.FilterBlock(TBlockFilterProps()); }, -1, 100, -2, 50},
        {"tempo pitch", true, 1, [](TUnitWave& u) {
             TTempoPitchProps p;
             p.OperationTime = u.GetOperationTime();
             u.TempoPitch(p);
         }, -1, 100, -2, 50},
        {"roll out", true, 1, [](TUnitWave& u) {
             TRollOutProps p;
             p.OperationTime = u.GetOperationTime();
             u.RollOut(p);
         }, -1, 100, -2, 50},
        // Random echo: the whole wave, the cursor at 0 afterwards.
        {"random echo", true, 1, [](TUnitWave& u) {
             TRandomEchoProps p;
             p.Count.SetValue(3);
             u.RndEcho(p);
         }, -1, 0, 0, 50},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentFixture f(RampSound(1000, Freq, c.channels));
        f.host.clipboard = Clip(50, c.channels);
        TUnitWave& u = *f.unit;
        if (c.select)
            u.SetSelection(100, 300);
        else
            u.SetCursor(300);
        int32_t before = u.GetValues();
        int32_t removed = u.GetSelectEnd() - u.GetSelectBegin();
        c.run(u);

        EXPECT_EQ(f.messages.Count(), 0u) << (f.messages.Count() ? f.messages.Last().text : "");
        EXPECT_EQ(u.GetStopFlag(), 0);
        EXPECT_EQ(f.window.soundChanged, std::string(c.name) == "copy" ? 0 : 1);
        if (c.values >= 0) {
            EXPECT_EQ(u.GetValues(), c.values);
        }
        if (c.selectBegin >= 0) {
            EXPECT_EQ(u.GetSelectBegin(), c.selectBegin);
        }
        if (c.selectEnd >= 0) {
            EXPECT_EQ(u.GetSelectEnd(), c.selectEnd);
        }
        if (c.selectEnd == -2) {
            EXPECT_EQ(u.GetSelectEnd() - u.GetSelectBegin(), u.GetValues() - (before - removed));
        }
        EXPECT_LE(u.GetSelectEnd(), u.GetValues());
        ASSERT_TRUE(f.host.clipboard);
        EXPECT_EQ(f.host.clipboard->GetValues(), c.clipboardValues);
        EXPECT_EQ(u.LastCommandChanged(), std::string(c.name) != "copy");
        if (std::string(c.name) == "balance") {
            EXPECT_EQ(u.GetMonoStereo(), 2);
        }
    }
}
