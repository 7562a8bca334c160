// The transport actions and the audio player's place in the main window.
#include "foundation/gui/ProgressWindow.h"
#include "shell/AudioPlayer.h"
#include "shell/gui/MainForm.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <QAction>
#include <QMetaObject>

namespace {
using A = ActionId;
}

void TMainForm::InstallAudioHandlers()
{
    auto activeUnit = [this] {
        TMDIChildQuarbel* child = ActiveChild();
        return child ? child->GetFileUnit() : nullptr;
    };
    // Rendering music to play it can take long.
    SetActionHandler(A::FilePlay, [this, activeUnit] {
        TBusyGuard guard(busy);
        TProgressWindow progress(this);
        TheAudioPlayer->FilePlay(false, activeUnit());
    });
    SetActionHandler(A::FilePlayMax, [this, activeUnit] {
        TBusyGuard guard(busy);
        TProgressWindow progress(this);
        TheAudioPlayer->FilePlay(true, activeUnit());
    });
    SetActionHandler(A::FileStop, [this] { TheAudioPlayer->StopPlayer(); });
    SetActionHandler(A::FilePause, [this] { TheAudioPlayer->PausePlayer(); });
    SetActionHandler(A::FileRecord, [this, activeUnit] { TheAudioPlayer->RecordIntoWave(activeUnit()); });
}

void TMainForm::SetAudioPlayer(std::unique_ptr<TAudioPlayer> player)
{
    if (!player)
        return;
    TheAudioPlayer = std::move(player);
    // The device reports the end of a play on its own thread; the report is
    // queued to this thread, where the player and its state live. A report
    // that arrives after a newer play began carries an old id and is ignored.
    TheAudioPlayer->Device().SetPlayEndHandler([this](uint64_t playId) {
        QMetaObject::invokeMethod(
            this,
            [this, playId] {
                if (TheAudioPlayer)
                    TheAudioPlayer->PlayerNotify(playId);
            },
            Qt::QueuedConnection);
    });
    TheAudioPlayer->SetMarksChanged([this] { ShowTransportMarks(); });
    ShowTransportMarks();
}

void TMainForm::ShowTransportMarks()
{
    const TTransportMarks& marks = TheAudioPlayer->Marks();
    SetActionChecked(A::FilePlay, marks.play);
    SetActionChecked(A::FilePlayMax, marks.playMax);
    SetActionChecked(A::FilePause, marks.pause);
    SetActionChecked(A::FileRecord, marks.record);
    RequestUpdate();
}
