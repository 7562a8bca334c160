#include "platform/AudioDevice.h"

#include <utility>

namespace {

const char* const NoDevice = "There is no audio device.";

AudioDeviceFactory& Factory()
{
    static AudioDeviceFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<AudioDevice> MakeAudioDevice()
{
    if (const AudioDeviceFactory& factory = Factory())
        if (std::unique_ptr<AudioDevice> device = factory())
            return device;
    return std::make_unique<NoAudioDevice>();
}

AudioDeviceFactory SetAudioDeviceFactory(AudioDeviceFactory factory)
{
    return std::exchange(Factory(), std::move(factory));
}

bool NoAudioDevice::Open(const std::string&, std::string& error)
{
    error = NoDevice;
    return false;
}

bool NoAudioDevice::Play(uint64_t, std::string& error)
{
    error = NoDevice;
    return false;
}

bool NoAudioDevice::StartRecording(std::string& error)
{
    error = NoDevice;
    return false;
}

bool NoAudioDevice::Save(std::string& error)
{
    error = NoDevice;
    return false;
}
