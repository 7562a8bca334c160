#include "foundation/values/unitInteger.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "tests/music/MusicTestSupport.h"

namespace {

// A music of one stave whose part tree the test builds.
struct PartTree : MusicTest {
    TUnitMuz unit{"Music 1", ""};
    TMuzData& muz = unit.MuzData;
    TNoteStave* stave = muz.NewNoteStave(nullptr, &unit);

    std::unique_ptr<TSinglePartMuz> Bar(TSinglePartMuz** out = nullptr)
    {
        auto bar = std::make_unique<TSinglePartMuz>(&muz, UnitTempoFactor(), UnitTempoFactor());
        TMuzBar::Attach(*bar, 4, 4, 0);
        bar->AddClefsForAllStaves();
        if (out)
            *out = bar.get();
        return bar;
    }
    std::unique_ptr<TPartMuz> Concat(std::unique_ptr<TPartMuz> a, std::unique_ptr<TPartMuz> b)
    {
        return std::make_unique<TConcatPartMuz>(std::move(a), std::move(b), &muz);
    }
    std::unique_ptr<TLoopPartMuz> Loop(int32_t count, std::unique_ptr<TPartMuz> child)
    {
        return std::make_unique<TLoopPartMuz>(unitIntegerPosMore(count, EHNone), std::move(child), &muz,
                                              UnitTempoFactor(), UnitTempoFactor());
    }
    std::unique_ptr<TSelectPartMuz> Select(std::unique_ptr<TPartMuz> child)
    {
        return std::make_unique<TSelectPartMuz>(std::move(child), &muz, UnitTempoFactor(), UnitTempoFactor());
    }
    TMuzNote* Note(TSinglePartMuz* bar, double position, int32_t pitch, TNoteStave* on = nullptr,
                   int32_t posInOol = 0, uint8_t multiOol = sool)
    {
        on = on ? on : stave;
        return static_cast<TMuzNote*>(bar->InsertSymbol(std::make_unique<TMuzNote>(
            &muz, on->GetSelectedNoteGroup(), 4, 0, position, pitch, on, noteShiftNormal, multiOol, posInOol, 0, bar,
            drawStickAuto)));
    }
    // The element names the part tree writes, in order.
    std::string Written()
    {
        TXMLComplexElement holder("X");
        muz.GetStartPartMuz()->WriteXml(holder, unit.GetSelMusTreeItem(), unit.GetSelectedSymbol());
        std::string names;
        for (const TXMLItem* item = holder.GetFirst(); item; item = item->GetNext())
            names += (names.empty() ? "" : " ") + item->GetElement();
        return names;
    }
};

} // namespace

TEST_F(PartTree, EnabledDependsOnTheWayUpUnlessAPartIsTheRoot)
{
    TSinglePartMuz* bar = nullptr;
    auto inner = Loop(2, Bar(&bar));
    TLoopPartMuz* innerLoop = inner.get();
    auto outer = Loop(3, std::move(inner));
    TLoopPartMuz* outerLoop = outer.get();
    muz.SetRootChild(std::move(outer));
    EXPECT_EQ(innerLoop->GetLoopRepetition(), 1);
    EXPECT_EQ(bar->GetParent()->GetLoopRepetition(), 1);
    EXPECT_EQ(bar->GetParent()->GetEnclosingLoop(), innerLoop);
    EXPECT_EQ(muz.GetStartPartMuz()->GetLoopRepetition(), 1);

    EXPECT_TRUE(bar->IsEnabledPlayDraw());
    outerLoop->SetEnablePlayAndDraw(false, &unit);
    EXPECT_FALSE(bar->IsEnabledPlayDraw());
    EXPECT_FALSE(bar->IsParentEnabledPlayDraw());
    innerLoop->SetRoot(true);
    EXPECT_TRUE(bar->IsEnabledPlayDraw());
    innerLoop->SetRoot(false);
    outerLoop->SetRoot(true); // above the part switched off it changes nothing below
    outerLoop->SetEnablePlayAndDraw(true, &unit);
    innerLoop->SetEnablePlayAndDraw(false, &unit);
    EXPECT_FALSE(bar->IsEnabledPlayDraw());
    bar->SetRoot(true);
    EXPECT_TRUE(bar->IsEnabledPlayDraw());
}

TEST_F(PartTree, SwitchingAPartOffDropsASelectionInside)
{
    TSinglePartMuz* bar = nullptr;
    auto loop = Loop(2, Bar(&bar));
    TLoopPartMuz* raw = loop.get();
    muz.SetRootChild(std::move(loop));
    unit.SetSelMuzSymbol(bar->GetMuzBar());
    raw->SetEnablePlayAndDraw(true, &unit);
    EXPECT_EQ(unit.GetSelectedSymbol(), bar->GetMuzBar());
    raw->SetEnablePlayAndDraw(false, &unit);
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
    raw->SetEnablePlayAndDraw(true, &unit);
    unit.SetSelMuzSymbol(raw->GetRightLoopSymbol());
    raw->SetEnablePlayAndDraw(false, &unit);
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
}

TEST_F(PartTree, DetachAndReplaceBySecondChild)
{
    TSinglePartMuz* first = nullptr;
    TSinglePartMuz* second = nullptr;
    auto concat = Concat(Bar(&first), Bar(&second));
    TPartMuz* concatRaw = concat.get();
    auto loop = Loop(2, std::move(concat));
    TLoopPartMuz* loopRaw = loop.get();
    muz.SetRootChild(std::move(loop));

    TPartMuz* parent = nullptr;
    std::unique_ptr<TPartMuz>* link = nullptr;
    std::unique_ptr<TPartMuz> detached = second->DetachFromParent(parent, link);
    EXPECT_EQ(detached.get(), second);
    EXPECT_EQ(parent, concatRaw);
    EXPECT_EQ(second->GetParent(), nullptr);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(*link, nullptr);

    std::unique_ptr<TPartMuz> emptied = static_cast<TConcatPartMuz*>(concatRaw)->ReplaceByChild();
    EXPECT_EQ(emptied.get(), concatRaw);
    EXPECT_EQ(loopRaw->GetLoopPart(), first);
    EXPECT_EQ(first->GetParent(), loopRaw);
    emptied.reset(); // frees nothing else
    EXPECT_NE(first->GetMuzBar(), nullptr);
    EXPECT_EQ(muz.GetFirstSinglePart(), first);
    EXPECT_EQ(first->GetNextSinglePart(), nullptr);

    // Put the detached bar back in a new sequence after the first.
    std::unique_ptr<TPartMuz>* loopLink = loopRaw->GetChildLink(first);
    std::unique_ptr<TPartMuz> firstPart = std::move(*loopLink);
    *loopLink = Concat(std::move(firstPart), std::move(detached));
    (*loopLink)->SetParent(loopRaw);
    EXPECT_EQ(first->GetNextSinglePart(), second);
    EXPECT_EQ(Written(), "SingleMuzPart SingleMuzPart ConcatMuzPart LoopMuzPart");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PartTree, TurnsAnswerForTheirCount)
{
    auto select = Select(Bar());
    EXPECT_EQ(select->GetMaxTurnCount(), 0);
    TCountSelectPartItem* first = select->AddTurn(unitIntegerPosMore(2, EHNone), unitInteger(3, EHNone),
                                                  unitFactorPosMore(1.5, EHNone));
    select->AddTurn(unitIntegerPosMore(2, EHNone), unitInteger(5, EHNone), unitFactorPosMore(2.0, EHNone));
    select->AddTurn(unitIntegerPosMore(4, EHNone), unitInteger(0, EHNone), UnitTempoFactor());
    EXPECT_EQ(select->GetMaxTurnCount(), 4);
    EXPECT_EQ(select->CountTurnsWithCount(2), 2);
    unitInteger pitch;
    unitFactorPosMore tempo;
    std::string name;
    EXPECT_TRUE(select->GetSelectPartItems()->GetPitchAtCount(pitch, 2));
    EXPECT_EQ(pitch.GetValue(), 3);
    EXPECT_TRUE(select->GetSelectPartItems()->GetTempoFactorAtCount(tempo, 2));
    EXPECT_DOUBLE_EQ(tempo.GetValue(), 1.5);
    EXPECT_TRUE(select->GetSelectPartItems()->GetTurnNameAtCount(name, 2));
    EXPECT_EQ(name, "turn 2");
    first->SetLabel("chorus");
    EXPECT_TRUE(select->GetSelectPartItems()->GetTurnNameAtCount(name, 2));
    EXPECT_EQ(name, "chorus");
    EXPECT_FALSE(select->GetSelectPartItems()->GetPitchAtCount(pitch, 3));
    EXPECT_EQ(select->GetSelectPartItems()->GetTreeLabel(), "root turn");

    select->DeleteTurn(2);
    EXPECT_EQ(select->CountTurnsWithCount(2), 1);
    EXPECT_TRUE(select->GetSelectPartItems()->GetPitchAtCount(pitch, 2));
    EXPECT_EQ(pitch.GetValue(), 5);
    select->DeleteTurn(7);
    EXPECT_EQ(select->GetMaxTurnCount(), 4);
}

TEST_F(PartTree, DefaultLabels)
{
    auto loop = Loop(3, Concat(Bar(), Bar()));
    EXPECT_EQ(loop->GetTreeLabel(), "repeat 3");
    EXPECT_EQ(loop->GetChild(0)->GetTreeLabel(), "<concat>");
    EXPECT_EQ(loop->GetChild(0)->GetChild(1)->GetTreeLabel(), "part");
    EXPECT_EQ(Select(Bar())->GetTreeLabel(), "turns");
    EXPECT_EQ(muz.GetStartPartMuz()->GetTreeLabel(), "root");
    loop->SetLabel("verse");
    EXPECT_EQ(loop->GetTreeLabel(), "verse");
}

TEST_F(PartTree, BarsAndPartsInPlayedOrder)
{
    TSinglePartMuz* a = nullptr;
    TSinglePartMuz* b = nullptr;
    TSinglePartMuz* c = nullptr;
    TSinglePartMuz* d = nullptr;
    auto loop = Loop(2, Concat(Bar(&a), Bar(&b)));
    TLoopPartMuz* loopRaw = loop.get();
    auto select = Select(Bar(&c));
    TSelectPartMuz* selectRaw = select.get();
    muz.SetRootChild(Concat(Concat(std::move(loop), std::move(select)), Bar(&d)));

    EXPECT_EQ(muz.GetFirstSinglePart(), a);
    EXPECT_EQ(a->GetNextSinglePart(), b);
    EXPECT_EQ(b->GetNextSinglePart(), c); // out of the loop, not back to its start
    EXPECT_EQ(c->GetNextSinglePart(), d);
    EXPECT_EQ(d->GetNextSinglePart(), nullptr);
    EXPECT_EQ(d->GetPrevSinglePart(), c);
    EXPECT_EQ(c->GetPrevSinglePart(), b);
    EXPECT_EQ(a->GetPrevSinglePart(), nullptr);
    EXPECT_EQ(muz.GetStartPartMuz()->GetLastSinglePart(), d);

    EXPECT_EQ(loopRaw->GetNextPart(), selectRaw);
    EXPECT_EQ(selectRaw->GetNextPart(), d);
    EXPECT_EQ(d->GetPrevPart(), selectRaw);
    EXPECT_EQ(a->GetNextPart(), b);
    EXPECT_EQ(b->GetNextPart(), loopRaw); // the end of the loop's sequence: the loop
    EXPECT_EQ(d->GetNextPart(), nullptr);
    EXPECT_EQ(c->GetNextPart(), selectRaw);

    EXPECT_EQ(Written(), "SingleMuzPart SingleMuzPart ConcatMuzPart LoopMuzPart SingleMuzPart SelectMuzPart "
                         "ConcatMuzPart SingleMuzPart ConcatMuzPart");
}

TEST_F(PartTree, TheFirstSymbolOfTheFirstBarSwitchedOn)
{
    TSinglePartMuz* a = nullptr;
    TSinglePartMuz* b = nullptr;
    muz.SetRootChild(Concat(Bar(&a), Bar(&b)));
    EXPECT_EQ(muz.GetFirstSymbol(), a->GetSymbols());
    a->SetEnablePlayAndDraw(false, &unit);
    EXPECT_EQ(muz.GetFirstSymbol(), b->GetSymbols());
    EXPECT_EQ(muz.GetStartPartMuz()->GetFirstSymbol(), a->GetSymbols());
}

TEST_F(PartTree, TouchSymbolsOfAStaveInDrawnOrder)
{
    TNoteStave* other = muz.NewNoteStave(stave, &unit);
    TSinglePartMuz* a = nullptr;
    TSinglePartMuz* b = nullptr;
    TSinglePartMuz* hidden = nullptr;
    TSinglePartMuz* c = nullptr;
    auto loop = Loop(2, Concat(Bar(&b), Bar(&hidden)));
    TLoopPartMuz* loopRaw = loop.get();
    muz.SetRootChild(Concat(Concat(Bar(&a), std::move(loop)), Bar(&c)));
    hidden->SetEnablePlayAndDraw(false, &unit);
    // Bar a: a chord of three notes at 0, another stave's note, a rest.
    TMuzNote* top = Note(a, 0, 9);
    TMuzNote* middle = Note(a, 0, 7);
    Note(a, 0, 8, other);
    TMuzNote* bottom = Note(a, 0, 2);
    TRest* rest = static_cast<TRest*>(a->InsertSymbol(std::make_unique<TRest>(4, 0, 0.25, stave, sool, 0, a)));
    // Bar b: a chord of two.
    TMuzNote* upper = Note(b, 0.5, 4);
    Note(b, 0.5, 1);

    std::vector<const TXTouchMuzSymbol*> forward;
    TXTouchMuzSymbol* symbol = muz.GetFirstTouchSymbol(stave);
    while (symbol && forward.size() < 20) {
        forward.push_back(symbol);
        symbol = symbol->GetPartMuz()->GetNextSymbolOfStave(stave, symbol);
    }
    const std::vector<const TXTouchMuzSymbol*> expected = {
        a->GetStartClef(stave), a->GetMuzBar(), middle, rest, loopRaw->GetLeftLoopSymbol(), b->GetStartClef(stave),
        b->GetMuzBar(), upper, loopRaw->GetRightLoopSymbol(), c->GetStartClef(stave), c->GetMuzBar()};
    EXPECT_EQ(forward, expected);

    std::vector<const TXTouchMuzSymbol*> backward;
    symbol = muz.GetLastTouchSymbol(stave);
    while (symbol && backward.size() < 20) {
        backward.push_back(symbol);
        symbol = symbol->GetPartMuz()->GetPrevSymbolOfStave(stave, symbol);
    }
    EXPECT_EQ(backward, std::vector<const TXTouchMuzSymbol*>(expected.rbegin(), expected.rend()));
    EXPECT_EQ(a->GetChordTouchNote(stave, bottom), middle);
    EXPECT_EQ(a->GetChordTouchNote(stave, top), middle);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PartTree, NearestSymbolAtAPosition)
{
    TSinglePartMuz* a = nullptr;
    muz.SetRootChild(Bar(&a));
    TMuzNote* early = Note(a, 0.25, 0);
    TMuzNote* late = Note(a, 0.75, 0);
    EXPECT_EQ(a->FindNearestSymbolAt(stave, 0.3), early);
    EXPECT_EQ(a->FindNearestSymbolAt(stave, 0.5), early); // a tie keeps the earlier
    EXPECT_EQ(a->FindNearestSymbolAt(stave, 0.7), late);
    EXPECT_EQ(a->FindNearestSymbolAt(stave, 0.1), a->GetStartClef(stave));
    a->SetEnablePlayAndDraw(false, &unit);
    EXPECT_EQ(a->FindNearestSymbolAt(stave, 0.3), nullptr);
}

TEST_F(PartTree, NothingGrowsTheStackWithTheData)
{
    // A sequence nested 20000 deep, a bar of 20000 symbols, 20000 turns and a
    // played-order tree as deep and as wide, on a small stack: each is
    // walked, written and freed.
    static constexpr int Depth = 20000;
    RunOnSmallStack([this] {
        TSinglePartMuz* first = nullptr;
        std::unique_ptr<TPartMuz> chain = Bar(&first);
        TSinglePartMuz* last = nullptr;
        for (int i = 0; i < Depth; ++i) {
            auto bar = std::make_unique<TSinglePartMuz>(&muz, UnitTempoFactor(), UnitTempoFactor());
            TMuzBar::Attach(*bar, 4, 4, 0);
            last = bar.get();
            chain = Concat(std::move(chain), std::move(bar));
        }
        muz.SetRootChild(std::move(chain));
        EXPECT_EQ(muz.GetFirstSinglePart(), first);
        EXPECT_EQ(muz.GetStartPartMuz()->GetLastSinglePart(), last);
        EXPECT_EQ(last->GetPrevSinglePart()->GetNextSinglePart(), last);
        EXPECT_EQ(first->GetParent()->GetEnclosingLoop(), nullptr);
        EXPECT_TRUE(first->IsEnabledPlayDraw());
        EXPECT_EQ(muz.GetFirstTouchSymbol(stave), first->GetStartClef(stave));
        TXMLComplexElement holder("X");
        muz.GetStartPartMuz()->WriteXml(holder, nullptr, nullptr);
        EXPECT_EQ(holder.GetLastItem()->GetElement(), "ConcatMuzPart");

        for (int i = 0; i < Depth; ++i)
            first->InsertSymbol(std::make_unique<TRest>(4, 0, i * 0.25, stave, sool, 0, first));
        muz.DeleteStaveSymbols(stave, &unit);
        for (int i = 0; i < Depth; ++i)
            first->InsertSymbol(std::make_unique<TRest>(4, 0, i * 0.25, stave, sool, 0, first));
        std::unique_ptr<TPartMuz> tree = muz.GetStartPartMuz()->SetPartMuz(nullptr);
        tree.reset();

        auto select = Select(Bar());
        for (int i = 0; i < Depth; ++i)
            select->AddTurn(unitIntegerPosMore(i + 1, EHNone), unitInteger(0, EHNone), UnitTempoFactor());
        EXPECT_EQ(select->GetMaxTurnCount(), Depth);
        select.reset();

        auto top = std::make_unique<TTreeDataResult>(nullptr, nullptr, 0, 1);
        TTreeDataResult* node = top.get();
        for (int i = 0; i < Depth; ++i) {
            TTreeDataResult::AddTo(*top, nullptr, 0, i);
            node = TTreeDataResult::AddTo(*node, nullptr, 0, i);
        }
        top.reset();
    });
}
