// Rotate, Block, Roll in, Roll out, Change Length and Move Horizontally.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgBlockProps.h"
#include "wave/gui/dialogs/DlgLengthProps.h"
#include "wave/gui/dialogs/DlgRollInProps.h"
#include "wave/gui/dialogs/DlgRollOutProps.h"
#include "wave/gui/dialogs/DlgRotateProps.h"
#include "wave/gui/dialogs/DlgShiftProps.h"

#include <gtest/gtest.h>

namespace {

struct TimeDialogsTest : ::testing::Test {
    RecordingMessageService messages;
    FakeOpenWaves waves;
};

} // namespace

TEST_F(TimeDialogsTest, CaptionsAndHelpContexts)
{
    TRollOutProps rollOut;
    rollOut.OperationTime = 1.0;
    TDlgRotateProps rotate(nullptr, 1.0, TRotateProps());
    TDlgBlockProps block(nullptr, TBlockProps());
    TDlgRollInProps rollIn(nullptr, 44100, TRollInProps());
    TDlgRollOutProps out(nullptr, rollOut);
    TDlgLengthProps length(nullptr, TLengthProps());
    TDlgShiftProps shift(nullptr, 2, TShiftProps());
    const std::vector<std::tuple<TOKDialog*, QString, int>> expected = {
        {&rotate, "Rotate", 21},     {&block, "Block", 43},          {&rollIn, "Roll in", 44},
        {&out, "Roll out", 46},      {&length, "Change Length", 49}, {&shift, "Move Wave Horizontally", 55}};
    for (const auto& [dialog, caption, help] : expected) {
        EXPECT_EQ(dialog->windowTitle(), caption);
        EXPECT_EQ(dialog->GetHelpContext(), help);
    }
}

TEST_F(TimeDialogsTest, RotateBoundsOnlyAChosenTimeAndOnlyAfterValidFields)
{
    // A selection of 50 ms; the default time is 100 ms.
    {
        TDlgRotateProps dialog(nullptr, 0.05, TRotateProps());
        dialog.show();
        EXPECT_TRUE(dialog.optFactor->isChecked());
        EXPECT_TRUE(PressOK(dialog)); // the factor is chosen: the long time does not matter
        EXPECT_EQ(messages.Count(), 0u);
    }
    {
        TDlgRotateProps dialog(nullptr, 0.05, TRotateProps());
        dialog.show();
        Type(dialog.editTime, "-0.2 s");
        EXPECT_TRUE(dialog.optTime->isChecked());
        EXPECT_FALSE(PressOK(dialog));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "In Time: Time may not be longer than the time of the sound.");
        EXPECT_EQ(messages.Last().caption, "Input Error");
        // A refused factor is the one message of its OK.
        Type(dialog.editFactor, "much");
        dialog.optTime->setChecked(true);
        EXPECT_FALSE(PressOK(dialog));
        EXPECT_EQ(messages.Count(), 2u);
        EXPECT_TRUE(Starts(messages.Last().text, "In Factor: ")) << messages.Last().text;
        Type(dialog.editFactor, "0.5");
        Type(dialog.editTime, "40 ms");
        Item(dialog.rgrShift, 1)->setChecked(true);
        EXPECT_TRUE(PressOK(dialog));
        EXPECT_EQ(dialog.GetProps().ShiftTo, 1);
        EXPECT_EQ(dialog.GetProps().ByFactor, 0);
        EXPECT_NEAR(dialog.GetProps().GetShift(0.05), 0.01, 1e-12);
    }
}

TEST_F(TimeDialogsTest, BlockLabelsBeginWithABlankAndUnchosenEditsAreNotRead)
{
    TDlgBlockProps dialog(nullptr, TBlockProps());
    dialog.show();
    EXPECT_TRUE(dialog.optHorNoChange->isChecked());
    EXPECT_TRUE(dialog.optVertNoChange->isChecked());
    Type(dialog.editHorTime, "never");
    dialog.optHorNoChange->setChecked(true);
    EXPECT_TRUE(PressOK(dialog));

    TDlgBlockProps counted(nullptr, TBlockProps());
    counted.show();
    Type(counted.editHorCount, "0");
    EXPECT_TRUE(counted.optHorCount->isChecked());
    Type(counted.editVertHeight, "none");
    EXPECT_TRUE(counted.optVertHeight->isChecked());
    EXPECT_FALSE(PressOK(counted));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(Starts(messages.Last().text, "In  Horizontal Count: ")) << messages.Last().text;
    Type(counted.editHorCount, "4");
    EXPECT_FALSE(PressOK(counted));
    EXPECT_TRUE(Starts(messages.Last().text, "In  Height: ")) << messages.Last().text;
    Type(counted.editVertHeight, "100 %");
    EXPECT_TRUE(PressOK(counted));
    EXPECT_EQ(counted.GetProps().HorKind, 1);
    EXPECT_EQ(counted.GetProps().VertKind, 2);
    EXPECT_EQ(counted.GetProps().GetVertCount(), 2);
}

TEST_F(TimeDialogsTest, RollInPositionsFollowTheLengthAndALengthUnderOneValueIsRefused)
{
    TRollInProps props;
    props.StartAt = unitWavePosition(0.5, EHPerc, 1.0);
    TDlgRollInProps dialog(nullptr, 1000, props);
    dialog.show();
    const QString shown = dialog.editStart->text();
    Type(dialog.editLength, "2 s");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(QString::fromStdString(dialog.GetProps().StartAt.GetText()), shown);
    EXPECT_DOUBLE_EQ(dialog.GetProps().StartAt.GetPosition(), 1.0);

    // At 1000 Hz a length of 0.5 ms is no value at all.
    TDlgRollInProps tiny(nullptr, 1000, props);
    tiny.show();
    Type(tiny.editLength, "0.5 ms");
    Type(tiny.editEnd, "xyz");
    EXPECT_FALSE(PressOK(tiny));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Length: The roll in length must be at least one value long.");
    Type(tiny.editLength, "1 ms");
    EXPECT_FALSE(PressOK(tiny));
    EXPECT_TRUE(Starts(messages.Last().text, "In End at: ")) << messages.Last().text;
}

TEST_F(TimeDialogsTest, RollOutSpeedEnvelopeAndLengthChoices)
{
    waves.Add("Wave 1");
    waves.Add("Mono", 1);
    waves.Add("Stereo", 2);
    TRollOutProps props;
    props.OperationTime = 2.0;
    TDlgRollOutProps dialog(nullptr, props);
    dialog.show();
    // The speed envelope is a mono wave; the length wave may be any.
    ASSERT_EQ(dialog.cboSpeedEnvelope->count(), 1);
    EXPECT_EQ(dialog.cboSpeedEnvelope->itemText(0), "Mono");
    EXPECT_EQ(dialog.cboLengthSameAs->count(), 2);
    Type(dialog.editSpeedFactor, "0");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_TRUE(Starts(messages.Last().text, "In Speed Factor: ")) << messages.Last().text;
    Type(dialog.editSpeedFactor, "-50 %");
    dialog.chkSpeedEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text, "In Speed Envelope: You have to select a Wave");
    dialog.chkSpeedEnvelope->setChecked(false);
    Choose(dialog.cboSpeedEnvelope, 0);
    EXPECT_TRUE(dialog.chkSpeedEnvelope->isChecked());
    Type(dialog.editLengthCount, "3");
    EXPECT_TRUE(dialog.optLengthCount->isChecked());
    Type(dialog.editStartPosition, "50 %");
    EXPECT_TRUE(PressOK(dialog));
    const TRollOutProps result = dialog.GetProps();
    EXPECT_EQ(result.SpeedEnvelope.GetName(), "Mono");
    EXPECT_EQ(result.LengthKind, 3);
    EXPECT_DOUBLE_EQ(result.GetLengthFactor(), 6.0);
    EXPECT_DOUBLE_EQ(result.StartPosition.GetPosition(), 1.0);
}

TEST_F(TimeDialogsTest, ChangeLengthTakesAnyFactor)
{
    TDlgLengthProps dialog(nullptr, TLengthProps());
    dialog.show();
    Type(dialog.editLengthNew, "none");
    Type(dialog.editLengthFactor, "-50 %");
    EXPECT_TRUE(dialog.optLengthFactor->isChecked());
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().LengthFactor.GetValue(), -0.5);
}

TEST_F(TimeDialogsTest, MoveHorizontallyOnMonoAndOnStereo)
{
    TShiftProps props;
    props.TimeLeft = unitTime(0.002, EHMS);
    TDlgShiftProps mono(nullptr, 1, props);
    mono.show();
    EXPECT_FALSE(mono.editDiffTimeLeft->isEnabled());
    EXPECT_TRUE(mono.editDiffTimeLeft->text().isEmpty());
    EXPECT_TRUE(mono.editDiffTimeRight->text().isEmpty());
    EXPECT_TRUE(PressOK(mono));
    EXPECT_DOUBLE_EQ(mono.GetProps().TimeLeft.GetValue(), 0.002);

    TDlgShiftProps stereo(nullptr, 2, props);
    stereo.show();
    EXPECT_TRUE(stereo.editDiffTimeLeft->isEnabled());
    stereo.editDiffTimeMiddle->setFocus();
    Type(stereo.editDiffTimeMiddle, "5 ms");
    emit stereo.editDiffTimeMiddle->editingFinished(); // the middle loses the focus
    EXPECT_EQ(stereo.editDiffTimeLeft->text(), stereo.editDiffTimeRight->text());
    EXPECT_TRUE(PressOK(stereo));
    EXPECT_DOUBLE_EQ(stereo.GetProps().TimeLeft.GetValue(), 0.005);
    EXPECT_DOUBLE_EQ(stereo.GetProps().TimeRight.GetValue(), 0.005);
    EXPECT_EQ(messages.Count(), 0u);
}
