#include "shell/SplitMergeSounds.h"

#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/props/MergeVertProps.h"

#include <algorithm>
#include <utility>

namespace {

// A result counts only when the flag stayed clear: a stopped operation may
// hand back a half-made sound.
SoundPtr Kept(const StopFlag& stop, SoundPtr sound)
{
    return stop == 0 ? std::move(sound) : nullptr;
}

RefPtr<Wave> Kept(const StopFlag& stop, RefPtr<Wave> wave)
{
    return stop == 0 ? std::move(wave) : RefPtr<Wave>();
}

// The buffer made as long as the other by the chosen kind; none on failure.
RefPtr<Wave> SilenceAdded(StopFlag& stop, const RefPtr<Wave>& shorter, int32_t count, bool atBegin)
{
    int32_t at = atBegin ? 0 : shorter->getValues();
    int32_t end = at;
    return Kept(stop, shorter->insertSilence(&stop, count - shorter->getValues(), at, end));
}

bool MakeLengthsEqual(StopFlag& stop, RefPtr<Wave>& left, RefPtr<Wave>& right, uint8_t kind)
{
    const int32_t nL = left->getValues(), nR = right->getValues();
    if (nL == nR)
        return true;
    RefPtr<Wave>& shorter = nL < nR ? left : right;
    RefPtr<Wave>& longer = nL < nR ? right : left;
    const int32_t longCount = longer->getValues();
    const bool oneEmpty = shorter->getValues() == 0;
    switch (kind) {
    case mergeSilenceAtBegin:
        shorter = SilenceAdded(stop, shorter, longCount, true);
        return static_cast<bool>(shorter);
    case mergeSilenceAtEnd:
        shorter = SilenceAdded(stop, shorter, longCount, false);
        return static_cast<bool>(shorter);
    case mergeStretchShortest:
        shorter = oneEmpty ? SilenceAdded(stop, shorter, longCount, false)
                           : Kept(stop, shorter->resampleToLength(&stop, longCount, false));
        return static_cast<bool>(shorter);
    case mergeStretchLongest:
        longer = oneEmpty ? RefPtr<Wave>(new Wave())
                          : Kept(stop, longer->resampleToLength(&stop, shorter->getValues(), false));
        return static_cast<bool>(longer);
    default:
        return false;
    }
}

} // namespace

TSplitHorPlan PlanSplitHor(int32_t values, int32_t mark1, int32_t mark2, uint8_t resultKind)
{
    const int32_t lo = std::clamp(std::min(mark1, mark2), 0, values);
    const int32_t hi = std::clamp(std::max(mark1, mark2), 0, values);
    TSplitHorPlan plan;
    if (lo == hi) {
        plan.first = {0, lo};
        plan.last = {lo, values};
    } else if (resultKind == 1) {
        plan.first = {0, hi};
        plan.last = {lo, values};
    } else {
        plan.first = {0, lo};
        plan.last = {hi, values};
        plan.hasMiddle = resultKind == 0;
        if (plan.hasMiddle)
            plan.middle = {lo, hi};
    }
    plan.firstEnd = plan.first.end;
    plan.lastBegin = plan.last.begin;
    return plan;
}

std::vector<SoundPtr> SplitVertSounds(const StereoSound& source)
{
    return {std::make_shared<MonoSound>(RefPtr<Wave>(source.GetWaveLeft()), source.sampleFreq, source.bytesPerSample),
            std::make_shared<MonoSound>(RefPtr<Wave>(source.GetWaveRight()), source.sampleFreq,
                                        source.bytesPerSample)};
}

std::vector<SoundPtr> SplitHorSounds(const Sound& source, const TSplitHorPlan& plan)
{
    StopFlag stop = 0;
    std::vector<SoundPtr> parts;
    std::vector<TSplitRange> ranges{plan.first, plan.last};
    if (plan.hasMiddle)
        ranges.push_back(plan.middle);
    for (const TSplitRange& range : ranges) {
        SoundPtr part = Kept(stop, source.Extract(&stop, range.begin, range.end));
        if (!part)
            return {};
        parts.push_back(std::move(part));
    }
    return parts;
}

SoundPtr MergeHorSound(const SoundPtr& first, const SoundPtr& last, uint16_t monoStereo, uint32_t sampleFreq,
                       uint16_t bytesPSample)
{
    if (!first || !last)
        return nullptr;
    StopFlag stop = 0;
    SoundPtr s1 = first, s2 = last;
    auto convert = [&](SoundPtr& sound, int16_t channels) {
        if (!sound || sound->GetValues() == 0 || sound->channels == channels)
            return;
        if (channels == 1)
            sound = Kept(stop, std::make_shared<MonoSound>(&stop, *sound));
        else
            sound = Kept(stop, std::make_shared<StereoSound>(&stop, *sound));
    };
    if (monoStereo == 1) {
        convert(s1, 1);
        convert(s2, 1);
    }
    if (s1 && s1->GetValues() > 0 && static_cast<uint32_t>(s1->sampleFreq) != sampleFreq)
        s1 = Kept(stop, s1->ChangeSampleFreq(&stop, sampleFreq));
    if (monoStereo == 2) {
        convert(s1, 2);
        convert(s2, 2);
    }
    if (!s1 || !s2)
        return nullptr;
    const int32_t c = s1->GetValues();
    SoundPtr merged = Kept(stop, s1->Replace(&stop, *s2, c, c));
    if (merged)
        merged->bytesPerSample = static_cast<int16_t>(bytesPSample);
    return merged;
}

SoundPtr MergeVertSound(const Sound& left, const Sound& right, uint32_t sampleFreq, uint16_t bytesPSample,
                        uint8_t makeLengthsEqual)
{
    StopFlag stop = 0;
    bool isNew = false;
    const auto freq = static_cast<int32_t>(sampleFreq);
    RefPtr<Wave> wL = Kept(stop, left.GetMixDownAtFreq(&stop, freq, isNew));
    RefPtr<Wave> wR = wL ? Kept(stop, right.GetMixDownAtFreq(&stop, freq, isNew)) : RefPtr<Wave>();
    if (!wL || !wR)
        return nullptr;
    // Equal lengths in seconds give equal counts but for rounding in the
    // resampling; the two channels of a stereo sound must be equally long
    // either way, so the counts decide.
    if (!MakeLengthsEqual(stop, wL, wR, makeLengthsEqual))
        return nullptr;
    return std::make_shared<StereoSound>(std::move(wL), std::move(wR), freq, static_cast<int16_t>(bytesPSample));
}
