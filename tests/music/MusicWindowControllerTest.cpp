#include "music/window/MusicKeys.h"
#include "music/window/MusicWindowController.h"
#include "music/window/MusicWindowHost.h"
#include "tests/music/MusicEditingSupport.h"

namespace {

class FakeWindowHost : public MusicWindowHost {
public:
    int width = 400;
    int height = 300;
    std::vector<std::string> calls;
    TXTouchMuzSymbol* atPoint = nullptr;

    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    void Repaint() override { calls.push_back("Repaint"); }
    void BeginMusicKeySequence() override { calls.push_back("Begin"); }
    void EndMusicKeySequence() override { calls.push_back("End"); }
    void MusicStaveChanged(TNoteStave*) override { calls.push_back("StaveChanged"); }
    TXTouchMuzSymbol* SymbolAtPoint(int, int) override { return atPoint; }
};

struct WindowController : MusicEditing {
    FakeWindowHost host;
    TMusicWindowController controller{host};

    WindowController()
    {
        controller.SetUnitMuz(&unit);
        controller.SetOrigin(0, 0);
    }
    // Draws a symbol from x to x + 10, as a paint would.
    template <class T>
    T* Drawn(T* symbol, int32_t x)
    {
        symbol->SetTouchRange(x, x + 10);
        return symbol;
    }
};

} // namespace

TEST(MusicWindowGeometry, StaveHeightsRoundToTheNearestStep)
{
    const std::pair<int32_t, int32_t> rows[] = {{100, 0}, {98, 0},  {97, 1},   {93, 1},   {92, 2},
                                                {102, 0}, {103, -1}, {107, -1}, {108, -2}, {60, 8}};
    for (auto [y, height] : rows)
        EXPECT_EQ(TMusicWindowController::HeightFromMiddle(100, y), height) << y;
}

TEST_F(WindowController, BandsBordersAndStaves)
{
    TNoteStave* second = m.muz.NewNoteStave(m.stave, nullptr);
    second->RoomUp.SetValue(50);
    controller.SetOrigin(0, -20);
    const std::vector<TStaveBand> bands = controller.BeginPaint();
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].middle, 60);
    EXPECT_EQ(bands[0].bottom, 140);
    EXPECT_EQ(bands[1].middle, 190);
    EXPECT_EQ(controller.GetBottomEdge(), 270 + 40);
    // The border is hit from 3 pixels above to 2 below.
    EXPECT_EQ(controller.PickStaveBorder(137), m.stave);
    EXPECT_EQ(controller.PickStaveBorder(142), m.stave);
    EXPECT_EQ(controller.PickStaveBorder(136), nullptr);
    EXPECT_EQ(controller.PickStaveBorder(143), nullptr);
    EXPECT_EQ(controller.FindStaveAt(-20), m.stave);
    EXPECT_EQ(controller.FindStaveAt(141), second);
    EXPECT_EQ(controller.FindStaveAt(271), nullptr);
    EXPECT_EQ(controller.HeightAt(second, 180), 2);
    // A stave switched off has no band.
    m.stave->EnablePlayAndDraw = false;
    EXPECT_EQ(controller.StaveBands().size(), 1u);
    EXPECT_EQ(controller.FindStaveAt(30), second);
}

TEST_F(WindowController, DraggingTheBorderWithOneButton)
{
    // Left button 100 pixels up on RoomDown 80: stops at 30, the drag follows 50.
    const int32_t border = 160;
    controller.MouseDown(10, border, true, false);
    ASSERT_TRUE(controller.Drag().Active());
    EXPECT_EQ(controller.MouseMove(10, border - 100, true, false), TMusicCursor::VerticalSplit);
    EXPECT_EQ(m.stave->RoomDown.GetValue(), 30);
    EXPECT_EQ(controller.Drag().GetDragY(), border - 50);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "StaveChanged"), 1);
    EXPECT_TRUE(unit.IsModified());
    // Further up changes nothing; down again grows it from where the drag stood.
    host.calls.clear();
    controller.MouseMove(10, border - 120, true, false);
    EXPECT_TRUE(host.calls.empty());
    controller.MouseMove(10, border - 40, true, false);
    EXPECT_EQ(m.stave->RoomDown.GetValue(), 40);
    // The right button moves the room above.
    controller.MouseMove(10, border - 70, false, true);
    EXPECT_EQ(m.stave->RoomUp.GetValue(), 50);
    // A move without buttons ends the drag.
    controller.MouseMove(10, border, false, false);
    EXPECT_FALSE(controller.Drag().Active());
}

TEST_F(WindowController, DraggingStopsAtTheLargestRoom)
{
    m.stave->RoomDown.SetValue(TNoteStave::RoomMaximum - 10);
    const int32_t border = 80 + TNoteStave::RoomMaximum - 10;
    controller.MouseDown(10, border, true, true);
    controller.MouseMove(10, border + 100, true, true);
    EXPECT_EQ(m.stave->RoomUp.GetValue(), 130);
    EXPECT_EQ(m.stave->RoomDown.GetValue(), TNoteStave::RoomMaximum);
    // The drag follows only what was applied: back up, the room below shrinks at once.
    EXPECT_EQ(controller.Drag().GetDragY(), border + 60);
    controller.MouseMove(10, border + 58, true, false);
    EXPECT_EQ(m.stave->RoomDown.GetValue(), TNoteStave::RoomMaximum - 2);
}

TEST_F(WindowController, DraggingWithBothButtonsSharesTheMove)
{
    // Seven down from a fresh press: 4 above, 3 below; the next odd pixel goes below.
    controller.MouseDown(10, 160, true, true);
    controller.MouseMove(10, 167, true, true);
    EXPECT_EQ(m.stave->RoomUp.GetValue(), 84);
    EXPECT_EQ(m.stave->RoomDown.GetValue(), 83);
    controller.MouseMove(10, 172, true, true);
    EXPECT_EQ(m.stave->RoomUp.GetValue(), 86);
    EXPECT_EQ(m.stave->RoomDown.GetValue(), 86);
    controller.MouseUp(false, false);
    EXPECT_FALSE(controller.Drag().Active());

    struct Row {
        int32_t yDiff, up, down;
        bool toggle;
        int32_t newUp, newDown, applied;
    };
    const Row rows[] = {
        {-7, 80, 80, true, 77, 76, -7},  // upward odd pixel with the toggle on goes below
        {-7, 80, 80, false, 76, 77, -7}, // and with it off above
        {-40, 35, 80, true, 30, 45, -40}, // the room above is short: the rest moves below
        {-40, 80, 32, true, 42, 30, -40}, // the room below is short: the rest moves above
        {-40, 31, 31, true, 30, 30, -2},  // both short: only what they have
    };
    for (const Row& row : rows) {
        bool toggle = row.toggle;
        int32_t up = row.up, down = row.down;
        EXPECT_EQ(TStaveBorderDrag::Apply(row.yDiff, true, true, toggle, up, down), row.applied) << row.yDiff;
        EXPECT_EQ(up, row.newUp) << row.yDiff << " " << row.up << " " << row.down;
        EXPECT_EQ(down, row.newDown) << row.yDiff << " " << row.up << " " << row.down;
    }
}

TEST_F(WindowController, KeySequences)
{
    TMuzNote* note = m.Note(0, 7);
    Select(note, unitMuzSel);
    // A arms; a lone modifier keeps it waiting; Shift+E adds E6 after the note.
    EXPECT_TRUE(controller.KeyDown('A', 0));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"Begin"}));
    for (int32_t modifier : {MusicKey::Shift, MusicKey::Control, MusicKey::Alt})
        EXPECT_FALSE(controller.KeyDown(modifier, musicKeyShift));
    EXPECT_EQ(controller.PendingKeySequence(), 2);
    EXPECT_TRUE(controller.KeyDown('E', musicKeyShift));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"Begin", "End"}));
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 N0.25:16");
    // I then Space: a rest before the new note.
    controller.KeyDown('I', 0);
    controller.KeyDown(MusicKey::Space, 0);
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 R0.25/4 N0.5:16");
    // Insert then Space adds nothing and ends the sequence.
    host.calls.clear();
    controller.KeyDown(MusicKey::Insert, 0);
    controller.KeyDown(MusicKey::Space, 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"Begin", "End"}));
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 R0.25/4 N0.5:16");
    EXPECT_EQ(controller.PendingKeySequence(), 0);
    // The rest is the selection now. A then X: nothing, the sequence is over.
    controller.KeyDown('A', 0);
    EXPECT_TRUE(controller.KeyDown('X', 0));
    EXPECT_EQ(controller.PendingKeySequence(), 0);
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 R0.25/4 N0.5:16");
    // Alt lowers an octave; Ctrl with F adds a clef.
    controller.KeyDown('A', 0);
    controller.KeyDown('C', musicKeyAlt);
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 R0.25/4 N0.5:0 N0.75:16");
    controller.KeyDown('A', 0);
    controller.KeyDown('F', musicKeyCtrl);
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 R0.25/4 N0.5:0 K0.75#1 N0.75:16");
}

TEST_F(WindowController, SingleKeys)
{
    TMuzNote* note = m.Note(0, 7, 8);
    Select(note, unitMuzSel);
    // Top-row digits without modifiers set the value.
    EXPECT_TRUE(controller.KeyDown('6', 0));
    EXPECT_EQ(note->GetNoteLengthKind(), 16);
    EXPECT_FALSE(controller.KeyDown('6', musicKeyShift));
    EXPECT_FALSE(controller.KeyDown('5', 0));
    EXPECT_EQ(note->GetNoteLengthKind(), 16);
    controller.KeyDown('L', 0);
    EXPECT_EQ(note->GetNoteLengthKind(), 8);
    controller.KeyDown('L', musicKeyShift);
    EXPECT_EQ(note->GetNoteLengthKind(), 16);
    controller.KeyDown('L', musicKeyAlt | musicKeyCtrl);
    EXPECT_EQ(note->GetNoteArtKind(), noteArtPortato);
    controller.KeyDown('L', musicKeyAlt | musicKeyShift);
    EXPECT_EQ(note->GetNoteArtKind(), noteArtNormal);
    controller.KeyDown(MusicKey::Up, musicKeyCtrl);
    EXPECT_EQ(note->GetPitch(), 8);
    controller.KeyDown(MusicKey::Up, musicKeyCtrl | musicKeyShift);
    EXPECT_EQ(note->GetPitch(), 15);
    controller.KeyDown('S', musicKeyAlt);
    EXPECT_EQ(m.Listing(), "K0#1 R0/16");
    // Ctrl+Down on the clef: G becomes C, with the question of the notes after it.
    Select(m.StartClef());
    controller.KeyDown(MusicKey::Down, musicKeyCtrl);
    EXPECT_EQ(m.StartClef()->GetKeyKind(), clefKindC);
}

TEST_F(WindowController, ScrollingIntoView)
{
    controller.BeginPaint();
    controller.EndPaint(3000); // the staves end far right
    EXPECT_EQ(controller.GetRightEdge(), 3000 + 400 - 80);
    host.calls.clear();
    // Within 10 % of either edge nothing moves.
    controller.ScrollIntoViewX(40, 360);
    EXPECT_TRUE(host.calls.empty());
    controller.ScrollIntoViewX(500, 520);
    EXPECT_EQ(controller.GetLeftOrigin(), -160);
    EXPECT_EQ(controller.GetScrollState().horizontalPosition, 160);
    // The right edge wins when both hold; the origin never passes 0.
    controller.ScrollIntoViewX(-500, 900);
    EXPECT_EQ(controller.GetLeftOrigin(), -700);
    controller.ScrollIntoViewX(-2000, 0);
    EXPECT_EQ(controller.GetLeftOrigin(), 0);
    // Vertically 20 % and 80 %, within the bands' range.
    for (int i = 0; i < 4; ++i)
        m.muz.NewNoteStave(m.stave, nullptr);
    controller.BeginPaint();
    controller.ScrollIntoViewY(500, 520);
    EXPECT_EQ(controller.GetTopOrigin(), -280);
}

TEST_F(WindowController, GoToStaff)
{
    for (int i = 0; i < 4; ++i)
        m.muz.NewNoteStave(m.stave, nullptr);
    TNoteStave* third = m.stave->GetNext()->GetNext();
    // Centred: its middle line 400 down, half the window above it.
    ASSERT_TRUE(controller.ScrollToStave(third));
    EXPECT_EQ(controller.GetTopOrigin(), -(400 - 150));
    EXPECT_EQ(controller.GetBottomEdge(), 800 + 40 - 250);
    EXPECT_TRUE(controller.IsOriginSet());
    // Decision: the first stave does not come down from the top, the last
    // does not leave the window's bottom empty.
    ASSERT_TRUE(controller.ScrollToStave(m.stave));
    EXPECT_EQ(controller.GetTopOrigin(), 0);
    TNoteStave* last = third->GetNext()->GetNext();
    ASSERT_TRUE(controller.ScrollToStave(last));
    EXPECT_EQ(controller.GetTopOrigin(), -(840 - 300));
    // A stave that is not drawn leaves the view alone.
    third->EnablePlayAndDraw = false;
    EXPECT_FALSE(controller.ScrollToStave(third));
    EXPECT_EQ(controller.GetTopOrigin(), -(840 - 300));
}

TEST_F(WindowController, ClicksByMode)
{
    TMuzNote* note = Drawn(m.Note(0, 7), 50);
    Drawn(m.StartClef(), 10);
    // Mode new, note: a click right of the note adds after it at the clicked height.
    Select(nullptr, unitMuzNew);
    controller.MouseDown(200, 80 - 10, true, false);
    EXPECT_EQ(m.Listing(), "K0#1 N0:7 N0.25:8");
    EXPECT_TRUE(unit.IsModified());
    // The cursor: a note there, a rest (SIL) for rests, nothing on no stave.
    EXPECT_EQ(controller.CursorAt(200, 70), TMusicCursor::Note);
    unit.SetInsertModeKind(insertModeRest);
    EXPECT_EQ(controller.CursorAt(200, 70), TMusicCursor::Sil);
    EXPECT_EQ(controller.CursorAt(200, 500), TMusicCursor::Reject);
    EXPECT_EQ(controller.CursorAt(200, 160), TMusicCursor::VerticalSplit);
    // Mode sel: the click selects, and drops the selection it hits again.
    Select(nullptr, unitMuzSel);
    host.atPoint = note;
    controller.MouseDown(55, 80, true, false);
    EXPECT_EQ(unit.GetSelectedSymbol(), note);
    controller.MouseDown(55, 80, true, false);
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(controller.CursorAt(55, 80), TMusicCursor::Default);
    // Mode delete: the opening clef is refused, the note goes.
    Select(nullptr, unitMuzDel);
    host.atPoint = m.StartClef();
    EXPECT_EQ(controller.CursorAt(15, 80), TMusicCursor::Reject);
    controller.MouseDown(15, 80, true, false);
    EXPECT_FALSE(unit.IsModified());
    host.atPoint = note;
    EXPECT_EQ(controller.CursorAt(55, 80), TMusicCursor::Delete);
    controller.MouseDown(55, 80, true, false);
    EXPECT_EQ(m.Listing(), "K0#1 N0:8");
    EXPECT_TRUE(unit.IsModified());
}

TEST_F(WindowController, AccidentalClicks)
{
    TMuzNote* note = Drawn(m.Note(0, 7), 50);
    TRest* rest = Drawn(m.Rest(0.25), 70);
    Select(nullptr, unitMuzNew);
    unit.NoteShiftExecute(noteShiftDoubleMol);
    host.atPoint = m.StartClef();
    EXPECT_EQ(controller.CursorAt(15, 80), TMusicCursor::Reject);
    host.atPoint = rest;
    EXPECT_EQ(controller.CursorAt(75, 80), TMusicCursor::Reject);
    host.atPoint = nullptr;
    EXPECT_EQ(controller.CursorAt(300, 80), TMusicCursor::Keep);
    host.atPoint = note;
    EXPECT_EQ(controller.CursorAt(55, 80), TMusicCursor::Note);
    controller.MouseDown(55, 80, true, false);
    EXPECT_EQ(note->GetNoteShift(), noteShiftDoubleMol);
    EXPECT_TRUE(unit.IsModified());
    // A sharp on the clef at the top line's height: one sharp.
    unit.NoteShiftExecute(noteShiftKruis);
    host.atPoint = m.StartClef();
    EXPECT_EQ(controller.CursorAt(15, 60), TMusicCursor::Note);
    controller.MouseDown(15, 80 - 20, true, false);
    int32_t count = 0;
    ASSERT_TRUE(m.StartClef()->ToonLadder(count));
    EXPECT_EQ(count, 1);
}

TEST_F(WindowController, NothingToClickOnWithoutStaves)
{
    m.stave->EnablePlayAndDraw = false;
    Select(nullptr, unitMuzNew);
    EXPECT_FALSE(controller.ClickAdd(100, 80, false));
    EXPECT_TRUE(controller.StaveBands().empty());
    EXPECT_EQ(messages.Count(), 0u);
}
