#pragma once
#include <memory>

class Sound;
class TUnitWave;
class WaveWindowAccess;

// How the wave document reaches the main window: the program's own clipboard
// sound, the one undo snapshot, the active wave, and the news that a
// selection changed. The shell installs the real one; until then every call
// is a harmless no-op (no clipboard, no undo, no active wave).
class WaveDocumentHost {
public:
    virtual ~WaveDocumentHost() = default;

    virtual std::shared_ptr<Sound> GetClipBoardSound();
    // Replaces the clipboard sound; none empties it.
    virtual void SetClipBoardSound(std::shared_ptr<Sound> sound);
    // Replaces the undo snapshot by one of this document.
    virtual void MakeUndo(TUnitWave* unit);
    virtual void DeleteUndo();
    // Drops the snapshot when it belongs to this document.
    virtual void DeleteUndoOfUnit(TUnitWave* unit);
    virtual TUnitWave* ActiveWaveUnit();
    // The selection of that window changed: the select-and-zoom dialog and the
    // windows drawing this wave as an envelope follow.
    virtual void WaveSelectionChanged(WaveWindowAccess* window);
};

// The host in force.
WaveDocumentHost& WaveHost();

// Installs a host (not owned) and gives the previous one; nullptr restores the no-op one.
WaveDocumentHost* SetWaveDocumentHost(WaveDocumentHost* host);
