#include "shell/gui/MainFormMusicHost.h"

#include "shell/AudioPlayer.h"
#include "shell/gui/MainForm.h"

TMainFormMusicHost::TMainFormMusicHost(TMainForm& form) : form(form), previous(SetMusicCommandHost(this)) {}

TMainFormMusicHost::~TMainFormMusicHost()
{
    SetMusicCommandHost(previous);
}

void TMainFormMusicHost::BeginBusy()
{
    form.BeginBusy();
}

void TMainFormMusicHost::EndBusy()
{
    form.EndBusy();
}

void TMainFormMusicHost::PlaySound(const Sound& sound)
{
    form.AudioPlayer().PlaySound(sound, false);
}

void TMainFormMusicHost::OpenWave(SoundPtr sound, const std::string& prefix, const std::string& suffix)
{
    form.CreateWaveFromSound(std::move(sound), prefix, suffix);
}
