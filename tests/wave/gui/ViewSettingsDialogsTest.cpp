#include "foundation/gui/ColorBox.h"
#include "foundation/gui/ValueLineEdit.h"
#include "platform/RecordingMessageService.h"
#include "support/gui/ModalDialog.h"
#include "wave/MainFormAccess.h"
#include "wave/gui/DlgColorPalette1D.h"
#include "wave/gui/DlgVoldViewProps.h"
#include "wave/gui/DlgWaveViewProps.h"
#include "wave/gui/dialogs/WaveComboBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Two other open waves for the envelope list.
class TwoOtherWaves : public MainFormAccess {
public:
    TwoOtherWaves() : previous(SetMainFormAccess(this)) {}
    ~TwoOtherWaves() override { SetMainFormAccess(previous); }
    int AddWaveNames(WaveNameList& list, uint8_t filter) override
    {
        filters.push_back(filter);
        list.push_back({"Wave 2", nullptr});
        list.push_back({"Wave 3", nullptr});
        return 2;
    }
    std::vector<uint8_t> filters;

private:
    MainFormAccess* previous;
};

void Type(TValueLineEdit* edit, const char* text)
{
    edit->setText(text);
}

// OK leaves the dialog open after a refusal: its result stays "rejected".
bool Accepted(QDialog& dialog)
{
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
}

struct VoldDialogTest : ::testing::Test {
    RecordingMessageService messages;
    TVoldViewProps defaults;
};

} // namespace

// ---------------------------------------------------------------- Volume Diagram

TEST_F(VoldDialogTest, BandsAboveHalfTheSampleFrequencyAreLoweredOnShowAndKeptOnOK)
{
    TDlgVoldViewProps dialog(nullptr, TVoldViewProps(), &defaults, 8000, 600, 200, 1);
    EXPECT_EQ(dialog.windowTitle(), "Volume Diagram");
    EXPECT_EQ(dialog.GetHelpContext(), 3);
    EXPECT_EQ(dialog.editTop->text(), "4 khz");
    EXPECT_EQ(dialog.editBottom->text(), "20 hz");
    ASSERT_TRUE(Accepted(dialog));
    EXPECT_DOUBLE_EQ(dialog.GetProps().TimeTop.GetValue(), 0.00025);
    EXPECT_DOUBLE_EQ(dialog.GetProps().TimeBottom.GetValue(), 0.05);
    EXPECT_EQ(messages.Count(), 0u);
    // Only the dialog's copy was raised.
    EXPECT_EQ(defaults, TVoldViewProps());
}

TEST_F(VoldDialogTest, WindowButtonsTakeThePanesSizeSharedByTwoSingleDiagrams)
{
    struct Case {
        int channels;
        bool single;
        const char* rows;
    } cases[] = {{2, true, "151"}, {2, false, "301"}, {1, true, "301"}};
    for (const Case& c : cases) {
        TDlgVoldViewProps dialog(nullptr, TVoldViewProps(), &defaults, 44100, 640, 301, c.channels);
        dialog.chkDrawSingle->setChecked(c.single);
        QTest::mouseClick(dialog.btnYWindow, Qt::LeftButton);
        EXPECT_EQ(dialog.editYResolution->text(), c.rows) << c.channels << c.single;
        QTest::mouseClick(dialog.btnXWindow, Qt::LeftButton);
        EXPECT_EQ(dialog.editXResolution->text(), "640");
    }
}

TEST_F(VoldDialogTest, OKRefusesImpossibleBandsWithTheirOwnMessage)
{
    struct Case {
        const char* top;
        const char* bottom;
        const char* message; // none: accepted
    } cases[] = {
        {"9 khz", "20 hz", "Top Frequency may not be higher than the sample Frequency."},
        {"6 khz", "20 hz", nullptr}, // above half the sample frequency is accepted
        {"1 khz", "1000 hz", "Top Frequency and Bottom Frequency must be different."},
        {"1 khz", "8.5 khz", "Bottom Frequency may not be higher than the sample Frequency."},
        {"1 khz", "9 khz", "Bottom Frequency may not be higher than the sample Frequency."},
        {"xyz", "20 hz", "In Top Frequency: "},
        {"1 khz", "", "In Bottom Frequency: "},
    };
    for (const Case& c : cases) {
        messages.Clear();
        TDlgVoldViewProps dialog(nullptr, TVoldViewProps(), &defaults, 8000, 600, 200, 1);
        Type(dialog.editTop, c.top);
        Type(dialog.editBottom, c.bottom);
        dialog.chkUseAsDefault->setChecked(true);
        EXPECT_EQ(Accepted(dialog), c.message == nullptr) << c.top << " " << c.bottom;
        if (!c.message) {
            EXPECT_EQ(messages.Count(), 0u);
            EXPECT_EQ(defaults, dialog.GetProps());
            defaults = TVoldViewProps();
            continue;
        }
        ASSERT_EQ(messages.Count(), 1u) << c.top << " " << c.bottom;
        EXPECT_EQ(messages.Last().text.rfind(c.message, 0), 0u) << messages.Last().text;
        EXPECT_EQ(messages.Last().caption, "Input Error");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
        // The default stays as it was after a refusal.
        EXPECT_EQ(defaults, TVoldViewProps());
    }
}

TEST_F(VoldDialogTest, OnlyTheFirstRefusedFieldIsShownAndADiagramTooLargeIsRefused)
{
    TDlgVoldViewProps dialog(nullptr, TVoldViewProps(), &defaults, 44100, 600, 200, 1);
    Type(dialog.editStrength, "strong");
    Type(dialog.editWidth, "wide");
    EXPECT_FALSE(Accepted(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In Strength: ", 0), 0u);

    messages.Clear();
    Type(dialog.editStrength, "1");
    Type(dialog.editWidth, "1");
    Type(dialog.editXResolution, "100000");
    Type(dialog.editYResolution, "1000");
    EXPECT_FALSE(Accepted(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Vertical Resolution: A volume diagram of 100000 x 1000 cells is too large; "
                                    "at most 16777216 cells are allowed.");
    // A further OK validates again.
    Type(dialog.editYResolution, "100");
    EXPECT_TRUE(Accepted(dialog));
    EXPECT_EQ(dialog.GetProps().XResolution.GetValue(), 100000);
}

TEST_F(VoldDialogTest, ControlsShowTheSettingsAndOKReadsThemBack)
{
    TVoldViewProps props;
    props.FreqAxisKind = YLinTime;
    props.SensKind = SensVeryHigh;
    props.DrawSingle = false;
    props.BackgroundColor = 0x102030;
    props.SingleColor = 0x00FFFF;
    props.LeftColor = 0x800080;
    props.RightColor = 0xC0C0C0;
    props.CursorColor = 0x000080;
    props.UseColorPalette1D = true;
    props.ColorPalette1D.InsertItem(unitFactorPosMoreLess1(0.3, EHPerc), 0x0000FF);
    TDlgVoldViewProps dialog(nullptr, props, &defaults, 44100, 600, 200, 2);
    EXPECT_EQ(dialog.grpFreqAxis->checkedId(), 2);
    EXPECT_EQ(dialog.grpSensitivity->checkedId(), 3);
    EXPECT_FALSE(dialog.chkDrawSingle->isChecked());
    EXPECT_TRUE(dialog.chkUsePalette->isChecked());
    EXPECT_EQ(dialog.editXResolution->text(), "500");
    EXPECT_EQ(dialog.editStrength->text(), "1.3");
    ASSERT_TRUE(Accepted(dialog));
    EXPECT_EQ(dialog.GetProps(), props);
}

TEST_F(VoldDialogTest, EditPaletteTicksThePaletteAndOnlyOKTakesIt)
{
    TDlgVoldViewProps dialog(nullptr, TVoldViewProps(), &defaults, 44100, 600, 200, 1);
    WhenModalOpens<TDlgColorPalette1D>([](TDlgColorPalette1D& palette) {
        QTest::mouseClick(palette.btnAdd, Qt::LeftButton);
        palette.reject();
    });
    dialog.btnEditPaletteClick();
    EXPECT_FALSE(dialog.chkUsePalette->isChecked());
    EXPECT_EQ(dialog.GetPaletteCopy().CountItems(), 2);

    WhenModalOpens<TDlgColorPalette1D>([](TDlgColorPalette1D& palette) {
        QTest::mouseClick(palette.btnAdd, Qt::LeftButton);
        palette.accept();
    });
    dialog.btnEditPaletteClick();
    EXPECT_TRUE(dialog.chkUsePalette->isChecked());
    ASSERT_TRUE(Accepted(dialog));
    EXPECT_TRUE(dialog.GetProps().UseColorPalette1D);
    EXPECT_EQ(dialog.GetProps().ColorPalette1D.CountItems(), 3);
}

// ---------------------------------------------------------------- Wave View

TEST(WaveViewDialog, ControlsShowTheSettingsAndASystemGridColourComesBackUnchanged)
{
    RecordingMessageService messages;
    TwoOtherWaves waves;
    TWaveViewProps props;
    props.DrawKind = DrawPixels;
    props.DistKind = DistRandom;
    props.GridColor = 0xFF00000F;
    props.CursorColor = 0x00FF00;
    props.BackgroundColor = 0x010203; // custom
    props.FrontKind = FrontRight;
    props.DrawSingle = false;
    props.DrawEnvelope = true;
    props.Envelope = unitUnitWave("Wave 3");
    TWaveViewProps defaults;
    TDlgWaveViewProps dialog(nullptr, props, &defaults);
    EXPECT_EQ(dialog.windowTitle(), "Wave View");
    EXPECT_EQ(dialog.GetHelpContext(), 23);
    EXPECT_EQ(waves.filters, std::vector<uint8_t>{1});
    ASSERT_EQ(dialog.cbEnvelope->count(), 2);
    EXPECT_EQ(dialog.cbEnvelope->currentText(), "Wave 3");
    EXPECT_EQ(dialog.cbGridColor->currentText(), "Button Face");
    EXPECT_EQ(dialog.cbBackgroundColor->currentText(), TColorBox::CustomCaption());
    EXPECT_TRUE(dialog.chkDrawEnvelope->isChecked());
    EXPECT_TRUE(dialog.editStrength->isEnabled());
    EXPECT_EQ(dialog.editEnvelopeStrength->text(), "40 %");
    ASSERT_TRUE(Accepted(dialog));
    EXPECT_EQ(dialog.GetProps(), props);
    EXPECT_EQ(dialog.GetProps().GridColor, 0xFF00000Fu);
    EXPECT_EQ(defaults, TWaveViewProps());
}

TEST(WaveViewDialog, FieldsFollowTheirSwitches)
{
    RecordingMessageService messages;
    TwoOtherWaves waves;
    TDlgWaveViewProps dialog(nullptr, TWaveViewProps(), nullptr);
    // Lines: no point strength.
    EXPECT_FALSE(dialog.editStrength->isEnabled());
    QTest::mouseClick(dialog.grpDraw->button(1), Qt::LeftButton);
    EXPECT_TRUE(dialog.editStrength->isEnabled());
    QTest::mouseClick(dialog.grpDraw->button(0), Qt::LeftButton);
    EXPECT_FALSE(dialog.editStrength->isEnabled());

    EXPECT_TRUE(dialog.cbGridColor->isEnabled());
    dialog.chkDrawGrid->setChecked(false);
    EXPECT_FALSE(dialog.cbGridColor->isEnabled());

    // Shown without an envelope; choosing one ticks "Draw Envelope".
    EXPECT_FALSE(dialog.chkDrawEnvelope->isChecked());
    dialog.cbEnvelope->setCurrentIndex(1);
    EXPECT_TRUE(dialog.chkDrawEnvelope->isChecked());
    dialog.chkDrawEnvelope->setChecked(false);
    Type(dialog.editEnvelopeStrength, "50 %");
    EXPECT_TRUE(dialog.chkDrawEnvelope->isChecked());
    ASSERT_TRUE(Accepted(dialog));
    EXPECT_TRUE(dialog.GetProps().DrawEnvelope);
    EXPECT_EQ(dialog.GetProps().Envelope.GetName(), "Wave 3");
    EXPECT_FALSE(dialog.GetProps().UseGrid);
    EXPECT_DOUBLE_EQ(dialog.GetProps().EnvelopeStrength.GetValue(), 0.5);
}

TEST(WaveViewDialog, TheEnvelopeIsChosenFromAListThatKeepsANameNoOpenWaveHas)
{
    RecordingMessageService messages;
    TwoOtherWaves waves;
    struct Case {
        const char* held;
        int items;
        const char* shown;
    } cases[] = {{"", 2, ""}, {"Wave 2", 2, "Wave 2"}, {"Closed Wave", 3, "Closed Wave"}};
    for (const Case& c : cases) {
        TWaveViewProps props;
        props.DrawEnvelope = true;
        props.Envelope = unitUnitWave(c.held);
        TDlgWaveViewProps dialog(nullptr, props, nullptr);
        // Like every list of waves: nothing typed.
        EXPECT_FALSE(dialog.cbEnvelope->isEditable());
        EXPECT_EQ(dialog.cbEnvelope->count(), c.items) << c.held;
        EXPECT_EQ(dialog.cbEnvelope->currentText(), c.shown);
        ASSERT_TRUE(Accepted(dialog));
        EXPECT_EQ(dialog.GetProps().Envelope.GetName(), c.held);
    }
}

TEST(WaveViewDialog, ARefusedFieldKeepsTheDialogOpenAndTheDefaultUntouched)
{
    RecordingMessageService messages;
    TWaveViewProps defaults;
    TDlgWaveViewProps dialog(nullptr, TWaveViewProps(), &defaults);
    dialog.chkUseAsDefault->setChecked(true);
    Type(dialog.editValuesPerPixel, "0");
    Type(dialog.editEnvelopeStrength, "200 %");
    EXPECT_FALSE(Accepted(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In Values per Pixel: ", 0), 0u) << messages.Last().text;
    EXPECT_EQ(defaults, TWaveViewProps());

    messages.Clear();
    Type(dialog.editValuesPerPixel, "20");
    EXPECT_FALSE(Accepted(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In Background Strength: ", 0), 0u) << messages.Last().text;

    Type(dialog.editEnvelopeStrength, "20 %");
    EXPECT_TRUE(Accepted(dialog));
    EXPECT_EQ(defaults.ValuesPerPixel.GetValue(), 20);
    EXPECT_EQ(defaults, dialog.GetProps());
}
