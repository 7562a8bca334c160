// The functions that make, cut, join and describe sounds.
#include "factory/graph/SountoryNodeOutput.h"
#include "factory/nodes/BuiltinHandlers.h"
#include "factory/nodes/BuiltinRun.h"
#include "foundation/StopReason.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <algorithm>

namespace {

bool Stopped(TBuiltinRun& run)
{
    return run.Fail(StoppedRunReason());
}

// A copy of sound with its own samples; none when the copy could not be made.
SoundPtr CopyOf(TBuiltinRun& run, const Sound& sound, int16_t channels)
{
    SoundPtr copy;
    if (channels == 1)
        copy = std::make_shared<MonoSound>(run.Stop, sound);
    else
        copy = std::make_shared<StereoSound>(run.Stop, sound);
    return *run.Stop ? nullptr : copy;
}

// A format read from inputs, checked as Set Wave Properties checks its own.
bool CheckFormat(TBuiltinRun& run, const char* bytesName, int32_t bytes, const char* channelsName,
                 int32_t channels, const char* frequencyName, int32_t frequency)
{
    if (bytes != 1 && bytes != 2)
        return run.Fail(std::string("Input \"") + bytesName + "\" must be 1 or 2.");
    if (channelsName && channels != 1 && channels != 2)
        return run.Fail(std::string("Input \"") + channelsName + "\" must be 1 or 2.");
    if (frequency <= 0)
        return run.Fail(std::string("Input \"") + frequencyName + "\" must be greater than 0.");
    return true;
}

bool MakeBlockTriangle(TBuiltinRun& run, bool triangle)
{
    return RunWaveResult(run, EmptyRangeAllowed, [triangle](TBuiltinRun& r, SoundPtr& result) {
        const int16_t h1 = r.Height16("Height 1");
        const int16_t h2 = r.Height16("Height 2");
        const double period = r.Number("Frequency");
        const double start = r.Number("Start Position");
        const double length = r.Has("Length") ? r.Number("Length") : r.Number("Count") * period;
        if (r.Has("Middle Envelope")) {
            SoundPtr middle;
            if (!r.GetSound("Middle Envelope", middle))
                return false;
            result = r.Wave->MakeBlockTriangleEnvelope(r.Stop, h1, h2, period, *middle, length, start, triangle,
                                                       r.Begin, r.End);
            return true;
        }
        result = r.Wave->MakeBlockTriangle(r.Stop, h1, h2, period, r.Number("Middle"), length, start, triangle,
                                           r.Begin, r.End);
        return true;
    });
}

// Exactly one of the flags set.
bool ExactlyOneFlag(const TBuiltinRun& run, std::initializer_list<const char*> names)
{
    int set = 0;
    for (const char* name : names)
        set += run.Flag(name) ? 1 : 0;
    return set == 1;
}

// A Wave of n zero values; none when it could not be made.
RefPtr<Wave> Silence(StopFlag* stop, int32_t n)
{
    RefPtr<Wave> wave = NewWave(stop, n);
    if (wave)
        std::fill_n(wave->getData(), n, int16_t{0});
    return wave;
}

} // namespace

namespace BuiltinHandlers {

bool SplitHorizontally(TBuiltinRun& run)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    if (!run.Wave)
        return true;
    const int32_t position = run.Integer("Position");
    // Each side must hold a value: an extract of nothing is no sound.
    if (position <= 0 || position >= run.Values)
        return run.Fail("Input \"Position\" must lie inside the Wave.");
    SoundPtr before;
    SoundPtr after;
    if (run.Demanded("Result Before") && !(before = run.Wave->Extract(run.Stop, 0, position)))
        return Stopped(run);
    if (run.Demanded("Result After") && !(after = run.Wave->Extract(run.Stop, position, run.Values)))
        return Stopped(run);
    if (before)
        run.SetMadeSound("Result Before", std::move(before));
    if (after)
        run.SetMadeSound("Result After", std::move(after));
    return true;
}

bool SplitVertically(TBuiltinRun& run)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    if (!run.Wave)
        return true;
    const auto* stereo = dynamic_cast<const StereoSound*>(run.Wave.get());
    if (!stereo)
        return run.Fail("Node Input \"Wave\" must be Stereo, but is Mono.");
    // The channels are shared with the input, so the results stay unmarked.
    const struct {
        const char* name;
        Wave* channel;
    } sides[] = {{"Result Left", stereo->GetWaveLeft()}, {"Result Right", stereo->GetWaveRight()}};
    for (const auto& side : sides) {
        TSountoryNodeOutput* output = run.Output(side.name);
        if (output && output->GetDemand() > 0)
            output->SetSound(std::make_shared<MonoSound>(RefPtr<Wave>(side.channel), stereo->sampleFreq,
                                                         stereo->bytesPerSample));
    }
    return true;
}

bool Delete(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->DeleteRange(r.Stop, r.Begin, r.End);
        r.End = r.Begin;
        return true;
    });
}

bool Trim(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->Extract(r.Stop, r.Begin, r.End);
        r.End -= r.Begin;
        r.Begin = 0;
        return true;
    });
}

bool InsertReplace(TBuiltinRun& run)
{
    return RunWaveResult(run, EmptyRangeAllowed, [](TBuiltinRun& r, SoundPtr& result) {
        SoundPtr insert;
        if (!r.GetSound("Insert Wave", insert))
            return false;
        result = r.Wave->Replace(r.Stop, *insert, r.Begin, r.End);
        // The end follows the values actually inserted, as a paste's does.
        if (result)
            r.End = r.Begin + result->GetValues() - (r.Values - (r.End - r.Begin));
        return true;
    });
}

bool MakeSilence(TBuiltinRun& run)
{
    return RunWaveResult(run, EmptyRangeAllowed, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->InsertSilence(r.Stop, r.Number("Length"), r.Begin, r.End);
        return true;
    });
}

bool MakeLine(TBuiltinRun& run)
{
    return RunWaveResult(run, EmptyRangeAllowed, [](TBuiltinRun& r, SoundPtr& result) {
        const double length = r.Number("Length");
        const int16_t from = r.Height16("Height Begin");
        const int16_t to = r.Height16("Height End");
        const bool linear = r.Flag("Linear");
        const bool exponential = r.Flag("Exponential");
        if (linear && exponential)
            return r.Fail("You cannot set both flags \"Linear\" and \"Exponential\".");
        if (!linear && !exponential)
            return r.Fail("You must set one of the flags \"Linear\" or \"Exponential\".");
        if (exponential && !(from * to > 0))
            return r.Fail("A exponential line cannot cross the x-axis.");
        result = r.Wave->MakeLine(r.Stop, from, to, length, exponential, r.Begin, r.End);
        return true;
    });
}

bool MakeBlock(TBuiltinRun& run)
{
    return MakeBlockTriangle(run, false);
}

bool MakeTriangle(TBuiltinRun& run)
{
    return MakeBlockTriangle(run, true);
}

bool MakeSinus(TBuiltinRun& run)
{
    return RunWaveResult(run, EmptyRangeAllowed, [](TBuiltinRun& r, SoundPtr& result) {
        const double period = r.Number("Frequency");
        // Count wins here, Length in the block and triangle.
        const double periods = r.Has("Count") ? r.Number("Count") : r.Number("Length") / period;
        result = r.Wave->MakeSinus(r.Stop, r.Height16("Height 1"), r.Height16("Height 2"), period, periods,
                                   r.Number("Start Position"), r.Begin, r.End);
        return true;
    });
}

bool MakeNoise(TBuiltinRun& run)
{
    return RunWaveResult(run, EmptyRangeAllowed, [](TBuiltinRun& r, SoundPtr& result) {
        result = r.Wave->MakeNoise(r.Stop, r.Height16("Volume"), r.Number("Length"), r.Begin, r.End);
        return true;
    });
}

bool Mix(TBuiltinRun& run)
{
    return RunWaveResult(run, EmptyRangeAllowed, [](TBuiltinRun& r, SoundPtr& result) {
        SoundPtr mix;
        if (!r.GetSound("Mix Wave", mix))
            return false;
        const int32_t length = r.Begin == r.End || r.Values == 0 ? -1 : r.End - r.Begin;
        if (!ExactlyOneFlag(r, {"Align Begin", "Align End", "Stretch"}))
            return r.Fail("You must set exactly one of the flags \"Align Begin\", \"Align End\" or \"Stretch\".");
        if (r.Flag("Align End")) {
            result = r.Wave->MixAlignEnd(r.Stop, *mix, r.End, length, true);
        } else if (r.Flag("Align Begin")) {
            result = r.Wave->MixAlignBegin(r.Stop, *mix, r.Begin, length, false);
        } else {
            if (r.Begin == r.End) {
                r.Begin = 0;
                r.End = r.Values;
            }
            if (r.End == 0)
                return r.Fail("Cannot Stretch into an empty Wave.");
            result = r.Wave->MixStretch(r.Stop, *mix, r.Begin, r.End);
        }
        return true;
    });
}

bool Extract(TBuiltinRun& run)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    if (!run.Wave)
        return true;
    SoundPtr rest;
    SoundPtr extract;
    if (run.Demanded("Result Rest")) {
        rest = CopyOf(run, *run.Wave, run.Wave->channels);
        if (!rest)
            return Stopped(run);
        rest->DrawSegment(run.Stop, run.Begin, 0, run.End, 0);
    }
    if (run.Demanded("Result Extract") && !(extract = run.Wave->Extract(run.Stop, run.Begin, run.End)))
        return Stopped(run);
    if (rest)
        run.SetMadeSound("Result Rest", std::move(rest));
    if (extract)
        run.SetMadeSound("Result Extract", std::move(extract));
    return true;
}

bool SetWaveProperties(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const Sound& wave = *r.Wave;
        const int32_t f = wave.sampleFreq;
        const int32_t b = wave.bytesPerSample;
        const int32_t c = wave.channels;
        const int32_t nf = r.Has("Sample Frequency") ? r.Integer("Sample Frequency") : f;
        const int32_t nb = r.Has("Bytes Per Sample") ? r.Integer("Bytes Per Sample") : b;
        const int32_t nc = r.Has("Mono Stereo") ? r.Integer("Mono Stereo") : c;
        if (!CheckFormat(r, "Bytes Per Sample", nb, "Mono Stereo", nc, "Sample Frequency", nf))
            return false;
        SoundPtr current = r.Wave;
        bool made = false;
        if (c > nc) {
            current = CopyOf(r, *current, 1);
            made = true;
        }
        if (current && nf != f) {
            current = current->ChangeSampleFreq(r.Stop, nf);
            made = true;
            r.Begin = ToInt32(static_cast<double>(r.Begin) * nf / f);
            r.End = ToInt32(static_cast<double>(r.End) * nf / f);
        }
        if (current && c < nc) {
            current = CopyOf(r, *current, 2);
            made = true;
        }
        if (current && nb != b) {
            if (!made)
                current = CopyOf(r, *current, static_cast<int16_t>(nc));
            if (current)
                current->bytesPerSample = static_cast<int16_t>(nb);
        }
        result = std::move(current);
        return true;
    });
}

bool GetWaveProperties(TBuiltinRun& run)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    if (!run.Wave)
        return true;
    const Sound& wave = *run.Wave;
    run.SetValue("Sample Frequency", {static_cast<double>(wave.sampleFreq), ValueType::WaveSampleFrequency});
    run.SetValue("Bytes Per Sample", {static_cast<double>(wave.bytesPerSample), ValueType::WaveBytesPerSample});
    run.SetValue("Mono Stereo", {static_cast<double>(wave.channels), ValueType::WaveMonoStereo});
    run.SetValue("Length", {wave.GetSeconds(), ValueType::Time});
    run.SetValue("Position End", {static_cast<double>(run.Values), ValueType::WaveCount});
    return true;
}

bool MakeNewWave(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        const int32_t f = r.Integer("Sample Frequency");
        const int32_t b = r.Integer("Bytes Per Sample");
        const int32_t c = r.Integer("Mono Stereo");
        const double length = r.Number("Length");
        if (!CheckFormat(r, "Bytes Per Sample", b, "Mono Stereo", c, "Sample Frequency", f))
            return false;
        r.Begin = 0;
        r.End = 0;
        SoundPtr empty;
        if (c == 1)
            empty = std::make_shared<MonoSound>(f, static_cast<int16_t>(b));
        else
            empty = std::make_shared<StereoSound>(f, static_cast<int16_t>(b));
        result = length > 0 ? empty->InsertSilence(r.Stop, length, r.Begin, r.End) : empty;
        return true;
    });
}

bool WaveStatistics(TBuiltinRun& run)
{
    if (!run.ReadRange(NoEmptyRange))
        return false;
    if (!run.Wave)
        return true;
    int16_t high = 0;
    int16_t low = 0;
    int16_t absolute = 0;
    run.Wave->GetPeak(run.Stop, run.Begin, run.End, high, low, absolute);
    run.SetValue("Peak High", {static_cast<double>(high), ValueType::WaveValue});
    run.SetValue("Peak Low", {static_cast<double>(low), ValueType::WaveValue});
    run.SetValue("Peak Absolute", {static_cast<double>(absolute), ValueType::WaveValue});
    return true;
}

bool MergeHorizontally(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        SoundPtr before;
        SoundPtr after;
        if (!r.GetSound("Wave Before", before) || !r.GetSound("Wave After", after))
            return false;
        const int32_t f = r.Has("Sample Frequency") ? r.Integer("Sample Frequency")
                                                    : std::max(before->sampleFreq, after->sampleFreq);
        const int32_t b = r.Has("Bytes Per Sample") ? r.Integer("Bytes Per Sample")
                                                    : std::max(before->bytesPerSample, after->bytesPerSample);
        const int32_t c = r.Has("Mono Stereo") ? r.Integer("Mono Stereo")
                                               : std::max(before->channels, after->channels);
        if (!CheckFormat(r, "Bytes Per Sample", b, "Mono Stereo", c, "Sample Frequency", f))
            return false;
        // An input without values keeps its format: the result then has the
        // first wave's format, as stored factories have always merged.
        for (SoundPtr* side : {&before, &after}) {
            if (c == 1 && (*side)->channels == 2 && (*side)->GetValues() > 0 && !(*side = CopyOf(r, **side, 1)))
                return Stopped(r);
        }
        if (f != before->sampleFreq && before->GetValues() > 0 && !(before = before->ChangeSampleFreq(r.Stop, f)))
            return Stopped(r);
        for (SoundPtr* side : {&before, &after}) {
            if (c == 2 && (*side)->channels == 1 && (*side)->GetValues() > 0 && !(*side = CopyOf(r, **side, 2)))
                return Stopped(r);
        }
        const int32_t n = before->GetValues();
        result = before->Replace(r.Stop, *after, n, n);
        if (result)
            result->bytesPerSample = static_cast<int16_t>(b);
        return true;
    });
}

bool MergeVertically(TBuiltinRun& run)
{
    return RunWaveResult(run, NoEmptyRange, [](TBuiltinRun& r, SoundPtr& result) {
        SoundPtr left;
        SoundPtr right;
        if (!r.GetSound("Wave Left", left) || !r.GetSound("Wave Right", right))
            return false;
        const int32_t f = r.Has("Sample Frequency") ? r.Integer("Sample Frequency")
                                                    : std::max(left->sampleFreq, right->sampleFreq);
        const int32_t b = r.Has("Bytes Per Sample") ? r.Integer("Bytes Per Sample")
                                                    : std::max(left->bytesPerSample, right->bytesPerSample);
        if (!CheckFormat(r, "Bytes Per Sample", b, nullptr, 0, "Sample Frequency", f))
            return false;
        if (!ExactlyOneFlag(r, {"Align Begin", "Align End", "Stretch Shortest Wave", "Stretch Longest Wave"}))
            return r.Fail("You must set exactly one of the flags \"Align Begin\", \"Align End\", \"Stretch Shortest "
                          "Wave\" or \"Stretch Longest Wave\".");
        const double secondsLeft = left->GetSeconds();
        const double secondsRight = right->GetSeconds();
        bool newLeft = false;
        bool newRight = false;
        RefPtr<Wave> wl = left->GetMixDownAtFreq(r.Stop, f, newLeft);
        RefPtr<Wave> wr = right->GetMixDownAtFreq(r.Stop, f, newRight);
        if (!wl || !wr)
            return Stopped(r);
        auto padAt = [&r](RefPtr<Wave>& wave, int32_t count, bool atStart) {
            int32_t begin = atStart ? 0 : wave->getValues();
            int32_t end = begin;
            wave = wave->insertSilence(r.Stop, count, begin, end);
            return static_cast<bool>(wave);
        };
        const int32_t nl = wl->getValues();
        const int32_t nr = wr->getValues();
        if (secondsLeft != secondsRight) {
            bool ok = true;
            if (r.Flag("Align End") || r.Flag("Align Begin")) {
                const bool atStart = r.Flag("Align End");
                ok = nl > nr ? padAt(wr, nl - nr, atStart) : padAt(wl, nr - nl, atStart);
            } else if (r.Flag("Stretch Shortest Wave")) {
                if (nl == 0 && nr > 0)
                    ok = static_cast<bool>(wl = Silence(r.Stop, nr));
                else if (nr == 0 && nl > 0)
                    ok = static_cast<bool>(wr = Silence(r.Stop, nl));
                else if (nl > 0 && nr > 0)
                    ok = nr < nl ? static_cast<bool>(wr = wr->resampleToLength(r.Stop, nl, false))
                                 : static_cast<bool>(wl = wl->resampleToLength(r.Stop, nr, false));
            } else {
                if (nl == 0 && nr > 0)
                    wr = RefPtr<Wave>(new Wave());
                else if (nr == 0 && nl > 0)
                    wl = RefPtr<Wave>(new Wave());
                else if (nl > 0 && nr > 0)
                    ok = nr > nl ? static_cast<bool>(wr = wr->resampleToLength(r.Stop, nl, false))
                                 : static_cast<bool>(wl = wl->resampleToLength(r.Stop, nr, false));
            }
            if (!ok)
                return Stopped(r);
        }
        // Equal durations may still differ by a value after resampling: the
        // shorter channel is padded at its end so that both have one length.
        const int32_t ml = wl->getValues();
        const int32_t mr = wr->getValues();
        if (ml != mr && !(ml < mr ? padAt(wl, mr - ml, false) : padAt(wr, ml - mr, false)))
            return Stopped(r);
        // The result owns both channels.
        if (wl.get() == left->GetLeftWave() || wl.get() == left->GetRightWave())
            wl = NewWaveCopy(r.Stop, wl.get());
        if (wr.get() == right->GetLeftWave() || wr.get() == right->GetRightWave())
            wr = NewWaveCopy(r.Stop, wr.get());
        if (!wl || !wr)
            return Stopped(r);
        result = std::make_shared<StereoSound>(wl, wr, f, static_cast<int16_t>(b));
        return true;
    });
}

} // namespace BuiltinHandlers
