#pragma once
#include <cstdint>

// How a part of a player renders a note: by running a note-player factory or
// by sampling a wave window in one of five ways. The number is the page of
// the players window and decides the element a players file holds.
enum : uint8_t {
    notePlayerFactory = 0,
    notePlayerSimpleSampler = 1,
    notePlayerResonantSampler = 2,
    notePlayerRepeatWaveForm = 3,
    notePlayerRollOutSampler = 4,
    notePlayerRollOutWaveForm = 5,
    // A part that no kind setter has touched yet.
    notePlayerNone = 255,
};
constexpr int NotePlayerKindCount = 6;

struct TNotePlayerKindInfo {
    uint8_t kind;
    const char* caption;    // the page of the players window
    const char* xmlElement; // the element of a players file
};

// One row per kind, in kind order.
extern const TNotePlayerKindInfo NotePlayerKinds[NotePlayerKindCount];

inline bool IsNotePlayerKind(uint8_t kind)
{
    return kind < NotePlayerKindCount;
}

inline bool IsSamplerKind(uint8_t kind)
{
    return kind > notePlayerFactory && kind < NotePlayerKindCount;
}
