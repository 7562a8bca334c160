#include "music/document/MusicPartsCommands.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "tests/music/MusicEditingSupport.h"

namespace {

using C = TPartsCommand;

// The tree as the dialog shows it: a bar by its label, a repeat as
// "r2(...)", a turns part as "t[1 2](...)", sequences as siblings.
std::string Shape(const TPartMuz* part)
{
    switch (part->GetPartMuzKind()) {
    case partMuzSingle: return part->GetLabel().empty() ? "?" : part->GetLabel();
    case partMuzConcat: {
        auto* sequence = static_cast<const TConcatPartMuz*>(part);
        return Shape(sequence->GetFirstPart()) + " " + Shape(sequence->GetSecondPart());
    }
    case partMuzLoop: {
        auto* loop = static_cast<const TLoopPartMuz*>(part);
        return "r" + std::to_string(loop->GetCount().GetValue()) + "(" + Shape(loop->GetLoopPart()) + ")";
    }
    case partMuzSelect: {
        auto* select = static_cast<const TSelectPartMuz*>(part);
        std::string turns;
        for (TSelectPartItem* t = select->GetSelectPartItems()->GetNextTurn(); t; t = t->GetNextTurn())
            turns += (turns.empty() ? "" : " ")
                   + std::to_string(static_cast<TCountSelectPartItem*>(t)->GetCount().GetValue());
        return "t[" + turns + "](" + Shape(select->GetSelectPart()) + ")";
    }
    default: return "!";
    }
}

struct PartsCommands : MusicEditing {
    TMusicPartsCommands commands{unit};

    PartsCommands() { m.bar->SetLabel("a"); }
    std::string Tree() const { return Shape(m.muz.GetRootChild()); }
    // Bars b, c ... appended after the last, each labelled.
    TSinglePartMuz* Append(TPartMuz& after, const char* label)
    {
        auto* made = static_cast<TSinglePartMuz*>(commands.AddSinglePart(after, false));
        made->SetLabel(label);
        return made;
    }
    std::string States(const TMusTreeItem* item, bool children = false) const
    {
        const TPartsCommandStates states = PartsCommandStatesOf(&unit, item, children);
        std::string text;
        for (int i = 0; i < PartsCommandCount; ++i)
            text += states.enabled[i] ? '1' : '0';
        return text;
    }
    bool Sound() const { return CheckParentsOf(m.muz.GetStartPartMuz()); }
    static bool CheckParentsOf(const TPartMuz* part)
    {
        for (int32_t i = 0; i < part->GetChildCount(); ++i) {
            const TPartMuz* child = part->GetChild(i);
            if (!child || child->GetParent() != part || !CheckParentsOf(child))
                return false;
        }
        return true;
    }
};

} // namespace

TEST_F(PartsCommands, InsertAndAppendBars)
{
    TSinglePartMuz* inserted = static_cast<TSinglePartMuz*>(commands.AddSinglePart(*m.bar, true));
    inserted->SetLabel("n");
    EXPECT_EQ(Tree(), "n a");
    EXPECT_EQ(unit.GetSelMusTreeItem(), inserted);
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(Repainted());
    // Four quarters, a start clef on every stave (a second stave included).
    ASSERT_NE(inserted->GetMuzBar(), nullptr);
    EXPECT_EQ(inserted->GetMuzBar()->GetCount(), 4);
    EXPECT_EQ(inserted->GetMuzBar()->GetLength(), 4);
    EXPECT_EQ(inserted->GetMuzBar()->GetCountFirstBar(), 0);
    EXPECT_EQ(inserted->GetTempoStart().GetValue(), 1.0);
    EXPECT_EQ(inserted->GetTempoStart().GetUnitKind(), EHPerc);
    TNoteStave* second = m.muz.NewNoteStave(m.stave, nullptr);
    TSinglePartMuz* appended = Append(*m.bar, "b");
    EXPECT_EQ(Tree(), "n a b");
    EXPECT_EQ(appended->CountStartClefs(m.stave), 1);
    EXPECT_EQ(appended->CountStartClefs(second), 1);
    EXPECT_TRUE(Sound());
}

TEST_F(PartsCommands, RepeatAndDeleteBringThePartBack)
{
    TSinglePartMuz* b = Append(*m.bar, "b");
    Append(*b, "c");
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*b, true));
    EXPECT_EQ(Tree(), "a r2(b) c");
    EXPECT_EQ(unit.GetSelMusTreeItem(), loop);
    EXPECT_EQ(loop->GetCount().GetUnitKind(), EHNone);
    // The loop's only content can move neither out nor be deleted; the loop can go.
    const TPartsCommandStates inner = PartsCommandStatesOf(&unit, b, false);
    EXPECT_FALSE(inner[C::MoveForwardOut]);
    EXPECT_FALSE(inner[C::MoveBackwardOut]);
    EXPECT_FALSE(inner[C::Delete]);
    EXPECT_TRUE(PartsCommandStatesOf(&unit, loop, true)[C::Delete]);
    // Decision: a repeat sign selected goes with its repeat.
    Select(loop->GetLeftLoopSymbol());
    ASSERT_TRUE(commands.Delete(*loop));
    EXPECT_EQ(Tree(), "a b c");
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(unit.GetSelMusTreeItem(), b);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_TRUE(Sound());
}

TEST_F(PartsCommands, TurnsAndTheirCounts)
{
    auto* select = static_cast<TSelectPartMuz*>(commands.AddLoopOrSelect(*m.bar, false));
    EXPECT_EQ(Tree(), "t[1](a)");
    TSelectPartItem* first = select->GetSelectPartItems()->GetNextTurn();
    EXPECT_EQ(static_cast<TCountSelectPartItem*>(first)->GetTempo().GetValue(), 1.0);
    EXPECT_EQ(static_cast<TCountSelectPartItem*>(first)->GetPitch().GetValue(), 0);
    TMusTreeItem* second = commands.AddTurn(*select);
    EXPECT_EQ(Tree(), "t[1 2](a)");
    EXPECT_EQ(unit.GetSelMusTreeItem(), second);
    commands.AddTurn(*select);
    EXPECT_EQ(Tree(), "t[1 2 3](a)");
    // Decision: the selected turn goes, not the first of its count.
    static_cast<TCountSelectPartItem*>(first)->SetCount(unitIntegerPosMore(2, EHNone));
    EXPECT_EQ(Tree(), "t[2 2 3](a)");
    ASSERT_TRUE(commands.Delete(*second));
    EXPECT_EQ(Tree(), "t[2 3](a)");
    EXPECT_EQ(select->GetSelectPartItems()->GetNextTurn(), first);
    EXPECT_EQ(unit.GetSelMusTreeItem(), select);
    // Kept as specified: the only turn may go too.
    ASSERT_TRUE(commands.Delete(*first));
    ASSERT_TRUE(commands.Delete(*select->GetSelectPartItems()->GetNextTurn()));
    EXPECT_EQ(Tree(), "t[](a)");
}

TEST_F(PartsCommands, DeletingABarAsksFirst)
{
    TSinglePartMuz* b = Append(*m.bar, "b");
    TMuzNote* note = static_cast<TMuzNote*>(b->InsertSymbol(std::make_unique<TMuzNote>(
        &m.muz, m.group, 4, 0, 0.0, 5, m.stave, noteShiftNormal, sool, 0, noteArtNormal, b, drawStickAuto)));
    Select(note);
    messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(commands.Delete(*b));
    EXPECT_EQ(Tree(), "a b");
    EXPECT_EQ(unit.GetSelectedSymbol(), note);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Do you want to delete a part of music?");
    EXPECT_EQ(messages.Last().caption, "A Single Part containing music is selected");
    EXPECT_EQ(messages.Last().buttons, MsgButtons::OkCancel);
    // Decision: OK takes the selected note out of the selection before the bar goes.
    messages.Answer(MsgAnswer::Ok);
    ASSERT_TRUE(commands.Delete(*b));
    EXPECT_EQ(Tree(), "a");
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    EXPECT_EQ(unit.GetSelMusTreeItem(), nullptr);
    EXPECT_TRUE(Sound());
    // The bar symbol of a deleted bar is dropped likewise.
    TSinglePartMuz* c = Append(*m.bar, "c");
    Select(c->GetMuzBar());
    messages.Answer(MsgAnswer::Ok);
    ASSERT_TRUE(commands.Delete(*c));
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    // The only bar of the music cannot be deleted.
    EXPECT_FALSE(PartsCommandStatesOf(&unit, m.bar, false)[C::Delete]);
}

TEST_F(PartsCommands, MovingWithinASequence)
{
    TSinglePartMuz* b = Append(*m.bar, "b");
    TSinglePartMuz* c = Append(*b, "c");
    commands.AddLoopOrSelect(*b, true);
    EXPECT_EQ(Tree(), "a r2(b) c");
    // Forward past the repeat: behind all of it.
    commands.SwapWithNeighbour(*m.bar, true);
    EXPECT_EQ(Tree(), "r2(b) a c");
    EXPECT_EQ(unit.GetSelMusTreeItem(), m.bar);
    commands.SwapWithNeighbour(*c, false);
    EXPECT_EQ(Tree(), "r2(b) c a");
    EXPECT_FALSE(PartsCommandStatesOf(&unit, m.bar, false)[C::MoveForward]);
    EXPECT_TRUE(Sound());
}

TEST_F(PartsCommands, IntoAndOutOfRepeats)
{
    TSinglePartMuz* b = Append(*m.bar, "b");
    TSinglePartMuz* c = Append(*b, "c");
    TSinglePartMuz* d = Append(*c, "d");
    commands.AddLoopOrSelect(*c, true);
    EXPECT_EQ(Tree(), "a b r2(c) d");
    // Forward into next: in front of the repeat's content; the old sequence closes.
    commands.MoveIntoNeighbour(*b, true);
    EXPECT_EQ(Tree(), "a r2(b c) d");
    // Backward into previous: at the end of the repeat's content.
    commands.MoveIntoNeighbour(*d, false);
    EXPECT_EQ(Tree(), "a r2(b c d)");
    // Backward out of the first child: just before the repeat.
    commands.MoveOutOfEnclosing(*b, false);
    EXPECT_EQ(Tree(), "a b r2(c d)");
    commands.MoveOutOfEnclosing(*d, true);
    EXPECT_EQ(Tree(), "a b r2(c) d");
    EXPECT_EQ(unit.GetSelMusTreeItem(), d);
    EXPECT_TRUE(Sound());
}

TEST_F(PartsCommands, TheEnablingTableOnAMixedTree)
{
    // a  t[1 2](b r2(c) e)  f
    TSinglePartMuz* b = Append(*m.bar, "b");
    TSinglePartMuz* c = Append(*b, "c");
    TSinglePartMuz* e = Append(*c, "e");
    TSinglePartMuz* f = Append(*e, "f");
    commands.AddLoopOrSelect(*c, true);
    auto* loop = static_cast<TLoopPartMuz*>(c->GetParent());
    commands.MoveIntoNeighbour(*b, true);
    commands.MoveIntoNeighbour(*e, false);
    EXPECT_EQ(Tree(), "a r2(b c e) f");
    commands.AddLoopOrSelect(*loop, false);
    auto* select = static_cast<TSelectPartMuz*>(loop->GetParent());
    commands.AddTurn(*select);
    // Move b out of the repeat and into the turns part at its front.
    commands.MoveOutOfEnclosing(*b, false);
    EXPECT_EQ(Tree(), "a t[1 2](b r2(c e)) f");
    commands.MoveIntoNeighbour(*e, false); // the previous of e is c: nothing of the kind
    EXPECT_EQ(Tree(), "a t[1 2](b r2(c e)) f");
    messages.Clear();

    // Order: insert, append, repeat, turns, turn | forward, backward, forward
    // into, backward into | forward out, backward out | delete | four views |
    // begin, end | play.
    Select(nullptr);
    EXPECT_EQ(States(m.bar), "1111010100010000001");
    EXPECT_EQ(States(select, true), "1111111000011111001");
    EXPECT_EQ(States(b), "1111010101110000001"); // its previous sibling is a turn
    EXPECT_EQ(States(loop, true), "1111001001111111001");
    EXPECT_EQ(States(c), "1111010001110000001");
    EXPECT_EQ(States(e), "1111001001110000001");
    EXPECT_EQ(States(f), "1111001010010000001");
    EXPECT_EQ(States(select->GetSelectPartItems()->GetNextTurn()), "0000000000010000000");
    // Begin and End need the selection's stave.
    Select(m.StartClef());
    EXPECT_EQ(States(f), "1111001010010000111");
    TTreeDataResult result(f, nullptr, 0, 1);
    EXPECT_EQ(States(&result), "0000000000000000111");
    Select(nullptr);
    EXPECT_EQ(States(&result, true), "0000000000001111001");
    // No node, no music: nothing.
    EXPECT_EQ(States(nullptr), std::string(PartsCommandCount, '0'));
    EXPECT_EQ(PartsCommandStatesOf(nullptr, f, true).enabled, TPartsCommandStates().enabled);
    (void)f;
}

TEST_F(PartsCommands, GoToTheFirstAndLastSymbol)
{
    TSinglePartMuz* b = Append(*m.bar, "b");
    TMuzNote* note = static_cast<TMuzNote*>(b->InsertSymbol(std::make_unique<TMuzNote>(
        &m.muz, m.group, 4, 0, 0.25, 5, m.stave, noteShiftNormal, sool, 0, noteArtNormal, b, drawStickAuto)));
    // Without a stave of the selection, nowhere.
    Select(nullptr);
    EXPECT_EQ(commands.GoToSymbol(*b, true), nullptr);
    Select(m.StartClef());
    EXPECT_EQ(commands.GoToSymbol(*b, true), b->GetStartClef(m.stave));
    EXPECT_EQ(commands.GoToSymbol(*b, false), note);
    // A bar symbol selected: the stave of the last stave symbol.
    Select(b->GetMuzBar());
    EXPECT_EQ(commands.GoToSymbol(*b, false), note);
    TTreeDataResult result(b, nullptr, 0, 1);
    EXPECT_EQ(commands.GoToSymbol(result, false), note);
}
