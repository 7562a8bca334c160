// The sound devices' way to .wav files: the wave engine's reader and writer
// behind the platform's sample interface.
#include "platform/SoundFileAccess.h"
#include "wave/Sound.h"
#include "wave/WaveFile.h"

namespace {

class WaveSamples : public SoundSamples {
public:
    WaveSamples(SoundFileFormat format, int32_t frames, RefPtr<Wave> left, RefPtr<Wave> right)
        : format(format), frames(frames), waves{std::move(left), std::move(right)}
    {
    }
    SoundFileFormat Format() const override { return format; }
    int32_t Frames() const override { return frames; }
    int16_t* Channel(int channel) override { return waves[channel]->getData(); }
    const int16_t* Channel(int channel) const override { return waves[channel]->getData(); }

    SoundPtr MakeSound() const
    {
        return ::MakeSound(static_cast<int16_t>(format.channels), waves[0], waves[1], format.sampleFreq,
                           static_cast<int16_t>(format.bytesPerSample));
    }

private:
    SoundFileFormat format;
    int32_t frames;
    RefPtr<Wave> waves[2];
};

class WaveFileAccess : public SoundFileAccess {
public:
    std::unique_ptr<SoundSamples> Read(const std::string& fileName, std::string& error) override
    {
        SoundPtr sound;
        std::string text;
        if (!ReadWaveFile(fileName, sound, text) || !sound) {
            error = text;
            return nullptr;
        }
        const SoundFileFormat format{sound->channels, sound->sampleFreq, sound->bytesPerSample == 1 ? 1 : 2};
        return std::make_unique<WaveSamples>(format, sound->GetValues(), RefPtr<Wave>(sound->GetLeftWave()),
                                             RefPtr<Wave>(sound->channels == 2 ? sound->GetRightWave() : nullptr));
    }

    std::unique_ptr<SoundSamples> NewSamples(const SoundFileFormat& format, int32_t frames) override
    {
        StopFlag stop = 0;
        RefPtr<Wave> left = NewWave(&stop, frames);
        RefPtr<Wave> right = format.channels == 2 ? NewWave(&stop, frames) : RefPtr<Wave>();
        if (stop != 0)
            return nullptr; // the engine has shown the memory message
        return std::make_unique<WaveSamples>(format, frames, std::move(left), std::move(right));
    }

    bool Write(const std::string& fileName, const SoundSamples& samples) override
    {
        const SoundPtr sound = static_cast<const WaveSamples&>(samples).MakeSound();
        StopFlag stop = 0;
        return sound && WriteWaveFile(&stop, fileName, *sound, 0, samples.Frames());
    }
};

} // namespace

std::unique_ptr<SoundFileAccess> MakeWaveFileAccess()
{
    return std::make_unique<WaveFileAccess>();
}
