#include "music/PartNote.h"

#include "foundation/StopReason.h"
#include "wave/MonoSound.h"
#include "wave/WaveLoops.h"

bool TPartNote::Make(StopFlag* stop)
{
    if (Sampler) {
        Made = Sampler->MakeSound(Props, Sample, Note, stop, MixFactor);
        Sampler = nullptr;
        Sample = {};
        // A stopped engine call has left its memory message; the note fails as a whole.
        if (IsStopped(stop)) {
            Made.reset();
            return false;
        }
    }
    if (Made && Made->GetValues() == 0)
        Made.reset();
    if (Made && Balance) {
        Balance = false;
        if (!BalanceSound()) {
            Made.reset();
            return false;
        }
    }
    return true;
}

bool TPartNote::BalanceSound()
{
    // The balance runs under its own flag; a set one still fails the note.
    StopFlag own = 0;
    SoundPtr mono = Made;
    if (Made->channels == 2)
        mono = std::make_shared<MonoSound>(&own, *Made);
    SoundPtr balanced;
    if (!own) {
        const auto& m = static_cast<const MonoSound&>(*mono);
        balanced = m.Balance(&own, Props.BalanceFactor.GetValue(), Props.TimeDiff, Props.VolDiff == 1,
                             Props.VolDiff == 2);
    }
    if (own || !balanced)
        return false;
    Made = std::move(balanced);
    return true;
}

bool TPartNote::MixInto(StopFlag* stop, Sound& target, double time, std::string& reason)
{
    if (!Made)
        return true;
    target.MixAddAtTime(stop, *Made, time - Lead + Shift, MixFactor);
    if (IsStopped(stop)) {
        reason = StoppedRunReason();
        return false;
    }
    return true;
}
