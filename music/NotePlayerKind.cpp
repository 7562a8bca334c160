#include "music/NotePlayerKind.h"

const TNotePlayerKindInfo NotePlayerKinds[NotePlayerKindCount] = {
    {notePlayerFactory, "Factory", "FactoryPlayer"},
    {notePlayerSimpleSampler, "Simple One Sampler", "SimpleOneSampler"},
    {notePlayerResonantSampler, "Resonant Sampler", "ResonantSampler"},
    {notePlayerRepeatWaveForm, "Repeat Wave Form", "RepeatWaveForm"},
    {notePlayerRollOutSampler, "Roll Out Sampler", "RollOutSampler"},
    {notePlayerRollOutWaveForm, "Roll Out Wave Form", "RollOutWaveForm"},
};
