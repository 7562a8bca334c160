#include "ViewWaveTestSupport.h"

#include "foundation/gui/ValueLineEdit.h"
#include "wave/MainFormAccess.h"
#include "wave/document/WaveDocumentHost.h"
#include "wave/gui/DlgSelZoom.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

// The main window as the dialog sees it: one active wave, its placement and
// what the dialog tells it.
class DialogHosts : public MainFormAccess, public WaveDocumentHost {
public:
    DialogHosts() : previousAccess(SetMainFormAccess(this)), previousHost(SetWaveDocumentHost(this)) {}
    ~DialogHosts() override
    {
        SetWaveDocumentHost(previousHost);
        SetMainFormAccess(previousAccess);
    }
    TUnitWave* ActiveWaveUnit() override { return active; }
    MainFormRect GetMainFormRect() override { return mainRect; }
    void SelZoomDialogClosed() override { ++closed; }
    void SetModelessDialogActive(bool value) override { dialogActive = value; }
    void RefreshEnvelopeUsers(TMDIChildWave*) override { ++envelopeRefreshes; }

    TUnitWave* active = nullptr;
    MainFormRect mainRect{0, 0, 10, 10};
    int closed = 0;
    bool dialogActive = false;
    int envelopeRefreshes = 0;

private:
    MainFormAccess* previousAccess;
    WaveDocumentHost* previousHost;
};

// One second of sound at 44100 Hz in a window with two panes of 300 pixels.
struct SelZoomTest : ::testing::Test {
    SelZoomTest()
    {
        hosts.active = &view.unit;
        dialog.UpdateAll(&view.unit);
    }

    void Set(TValueLineEdit* edit, const char* text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void Apply() { QTest::mouseClick(dialog.OKButton(), Qt::LeftButton); }

    DialogHosts hosts;
    ViewFixture view{ViewMono(44100, ViewSine), 300, 300};
    TDlgSelZoom dialog{nullptr};
};

} // namespace

TEST_F(SelZoomTest, TimesBecomeTheNearestValueIndices)
{
    EXPECT_EQ(dialog.windowTitle(), "Select and Zoom");
    EXPECT_EQ(dialog.OKButton()->text(), "Apply");
    EXPECT_EQ(dialog.CancelButton()->text(), "Close");
    EXPECT_EQ(dialog.GetHelpContext(), 40);
    EXPECT_FALSE(dialog.isModal());
    // Above the main window as its dialog, not above all: modal dialogs must not be covered.
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);

    Set(dialog.editPartBegin, "0.25 s");
    Set(dialog.editPartEnd, "0.5 s");
    EXPECT_TRUE(dialog.optPart->isChecked());
    Apply();
    EXPECT_EQ(view.unit.GetSelectBegin(), 11025);
    EXPECT_EQ(view.unit.GetSelectEnd(), 22050);
    EXPECT_EQ(hosts.envelopeRefreshes, 1);

    struct Case {
        const char* text;
        int32_t index;
    } cases[] = {{"0.00001 s", 0}, {"0.00002 s", 1}, {"10 ms", 441}};
    for (const Case& c : cases) {
        Set(dialog.editCursorAt, c.text);
        EXPECT_TRUE(dialog.optCursor->isChecked());
        Apply();
        EXPECT_EQ(view.unit.GetCursorPos(), c.index) << c.text;
        EXPECT_EQ(view.unit.GetAnchorPos(), c.index) << c.text;
    }
    EXPECT_EQ(view.messages.Count(), 0u) << view.messages.Last().text;
    // Apply leaves the dialog as it was.
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SelZoomTest, TheEndOfTheWaveIsAcceptedForCursorAndEndsButNotForABegin)
{
    struct Case {
        const char* cursor; // or the part's begin and end
        const char* begin;
        const char* end;
        const char* message; // none: accepted
        int32_t selectBegin, selectEnd;
    } cases[] = {
        {"1 s", nullptr, nullptr, nullptr, 44100, 44100},
        {"1.01 s", nullptr, nullptr, "In Selected Cursor: Must be prior before the end of the wave.", 0, 0},
        {nullptr, "0.5 s", "1 s", nullptr, 22050, 44100},
        {nullptr, "0.5 s", "1.2 s", "In Part End: Must be prior before the end of the wave.", 0, 0},
        {nullptr, "1 s", "1.5 s", "In Part Begin: Must be prior before the end of the wave.", 0, 0},
        {nullptr, "0.5 s", "0.5 s", "Part Begin must be prior before Part End.", 0, 0},
        {nullptr, "0.6 s", "0.5 s", "Part Begin must be prior before Part End.", 0, 0},
    };
    for (const Case& c : cases) {
        view.unit.SetSelection(0, 0);
        view.messages.Clear();
        dialog.UpdateAll(&view.unit);
        if (c.cursor) {
            Set(dialog.editCursorAt, c.cursor);
        } else {
            Set(dialog.editPartBegin, c.begin);
            Set(dialog.editPartEnd, c.end);
        }
        Apply();
        const std::string what = c.cursor ? c.cursor : std::string(c.begin) + ".." + c.end;
        if (c.message) {
            ASSERT_EQ(view.messages.Count(), 1u) << what;
            EXPECT_EQ(view.messages.Last().text, c.message);
            EXPECT_EQ(view.messages.Last().caption, "Input Error");
        } else {
            EXPECT_EQ(view.messages.Count(), 0u) << what;
        }
        EXPECT_EQ(view.unit.GetSelectBegin(), c.selectBegin) << what;
        EXPECT_EQ(view.unit.GetSelectEnd(), c.selectEnd) << what;
    }
}

TEST_F(SelZoomTest, EachPaneZoomsToItsOwnRangeOrShowsTheWholeWave)
{
    view.Pane(2).ZoomToRange(100, 200, true);
    dialog.UpdateAll(&view.unit);
    EXPECT_FALSE(dialog.chkZoomed1->isChecked());
    EXPECT_TRUE(dialog.editZoom1Begin->text().isEmpty());
    EXPECT_TRUE(dialog.chkZoomed2->isChecked());
    EXPECT_FALSE(dialog.editZoom2Begin->text().isEmpty());

    Set(dialog.editZoom1Begin, "0.5 s");
    Set(dialog.editZoom1End, "1 s");
    EXPECT_TRUE(dialog.chkZoomed1->isChecked());
    dialog.chkZoomed2->setChecked(false);
    Apply();
    EXPECT_EQ(view.messages.Count(), 0u);
    ASSERT_TRUE(view.Pane(1).IsZoomed());
    EXPECT_NEAR(view.Pane(1).FirstVisibleWavePos(), 22050, 150);
    EXPECT_NEAR(view.Pane(1).LastVisibleWavePos(), 44100, 150);
    EXPECT_FALSE(view.Pane(2).IsZoomed());

    dialog.UpdateAll(&view.unit);
    Set(dialog.editZoom2Begin, "0.3 s");
    Set(dialog.editZoom2End, "0.3 s");
    Apply();
    ASSERT_EQ(view.messages.Count(), 1u);
    EXPECT_EQ(view.messages.Last().text, "Zoom Second: Begin must be prior before End.");
    view.messages.Clear();
    Set(dialog.editZoom2Begin, "2 s");
    Set(dialog.editZoom2End, "3 s");
    Apply();
    ASSERT_EQ(view.messages.Count(), 1u);
    EXPECT_EQ(view.messages.Last().text, "In Zoom Second Begin: Must be prior before the end of the wave.");
    EXPECT_FALSE(view.Pane(2).IsZoomed());
}

TEST_F(SelZoomTest, ATextThatDoesNotReadStopsEverythingButUnzooming)
{
    view.unit.SetSelection(100, 200);
    view.Pane(1).ZoomToRange(1000, 2000, true);
    view.Pane(2).ZoomToRange(3000, 4000, true);
    dialog.UpdateAll(&view.unit);
    const double first1 = view.Pane(1).FirstVisibleWavePos();
    Set(dialog.editCursorAt, "soon");
    Set(dialog.editZoom1Begin, "0.1 s");
    dialog.chkZoomed2->setChecked(false);
    Apply();
    ASSERT_EQ(view.messages.Count(), 1u);
    EXPECT_EQ(view.messages.Last().text.rfind("In Cursor At: ", 0), 0u) << view.messages.Last().text;
    EXPECT_EQ(view.unit.GetSelectBegin(), 100);
    EXPECT_EQ(view.unit.GetSelectEnd(), 200);
    EXPECT_TRUE(view.Pane(1).IsZoomed());
    EXPECT_EQ(view.Pane(1).FirstVisibleWavePos(), first1);
    EXPECT_FALSE(view.Pane(2).IsZoomed());
}

TEST_F(SelZoomTest, TheDialogFollowsTheWaveAndOnlyTypingChoosesAnOption)
{
    view.unit.SetSelection(4410, 8820);
    dialog.UpdateSelection(&view.unit);
    EXPECT_TRUE(dialog.optPart->isChecked());
    EXPECT_EQ(dialog.editPartBegin->text(), "0.1 s");
    EXPECT_EQ(dialog.editPartEnd->text(), "0.2 s");
    EXPECT_TRUE(dialog.editCursorAt->text().isEmpty());
    view.unit.SetCursor(22050);
    dialog.UpdateSelection(&view.unit);
    EXPECT_TRUE(dialog.optCursor->isChecked());
    EXPECT_EQ(dialog.editCursorAt->text(), "0.5 s");
    EXPECT_TRUE(dialog.editPartBegin->text().isEmpty());

    view.Pane(2).ZoomToRange(100, 200, true);
    dialog.UpdateZoom(&view.unit, 2);
    EXPECT_TRUE(dialog.chkZoomed2->isChecked());
    view.Pane(2).UnZoom();
    dialog.UpdateZoom(&view.unit, 2);
    EXPECT_FALSE(dialog.chkZoomed2->isChecked());
    QTest::keyClicks(dialog.editZoom2Begin, "0");
    EXPECT_TRUE(dialog.chkZoomed2->isChecked());
    EXPECT_FALSE(dialog.chkZoomed1->isChecked());
}

TEST_F(SelZoomTest, WithoutAWaveEverythingIsEmptyAndDisabled)
{
    dialog.UpdateAll(nullptr);
    EXPECT_FALSE(dialog.OKButton()->isEnabled());
    for (QAbstractButton* option : {static_cast<QAbstractButton*>(dialog.optCursor), static_cast<QAbstractButton*>(dialog.optPart),
                                    static_cast<QAbstractButton*>(dialog.chkZoomed1), static_cast<QAbstractButton*>(dialog.chkZoomed2)}) {
        EXPECT_FALSE(option->isEnabled());
        EXPECT_FALSE(option->isChecked());
    }
    for (TValueLineEdit* edit : {dialog.editCursorAt, dialog.editPartBegin, dialog.editPartEnd, dialog.editZoom1Begin,
                                 dialog.editZoom1End, dialog.editZoom2Begin, dialog.editZoom2End}) {
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_TRUE(edit->text().isEmpty());
    }
    dialog.UpdateAll(&view.unit);
    EXPECT_TRUE(dialog.OKButton()->isEnabled());
    EXPECT_TRUE(dialog.optCursor->isChecked());
}

TEST_F(SelZoomTest, ShownAtTheMainWindowsCornerOnTheScreenAndClosingIsTold)
{
    hosts.mainRect = {0, 0, 40, 30};
    dialog.show();
    EXPECT_EQ(dialog.pos(), QPoint(40, 30));
    dialog.hide();

    hosts.mainRect = {0, 0, 100000, 100000};
    dialog.show();
    const QRect screen = dialog.screen()->geometry();
    EXPECT_EQ(dialog.frameGeometry().right(), screen.right());
    EXPECT_EQ(dialog.frameGeometry().bottom(), screen.bottom());

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &activate);
    EXPECT_TRUE(hosts.dialogActive);

    EXPECT_EQ(hosts.closed, 0);
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(hosts.closed, 1);
    dialog.show();
    dialog.close();
    EXPECT_EQ(hosts.closed, 2);
}

TEST(SelZoomLongWave, TheEndAsTheDialogShowsItIsTheEnd)
{
    // 1000.006 seconds at 5000 Hz: the text of the end is rounded up past it.
    DialogHosts hosts;
    StopFlag stop = 0;
    const int32_t values = 5000030;
    RefPtr<Wave> wave = NewWave(&stop, values);
    ViewFixture view(std::make_shared<MonoSound>(wave, 5000, 2), 300, 300, 60, false);
    hosts.active = &view.unit;
    view.unit.SetSelection(values / 2, values);
    TDlgSelZoom dialog(nullptr);
    dialog.UpdateAll(&view.unit);
    QTest::mouseClick(dialog.OKButton(), Qt::LeftButton);
    EXPECT_EQ(view.messages.Count(), 0u) << dialog.editPartEnd->text().toStdString();
    EXPECT_EQ(view.unit.GetSelectEnd(), values) << dialog.editPartEnd->text().toStdString();
}
