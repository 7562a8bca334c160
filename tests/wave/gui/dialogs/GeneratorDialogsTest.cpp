// The generator dialogs: Silence, Line, Noise, Block and Triangle, Sinus.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgBlockTriangleProps.h"
#include "wave/gui/dialogs/DlgLineProps.h"
#include "wave/gui/dialogs/DlgNoiseProps.h"
#include "wave/gui/dialogs/DlgSilenceProps.h"
#include "wave/gui/dialogs/DlgSinusProps.h"

#include <gtest/gtest.h>

namespace {

struct GeneratorDialogsTest : ::testing::Test {
    RecordingMessageService messages;
    FakeOpenWaves waves;
};

} // namespace

TEST_F(GeneratorDialogsTest, CaptionsHelpContextsAndShapes)
{
    TDlgSilenceProps silence(nullptr, TSilenceProps());
    TDlgLineProps line(nullptr, TLineProps());
    TDlgNoiseProps noise(nullptr, TNoiseProps());
    TDlgBlockTriangleProps block(nullptr, "Make Block", TBlockTriangleProps());
    TDlgBlockTriangleProps triangle(nullptr, "Make Triangle", TBlockTriangleProps());
    TDlgSinusProps sinus(nullptr, TSinusProps());
    const std::vector<std::tuple<TOKDialog*, QString, int>> expected = {
        {&silence, "Make Silence", 20}, {&line, "Make Line", 5},          {&noise, "Make Noise", 8},
        {&block, "Make Block", 6},      {&triangle, "Make Triangle", 6}, {&sinus, "Make Sinus", 7}};
    for (const auto& [dialog, caption, help] : expected) {
        EXPECT_EQ(dialog->windowTitle(), caption);
        EXPECT_EQ(dialog->GetHelpContext(), help);
        ASSERT_NE(dialog->HelpButton(), nullptr);
    }
    // Silence has its buttons at the bottom, the others on the right.
    silence.show();
    line.show();
    EXPECT_GT(silence.OKButton()->y(), silence.Bevel()->geometry().bottom());
    EXPECT_GT(line.OKButton()->x(), line.Bevel()->geometry().right());
}

TEST_F(GeneratorDialogsTest, ExponentialLinesMayNotReachZero)
{
    struct Case {
        int kind;
        const char* begin;
        const char* end;
        bool accepted;
    };
    const Case cases[] = {
        {1, "10 %", "-10 %", false}, {1, "10 %", "20 %", true}, {1, "0 %", "20 %", false},
        {1, "-10 %", "-20 %", true}, {0, "0 %", "20 %", true},
    };
    for (const Case& c : cases) {
        messages.Clear();
        TDlgLineProps dialog(nullptr, TLineProps());
        dialog.show();
        Item(dialog.rgrKind, c.kind)->setChecked(true);
        Type(dialog.editBegin, c.begin);
        Type(dialog.editEnd, c.end);
        EXPECT_EQ(PressOK(dialog), c.accepted) << c.begin << " " << c.end;
        if (!c.accepted) {
            ASSERT_EQ(messages.Count(), 1u);
            EXPECT_EQ(messages.Last().text, "Exponential Line may not contain value 0.");
            EXPECT_EQ(messages.Last().caption, "Input Error");
        } else {
            EXPECT_EQ(messages.Count(), 0u);
            EXPECT_EQ(dialog.GetProps().LineKind, c.kind);
        }
    }
}

TEST_F(GeneratorDialogsTest, AfterARefusalTheExponentialCheckAndTheLengthAreNotRead)
{
    TDlgLineProps dialog(nullptr, TLineProps());
    dialog.show();
    Item(dialog.rgrKind, 1)->setChecked(true);
    Type(dialog.editBegin, "zero");
    Type(dialog.editEnd, "0 %");
    Type(dialog.editLength, "long");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(Starts(messages.Last().text, "In Begin Value: ")) << messages.Last().text;
}

TEST_F(GeneratorDialogsTest, NoiseReportsTheLengthFirst)
{
    TDlgNoiseProps dialog(nullptr, TNoiseProps());
    dialog.show();
    Type(dialog.editVolume, "loud");
    Type(dialog.editLength, "long");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(Starts(messages.Last().text, "In Length: ")) << messages.Last().text;
}

TEST_F(GeneratorDialogsTest, BlockByTimeIgnoresTheMiddle)
{
    waves.Add("Wave 1");
    TBlockTriangleProps props;
    props.MiddleKind = 1; // an envelope with no wave behind it
    TDlgBlockTriangleProps dialog(nullptr, "Make Block", props);
    dialog.show();
    EXPECT_TRUE(dialog.optFrequency->isChecked());
    EXPECT_TRUE(dialog.optMiddleEnvelope->isChecked());
    Type(dialog.editTime1, "5 ms");
    EXPECT_TRUE(dialog.optTime->isChecked());
    Type(dialog.editTime2, "15 ms");
    Type(dialog.editFrequency, "not read either");
    EXPECT_TRUE(PressOK(dialog)) << (messages.Count() ? messages.Last().text : "");
    const TBlockTriangleProps result = dialog.GetProps();
    EXPECT_EQ(result.BloTriHorKind, bloTriTime);
    EXPECT_FALSE(result.HasMiddleEnvelope());
    EXPECT_DOUBLE_EQ(result.GetPeriod(), 0.02);
    EXPECT_DOUBLE_EQ(result.GetMiddle(), 0.25);
}

TEST_F(GeneratorDialogsTest, BlockMiddleAndLengthChoicesFollowTheUser)
{
    waves.Add("Wave 1");
    waves.Add("Wave 2");
    TBlockTriangleProps props;
    props.BloTriHorKind = bloTriTime;
    TDlgBlockTriangleProps dialog(nullptr, "Make Triangle", props);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Make Triangle");
    // Typing a middle switches the period back to the frequency.
    Type(dialog.editMiddle, "25 %");
    EXPECT_TRUE(dialog.optMiddleConstant->isChecked());
    EXPECT_TRUE(dialog.optFrequency->isChecked());
    // Same Length as, without a wave: refused with its own label.
    Choose(dialog.cboLengthSameAs, 0);
    EXPECT_TRUE(dialog.optLengthSameAs->isChecked());
    dialog.cboLengthSameAs->setCurrentIndex(-1);
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Length Same As: You have to select a Wave");
    // Count chosen by typing; an invalid start position is the next refusal.
    Type(dialog.editLengthCount, "2.5");
    EXPECT_TRUE(dialog.optLengthCount->isChecked());
    Type(dialog.editStartPosition, "2");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_TRUE(Starts(messages.Last().text, "In Start Position: ")) << messages.Last().text;
    Type(dialog.editStartPosition, "0");
    Type(dialog.editFrequency, "1 kHz");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().GetLength(), 0.0025);
}

TEST_F(GeneratorDialogsTest, SinusReadsOnlyTheChosenLengthThenTheRest)
{
    TDlgSinusProps dialog(nullptr, TSinusProps());
    dialog.show();
    EXPECT_TRUE(dialog.optLength->isChecked());
    Type(dialog.editLength, "forever");
    Type(dialog.editCount, "3");
    EXPECT_TRUE(dialog.optCount->isChecked());
    Type(dialog.editFrequency, "xyz");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(Starts(messages.Last().text, "In Frequency: ")) << messages.Last().text;
    Type(dialog.editFrequency, "2 kHz");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().LengthKind, 1);
    EXPECT_DOUBLE_EQ(dialog.GetProps().GetCount(), 3.0);
}
