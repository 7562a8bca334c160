// The two merge dialogs and the split dialog.
#include "DialogTestSupport.h"

#include "wave/gui/dialogs/DlgMergeHorProps.h"
#include "wave/gui/dialogs/DlgMergeVertProps.h"
#include "wave/gui/dialogs/DlgSplitHorProps.h"
#include "wave/view/ViewWaveGroupModel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QRadioButton>
#include <QTabWidget>

namespace {

struct MergeSplitDialogsTest : ::testing::Test {
    // A wave of its own format, shown with the default view settings.
    TUnitWave* Add(const std::string& name, int channels, uint32_t rate, int bytes, int32_t values)
    {
        StopFlag stop = 0;
        SoundPtr sound;
        if (channels == 1)
            sound = std::make_shared<MonoSound>(NewWave(&stop, values), rate, bytes);
        else
            sound = std::make_shared<StereoSound>(NewWave(&stop, values), NewWave(&stop, values), rate, bytes);
        waves.units.push_back(std::make_unique<TUnitWave>(sound, name, ""));
        views.push_back(std::make_unique<TViewWaveGroupModel>(TWaveViewProps(), TVoldViewProps()));
        waves.units.back()->SetViewGroup(views.back().get());
        return waves.units.back().get();
    }

    QPushButton* OK(QDialog& dialog) const { return dialog.findChild<QPushButton*>("OKBtn"); }

    RecordingMessageService messages;
    FakeOpenWaves waves;
    std::vector<std::unique_ptr<TViewWaveGroupModel>> views;
};

bool Shown(const TMergePages& pages, QWidget* page)
{
    return pages.IsPageVisible(page);
}

} // namespace

TEST_F(MergeSplitDialogsTest, MergeNeedsTwoDifferentWavesBeforeOK)
{
    Add("Wave 1", 1, 44100, 2, 100);
    Add("Wave 2", 1, 44100, 2, 100);
    TMergeHorProps props;
    props.First = unitUnitWave("Wave 1");
    props.Last = unitUnitWave("Wave 2");
    TDlgMergeHorProps dialog(nullptr, props);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Merge Horizontally");
    EXPECT_EQ(dialog.GetHelpContext(), 47);
    // Every wave, the active one too; the record's pair is selected but does not enable OK.
    EXPECT_EQ(dialog.Pages.cboFirst->count(), 2);
    EXPECT_EQ(dialog.Pages.cboLast->currentIndex(), 1);
    EXPECT_FALSE(OK(dialog)->isEnabled());
    for (QWidget* page : {dialog.tsMonoStereo, dialog.Pages.tsFrequency, dialog.Pages.tsBits, dialog.Pages.tsDisplay})
        EXPECT_FALSE(Shown(dialog.Pages, page));
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());

    // The same wave twice, every time it happens.
    for (int time = 1; time <= 2; ++time) {
        Choose(dialog.Pages.cboLast, 0);
        ASSERT_EQ(messages.Count(), static_cast<size_t>(time));
        EXPECT_EQ(messages.Last().text, "The chosen Waves must be different");
        EXPECT_EQ(messages.Last().caption, "Input Error");
        EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
        EXPECT_FALSE(OK(dialog)->isEnabled());
    }
    Choose(dialog.Pages.cboFirst, 1);
    EXPECT_TRUE(OK(dialog)->isEnabled());
    // One format and one look: no page, and OK gives the first wave's.
    for (QWidget* page : {dialog.tsMonoStereo, dialog.Pages.tsFrequency, dialog.Pages.tsBits, dialog.Pages.tsDisplay})
        EXPECT_FALSE(Shown(dialog.Pages, page));
    EXPECT_TRUE(PressOK(dialog));
    const TMergeHorProps result = dialog.GetProps();
    EXPECT_EQ(result.First.GetUnitWave(), waves.units[1].get());
    EXPECT_EQ(result.Last.GetUnitWave(), waves.units[0].get());
    EXPECT_EQ(result.MonoStereo, 1);
    EXPECT_EQ(result.SampleFreq, 44100u);
    EXPECT_EQ(result.BytesPSample, 2);
    EXPECT_TRUE(result.WaveViewProps == TWaveViewProps());
    EXPECT_EQ(messages.Count(), 2u);
}

TEST_F(MergeSplitDialogsTest, MergeHorizontallyProposesTheRicherFormat)
{
    Add("Mono 22", 1, 22050, 1, 100);
    Add("Stereo 44", 2, 44100, 2, 100);
    views[1]->SetShowKind(1);
    TDlgMergeHorProps dialog(nullptr, TMergeHorProps());
    dialog.show();
    Choose(dialog.Pages.cboFirst, 0);
    EXPECT_FALSE(OK(dialog)->isEnabled());
    Choose(dialog.Pages.cboLast, 1);
    EXPECT_TRUE(OK(dialog)->isEnabled());

    EXPECT_TRUE(Shown(dialog.Pages, dialog.tsMonoStereo));
    EXPECT_EQ(dialog.editMSFirst->text(), "Mono");
    EXPECT_EQ(dialog.editMSLast->text(), "Stereo");
    EXPECT_TRUE(Item(dialog.rgrMonoStereo, 1)->isChecked());
    EXPECT_TRUE(Shown(dialog.Pages, dialog.Pages.tsFrequency));
    EXPECT_EQ(dialog.Pages.editFreqFirst->text(), "22 khz");
    EXPECT_EQ(dialog.Pages.editFreqLast->text(), "44 khz");
    EXPECT_EQ(dialog.Pages.lbFreq->currentRow(), 3);
    EXPECT_TRUE(Shown(dialog.Pages, dialog.Pages.tsBits));
    EXPECT_EQ(dialog.Pages.editBitsFirst->text(), "8 Bits");
    EXPECT_TRUE(Item(dialog.Pages.rgrBits, 1)->isChecked());
    // The windows look different: the first one's look is proposed.
    EXPECT_TRUE(Shown(dialog.Pages, dialog.Pages.tsDisplay));
    EXPECT_TRUE(Item(dialog.Pages.rgrDisplay, 0)->isChecked());

    EXPECT_TRUE(PressOK(dialog));
    TMergeHorProps result = dialog.GetProps();
    EXPECT_EQ(result.MonoStereo, 2);
    EXPECT_EQ(result.SampleFreq, 44100u);
    EXPECT_EQ(result.BytesPSample, 2);
    EXPECT_EQ(result.ShowKind, 0);

    // The user's choices.
    TDlgMergeHorProps chosen(nullptr, TMergeHorProps());
    chosen.show();
    Choose(chosen.Pages.cboFirst, 0);
    Choose(chosen.Pages.cboLast, 1);
    Item(chosen.rgrMonoStereo, 0)->setChecked(true);
    chosen.Pages.lbFreq->setCurrentRow(5);
    Item(chosen.Pages.rgrBits, 0)->setChecked(true);
    Item(chosen.Pages.rgrDisplay, 1)->setChecked(true);
    EXPECT_TRUE(PressOK(chosen));
    result = chosen.GetProps();
    EXPECT_EQ(result.MonoStereo, 1);
    EXPECT_EQ(result.SampleFreq, 176128u);
    EXPECT_EQ(result.BytesPSample, 1);
    EXPECT_EQ(result.ShowKind, 1);
}

TEST_F(MergeSplitDialogsTest, ARateTheListDoesNotHoldKeepsTheFirstWavesRate)
{
    Add("Wave 48", 1, 48000, 2, 100);
    Add("Wave 22", 1, 22050, 2, 100);
    Add("Wave 44", 1, 44100, 2, 100);
    struct Case {
        int first, last;
        uint32_t rate;
    };
    // Never the list's first entry, 5512 Hz, for waves that were never at it.
    for (const Case& c : {Case{0, 1, 48000}, Case{1, 0, 22050}, Case{2, 0, 44100}}) {
        TDlgMergeVertProps dialog(nullptr, TMergeVertProps());
        dialog.show();
        Choose(dialog.Pages.cboFirst, c.first);
        Choose(dialog.Pages.cboLast, c.last);
        EXPECT_TRUE(Shown(dialog.Pages, dialog.Pages.tsFrequency));
        EXPECT_TRUE(dialog.Pages.lbFreq->selectedItems().isEmpty());
        EXPECT_TRUE(PressOK(dialog));
        EXPECT_EQ(dialog.GetProps().SampleFreq, c.rate);
    }
    // A listed proposal the user takes away leaves the first wave's rate too.
    TDlgMergeHorProps dialog(nullptr, TMergeHorProps());
    dialog.show();
    Choose(dialog.Pages.cboFirst, 1);
    Choose(dialog.Pages.cboLast, 2);
    EXPECT_EQ(dialog.Pages.lbFreq->currentRow(), 3);
    dialog.Pages.lbFreq->clearSelection();
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().SampleFreq, 22050u);
}

TEST_F(MergeSplitDialogsTest, MergeVerticallyProposesSilenceAtTheEndForDifferentLengths)
{
    Add("Left", 1, 22050, 2, 22050);
    Add("Right", 2, 44100, 2, 44100);
    Add("Short", 1, 44100, 2, 100);
    TDlgMergeVertProps dialog(nullptr, TMergeVertProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Merge Vertically");
    EXPECT_EQ(dialog.GetHelpContext(), 48);
    // Equal in seconds at different rates: no length page.
    Choose(dialog.Pages.cboFirst, 0);
    Choose(dialog.Pages.cboLast, 1);
    EXPECT_FALSE(Shown(dialog.Pages, dialog.tsLength));
    EXPECT_TRUE(Shown(dialog.Pages, dialog.Pages.tsFrequency));
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().MakeLengthsEqual, 0);
    EXPECT_EQ(dialog.GetProps().SampleFreq, 44100u);

    TDlgMergeVertProps lengths(nullptr, TMergeVertProps());
    lengths.show();
    Choose(lengths.Pages.cboFirst, 0);
    Choose(lengths.Pages.cboLast, 2);
    EXPECT_TRUE(Shown(lengths.Pages, lengths.tsLength));
    EXPECT_EQ(lengths.editLengthLeft->text(), "1 s");
    EXPECT_TRUE(Item(lengths.rgrMakeLengthsEqual, 1)->isChecked());
    Item(lengths.rgrMakeLengthsEqual, 3)->setChecked(true);
    EXPECT_TRUE(PressOK(lengths));
    EXPECT_EQ(lengths.GetProps().MakeLengthsEqual, 3);
    EXPECT_EQ(lengths.GetProps().Left.GetName(), "Left");
    EXPECT_EQ(lengths.GetProps().Right.GetName(), "Short");
}

TEST_F(MergeSplitDialogsTest, MergeDialogsShowThePageBoxOnlyWithAPageAndStartOnTheFirstList)
{
    Add("Wave 1", 1, 44100, 2, 100);
    Add("Wave 2", 1, 44100, 2, 100);
    Add("Wave 3", 1, 22050, 2, 50);
    TDlgMergeHorProps horizontally(nullptr, TMergeHorProps());
    TDlgMergeVertProps vertically(nullptr, TMergeVertProps());
    for (auto [dialog, pages] : {std::pair<QDialog*, TMergePages*>{&horizontally, &horizontally.Pages},
                                 std::pair<QDialog*, TMergePages*>{&vertically, &vertically.Pages}}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        // OK is disabled: without a focus of its own the dialog would start on Cancel.
        EXPECT_EQ(QApplication::focusWidget(), pages->cboFirst);
        EXPECT_FALSE(pages->pgcDiffs->isVisible());
        Choose(pages->cboFirst, 0);
        Choose(pages->cboLast, 1);
        ASSERT_TRUE(OK(*dialog)->isEnabled());
        EXPECT_FALSE(pages->pgcDiffs->isVisible()) << "one format: no page";
        Choose(pages->cboLast, 2);
        EXPECT_TRUE(pages->pgcDiffs->isVisible());
        EXPECT_TRUE(Shown(*pages, pages->tsFrequency));
        Choose(pages->cboLast, 0);
        EXPECT_FALSE(pages->pgcDiffs->isVisible()) << "the same wave twice";
        dialog->hide();
    }
}

TEST_F(MergeSplitDialogsTest, WaveListsShowLongNamesWholeWithinTheScreen)
{
    const QString longName = "A wave with a name long enough to be cut in a narrow list";
    Add(longName.toStdString(), 1, 44100, 2, 100);
    Add("Wave 2", 1, 44100, 2, 100);
    TDlgMergeVertProps dialog(nullptr, TMergeVertProps());
    dialog.show();
    QApplication::processEvents();
    for (QComboBox* combo : std::initializer_list<QComboBox*>{dialog.Pages.cboFirst, dialog.Pages.cboLast})
        EXPECT_GT(combo->width(), combo->fontMetrics().horizontalAdvance(longName));
    // Sized by the names it was filled with before it was centred.
    const QPoint offCentre = dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();

    // A name wider than the screen is cut rather than the dialog.
    Add(std::string(400, 'W'), 1, 44100, 2, 100);
    TDlgMergeVertProps wide(nullptr, TMergeVertProps());
    wide.show();
    QApplication::processEvents();
    EXPECT_LE(wide.frameGeometry().width(), wide.screen()->availableGeometry().width());
}

TEST_F(MergeSplitDialogsTest, SplitHorizontallyChoosesOneOfThreeResults)
{
    TDlgSplitHorProps dialog(nullptr, TSplitHorProps());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Split Horizontally");
    EXPECT_EQ(dialog.GetHelpContext(), 38);
    EXPECT_TRUE(Item(dialog.rgrResult, 0)->isChecked());
    EXPECT_EQ(Item(dialog.rgrResult, 1)->text(), "Two parts, both inclusive selected part");
    Item(dialog.rgrResult, 2)->setChecked(true);
    EXPECT_TRUE(PressOK(dialog));
    EXPECT_EQ(dialog.GetProps().Result, 2);

    TDlgSplitHorProps again(nullptr, dialog.GetProps());
    again.show();
    EXPECT_TRUE(Item(again.rgrResult, 2)->isChecked());
}
