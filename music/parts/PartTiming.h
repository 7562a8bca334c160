#pragma once
#include "wave/Sound.h"

#include <cstdint>
#include <string>

class TNoteGroup;
class TNoteStave;
class TPartMuz;
class TSinglePartMuz;
class TTreeDataResult;

// How the part tree measures and plays itself: the length of a part, the
// tempo factor at a position, and the two walks a wave generation makes (the
// dry one that finds how long the sound must be, and the real one that hands
// every note to its player). Positions and lengths are whole notes, times
// seconds, tempi seconds per whole note.
//
// The walks keep their state on a stack of their own, never in recursion,
// so a tree of any depth can be played. They use the parts' scratch fields
// (PartLength, LoopLength, CurrentCount), so two walks never interleave.

// What the walks carry along: the position of the bar being played (whole
// notes from the music's start), the time at its start, and, for the dry
// walk, how long before the music's start the earliest note sound begins
// (Lead) and where the latest one ends (End).
struct TPartWalkValues {
    double Position = 0;
    double Time = 0;
    double Lead = 0;
    double End = 0;
};

// Which notes a walk takes: with a stave only its notes, with a note group
// only its notes, else every playable one; with a result node only the bars
// under that node of the played-order view.
struct TPartWalkLimits {
    const TNoteStave* Stave = nullptr;
    const TNoteGroup* NoteGroup = nullptr;
    const TTreeDataResult* Result = nullptr;
};

// Whole notes the part plays, its repetitions and turns included; 0 for a
// part not played. The loops' repetition counters are left as found.
double GetPartLength(TPartMuz& part);
// The length of one bar: where its last note or rest ends.
double GetBarLength(const TSinglePartMuz& bar);
// Whether a played bar lies inside. Counters are left as found.
bool HasEnabledBar(TPartMuz& part);
// The factor that multiplies the seconds per whole note at position x of the
// bar (or the loop's pass) being played, from this part up to the part played
// as the top. False, with a message naming the part, when a part on the way
// has no length (its PartLength is 0).
bool PartTempoFactorAt(const TPartMuz& part, double x, double& factor, std::string& message);
// A bar or loop tells the repeat or turns part around it how far its pass has come.
void AddLoopLength(TPartMuz* part, double length);
// Every repeat below starts again at its first repetition.
void ResetLoopCounts(TPartMuz& part);

// What the walks over a part would meet, reckoned from the counts and the
// lengths without walking a pass: at most Seconds of played bars (each part's
// tempo taken where it is slowest, every turn as if it played) and Passes
// parts entered. A repeat of any count is measured at once.
struct TPlayedBound {
    double Seconds = 0;
    double Passes = 0;
};
TPlayedBound GetPlayedBound(TPartMuz& part, double tempo);

// The dry walk: Lead, End and Position (the music's length) of the part's
// playing from values. False with the reason when a note cannot be measured,
// a played bar has no length, or the flag is found set.
bool GetStartAndLength(TPartMuz& part, TPartWalkValues& values, const TPartWalkLimits& limits, double tempo,
                       std::string& message, StopFlag* stop = nullptr);
// The real walk: every note taken is rendered into its note group's render
// sound at its time. The notes' sounds are made on NoteRenderThreads() threads
// and mixed in the walk's order, which gives the sound of one thread. False
// with the reason at the first note that fails, and when the stop flag is
// found set after a note.
bool RenderNotes(TPartMuz& part, StopFlag* stop, TPartWalkValues& values, const TPartWalkLimits& limits,
                 double musicLength, double tempo, int16_t monoStereo, std::string& message);

// The text of a played part without length.
std::string NoLengthMessage(const TPartMuz& part);
