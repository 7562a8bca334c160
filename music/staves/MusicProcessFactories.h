#pragma once
#include "wave/Sound.h"

#include <cstdint>
#include <string>
#include <vector>

class TNoteGroup;
class TNoteStave;
class TUnitSountory;

// The music-process factories of one make-wave: a stave or a note group that
// uses one renders its notes into a sound of its own, which its factory works
// over before the result joins the sound above it (the stave's, else the
// music's), moved by the factory's "Horizontal Shift".
//
// A make-wave limited to one stave or one note group binds, renders and runs
// only the factories of what it renders: another stave's factory neither
// stops nor adds to it.
class TMusicProcessFactories {
public:
    // withGroupFactories and withStaveFactories switch the two kinds on;
    // onlyStave or onlyGroup limit the make-wave to their notes.
    TMusicProcessFactories(TNoteStave* firstStave, bool withGroupFactories, bool withStaveFactories,
                           const TNoteStave* onlyStave = nullptr, const TNoteGroup* onlyGroup = nullptr);
    // Every render sound made is dropped.
    ~TMusicProcessFactories();
    TMusicProcessFactories(const TMusicProcessFactories&) = delete;
    TMusicProcessFactories& operator=(const TMusicProcessFactories&) = delete;

    // Binds every factory in use to the open factory document of its name;
    // false with "Cannot find Music Process Factory ..." for the first missing.
    bool FindSoundFactories(std::string& message);
    // Gives every stave and group whose factory is in use a silent sound of the
    // format and length. False when a sound cannot be made; nothing is kept then.
    bool CreateRenderSounds(uint32_t sampleFreq, uint16_t bytesPerSample, uint16_t channels, double seconds);
    // Runs the factories over their sounds, each group's result mixed into its
    // stave's sound (or target) and each stave's into target; every render
    // sound is dropped, and after the first failure (ok false) no factory runs.
    void RunSoundFactories(Sound& target, bool& ok, std::string& message);
    // Drops every render sound without running anything.
    void ReleaseRenderSounds();

    // One factory's run over a render sound: the sound becomes the factory's
    // "Wave" output, shift its "Horizontal Shift" in seconds (0 without one).
    // The "Wave" input is unbound afterwards, whatever happened.
    static bool RunSoundFactory(TUnitSountory& factory, SoundPtr& renderSound, std::string& message, double& shift);
    // Mixes source into target with its first sample shift seconds from the
    // target's start; a shift beyond both lengths is held at their sum.
    static bool MixShifted(Sound& target, const Sound& source, double shift);

private:
    struct TBinding {
        TNoteStave* Stave;
        TNoteGroup* Group;
        TUnitSountory* Factory;
    };
    bool TakesStave(const TNoteStave& stave) const;
    bool TakesGroup(const TNoteGroup& group) const;
    bool UsesStaveFactory(const TNoteStave& stave) const;
    bool UsesGroupFactory(const TNoteGroup& group) const;
    TUnitSountory* FactoryOf(const TNoteStave* stave, const TNoteGroup* group) const;
    // Runs one render sound's factory and mixes the result into target.
    void RunOne(SoundPtr& renderSound, TUnitSountory* factory, Sound& target, bool& ok, std::string& message);

    TNoteStave* FirstStave;
    bool WithGroupFactories;
    bool WithStaveFactories;
    const TNoteStave* OnlyStave;
    const TNoteGroup* OnlyGroup;
    std::vector<TBinding> Bindings;
};
