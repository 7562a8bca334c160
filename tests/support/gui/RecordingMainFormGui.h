#pragma once
// The main window as the document windows see it, without a main window: it
// records what they ask and answers with what the test set.
#include "foundation/BusyCursor.h"
#include "foundation/gui/PanelStatusBar.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QWidget>

#include <string>
#include <vector>

class RecordingMainFormGui : public MainFormGuiAccess {
public:
    QWidget* Widget() override { return &owner; }
    TMDIChildQuarbel* ActiveChild() const override { return active; }
    int CountChildWindows() const override { return windows; }
    void ActivateChild(TMDIChildQuarbel* window) override
    {
        Record("ActivateChild");
        active = window;
    }
    void WindowActivated(TMDIChildQuarbel*) override { Record("WindowActivated"); }
    void NoWindowActivated() override { Record("NoWindowActivated"); }
    void SetClosingWindow(TMDIChildQuarbel*) override { Record("SetClosingWindow"); }
    void SetModelessDialogActive(bool active) override { Record(active ? "DialogActive" : "DialogInactive"); }
    void RequestUpdate() override { Record("RequestUpdate"); }
    TBusyCursor& Busy() override { return busy; }
    bool SaveUnit(TFileUnit& unit) override
    {
        Record("SaveUnit");
        saved.push_back(&unit);
        return saveSucceeds;
    }
    bool PlayRecordEnabled() const override { return false; }
    void AudioUnitClosing(const TFileUnit*) override { Record("AudioUnitClosing"); }
    TPanelStatusBar* StatusBarWave() const override { return &waveBar; }
    TPanelStatusBar* StatusBarMuz() const override { return &muzBar; }
    TPanelStatusBar* StatusBarFact() const override { return &factBar; }
    void RefreshEnvelopeUsers(TMDIChildQuarbel*) override { Record("RefreshEnvelopeUsers"); }
    void RefreshEnvelopeUsersByName(const std::string&) override { Record("RefreshEnvelopeUsersByName"); }
    void NewFactoryForNode(int, const TSountoryNode&) override { Record("NewFactoryForNode"); }
    TMDIChildMuz* ActiveMuzWindow() const override { return nullptr; }
    void MusicStaveChanged(TNoteStave*) override { Record("MusicStaveChanged"); }
    void MusicPartsChanged(TUnitMuz*) override { Record("MusicPartsChanged"); }
    void BeginMusicKeySequence() override { Record("BeginMusicKeySequence"); }
    void EndMusicKeySequence() override { Record("EndMusicKeySequence"); }
    void MusicDialogClosed() override { Record("MusicDialogClosed"); }
    void MusTreeDialogClosed() override { Record("MusTreeDialogClosed"); }
    TMDIChildDlgPlayers* PlayersWindowOf(const TUnitPlayers&) const override { return nullptr; }

    // What the windows asked, in order, by name.
    std::vector<std::string> calls;
    std::vector<TFileUnit*> saved;
    bool saveSucceeds = true;
    int windows = 1;

private:
    void Record(const char* call) { calls.emplace_back(call); }

    QWidget owner;
    TMDIChildQuarbel* active = nullptr;
    TBusyCursor busy;
    mutable TPanelStatusBar waveBar{"StatusBarWave", {300, 160, 75, 70, 45, 24, 65, 60}, 1};
    mutable TPanelStatusBar muzBar{"StatusBarMuz", {300, 100, 70, 80, 50, 70, 80, 60}, -1};
    mutable TPanelStatusBar factBar{"StatusBarFact", {300, 160, 50}, -1};
};
