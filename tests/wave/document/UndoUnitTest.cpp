#include "DocumentFakes.h"

#include <gtest/gtest.h>

namespace {
// A sound that counts how many of its kind are alive, so a test sees leaks
// and double releases.
class CountedSound : public MonoSound {
public:
    explicit CountedSound(int32_t values) : MonoSound(RampWave(values), 44100, 2) { ++alive; }
    ~CountedSound() override { --alive; }
    static int alive;

private:
    static RefPtr<Wave> RampWave(int32_t values)
    {
        StopFlag stop = 0;
        RefPtr<Wave> wave = NewWave(&stop, values);
        for (int32_t i = 0; i < values; ++i)
            wave->getData()[i] = static_cast<int16_t>(i);
        return wave;
    }
};
int CountedSound::alive = 0;
} // namespace

// The state table of one document, one command and two undos.
TEST(UndoUnit, StateTable)
{
    CountedSound::alive = 0;
    {
        DocumentFixture f(std::make_shared<CountedSound>(1000));
        TUnitWave& u = *f.unit;
        std::weak_ptr<Sound> a = u.GetSound();
        u.SetSelection(100, 200);

        f.host.MakeUndo(&u);
        EXPECT_EQ(f.host.undo.GetUndo()->GetSound(), a.lock()); // shared, not a copy

        u.EditDelete(); // document: B, snapshot: A
        std::weak_ptr<Sound> b = u.GetSound();
        EXPECT_NE(b.lock(), a.lock());
        EXPECT_EQ(u.GetValues(), 900);
        EXPECT_EQ(CountedSound::alive, 1); // A lives on in the snapshot

        f.window.soundChanged = 0;
        u.ClearChanged();
        ASSERT_TRUE(f.host.undo.Undo()); // document: A, snapshot: B
        EXPECT_EQ(u.GetSound(), a.lock());
        EXPECT_EQ(f.host.undo.GetUndo()->GetSound(), b.lock());
        EXPECT_EQ(u.GetSelectBegin(), 100); // the marks travel with the sound
        EXPECT_EQ(u.GetSelectEnd(), 200);
        EXPECT_TRUE(u.IsChanged());
        EXPECT_EQ(f.window.soundChanged, 1);

        ASSERT_TRUE(f.host.undo.Undo()); // redo: document B, snapshot A
        EXPECT_EQ(u.GetSound(), b.lock());
        EXPECT_EQ(u.GetSelectBegin(), 100);
        EXPECT_EQ(u.GetSelectEnd(), 100);

        f.host.MakeUndo(&u); // the next snapshot: A goes with the old one
        EXPECT_TRUE(a.expired());
        EXPECT_EQ(CountedSound::alive, 0);
        EXPECT_EQ(f.host.undo.GetUndo()->GetSound(), b.lock());
    }
    EXPECT_EQ(CountedSound::alive, 0);
}

// Trim moves both marks, the anchor to the start: undo puts both back where
// they were, and redo brings back the trimmed marks.
TEST(UndoUnit, UndoRestoresBothMarksAfterACommandThatMovesTheAnchor)
{
    DocumentFixture f(std::make_shared<CountedSound>(1000));
    TUnitWave& u = *f.unit;
    u.SetSelection(300, 500);
    const int32_t anchor = u.GetAnchorPos();
    const int32_t cursor = u.GetCursorPos();
    f.host.MakeUndo(&u);
    u.EditTrim();
    ASSERT_EQ(u.GetValues(), 200);
    const int32_t trimmedAnchor = u.GetAnchorPos();
    const int32_t trimmedCursor = u.GetCursorPos();
    ASSERT_NE(trimmedAnchor, anchor);

    ASSERT_TRUE(f.host.undo.Undo());
    EXPECT_EQ(u.GetValues(), 1000);
    EXPECT_EQ(u.GetAnchorPos(), anchor);
    EXPECT_EQ(u.GetCursorPos(), cursor);
    EXPECT_EQ(u.GetSelectBegin(), 300);
    EXPECT_EQ(u.GetSelectEnd(), 500);

    ASSERT_TRUE(f.host.undo.Undo());
    EXPECT_EQ(u.GetValues(), 200);
    EXPECT_EQ(u.GetAnchorPos(), trimmedAnchor);
    EXPECT_EQ(u.GetCursorPos(), trimmedCursor);
}

TEST(UndoUnit, ClosingTheDocumentDropsItsSnapshotOnly)
{
    CountedSound::alive = 0;
    RecordingMessageService messages;
    FakeHost host;
    auto first = std::make_unique<TUnitWave>(std::make_shared<CountedSound>(10), "Wave 1", "a.wav");
    auto second = std::make_unique<TUnitWave>(std::make_shared<CountedSound>(10), "Wave 2", "b.wav");
    host.MakeUndo(first.get());
    second.reset();
    EXPECT_TRUE(host.undo.HasUndo());
    first.reset();
    EXPECT_FALSE(host.undo.HasUndo());
    EXPECT_EQ(CountedSound::alive, 0);
}

TEST(UndoUnit, AStoppedCommandLeavesTwoEqualSoundsAndDeletesNothing)
{
    CountedSound::alive = 0;
    {
        DocumentFixture f(std::make_shared<CountedSound>(1000));
        TUnitWave& u = *f.unit;
        f.host.MakeUndo(&u);
        AllocationHook::FailNext();
        u.Reverse();
        EXPECT_FALSE(u.LastCommandChanged());
        EXPECT_EQ(f.host.undo.GetUndo()->GetSound(), u.GetSound());
        f.host.undo.Undo();
        EXPECT_EQ(CountedSound::alive, 1);
        f.host.DeleteUndo();
        EXPECT_EQ(CountedSound::alive, 1); // the document still holds it
        EXPECT_EQ(u.GetValues(), 1000);
    }
    EXPECT_EQ(CountedSound::alive, 0);
    AllocationHook::Reset();
}

TEST(UndoUnit, UndoIsOfferedOnlyWhileItsDocumentIsNotDrawing)
{
    DocumentFixture f(std::make_shared<MonoSound>(44100, 2));
    f.host.MakeUndo(f.unit.get());
    EXPECT_TRUE(f.host.undo.CanUndo());
    f.unit->StartUserDraw(DrawLinear);
    EXPECT_FALSE(f.host.undo.CanUndo());
    f.unit->EndUserDraw();
    EXPECT_TRUE(f.host.undo.CanUndo());
}
