#pragma once
#include <cstdint>
#include <memory>

class Sound;
class TUnitWave;

// The one undo snapshot: a document, the sound it held before a command (the
// same object, shared, not a copy) and its two marks. Undo swaps them with
// the document's, so a second Undo redoes.
class TUndoUnit {
public:
    explicit TUndoUnit(TUnitWave* unitWave);

    void Undo();
    TUnitWave* GetUnitWave() const { return UnitWave; }
    const std::shared_ptr<Sound>& GetSound() const { return TheSound; }

private:
    friend class TUnitWave;
    TUnitWave* UnitWave;
    std::shared_ptr<Sound> TheSound;
    int32_t CursorPos;
    int32_t AnchorPos;
};

// The main window's undo slot: at most one snapshot for the whole program.
class TUndoSlot {
public:
    // Replaces the snapshot by one of this document.
    void MakeUndo(TUnitWave* unit);
    void DeleteUndo();
    // Drops the snapshot when it belongs to this document.
    void DeleteUndoOfUnit(TUnitWave* unit);
    // Undoes whatever document the snapshot belongs to; false without one.
    bool Undo();
    bool HasUndo() const { return undo != nullptr; }
    // The Undo action: a snapshot exists and its document is not drawing by hand.
    bool CanUndo() const;
    TUndoUnit* GetUndo() const { return undo.get(); }
    // A command hands the snapshot it replaces over and, when it changed
    // nothing, puts it back: a stopped or refused command loses no undo.
    std::unique_ptr<TUndoUnit> Take() { return std::move(undo); }
    void Put(std::unique_ptr<TUndoUnit> snapshot) { undo = std::move(snapshot); }

private:
    std::unique_ptr<TUndoUnit> undo;
};
