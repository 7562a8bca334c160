#pragma once
#include "platform/AudioDevice.h"
#include "platform/SoundFileAccess.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The sound card through PortAudio's default input and output. Play streams
// the opened file's samples as they are stored (8-bit unsigned or 16-bit
// signed, mono or stereo, at the file's rate); recording captures in the
// opened file's format and Save writes the capture into that file. The files
// are read and written through the access it is given (.wav files by default).
//
// The stream callbacks run on PortAudio's thread: they read the samples and
// write the capture without locks, and the end of a play is reported from
// there. Every command waits for the callbacks to finish before it touches
// what they use.
class PortAudioDevice : public AudioDevice {
public:
    explicit PortAudioDevice(std::unique_ptr<SoundFileAccess> files = MakeWaveFileAccess());
    ~PortAudioDevice() override;
    PortAudioDevice(const PortAudioDevice&) = delete;
    PortAudioDevice& operator=(const PortAudioDevice&) = delete;

    bool Available() const override { return available; }
    void SetPlayEndHandler(PlayEndHandler handler) override { endHandler = std::move(handler); }
    bool Open(const std::string& fileName, std::string& error) override;
    void Close() override;
    bool Play(uint64_t playId, std::string& error) override;
    void Pause() override;
    bool StartRecording(std::string& error) override;
    void Stop() override;
    bool Save(std::string& error) override;
    AudioMode Mode() const override { return mode.load(); }

    // The frames captured so far; it grows while a recording runs.
    size_t RecordedFrames() const { return channels ? capturedBytes.load() / FrameBytes() : 0; }

private:
    struct Callbacks;

    // Halts a stream (waiting for its callback) and leaves it ready to start again.
    void Halt(void* stream);
    void CloseStreams();
    // The running play ends, completed or cut off: its one report.
    void ReportEnd();
    size_t FrameBytes() const { return static_cast<size_t>(channels) * bytesPerSample; }

    std::unique_ptr<SoundFileAccess> files;
    bool initialised = false;
    bool available = false;
    PlayEndHandler endHandler;
    std::atomic<AudioMode> mode{AudioMode::NotReady};
    // The play whose end is still to be reported, 0 none.
    std::atomic<uint64_t> runningPlay{0};

    // The opened file.
    std::string fileName;
    int channels = 0;
    int sampleFreq = 0;
    int bytesPerSample = 0;
    std::vector<uint8_t> samples;     // frames as the stream takes them
    size_t frames = 0;
    std::atomic<size_t> playFrame{0}; // the next frame to play

    // The capture, in blocks so that the callback never moves what it wrote.
    std::vector<std::unique_ptr<uint8_t[]>> blocks;
    size_t blockBytes = 0;
    std::atomic<size_t> capturedBytes{0};
    std::atomic<bool> captureFull{false};

    void* output = nullptr; // PaStream
    void* input = nullptr;
};
