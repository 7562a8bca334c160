#include "wave/SoundTestSupport.h"

#include "foundation/gui/ExecDialog.h"
#include "platform/AllocationHook.h"
#include "platform/Random15.h"
#include "platform/RecordingMessageService.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormSplitMerge.h"
#include "wave/document/UnitWave.h"
#include "wave/gui/MDIChildWave.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"
#include "wave/gui/dialogs/DlgMergeHorProps.h"
#include "wave/gui/dialogs/DlgMergeVertProps.h"
#include "wave/gui/dialogs/DlgSplitHorProps.h"
#include "wave/props/MergeHorProps.h"
#include "wave/props/MergeVertProps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {

using A = ActionId;

struct SplitMergeWindowsTest : ::testing::Test {
    SplitMergeWindowsTest()
    {
        // Zooms land a pixel further by the shared random stream: start it as a fresh program does.
        SharedRandom().Seed(1);
        form.resize(1200, 900);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.UpdateActions();
    }
    ~SplitMergeWindowsTest() override { AllocationHook::Reset(); }

    // A wave window "Wave n" at the given place.
    TMDIChildWave* Open(SoundPtr sound, QRect bounds)
    {
        TMDIChildWave* window = form.CreateWaveFromSound(std::move(sound), "Wave", "");
        window->setGeometry(bounds);
        return window;
    }

    TMDIChildWave* Named(const std::string& name) const
    {
        for (QMdiSubWindow* each : form.MdiArea()->subWindowList())
            if (auto* wave = qobject_cast<TMDIChildWave*>(each); wave && wave->GetUnitName() == name)
                return wave;
        return nullptr;
    }

    size_t WindowCount() const { return form.MdiArea()->subWindowList().size(); }

    RecordingMessageService messages;
    TMainForm form;
};

void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

bool PressOK(QDialog& dialog)
{
    dialog.findChild<QPushButton*>("OKBtn")->click();
    return dialog.result() == QDialog::Accepted;
}

Samples LeftSamples(const TMDIChildWave* window)
{
    return LeftOf(*window->GetUnitWave()->GetSound());
}

} // namespace

TEST_F(SplitMergeWindowsTest, SplitVerticallyMakesTwoMonoWindowsWhereTheStereoOneWas)
{
    Open(Mono(Ramp(100, 1)), {0, 0, 300, 200});
    const auto stereo = Stereo(Ramp(1000, 2), Ramp(1000, 3), 22050, 1);
    TMDIChildWave* source = Open(stereo, {20, 30, 400, 301});
    TUnitWave* unit = source->GetUnitWave();
    unit->SetSelection(700, 200);
    source->SetShowKind(waveWindVolume);
    source->GetViewWaveGroup()->GetView(2)->ZoomToRange(100, 500, false);
    form.MakeUndo(unit);
    form.EffectSettings().VolumeProps.VolumeKind = 1;
    QPointer<TMDIChildWave> gone(source);
    form.UpdateActions();

    form.Execute(A::SplitV);

    EXPECT_TRUE(gone.isNull());
    EXPECT_FALSE(form.UndoSlot().HasUndo());
    ASSERT_EQ(WindowCount(), 3u);
    TMDIChildWave* left = Named("Left Part 1 of Wave 2");
    TMDIChildWave* right = Named("Right Part 1 of Wave 2");
    ASSERT_TRUE(left && right);
    // mid = (30 + 331) / 2 = 180; one pixel row between the two.
    EXPECT_EQ(left->geometry(), QRect(20, 30, 400, 149));
    EXPECT_EQ(right->geometry(), QRect(20, 180, 400, 151));
    // The channels, shared with the old sound, in mono sounds of its format.
    EXPECT_EQ(left->GetUnitWave()->GetSound()->GetLeftWave(), stereo->GetWaveLeft());
    EXPECT_EQ(right->GetUnitWave()->GetSound()->GetLeftWave(), stereo->GetWaveRight());
    for (TMDIChildWave* window : {left, right}) {
        TUnitWave* part = window->GetUnitWave();
        EXPECT_EQ(part->GetMonoStereo(), 1);
        EXPECT_EQ(part->GetSampleFreq(), 22050u);
        EXPECT_EQ(part->GetBytesPSample(), 1);
        EXPECT_EQ(part->GetSelectBegin(), 200);
        EXPECT_EQ(part->GetSelectEnd(), 700);
        EXPECT_EQ(window->GetShowKind(), waveWindVolume);
        const TViewPane* pane = window->GetViewWaveGroup()->GetView(2);
        EXPECT_TRUE(pane->IsZoomed());
        EXPECT_EQ(static_cast<int>(pane->FirstVisibleWavePos()), 100);
        EXPECT_FALSE(window->GetViewWaveGroup()->GetView(1)->IsZoomed());
        // A new document's own settings, not the last-used ones.
        EXPECT_EQ(part->VolumeProps.VolumeKind, 0);
        // Content without a file name: closing asks the save question.
        EXPECT_TRUE(part->HasNoFileName());
        EXPECT_TRUE(window->NeedsSaving());
    }
}

TEST_F(SplitMergeWindowsTest, SplitVerticallyOfAMonoWaveDoesNothing)
{
    TMDIChildWave* source = Open(Mono(Ramp(100, 1)), {0, 0, 300, 200});
    EXPECT_FALSE(SplitVertically(form, *source));
    EXPECT_EQ(WindowCount(), 1u);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SplitMergeWindowsTest, SplitHorizontallyAtTheCursorAsksNothing)
{
    const Samples samples = Ramp(1000, 1);
    TMDIChildWave* source = Open(Mono(samples), {10, 10, 500, 200});
    source->GetUnitWave()->SetCursor(400);
    bool asked = false;
    TDialogScript previous = SetDialogScript([&](QDialog&) {
        asked = true;
        return int(QDialog::Rejected);
    });
    // The action is offered for a cursor inside the wave.
    form.UpdateActions();
    form.Execute(A::SplitH);
    SetDialogScript(previous);
    EXPECT_FALSE(asked);

    ASSERT_EQ(WindowCount(), 2u);
    TMDIChildWave* first = Named("First Part 1 of Wave 1");
    TMDIChildWave* last = Named("Last Part 1 of Wave 1");
    ASSERT_TRUE(first && last);
    // The two meet at the cursor's column: 10 + 400 * 500 / 1000.
    EXPECT_EQ(first->geometry(), QRect(10, 10, 200, 200));
    EXPECT_EQ(last->geometry(), QRect(210, 10, 300, 200));
    EXPECT_EQ(LeftSamples(first), Samples(samples.begin(), samples.begin() + 400));
    EXPECT_EQ(LeftSamples(last), Samples(samples.begin() + 400, samples.end()));
    EXPECT_TRUE(first->NeedsSaving());
}

TEST_F(SplitMergeWindowsTest, SplitHorizontallyWithASelectionAsksAndKeepsTheAnswer)
{
    TMDIChildWave* source = Open(Mono(Ramp(1000, 1)), {0, 0, 400, 300});
    source->GetUnitWave()->SetSelection(250, 500);
    form.UpdateActions();
    // Cancel makes nothing.
    TDialogScript previous = SetDialogScript([](QDialog&) { return int(QDialog::Rejected); });
    form.Execute(A::SplitH);
    EXPECT_EQ(WindowCount(), 1u);

    SetDialogScript([](QDialog& dialog) {
        auto& split = dynamic_cast<TDlgSplitHorProps&>(dialog);
        EXPECT_TRUE(split.rgrResult->findChildren<QRadioButton*>()[0]->isChecked());
        split.rgrResult->findChildren<QRadioButton*>()[1]->setChecked(true);
        return PressOK(dialog) ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    form.Execute(A::SplitH);
    SetDialogScript(previous);

    EXPECT_EQ(form.EffectSettings().SplitHorProps.Result, 1);
    ASSERT_EQ(WindowCount(), 2u);
    TMDIChildWave* first = Named("First Part 1 of Wave 1");
    TMDIChildWave* last = Named("Last Part 1 of Wave 1");
    ASSERT_TRUE(first && last);
    // Both hold the selection, so the two windows overlap.
    EXPECT_EQ(first->GetUnitWave()->GetValues(), 500);
    EXPECT_EQ(last->GetUnitWave()->GetValues(), 750);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 200, 300));
    EXPECT_EQ(last->geometry(), QRect(100, 0, 300, 300));
}

TEST_F(SplitMergeWindowsTest, SplitHorizontallyIntoThreeParts)
{
    const Samples samples = Ramp(1000, 1);
    TMDIChildWave* source = Open(Stereo(samples, samples), {0, 0, 400, 300});
    source->GetUnitWave()->SetSelection(250, 500);
    ASSERT_TRUE(SplitHorizontally(form, *source, 0));

    ASSERT_EQ(WindowCount(), 3u);
    TMDIChildWave* first = Named("First Part 1 of Wave 1");
    TMDIChildWave* middle = Named("Middle Part 1 of Wave 1");
    TMDIChildWave* last = Named("Last Part 1 of Wave 1");
    ASSERT_TRUE(first && middle && last);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 100, 300));
    EXPECT_EQ(middle->geometry(), QRect(100, 0, 100, 300));
    EXPECT_EQ(last->geometry(), QRect(200, 0, 200, 300));
    EXPECT_EQ(first->GetUnitWave()->GetValues(), 250);
    EXPECT_EQ(middle->GetUnitWave()->GetValues(), 250);
    EXPECT_EQ(last->GetUnitWave()->GetValues(), 500);
    // No selection is carried over.
    EXPECT_EQ(middle->GetUnitWave()->GetSelectBegin(), middle->GetUnitWave()->GetSelectEnd());
}

TEST_F(SplitMergeWindowsTest, AFailedSplitMakesNothingAndKeepsTheSource)
{
    const Samples samples = Ramp(1000, 1);
    TMDIChildWave* source = Open(Mono(samples), {0, 0, 400, 300});
    source->GetUnitWave()->SetSelection(250, 500);
    QPointer<TMDIChildWave> kept(source);
    AllocationHook::FailNext(1);
    EXPECT_FALSE(SplitHorizontally(form, *source, 0));
    ASSERT_FALSE(kept.isNull());
    EXPECT_EQ(WindowCount(), 1u);
    EXPECT_EQ(LeftSamples(source), samples);
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(SplitMergeWindowsTest, MergeHorizontallyJoinsFirstAndLast)
{
    TMDIChildWave* first = Open(Mono(Ramp(300, 1)), {0, 0, 200, 100});
    TMDIChildWave* last = Open(Stereo(Ramp(200, 2), Ramp(200, 3)), {220, 10, 200, 120});
    TMergeHorProps props;
    props.First = unitUnitWave("Wave 1");
    props.First.SetUnitWave(first->GetUnitWave());
    props.Last = unitUnitWave("Wave 2");
    props.Last.SetUnitWave(last->GetUnitWave());
    props.MonoStereo = 2;
    props.SampleFreq = 44100;
    props.BytesPSample = 1;
    props.ShowKind = waveWindVolume;
    props.WaveViewProps.DrawEnvelope = true;
    QPointer<TMDIChildWave> goneFirst(first), goneLast(last);

    ASSERT_TRUE(MergeHorizontally(form, props));

    EXPECT_TRUE(goneFirst.isNull());
    EXPECT_TRUE(goneLast.isNull());
    ASSERT_EQ(WindowCount(), 1u);
    TMDIChildWave* merged = Named("Merge Hor. 1 of (Wave 1 and Wave 2)");
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(merged->geometry(), QRect(10, 5, 401, 110));
    EXPECT_EQ(merged->GetShowKind(), waveWindVolume);
    EXPECT_TRUE(merged->GetWaveViewProps().DrawEnvelope);
    TUnitWave* unit = merged->GetUnitWave();
    EXPECT_EQ(unit->GetValues(), 500);
    EXPECT_EQ(unit->GetMonoStereo(), 2);
    EXPECT_EQ(unit->GetBytesPSample(), 1);
    EXPECT_TRUE(merged->NeedsSaving());
}

TEST_F(SplitMergeWindowsTest, MergeVerticallyPutsTheTwoWavesSideBySideInStereo)
{
    TMDIChildWave* left = Open(Mono({1, 2, 3}), {0, 0, 300, 100});
    TMDIChildWave* right = Open(Mono({4, 5, 6, 7, 8}), {10, 120, 300, 100});
    const uint8_t kinds[] = {mergeSilenceAtBegin, mergeSilenceAtEnd, mergeStretchShortest, mergeStretchLongest};
    const int32_t counts[] = {5, 5, 5, 3};
    for (size_t k = 0; k < 4; ++k) {
        TMergeVertProps props;
        props.Left.SetUnitWave(left->GetUnitWave());
        props.Right.SetUnitWave(right->GetUnitWave());
        props.SampleFreq = 44100;
        props.BytesPSample = 2;
        props.MakeLengthsEqual = kinds[k];
        // Merge copies of the two, so that every kind sees the same sources.
        TMDIChildWave* l = Open(left->GetUnitWave()->GetSound(), left->geometry());
        TMDIChildWave* r = Open(right->GetUnitWave()->GetSound(), right->geometry());
        props.Left.SetUnitWave(l->GetUnitWave());
        props.Right.SetUnitWave(r->GetUnitWave());
        const std::string name =
            "Merge Vert. 1 of (" + l->GetUnitName() + " and " + r->GetUnitName() + ")";
        ASSERT_TRUE(MergeVertically(form, props));
        TMDIChildWave* merged = Named(name);
        ASSERT_NE(merged, nullptr) << name;
        EXPECT_EQ(merged->GetUnitWave()->GetMonoStereo(), 2);
        EXPECT_EQ(merged->GetUnitWave()->GetValues(), counts[k]) << int(kinds[k]);
        EXPECT_EQ(merged->geometry(), QRect(5, 10, 300, 201));
        delete merged;
    }
    EXPECT_EQ(WindowCount(), 2u);
}

TEST_F(SplitMergeWindowsTest, AFailedMergeKeepsBothSources)
{
    TMDIChildWave* left = Open(Mono(Ramp(100, 1), 22050), {0, 0, 300, 100});
    TMDIChildWave* right = Open(Stereo(Ramp(100, 2), Ramp(100, 3)), {10, 120, 300, 100});
    TMergeVertProps props;
    props.Left.SetUnitWave(left->GetUnitWave());
    props.Right.SetUnitWave(right->GetUnitWave());
    props.SampleFreq = 22050;
    AllocationHook::FailNext(1);
    EXPECT_FALSE(MergeVertically(form, props));
    EXPECT_EQ(WindowCount(), 2u);
    EXPECT_EQ(right->GetUnitWave()->GetValues(), 100);
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(SplitMergeWindowsTest, MergeDialogsStartAfreshEveryTime)
{
    Open(Mono(Ramp(300, 1)), {0, 0, 200, 100});
    Open(Mono(Ramp(200, 2)), {220, 10, 200, 120});
    Open(Mono(Ramp(100, 3)), {0, 200, 200, 100});
    form.UpdateActions();
    TDialogScript previous = SetDialogScript([](QDialog& dialog) {
        auto& merge = dynamic_cast<TDlgMergeHorProps&>(dialog);
        EXPECT_EQ(merge.Pages.cboFirst->currentIndex(), -1);
        Choose(merge.Pages.cboFirst, merge.Pages.cboFirst->findText("Wave 2"));
        Choose(merge.Pages.cboLast, merge.Pages.cboLast->findText("Wave 1"));
        return PressOK(dialog) ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    form.Execute(A::MergeH);
    ASSERT_NE(Named("Merge Hor. 1 of (Wave 2 and Wave 1)"), nullptr);
    EXPECT_EQ(Named("Merge Hor. 1 of (Wave 2 and Wave 1)")->GetUnitWave()->GetValues(), 500);
    EXPECT_EQ(Named("Wave 1"), nullptr);
    // The main window's record was only lent to the dialog.
    EXPECT_TRUE(form.EffectSettings().MergeHorProps.First.GetName().empty());

    SetDialogScript([](QDialog& dialog) {
        auto& merge = dynamic_cast<TDlgMergeVertProps&>(dialog);
        EXPECT_EQ(merge.Pages.cboFirst->currentIndex(), -1);
        Choose(merge.Pages.cboFirst, merge.Pages.cboFirst->findText("Wave 3"));
        Choose(merge.Pages.cboLast, merge.Pages.cboLast->findText("Merge Hor. 1 of (Wave 2 and Wave 1)"));
        return PressOK(dialog) ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    form.UpdateActions();
    form.Execute(A::MergeV);
    SetDialogScript(previous);
    ASSERT_EQ(WindowCount(), 1u);
    TMDIChildWave* merged = Named("Merge Vert. 1 of (Wave 3 and Merge Hor. 1 of (Wave 2 and Wave 1))");
    ASSERT_NE(merged, nullptr);
    // Silence at the end of the shorter wave, as proposed.
    EXPECT_EQ(merged->GetUnitWave()->GetValues(), 500);
    EXPECT_EQ(RightOf(*merged->GetUnitWave()->GetSound())[1], Ramp(200, 2)[1]);
    EXPECT_EQ(LeftOf(*merged->GetUnitWave()->GetSound())[499], 0);
}
