#pragma once
#include "platform/AudioDevice.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Sound;
class TFileUnit;
class TUnitWave;

// The check marks the player keeps on the transport actions; Stop has none
// and is enabled while one of Play, Play Maximal or Record is checked.
struct TTransportMarks {
    bool play = false;
    bool playMax = false;
    bool pause = false;
    bool record = false;
    bool operator==(const TTransportMarks&) const = default;
};

// The main window's player and recorder, through which every request to play
// passes. A sound to be played is written to a temporary .wav file that the
// device plays; a recording goes into a temporary .wav file of the target
// wave's format and is read back into the wave when it stops.
//
// Everything here runs on the GUI thread. Each play gets an id of its own; the
// device reports the end of every play once, and the receiver hands that
// report back to PlayerNotify on this thread. A report whose id is not that of
// the play now running (a play that was cut off by a newer one, a pause or a
// stop) changes nothing.
class TAudioPlayer {
public:
    // Without a device (or with one that is not available) play and record are
    // off. The temporary files go into tempDirectory, by default the system's
    // temporary folder, which is made when missing.
    explicit TAudioPlayer(std::unique_ptr<AudioDevice> device = nullptr, const std::string& tempDirectory = "");
    ~TAudioPlayer();
    TAudioPlayer(const TAudioPlayer&) = delete;
    TAudioPlayer& operator=(const TAudioPlayer&) = delete;

    // Called after every command that may have changed the marks.
    void SetMarksChanged(std::function<void()> callback) { marksChanged = std::move(callback); }
    AudioDevice& Device() { return *device; }

    // ---- what the action update reads ----
    bool PlayRecordEnabled() const { return folderUsable && device->Available(); }
    // A recording waits for the pause to end.
    bool PendingRecord() const { return pendingRecord; }
    const TTransportMarks& Marks() const { return marks; }
    bool IsPaused() const { return paused; }
    bool PendingPlay() const { return pendingPlay; }
    // The wave being recorded into (also while the recording waits), or none.
    const TUnitWave* RecordTarget() const { return recordUnitWave; }
    const std::string& GetPlayFileName() const { return playFileName; }
    const std::string& GetRecordFileName() const { return recordFileName; }

    // ---- the commands ----
    // The whole sound.
    void PlaySound(const Sound& sound, bool maximal);
    // Values [first, end) of the sound; at maximal volume a copy is played and
    // the sound stays as it is. False when nothing is played.
    bool PlaySoundRange(const Sound& sound, int32_t first, int32_t end, bool maximal);
    // What the document shows: a wave's selection, or the whole wave without
    // one. Other documents, and an empty wave, play nothing.
    void FilePlay(bool maximal, TFileUnit* unit);
    void PausePlayer();
    void StopPlayer();
    // The device's report that play playId ended.
    void PlayerNotify(uint64_t playId);
    // Records into an empty wave; pressed again while recording, stops.
    void RecordIntoWave(TFileUnit* unit);
    // The document is going away: a recording into it stops and is thrown away.
    void UnitClosing(const TFileUnit* unit);

private:
    // False (and one message in the run) when there is nothing to play on.
    bool CheckUsable();
    void StartPlay();
    void StartRecording();
    // Ends the recording on the device and puts it into its wave.
    void FinishRecording();
    void InsertRecording(TUnitWave& unit);
    // The recording is dropped: the device is closed and Record unchecked.
    void DropRecording();
    void ShowDeviceError(const std::string& what, const std::string& error) const;
    void TellMarks();

    std::unique_ptr<AudioDevice> device;
    std::function<void()> marksChanged;
    std::string tempDirectory;
    std::string playFileName;
    std::string recordFileName;
    bool folderUsable = true;
    bool noDeviceShown = false;

    TTransportMarks marks;
    // Pause is armed: a play or recording asked for now waits for the next Pause.
    bool paused = false;
    bool pendingPlay = false;
    bool pendingRecord = false;
    // The play whose end report counts; 0 while none runs.
    uint64_t currentPlay = 0;
    TUnitWave* recordUnitWave = nullptr;
};
