// Random echo: echoes of the whole wave, each changed at random, mixed into a
// longer silent wave. The dice are seeded by the settings, so the same
// settings give the same result.
#include "foundation/Dicer.h"
#include "foundation/values/NumericHelpers.h"
#include "platform/SampleConvert.h"
#include "wave/LongestWave.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"

#include <algorithm>
#include <cmath>

namespace {
// The delay between the channels of a balanced sound, in seconds.
constexpr double BalanceDelay = 0.00029411764705882356;

// A die read into [from, to]; the largest die lies slightly beyond to, which
// envelopes and cyclic mixing cannot take.
double Die(const Dicer& dicer, int32_t die, double to, double from)
{
    int index = static_cast<int>(std::clamp(die, 0, Dicer::DICES - 1));
    return Clamp(dicer.GetValue(index, to, from), std::min(to, from), std::max(to, from));
}
} // namespace

void TUnitWave::RndEcho(const TRandomEchoProps& props)
{
    BeginCommand();
    RandomEchoProps = props;
    const TRandomEchoProps& p = RandomEchoProps;
    int32_t freq = static_cast<int32_t>(GetSampleFreq());
    double t = freq * p.TimeDiff.GetValue();

    std::shared_ptr<Sound> timeEnv, volumeEnv, lengthEnv, balEnv, pitchEnv, tempoEnv;
    if ((p.TimeKind == 1 && !TakeEnvelope(p.TimeEnvelope, timeEnv)) ||
        (p.VolumeKind == 2 && !TakeEnvelope(p.VolumeEnvelope, volumeEnv)) ||
        (p.LengthKind == 1 && !TakeEnvelope(p.LengthEnvelope, lengthEnv)) ||
        (p.BalKind == 2 && !TakeEnvelope(p.BalEnvelope, balEnv)) ||
        (p.PitchKind == 1 && !TakeEnvelope(p.PitchEnvelope, pitchEnv)) ||
        (p.TempoKind == 1 && !TakeEnvelope(p.TempoEnvelope, tempoEnv)))
        return;

    Dicer dicer(static_cast<uint32_t>(p.RandomSeed.GetValue()));
    auto env = [this](const Sound& envelope, double relPos, double atTop, double atBottom) {
        return envelope.GetEnvelopeValue(&stopFlag, Clamp(relPos, 0, 1), atTop, atBottom);
    };

    int16_t bytes = static_cast<int16_t>(GetBytesPSample());
    SoundPtr base;
    if (GetMonoStereo() == 1 && p.BalKind == 0)
        base = std::make_shared<MonoSound>(freq, bytes);
    else
        base = std::make_shared<StereoSound>(freq, bytes);
    // Reckoned unclamped: a time difference past the longest wave is refused,
    // not made into a shorter one.
    double wanted = p.Cyclable ? t + 1.0 : GetValues() + (t + 1.0) + TheSound->sampleFreq * BalanceDelay;
    if (!FitsLongestWave(std::floor(wanted) + 1.0)) {
        Refuse(LongerThanTheLongestWave());
        return;
    }
    int32_t length = ToInt32(wanted);
    int32_t b0 = 0, e0 = 0;
    SoundPtr result = base->InsertSilence(&stopFlag, (length + 1.0) / freq, b0, e0);
    base.reset();

    for (int32_t echo = 0; echo < p.Count.GetValue() && result && !stopFlag; ++echo) {
        SoundPtr e = TheSound;
        int32_t latest = ToInt32(t);
        dicer.Roll();

        if (p.VolumeKind == 1 || p.VolumeKind == 2) {
            double v = Die(dicer, p.VolumeDie, 1.0, 0.0);
            if (p.VolumeKind == 2)
                v = env(*volumeEnv, v, 1.0, -1.0);
            e = e->Volume(&stopFlag, v, 0, e->GetValues());
        }
        if (e && p.LengthKind == 1) {
            double f = env(*lengthEnv, Die(dicer, p.LengthDie, 1.0, 0.0), 1.0, -1.0);
            latest += e->GetValues();
            e = e->Resample(&stopFlag, f);
            if (e)
                latest -= e->GetValues();
        }
        if (e && (p.TempoKind == 1 || p.PitchKind == 1)) {
            double tempo = p.TempoKind == 1 ? env(*tempoEnv, Die(dicer, p.TempoDie, 1.0, 0.0), 1.0, -1.0) : 1.0;
            double pitch = p.PitchKind == 1
                               ? env(*pitchEnv, Die(dicer, p.PitchDie, 1.0, 0.0), 1.0, -1.0) * p.FreqFactor.GetValue()
                               : 1.0;
            latest += e->GetValues();
            if (tempo == 0.0)
                e = e->NewEmpty();
            else
                e = e->TempoPitchWhole(&stopFlag, 1.0 / tempo, 0.0, std::fabs(tempo), pitch,
                                       p.BlockSize.GetValue(), p.Quality);
            if (e)
                latest -= e->GetValues();
        }
        if (e && (p.BalKind == 1 || p.BalKind == 2)) {
            double d = p.BalKind == 1 ? Die(dicer, p.BalDie, 1.0, -1.0)
                                      : env(*balEnv, Die(dicer, p.BalDie, 1.0, 0.0), 1.0, -1.0);
            // The balance places a mono sound; a stereo echo is mixed down first
            // so neither channel is lost.
            std::shared_ptr<const MonoSound> mono = std::dynamic_pointer_cast<const MonoSound>(e);
            if (!mono)
                mono = std::make_shared<MonoSound>(&stopFlag, *e);
            e = stopFlag ? nullptr
                         : mono->Balance(&stopFlag, d, p.BalTimeDifference != 0, p.BalVolumeDifference == 1,
                                         p.BalVolumeDifference == 2);
            if (e)
                latest = ToInt32(latest - e->sampleFreq * BalanceDelay);
        }
        if (!e || stopFlag)
            break;

        double h = p.Cyclable ? t : latest;
        double pos = p.TimeKind == 0 ? Die(dicer, p.TimeDie, h, 0.0)
                                     : env(*timeEnv, Die(dicer, p.TimeDie, 1.0, 0.0), h, 0.0);
        int32_t at = std::max(0, ToInt32(pos));
        if (p.Cyclable) {
            at = std::min(at, std::max(0, result->GetValues() - 1));
            result->MixCycleAfterThis(&stopFlag, *e, at);
        } else {
            result->MixAddAt(&stopFlag, *e, at);
        }
    }

    // A stopped echo keeps the old sound with its marks and marks nothing changed.
    if (TakeResult(std::move(result)))
        PlaceCursor(0);
    TellWindow();
}
