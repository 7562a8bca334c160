#include "music/parts/PartTreeViews.h"

#include "music/parts/PartTiming.h"
#include "tests/music/MusicTreeSupport.h"

namespace {

struct PartTreeViews : MusicTree {
    RecordingTreeSink structure;
    RecordingTreeSink result;
    TTreeDataResult top{nullptr, nullptr, 0, 0};

    void Fill()
    {
        AddTreeNode(*muz.GetStartPartMuz(), structure, TMusicTreeSink::TopNode, unit.GetSelMusTreeItem());
        AddTreeDataNode(*muz.GetStartPartMuz(), result, TMusicTreeSink::TopNode, 0, top);
    }
    TTreeDataResult* ResultNode(size_t index) const
    {
        return static_cast<TTreeDataResult*>(result.nodes[index].data);
    }
};

} // namespace

TEST_F(PartTreeViews, ASequenceOfThreeBarsIsThreeSiblingsInBothViews)
{
    SetRoot(Concat(Concat(BarWithNotes({0.0}), BarWithNotes({0.0})), BarWithNotes({0.0})));
    Fill();
    EXPECT_EQ(structure.Lines(), "-1>part[1] -1>part[1] -1>part[1] ");
    EXPECT_EQ(result.Lines(), "-1>part[1] -1>part[1] -1>part[1] ");
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(ResultNode(i)->GetParentResult(), &top);
    EXPECT_TRUE(CheckParents(*muz.GetStartPartMuz()));
}

TEST_F(PartTreeViews, ARepeatIsOneNodeInTheStructureAndSpelledOutInPlayedOrder)
{
    TSinglePartMuz* first = nullptr;
    SetRoot(Loop(3, Concat(BarWithNotes({0.0}, &first), BarWithNotes({0.0}))));
    first->SetLabel("intro");
    unit.SetSelMusTreeItem(first);
    Fill();
    EXPECT_EQ(structure.Lines(), "-1>repeat 3[0] 0>intro[1] 0>part[1] ");
    EXPECT_EQ(structure.selected, 1);
    EXPECT_TRUE(structure.nodes[0].expandedSet);
    EXPECT_EQ(result.Lines(),
              "-1>repeat 3[0] 0>intro 1[1] 0>part 1[1] 0>intro 2[1] 0>part 2[1] 0>intro 3[1] 0>part 3[1] ");
    // The result nodes form the view's tree, each with its repetition.
    TTreeDataResult* loopNode = ResultNode(0);
    EXPECT_EQ(loopNode->GetParentResult(), &top);
    EXPECT_EQ(ResultNode(5)->GetParentResult(), loopNode);
    EXPECT_EQ(ResultNode(5)->GetCount(), 3);
    // The fill leaves the loop at its last repetition.
    EXPECT_EQ(static_cast<TLoopPartMuz*>(muz.GetRootChild())->CurrentCount, 3);
}

TEST_F(PartTreeViews, ATurnsPartShowsOnlyInItsRepetitionWithItsPitch)
{
    auto select = Select(BarWithNotes({0.0}));
    AddTurn(*select, 2, 7, 1.0);
    select->GetSelectPartItems()->GetNextTurn()->SetLabel("second time");
    SetRoot(Loop(3, std::move(select)));
    Fill();
    EXPECT_EQ(structure.Lines(), "-1>repeat 3[0] 0>turns[3] 1>second time[2] 1>part[1] ");
    EXPECT_EQ(result.Lines(), "-1>repeat 3[0] 0>turns 2[3] 1>part 2[1] ");
    EXPECT_EQ(ResultNode(1)->GetPitch(), 7);
    EXPECT_EQ(ResultNode(1)->GetNameTurnPartItem(), "second time");
    EXPECT_EQ(ResultNode(2)->GetPitch(), 7);
}

TEST_F(PartTreeViews, ARepeatWhoseChildIsOffHasNoPlayedNode)
{
    TSinglePartMuz* inner = nullptr;
    SetRoot(Concat(BarWithNotes({0.0}), Loop(2, BarWithNotes({0.0}, &inner))));
    inner->SetEnablePlayAndDraw(false, nullptr);
    Fill();
    EXPECT_EQ(structure.Lines(), "-1>part[1] -1>repeat 2[0] 1>part[1] ");
    EXPECT_EQ(result.Lines(), "-1>part[1] ");
}

TEST_F(PartTreeViews, TimesAddUpThroughTheNodesAndATurnsTempoHalvesItsBars)
{
    SetTempo(2.0);
    auto select = Select(BarWithNotes({0.0, 0.25}));
    AddTurn(*select, 1, 0, 2.0);
    SetRoot(Concat(BarWithNotes({0.0}), Concat(std::move(select), BarWithNotes({0.0}))));
    Fill();
    ASSERT_EQ(result.Lines(), "-1>part[1] -1>turns[3] 1>part[1] -1>part[1] ");
    double position = 0.0;
    double time = 0.0;
    top.UpdateTreeData(position, time, std::max(GetPartLength(*muz.GetStartPartMuz()), 1.0), muz.Tempo.GetValue());
    struct Expected {
        double startPosition, endPosition, startTime, endTime, tempo;
    };
    const Expected expected[] = {
        {0.0, 0.25, 0.0, 0.5, 2.0},
        {0.25, 0.75, 0.5, 1.0, 1.0},
        {0.25, 0.75, 0.5, 1.0, 1.0},
        {0.75, 1.0, 1.0, 1.5, 2.0},
    };
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const TTreeDataResult& node = *ResultNode(i);
        EXPECT_DOUBLE_EQ(node.StartPosition, expected[i].startPosition);
        EXPECT_DOUBLE_EQ(node.EndPosition, expected[i].endPosition);
        EXPECT_DOUBLE_EQ(node.StartTime, expected[i].startTime);
        EXPECT_DOUBLE_EQ(node.EndTime, expected[i].endTime);
        EXPECT_DOUBLE_EQ(node.TempoAtStart, expected[i].tempo);
        EXPECT_DOUBLE_EQ(node.TempoAtEnd, expected[i].tempo);
    }
    EXPECT_DOUBLE_EQ(top.EndTime, 1.5);
    EXPECT_DOUBLE_EQ(position, 1.0);
}

TEST_F(PartTreeViews, AResultNodeStandsForItsPartOnlyInItsRepetitions)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(Loop(2, Loop(2, BarWithNotes({0.0}, &bar))));
    Fill();
    // outer 1 > inner 1 > bar 1, bar 2; outer 2 > inner 2 > bar 1, bar 2 (the
    // inner repeat's repetition shows after its label in each).
    ASSERT_EQ(result.nodes.size(), 7u);
    TTreeDataResult* lastBar = ResultNode(6);
    auto* outer = static_cast<TLoopPartMuz*>(muz.GetRootChild());
    auto* inner = static_cast<TLoopPartMuz*>(outer->GetLoopPart());
    outer->CurrentCount = 2;
    inner->CurrentCount = 2;
    EXPECT_TRUE(lastBar->IsResultOf(bar));
    inner->CurrentCount = 1;
    EXPECT_FALSE(lastBar->IsResultOf(bar));
    inner->CurrentCount = 2;
    outer->CurrentCount = 1;
    EXPECT_FALSE(lastBar->IsResultOf(bar));
    EXPECT_FALSE(lastBar->IsResultOf(inner));
}

TEST_F(PartTreeViews, CheckParentsReportsAPartHeldByAnotherThanItsParent)
{
    TSinglePartMuz* bar = nullptr;
    SetRoot(Concat(BarWithNotes({0.0}, &bar), BarWithNotes({0.0})));
    EXPECT_TRUE(CheckParents(*muz.GetStartPartMuz()));
    bar->SetParent(muz.GetStartPartMuz());
    EXPECT_FALSE(CheckParents(*muz.GetStartPartMuz()));
    EXPECT_EQ(messages.Count(), 1u);
    bar->SetParent(muz.GetRootChild());
}
