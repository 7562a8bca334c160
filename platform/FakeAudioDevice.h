#pragma once
#include "platform/AudioDevice.h"

#include <string>
#include <vector>

// A device for tests: it keeps the modes as a sound card would, logs every
// command, ends a play only when told to, and "records" by copying a prepared
// .wav file into the opened one on Save. The end handler runs on the thread
// that ends the play.
class FakeAudioDevice : public AudioDevice {
public:
    explicit FakeAudioDevice(bool available = true) : available(available) {}

    bool Available() const override { return available; }
    void SetPlayEndHandler(PlayEndHandler handler) override { endHandler = std::move(handler); }
    bool Open(const std::string& fileName, std::string& error) override;
    void Close() override;
    bool Play(uint64_t playId, std::string& error) override;
    void Pause() override;
    bool StartRecording(std::string& error) override;
    void Stop() override;
    bool Save(std::string& error) override;
    AudioMode Mode() const override { return mode; }

    // ---- what a test does to it ----
    // The running play reaches its end.
    void FinishPlay();
    // What Save copies into the opened file; none leaves the file as it is.
    void SetRecording(const std::string& waveFileName) { recordingSource = waveFileName; }
    void SetSaveFails(bool fails) { saveFails = fails; }
    void SetStartFails(bool fails) { startFails = fails; }

    // ---- what a test reads ----
    const std::string& OpenedFile() const { return openedFile; }
    // The commands in order: "Open", "Close", "Play 7", "Pause", "Record", "Stop", "Save".
    const std::vector<std::string>& Log() const { return log; }
    void ClearLog() { log.clear(); }
    uint64_t RunningPlay() const { return runningPlay; }

private:
    // The running play ends, completed or cut off: its one report.
    void EndPlay();

    bool available;
    bool saveFails = false;
    bool startFails = false;
    PlayEndHandler endHandler;
    AudioMode mode = AudioMode::NotReady;
    std::string openedFile;
    std::string recordingSource;
    uint64_t runningPlay = 0;
    std::vector<std::string> log;
};
