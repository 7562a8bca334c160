#pragma once
#include "music/OnePlayerProps.h"
#include "music/SamplerTable.h"
#include "wave/Sound.h"

#include <string>

// One part's share of a note: what the part read on the walking thread (the
// sound its factory made, or its sample window's sound and selection), the
// sound made from that, and where and how loud it goes into the target.
// Making it reads nothing but these fields and the stop flag, so it may run
// on any thread; the settings are the part's own, copied.
struct TPartNote {
    // Makes the sampler's sound (when one is still to be made), drops an
    // empty sound and balances one that is to be balanced. False when the
    // stop flag, or the balance's own, ended it: the reason is the caller's
    // to give (StoppedRunReason) on the thread that watches the work.
    bool Make(StopFlag* stop);
    // Mixes the sound into target with the note's start at time; false with
    // the reason when the flag is found set.
    bool MixInto(StopFlag* stop, Sound& target, double time, std::string& reason);

    // The sampler that is still to make the sound from Sample; null when the
    // sound is made already, or there is none.
    const TSamplerAnswers* Sampler = nullptr;
    TOnePlayerProps Props;
    TSample Sample;
    TSamplerNote Note;
    // Placed between left and right once made (stereo music, balance on).
    bool Balance = false;
    double Lead = 0.0;  // seconds the sound begins before the note's time
    double Shift = 0.0; // seconds it is moved later
    double MixFactor = 1.0;
    SoundPtr Made;

private:
    bool BalanceSound();
};
