#pragma once
#include <cstdint>
#include <memory>
#include <string>

// The layout of a sound's samples.
struct SoundFileFormat {
    int channels = 0;       // 1 mono, 2 stereo
    int sampleFreq = 0;
    int bytesPerSample = 0; // as stored: 1 or 2
};

// A sound's samples, one 16-bit row per channel.
class SoundSamples {
public:
    virtual ~SoundSamples() = default;
    virtual SoundFileFormat Format() const = 0;
    virtual int32_t Frames() const = 0;
    // 0 the left (or only) channel, 1 the right one.
    virtual int16_t* Channel(int channel) = 0;
    virtual const int16_t* Channel(int channel) const = 0;
};

// How a sound device reads the file it plays and writes what it recorded
// without knowing the file's layout: the wave floor gives the .wav files.
class SoundFileAccess {
public:
    virtual ~SoundFileAccess() = default;
    // The file's samples; null with the reason.
    virtual std::unique_ptr<SoundSamples> Read(const std::string& fileName, std::string& error) = 0;
    // Room for that many frames; null when memory ran out (its message has been shown).
    virtual std::unique_ptr<SoundSamples> NewSamples(const SoundFileFormat& format, int32_t frames) = 0;
    // False when the file could not be written (the writer has shown why).
    virtual bool Write(const std::string& fileName, const SoundSamples& samples) = 0;
};

// The .wav files as the wave floor reads and writes them.
std::unique_ptr<SoundFileAccess> MakeWaveFileAccess();
