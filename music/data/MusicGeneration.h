#pragma once
#include "music/staves/MusicProcessFactories.h"
#include "wave/Sound.h"

#include <string>

class TMuzData;
class TNoteGroup;
class TNoteStave;
class TPartMuz;
class TTreeDataResult;

// Turns music, or one stave, note group, part or played-order node of it,
// into a new sound of the music's format: every note rendered through its
// note group's player at its time, then the note groups' and staves'
// music-process factories over what was rendered. The players must have
// been found (FindPlayers) before.
//
// A failure anywhere ends with "Cannot create music: " and the reason,
// captioned "Error"; every render sound is dropped and the music keeps no
// sound. The loops' counters are the callers' to reset before a part or a
// node is rendered.
class TMusicGeneration {
public:
    // A stave or a note group limits the rendering to its notes; the flags
    // switch the note groups' and the staves' own factories on.
    TMusicGeneration(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                     bool withStaveFactories);
    ~TMusicGeneration();
    TMusicGeneration(const TMusicGeneration&) = delete;
    TMusicGeneration& operator=(const TMusicGeneration&) = delete;

    // The sound of the part's playing (of the bars under result only, when
    // given); nullptr after a failure that has been shown. Nothing that
    // sounds gives an empty sound, silently.
    SoundPtr GenerateWave(TPartMuz& part, TTreeDataResult* result);

    // The music's sound (TargetSound) and the factories' own sounds, silent,
    // of the music's format and that many seconds; false when one cannot be made.
    bool CreateRenderSounds(double seconds);
    // The factories over their sounds, their results into TargetSound.
    void RunStaveFactories(bool& ok, std::string& message);

private:
    // Nothing of the generation stays in the music.
    void Abandon();
    SoundPtr Fail(const std::string& reason);
    // Refuses a music longer than the longest wave, with that message.
    SoundPtr FailTooLong();

    TMuzData& Music;
    TNoteStave* Stave;
    TNoteGroup* Group;
    TMusicProcessFactories Factories;
};

// Finds and prepares the player of every note group of every stave; false
// with the first failure's message.
bool FindPlayers(TMuzData& music, std::string& message);
// The whole music (or its stave or note group) from the root part.
SoundPtr MakeWave(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                  bool withStaveFactories);
// From part instead of the root; the caller marks it as the top of what is played.
SoundPtr MakePartWave(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                      bool withStaveFactories, TPartMuz& part);
// From the root, only the bars under the node of the played-order view.
SoundPtr MakeResultPartWave(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                            bool withStaveFactories, TTreeDataResult& result);
// Every repeat of the music starts again at its first repetition.
void ResetLoopCounts(TMuzData& music);
// Whole notes the music plays.
double GetMusicLength(TMuzData& music);
