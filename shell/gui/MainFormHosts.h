#pragma once
#include "music/PlayersNoteAccess.h"
#include "wave/MainFormAccess.h"
#include "wave/document/WaveDocumentHost.h"

#include <array>
#include <memory>

class QLabel;
class TMainForm;

// A panel of the wave status bar as the wave view writes it.
class TLabelStatusPanel : public WaveStatusPanel {
public:
    explicit TLabelStatusPanel(QLabel* label = nullptr) : label(label) {}
    void SetText(const std::string& value) override;
    void SetWidth(int value, const std::string& widest) override;

private:
    QLabel* label;
};

// How the core reaches the one main window: look-ups in the registry, the
// status panels, the clipboard sound, the undo slot and the notices. Installed
// for the main window's lifetime.
class TMainFormHosts : public MainFormAccess, public WaveDocumentHost {
public:
    explicit TMainFormHosts(TMainForm& form);
    ~TMainFormHosts() override;
    TMainFormHosts(const TMainFormHosts&) = delete;
    TMainFormHosts& operator=(const TMainFormHosts&) = delete;

    // MainFormAccess
    TUnitWave* FindUnitWave(const std::string& name) override;
    TUnitSountory* FindUnitSountory(const std::string& name) override;
    TUnitPlayers* FindUnitPlayers(const std::string& name) override;
    int AddPlayerSetNames(std::vector<std::string>& list) override;
    int AddMusicFactoryNames(std::vector<std::string>& list, uint8_t factoryKind) override;
    TUnitPlayers* NewUnitPlayers(const std::string& wishedName, std::string& givenName) override;
    int32_t NextValidationStamp() override;
    int AddWaveNames(WaveNameList& list, uint8_t filter) override;
    TMDIChildWave* ActiveWaveWindow() override;
    MainFormRect GetMainFormRect() override;
    void PlaySound(const Sound& sound, bool maxVolume) override;
    void RefreshEnvelopeUsers(TMDIChildWave* window) override;
    void UpdateEnvelopeViews(TViewWaveGroup* group, int fromColumn, int toColumn, int arrayWidth, int rangeBegin,
                             int rangeEnd, int sourceCount, int channels, int side, bool single) override;
    void WaveZoomChanged(TMDIChildWave* window, int pane) override;
    WaveStatusPanel* GetWaveStatusPanel(int n) override;
    void SetModelessDialogActive(bool active) override;
    void SelZoomDialogClosed() override;
    int AddFactoryNamesOfKind(FactoryNameList& list, uint8_t factoryKind) override;
    int AddOtherFactoryNames(std::vector<std::string>& list, const TUnitSountory* factory) override;
    int AddFactoryNodeNames(FactoryNodeList& list, uint8_t nodeKind, const TUnitSountory* excluded) override;
    bool CheckUnitName(const std::string& name, const TFileUnit* unit) override;
    void UnitNameChanged(const std::string& name) override;

    // WaveDocumentHost
    std::shared_ptr<Sound> GetClipBoardSound() override;
    void SetClipBoardSound(std::shared_ptr<Sound> sound) override;
    void MakeUndo(TUnitWave* unit) override;
    void DeleteUndo() override;
    void DeleteUndoOfUnit(TUnitWave* unit) override;
    TUnitWave* ActiveWaveUnit() override;
    void WaveSelectionChanged(WaveWindowAccess* window) override;

private:
    TMainForm& form;
    std::array<TLabelStatusPanel, 8> panels;
    TLabelStatusPanel spare;
    MainFormAccess* previousAccess;
    WaveDocumentHost* previousHost;
    // The music plays its notes through the open player sets.
    TPlayersNoteAccess notePlayers;
    NotePlayerAccess* previousNotePlayers;
};
