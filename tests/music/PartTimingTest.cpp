#include "music/parts/PartTiming.h"

#include "music/data/MusicGeneration.h"
#include "music/layout/MusicPainter.h"
#include "music/parts/PartTreeViews.h"
#include "support/NullCanvas.h"
#include "tests/music/MusicTreeSupport.h"

#include <functional>

namespace {

struct PartTiming : MusicTree {
    // The dry walk from the root with the music's tempo.
    TPartWalkValues Measure(const TPartWalkLimits& limits = {})
    {
        TPartWalkValues values;
        std::string message;
        EXPECT_TRUE(FindPlayers(muz, message)) << message;
        EXPECT_TRUE(GetStartAndLength(*muz.GetStartPartMuz(), values, limits, muz.Tempo.GetValue(), message))
            << message;
        return values;
    }
    // The real walk from part, into a sound long enough for anything here.
    bool Render(TPartMuz& part, std::string& message, const TPartWalkLimits& limits = {}, double time = 0.0)
    {
        players.rendered.clear();
        EXPECT_TRUE(FindPlayers(muz, message)) << message;
        target = RecordingPlayers::Silent(MonoSound(22050, 2), 20.0);
        muz.SetTargetSound(target);
        TPartWalkValues values;
        values.Time = time;
        StopFlag stop = 0;
        const bool ok = RenderNotes(part, &stop, values, limits, 1.0, muz.Tempo.GetValue(), 1, message);
        rendered = values;
        muz.SetTargetSound(nullptr);
        return ok;
    }
    void RenderRoot(const TPartWalkLimits& limits = {})
    {
        std::string message;
        EXPECT_TRUE(Render(*muz.GetStartPartMuz(), message, limits)) << message;
    }
    SoundPtr target;
    TPartWalkValues rendered;
};

} // namespace

TEST_F(PartTiming, ABarLastsItsLengthTimesTheTempoAndTheFactorsDivideIt)
{
    // Tempo 2 s per whole note, one bar of length 1 (notes at 0.5 and 0.75).
    SetTempo(2.0);
    struct Case {
        double tempoStart, tempoEnd;
        double barSeconds;
        double noteStart;  // of the note at 0.5
        double noteTempo;
    };
    const Case cases[] = {
        {1.0, 1.0, 2.0, 1.0, 2.0},
        {2.0, 2.0, 1.0, 0.5, 1.0},
        // The reciprocal of the speed varies linearly, 1 - 0.5 x; bar times
        // are taken at the middle of what has passed.
        {1.0, 2.0, 1.5, 0.875, 1.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tempoStart);
        TUnitMuz fresh("Music 2", "");
        TMuzData& m = fresh.MuzData;
        TNoteStave* s = m.NewNoteStave(nullptr, &fresh);
        auto bar = std::make_unique<TSinglePartMuz>(&m, Factor(c.tempoStart), Factor(c.tempoEnd));
        TMuzBar::Attach(*bar, 4, 4, 0);
        bar->AddClefsForAllStaves();
        for (double at : {0.5, 0.75})
            bar->InsertSymbol(std::make_unique<TMuzNote>(&m, s->GetSelectedNoteGroup(), 4, 0, at, 0, s,
                                                         noteShiftNormal, sool, 0, noteArtNormal, bar.get(),
                                                         drawStickAuto));
        m.SetRootChild(std::move(bar));
        m.Tempo = unitTimePosMore(2.0, EHS);
        std::string message;
        ASSERT_TRUE(FindPlayers(m, message)) << message;
        TPartWalkValues values;
        m.SetTargetSound(RecordingPlayers::Silent(MonoSound(22050, 2), 5.0));
        StopFlag stop = 0;
        ASSERT_TRUE(RenderNotes(*m.GetStartPartMuz(), &stop, values, {}, 1.0, 2.0, 1, message)) << message;
        m.SetTargetSound(nullptr);
        EXPECT_DOUBLE_EQ(values.Time, c.barSeconds);
        EXPECT_DOUBLE_EQ(values.Position, 1.0);
        ASSERT_EQ(players.rendered.size(), 2u);
        EXPECT_DOUBLE_EQ(players.rendered[0].time, c.noteStart);
        EXPECT_DOUBLE_EQ(players.rendered[0].tempo, c.noteTempo);
        EXPECT_DOUBLE_EQ(players.rendered[0].musicPosition, 0.5);
        players.rendered.clear();
    }
}

TEST_F(PartTiming, ALoopsRepetitionsTakeTheLoopsFactorAtTheirPlaceInIt)
{
    // Three repetitions of a bar of length 1, the loop slowing from 1 to 2.
    SetTempo(1.0);
    TSinglePartMuz* bar = nullptr;
    auto owned = Bar(&bar);
    Note(bar, 0.0, 0, 1);
    SetRoot(Loop(3, std::move(owned), 1.0, 2.0));
    RenderRoot();
    ASSERT_EQ(players.rendered.size(), 3u);
    EXPECT_NEAR(players.rendered[1].time, 0.916667, 1e-6);
    EXPECT_NEAR(players.rendered[2].time, 0.916667 + 0.75, 1e-6);
    EXPECT_NEAR(rendered.Time, 2.25, 1e-12);
    EXPECT_DOUBLE_EQ(rendered.Position, 3.0);
    // The walk leaves the loop in its last repetition; a reset starts it over.
    auto* loop = static_cast<TLoopPartMuz*>(muz.GetRootChild());
    EXPECT_EQ(loop->CurrentCount, 3);
    ResetLoopCounts(*muz.GetStartPartMuz());
    EXPECT_EQ(loop->CurrentCount, 1);
}

TEST_F(PartTiming, ATurnPlaysOnlyInItsRepetitionHigherAndFaster)
{
    SetTempo(1.0);
    TSinglePartMuz* plain = nullptr;
    TSinglePartMuz* turned = nullptr;
    auto select = Select(BarWithNotes({0.0}, &turned));
    AddTurn(*select, 2, 12, 2.0);
    TSelectPartMuz* turns = select.get();
    SetRoot(Loop(3, Concat(BarWithNotes({0.0}, &plain), std::move(select))));

    EXPECT_DOUBLE_EQ(GetPartLength(*muz.GetStartPartMuz()), 3.0 * 0.25 + 0.25);
    RenderRoot();
    // Plain in each repetition; the turn once, after the second plain one.
    ASSERT_EQ(players.rendered.size(), 4u);
    EXPECT_DOUBLE_EQ(players.rendered[0].time, 0.0);
    EXPECT_DOUBLE_EQ(players.rendered[1].time, 0.25);
    EXPECT_DOUBLE_EQ(players.rendered[2].time, 0.5);
    EXPECT_DOUBLE_EQ(players.rendered[2].tempo, 0.5);
    EXPECT_NEAR(players.rendered[2].period, players.rendered[0].period / 2, 1e-15);
    EXPECT_DOUBLE_EQ(players.rendered[3].time, 0.5 + 0.125);
    EXPECT_DOUBLE_EQ(rendered.Time, 0.5 + 0.125 + 0.25);

    // Played alone (marked as the top) it plays once, without the turn's pitch or tempo.
    const double plainPeriod = players.rendered[0].period;
    ResetLoopCounts(*muz.GetStartPartMuz());
    turns->SetRoot(true);
    std::string message;
    ASSERT_TRUE(Render(*turns, message)) << message;
    turns->SetRoot(false);
    ASSERT_EQ(players.rendered.size(), 1u);
    EXPECT_DOUBLE_EQ(players.rendered[0].tempo, 1.0);
    EXPECT_DOUBLE_EQ(players.rendered[0].period, plainPeriod);
}

TEST_F(PartTiming, ATurnsPartOutsideARepeatPlaysOnlyWithATurnForTheFirst)
{
    auto select = Select(BarWithNotes({0.0}));
    TSelectPartMuz* turns = select.get();
    SetRoot(std::move(select));
    EXPECT_DOUBLE_EQ(GetPartLength(*muz.GetStartPartMuz()), 0.0);
    EXPECT_FALSE(HasEnabledBar(*muz.GetStartPartMuz()));
    AddTurn(*turns, 1, 0, 1.0);
    EXPECT_DOUBLE_EQ(GetPartLength(*muz.GetStartPartMuz()), 0.25);
    EXPECT_TRUE(HasEnabledBar(*muz.GetStartPartMuz()));
}

TEST_F(PartTiming, TheDryWalkFindsTheLeadAndTheLatestEnd)
{
    // A note at the music's start whose sound begins 0.1 s early.
    SetTempo(1.0);
    SetRoot(BarWithNotes({0.0, 0.75}));
    players.lead = 0.1;
    players.soundLength = 0.5;
    const TPartWalkValues values = Measure();
    EXPECT_DOUBLE_EQ(values.Lead, 0.1);
    EXPECT_DOUBLE_EQ(values.End, 1.25);
    EXPECT_DOUBLE_EQ(values.Position, 1.0);
    // The real walk starts its time at the lead: the note lands there.
    std::string message;
    ASSERT_TRUE(Render(*muz.GetStartPartMuz(), message, {}, values.Lead)) << message;
    EXPECT_DOUBLE_EQ(players.rendered[0].time, 0.1);
}

TEST_F(PartTiming, TupletMembersStartAtTheirOwnPlaceInBothWalks)
{
    // A triplet of quarters spanning a half: its members at 0, 1/6 and 1/3.
    SetTempo(1.0);
    TSinglePartMuz* bar = nullptr;
    auto owned = Bar(&bar, 1.0, 2.0);
    for (int32_t i = 0; i < 3; ++i)
        Note(bar, 0.0, 0, 2, nullptr, nullptr, triool, i);
    SetRoot(std::move(owned));
    players.soundLength = 0.0;
    RenderRoot();
    ASSERT_EQ(players.rendered.size(), 3u);
    // The bar is a half long: factor 1 - x at x, asked at the middle.
    for (int32_t i = 0; i < 3; ++i) {
        const double p = i / 6.0;
        EXPECT_NEAR(players.rendered[static_cast<size_t>(i)].tempo, 1.0 - p / 2, 1e-12);
        EXPECT_NEAR(players.rendered[static_cast<size_t>(i)].time, p * (1.0 - p / 2), 1e-12);
        EXPECT_NEAR(players.rendered[static_cast<size_t>(i)].musicPosition, p, 1e-12);
    }
    players.lead = 0.0;
    players.soundLength = 1.0;
    EXPECT_NEAR(Measure().End, 1.0 / 3 * (1.0 - 1.0 / 6) + 1.0, 1e-12);
}

TEST_F(PartTiming, AStaveRenderedAloneKeepsTheMusicsLength)
{
    SetTempo(1.0);
    TNoteStave* second = AddStave();
    TSinglePartMuz* a = nullptr;
    TSinglePartMuz* b = nullptr;
    SetRoot(Concat(Bar(&a), Bar(&b)));
    Note(a, 0.0, 0, 1);
    Note(b, 0.0, 0, 4, second);
    Note(b, 0.5, 0, 2);
    // The stave switched off still renders when asked for alone.
    second->EnablePlayAndDraw = false;
    std::string message;
    ASSERT_TRUE(Render(*muz.GetStartPartMuz(), message, {second, nullptr, nullptr})) << message;
    ASSERT_EQ(players.rendered.size(), 1u);
    EXPECT_DOUBLE_EQ(players.rendered[0].time, 1.0);
    EXPECT_DOUBLE_EQ(rendered.Time, 2.0);
    // Without a limit its notes are not playable.
    RenderRoot();
    EXPECT_EQ(players.rendered.size(), 2u);
}

TEST_F(PartTiming, AResultNodeMovesTimeOnlyThroughItsOwnBars)
{
    SetTempo(1.0);
    TSinglePartMuz* first = nullptr;
    TSinglePartMuz* second = nullptr;
    SetRoot(Loop(2, Concat(BarWithNotes({0.0}, &first), BarWithNotes({0.0}, &second))));
    // The node of the second bar in the loop's second repetition.
    TTreeDataResult top(nullptr, nullptr, 0, 0);
    TTreeDataResult* loopNode = TTreeDataResult::AddTo(top, muz.GetRootChild(), 0, 1);
    TTreeDataResult::AddTo(*loopNode, second, 0, 1);
    TTreeDataResult* secondNode = TTreeDataResult::AddTo(*loopNode, second, 0, 2);
    RenderRoot({nullptr, nullptr, secondNode});
    ASSERT_EQ(players.rendered.size(), 1u);
    // The players see the position in the whole music, the time of the node alone.
    EXPECT_DOUBLE_EQ(players.rendered[0].musicPosition, 0.75);
    EXPECT_DOUBLE_EQ(players.rendered[0].time, 0.0);
    EXPECT_DOUBLE_EQ(rendered.Position, 1.0);
    EXPECT_DOUBLE_EQ(rendered.Time, 0.25);
    // The loop's node takes both repetitions of both bars.
    ResetLoopCounts(*muz.GetStartPartMuz());
    RenderRoot({nullptr, nullptr, loopNode});
    EXPECT_EQ(RenderedTimes(), (std::vector<double>{0.0, 0.25, 0.5, 0.75}));
}

TEST_F(PartTiming, APlayedBarWithoutNotesOrRestsEndsTheWalkWithAMessageNamingIt)
{
    TSinglePartMuz* empty = nullptr;
    SetRoot(Concat(BarWithNotes({0.0}), Bar(&empty)));
    empty->SetLabel("Coda");
    TPartWalkValues values;
    std::string message;
    ASSERT_TRUE(FindPlayers(muz, message));
    EXPECT_FALSE(GetStartAndLength(*muz.GetStartPartMuz(), values, {}, 1.0, message));
    EXPECT_EQ(message, "The part \"Coda\" is played but holds no notes or rests.");
    message.clear();
    EXPECT_FALSE(Render(*muz.GetStartPartMuz(), message));
    EXPECT_EQ(message, "The part \"Coda\" is played but holds no notes or rests.");
    // Switched off, it is never asked.
    empty->SetEnablePlayAndDraw(false, nullptr);
    EXPECT_TRUE(GetStartAndLength(*muz.GetStartPartMuz(), values, {}, 1.0, message)) << message;
    EXPECT_TRUE(messages.All().empty());
}

TEST_F(PartTiming, ANoteThatFailsStopsTheWalkWithItsMessage)
{
    SetRoot(Concat(BarWithNotes({0.0, 0.5}), BarWithNotes({0.0})));
    players.failAtPosition = 0.5;
    std::string message;
    EXPECT_FALSE(Render(*muz.GetStartPartMuz(), message));
    EXPECT_EQ(message, "in Player \"P\": broken");
    EXPECT_EQ(players.rendered.size(), 2u);
}

// The bound is reckoned from counts and lengths: at least what the walks
// play (each part at its slowest tempo), and the steps they take.
TEST_F(PartTiming, ThePlayedBoundMultipliesCountsAndLengths)
{
    SetTempo(2.0);
    struct Case {
        const char* name;
        std::function<std::unique_ptr<TPartMuz>()> build;
        double seconds;
        double passes;
    };
    const Case cases[] = {
        {"a repeat", [this] { return Loop(3, BarWithNotes({0.0})); }, 3 * 0.25 * 2, 5},
        {"a repeat slowing to half speed", [this] { return Loop(3, BarWithNotes({0.0}), 1.0, 0.5); }, 3.0, 5},
        {"a turn that plays twice as fast, taken every time",
         [this] {
             auto select = Select(BarWithNotes({0.0}));
             AddTurn(*select, 2, 0, 2.0);
             return Loop(3, Concat(BarWithNotes({0.0}), std::move(select)));
         },
         3 * (0.25 + 0.125) * 2, 1 + 1 + 3 * 4},
        {"a turns part without turns plays nothing",
         [this] { return Loop(3, Select(BarWithNotes({0.0}))); }, 0.0, 1 + 1 + 3 * 2},
        {"repeats of a switched-off bar still step", [this] {
             auto bar = BarWithNotes({0.0});
             bar->SetEnablePlayAndDraw(false, nullptr);
             return Loop(1000, std::move(bar));
         }, 0.0, 1 + 1 + 1000},
        {"repeats nested 64 deep", [this] {
             std::unique_ptr<TPartMuz> part = BarWithNotes({0.0});
             for (int i = 0; i < 64; ++i)
                 part = Loop(2, std::move(part));
             return part;
         }, 0.25 * 2 * 18446744073709551616.0, 36893488147419103231.0 + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRoot(c.build());
        const TPlayedBound bound = GetPlayedBound(*muz.GetStartPartMuz(), 2.0);
        EXPECT_DOUBLE_EQ(bound.Seconds, c.seconds);
        EXPECT_DOUBLE_EQ(bound.Passes, c.passes);
    }
}

TEST_F(PartTiming, TheLengthQueriesLeaveTheCountersAsTheyFoundThem)
{
    SetRoot(Loop(4, Loop(3, BarWithNotes({0.0}))));
    auto* outer = static_cast<TLoopPartMuz*>(muz.GetRootChild());
    auto* inner = static_cast<TLoopPartMuz*>(outer->GetLoopPart());
    outer->CurrentCount = 2;
    inner->CurrentCount = 3;
    EXPECT_DOUBLE_EQ(GetPartLength(*muz.GetStartPartMuz()), 12 * 0.25);
    EXPECT_TRUE(HasEnabledBar(*muz.GetStartPartMuz()));
    EXPECT_EQ(outer->CurrentCount, 2);
    EXPECT_EQ(inner->CurrentCount, 3);
    inner->SetEnablePlayAndDraw(false, nullptr);
    EXPECT_DOUBLE_EQ(GetPartLength(*muz.GetStartPartMuz()), 0.0);
    EXPECT_FALSE(HasEnabledBar(*muz.GetStartPartMuz()));
    // A part marked as the top plays whatever lies above it.
    inner->SetRoot(true);
    EXPECT_DOUBLE_EQ(GetPartLength(*inner), 3 * 0.25);
}

TEST_F(PartTiming, AVeryDeepTreeIsMeasuredPlayedPaintedAndShownOnASmallStack)
{
    // A sequence nested deep: every walk keeps its state off the stack. The
    // walks that measure every part they pass are quadratic, so they get a
    // shallower tree.
    auto chain = [this](int32_t depth) {
        std::unique_ptr<TPartMuz> part = BarWithNotes({0.0});
        for (int32_t i = 0; i < depth; ++i)
            part = Concat(std::move(part), BarWithNotes({0.0}));
        return part;
    };
    RunOnSmallStack([&] {
        SetRoot(chain(10000));
        TPartMuz& root = *muz.GetStartPartMuz();
        EXPECT_TRUE(HasEnabledBar(root));
        EXPECT_DOUBLE_EQ(GetPartLength(root), 10001 * 0.25);
        ResetLoopCounts(root);
        EXPECT_TRUE(CheckParents(root));
        RecordingTreeSink sink;
        AddTreeNode(root, sink, TMusicTreeSink::TopNode, nullptr);
        EXPECT_EQ(sink.nodes.size(), 10001u);
        NullCanvas canvas;
        TMusicPaintPass pass(muz, 0, 0);
        pass.Paint(canvas, {0, 0, 100, 100}, nullptr);
        double distance = 15000;
        TXTouchMuzSymbol* best = nullptr;
        FindNearestSymbol(root, {1 << 30, 0}, distance, best);
        EXPECT_EQ(best, nullptr);
        muz.GetStartPartMuz()->SetPartMuz(nullptr).reset();

        SetRoot(chain(1000));
        std::string message;
        ASSERT_TRUE(FindPlayers(muz, message));
        TPartWalkValues values;
        EXPECT_TRUE(GetStartAndLength(root, values, {}, 1.0, message)) << message;
        EXPECT_DOUBLE_EQ(values.Position, 1001 * 0.25);
        TTreeDataResult top(nullptr, nullptr, 0, 0);
        AddTreeDataNode(root, sink, TMusicTreeSink::TopNode, 0, top);
        double position = 0;
        double time = 0;
        top.UpdateTreeData(position, time, 1.0, 1.0);
        EXPECT_DOUBLE_EQ(time, 1001 * 0.25);
    });
}
