#include "platform/portaudio/PortAudioDevice.h"

#include <portaudio.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

const char* const NoFileOpen = "No file is open.";
const char* const NoMemory = "There is not enough memory for the sound.";

// A capture block holds at least this many bytes (whole frames).
constexpr size_t MinBlockBytes = 256 * 1024;

PaStream* AsStream(void* stream)
{
    return static_cast<PaStream*>(stream);
}

PaSampleFormat SampleFormat(int bytesPerSample)
{
    return bytesPerSample == 1 ? paUInt8 : paInt16;
}

// 8-bit samples are stored as the .wav writer stores them.
uint8_t ToByteSample(int16_t value)
{
    return static_cast<uint8_t>(value / 256 + 128);
}

int16_t FromByteSample(uint8_t value)
{
    return static_cast<int16_t>((value - 128) * 256);
}

} // namespace

// The stream callbacks: members, so that they reach the device's fields.
struct PortAudioDevice::Callbacks {
    static int Play(const void*, void* output, unsigned long count, const PaStreamCallbackTimeInfo*,
                    PaStreamCallbackFlags, void* user)
    {
        auto* device = static_cast<PortAudioDevice*>(user);
        const size_t frameBytes = device->FrameBytes();
        const size_t position = device->playFrame.load(std::memory_order_relaxed);
        const size_t n = std::min<size_t>(count, device->frames - position);
        auto* out = static_cast<uint8_t*>(output);
        if (n > 0)
            std::memcpy(out, device->samples.data() + position * frameBytes, n * frameBytes);
        if (n < count)
            std::memset(out + n * frameBytes, device->bytesPerSample == 1 ? 0x80 : 0, (count - n) * frameBytes);
        device->playFrame.store(position + n, std::memory_order_relaxed);
        return position + n >= device->frames ? paComplete : paContinue;
    }

    static void PlayFinished(void* user)
    {
        auto* device = static_cast<PortAudioDevice*>(user);
        // A play that ran to its end; a pause or stop has set the mode already.
        AudioMode playing = AudioMode::Playing;
        device->mode.compare_exchange_strong(playing, AudioMode::Stopped);
        device->ReportEnd();
    }

    static int Record(const void* input, void*, unsigned long count, const PaStreamCallbackTimeInfo*,
                      PaStreamCallbackFlags, void* user)
    {
        auto* device = static_cast<PortAudioDevice*>(user);
        const auto* in = static_cast<const uint8_t*>(input);
        if (!in)
            return paContinue;
        size_t bytes = count * device->FrameBytes();
        // Only this callback writes the count while the capture runs.
        size_t captured = device->capturedBytes.load(std::memory_order_relaxed);
        while (bytes > 0 && !device->captureFull.load(std::memory_order_relaxed)) {
            const size_t used = captured % device->blockBytes;
            if (used == 0 && captured / device->blockBytes == device->blocks.size()) {
                // The blocks' list never grows past what was reserved: no
                // allocation here can throw, and a full list ends the capture.
                std::unique_ptr<uint8_t[]> block;
                if (device->blocks.size() < device->blocks.capacity())
                    block.reset(new (std::nothrow) uint8_t[device->blockBytes]);
                if (!block) {
                    device->captureFull.store(true, std::memory_order_relaxed);
                    break;
                }
                device->blocks.push_back(std::move(block));
            }
            const size_t take = std::min(bytes, device->blockBytes - used);
            std::memcpy(device->blocks.back().get() + used, in, take);
            captured += take;
            device->capturedBytes.store(captured, std::memory_order_relaxed);
            in += take;
            bytes -= take;
        }
        return paContinue;
    }
};

PortAudioDevice::PortAudioDevice(std::unique_ptr<SoundFileAccess> files) : files(std::move(files))
{
    initialised = Pa_Initialize() == paNoError;
    available = initialised && Pa_GetDefaultOutputDevice() != paNoDevice;
}

PortAudioDevice::~PortAudioDevice()
{
    Close();
    if (initialised)
        Pa_Terminate();
}

bool PortAudioDevice::Open(const std::string& name, std::string& error)
{
    Close();
    if (!initialised) {
        error = "The sound system could not be started.";
        return false;
    }
    std::string text;
    const std::unique_ptr<SoundSamples> sound = files->Read(name, text);
    if (!sound) {
        error = text;
        return false;
    }
    const SoundFileFormat format = sound->Format();
    channels = format.channels;
    sampleFreq = format.sampleFreq;
    bytesPerSample = format.bytesPerSample;
    const size_t count = static_cast<size_t>(sound->Frames());
    try {
        samples.resize(count * FrameBytes());
    } catch (const std::bad_alloc&) {
        samples = {};
        error = NoMemory;
        return false;
    }
    const int16_t* waves[2] = {sound->Channel(0), channels == 2 ? sound->Channel(1) : nullptr};
    uint8_t* out = samples.data();
    for (size_t i = 0; i < count; ++i)
        for (int c = 0; c < channels; ++c) {
            const int16_t value = waves[c][i];
            if (bytesPerSample == 1) {
                *out++ = ToByteSample(value);
            } else {
                std::memcpy(out, &value, 2);
                out += 2;
            }
        }
    frames = count;
    playFrame = 0;
    fileName = name;
    mode = AudioMode::Stopped;
    return true;
}

void PortAudioDevice::Close()
{
    Halt(output);
    Halt(input);
    ReportEnd();
    CloseStreams();
    mode = AudioMode::NotReady;
    samples = {};
    frames = 0;
    playFrame = 0;
    blocks = decltype(blocks)();
    capturedBytes = 0;
    fileName.clear();
}

bool PortAudioDevice::Play(uint64_t playId, std::string& error)
{
    if (mode == AudioMode::NotReady) {
        error = NoFileOpen;
        return false;
    }
    Halt(input);
    Halt(output);
    ReportEnd();
    if (!output) {
        const PaDeviceIndex index = Pa_GetDefaultOutputDevice();
        if (index == paNoDevice) {
            error = "There is no output device.";
            return false;
        }
        const PaStreamParameters parameters{index, channels, SampleFormat(bytesPerSample),
                                            Pa_GetDeviceInfo(index)->defaultHighOutputLatency, nullptr};
        PaStream* stream = nullptr;
        const PaError result = Pa_OpenStream(&stream, nullptr, &parameters, sampleFreq, paFramesPerBufferUnspecified,
                                             paPrimeOutputBuffersUsingStreamCallback, &Callbacks::Play, this);
        if (result != paNoError) {
            error = Pa_GetErrorText(result);
            return false;
        }
        Pa_SetStreamFinishedCallback(stream, &Callbacks::PlayFinished);
        output = stream;
    }
    runningPlay = playId;
    mode = AudioMode::Playing;
    const PaError result = Pa_StartStream(AsStream(output));
    if (result != paNoError) {
        mode = AudioMode::Stopped;
        runningPlay = 0;
        error = Pa_GetErrorText(result);
        return false;
    }
    return true;
}

void PortAudioDevice::Pause()
{
    AudioMode expected = AudioMode::Playing;
    if (mode.compare_exchange_strong(expected, AudioMode::Paused)) {
        Halt(output);
        ReportEnd();
        return;
    }
    expected = AudioMode::Recording;
    if (mode.compare_exchange_strong(expected, AudioMode::Paused))
        Halt(input);
}

bool PortAudioDevice::StartRecording(std::string& error)
{
    if (mode == AudioMode::NotReady) {
        error = NoFileOpen;
        return false;
    }
    Halt(output);
    ReportEnd();
    if (!input) {
        const PaDeviceIndex index = Pa_GetDefaultInputDevice();
        if (index == paNoDevice) {
            error = "There is no input device.";
            return false;
        }
        const PaStreamParameters parameters{index, channels, SampleFormat(bytesPerSample),
                                            Pa_GetDeviceInfo(index)->defaultHighInputLatency, nullptr};
        PaStream* stream = nullptr;
        const PaError result = Pa_OpenStream(&stream, &parameters, nullptr, sampleFreq, paFramesPerBufferUnspecified,
                                             paNoFlag, &Callbacks::Record, this);
        if (result != paNoError) {
            error = Pa_GetErrorText(result);
            return false;
        }
        input = stream;
        // As much as a .wav file and a wave can hold, in whole frames.
        const size_t frameBytes = FrameBytes();
        blockBytes = (MinBlockBytes + frameBytes - 1) / frameBytes * frameBytes;
        const uint64_t maxBytes = std::min<uint64_t>(0xFFFFFFFFull - 64, uint64_t{INT32_MAX} * frameBytes);
        blocks.reserve(static_cast<size_t>(maxBytes / blockBytes));
    }
    mode = AudioMode::Recording;
    const PaError result = Pa_StartStream(AsStream(input));
    if (result != paNoError) {
        mode = AudioMode::Stopped;
        error = Pa_GetErrorText(result);
        return false;
    }
    return true;
}

void PortAudioDevice::Stop()
{
    if (mode == AudioMode::NotReady)
        return;
    mode = AudioMode::Stopped;
    Halt(output);
    Halt(input);
    ReportEnd();
}

bool PortAudioDevice::Save(std::string& error)
{
    if (mode == AudioMode::NotReady) {
        error = NoFileOpen;
        return false;
    }
    Stop();
    const size_t frameBytes = FrameBytes();
    const auto count = static_cast<int32_t>(capturedBytes.load() / frameBytes);
    const std::unique_ptr<SoundSamples> sound = files->NewSamples({channels, sampleFreq, bytesPerSample}, count);
    if (!sound) {
        error.clear(); // the memory message has been shown
        return false;
    }
    int16_t* waves[2] = {sound->Channel(0), channels == 2 ? sound->Channel(1) : nullptr};
    for (int32_t i = 0; i < count; ++i) {
        const size_t offset = static_cast<size_t>(i) * frameBytes;
        const uint8_t* frame = blocks[offset / blockBytes].get() + offset % blockBytes;
        for (int c = 0; c < channels; ++c) {
            int16_t value;
            if (bytesPerSample == 1) {
                value = FromByteSample(frame[c]);
            } else {
                std::memcpy(&value, frame + 2 * c, 2);
            }
            waves[c][i] = value;
        }
    }
    if (!files->Write(fileName, *sound)) {
        error.clear(); // the writer has shown its message
        return false;
    }
    return true;
}

void PortAudioDevice::Halt(void* stream)
{
    // Aborting drops what is still buffered: a pause or stop is heard at once.
    if (stream && Pa_IsStreamStopped(AsStream(stream)) == 0)
        Pa_AbortStream(AsStream(stream));
}

void PortAudioDevice::CloseStreams()
{
    for (void** stream : {&output, &input})
        if (*stream) {
            Pa_CloseStream(AsStream(*stream));
            *stream = nullptr;
        }
}

void PortAudioDevice::ReportEnd()
{
    const uint64_t id = runningPlay.exchange(0);
    if (id != 0 && endHandler)
        endHandler(id);
}
