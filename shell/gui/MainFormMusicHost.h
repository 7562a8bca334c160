#pragma once
#include "music/document/MusicPlaying.h"

class TMainForm;

// The main window as the music's play and generate commands reach it: its
// busy cursor, its audio player and its new wave windows. Installed for the
// window's lifetime.
class TMainFormMusicHost : public MusicCommandHost {
public:
    explicit TMainFormMusicHost(TMainForm& form);
    ~TMainFormMusicHost() override;
    TMainFormMusicHost(const TMainFormMusicHost&) = delete;
    TMainFormMusicHost& operator=(const TMainFormMusicHost&) = delete;

    void BeginBusy() override;
    void EndBusy() override;
    void PlaySound(const Sound& sound) override;
    void OpenWave(SoundPtr sound, const std::string& prefix, const std::string& suffix) override;

private:
    TMainForm& form;
    MusicCommandHost* previous;
};
