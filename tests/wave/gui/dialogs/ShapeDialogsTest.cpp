// Move Vertically, Distort and Mix.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgDistortProps.h"
#include "wave/gui/dialogs/DlgMixProps.h"
#include "wave/gui/dialogs/DlgUpProps.h"

#include <gtest/gtest.h>

namespace {
struct ShapeDialogsTest : ::testing::Test {
    RecordingMessageService messages;
    FakeOpenWaves waves;
};
} // namespace

TEST_F(ShapeDialogsTest, MoveVerticallyRefusesTextThatIsNoValue)
{
    TDlgUpProps dialog(nullptr, TUpProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Move Wave Vertically");
    EXPECT_EQ(dialog.GetHelpContext(), 19);
    Type(dialog.editAdd, "up");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In Add Value: ", 0), 0u);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ShapeDialogsTest, DistortWithNoOtherWaveStaysOpen)
{
    waves.Add("Wave 1"); // the active window's own
    TDlgDistortProps dialog(nullptr, TDistortProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Distort");
    EXPECT_EQ(dialog.GetHelpContext(), 45);
    EXPECT_EQ(dialog.cboDistortEnvelope->count(), 0);
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Distort Envelope: You have to select a Wave");
}

TEST_F(ShapeDialogsTest, MixShowsTheLastPlaceAndReturnsTheChosenOne)
{
    TMixProps props;
    props.Place = 1;
    TDlgMixProps dialog(nullptr, props);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Mix");
    EXPECT_EQ(dialog.GetHelpContext(), 4);
    const auto items = dialog.rgrPlace->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2]->text(), "Stretch");
    EXPECT_TRUE(items[1]->isChecked());
    items[2]->setChecked(true);
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().Place, 2);
    EXPECT_EQ(props.Place, 1);
}
