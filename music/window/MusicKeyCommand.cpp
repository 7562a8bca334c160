#include "music/window/MusicKeyCommand.h"

#include "music/document/MusicNavigation.h"
#include "music/document/UnitMuz.h"

namespace {

using K = TMusicKeyCommand;
using Run = void (*)(TUnitMuz&, const TMusicKeyAction&);

struct TKeyCommandRow {
    K command;
    Run run;
};

constexpr TKeyCommandRow Rows[] = {
    {K::SelectPrev,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         TMusicNavigation navigation(u);
         if (navigation.CanSelectPrevExecute())
             navigation.SelectPrevExecute();
     }},
    {K::SelectNext,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         TMusicNavigation navigation(u);
         if (navigation.CanSelectNextExecute())
             navigation.SelectNextExecute();
     }},
    {K::SelectUp,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         TMusicNavigation navigation(u);
         if (navigation.CanSelectUpExecute())
             navigation.SelectUpExecute();
     }},
    {K::SelectDown,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         TMusicNavigation navigation(u);
         if (navigation.CanSelectDownExecute())
             navigation.SelectDownExecute();
     }},
    {K::SelectFirstInStave,
     [](TUnitMuz& u, const TMusicKeyAction&) { TMusicNavigation(u).SelectFirstInStaveExecute(); }},
    {K::SelectLastInStave,
     [](TUnitMuz& u, const TMusicKeyAction&) { TMusicNavigation(u).SelectLastInStaveExecute(); }},
    {K::SelectStaveUp,
     [](TUnitMuz& u, const TMusicKeyAction&) { TMusicNavigation(u).SelectStaveUpExecute(); }},
    {K::SelectStaveDown,
     [](TUnitMuz& u, const TMusicKeyAction&) { TMusicNavigation(u).SelectStaveDownExecute(); }},
    {K::SelectFirstStave,
     [](TUnitMuz& u, const TMusicKeyAction&) { TMusicNavigation(u).SelectFirstStaveExecute(); }},
    {K::SelectLastStave,
     [](TUnitMuz& u, const TMusicKeyAction&) { TMusicNavigation(u).SelectLastStaveExecute(); }},
    {K::Longer, [](TUnitMuz& u, const TMusicKeyAction&) { u.LongerExecute(); }},
    {K::Shorter, [](TUnitMuz& u, const TMusicKeyAction&) { u.ShorterExecute(); }},
    {K::LengthKey, [](TUnitMuz& u, const TMusicKeyAction& a) { u.LengthKeyExecute(static_cast<uint8_t>(a.code)); }},
    {K::NoteKey, [](TUnitMuz& u, const TMusicKeyAction&) { u.NoteKeyExecute(); }},
    {K::RestKey, [](TUnitMuz& u, const TMusicKeyAction&) { u.RestKeyExecute(); }},
    {K::MoreLegato, [](TUnitMuz& u, const TMusicKeyAction&) { u.MoreLegatoExecute(); }},
    {K::MoreStaccato, [](TUnitMuz& u, const TMusicKeyAction&) { u.MoreStaccatoExecute(); }},
    {K::MovePrev,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         if (u.CanMovePrevExecute())
             u.MovePrevExecute();
     }},
    {K::MoveNext,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         if (u.CanMoveNextExecute())
             u.MoveNextExecute();
     }},
    // A note moves a step; a clef changes its kind.
    {K::MoveUpThenClefUp,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         if (u.CanMoveUpExecute())
             u.MoveUpExecute();
         u.ClefUpExecute();
     }},
    {K::MoveDownThenClefDown,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         if (u.CanMoveDownExecute())
             u.MoveDownExecute();
         u.ClefDownExecute();
     }},
    {K::MoveOctUp,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         if (u.CanMoveOctUpExecute())
             u.MoveOctUpExecute();
     }},
    {K::MoveOctDown,
     [](TUnitMuz& u, const TMusicKeyAction&) {
         if (u.CanMoveOctDownExecute())
             u.MoveOctDownExecute();
     }},
    {K::SequenceRest, [](TUnitMuz& u, const TMusicKeyAction& a) { u.KeySequenceRest(a.side); }},
    {K::SequenceNote, [](TUnitMuz& u, const TMusicKeyAction& a) { u.KeySequenceNote(a.side, a.code); }},
    {K::SequenceClef,
     [](TUnitMuz& u, const TMusicKeyAction& a) { u.KeySequenceClef(a.side, static_cast<int8_t>(a.code)); }},
};

} // namespace

bool RunMusicKeyAction(TUnitMuz& unit, const TMusicKeyAction& action)
{
    for (const TKeyCommandRow& row : Rows)
        if (row.command == action.command) {
            row.run(unit, action);
            return true;
        }
    return false;
}
