// The functions that manipulate and filter a sound: each turns its inputs
// into the arguments of one operation of the wave engine on the range.
#include "factory/nodes/BuiltinHandlers.h"
#include "factory/nodes/BuiltinRun.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <cmath>

namespace {

// The input wave as a mono sound, for the operations only mono sounds have.
// A named wave reaches a node unchecked, so its channels are checked here.
const MonoSound* AsMono(TBuiltinRun& run)
{
    const auto* mono = dynamic_cast<const MonoSound*>(run.Wave.get());
    if (!mono)
        run.Fail("Node Input \"Wave\" must be Mono, but is Stereo.");
    return mono;
}

const StereoSound* AsStereo(TBuiltinRun& run)
{
    const auto* stereo = dynamic_cast<const StereoSound*>(run.Wave.get());
    if (!stereo)
        run.Fail("Node Input \"Wave\" must be Stereo, but is Mono.");
    return stereo;
}

} // namespace

namespace BuiltinHandlers {

bool Volume(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        if (r.Has("Factor")) {
            result = r.Wave->Volume(r.Stop, r.Number("Factor"), r.Begin, r.End);
            return true;
        }
        SoundPtr envelope;
        if (!r.GetSound("Envelope", envelope))
            return false;
        result = r.Wave->VolumeEnvelope(r.Stop, *envelope, r.Begin, r.End);
        return true;
    });
}

bool Balance(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const bool time = r.Flag("Time Difference");
        const bool volume = r.Flag("Volume Difference");
        const bool filter = r.Flag("Filter Difference");
        if (volume && filter)
            return r.Fail("You cannot set both flags \"Volume Difference\" and \"Filter Difference\".");
        const MonoSound* mono = AsMono(r);
        if (!mono)
            return false;
        if (r.Has("Angle")) {
            result = mono->Balance(r.Stop, r.Number("Angle"), time, volume, filter);
            return true;
        }
        SoundPtr envelope;
        if (!r.GetSound("Envelope", envelope))
            return false;
        result = mono->BalanceEnvelope(r.Stop, *envelope, time, volume, filter);
        return true;
    });
}

bool MaxVolume(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->MaxVolumeFull(r.Stop, r.Begin, r.End);
        return true;
    });
}

bool RollIn(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const double length = r.Number("Length");
        const int32_t n = ToInt32(r.Frequency() * length);
        // The start wraps into the roll, which needs at least one value.
        if (n <= 0)
            return r.Fail("Input \"Length\" must last at least one value of the Wave.");
        int32_t start = 0;
        if (r.Has("Position Roll Begin"))
            start = ToInt32(r.Number("Position Roll Begin") * n);
        if (r.Has("Position Roll End"))
            start = ToInt32(r.Number("Position Roll End") * n + r.Begin - r.End);
        start = ToInt32(WrapIntoRange(start, 0.0, n));
        result = r.Wave->RollIn(r.Stop, length, start, r.Begin, r.End);
        return true;
    });
}

bool NormalizeVertically(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->Centre(r.Stop, r.Begin, r.End);
        return true;
    });
}

bool Reverse(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->Reverse(r.Stop, r.Begin, r.End);
        return true;
    });
}

bool MoveVertically(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->AddValue(r.Stop, r.Height16("Add Value"), r.Begin, r.End);
        return true;
    });
}

bool MixLeftRight(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const StereoSound* stereo = AsStereo(r);
        if (!stereo)
            return false;
        result = stereo->MixLeftRight(r.Stop, r.Number("Volume Left to Left"), r.Number("Volume Left to Right"),
                                      r.Number("Volume Right to Left"), r.Number("Volume Right to Right"), r.Begin,
                                      r.End);
        return true;
    });
}

bool Distort(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        SoundPtr curve;
        if (!r.GetSound("Envelope", curve))
            return false;
        result = r.Wave->Distort(r.Stop, *curve, r.Begin, r.End);
        return true;
    });
}

bool ChangeLength(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        double factor = 1.0;
        if (r.Has("Length")) {
            const double seconds = r.Seconds();
            if (seconds == 0.0)
                return r.Fail("No part of the Wave is selected.");
            factor = r.Number("Length") / seconds;
        }
        if (r.Has("Length Factor"))
            factor = r.Number("Length Factor");
        result = r.Wave->ResampleRange(r.Stop, factor, r.Begin, r.End);
        return true;
    });
}

bool RollOut(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const double speed = r.Number("Speed Factor");
        const bool enveloped = r.Has("Speed Envelope");
        double lengthFactor = 1.0;
        if (r.Has("Length Factor")) {
            lengthFactor = r.Number("Length Factor");
            if (!(lengthFactor > 0.0))
                return r.Fail("Length Factor must be greater than 0.");
        }
        const double start = r.Number("Start Position");
        const double seconds = r.Seconds();
        const char* lengthFrom = nullptr;
        if (r.Has("Length")) {
            lengthFactor = r.Number("Length") / seconds;
            lengthFrom = "Length";
        }
        const bool byCount = r.Has("Count");
        // Without an envelope the speed divides the length; with "Count" it
        // divides the count.
        if (speed == 0.0 && (!enveloped || byCount))
            return r.Fail("Input \"Speed Factor\" must not be 0.");
        if (byCount) {
            lengthFactor = r.Number("Count") / speed;
            lengthFrom = "Count";
        }
        if (lengthFrom && !(lengthFactor > 0.0))
            return r.Fail(std::string("Input \"") + lengthFrom + "\" must give a Length Factor greater than 0.");
        if (enveloped) {
            SoundPtr envelope;
            if (!r.GetSound("Speed Envelope", envelope))
                return false;
            result = r.Wave->RollOutEnvelope(r.Stop, *envelope, lengthFactor, speed, start, r.Begin, r.End);
            return true;
        }
        result = r.Wave->RollOut(r.Stop, seconds / speed, std::fabs(speed) * lengthFactor, start, r.Begin, r.End);
        return true;
    });
}

bool MoveHorizontallyMono(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const MonoSound* mono = AsMono(r);
        if (!mono)
            return false;
        const double time = r.Number("Time Move");
        if (!r.Has("Envelope")) {
            result = mono->MoveHorizontally(r.Stop, time, r.Begin, r.End);
            return true;
        }
        SoundPtr envelope;
        if (!r.GetSound("Envelope", envelope))
            return false;
        result = mono->MoveHorizontallyEnvelope(r.Stop, time, *envelope, r.Begin, r.End);
        return true;
    });
}

bool MoveHorizontallyStereo(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const StereoSound* stereo = AsStereo(r);
        if (!stereo)
            return false;
        const double left = r.Number("Time Move Left");
        const double right = r.Number("Time Move Right");
        if (!r.Has("Envelope")) {
            result = stereo->MoveHorizontally(r.Stop, left, right, r.Begin, r.End);
            return true;
        }
        SoundPtr envelope;
        if (!r.GetSound("Envelope", envelope))
            return false;
        result = stereo->MoveHorizontallyEnvelope(r.Stop, left, right, *envelope, r.Begin, r.End);
        return true;
    });
}

bool Block(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        double seconds = 0.0;
        int32_t levels = 0;
        if (r.Has("Count Horizontal")) {
            const int32_t count = r.Integer("Count Horizontal");
            if (count == 0)
                return r.Fail("Input \"Count Horizontal\" must not be 0.");
            seconds = r.Seconds() / count;
        }
        if (r.Has("Time Horizontal"))
            seconds = r.Number("Time Horizontal");
        if (r.Has("Count Vertical"))
            levels = r.Integer("Count Vertical");
        if (r.Has("Height")) {
            const int32_t height = r.Integer("Height");
            if (height == 0)
                return r.Fail("Input \"Height\" must not be 0.");
            // 65572, as stored factories have always divided.
            levels = 65572 / height;
        }
        result = r.Wave->BlockHold(r.Stop, seconds, levels, r.Begin, r.End);
        return true;
    });
}

} // namespace BuiltinHandlers
