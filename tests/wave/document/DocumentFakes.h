#pragma once
#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UndoUnit.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveDocumentHost.h"
#include "wave/document/WaveWindowAccess.h"

#include <memory>
#include <string>
#include <vector>

// A wave window that writes down what the document asks of it.
class FakeWaveWindow : public WaveWindowAccess {
public:
    std::vector<std::string> calls;
    int soundChanged = 0;
    int icon = -1;
    uint8_t showKind = 0;
    bool hasViewGroup = true;

    void NameChanged(const std::string& oldName) override { calls.push_back("NameChanged " + oldName); }
    void UpdateChildCaption() override { calls.push_back("UpdateChildCaption"); }
    void SetDrawCursor() override { calls.push_back("SetDrawCursor"); }
    void RepaintWaveRange(int32_t from, int32_t to) override
    {
        calls.push_back("Range " + std::to_string(from) + " " + std::to_string(to));
    }
    void RepaintWavePos(int32_t position) override { calls.push_back("Pos " + std::to_string(position)); }
    void PaintCursorLine(int32_t position) override { calls.push_back("Line " + std::to_string(position)); }
    void SoundChanged() override { ++soundChanged; }
    void SetIconForMonoStereo(int32_t channels) override { icon = channels; }
    uint8_t GetShowKind() override { return showKind; }
    bool HasViewGroup() override { return hasViewGroup; }
    void BeginKeepZoom(int32_t, int32_t) override {}
    void EndKeepZoom(int32_t, int32_t) override {}
};

// The main window as the document sees it: a clipboard, the undo slot and
// the selection news.
class FakeHost : public WaveDocumentHost {
public:
    FakeHost() { previous = SetWaveDocumentHost(this); }
    ~FakeHost() override
    {
        undo.DeleteUndo();
        SetWaveDocumentHost(previous);
    }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    std::shared_ptr<Sound> GetClipBoardSound() override { return clipboard; }
    void SetClipBoardSound(std::shared_ptr<Sound> sound) override { clipboard = std::move(sound); }
    void MakeUndo(TUnitWave* unit) override { undo.MakeUndo(unit); }
    void DeleteUndo() override { undo.DeleteUndo(); }
    void DeleteUndoOfUnit(TUnitWave* unit) override { undo.DeleteUndoOfUnit(unit); }
    void WaveSelectionChanged(WaveWindowAccess*) override { ++selectionChanged; }

    std::shared_ptr<Sound> clipboard;
    TUndoSlot undo;
    int selectionChanged = 0;

private:
    WaveDocumentHost* previous;
};

// A mono sound whose values are 0, 1, 2 ... (wrapping) unless given.
inline std::shared_ptr<Sound> RampSound(int32_t values, int32_t freq = 44100, int channels = 1)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values);
    RefPtr<Wave> right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        left->getData()[i] = static_cast<int16_t>(i % 30000);
        right->getData()[i] = static_cast<int16_t>(-(i % 30000));
    }
    if (channels == 1)
        return std::make_shared<MonoSound>(left, freq, 2);
    return std::make_shared<StereoSound>(left, right, freq, 2);
}

// A document on a sound, shown in a fake window, with a fake host.
struct DocumentFixture {
    RecordingMessageService messages;
    FakeHost host;
    FakeWaveWindow window;
    std::unique_ptr<TUnitWave> unit;

    explicit DocumentFixture(std::shared_ptr<Sound> sound, const std::string& fileName = "take.wav")
        : unit(std::make_unique<TUnitWave>(std::move(sound), "Wave 1", fileName))
    {
        unit->SetWindow(&window);
        unit->SetChildWave(&window);
    }
};
