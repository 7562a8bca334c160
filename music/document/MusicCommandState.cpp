#include "music/document/MusicCommandState.h"

#include "music/document/MusicNavigation.h"
#include "music/document/MusicPlaying.h"
#include "music/document/UnitMuz.h"

namespace {

// The codes the actions pass, in the order of the state's arrays.
constexpr uint8_t Lengths[] = {1, 2, 4, 8, 16, 32, 64};
constexpr int8_t Clefs[] = {6, 0, -6};
constexpr uint8_t Tuplets[] = {2, 3, 4, 5};

} // namespace

TMusicCommandState MusicCommandStateOf(const TUnitMuz& unit)
{
    TMusicCommandState state;
    state.modifiedOrNew = unit.IsModifiedOrNew();
    state.hasFileName = !unit.HasNoFileName();
    state.modeAdd = unit.IsModeAddChecked();
    state.modeEdit = unit.IsModeEditChecked();
    state.modeDelete = unit.IsModeDeleteChecked();
    state.autoPlay = unit.GetAutoPlay();
    TUnitMuz& reading = const_cast<TUnitMuz&>(unit);
    state.canPlayNote = TMusicPlaying(reading).CanPlayNoteExecute();
    const TMusicNavigation navigation(reading);
    state.canSelectUp = navigation.CanSelectUpExecute();
    state.canSelectDown = navigation.CanSelectDownExecute();
    state.canSelectPrev = navigation.CanSelectPrevExecute();
    state.canSelectNext = navigation.CanSelectNextExecute();
    state.canNoteGroupPrev = unit.CanNoteGroupPrevExecute();
    state.canNoteGroupNext = unit.CanNoteGroupNextExecute();
    state.canStickUp = unit.CanNoteStickUpExecute();
    state.canStickDown = unit.CanNoteStickDownExecute();
    state.stickUpChecked = unit.IsNoteStickUpChecked();
    state.stickDownChecked = unit.IsNoteStickDownChecked();
    for (size_t i = 0; i < std::size(Lengths); ++i) {
        state.canNote[i] = unit.CanNoteExecute(Lengths[i]);
        state.noteChecked[i] = unit.IsNoteChecked(Lengths[i]);
        state.canRest[i] = unit.CanRestExecute(Lengths[i]);
        state.restChecked[i] = unit.IsRestChecked(Lengths[i]);
    }
    for (uint8_t code = 0; code < 5; ++code) {
        state.canArticulation[code] = unit.CanArticulationExecute();
        state.articulationChecked[code] = unit.IsArticulationChecked(code);
        state.canNoteShift[code] = unit.CanNoteShiftExecute(code);
        state.noteShiftChecked[code] = unit.IsNoteShiftChecked(code);
    }
    for (size_t i = 0; i < std::size(Clefs); ++i) {
        state.canClef[i] = unit.CanClefExecute();
        state.clefChecked[i] = unit.IsClefChecked(Clefs[i]);
    }
    state.canPointAdd = unit.CanPointAddExecute();
    state.canPointDelete = unit.CanPointDeleteExecute();
    state.canDelete = unit.CanDeleteExecute();
    state.canMoveUp = unit.CanMoveUpExecute();
    state.canMoveDown = unit.CanMoveDownExecute();
    state.canMoveOctUp = unit.CanMoveOctUpExecute();
    state.canMoveOctDown = unit.CanMoveOctDownExecute();
    state.canMovePrev = unit.CanMovePrevExecute();
    state.canMoveNext = unit.CanMoveNextExecute();
    for (size_t i = 0; i < std::size(Tuplets); ++i)
        state.canTuplet[i] = unit.CanTupletExecute(Tuplets[i]);
    return state;
}
