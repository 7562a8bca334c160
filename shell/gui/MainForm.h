#pragma once
#include "foundation/BusyCursor.h"
#include "foundation/commands/ActionId.h"
#include "shell/CommandStates.h"
#include "shell/DocumentRegistry.h"
#include "shell/EffectSettings.h"
#include "shell/ShortcutTable.h"
#include "wave/document/UndoUnit.h"
#include "wave/view/VoldViewProps.h"
#include "wave/view/WaveViewProps.h"
#include "wave/window/gui/MainFormGuiAccess.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QKeyEvent;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class Sound;
class TAudioPlayer;
class TMDIChildQuarbel;
class TMDIChildWave;
class TMainFormFiles;
class TMainFormHosts;
class TMainFormMusic;
class TMainFormMusicHost;
class TMainFormPlayers;
class TMainFormProjects;
class TModelessDialogs;
class TPanelStatusBar;
class TNoteStave;
class TUnitMuz;
class TUnitWave;
class TViewWaveGroup;
struct TWaveFileProps;

// What the main window opens a command-line file with. Each opener reports its
// own failure; the kinds whose documents are not built yet say so.
struct TDocumentOpeners {
    std::function<void(const std::string&)> openProject;
    std::function<void(const std::string&)> openPlayers;
    std::function<void(const std::string&)> openFactory;
    std::function<void(const std::string&)> openMusic;
    std::function<void(const std::string&)> openWave;
};

// The frame of the multiple-document interface: the actions with their menus,
// toolbars and status bars, the registry of open document windows, and what
// lives as long as the program (effect defaults, view defaults, clipboard
// sound, undo snapshot, validation stamps, modeless dialogs, audio player).
class TMainForm : public QMainWindow, public TBusyCursorHost, public MainFormGuiAccess {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // ---- program entry ----
    // Opens the file named on the command line (empty: none).
    void FormShow(const std::string& commandLineFile);
    TDocumentOpeners& Openers() { return openers; }

    // The busy cursor nests; message boxes show the normal cursor meanwhile.
    void BeginBusy() { busy.BeginBusy(); }
    void EndBusy() { busy.EndBusy(); }
    TBusyCursor& Busy() override { return busy; }
    void ShowBusy() override;
    void ShowNormal() override;

    int32_t NextValidationStamp() { return ++ValidationCounter; }
    int32_t GetValidationCounter() const { return ValidationCounter; }

    // ---- registry ----
    QMdiArea* MdiArea() const { return mdiArea; }
    // The document window of the area's current sub-window (also while a
    // modeless dialog has the focus); null when none or when it is closing.
    TMDIChildQuarbel* ActiveChild() const override;
    TMDIChildQuarbel* ActiveChildOfKind(unsigned char kind) const;
    TDocumentRegistry Registry() const;
    int CountChildWindows() const override;
    // Adds a document window to the area, shows and activates it.
    void AddChildWindow(TMDIChildQuarbel* window);
    void SetClosingWindow(TMDIChildQuarbel* window) override;

    bool CheckUnitName(const std::string& name, const TMDIChildQuarbel* window) const;
    std::string NewUnitName(const std::string& prefix, const std::string& suffix) const;
    std::string FreeUnitName(const std::string& wished) const;

    // ---- change notices ----
    // Repaints the wave windows that draw the window's wave as their envelope.
    void RefreshEnvelopeUsers(TMDIChildQuarbel* window) override;
    void RefreshEnvelopeUsersByName(const std::string& waveName) override;
    void WaveSelectionChanged(TMDIChildQuarbel* window);
    // Passed on only for the active wave window.
    void WaveZoomChanged(TMDIChildQuarbel* window, int pane);

    // ---- activation notices ----
    void WindowActivated(TMDIChildQuarbel* window) override; // the notice of the window's kind
    void WaveWindowActivated(TMDIChildQuarbel* window);
    void MusicWindowActivated(TMDIChildQuarbel* window);
    void FactoryWindowActivated(TMDIChildQuarbel* window);
    void PlayersWindowActivated(TMDIChildQuarbel* window);
    void NoWindowActivated() override;
    void HideWaveTools();
    void HideMusicTools();
    void ClearMusicShortCuts();
    void ClearFactoryShortCuts();
    void ClearPlayersShortCuts();
    void SetMusicShortCuts();
    void BeginMusicKeySequence() override;
    void EndMusicKeySequence() override;
    void SetModelessDialogActive(bool active) override { ModelessDialogActive = active; }
    bool IsModelessDialogActive() const { return ModelessDialogActive; }

    // ---- actions ----
    QAction* Action(ActionId id) const { return actions[ActionIndex(id)]; }
    // Runs the action's handler when the action is enabled.
    void Execute(ActionId id);
    // Handlers of later commands join here.
    void SetActionHandler(ActionId id, std::function<void()> handler);
    bool HasHandler(ActionId id) const { return static_cast<bool>(handlers[ActionIndex(id)]); }
    // The action update: the snapshot of the active document, the rules, and
    // their result on the actions, menus and toolbars.
    void UpdateActions();
    // Asks for one update at the next turn of the event loop.
    void RequestUpdate() override;
    TCommandSnapshot TakeSnapshot() const;
    const TCommandStates& States() const { return states; }
    // The audio player and the dialogs' close boxes set check marks themselves.
    void SetActionChecked(ActionId id, bool checked);
    TShortcutTable& ShortCuts() { return shortcuts; }
    // Runs the action that holds the key in the active kind; false when none does.
    bool DispatchKey(const QKeyEvent& event);
    ActionId FindKeyAction(const QKeyEvent& event);
    QMenu* Menu(const char* name) const;
    QToolBar* ToolBar(const char* name) const;

    // ---- status bars ----
    TPanelStatusBar* StatusBarWave() const override { return statusBarWave; }
    TPanelStatusBar* StatusBarMuz() const override { return statusBarMuz; }
    TPanelStatusBar* StatusBarFact() const override { return statusBarFact; }

    // ---- what lives as long as the program ----
    TEffectSettings& EffectSettings() { return *effectSettings; }
    void CopyEffectSettingsTo(TUnitWave& unit) const { effectSettings->CopyTo(unit); }
    const TWaveViewProps& DefaultWaveViewProps() const { return defaultWaveViewProps; }
    const TVoldViewProps& DefaultVoldViewProps() const { return defaultVoldViewProps; }
    std::shared_ptr<Sound> GetClipBoardSound() const { return ClipBoardSound; }
    void SetClipBoardSound(std::shared_ptr<Sound> sound) { ClipBoardSound = std::move(sound); }
    void ClearClipBoard() { ClipBoardSound.reset(); }
    void MakeUndo(TUnitWave* unit) { TheUndo.MakeUndo(unit); }
    void DeleteUndo() { TheUndo.DeleteUndo(); }
    void DeleteUndoOfUnit(TUnitWave* unit) { TheUndo.DeleteUndoOfUnit(unit); }
    TUndoSlot& UndoSlot() { return TheUndo; }
    TModelessDialogs& ModelessDialogs() { return *TheModelessDialogs; }
    void SetModelessDialogs(std::unique_ptr<TModelessDialogs> dialogs);
    TAudioPlayer& AudioPlayer() { return *TheAudioPlayer; }
    void SetAudioPlayer(std::unique_ptr<TAudioPlayer> player);
    // The player sets (MainFormPlayers.cpp).
    TMainFormPlayers& Players() { return *players; }
    // The music (MainFormMusic.cpp).
    TMainFormMusic& Music() { return *music; }
    // A stave's rooms were dragged: the Music Staves dialog shows them. The
    // music's parts changed: the Music Parts dialog refreshes.
    void MusicStaveChanged(TNoteStave* stave) override;
    void MusicPartsChanged(TUnitMuz* unit) override;
    const std::string& GetProjectWriteFile() const { return ProjectWriteFile; }
    const std::string& GetProjectReadFile() const { return ProjectReadFile; }
    void SetProjectFiles(const std::string& readFile, const std::string& writeFile);
    // The file commands (MainFormFiles.cpp) and the projects (MainFormProjects.cpp).
    TMainFormFiles& Files() { return *files; }
    TMainFormProjects& Projects() { return *projects; }
    // The Edit Name dialog shows the name of the document just opened or renamed.
    void UnitNameChanged(const std::string& name);
    TUnitWave* FindUnitWave(const std::string& name) const;
    TUnitWave* ActiveWaveUnit() const;

    // ---- wave documents and their windows ----
    TMDIChildWave* ActiveWaveWindow() const;
    // The window takes the document over, with copies of the view settings.
    TMDIChildWave* CreateWaveWindow(std::unique_ptr<TUnitWave> unit, TWaveViewProps waveViewProps,
                                    TVoldViewProps voldViewProps);
    // A new empty wave of that format in its window ("Wave n").
    TUnitWave* NewWave(const TWaveFileProps& props);
    // Opens a .wav file (with its side file; from the temporary copy of a
    // project when one is named). A file that cannot be read gives its message
    // and no window (null).
    TUnitWave* OpenWaveFile(bool fromProject, const std::string& fileName, const std::string& tempFileName);
    // The same, giving the message of a file that cannot be read in error
    // instead of showing it. A side file that cannot be read still shows its
    // own message: the wave opens without it.
    TUnitWave* LoadWaveWindow(bool fromProject, const std::string& fileName, const std::string& tempFileName,
                              std::string& error);
    // Each file in turn; one that cannot be read does not stop the others.
    void OpenWaveFiles(const std::vector<std::string>& fileNames);
    // A new window around a sound made elsewhere; marked changed.
    TMDIChildWave* CreateWaveFromSound(std::shared_ptr<Sound> sound, const std::string& prefix,
                                       const std::string& suffix);
    // The volume diagram of the group's wave got new columns: the windows that
    // draw that wave as their envelope follow column by column.
    void UpdateEnvelopeViews(TViewWaveGroup* group, int fromColumn, int toColumn, int arrayWidth, int rangeBegin,
                             int rangeEnd, int sourceCount, int channels, int side, bool single);

    // The four callbacks of the modeless dialogs' close boxes.
    void SelZoomDialogClosed();
    void MusicDialogClosed() override;
    void MusTreeDialogClosed() override;
    void EditNameDialogClosed();

    // ---- the rest of what the document windows ask (MainFormWindowAccess.cpp) ----
    QWidget* Widget() override { return this; }
    void ActivateChild(TMDIChildQuarbel* window) override;
    bool SaveUnit(TFileUnit& unit) override;
    bool PlayRecordEnabled() const override;
    void AudioUnitClosing(const TFileUnit* unit) override;
    void NewFactoryForNode(int createKind, const TSountoryNode& node) override;
    TMDIChildMuz* ActiveMuzWindow() const override;
    TMDIChildDlgPlayers* PlayersWindowOf(const TUnitPlayers& set) const override;

signals:
    // The window was closed for good: the project was saved or each document
    // agreed. The program ends on it.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The kind toolbars follow the active window, not a context menu.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBars();
    void InstallHandlers();
    void InstallWaveHandlers();
    void InstallAudioHandlers();
    // The player's check marks on the transport actions.
    void ShowTransportMarks();
    void InstallViewDialogHandlers();
    void ViewWaveExecute();
    void ViewVoldExecute();
    void FileNewWaveExecute();
    void FileOpenWaveExecute();
    void ApplyStates();
    void ApplyShortcutTexts();
    void ShowDialogToggle(ActionId id, int kind);
    void TileWindows(bool horizontally);
    void FillWindowList(QMenu* menu);

    // Own fields, in the order they were always kept.
    TCommandStates states; // holds LastKind
    TBusyCursor busy;
    int32_t ValidationCounter = 0;
    std::shared_ptr<Sound> ClipBoardSound;
    std::unique_ptr<TModelessDialogs> TheModelessDialogs;
    std::unique_ptr<TAudioPlayer> TheAudioPlayer;
    std::unique_ptr<TEffectSettings> effectSettings;
    TUndoSlot TheUndo;
    bool ModelessDialogActive = false;
    std::string ProjectReadFile;
    std::string ProjectWriteFile;
    TWaveViewProps defaultWaveViewProps;
    TVoldViewProps defaultVoldViewProps;

    TShortcutTable shortcuts;
    unsigned shownShortcutGeneration = ~0u;
    int appliedRebuilds = -1;
    TDocumentOpeners openers;
    std::array<QAction*, ActionCount> actions{};
    std::array<std::function<void()>, ActionCount> handlers;
    // A menu item with its own caption or visibility stands in for its action.
    struct TMenuItemProxy {
        QAction* item;
        ActionId action;
        MenuPart part;
        QString caption;
    };
    std::vector<TMenuItemProxy> menuItemProxies;
    std::array<QAction*, MenuPartCount> menuParts{};   // the menus that follow the kind
    std::array<QToolBar*, MenuPartCount> toolBarParts{}; // the toolbars that follow the kind
    std::vector<QAction*> windowListItems;
    QMdiArea* mdiArea = nullptr;
    TPanelStatusBar* statusBarWave = nullptr;
    TPanelStatusBar* statusBarMuz = nullptr;
    TPanelStatusBar* statusBarFact = nullptr;
    QTimer* updateTimer = nullptr;
    std::unique_ptr<TMainFormFiles> files;
    std::unique_ptr<TMainFormProjects> projects;
    std::unique_ptr<TMainFormPlayers> players;
    std::unique_ptr<TMainFormMusic> music;
    std::unique_ptr<TMainFormHosts> hosts; // last: installed once everything stands
    std::unique_ptr<TMainFormMusicHost> musicHost;
};
