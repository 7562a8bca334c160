#include "shell/AudioPlayer.h"

#include "foundation/GuiMessages.h"
#include "music/document/MusicPlaying.h"
#include "music/document/UnitMuz.h"
#include "platform/MessageService.h"
#include "wave/Sound.h"
#include "wave/WaveFile.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveDocumentHost.h"
#include "wave/document/WaveFileProps.h"
#include "wave/document/WaveWindowAccess.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <utility>

namespace {

const char* const PlayFile = "qbtempplaywave.wav";
const char* const RecordFile = "qbtemprecwave.wav";
const char* const ErrorCaption = "Error";

// Ids are unique in the process, so that no report of a player that was
// replaced can ever match a play of its successor.
uint64_t NewPlayId()
{
    static std::atomic<uint64_t> last{0};
    return ++last;
}

std::string SystemTempDirectory()
{
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    return ec || folder.empty() ? std::string("/tmp") : folder.string();
}

bool SameFormat(const TWaveFileProps& a, const TWaveFileProps& b)
{
    return a.SampleFreq == b.SampleFreq && a.MonoStereo == b.MonoStereo && a.BytesPSample == b.BytesPSample;
}

} // namespace

TAudioPlayer::TAudioPlayer(std::unique_ptr<AudioDevice> device, const std::string& directory)
    : device(device ? std::move(device) : std::make_unique<NoAudioDevice>()),
      tempDirectory(directory.empty() ? SystemTempDirectory() : directory)
{
    const std::filesystem::path folder(tempDirectory);
    playFileName = (folder / PlayFile).string();
    recordFileName = (folder / RecordFile).string();
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (!std::filesystem::is_directory(folder, ec)) {
            TGuiMessages().ErrorCreateDirectory(tempDirectory);
            folderUsable = false;
        }
    }
}

TAudioPlayer::~TAudioPlayer()
{
    // An unsaved recording goes with the device; the documents are not touched.
    device->Close();
}

// ---------------------------------------------------------------- playing

void TAudioPlayer::PlaySound(const Sound& sound, bool maximal)
{
    PlaySoundRange(sound, 0, sound.GetValues(), maximal);
}

bool TAudioPlayer::PlaySoundRange(const Sound& sound, int32_t first, int32_t end, bool maximal)
{
    if (!CheckUsable())
        return false;
    // Playing and recording share the device: a recording is finished and
    // kept before anything plays.
    if (recordUnitWave)
        StopPlayer();
    // This ends a play in progress; its report is now stale.
    device->Close();
    currentPlay = 0;
    marks.play = marks.playMax = false;

    end = std::clamp(end, 0, sound.GetValues());
    first = std::clamp(first, 0, end);
    SoundPtr louder;
    const Sound* source = &sound;
    if (maximal) {
        // Out of memory: the engine has said so, and nothing plays.
        louder = MaxVolumeCopyForPlaying(sound, first, end);
        if (!louder) {
            TellMarks();
            return false;
        }
        source = louder.get();
    }
    StopFlag stop = 0;
    if (!source->SaveWaveFile(&stop, playFileName, first, end)) {
        TellMarks(); // the writer has said why
        return false;
    }
    louder.reset();
    std::string error;
    if (!device->Open(playFileName, error)) {
        ShowDeviceError("Cannot play the sound", error);
        TellMarks();
        return false;
    }
    if (paused) {
        pendingPlay = true;
    } else {
        StartPlay();
        if (currentPlay == 0) {
            TellMarks();
            return false;
        }
    }
    (maximal ? marks.playMax : marks.play) = true;
    TellMarks();
    return true;
}

void TAudioPlayer::FilePlay(bool maximal, TFileUnit* unit)
{
    // Music plays through its rendering; factories and player sets have
    // nothing to play.
    if (auto* music = dynamic_cast<TUnitMuz*>(unit)) {
        const SoundPtr sound = TMusicPlaying(*music).GenerateWaveFromMusic();
        if (sound && sound->GetValues() > 0)
            PlaySoundRange(*sound, 0, sound->GetValues(), maximal);
        return;
    }
    auto* wave = dynamic_cast<TUnitWave*>(unit);
    if (!wave || wave->GetValues() == 0)
        return;
    const SoundPtr sound = wave->GetSound();
    PlaySoundRange(*sound, wave->GetOperationBegin(), wave->GetOperationEnd(), maximal);
}

void TAudioPlayer::StartPlay()
{
    const uint64_t id = NewPlayId();
    std::string error;
    if (device->Play(id, error)) {
        currentPlay = id;
        return;
    }
    ShowDeviceError("Cannot play the sound", error);
    device->Close();
    currentPlay = 0;
    marks.play = marks.playMax = false;
}

void TAudioPlayer::PausePlayer()
{
    if (!CheckUsable())
        return;
    if (pendingPlay) {
        pendingPlay = paused = marks.pause = false;
        StartPlay();
    } else if (pendingRecord) {
        pendingRecord = paused = marks.pause = false;
        StartRecording();
    } else {
        switch (device->Mode()) {
        case AudioMode::Playing:
        case AudioMode::Paused:
            if (!marks.pause) {
                // The play that is cut off reports its end: a stale report.
                currentPlay = 0;
                device->Pause();
            } else {
                StartPlay(); // resumes where the pause left it
            }
            marks.pause = device->Mode() == AudioMode::Paused;
            break;
        case AudioMode::Recording:
            // A recording is not paused: Pause is off while one runs.
            break;
        default:
            // Nothing plays: arm or disarm the pause for the next play or recording.
            paused = !paused;
            marks.pause = paused;
            break;
        }
    }
    TellMarks();
}

void TAudioPlayer::StopPlayer()
{
    const AudioMode mode = device->Mode();
    pendingPlay = pendingRecord = false;
    // Stopping a paused play leaves the pause armed.
    paused = marks.pause;
    if (recordUnitWave && (mode == AudioMode::Recording || mode == AudioMode::Paused)) {
        FinishRecording();
    } else {
        device->Close();
        currentPlay = 0;
        marks.play = marks.playMax = false;
        // A recording that waited for the pause never started: nothing to keep.
        recordUnitWave = nullptr;
        marks.record = false;
    }
    TellMarks();
}

void TAudioPlayer::PlayerNotify(uint64_t playId)
{
    if (playId == 0 || playId != currentPlay)
        return;
    currentPlay = 0;
    const AudioMode mode = device->Mode();
    if (mode != AudioMode::Stopped && mode != AudioMode::Playing)
        return;
    device->Close();
    marks.play = marks.playMax = false;
    paused = false;
    TellMarks();
}

// ---------------------------------------------------------------- recording

void TAudioPlayer::RecordIntoWave(TFileUnit* unit)
{
    if (!CheckUsable())
        return;
    if (device->Mode() == AudioMode::Recording) {
        StopPlayer();
        return;
    }
    // A play, or a play or recording that waited for the pause, ends here.
    device->Close();
    currentPlay = 0;
    marks.play = marks.playMax = marks.record = false;
    pendingPlay = pendingRecord = false;
    recordUnitWave = nullptr;

    auto* wave = dynamic_cast<TUnitWave*>(unit);
    if (!wave || wave->GetValues() != 0) {
        TellMarks();
        return;
    }
    // The empty file tells the device the format to record in.
    StopFlag stop = 0;
    if (!WriteWaveFile(&stop, recordFileName, *wave->GetSound(), 0, 0)) {
        TellMarks();
        return;
    }
    std::string error;
    if (!device->Open(recordFileName, error)) {
        ShowDeviceError("Cannot record", error);
        TellMarks();
        return;
    }
    recordUnitWave = wave;
    marks.record = true;
    if (paused)
        pendingRecord = true;
    else
        StartRecording();
    TellMarks();
}

void TAudioPlayer::StartRecording()
{
    std::string error;
    if (device->StartRecording(error))
        return;
    ShowDeviceError("Cannot record", error);
    DropRecording();
}

void TAudioPlayer::FinishRecording()
{
    // Whatever happens next, the recording is over for this wave.
    TUnitWave* unit = std::exchange(recordUnitWave, nullptr);
    marks.record = false;
    device->Stop();
    std::string error;
    const bool saved = device->Save(error);
    device->Close();
    currentPlay = 0;
    if (!saved) {
        if (!error.empty())
            ShowDeviceError("Cannot save the recording", error);
        return;
    }
    InsertRecording(*unit);
}

void TAudioPlayer::InsertRecording(TUnitWave& unit)
{
    SoundPtr recorded;
    std::string error;
    if (!ReadWaveFile(recordFileName, recorded, error) || !recorded) {
        ShowMessage("Cannot read the file: \"" + recordFileName + "\", " + error, "File Error",
                    MsgIcon::Information);
        return;
    }
    const TWaveFileProps wanted(unit.GetMonoStereo(), unit.GetSampleFreq(), unit.GetBytesPSample());
    const TWaveFileProps got(static_cast<uint16_t>(recorded->channels), static_cast<uint32_t>(recorded->sampleFreq),
                             static_cast<uint16_t>(recorded->bytesPerSample));
    // The wave was empty when the recording began; anything put into it since
    // stays within reach of Undo.
    if (unit.GetValues() != 0)
        WaveHost().MakeUndo(&unit);
    SoundPtr previous = unit.ExchangeSound(std::move(recorded));
    // A device that ignored the file's format: the recording is brought into the wave's.
    if (!SameFormat(wanted, got)) {
        unit.ChangeFileProps(got, wanted);
        if (!unit.LastCommandChanged()) {
            unit.ExchangeSound(std::move(previous));
            ShowMessage("The recording could not be brought into the format of the wave \"" + unit.GetName() +
                            "\"; the wave is unchanged.",
                        ErrorCaption, MsgIcon::Exclamation);
            return;
        }
    }
    unit.SetChanged();
    if (WaveWindowAccess* window = unit.GetChildWave())
        window->SoundChanged();
}

void TAudioPlayer::DropRecording()
{
    device->Close();
    currentPlay = 0;
    recordUnitWave = nullptr;
    pendingRecord = false;
    marks.record = false;
}

void TAudioPlayer::UnitClosing(const TFileUnit* unit)
{
    if (!unit || unit != recordUnitWave)
        return;
    DropRecording();
    TellMarks();
}

// ---------------------------------------------------------------- helpers

bool TAudioPlayer::CheckUsable()
{
    if (PlayRecordEnabled())
        return true;
    // A missing temporary folder was reported at start.
    if (folderUsable && !noDeviceShown) {
        noDeviceShown = true;
        ShowMessage("There is no audio device: playing and recording are off.", ErrorCaption, MsgIcon::Exclamation);
    }
    return false;
}

void TAudioPlayer::ShowDeviceError(const std::string& what, const std::string& error) const
{
    ShowMessage(what + ": " + error, ErrorCaption, MsgIcon::Exclamation);
}

void TAudioPlayer::TellMarks()
{
    if (marksChanged)
        marksChanged();
}
