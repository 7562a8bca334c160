#include "DocumentFakes.h"

#include <gtest/gtest.h>

TEST(UnitWaveSelection, MarksClampIntoTheWave)
{
    DocumentFixture f(RampSound(100));
    TUnitWave& u = *f.unit;
    u.SetCursor(150);
    EXPECT_EQ(u.GetCursorPos(), 100);
    EXPECT_EQ(u.GetAnchorPos(), 100);
    u.SetCursorPos(-5);
    EXPECT_EQ(u.GetCursorPos(), 0);
    EXPECT_EQ(u.GetSelectBegin(), 0);
    EXPECT_EQ(u.GetSelectEnd(), 100);
    u.SetAnchorPos(1000);
    EXPECT_EQ(u.GetAnchorPos(), 100);
}

TEST(UnitWaveSelection, SetSelectionKeepsTheMovingMarkAtItsEnd)
{
    DocumentFixture f(RampSound(100));
    TUnitWave& u = *f.unit;
    u.SetCursor(20); // bare cursor: the cursor goes to the end
    u.SetSelection(10, 30);
    EXPECT_EQ(u.GetCursorPos(), 30);
    EXPECT_EQ(u.GetAnchorPos(), 10);

    u.SetSelectMarks(10, 30); // cursor below anchor: it stays the begin
    u.SetSelection(5, 40);
    EXPECT_EQ(u.GetCursorPos(), 5);
    EXPECT_EQ(u.GetAnchorPos(), 40);

    // Reversed bounds: the box, then the range still in order.
    u.SetSelection(10, 5);
    ASSERT_EQ(f.messages.Count(), 1u);
    EXPECT_EQ(f.messages.Last().caption, "Assertion failed");
    EXPECT_NE(f.messages.Last().text.find("begin <= end"), std::string::npos);
    EXPECT_EQ(u.GetSelectBegin(), 5);
    EXPECT_EQ(u.GetSelectEnd(), 10);

    // From a bare cursor the bounds are stored as given: cursor 5, anchor 10.
    u.SetCursor(20);
    u.SetSelection(10, 5);
    EXPECT_EQ(u.GetCursorPos(), 5);
    EXPECT_EQ(u.GetAnchorPos(), 10);
    EXPECT_EQ(f.messages.Count(), 2u);
}

TEST(UnitWaveSelection, OperationRangeIsTheSelectionOrTheWholeWave)
{
    DocumentFixture f(RampSound(44100));
    TUnitWave& u = *f.unit;
    u.SetCursor(300);
    EXPECT_EQ(u.GetOperationBegin(), 0);
    EXPECT_EQ(u.GetOperationEnd(), 44100);
    EXPECT_DOUBLE_EQ(u.GetOperationTime(), 1.0);
    u.SetSelection(100, 22150);
    EXPECT_EQ(u.GetOperationBegin(), 100);
    EXPECT_EQ(u.GetOperationEnd(), 22150);
    EXPECT_DOUBLE_EQ(u.GetOperationTime(), 0.5);
}

// The four-case table: only the parts whose selected look changes are repainted.
TEST(UnitWaveSelection, RepaintTable)
{
    struct Case {
        int32_t ob, oe, nb, ne;
        std::vector<std::string> ranges;
    };
    const Case cases[] = {
        {10, 50, 20, 50, {"Range 10 20"}},                // begin moves right
        {10, 50, 10, 40, {"Range 40 50"}},                // end moves left
        {20, 50, 10, 50, {"Range 10 20"}},                // begin moves left
        {10, 40, 10, 50, {"Range 40 50"}},                // end moves right
        {10, 20, 30, 40, {"Range 10 20", "Range 30 40"}}, // a jump: both ranges
        {10, 10, 30, 30, {}},                             // cursor to cursor: no range
        {10, 50, 10, 50, {}},                             // no change
    };
    for (const Case& c : cases) {
        DocumentFixture f(RampSound(100));
        f.unit->RepaintSelectionDiff(c.ob, c.oe, c.nb, c.ne);
        EXPECT_EQ(f.window.calls, c.ranges) << c.ob << " " << c.oe << " " << c.nb << " " << c.ne;
        EXPECT_EQ(f.host.selectionChanged, 1);
    }
}

TEST(UnitWaveSelection, RepaintingSettersMoveTheCursorLineAndMarkTheSideFile)
{
    DocumentFixture f(RampSound(100));
    TUnitWave& u = *f.unit;
    u.SetCursor(10);
    u.ClearChanged();
    u.MoveCursorPos(30);
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"Pos 10", "Range 10 30", "Line 30"}));
    EXPECT_TRUE(u.IsShadowChanged());
    EXPECT_FALSE(u.IsWaveChanged());

    f.window.calls.clear();
    u.PlaceCursor(30); // cursor does not move: only the selection goes
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"Range 10 30"}));
}

TEST(UnitWaveSelection, AnEmptyWaveRepaintsNothingAndTellsNobody)
{
    DocumentFixture f(std::make_shared<MonoSound>(44100, 2));
    TUnitWave& u = *f.unit;
    u.SelectRange(0, 50);
    u.MoveCursorPos(7);
    EXPECT_EQ(u.GetCursorPos(), 0);
    EXPECT_TRUE(f.window.calls.empty());
    EXPECT_EQ(f.host.selectionChanged, 0);
    EXPECT_EQ(u.GetOperationEnd(), 0);
    EXPECT_FALSE(u.HasContent());
    u.SetChanged();
    EXPECT_FALSE(u.IsChanged());
}

TEST(UnitWaveSelection, ChangeMarksFollowTrackingAndTheFileName)
{
    DocumentFixture f(RampSound(10));
    TUnitWave& u = *f.unit;
    EXPECT_FALSE(u.IsChanged()); // opened from a file: nothing changed yet
    u.SetTrackChanges(false);
    u.SetChanged();
    EXPECT_FALSE(u.IsChanged());
    u.SetTrackChanges(true);
    u.SetChanged();
    EXPECT_TRUE(u.IsWaveChanged());
    u.SetTrackChanges(false);
    u.ClearChanged();
    EXPECT_TRUE(u.IsChanged());
    u.SetTrackChanges(true);
    u.ClearChanged();
    EXPECT_FALSE(u.IsChanged());

    DocumentFixture unsaved(RampSound(10), "");
    EXPECT_TRUE(unsaved.unit->IsWaveChanged());
}

// An effect over the whole wave while only a cursor stood keeps the cursor's
// relative place: 4000 values, cursor 1000, result 8000 -> cursor 2000.
TEST(UnitWaveSelection, RelativeCursorRule)
{
    DocumentFixture f(RampSound(4000));
    TUnitWave& u = *f.unit;
    u.SetCursor(1000);
    u.BeginOperation(0, 4000);
    u.EndOperation(0, 8000);
    EXPECT_EQ(u.GetCursorPos(), 2000);
    EXPECT_EQ(u.GetAnchorPos(), 2000);

    // Through a real command: the cursor keeps its place in whatever length results.
    u.SetCursor(1000);
    TLengthProps twice;
    twice.LengthFactor.SetValue(2.0);
    u.Length(twice);
    int32_t values = u.GetValues();
    EXPECT_NEAR(values, 8000, 1);
    EXPECT_EQ(u.GetCursorPos(), static_cast<int32_t>(values / 4000.0 * 1000));
    EXPECT_EQ(u.GetSelectBegin(), u.GetSelectEnd());

    // A selection is not a cursor: the result becomes the selection.
    u.SetSelection(100, 200);
    u.BeginOperation(100, 200);
    u.EndOperation(100, 400);
    EXPECT_EQ(u.GetSelectBegin(), 100);
    EXPECT_EQ(u.GetSelectEnd(), 400);
}
