// Deleting, trimming and the clipboard commands.
#include "foundation/GuiMessages.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveDocumentHost.h"

namespace {
// The values a replacement put in place of a range of length removed.
int32_t InsertedValues(const Sound& before, const Sound& after, int32_t removed)
{
    return after.GetValues() - (before.GetValues() - removed);
}
} // namespace

void TUnitWave::EditDelete()
{
    BeginCommand();
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [this](int32_t& b, int32_t& e) {
        SoundPtr result = TheSound->DeleteRange(&stopFlag, b, e);
        e = b;
        return result;
    });
}

void TUnitWave::EditTrim()
{
    BeginCommand();
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [this](int32_t& b, int32_t& e) {
        SoundPtr result = TheSound->Extract(&stopFlag, b, e);
        e = e - b;
        b = 0;
        return result;
    });
}

void TUnitWave::EditCopy()
{
    BeginCommand();
    CopyToClipboard(GetOperationBegin(), GetOperationEnd());
}

void TUnitWave::EditCut()
{
    BeginCommand();
    RunLengthCommand(GetOperationBegin(), GetOperationEnd(), [this](int32_t& b, int32_t& e) {
        // The clipboard changes only with the wave: a copy that failed deletes
        // nothing, and a deletion that failed leaves the clipboard as it was.
        SoundPtr copy = TheSound->Extract(&stopFlag, b, e);
        SoundPtr result = copy && !stopFlag ? TheSound->DeleteRange(&stopFlag, b, e) : nullptr;
        if (result && !stopFlag)
            WaveHost().SetClipBoardSound(std::move(copy));
        e = b;
        return result;
    });
}

void TUnitWave::EditPaste()
{
    BeginCommand();
    SoundPtr clip = WaveHost().GetClipBoardSound();
    if (!clip) {
        Refuse("The clipboard is empty.");
        return;
    }
    RunLengthCommand(GetSelectBegin(), GetSelectEnd(), [&](int32_t& b, int32_t& e) {
        SoundPtr result = TheSound->Replace(&stopFlag, *clip, b, e);
        if (result)
            e = b + InsertedValues(*TheSound, *result, e - b);
        return result;
    });
}

void TUnitWave::EditSwap()
{
    BeginCommand();
    SoundPtr clip = WaveHost().GetClipBoardSound();
    if (!clip) {
        Refuse("The clipboard is empty.");
        return;
    }
    int32_t b = GetSelectBegin(), e = GetSelectEnd();
    BeginOperation(b, e);
    SoundPtr extracted = TheSound->Extract(&stopFlag, b, e);
    SoundPtr replaced = TheSound->Replace(&stopFlag, *clip, b, e);
    if (!stopFlag && extracted && replaced) {
        int32_t newEnd = b + InsertedValues(*TheSound, *replaced, e - b);
        WaveHost().SetClipBoardSound(std::move(extracted));
        TakeResult(std::move(replaced));
        EndOperation(b, newEnd);
    } else {
        // Stopped: the user's clipboard and the wave stay as they were.
        EndOperation(b, e);
    }
    TellWindow();
}

void TUnitWave::EditExtract()
{
    BeginCommand();
    int32_t b = GetOperationBegin(), e = GetOperationEnd();
    // As with Cut: the clipboard changes only when the range was also silenced.
    SoundPtr extracted = TheSound->Extract(&stopFlag, b, e);
    SoundPtr copy;
    if (extracted && !stopFlag) {
        if (GetMonoStereo() == 1)
            copy = std::make_shared<MonoSound>(&stopFlag, *TheSound);
        else
            copy = std::make_shared<StereoSound>(&stopFlag, *TheSound);
        if (!stopFlag)
            copy->DrawSegment(&stopFlag, b, 0, e, 0);
    }
    if (TakeResult(std::move(copy)))
        WaveHost().SetClipBoardSound(std::move(extracted));
    TellWindow();
}

void TUnitWave::EditMix(const TMixProps& props)
{
    BeginCommand();
    MixProps = props;
    SoundPtr clip = WaveHost().GetClipBoardSound();
    if (!clip) {
        Refuse("The clipboard is empty.");
        return;
    }
    int32_t len = (CursorPos == AnchorPos || GetValues() == 0) ? -1 : GetSelectEnd() - GetSelectBegin();
    uint8_t place = MixProps.Place;
    RunKeepCommand([&]() -> SoundPtr {
        switch (place) {
        case 0:
            return TheSound->MixAlignBegin(&stopFlag, *clip, GetSelectBegin(), len, false);
        case 1:
            return TheSound->MixAlignEnd(&stopFlag, *clip, GetSelectEnd(), len, true);
        default:
            return TheSound->MixStretch(&stopFlag, *clip, GetOperationBegin(), GetOperationEnd());
        }
    });
}
