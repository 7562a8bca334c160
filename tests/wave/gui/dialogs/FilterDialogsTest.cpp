// The resonant/notch, high/low and block filter dialogs.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgBlockFilterProps.h"
#include "wave/gui/dialogs/DlgHighLowProps.h"
#include "wave/gui/dialogs/DlgResNotchProps.h"

#include <gtest/gtest.h>

namespace {

struct FilterDialogsTest : ThreeOpenWavesTest {};

} // namespace

TEST_F(FilterDialogsTest, ResonantNotchShowsTheCallersCaptionAndTakesHertz)
{
    TDlgResNotchProps dialog(nullptr, "Notch Filter", 44100, TResNotchProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Notch Filter");
    EXPECT_EQ(dialog.GetHelpContext(), 16);
    EXPECT_EQ(dialog.editFreqConstant->text(), "1 khz");
    // Every named wave but the active one, stereo too.
    EXPECT_EQ(dialog.cboWidthEnvelope->count(), 2);
    Type(dialog.editFreqConstant, "440 Hz");
    Type(dialog.editWidthConstant, "1");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().Frequency.GetValue(), 1.0 / 440);
    EXPECT_DOUBLE_EQ(dialog.GetProps().Width.GetValue(), 1.0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FilterDialogsTest, ResonantNotchRefusesAFrequencyAboveTheWavesRate)
{
    TDlgResNotchProps dialog(nullptr, "Resonant Filter", 22050, TResNotchProps());
    dialog.show();
    Type(dialog.editFreqConstant, "30 kHz");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              "In Frequency Constant: The frequency is too high for the sample frequency of the wave.");
    EXPECT_EQ(messages.Last().caption, "Input Error");
    // The rate itself is the highest the filter takes.
    Type(dialog.editFreqConstant, "22050 Hz");
    EXPECT_TRUE(PressOK(dialog));

    // With the frequency envelope the constant is not read, nor checked.
    TDlgResNotchProps envelope(nullptr, "Resonant Filter", 22050, TResNotchProps());
    envelope.show();
    Type(envelope.editFreqConstant, "30 kHz");
    Choose(envelope.cboFreqEnvelope, 1);
    EXPECT_TRUE(envelope.optFreqEnvelope->isChecked());
    EXPECT_TRUE(PressOK(envelope));
    EXPECT_EQ(envelope.GetProps().FreqKind, 1);
    EXPECT_DOUBLE_EQ(envelope.GetProps().Frequency.GetValue(), 0.001);

    // The width envelope has its own label.
    TDlgResNotchProps width(nullptr, "Resonant Filter", 22050, TResNotchProps());
    width.show();
    width.optWidthEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(width));
    EXPECT_EQ(messages.Last().text, "In Frequency Width Envelope: You have to select a Wave");
}

TEST_F(FilterDialogsTest, HighLowFactorBelongsToTheConstantFrequency)
{
    THighLowProps props;
    props.FreqKind = 1;
    TDlgHighLowProps dialog(nullptr, "Low Filter", props);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Low Filter");
    EXPECT_EQ(dialog.GetHelpContext(), 15);
    EXPECT_TRUE(dialog.optFreqEnvelope->isChecked());
    QTest::keyClicks(dialog.editFactor, "0");
    EXPECT_TRUE(dialog.optFreqConstant->isChecked());

    // Both ends of the factor are refused.
    for (const char* factor : {"0", "100 %"}) {
        Type(dialog.editFactor, factor);
        EXPECT_FALSE(PressOK(dialog)) << factor;
        EXPECT_EQ(messages.Last().text.rfind("In Volume Factor: ", 0), 0u) << messages.Last().text;
    }
    Type(dialog.editFactor, "30 %");
    Type(dialog.editCount, "0");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text.rfind("In Count: ", 0), 0u) << messages.Last().text;
    Type(dialog.editCount, "3");
    dialog.chkMaximizeVolume->setChecked(true);
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().FreqKind, 0);
    EXPECT_EQ(dialog.GetProps().Count.GetValue(), 3);
    EXPECT_EQ(dialog.GetProps().MaximizeVolume, 1);
}

TEST_F(FilterDialogsTest, BlockFilterRefusesABlockTimeTheFilterCannotUse)
{
    struct Case {
        const char* time;
        bool envelope;
        const char* message; // none: accepted
    };
    const Case cases[] = {
        {"0 ms", false, "In Block Time: The block time may not be 0."},
        {"-5 ms", false, nullptr},
        {"0 s", true, "In Block Time: The block time may not be 0."},
        {"-5 ms", true, "In Block Time: The block time must be greater than 0 with an envelope."},
        {"5 ms", true, nullptr},
    };
    for (const Case& c : cases) {
        messages.Clear();
        TDlgBlockFilterProps dialog(nullptr, TBlockFilterProps());
        dialog.show();
        Type(dialog.editTimeConstant, c.time);
        if (c.envelope)
            Choose(dialog.cboTimeEnvelope, 0);
        EXPECT_EQ(dialog.chkTimeEnvelope->isChecked(), c.envelope);
        EXPECT_EQ(PressOK(dialog), c.message == nullptr) << c.time;
        if (c.message) {
            ASSERT_EQ(messages.Count(), 1u);
            EXPECT_EQ(messages.Last().text, c.message);
        } else {
            EXPECT_EQ(messages.Count(), 0u) << messages.Last().text;
        }
    }
}

TEST_F(FilterDialogsTest, BlockFilterReadsTheTimeBeforeTheEnvelope)
{
    TDlgBlockFilterProps dialog(nullptr, TBlockFilterProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Block Filter");
    EXPECT_EQ(dialog.GetHelpContext(), 17);
    dialog.chkTimeEnvelope->setChecked(true);
    Type(dialog.editTimeConstant, "");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text.rfind("In Block Time: ", 0), 0u) << messages.Last().text;
    Type(dialog.editTimeConstant, "20 ms");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text, "In Envelope: You have to select a Wave");
    EXPECT_EQ(messages.Count(), 2u);
}
