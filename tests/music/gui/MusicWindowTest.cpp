#include "support/TempFolder.h"

#include "foundation/commands/ActionCatalogue.h"
#include "foundation/gui/PanelStatusBar.h"
#include "music/document/UnitMuz.h"
#include "music/gui/MDIChildMuz.h"
#include "music/gui/MusicArea.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzBar.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/RecordingMessageService.h"
#include "shell/MusicActionTable.h"
#include "shell/gui/MainForm.h"
#include "shell/gui/MainFormMusic.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace {

using A = ActionId;

struct MusicWindowTest : ::testing::Test {
    MusicWindowTest()
    {
        form.resize(1000, 760);
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        window = NewWindow();
        unit = window->GetUnitMuz();
        stave = unit->MuzData.GetStartStave();
        bar = unit->MuzData.GetFirstSinglePart();
    }

    void Run(ActionId id)
    {
        form.UpdateActions();
        form.Execute(id);
        QApplication::processEvents();
    }

    TMDIChildMuz* NewWindow()
    {
        Run(A::FileNewMuz);
        return form.Music().ActiveMuzWindow();
    }

    QWidget* Viewport() const { return window->Area()->viewport(); }

    // Paints now, as the window would on its next turn.
    QImage Grab() const
    {
        QImage image(Viewport()->size(), QImage::Format_RGB32);
        Viewport()->render(&image);
        return image;
    }

    int Middle() const { return stave->GetMiddleY(); }

    TMuzNote* AddNote(double position, int32_t pitch, uint8_t length = 4)
    {
        return unit->MuzData.CreateNote(stave, position, length, 0, pitch, stave->GetSelectedNoteGroup(), 2, 1, 0, 0,
                                        bar, 2);
    }

    // A key pressed on the music window, through the main window's key filter.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->Area(), key, modifiers);
        QApplication::processEvents();
    }

    RecordingMessageService messages;
    TMainForm form;
    TMDIChildMuz* window = nullptr;
    TUnitMuz* unit = nullptr;
    TNoteStave* stave = nullptr;
    TSinglePartMuz* bar = nullptr;
};

} // namespace

TEST_F(MusicWindowTest, PaintsAFixtureAndSelectsByClick)
{
    TMuzNote* first = AddNote(0, 2);
    TMuzNote* second = AddNote(0.25, 6);
    const QImage image = Grab();
    // The stave band is white, dark grey below the music.
    EXPECT_EQ(image.pixelColor(image.width() - 40, Middle() - 3), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(200, Middle() + 80 + 60), QColor(64, 64, 64));
    ASSERT_TRUE(first->IsTouchValid());
    ASSERT_TRUE(second->IsTouchValid());
    EXPECT_LT(first->GetTouchRight(), second->GetTouchLeft());
    // The note's head is painted where it was laid out.
    const int headY = Middle() - 5 * first->GetDrawHeight();
    bool black = false;
    for (int x = first->GetTouchLeft(); x <= first->GetTouchRight(); ++x)
        black = black || image.pixelColor(x, headY) == QColor(0, 0, 0);
    EXPECT_TRUE(black);

    // Mode edit: a click selects, a second click on it drops it.
    Run(A::MusicModeEdit);
    const QPoint onSecond((second->GetTouchLeft() + second->GetTouchRight()) / 2,
                          Middle() - 5 * second->GetDrawHeight());
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, onSecond);
    EXPECT_EQ(unit->GetSelectedSymbol(), second);
    form.UpdateActions();
    EXPECT_EQ(form.StatusBarMuz()->PanelText(1), "Note");
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, onSecond);
    EXPECT_EQ(unit->GetSelectedSymbol(), nullptr);
}

TEST_F(MusicWindowTest, ClicksAddInModeNewAndDeleteInModeDelete)
{
    Grab();
    TClef* clef = bar->GetStartClef(stave);
    // Right of the clef, two steps above the middle line: D5 after the clef.
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(clef->GetTouchRight() + 60, Middle() - 10));
    TMuzNote* note = unit->GetSelectedNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetPitch(), 8);
    EXPECT_TRUE(unit->IsModified());
    Grab();
    Run(A::MusicModeDelete);
    const QPoint onNote((note->GetTouchLeft() + note->GetTouchRight()) / 2, Middle() - 10);
    QTest::mouseMove(Viewport(), onNote);
    EXPECT_EQ(window->CurrentCursor(), 2); // "DELETE"
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, onNote);
    EXPECT_EQ(bar->GetSymbols()->GetNext(), nullptr);
    // Over the opening clef: "REJECT", and a click does nothing.
    Grab();
    QTest::mouseMove(Viewport(), QPoint((clef->GetTouchLeft() + clef->GetTouchRight()) / 2, Middle()));
    EXPECT_EQ(window->CurrentCursor(), 4);
}

TEST_F(MusicWindowTest, DraggingAStaveBorder)
{
    Grab();
    const int border = Middle() + stave->RoomDown.GetValue();
    QTest::mouseMove(Viewport(), QPoint(100, border));
    EXPECT_EQ(Viewport()->cursor().shape(), Qt::SplitVCursor);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, QPoint(100, border));
    QMouseEvent move(QEvent::MouseMove, QPointF(100, border - 100), QPointF(100, border - 100), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &move);
    EXPECT_EQ(stave->RoomDown.GetValue(), 30);
    EXPECT_TRUE(unit->IsModified());
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, QPoint(100, border - 100));
    EXPECT_FALSE(window->Controller().Drag().Active());
}

TEST_F(MusicWindowTest, KeysAndTheTwoKeySequence)
{
    Run(A::MusicModeEdit);
    unit->SetSelMuzSymbol(bar->GetStartClef(stave));
    window->Area()->setFocus();
    // A arms: the main window's music keys give way to the second key.
    Key(Qt::Key_A);
    EXPECT_EQ(window->Controller().PendingKeySequence(), 2);
    EXPECT_TRUE(form.ShortCuts().Get(A::MusicClefG).IsEmpty());
    // A lone Shift keeps it waiting; Shift+E adds E6 after the clef.
    Key(Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(window->Controller().PendingKeySequence(), 2);
    Key(Qt::Key_E, Qt::ShiftModifier);
    EXPECT_EQ(window->Controller().PendingKeySequence(), 0);
    EXPECT_EQ(form.ShortCuts().Get(A::MusicClefG).Text(), "G");
    ASSERT_NE(unit->GetSelectedNote(), nullptr);
    EXPECT_EQ(unit->GetSelectedNote()->GetPitch(), 16);
    // A then Alt+C: the relay action hands the second key over: C4.
    Key(Qt::Key_A);
    Key(Qt::Key_C, Qt::AltModifier);
    ASSERT_NE(unit->GetSelectedNote(), nullptr);
    EXPECT_EQ(unit->GetSelectedNote()->GetPitch(), 0);
    // The top-row digit 8 makes it an eighth; a keypad 8 does nothing.
    Key(Qt::Key_8);
    EXPECT_EQ(unit->GetSelectedNote()->GetNoteLengthKind(), 8);
    Key(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(unit->GetSelectedNote()->GetNoteLengthKind(), 8);
    // Left selects the note before, through its enabling query.
    TMuzNote* eighth = unit->GetSelectedNote();
    Grab();
    Key(Qt::Key_Left);
    EXPECT_NE(unit->GetSelectedSymbol(), eighth);
    // G is the main window's clef key while no sequence waits.
    unit->SetSelMuzSymbol(bar->GetStartClef(stave));
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(bar->GetStartClef(stave)->GetKeyKind(), clefKindC);
}

TEST_F(MusicWindowTest, EveryMusicActionShowsItsQuery)
{
    const std::vector<std::pair<const char*, std::function<void()>>> scripts = {
        {"mode new", [] {}},
        {"a dotted eighth",
         [this] {
             TMuzNote* note = AddNote(0, 5, 8);
             note->SetPoints(1);
             Run(A::MusicModeEdit);
             unit->SetSelMuzSymbol(note);
         }},
        {"a triplet rest",
         [this] {
             TRest* rest = unit->MuzData.CreateRest(stave, 0.5, 4, 0, 3, 1, bar);
             unit->MuzData.CreateNote(stave, 0.5, 4, 0, 2, stave->GetSelectedNoteGroup(), 2, 3, 0, 0, bar, 2);
             unit->SetSelMuzSymbol(rest);
         }},
        {"the bar symbol", [this] { unit->SetSelMuzSymbol(bar->GetMuzBar()); }},
        {"the clef", [this] { unit->SetSelMuzSymbol(bar->GetStartClef(stave)); }},
        {"mode delete", [this] { Run(A::MusicModeDelete); }},
    };
    for (const auto& [name, script] : scripts) {
        script();
        form.UpdateActions();
        for (const TMusicActionRow& row : MusicActionTable()) {
            QAction* action = form.Action(row.id);
            EXPECT_EQ(action->isEnabled(), row.enabled ? row.enabled(*unit) : true)
                << name << ": " << ActionInfo(row.id).name;
            if (action->isCheckable()) {
                EXPECT_EQ(action->isChecked(), row.checked ? row.checked(*unit) : false)
                    << name << ": " << ActionInfo(row.id).name;
            }
        }
        EXPECT_TRUE(form.Action(A::MusicGenerate)->isEnabled()) << name;
    }
}

TEST_F(MusicWindowTest, AViewOriginReadFromAFileIsKeptByTheFirstPaint)
{
    for (int i = 0; i < 3; ++i)
        unit->MuzData.NewNoteStave(stave, unit);
    for (int i = 0; i < 40; ++i)
        AddNote(i * 0.25, 5);
    window->resize(300, 200);
    TMDIChildMuzInitProps props{-200, -50};
    window->ApplyInitProps(&props);
    Grab();
    EXPECT_EQ(stave->GetMiddleY(), -50 + stave->RoomUp.GetValue());
    EXPECT_EQ(window->Area()->horizontalScrollBar()->value(), 200);
    EXPECT_EQ(window->Area()->verticalScrollBar()->value(), 50);
    // The user's scroll is the next paint's origin.
    window->Area()->verticalScrollBar()->setValue(10);
    Grab();
    EXPECT_EQ(window->GetViewOrigin().Top, -10);
    // Go To Staff centres a stave that is drawn.
    TNoteStave* last = stave->GetNext()->GetNext()->GetNext();
    EXPECT_TRUE(window->ScrollToStave(last));
    Grab();
    EXPECT_LT(window->GetViewOrigin().Top, -10);
}

TEST_F(MusicWindowTest, ClosingAsksAboutANewMusic)
{
    messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "You have unsaved changes");
    EXPECT_EQ(messages.Last().text, "Do you want to save the Music with name \"Music 1\" to a new file?");
    messages.Answer(MsgAnswer::No);
    EXPECT_TRUE(window->close());
}
