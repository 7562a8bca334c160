#include "music/dialogs/MusicPartsPresenter.h"
#include "music/document/MusicPartsCommands.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/TreeDataResult.h"
#include "tests/music/MusicEditingSupport.h"

namespace {

struct PartsPresenter : MusicEditing {
    TMusicPartsCommands commands{unit};

    static std::string Rows(const TPartsNodeView& view)
    {
        std::string text;
        for (const TPartsRowView& row : view.rows) {
            if (!text.empty())
                text += " | ";
            text += std::to_string(static_cast<int>(row.row)) + "=" + row.text;
            if (!row.extra.empty())
                text += "," + row.extra;
        }
        return text;
    }
};

} // namespace

TEST(MusicPartsOctaves, PitchesAsOctaves)
{
    const std::pair<int32_t, const char*> rows[] = {{0, "0"},    {6, "1/2"},     {8, "2/3"},   {14, "1 1/6"},
                                                    {24, "2"},   {-2, "-1/6"},   {-14, "-1 1/6"}, {-12, "-1"},
                                                    {3, "1/4"},  {-27, "-2 1/4"}, {13, "1 1/12"}};
    for (auto [pitch, text] : rows)
        EXPECT_EQ(OctaveText(pitch), text) << pitch;
    // A pitch being typed is no error until the field is left.
    RecordingMessageService messages;
    EXPECT_EQ(OctaveTextOf(""), "");
    EXPECT_EQ(OctaveTextOf("14"), "1 1/6");
    EXPECT_EQ(OctaveTextOf("-"), "");
    EXPECT_EQ(OctaveTextOf("x"), "");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PartsPresenter, RowsByNodeKind)
{
    using R = TPartsRow;
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*m.bar, true));
    auto* select = static_cast<TSelectPartMuz*>(commands.AddLoopOrSelect(*loop, false));
    TSelectPartItem* turn = select->GetSelectPartItems()->GetNextTurn();
    const TPartsNodeView bar = PartsNodeViewOf(m.bar);
    ASSERT_EQ(bar.rows.size(), 2u);
    EXPECT_EQ(bar.rows[0].row, R::TempoStart);
    EXPECT_EQ(bar.rows[1].row, R::TempoEnd);
    EXPECT_TRUE(bar.playEnabled);
    EXPECT_EQ(PartsNodeViewOf(loop).rows.front().row, R::Count);
    EXPECT_EQ(PartsNodeViewOf(loop).rows.front().text, "2");
    EXPECT_EQ(PartsNodeViewOf(select).rows.size(), 2u);
    const TPartsNodeView turnView = PartsNodeViewOf(turn);
    ASSERT_EQ(turnView.rows.size(), 4u);
    EXPECT_EQ(turnView.rows[2].row, R::Octave);
    EXPECT_FALSE(turnView.playDrawEnabled);
    EXPECT_FALSE(turnView.playEnabled);
    // A result node: times, positions, pitch with its octave, the tempi.
    TTreeDataResult result(m.bar, nullptr, 14, 1);
    result.StartTime = 1;
    result.EndTime = 3;
    result.StartPosition = 0.5;
    result.EndPosition = 1.5;
    result.TempoAtStart = result.TempoAtEnd = 2;
    result.SetNameTurnPartItem("second");
    const TPartsNodeView view = PartsNodeViewOf(&result);
    ASSERT_EQ(view.rows.size(), 11u);
    EXPECT_EQ(view.rows[6].text, "14");
    EXPECT_EQ(view.rows[7].text, "1 1/6");
    EXPECT_FALSE(view.rows[8].text.empty());
    EXPECT_FALSE(view.rows[8].extra.empty());
    EXPECT_EQ(view.rows[10].row, R::TurnItem);
    EXPECT_EQ(view.rows[10].text, "second");
    // A node of no length shows no tempi.
    result.EndPosition = result.StartPosition;
    const TPartsNodeView still = PartsNodeViewOf(&result);
    EXPECT_EQ(still.rows[8].text, "");
    EXPECT_EQ(still.rows[9].extra, "");
    EXPECT_EQ(PartsNodeViewOf(nullptr).rows.size(), 0u);
}

TEST_F(PartsPresenter, TheEnablingBoxShowsWhatThePartShows)
{
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*m.bar, true));
    EXPECT_EQ(PartsNodeViewOf(m.bar).playDraw, TPlayDrawState::Checked);
    loop->SetEnablePlayAndDraw(false, &unit);
    EXPECT_EQ(PartsNodeViewOf(m.bar).playDraw, TPlayDrawState::Grayed);
    EXPECT_EQ(PartsNodeViewOf(loop).playDraw, TPlayDrawState::Unchecked);
    // A grayed box clicked goes to checked, shown as unchecked: the flag goes off.
    Forget();
    EXPECT_EQ(PlayDrawClicked(unit, *m.bar, TPlayDrawState::Checked), TPlayDrawState::Unchecked);
    EXPECT_FALSE(m.bar->GetEnablePlayAndDraw());
    EXPECT_TRUE(unit.IsModified());
    EXPECT_TRUE(Repainted());
    // Clicked again: grayed, the flag on.
    EXPECT_EQ(PlayDrawClicked(unit, *m.bar, TPlayDrawState::Grayed), TPlayDrawState::Grayed);
    EXPECT_TRUE(m.bar->GetEnablePlayAndDraw());
    // Under a part that is on a grayed box becomes checked.
    EXPECT_EQ(PlayDrawClicked(unit, *loop, TPlayDrawState::Grayed), TPlayDrawState::Checked);
    // Switching a part off drops a selection inside it.
    TMuzNote* note = m.Note(0, 5);
    Select(note);
    PlayDrawClicked(unit, *loop, TPlayDrawState::Unchecked);
    EXPECT_EQ(unit.GetSelectedSymbol(), nullptr);
}

TEST_F(PartsPresenter, FieldsAppliedWithTheirValues)
{
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*m.bar, true));
    Forget();
    EXPECT_TRUE(ApplyPartsEdit(unit, loop, TPartsField::Count, "3").changed);
    EXPECT_EQ(loop->GetCount().GetValue(), 3);
    EXPECT_TRUE(Repainted());
    EXPECT_TRUE(unit.IsModified());
    // Letters in a Count: refused, the value as it was.
    Forget();
    const TPartsEditResult refused = ApplyPartsEdit(unit, loop, TPartsField::Count, "abc");
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(loop->GetCount().GetValue(), 3);
    EXPECT_FALSE(unit.IsModified());
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("In Count: ", 0), 0u);
    EXPECT_TRUE(ApplyPartsEdit(unit, m.bar, TPartsField::TempoStart, "150 %").changed);
    EXPECT_DOUBLE_EQ(m.bar->GetTempoStart().GetValue(), 1.5);
    EXPECT_TRUE(ApplyPartsEdit(unit, m.bar, TPartsField::TempoEnd, "0").refused);
    // Decision: a typed Basic Tempo applies with or without a node.
    EXPECT_TRUE(ApplyPartsEdit(unit, nullptr, TPartsField::BasicTempo, "3 s").changed);
    EXPECT_DOUBLE_EQ(m.muz.Tempo.GetValue(), 3.0);
    // A field the node has not changes nothing.
    EXPECT_FALSE(ApplyPartsEdit(unit, m.bar, TPartsField::Pitch, "5").changed);
}

TEST_F(PartsPresenter, TurnCounts)
{
    auto* select = static_cast<TSelectPartMuz*>(commands.AddLoopOrSelect(*m.bar, false));
    commands.AddTurn(*select);
    auto* first = static_cast<TCountSelectPartItem*>(select->GetSelectPartItems()->GetNextTurn());
    // The same count again: nothing at all.
    Forget();
    const TPartsEditResult same = ApplyPartsEdit(unit, first, TPartsField::Count, "1");
    EXPECT_FALSE(same.refused || same.changed);
    EXPECT_FALSE(unit.IsModified());
    // Another turn's count: refused, the old one back.
    const TPartsEditResult twice = ApplyPartsEdit(unit, first, TPartsField::Count, "2");
    EXPECT_TRUE(twice.refused);
    EXPECT_EQ(first->GetCount().GetValue(), 1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "In Count: 2 already exist");
    EXPECT_EQ(messages.Last().caption, "Input Error");
    // Decision: a refused count is a refusal even when the value stayed.
    EXPECT_TRUE(ApplyPartsEdit(unit, first, TPartsField::Count, "0").refused);
    EXPECT_TRUE(ApplyPartsEdit(unit, first, TPartsField::Count, "x").refused);
    EXPECT_TRUE(ApplyPartsEdit(unit, first, TPartsField::Count, "5").changed);
    EXPECT_TRUE(ApplyPartsEdit(unit, first, TPartsField::Pitch, "-14").changed);
    EXPECT_EQ(first->GetPitch().GetValue(), -14);
    EXPECT_TRUE(ApplyPartsEdit(unit, first, TPartsField::TempoFactor, "0").refused);
}

TEST_F(PartsPresenter, LabelsAndExpansion)
{
    auto* loop = static_cast<TLoopPartMuz*>(commands.AddLoopOrSelect(*m.bar, true));
    Forget();
    RenameTreeItem(unit, *loop, "chorus");
    EXPECT_EQ(loop->GetTreeLabel(), "chorus");
    EXPECT_TRUE(unit.IsModified());
    RenameTreeItem(unit, *loop, "");
    EXPECT_EQ(loop->GetTreeLabel(), "repeat 2");
    Forget();
    StoreExpanded(unit, *loop, false);
    EXPECT_FALSE(loop->GetExpanded());
    EXPECT_TRUE(unit.IsModified());
    Forget();
    StoreExpanded(unit, *m.bar, false);
    EXPECT_FALSE(unit.IsModified());
}
