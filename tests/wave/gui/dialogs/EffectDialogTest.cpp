// The shared behaviour of the effect dialogs, on the Change Volume dialog.
#include "DialogTestSupport.h"

#include "platform/HelpService.h"
#include "wave/gui/dialogs/DlgVolumeProps.h"

#include <gtest/gtest.h>

namespace {

struct VolumeDialogTest : ::testing::Test {
    VolumeDialogTest()
    {
        waves.Add("Wave 1"); // the active window's: never offered
        waves.Add("Wave 2");
        waves.Add("Wave 3");
    }
    RecordingMessageService messages;
    FakeOpenWaves waves;
};

} // namespace

TEST_F(VolumeDialogTest, ShowsTheRecordWithTheConstantChosen)
{
    TDlgVolumeProps dialog(nullptr, false, TVolumeProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Change Volume");
    EXPECT_EQ(dialog.GetHelpContext(), 9);
    EXPECT_EQ(dialog.editVolume->text().toStdString(), TVolumeProps().Factor.GetText());
    EXPECT_EQ(dialog.editVolume->text(), "50 %");
    EXPECT_TRUE(dialog.optConstant->isChecked());
    EXPECT_FALSE(dialog.optEnvelope->isChecked());
    // Every open wave but the active window's, none chosen.
    ASSERT_EQ(dialog.cboUnitWave->count(), 2);
    EXPECT_EQ(dialog.cboUnitWave->itemText(0), "Wave 2");
    EXPECT_EQ(dialog.cboUnitWave->currentIndex(), -1);
}

TEST_F(VolumeDialogTest, AnInvalidFactorShowsOneMessageAndTheDialogStaysUntilFixed)
{
    TVolumeProps caller;
    TDlgVolumeProps dialog(nullptr, false, caller);
    dialog.show();
    Type(dialog.editVolume, "abc");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Input Error");
    EXPECT_EQ(messages.Last().text.rfind("In Constant: ", 0), 0u) << messages.Last().text;
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.editVolume->text(), "abc");

    Type(dialog.editVolume, "25 %");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_DOUBLE_EQ(dialog.GetProps().Factor.GetValue(), 0.25);
    EXPECT_DOUBLE_EQ(caller.Factor.GetValue(), 0.5);
}

TEST_F(VolumeDialogTest, AnEnvelopeWithoutAWaveIsRefusedAndTheUnreadFactorIsNotReported)
{
    TDlgVolumeProps dialog(nullptr, false, TVolumeProps());
    dialog.show();
    Type(dialog.editVolume, "not a number");
    dialog.optEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Envelope: You have to select a Wave");
    EXPECT_EQ(messages.Last().caption, "Input Error");

    Choose(dialog.cboUnitWave, 1);
    EXPECT_TRUE(PressOK(dialog));
    const TVolumeProps props = dialog.GetProps();
    EXPECT_EQ(props.VolumeKind, 1);
    EXPECT_EQ(props.VolumeEnvelope.GetName(), "Wave 3");
    EXPECT_EQ(props.VolumeEnvelope.GetUnitWave(), waves.units[2].get());
}

TEST_F(VolumeDialogTest, TypingAndChoosingCheckTheirOption)
{
    TVolumeProps props;
    props.VolumeKind = 1;
    TDlgVolumeProps dialog(nullptr, false, props);
    dialog.show();
    // Showing the texts does not decide the option: the record does.
    EXPECT_TRUE(dialog.optEnvelope->isChecked());
    QTest::keyClicks(dialog.editVolume, "0");
    EXPECT_TRUE(dialog.optConstant->isChecked());
    Choose(dialog.cboUnitWave, 0);
    EXPECT_TRUE(dialog.optEnvelope->isChecked());
    EXPECT_FALSE(dialog.optConstant->isChecked());
}

TEST_F(VolumeDialogTest, ASavedEnvelopeThatIsOpenIsSelectedOneThatIsGoneIsNot)
{
    TVolumeProps props;
    props.VolumeEnvelope = unitUnitWave("Wave 3");
    TDlgVolumeProps shown(nullptr, false, props);
    shown.show();
    EXPECT_EQ(shown.cboUnitWave->currentIndex(), 1);

    props.VolumeEnvelope = unitUnitWave("Closed Wave");
    TDlgVolumeProps gone(nullptr, false, props);
    gone.show();
    EXPECT_EQ(gone.cboUnitWave->currentIndex(), -1);
}

TEST_F(VolumeDialogTest, CancelAfterAFailedOKClosesAndHandsNothingBack)
{
    TDlgVolumeProps dialog(nullptr, false, TVolumeProps());
    dialog.show();
    Type(dialog.editVolume, "");
    EXPECT_FALSE(PressOK(dialog));
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(VolumeDialogTest, WhileDrawingOnlyTheConstantIsOfferedAndUsed)
{
    // An envelope left in the record from before must not reach the drawing.
    TVolumeProps props;
    props.VolumeKind = 1;
    props.VolumeEnvelope = unitUnitWave("Wave 2");
    TDlgVolumeProps dialog(nullptr, true, props);
    dialog.show();
    EXPECT_FALSE(dialog.optEnvelope->isEnabled());
    EXPECT_FALSE(dialog.cboUnitWave->isEnabled());
    EXPECT_TRUE(dialog.optConstant->isChecked());
    Type(dialog.editVolume, "200 %");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().VolumeKind, 0);
    EXPECT_DOUBLE_EQ(dialog.GetProps().Factor.GetValue(), 2.0);
}

TEST_F(VolumeDialogTest, ReturnPressesOKAndEscapeCancels)
{
    TDlgVolumeProps dialog(nullptr, false, TVolumeProps());
    dialog.show();
    dialog.editVolume->setFocus();
    Type(dialog.editVolume, "10 %");
    QTest::keyClick(dialog.editVolume, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.GetProps().Factor.GetValue(), 0.1);

    TDlgVolumeProps other(nullptr, false, TVolumeProps());
    other.show();
    QTest::keyClick(&other, Qt::Key_Escape);
    EXPECT_EQ(other.result(), QDialog::Rejected);
    EXPECT_FALSE(other.isVisible());
}
