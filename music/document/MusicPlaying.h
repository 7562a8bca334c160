#pragma once
#include "wave/Sound.h"

#include <string>

class TNoteGroup;
class TNoteStave;
class TPartMuz;
class TTreeDataResult;
class TUnitMuz;

// What the music's play and generate commands ask of the main window: the
// busy cursor while music is made, playing a sound, and opening one in a new
// wave window. The shell installs the real one; the stand-in plays through
// the main window's player and opens nothing.
class MusicCommandHost {
public:
    virtual ~MusicCommandHost() = default;
    virtual void BeginBusy() {}
    virtual void EndBusy() {}
    // Plays the sound; it is not kept.
    virtual void PlaySound(const Sound& sound);
    // A new wave window for the sound, named from prefix and suffix.
    virtual void OpenWave(SoundPtr sound, const std::string& prefix, const std::string& suffix);
};

MusicCommandHost& MusicCommands();
// Installs a host (not owned) and gives the previous one; nullptr restores the stand-in.
MusicCommandHost* SetMusicCommandHost(MusicCommandHost* host);

// The music document turning its notation into sound. Every generator finds
// the players it needs first ("Cannot create music: " with the look-up's
// reason, captioned "Error", when one is missing), keeps the busy cursor up
// while it works, and gives a new sound or nullptr after a failure that was
// shown. A part or a played-order node is rendered from its first repetition,
// the part as the top of what is played; every mark and the cursor are put
// back whatever happens.
class TMusicPlaying {
public:
    explicit TMusicPlaying(TUnitMuz& unit) : Unit(unit) {}

    // A note is selected.
    bool CanPlayNoteExecute() const;
    // Sounds the selected note; a missing player or a failing part is shown.
    void PlayNoteExecute();

    SoundPtr GenerateWaveFromMusic();
    SoundPtr GenerateStaveWave(TNoteStave& stave, bool withStaveFactory);
    SoundPtr GenerateNoteGroupWave(TNoteGroup& group, bool withGroupFactory);
    SoundPtr GeneratePartWave(TPartMuz& part);
    SoundPtr GenerateResultPartWave(TTreeDataResult& result);

    // The music in a new wave window named "Wave n of" and the music's name.
    void MusicGenerate();
    // What the callers do with a sound: an empty one is neither played nor opened.
    static void Play(const SoundPtr& sound);
    void Open(SoundPtr sound, const std::string& suffix) const;

private:
    SoundPtr Failed(const std::string& reason) const;

    TUnitMuz& Unit;
};
