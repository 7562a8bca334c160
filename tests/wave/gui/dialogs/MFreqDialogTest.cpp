// The Multi Frequency dialog and its component navigator.
#include "DialogTestSupport.h"

#include "foundation/gui/RecordNavigator.h"
#include "wave/gui/dialogs/DlgMFreqProps.h"

#include <gtest/gtest.h>

namespace {

struct MFreqDialogTest : ::testing::Test {
    void Click(TDlgMFreqProps& dialog, const char* button) { dialog.navigator->Button(button)->click(); }
    bool Enabled(TDlgMFreqProps& dialog, const char* button) { return dialog.navigator->Button(button)->isEnabled(); }

    RecordingMessageService messages;
    FakeOpenWaves waves;
};

const TMFreqBrowseRecord& Component(const TMFreqProps& props, int index)
{
    const TBrowseRecord* record = props.Records.GetFirstRecord();
    for (int i = 0; i < index; ++i)
        record = record->GetNext();
    return static_cast<const TMFreqBrowseRecord&>(*record);
}

} // namespace

TEST_F(MFreqDialogTest, TheDefaultShowsOneComponentWithOnlyDeleteAndPasteWithheld)
{
    TDlgMFreqProps dialog(nullptr, TMFreqProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Multi Frequency");
    EXPECT_EQ(dialog.GetHelpContext(), 37);
    EXPECT_TRUE(dialog.optSinus->isChecked());
    EXPECT_EQ(dialog.navigator->CountEdit()->text(), "1");
    EXPECT_EQ(dialog.navigator->CursorEdit()->text(), "1");
    for (const char* button : {"btnFirst", "btnPrevious", "btnNext", "btnLast", "btnDelete", "btnPaste"})
        EXPECT_FALSE(Enabled(dialog, button)) << button;
    for (const char* button : {"btnInsert", "btnAppend", "btnCopy", "btnClear"})
        EXPECT_TRUE(Enabled(dialog, button)) << button;
    EXPECT_EQ(dialog.editFrequency->text().toStdString(), TMFreqBrowseRecord().Frequency.GetText());
    EXPECT_TRUE(dialog.chkDefVolume->isChecked());
    EXPECT_FALSE(dialog.chkDefFrequency->isChecked());
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().Records.GetCount(), 1);
    EXPECT_FALSE(dialog.GetProps().Records.GetIsOpen());
}

TEST_F(MFreqDialogTest, AppendKeepsTheDefaultFieldsAndAnEmptyFrequencyIsRefused)
{
    TMFreqProps caller;
    TDlgMFreqProps dialog(nullptr, caller);
    dialog.show();
    Type(dialog.editVolume, "30 %");
    Click(dialog, "btnAppend");
    EXPECT_EQ(dialog.editVolume->text(), "30 %");
    EXPECT_TRUE(dialog.editFrequency->text().isEmpty());
    EXPECT_EQ(dialog.navigator->CountEdit()->text(), "2");
    EXPECT_EQ(dialog.navigator->CursorEdit()->text(), "2");
    EXPECT_TRUE(Enabled(dialog, "btnDelete"));
    // Moving on with the empty frequency keeps the new component shown.
    Click(dialog, "btnPrevious");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_TRUE(Starts(messages.Last().text, "In Frequency: ")) << messages.Last().text;
    EXPECT_EQ(dialog.navigator->CursorEdit()->text(), "2");
    // OK with it refused stays open on that component.
    EXPECT_FALSE(PressOK(dialog));
    EXPECT_EQ(messages.Count(), 2u);
    Type(dialog.editFrequency, "2 kHz");
    Click(dialog, "btnPrevious");
    EXPECT_EQ(dialog.navigator->CursorEdit()->text(), "1");
    EXPECT_TRUE(PressOK(dialog));
    const TMFreqProps result = dialog.GetProps();
    ASSERT_EQ(result.Records.GetCount(), 2);
    EXPECT_DOUBLE_EQ(Component(result, 0).StartVolume.GetValue(), 0.3);
    EXPECT_DOUBLE_EQ(Component(result, 1).StartVolume.GetValue(), 0.3);
    EXPECT_DOUBLE_EQ(Component(result, 1).Frequency.GetValue(), 0.0005);
    // Each copy owns its components.
    EXPECT_EQ(caller.Records.GetCount(), 1);
}

TEST_F(MFreqDialogTest, ClearedDefaultBoxesEmptyEveryEditAndStayInTheCopyOnly)
{
    TMFreqProps caller;
    TDlgMFreqProps dialog(nullptr, caller);
    dialog.show();
    for (QCheckBox* box : {dialog.chkDefVolume, dialog.chkDefAngle, dialog.chkDefVolFact, dialog.chkDefVolFactTime})
        box->click();
    Click(dialog, "btnInsert");
    for (QLineEdit* edit : {dialog.editVolume, dialog.editFrequency, dialog.editAngle, dialog.editVolFact,
                            dialog.editVolFactTime})
        EXPECT_TRUE(edit->text().isEmpty());
    dialog.CancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(caller.DefVolume, 1);
    // The dialog's own copy took the flags at the click.
    EXPECT_EQ(dialog.GetProps().DefVolume, 0);
    EXPECT_FALSE(dialog.GetProps().Records.GetIsOpen());
}

TEST_F(MFreqDialogTest, CopyThenPasteAndDeleteAndClear)
{
    TDlgMFreqProps dialog(nullptr, TMFreqProps());
    dialog.show();
    Type(dialog.editFrequency, "loud");
    Click(dialog, "btnCopy");
    EXPECT_FALSE(Enabled(dialog, "btnPaste")); // an invalid component is no copy
    Type(dialog.editFrequency, "3 kHz");
    Click(dialog, "btnCopy");
    EXPECT_TRUE(Enabled(dialog, "btnPaste"));
    Click(dialog, "btnAppend");
    Click(dialog, "btnPaste");
    EXPECT_EQ(dialog.editFrequency->text().toStdString(), unitTimePosMore(1.0 / 3000, EHKHZ).GetText());
    Click(dialog, "btnDelete");
    EXPECT_EQ(dialog.navigator->CountEdit()->text(), "1");
    EXPECT_FALSE(Enabled(dialog, "btnDelete"));
    Click(dialog, "btnClear");
    EXPECT_EQ(dialog.editFrequency->text().toStdString(), TMFreqBrowseRecord().Frequency.GetText());
}

TEST_F(MFreqDialogTest, AWaveFormNeedsItsWaveBeforeTheComponentsAreRead)
{
    waves.Add("Wave 1");
    waves.Add("Shape");
    TDlgMFreqProps dialog(nullptr, TMFreqProps());
    dialog.show();
    dialog.optWaveForm->setChecked(true);
    Type(dialog.editFrequency, "xyz");
    EXPECT_FALSE(PressOK(dialog));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Wave Form: You have to select a Wave");
    Choose(dialog.cboWaveForm, 0);
    Type(dialog.editFrequency, "440 Hz");
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().UseKind, 1);
    EXPECT_EQ(dialog.GetProps().WaveForm.GetName(), "Shape");
}
