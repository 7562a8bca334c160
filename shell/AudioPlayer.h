#pragma once

class Sound;
class TMDIChildQuarbel;

// The main window's player and recorder, through which every request to play
// passes. This base plays nothing and reports play and record as off; the
// real player joins with its issue by overriding it.
class TAudioPlayer {
public:
    virtual ~TAudioPlayer() = default;

    virtual bool PlayRecordEnabled() const { return false; }
    // A recording waits for the pause to end.
    virtual bool PendingRecord() const { return false; }

    virtual void FilePlay(bool /*maximal*/, TMDIChildQuarbel* /*window*/) {}
    virtual void StopPlayer() {}
    virtual void PausePlayer() {}
    virtual void RecordIntoWave(TMDIChildQuarbel* /*window*/) {}
    virtual void PlaySound(const Sound& /*sound*/, bool /*maximal*/) {}
};
