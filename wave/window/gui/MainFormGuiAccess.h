#pragma once
#include <string>

class QWidget;
class TBusyCursor;
class TFileUnit;
class TMDIChildDlgPlayers;
class TMDIChildMuz;
class TMDIChildQuarbel;
class TNoteStave;
class TPanelStatusBar;
class TSountoryNode;
class TUnitMuz;
class TUnitPlayers;

// What the document windows of every kind, their dialogs and handlers ask of
// the main window, the window-side sibling of MainFormAccess: the shell's main
// window implements it, tests fill it with a recorder. Declared below the
// kinds' windows so that none of them includes the shell.
class MainFormGuiAccess {
public:
    virtual ~MainFormGuiAccess() = default;

    // ---- every document window ----
    // The main window as the owner of the modeless dialogs.
    virtual QWidget* Widget() = 0;
    // The document window of the area's current sub-window; null when none.
    virtual TMDIChildQuarbel* ActiveChild() const = 0;
    virtual int CountChildWindows() const = 0;
    // Makes the window the area's active sub-window.
    virtual void ActivateChild(TMDIChildQuarbel* window) = 0;
    // The activation notice of the window's kind.
    virtual void WindowActivated(TMDIChildQuarbel* window) = 0;
    // The last window closed: status bar and keys cleared.
    virtual void NoWindowActivated() = 0;
    virtual void SetClosingWindow(TMDIChildQuarbel* window) = 0;
    virtual void SetModelessDialogActive(bool active) = 0;
    // Asks for one command-state update at the next turn of the event loop.
    virtual void RequestUpdate() = 0;
    virtual TBusyCursor& Busy() = 0;
    // Writes a document to its file (one never saved goes through Save As);
    // false keeps its window open.
    virtual bool SaveUnit(TFileUnit& unit) = 0;
    // The audio player: whether it can play and record, and a document that
    // closes under it.
    virtual bool PlayRecordEnabled() const = 0;
    virtual void AudioUnitClosing(const TFileUnit* unit) = 0;
    // The status bars of the kinds.
    virtual TPanelStatusBar* StatusBarWave() const = 0;
    virtual TPanelStatusBar* StatusBarMuz() const = 0;
    virtual TPanelStatusBar* StatusBarFact() const = 0;

    // ---- the wave windows ----
    // Repaints the wave windows that draw the window's wave (or the wave of
    // that name) as their envelope.
    virtual void RefreshEnvelopeUsers(TMDIChildQuarbel* window) = 0;
    virtual void RefreshEnvelopeUsersByName(const std::string& waveName) = 0;

    // ---- the factory windows ----
    // A new factory whose inputs and outputs fit the node, in its own window.
    virtual void NewFactoryForNode(int createKind, const TSountoryNode& node) = 0;

    // ---- the music windows and dialogs ----
    virtual TMDIChildMuz* ActiveMuzWindow() const = 0;
    // A stave's rooms were dragged: the Music Staves dialog shows them. The
    // music's parts changed: the Music Parts dialog refreshes.
    virtual void MusicStaveChanged(TNoteStave* stave) = 0;
    virtual void MusicPartsChanged(TUnitMuz* unit) = 0;
    virtual void BeginMusicKeySequence() = 0;
    virtual void EndMusicKeySequence() = 0;
    // The close boxes of the Music Staves and Music Parts dialogs.
    virtual void MusicDialogClosed() = 0;
    virtual void MusTreeDialogClosed() = 0;

    // ---- the player sets ----
    // The window that shows the set; null when none does.
    virtual TMDIChildDlgPlayers* PlayersWindowOf(const TUnitPlayers& set) const = 0;
};
