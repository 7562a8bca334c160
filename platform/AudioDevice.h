#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// What the device reports it is doing. The numbers are the media-player modes
// the player's rules are written in; this system's devices use all but seeking
// and open.
enum class AudioMode : int {
    NotReady = 0, // nothing opened
    Stopped = 1,  // a file is open, nothing runs
    Playing = 2,
    Recording = 3,
    Seeking = 4,
    Paused = 5,
    Open = 6,
};

// The sound device as the audio player drives it: it opens a .wav file, plays
// it from the current position, records in that file's format and saves the
// recording into it. Everything but the end handler is called on one thread.
class AudioDevice {
public:
    // Called exactly once for every Play that started, with its id, when that
    // play ends: run to its end or cut off by Pause, Stop, Close or another
    // Play. It may be called on the device's own thread; the receiver passes it
    // on to its thread and must not block.
    using PlayEndHandler = std::function<void(uint64_t playId)>;

    virtual ~AudioDevice() = default;

    // False when there is nothing to play on (no sound card): the player then
    // keeps play and record off.
    virtual bool Available() const = 0;
    // Installed once, before the first Play.
    virtual void SetPlayEndHandler(PlayEndHandler handler) = 0;

    // Reads the file: what Play plays, and the format StartRecording records in.
    virtual bool Open(const std::string& fileName, std::string& error) = 0;
    // Ends whatever runs and forgets the file and an unsaved recording.
    virtual void Close() = 0;
    // Plays from the current position (where a pause left it, else the start).
    virtual bool Play(uint64_t playId, std::string& error) = 0;
    // Holds a play or a recording where it is; does nothing otherwise.
    virtual void Pause() = 0;
    // Records in the opened file's format, after what was recorded before a pause.
    virtual bool StartRecording(std::string& error) = 0;
    virtual void Stop() = 0;
    // Writes what was recorded into the opened file. An empty error means the
    // writer has shown its message already.
    virtual bool Save(std::string& error) = 0;
    virtual AudioMode Mode() const = 0;
};

// The device the main window's player gets. Until a program installs a factory
// there is no device at all, so no test ever reaches a real sound card by
// accident.
using AudioDeviceFactory = std::function<std::unique_ptr<AudioDevice>()>;
std::unique_ptr<AudioDevice> MakeAudioDevice();
// Installs a factory and gives the previous one; an empty one restores "no device".
AudioDeviceFactory SetAudioDeviceFactory(AudioDeviceFactory factory);

// A machine without a sound card: nothing is available and every command fails.
class NoAudioDevice : public AudioDevice {
public:
    bool Available() const override { return false; }
    void SetPlayEndHandler(PlayEndHandler) override {}
    bool Open(const std::string& fileName, std::string& error) override;
    void Close() override {}
    bool Play(uint64_t playId, std::string& error) override;
    void Pause() override {}
    bool StartRecording(std::string& error) override;
    void Stop() override {}
    bool Save(std::string& error) override;
    AudioMode Mode() const override { return AudioMode::NotReady; }
};
