// Mix Left Right and Balance.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgBalanceProps.h"
#include "wave/gui/dialogs/DlgLeftRightProps.h"

#include <gtest/gtest.h>

#include <QRadioButton>

namespace {

struct ChannelDialogsTest : ThreeOpenWavesTest {};

std::vector<QString> Texts(const TDlgLeftRightProps& dialog)
{
    return {dialog.editLeft2Left->text(), dialog.editLeft2Right->text(), dialog.editRight2Left->text(),
            dialog.editRight2Right->text()};
}

} // namespace

TEST_F(ChannelDialogsTest, MixLeftRightExamplesFillTheFourSharesAndStayShownUntilTheUserTypes)
{
    TDlgLeftRightProps dialog(nullptr, TLeftRightProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Mix Left Right");
    EXPECT_EQ(dialog.GetHelpContext(), 36);
    // The default shares equal "Normal", yet no example is shown.
    EXPECT_EQ(Texts(dialog), (std::vector<QString>{"100 %", "0 %", "0 %", "100 %"}));
    EXPECT_EQ(dialog.cboExample->currentIndex(), -1);
    ASSERT_EQ(dialog.cboExample->count(), 8);
    EXPECT_EQ(dialog.cboExample->itemText(6), "Mono at Left, Surround at Right");

    const std::vector<std::vector<QString>> expected = {
        {"100 %", "0 %", "0 %", "100 %"},   {"0 %", "100 %", "100 %", "0 %"},   {"75 %", "-25 %", "-25 %", "75 %"},
        {"50 %", "-25 %", "-25 %", "50 %"}, {"50 %", "-50 %", "-50 %", "50 %"}, {"50 %", "50 %", "50 %", "50 %"},
        {"40 %", "-80 %", "40 %", "80 %"},  {"80 %", "40 %", "-80 %", "40 %"},
    };
    for (int i = 0; i < 8; ++i) {
        Choose(dialog.cboExample, i);
        EXPECT_EQ(Texts(dialog), expected[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(dialog.cboExample->currentIndex(), i);
    }
    Choose(dialog.cboExample, 4); // "Surround"
    EXPECT_EQ(dialog.cboExample->currentText(), "Surround");
    QTest::keyClicks(dialog.editRight2Left, "0");
    EXPECT_EQ(dialog.cboExample->currentIndex(), -1);

    Choose(dialog.cboExample, 1);
    EXPECT_TRUE(PressOK(dialog));
    const TLeftRightProps props = dialog.GetProps();
    EXPECT_DOUBLE_EQ(props.LeftToLeft.GetValue(), 0);
    EXPECT_DOUBLE_EQ(props.LeftToRight.GetValue(), 1);
    EXPECT_DOUBLE_EQ(props.RightToLeft.GetValue(), 1);
    EXPECT_DOUBLE_EQ(props.RightToRight.GetValue(), 0);
}

TEST_F(ChannelDialogsTest, MixLeftRightReadsAllFourAndReportsOnlyTheFirstRefusal)
{
    TDlgLeftRightProps dialog(nullptr, TLeftRightProps());
    dialog.show();
    Type(dialog.editLeft2Right, "x");
    Type(dialog.editRight2Right, "y");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In from Left to Right: ", 0), 0u) << messages.Last().text;
    Type(dialog.editLeft2Right, "-300 %");
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Last().text.rfind("In from Right to Right: ", 0), 0u) << messages.Last().text;
    // Any shares, negative ones and sums above one included.
    Type(dialog.editRight2Right, "250 %");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().LeftToRight.GetValue(), -3.0);
    EXPECT_EQ(messages.Count(), 2u);
}

TEST_F(ChannelDialogsTest, BalanceReadsOnlyTheChosenDirection)
{
    TDlgBalanceProps dialog(nullptr, TBalanceProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Balance");
    EXPECT_EQ(dialog.GetHelpContext(), 11);
    // Only the mono waves, never the active one.
    ASSERT_EQ(dialog.cboDirEnvelope->count(), 1);
    EXPECT_EQ(dialog.cboDirEnvelope->itemText(0), "Mono");
    EXPECT_TRUE(dialog.optDirConstant->isChecked());
    EXPECT_TRUE(dialog.chkTimeDiff->isChecked());
    EXPECT_TRUE(dialog.rgrVolume->findChildren<QRadioButton*>()[1]->isChecked());

    // With the constant chosen, an empty envelope combo is no error.
    dialog.chkTimeDiff->setChecked(false);
    dialog.rgrVolume->findChildren<QRadioButton*>()[2]->setChecked(true);
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().TimeDifference, 0);
    EXPECT_EQ(dialog.GetProps().VolumeDifference, 2);

    TDlgBalanceProps envelope(nullptr, TBalanceProps());
    envelope.show();
    Type(envelope.editDirConstant, "nonsense");
    envelope.optDirEnvelope->setChecked(true);
    EXPECT_FALSE(PressOK(envelope));
    EXPECT_EQ(messages.Last().text, "In Direction Envelope: You have to select a Wave");
    EXPECT_EQ(messages.Last().caption, "Input Error");
    // Typing selects the constant again, choosing a wave the envelope.
    QTest::keyClicks(envelope.editDirConstant, "0");
    EXPECT_TRUE(envelope.optDirConstant->isChecked());
    Choose(envelope.cboDirEnvelope, 0);
    EXPECT_TRUE(envelope.optDirEnvelope->isChecked());
    EXPECT_TRUE(PressOK(envelope));
    EXPECT_EQ(envelope.GetProps().DirKind, 1);
    EXPECT_EQ(envelope.GetProps().DirEnvelope.GetUnitWave(), waves.units[2].get());
    EXPECT_EQ(messages.Count(), 1u);
}
