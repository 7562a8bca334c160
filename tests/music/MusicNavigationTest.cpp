#include "music/document/MusicNavigation.h"

#include "foundation/draw/RecordingCanvas.h"
#include "music/layout/MusicPainter.h"
#include "tests/music/MusicTreeSupport.h"

namespace {

// A window that writes down where it was asked to scroll.
class ScrollingView : public FakeMusicView {
public:
    std::vector<std::pair<int32_t, int32_t>> across;
    std::vector<std::pair<int32_t, int32_t>> down;
    void ScrollIntoViewX(int32_t left, int32_t right) override { across.emplace_back(left, right); }
    void ScrollIntoViewY(int32_t top, int32_t bottom) override { down.emplace_back(top, bottom); }
};

struct MusicNavigation : MusicTree {
    ScrollingView view;
    TMusicNavigation navigation{unit};
    TSinglePartMuz* bar = nullptr;

    MusicNavigation()
    {
        unit.SetWindow(&view);
        unit.UnitMuzMode = unitMuzSel;
        unit.SetAutoPlay(false);
    }
    ~MusicNavigation() override { unit.SetWindow(nullptr); }
    void Paint()
    {
        TRecordingCanvas canvas;
        TMusicPaintPass pass(muz, 0, 0);
        pass.Paint(canvas, {0, 0, 2000, 1000}, unit.GetSelectedSymbol());
    }
    TXTouchMuzSymbol* Selected() const { return unit.GetSelectedSymbol(); }
};

} // namespace

TEST_F(MusicNavigation, UpAndDownMoveWithinAChordOnly)
{
    SetRoot(Bar(&bar));
    TMuzNote* high = Note(bar, 0.0, 9);
    TMuzNote* middle = Note(bar, 0.0, 7);
    TMuzNote* low = Note(bar, 0.0, 5);
    Paint();
    navigation.SelectSymbol(low);
    EXPECT_TRUE(navigation.CanSelectUpExecute());
    EXPECT_FALSE(navigation.CanSelectDownExecute());
    navigation.SelectUpExecute();
    EXPECT_EQ(Selected(), middle);
    navigation.SelectUpExecute();
    EXPECT_EQ(Selected(), high);
    EXPECT_FALSE(navigation.CanSelectUpExecute());
    // Only while selecting.
    unit.UnitMuzMode = unitMuzNew;
    EXPECT_FALSE(navigation.CanSelectDownExecute());
}

TEST_F(MusicNavigation, ATupletsNextMemberIsNotBelowInTheChord)
{
    SetRoot(Bar(&bar));
    TMuzNote* first = Note(bar, 0.0, 9, 4, nullptr, nullptr, triool, 0);
    Note(bar, 0.0, 5, 4, nullptr, nullptr, triool, 1);
    navigation.SelectSymbol(first);
    EXPECT_FALSE(navigation.CanSelectDownExecute());
}

TEST_F(MusicNavigation, PageDownSelectsTheNearestSymbolOfTheBarOnTheStaveBelow)
{
    TNoteStave* second = AddStave();
    SetRoot(Bar(&bar));
    Note(bar, 0.0, 6);
    TMuzNote* at = Note(bar, 0.5, 6);
    Note(bar, 0.0, 6, 2, second);
    TMuzNote* below = Note(bar, 0.625, 6, 8, second);
    Note(bar, 0.75, 6, 4, second);
    Paint();
    navigation.SelectSymbol(at);
    navigation.SelectStaveDownExecute();
    EXPECT_EQ(Selected(), below);
    // On the last stave Page Down does nothing; Page Up goes back.
    navigation.SelectStaveDownExecute();
    EXPECT_EQ(Selected(), below);
    navigation.SelectStaveUpExecute();
    EXPECT_EQ(Selected(), at);
    navigation.SelectLastStaveExecute();
    EXPECT_EQ(Selected(), below);
    navigation.SelectFirstStaveExecute();
    EXPECT_EQ(Selected(), at);
}

TEST_F(MusicNavigation, LeftRightHomeAndEndWalkTheDrawnSymbolsOfTheStave)
{
    TSinglePartMuz* first = nullptr;
    TSinglePartMuz* second = nullptr;
    SetRoot(Concat(BarWithNotes({0.0, 0.25}, &first), BarWithNotes({0.0}, &second)));
    Paint();
    auto* a = static_cast<TMuzNote*>(first->GetSymbols()->GetNext());
    auto* b = static_cast<TMuzNote*>(a->GetNext());
    navigation.SelectSymbol(a);
    navigation.SelectNextExecute();
    EXPECT_EQ(Selected(), b);
    navigation.SelectPrevExecute();
    EXPECT_EQ(Selected(), a);
    // Home: the first drawn symbol of the stave in the whole music, in another bar.
    navigation.SelectSymbol(second->GetSymbols()->GetNext());
    navigation.SelectFirstInStaveExecute();
    EXPECT_EQ(Selected(), muz.GetFirstTouchSymbol(stave));
    navigation.SelectLastInStaveExecute();
    EXPECT_EQ(Selected(), muz.GetLastTouchSymbol(stave));
    // With nothing selected the moves do nothing and are disabled.
    navigation.SelectSymbol(nullptr);
    EXPECT_FALSE(navigation.CanSelectPrevExecute());
    EXPECT_FALSE(navigation.CanSelectNextExecute());
    navigation.SelectFirstInStaveExecute();
    EXPECT_EQ(Selected(), nullptr);
}

TEST_F(MusicNavigation, SelectingScrollsToTheSymbolAndANoteToItsHead)
{
    SetRoot(Bar(&bar));
    TMuzNote* note = Note(bar, 0.0, 10);
    TRest* rest = Rest(bar, 0.25);
    Paint();
    navigation.SelectSymbol(note);
    ASSERT_EQ(view.across.size(), 1u);
    EXPECT_EQ(view.across[0], std::make_pair(note->GetTouchLeft(), note->GetTouchRight()));
    const int32_t y = stave->GetMiddleY() - 5 * note->GetDrawHeight();
    EXPECT_EQ(view.down.back(), std::make_pair(y - 10, y + 10));
    navigation.SelectSymbol(rest);
    EXPECT_EQ(view.down.back(), std::make_pair(stave->GetMiddleY() - 25, stave->GetMiddleY() + 25));
    // A bar symbol scrolls across only.
    navigation.SelectSymbol(bar->GetMuzBar());
    EXPECT_EQ(view.across.size(), 3u);
    EXPECT_EQ(view.down.size(), 2u);
}

TEST_F(MusicNavigation, HidingAPartDropsASelectionInIt)
{
    TSinglePartMuz* shown = nullptr;
    TSinglePartMuz* hidden = nullptr;
    SetRoot(Concat(BarWithNotes({0.0}, &shown), BarWithNotes({0.0}, &hidden)));
    navigation.SelectSymbol(shown->GetSymbols()->GetNext());
    navigation.SelectSymbol(hidden->GetSymbols()->GetNext());
    shown->SetEnablePlayAndDraw(false, &unit);
    EXPECT_NE(Selected(), nullptr);
    hidden->SetEnablePlayAndDraw(false, &unit);
    EXPECT_EQ(Selected(), nullptr);
    // The stave of the last stave symbol stays for the moves that need one.
    EXPECT_EQ(unit.GetSelectedInStave(), stave);
}

TEST_F(MusicNavigation, TheResultTreeIsFilledAndTimed)
{
    SetTempo(2.0);
    SetRoot(Loop(2, BarWithNotes({0.0})));
    RecordingTreeSink sink;
    std::unique_ptr<TTreeDataResult> root = navigation.FillResultTree(sink);
    EXPECT_EQ(sink.Lines(), "-1>repeat 2[0] 0>part 1[1] 0>part 2[1] ");
    navigation.UpdateResultTree(*root);
    EXPECT_DOUBLE_EQ(root->EndTime, 1.0);
    EXPECT_DOUBLE_EQ(root->GetFirstChild()->GetFirstChild()->GetNextSibling()->StartTime, 0.5);
    // The structure view marks the document's part-tree selection, or none.
    navigation.FillStructureTree(sink);
    EXPECT_EQ(sink.selected, TMusicTreeSink::TopNode);
    unit.SetSelMusTreeItem(muz.GetRootChild());
    navigation.FillStructureTree(sink);
    EXPECT_EQ(sink.selected, 0);
}
