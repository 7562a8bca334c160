#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgTempoPitchProps.h"

#include <gtest/gtest.h>

namespace {

struct TempoPitchDialogTest : ::testing::Test {
    TempoPitchDialogTest()
    {
        waves.Add("Wave 1"); // the active window's
        waves.Add("Stereo", 2);
        waves.Add("Mono");
        props.OperationTime = 4.0;
    }
    RecordingMessageService messages;
    FakeOpenWaves waves;
    TTempoPitchProps props;
};

} // namespace

TEST_F(TempoPitchDialogTest, FactorsMayBeNegativeButNotZero)
{
    TDlgTempoPitchProps dialog(nullptr, props);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Pitch Tempo");
    EXPECT_EQ(dialog.GetHelpContext(), 50);
    for (QLineEdit* edit : {dialog.editFreqFactor, dialog.editSpeedFactor}) {
        Type(edit, "0");
        EXPECT_FALSE(PressOK(dialog));
        Type(edit, "-50 %");
    }
    EXPECT_EQ(messages.All()[0].text.rfind("In Frequency Factor: ", 0), 0u) << messages.All()[0].text;
    EXPECT_EQ(messages.All()[1].text.rfind("In Speed Factor: ", 0), 0u) << messages.All()[1].text;
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().SpeedFactor.GetValue(), -0.5);
}

TEST_F(TempoPitchDialogTest, OnlyTheChosenLengthIsRead)
{
    TDlgTempoPitchProps dialog(nullptr, props);
    dialog.show();
    // Envelopes are mono waves; the length may be taken from any wave.
    EXPECT_EQ(dialog.cboFreqEnvelope->count(), 1);
    EXPECT_EQ(dialog.cboSpeedEnvelope->count(), 1);
    EXPECT_EQ(dialog.cboLengthSameAs->count(), 2);

    Type(dialog.editLengthNew, "never");
    Type(dialog.editLengthCount, "1.5");
    EXPECT_TRUE(dialog.optLengthCount->isChecked());
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().LengthKind, 3);
    EXPECT_DOUBLE_EQ(dialog.GetProps().Count.GetValue(), 1.5);

    TDlgTempoPitchProps same(nullptr, props);
    same.show();
    same.optLengthSameAs->setChecked(true);
    EXPECT_FALSE(PressOK(same));
    EXPECT_EQ(messages.Last().text, "In Same Length as: You have to select a Wave");
    Choose(same.cboLengthSameAs, 0);
    same.chkSpeedEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(same));
    EXPECT_EQ(messages.Last().text, "In Speed Envelope: You have to select a Wave");
    Choose(same.cboSpeedEnvelope, 0);
    EXPECT_TRUE(PressOK(same));
    EXPECT_EQ(same.GetProps().SameLengthAs.GetName(), "Stereo");
    EXPECT_EQ(same.GetProps().SpeedEnvelope.GetName(), "Mono");
}

TEST_F(TempoPitchDialogTest, TheStartPositionIsAShareOfTheOperationTime)
{
    TDlgTempoPitchProps dialog(nullptr, props);
    dialog.show();
    Type(dialog.editStartPosition, "25 %");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().StartPosition.GetPosition(), 1.0);
}
