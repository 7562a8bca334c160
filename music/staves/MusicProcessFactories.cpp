#include "music/staves/MusicProcessFactories.h"

#include "factory/document/UnitSountory.h"
#include "foundation/QuotedText.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "wave/MainFormAccess.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A silent sound of the format and length, or nullptr when it cannot be made.
SoundPtr SilentSound(uint32_t sampleFreq, uint16_t bytesPerSample, uint16_t channels, double seconds)
{
    SoundPtr empty;
    if (channels == 1)
        empty = std::make_shared<MonoSound>(static_cast<int32_t>(sampleFreq), static_cast<int16_t>(bytesPerSample));
    else
        empty = std::make_shared<StereoSound>(static_cast<int32_t>(sampleFreq), static_cast<int16_t>(bytesPerSample));
    StopFlag stop = 0;
    int32_t begin = 0;
    int32_t end = 0;
    SoundPtr silent = empty->InsertSilence(&stop, seconds, begin, end);
    if (IsStopped(&stop))
        return nullptr;
    return silent;
}

} // namespace

TMusicProcessFactories::TMusicProcessFactories(TNoteStave* firstStave, bool withGroupFactories,
                                               bool withStaveFactories, const TNoteStave* onlyStave,
                                               const TNoteGroup* onlyGroup)
    : FirstStave(firstStave), WithGroupFactories(withGroupFactories), WithStaveFactories(withStaveFactories),
      OnlyStave(onlyStave), OnlyGroup(onlyGroup)
{
}

TMusicProcessFactories::~TMusicProcessFactories()
{
    ReleaseRenderSounds();
}

bool TMusicProcessFactories::TakesStave(const TNoteStave& stave) const
{
    if (!stave.EnablePlayAndDraw)
        return false;
    if (OnlyGroup)
        return OnlyGroup->GetNoteStave() == &stave;
    return !OnlyStave || OnlyStave == &stave;
}

bool TMusicProcessFactories::TakesGroup(const TNoteGroup& group) const
{
    return !OnlyGroup || OnlyGroup == &group;
}

bool TMusicProcessFactories::UsesStaveFactory(const TNoteStave& stave) const
{
    return WithStaveFactories && stave.GetUseFactory() && TakesStave(stave);
}

bool TMusicProcessFactories::UsesGroupFactory(const TNoteGroup& group) const
{
    return WithGroupFactories && group.GetUseFactory() && TakesGroup(group);
}

TUnitSountory* TMusicProcessFactories::FactoryOf(const TNoteStave* stave, const TNoteGroup* group) const
{
    for (const TBinding& binding : Bindings)
        if (binding.Stave == stave && binding.Group == group)
            return binding.Factory;
    return nullptr;
}

bool TMusicProcessFactories::FindSoundFactories(std::string& message)
{
    Bindings.clear();
    for (TNoteStave* stave = FirstStave; stave; stave = stave->GetNext()) {
        if (!TakesStave(*stave))
            continue;
        if (UsesStaveFactory(*stave)) {
            TUnitSountory* factory = MainForm().FindUnitSountory(stave->GetSoundFactory());
            if (!factory) {
                message = "Cannot find Music Process Factory " + Quoted(stave->GetSoundFactory()) + " for a Stave.";
                return false;
            }
            Bindings.push_back({stave, nullptr, factory});
        }
        for (TNoteGroup* group = stave->GetStartNoteGroup(); group; group = group->GetNext()) {
            if (!UsesGroupFactory(*group))
                continue;
            TUnitSountory* factory = MainForm().FindUnitSountory(group->GetSoundFactory());
            if (!factory) {
                message = "Cannot find Music Process Factory " + Quoted(group->GetSoundFactory()) +
                          " for a Note Group.";
                return false;
            }
            Bindings.push_back({stave, group, factory});
        }
    }
    return true;
}

bool TMusicProcessFactories::CreateRenderSounds(uint32_t sampleFreq, uint16_t bytesPerSample, uint16_t channels,
                                                double seconds)
{
    ReleaseRenderSounds();
    for (const TBinding& binding : Bindings) {
        SoundPtr silent = SilentSound(sampleFreq, bytesPerSample, channels, seconds);
        if (!silent) {
            ReleaseRenderSounds();
            return false;
        }
        (binding.Group ? binding.Group->RenderSound : binding.Stave->RenderSound) = std::move(silent);
    }
    return true;
}

void TMusicProcessFactories::ReleaseRenderSounds()
{
    for (TNoteStave* stave = FirstStave; stave; stave = stave->GetNext()) {
        stave->RenderSound.reset();
        for (TNoteGroup* group = stave->GetStartNoteGroup(); group; group = group->GetNext())
            group->RenderSound.reset();
    }
}

void TMusicProcessFactories::RunOne(SoundPtr& renderSound, TUnitSountory* factory, Sound& target, bool& ok,
                                    std::string& message)
{
    SoundPtr sound = std::move(renderSound);
    if (!ok || !factory)
        return;
    double shift = 0.0;
    ok = RunSoundFactory(*factory, sound, message, shift);
    if (ok && !MixShifted(target, *sound, shift)) {
        message = "There is not enough memmory for this operation.";
        ok = false;
    }
}

void TMusicProcessFactories::RunSoundFactories(Sound& target, bool& ok, std::string& message)
{
    for (TNoteStave* stave = FirstStave; stave; stave = stave->GetNext()) {
        Sound* staveTarget = stave->RenderSound ? stave->RenderSound.get() : &target;
        for (TNoteGroup* group = stave->GetStartNoteGroup(); group; group = group->GetNext())
            if (group->RenderSound)
                RunOne(group->RenderSound, FactoryOf(stave, group), *staveTarget, ok, message);
        if (stave->RenderSound)
            RunOne(stave->RenderSound, FactoryOf(stave, nullptr), target, ok, message);
    }
}

bool TMusicProcessFactories::RunSoundFactory(TUnitSountory& factory, SoundPtr& renderSound, std::string& message,
                                             double& shift)
{
    shift = 0.0;
    const std::string name = Quoted(factory.GetName());
    factory.RunState = sntRunIdle;
    std::string reason;
    if (!factory.Validate(MainForm().NextValidationStamp(), reason)) {
        message = "Cannot run Soundfactory " + name + " : Validation failed: " + reason;
        return false;
    }
    message = "in Factory " + name + ": ";
    TSountoryInput* input = nullptr;
    TSountoryOutput* output = nullptr;
    if (!renderSound || !factory.FindWaveInput("Wave", *renderSound, input, reason) ||
        !factory.FindWaveOutput("Wave", output, reason)) {
        message += reason;
        return false;
    }
    input->SetSound(renderSound);
    StopFlag stop = 0;
    const bool ran = factory.Run(reason, &stop);
    // Held before the run lets go: a wave an open window or the input passed
    // through is shared, never taken from its owner.
    SoundPtr made = ran ? output->GetSound() : nullptr;
    if (ran) {
        const TSountoryOutput* horizontal = factory.FindOutput("Horizontal Shift", nullptr);
        if (horizontal && horizontal->HasValue())
            shift = horizontal->GetValue().Value;
    }
    input->SetSound(nullptr);
    factory.ReleaseRunSounds();
    if (!ran) {
        message += reason;
        renderSound.reset();
        return false;
    }
    if (!made) {
        message = "Factory  " + name + " generated no Wave.";
        return false;
    }
    renderSound = std::move(made);
    return true;
}

bool TMusicProcessFactories::MixShifted(Sound& target, const Sound& source, double shift)
{
    const double limit = std::min(static_cast<double>(target.GetValues()) + static_cast<double>(source.GetValues()),
                                  static_cast<double>(INT32_MAX));
    double samples = std::trunc(shift * target.sampleFreq);
    if (!(samples >= -limit))
        samples = -limit;
    samples = std::min(samples, limit);
    StopFlag stop = 0;
    target.MixAddFactorAt(&stop, source, static_cast<int32_t>(samples), 1.0);
    return !IsStopped(&stop);
}
