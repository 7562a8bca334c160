#include "music/window/MusicKeyMachine.h"

#include "music/data/MuzData.h"
#include "music/symbols/MusicSymbolKinds.h"
#include "music/window/MusicKeys.h"

namespace {

using K = TMusicKeyCommand;

struct TSingleKey {
    int32_t key;
    uint8_t modifiers;
    K command;
    int32_t code;
};

constexpr uint8_t Shift = musicKeyShift;
constexpr uint8_t Ctrl = musicKeyCtrl;
constexpr uint8_t Alt = musicKeyAlt;

// The digits are those of the top row, pressed without a modifier.
constexpr TSingleKey SingleKeys[] = {
    {MusicKey::Left, 0, K::SelectPrev, 0},
    {MusicKey::Right, 0, K::SelectNext, 0},
    {MusicKey::Up, 0, K::SelectUp, 0},
    {MusicKey::Down, 0, K::SelectDown, 0},
    {MusicKey::Home, 0, K::SelectFirstInStave, 0},
    {MusicKey::End, 0, K::SelectLastInStave, 0},
    {MusicKey::PageUp, 0, K::SelectStaveUp, 0},
    {MusicKey::PageDown, 0, K::SelectStaveDown, 0},
    {MusicKey::PageUp, Shift, K::SelectFirstStave, 0},
    {MusicKey::PageDown, Shift, K::SelectLastStave, 0},
    {'L', 0, K::Longer, 0},
    {'L', Shift, K::Shorter, 0},
    {'1', 0, K::LengthKey, 1},
    {'2', 0, K::LengthKey, 2},
    {'4', 0, K::LengthKey, 4},
    {'8', 0, K::LengthKey, 8},
    {'6', 0, K::LengthKey, 16},
    {'3', 0, K::LengthKey, 32},
    {'9', 0, K::LengthKey, 64},
    {MusicKey::Left, Ctrl, K::MovePrev, 0},
    {MusicKey::Right, Ctrl, K::MoveNext, 0},
    {MusicKey::Up, Ctrl, K::MoveUpThenClefUp, 0},
    {MusicKey::Down, Ctrl, K::MoveDownThenClefDown, 0},
    {MusicKey::Up, Ctrl | Shift, K::MoveOctUp, 0},
    {MusicKey::Down, Ctrl | Shift, K::MoveOctDown, 0},
    {'L', Alt, K::MoreLegato, 0},
    {'L', Alt | Ctrl, K::MoreLegato, 0},
    {'L', Alt | Shift, K::MoreStaccato, 0},
    {'N', Alt, K::NoteKey, 0},
    {'S', Alt, K::RestKey, 0},
};

struct TClefKey {
    int32_t key;
    int8_t kind;
};
constexpr TClefKey ClefKeys[] = {{'G', clefKindG}, {'F', clefKindF}, {'C', clefKindC}};

bool IsModifierAlone(int32_t key)
{
    return key == MusicKey::Shift || key == MusicKey::Control || key == MusicKey::Alt;
}

} // namespace

TMusicKeyMachine::TResult TMusicKeyMachine::KeyDown(int32_t key, uint8_t modifiers)
{
    TResult result;
    if (IsModifierAlone(key))
        return result;
    if (KeySequence != 0)
        return SecondKey(key, modifiers);
    // The first key arms, whatever the modifiers.
    const uint8_t side = key == 'A'                ? insertAfter
                         : key == 'I'              ? insertBefore
                         : key == MusicKey::Insert ? insertInChord
                                                   : 0;
    if (side != 0) {
        KeySequence = side == insertAfter ? 2 : side == insertBefore ? 1 : 3;
        result.consumed = true;
        result.sequenceBegins = true;
        return result;
    }
    for (const TSingleKey& single : SingleKeys)
        if (single.key == key && single.modifiers == modifiers) {
            result.consumed = true;
            result.action = {single.command, single.code, 0};
            return result;
        }
    return result;
}

TMusicKeyMachine::TResult TMusicKeyMachine::SecondKey(int32_t key, uint8_t modifiers)
{
    static constexpr uint8_t Sides[] = {0, insertBefore, insertAfter, insertInChord};
    TResult result;
    const uint8_t side = Sides[KeySequence];
    if (key == MusicKey::Space && side != insertInChord) {
        result.action = {K::SequenceRest, 0, side};
    } else if (!(modifiers & Ctrl) && key >= 'A' && key <= 'G') {
        // C is step 0: the letters count in diatonic steps from C.
        int32_t step = (key - 60) % 7;
        if (modifiers & Alt)
            step -= 7;
        if (modifiers & Shift)
            step += 7;
        result.action = {K::SequenceNote, step, side};
    } else if (modifiers & Ctrl) {
        for (const TClefKey& clef : ClefKeys)
            if (clef.key == key)
                result.action = {K::SequenceClef, clef.kind, side};
    }
    // Every second key ends the sequence, recognised or not.
    KeySequence = 0;
    result.consumed = true;
    result.sequenceEnds = true;
    return result;
}
