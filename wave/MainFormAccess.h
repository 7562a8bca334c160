#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Sound;
class TFileUnit;
class TSountoryNode;
class TCompoundPlayer;
class TUnitPlayers;
class TUnitSountory;
class TUnitWave;
class TMDIChildWave;
class TViewWaveGroup;

// One entry of a list of open waves for a combo box: the document's name and
// the document itself.
struct WaveNameItem {
    std::string name;
    TUnitWave* unit = nullptr;
};
using WaveNameList = std::vector<WaveNameItem>;

// One entry of a list of open factories, or of nodes of open factories, for
// a list box: the text shown and what it stands for.
struct FactoryNameItem {
    std::string name;
    TUnitSountory* factory = nullptr;
};
using FactoryNameList = std::vector<FactoryNameItem>;
struct FactoryNodeItem {
    std::string name; // factory name "." node name
    TSountoryNode* node = nullptr;
};
using FactoryNodeList = std::vector<FactoryNodeItem>;

struct MainFormRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A panel of the wave status bar. The shell gives a panel that shows what it is
// told; the stand-in only remembers it.
class WaveStatusPanel {
public:
    virtual ~WaveStatusPanel() = default;
    virtual void SetText(const std::string& value) { text = value; }
    // At least value pixels, and as wide as widest needs in the font the panel shows it in.
    virtual void SetWidth(int value, const std::string& widest)
    {
        width = value;
        widestText = widest;
    }
    const std::string& GetText() const { return text; }
    int GetWidth() const { return width; }
    const std::string& GetWidestText() const { return widestText; }

private:
    std::string text;
    int width = 0;
    std::string widestText;
};

// How the sound core, the wave documents and the wave view reach the main
// window without knowing it. The shell installs the real one at start-up;
// until then (and in tests that install nothing) every call is a harmless
// no-op: look-ups find nothing, nothing is played.
class MainFormAccess {
public:
    virtual ~MainFormAccess() = default;

    // The open wave document of that name, skipping a window that is closing.
    virtual TUnitWave* FindUnitWave(const std::string& name);
    // The open factory document of that name, likewise.
    virtual TUnitSountory* FindUnitSountory(const std::string& name);
    // The open player set of that name, likewise.
    virtual TUnitPlayers* FindUnitPlayers(const std::string& name);
    // The player of that name in the open player set of that name. This and
    // AddPlayerNames read a player set, so their bodies are on the music floor.
    virtual TCompoundPlayer* FindCompoundPlayer(const std::string& playerName, const std::string& setName);
    // Append the names of the open player sets, the player names of the open
    // set of that name (none for an empty name or a set not open), and the
    // names of the open factories of that kind and the free ones; each gives
    // the number added.
    virtual int AddPlayerSetNames(std::vector<std::string>& list);
    virtual int AddPlayerNames(std::vector<std::string>& list, const std::string& setName);
    virtual int AddMusicFactoryNames(std::vector<std::string>& list, uint8_t factoryKind);
    // A new, empty player set in its own window, named wishedName or, when an
    // open document has that name, a name made unique from it (givenName).
    // Null when there is no window to hold it.
    virtual TUnitPlayers* NewUnitPlayers(const std::string& wishedName, std::string& givenName);
    // A fresh stamp for a validation pass: every factory reached in the pass
    // is validated once under it.
    virtual int32_t NextValidationStamp();
    // Appends the names of open wave documents by filter (0 all, 1 all but the
    // active one, 2 mono ones but the active one, 3 stereo ones but the active
    // one) and gives the number added. The list is not cleared first.
    virtual int AddWaveNames(WaveNameList& list, uint8_t filter);
    virtual TMDIChildWave* ActiveWaveWindow();
    virtual MainFormRect GetMainFormRect();
    // Plays the whole sound, at full volume when asked. The sound is not kept.
    virtual void PlaySound(const Sound& sound, bool maxVolume);
    virtual void RefreshEnvelopeUsers(TMDIChildWave* window);
    virtual void UpdateEnvelopeViews(TViewWaveGroup* group, int fromColumn, int toColumn, int arrayWidth,
                                     int rangeBegin, int rangeEnd, int sourceCount, int channels, int side,
                                     bool single);
    virtual void WaveZoomChanged(TMDIChildWave* window, int pane);
    // Never null: an unknown panel number gives a spare panel.
    virtual WaveStatusPanel* GetWaveStatusPanel(int n);
    virtual void SetModelessDialogActive(bool active);
    virtual void SelZoomDialogClosed();

    // ---- what the factory dialogs list and check ----
    // Appends the open factories of a kind and the free ones (kind 4).
    virtual int AddFactoryNamesOfKind(FactoryNameList& list, uint8_t factoryKind);
    // Appends the names of the open factories but one.
    virtual int AddOtherFactoryNames(std::vector<std::string>& list, const TUnitSountory* factory);
    // Appends the nodes of a node kind of every open factory but the
    // excluded one, factory by factory in node-list order.
    virtual int AddFactoryNodeNames(FactoryNodeList& list, uint8_t nodeKind, const TUnitSountory* excluded);
    // True when the name is empty, free, or the document's own; else the
    // "already exists" message and false.
    virtual bool CheckUnitName(const std::string& name, const TFileUnit* unit);
    // A document's name changed: the Edit Name dialog shows it.
    virtual void UnitNameChanged(const std::string& name);

private:
    int32_t validationCounter = 0;
    // The wave status bar has eight panels.
    std::array<WaveStatusPanel, 8> panels;
    WaveStatusPanel spare;
};

// The access in force.
MainFormAccess& MainForm();

// Installs an access (not owned) and gives the previous one; nullptr restores the no-op one.
MainFormAccess* SetMainFormAccess(MainFormAccess* access);
