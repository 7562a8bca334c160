// Period Echo and Random Echo.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgPerEchoProps.h"
#include "wave/gui/dialogs/DlgRandomEchoProps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTabBar>

namespace {

struct EchoDialogsTest : ThreeOpenWavesTest {};

} // namespace

TEST_F(EchoDialogsTest, PeriodEchoEnvelopeLabelsBeginWithABlank)
{
    TDlgPerEchoProps dialog(nullptr, TPerEchoProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Period Echo");
    EXPECT_EQ(dialog.GetHelpContext(), 12);
    // The time envelope must be mono; the volume envelope may be stereo.
    ASSERT_EQ(dialog.cboTimeEnvelope->count(), 1);
    EXPECT_EQ(dialog.cboTimeEnvelope->itemText(0), "Mono");
    EXPECT_EQ(dialog.cboVolumeEnvelope->count(), 2);

    dialog.chkTimeEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text, "In  Echo Time Envelope: You have to select a Wave");
    Choose(dialog.cboTimeEnvelope, 0);
    dialog.optVolumeEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text, "In  Echo Volume Envelope: You have to select a Wave");
    Choose(dialog.cboVolumeEnvelope, 0);
    EXPECT_TRUE(PressOK(dialog));
    const TPerEchoProps props = dialog.GetProps();
    EXPECT_EQ(props.TimeEnvelopeOn, 1);
    EXPECT_EQ(props.VolumeKind, 1);
    EXPECT_EQ(props.VolumeEnvelope.GetName(), "Stereo");
    EXPECT_EQ(messages.Count(), 2u);
}

TEST_F(EchoDialogsTest, PeriodEchoRefusesANegativeTimeOnlyWithATimeEnvelope)
{
    TDlgPerEchoProps dialog(nullptr, TPerEchoProps());
    dialog.show();
    Type(dialog.editTime, "-20 ms");
    Choose(dialog.cboTimeEnvelope, 0);
    EXPECT_TRUE(dialog.chkTimeEnvelope->isChecked());
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Time: The echo time may not be negative with a time envelope.");
    dialog.chkTimeEnvelope->setChecked(false);
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().Time.GetValue(), -0.02);

    // No echo at all is refused by the count's own range.
    TDlgPerEchoProps none(nullptr, TPerEchoProps());
    none.show();
    Type(none.editCount, "0");
    EXPECT_FALSE(PressOK(none));
    EXPECT_EQ(messages.Last().text.rfind("In Count: ", 0), 0u) << messages.Last().text;
}

TEST_F(EchoDialogsTest, RandomEchoDrawsEachPropertyFromItsOwnDieByDefault)
{
    TDlgRandomEchoProps dialog(nullptr, TRandomEchoProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Random Echo");
    EXPECT_EQ(dialog.GetHelpContext(), 13);
    ASSERT_EQ(dialog.pgcEchoManip->count(), 6);
    const char* pages[] = {"Time", "Volume", "Length", "Balance", "Pitch", "Tempo"};
    QComboBox* sources[] = {dialog.cboTimeSource,  dialog.cboVolumeSource, dialog.cboLengthSource,
                            dialog.cboBalSource,   dialog.cboPitchSource,  dialog.cboTempoSource};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(dialog.pgcEchoManip->tabText(i), pages[i]);
        QComboBox* source = sources[i];
        // A list of the six dice, nothing typed.
        EXPECT_FALSE(source->isEditable());
        ASSERT_EQ(source->count(), 6);
        EXPECT_EQ(source->itemText(5), "Die 6");
        EXPECT_EQ(source->currentText(), QString("Die %1").arg(i + 1));
    }
    // The envelope combos hold mono waves only.
    EXPECT_EQ(dialog.cboBalEnvelope->count(), 1);

    Choose(dialog.cboPitchSource, 0);
    Type(dialog.editRandomSeed, "-7");
    EXPECT_TRUE(PressOK(dialog));
    const TRandomEchoProps props = dialog.GetProps();
    EXPECT_EQ(props.PitchDie, 0);
    EXPECT_EQ(props.TempoDie, 5);
    EXPECT_EQ(props.RandomSeed.GetValue(), -7);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(EchoDialogsTest, RandomEchoOpensOnThePageItWasClosedWith)
{
    TDlgRandomEchoProps dialog(nullptr, TRandomEchoProps());
    dialog.show();
    EXPECT_EQ(dialog.pgcEchoManip->currentIndex(), 0);
    dialog.pgcEchoManip->setCurrentWidget(dialog.tsBalance);
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().Page, 3);

    TDlgRandomEchoProps again(nullptr, dialog.GetProps());
    again.show();
    EXPECT_EQ(again.pgcEchoManip->currentWidget(), again.tsBalance);
}

TEST_F(EchoDialogsTest, RandomEchoShowsTheTabOfEveryPage)
{
    TDlgRandomEchoProps dialog(nullptr, TRandomEchoProps());
    dialog.show();
    QApplication::processEvents();
    const QTabBar* tabs = dialog.pgcEchoManip->tabBar();
    ASSERT_EQ(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << tabs->tabText(i).toStdString();
    EXPECT_LE(dialog.frameGeometry().width(), dialog.screen()->availableGeometry().width());
}

TEST_F(EchoDialogsTest, RandomEchoPutsBackARefusedOrUnreadTimeDifference)
{
    TDlgRandomEchoProps dialog(nullptr, TRandomEchoProps());
    dialog.show();
    EXPECT_EQ(dialog.editTimeDiff->text(), "1000 ms");
    Type(dialog.editTimeDiff, "-5 ms");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text.rfind("In Time Difference: ", 0), 0u) << messages.Last().text;
    EXPECT_EQ(dialog.editTimeDiff->text(), "1000 ms");

    // The envelope comes first; the new difference is then not read at all.
    Type(dialog.editTimeDiff, "250 ms");
    dialog.optTimeEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text, "In Time - Random Envelope: You have to select a Wave");
    EXPECT_EQ(dialog.editTimeDiff->text(), "1000 ms");
    EXPECT_TRUE(dialog.isVisible());

    Choose(dialog.cboTimeEnvelope, 0);
    Type(dialog.editTimeDiff, "0.25 s");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().TimeDiff.GetValue(), 0.25);
    EXPECT_EQ(dialog.GetProps().TimeKind, 1);
}

TEST_F(EchoDialogsTest, RandomEchoReadsTheFrequencyFactorOnlyWithThePitchEnvelope)
{
    TDlgRandomEchoProps dialog(nullptr, TRandomEchoProps());
    dialog.show();
    Type(dialog.editFreqFactor, "twice");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(messages.Count(), 0u);

    TDlgRandomEchoProps pitch(nullptr, TRandomEchoProps());
    pitch.show();
    Type(pitch.editFreqFactor, "twice");
    // Choosing an envelope chooses its option.
    Choose(pitch.cboPitchEnvelope, 0);
    EXPECT_TRUE(pitch.optPitchEnvelope->isChecked());
    EXPECT_FALSE(PressOK(pitch));
    EXPECT_EQ(messages.Last().text.rfind("In Pitch - Frequency Factor: ", 0), 0u) << messages.Last().text;
    Type(pitch.editFreqFactor, "1.5");
    EXPECT_TRUE(PressOK(pitch));
    EXPECT_DOUBLE_EQ(pitch.GetProps().FreqFactor.GetValue(), 1.5);
    EXPECT_EQ(pitch.GetProps().PitchKind, 1);
}
