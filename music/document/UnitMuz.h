#pragma once
#include "music/data/MuzData.h"
#include "music/document/MDIChildMuzInitProps.h"
#include "music/document/SelectionDescription.h"
#include "wave/document/SoundUnit.h"

#include <memory>
#include <string>
#include <string_view>

class MusicView;
class TClef;
class TConvertedPlayerSet;
class TMusTreeItem;
class TMuzBar;
class TMuzNote;
class TNoteGroup;
class TNoteStave;
class TRest;
class TStaveSymbol;
class TStaveTimeSymbol;
class TXMLComplexElement;
class TXMLItem;
class TXTouchMuzSymbol;

enum TUnitMuzMode : uint8_t { unitMuzNew = 0, unitMuzSel = 1, unitMuzDel = 2 };
enum TInsertModeKind : uint8_t { insertModeClef = 0, insertModeNote = 1, insertModeAccidental = 2, insertModeRest = 3 };
// Which neighbour a symbol is swapped with.
enum TSwitchSide : uint8_t { side2Left = 1, side2Right = 2 };
// What a two-key command adds.
enum TKeySequenceKind : uint8_t { keySequenceNote = 1, keySequenceRest = 2 };
// What follows an edit: each kind of change names its steps in one table
// (MusicEditFollowUp.cpp).
enum class TMusicEdit : uint8_t;

// The music document: one piece of music with what editing it needs (the
// selection, the edit mode, the settings for new symbols), a modified mark,
// the window that shows it, and its .qbm file.
class TUnitMuz : public TSoundUnit {
public:
    TUnitMuz(const std::string& name, const std::string& fileName);
    ~TUnitMuz() override;

    uint32_t GetSampleFreq() const override { return MuzData.GetSampleFreq(); }
    uint16_t GetMonoStereo() const override { return MuzData.GetMonoStereo(); }
    uint16_t GetBytesPSample() const override { return MuzData.GetBytesPSample(); }
    void ChangeFileProps(const TWaveFileProps& from, const TWaveFileProps& to) override
    {
        MuzData.ChangeFileProps(from, to);
    }

    TMuzData MuzData;

    void SetWindow(MusicView* view);
    MusicView* GetMusicView() const { return View; }

    // The selected symbol's kind: bar 0, repeat sign 1, clef, note or rest 2;
    // 3 with nothing selected.
    uint8_t GetSelMuzSymbolKind() const;
    // Selects the symbol (or nothing); a stave symbol selected before leaves
    // its stave as SelectedInStave.
    void SetSelMuzSymbol(TXTouchMuzSymbol* symbol);
    TXTouchMuzSymbol* GetSelectedSymbol() const { return SelectedSymbol; }
    // Drops the selected symbol; SelectedInStave stays.
    void DropSelectedSymbol() { SelectedSymbol = nullptr; }
    TNoteStave* GetSelectedInStave() const { return SelectedInStave; }
    void ClearSelectedInStave() { SelectedInStave = nullptr; }
    // Drops the selected symbol when its part is no longer played and drawn.
    void DeselectIfPartHidden();
    TMusTreeItem* GetSelMusTreeItem() const { return SelMusTreeItem; }
    void SetSelMusTreeItem(TMusTreeItem* item) { SelMusTreeItem = item; }
    TNoteStave* GetSelNoteStave() const { return SelNoteStave; }
    void SetSelNoteStave(TNoteStave* stave) { SelNoteStave = stave; }

    // The Music Parts dialog refreshes.
    void PartsChanged();
    void SetModified() { Modified = true; }
    void ClearModified() { Modified = false; }
    bool IsModified() const { return Modified; }
    // Modified, or never saved.
    bool IsModifiedOrNew() const { return Modified || HasNoFileName(); }
    // Repaints the window and shows the selection's texts.
    void Redraw();
    // The status bar's texts for the selection and the save state; shown in
    // the window when there is one.
    TSelectionTexts DescribeSelection() const;

    bool GetAutoPlay() const { return AutoPlay; }
    void SetAutoPlay(bool on) { AutoPlay = on; }

    // A fresh document: one bar of four quarters, one stave with its G clef,
    // which is selected.
    void NewMusic();
    // Reads the file named by FileName. False with the message; a player set
    // made for an old file's players is closed again.
    bool LoadMusic(std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view);
    // The same from the bytes of a file held in memory.
    bool LoadMusicBytes(std::string_view bytes, std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view);
    // Makes this fresh document a copy of source.
    bool DuplicateMusic(const TUnitMuz& source, std::string& message, std::unique_ptr<TMDIChildMuzInitProps>& view);
    // Reads an element tree into the music; false with the message and the
    // place. A failed read leaves no selection behind.
    bool ReadMusic(const TXMLItem& unitMuz, TConvertedPlayerSet* convertedSet,
                   std::unique_ptr<TMDIChildMuzInitProps>& view, std::string& message, int32_t& line,
                   int32_t& column);
    // The document's element tree, as saved.
    std::unique_ptr<TXMLComplexElement> BuildMusicXml() const;
    // Writes the file; on failure shows "Cannot save Music: " with the reason.
    // The modified mark stays as it was.
    bool SaveMusic(const std::string& fileName);
    bool Save() { return SaveMusic(FileName); }

    // Builds the grammars of the three file versions once.
    static void BuildMusicGrammars();

    // The settings for new symbols and the edit mode; not saved.
    uint8_t InsertLength = 4;
    uint8_t InsertArticulation = 0;
    int32_t Points = 0;
    uint8_t InsertModeKind = insertModeNote;
    uint8_t InsertNoteShift = 2;
    int8_t InsertClef = 6;
    uint8_t InsertStickKind = 2;
    uint8_t UnitMuzMode = unitMuzNew;

    // ---- editing: mode, shared queries, defaults of the next symbol ----
    void ModeAddExecute();
    void ModeEditExecute();
    void ModeDeleteExecute();
    bool IsModeAddChecked() const { return UnitMuzMode == unitMuzNew; }
    bool IsModeEditChecked() const { return UnitMuzMode == unitMuzSel; }
    bool IsModeDeleteChecked() const { return UnitMuzMode == unitMuzDel; }
    uint8_t GetUnitMuzMode() const { return UnitMuzMode; }
    uint8_t GetInsertModeKind() const { return InsertModeKind; }
    uint8_t GetInsertLength() const { return InsertLength; }
    int32_t GetPoints() const { return Points; }
    uint8_t GetInsertArticulation() const { return InsertArticulation; }
    uint8_t GetInsertNoteShift() const { return InsertNoteShift; }
    int8_t GetInsertClef() const { return InsertClef; }
    uint8_t GetInsertStickKind() const { return InsertStickKind; }
    void SetInsertLength(uint8_t length) { InsertLength = length; }
    void SetInsertArticulation(uint8_t articulation) { InsertArticulation = articulation; }
    void SetInsertModeKind(uint8_t kind) { InsertModeKind = kind; }
    // The note or rest the value commands work on (insertModeNote or
    // insertModeRest codes); false when there is none.
    bool GetCurrentSymbolKind(uint8_t& kind) const;
    // The length code the value commands start from: the insert length, a
    // selected bar's beat, or the flag length of a selected note or rest.
    bool GetCurrentLength(uint8_t& length) const;
    bool GetCurrentArticulation(uint8_t& articulation) const;
    // Defaults of a symbol added beside reference.
    uint8_t GetLengthFor(const TStaveSymbol* reference) const;
    int32_t GetPointsFor(const TStaveSymbol* reference) const;
    uint8_t GetArticulationFor(const TStaveSymbol* reference) const;
    uint8_t GetStickKindFor(const TStaveSymbol* reference) const;
    TNoteGroup* GetNoteGroupFor(TNoteStave* stave, const TStaveSymbol* reference) const;
    int8_t GetAddClefKind() const;
    // The dots a note value allows: 3, but 2 for 16, 1 for 32 and 0 for 64.
    static int32_t MaxPoints(uint8_t length);
    // The selected note, rest, clef, bar symbol; nullptr when the selection is another kind.
    TMuzNote* GetSelectedNote() const;
    TRest* GetSelectedRest() const;
    TStaveTimeSymbol* GetSelectedTimeSymbol() const;
    TClef* GetSelectedClef() const;
    TStaveSymbol* GetSelectedStaveSymbol() const;
    TMuzBar* GetSelectedBar() const;
    // The steps that follow a change of the music; note is the one that sounds.
    void FollowEdit(TMusicEdit edit, TMuzNote* note = nullptr);

    // ---- inserting and deleting ----
    // A click of mode new on the stave: the note and rest under the pointer,
    // the symbols left and right of it, and its height in steps from the
    // middle line. Whether something was (or would be) added.
    bool AddAtClick(TNoteStave* stave, TMuzNote* noteAtX, TRest* restAtX, TStaveSymbol* left, TStaveSymbol* right,
                    int32_t height, bool testOnly);
    bool InsertRestAt(TNoteStave* stave, TStaveSymbol* reference, uint8_t side, bool testOnly);
    bool InsertNoteAt(TNoteStave* stave, TStaveSymbol* reference, int32_t pitch, uint8_t side, bool testOnly);
    bool InsertClefAt(TNoteStave* stave, TStaveSymbol* reference, int8_t keyKind, uint8_t side, bool testOnly);
    // The two-key commands beside the selected stave symbol; step counts
    // diatonic steps from C under the clef in force.
    void KeySequenceNote(uint8_t side, int32_t step);
    void KeySequenceRest(uint8_t side);
    void KeySequenceClef(uint8_t side, int8_t keyKind);
    void KeySequenceInsert(uint8_t side, uint8_t kind, int32_t step);
    // The insert accidental on a note, or into a clef's key at the height.
    void ApplyNoteShiftToSymbol(TStaveSymbol* symbol, int32_t height);
    bool CanDeleteSymbol(const TStaveSymbol* symbol) const;
    void DeleteSymbol(TStaveSymbol* symbol);
    void RemoveEmptyTuplet(TStaveTimeSymbol* symbol);
    void RemoveSymbol(TStaveSymbol* symbol);
    void DeleteExecute();
    bool CanDeleteExecute() const;

    // ---- note values, dots and tuplets ----
    void NoteExecute(uint8_t length);
    void RestExecute(uint8_t length);
    bool CanNoteExecute(uint8_t length) const;
    bool CanRestExecute(uint8_t length) const;
    bool IsNoteChecked(uint8_t length) const;
    bool IsRestChecked(uint8_t length) const;
    void LengthKeyExecute(uint8_t length);
    void NoteKeyExecute();
    void RestKeyExecute();
    void LongerExecute();
    void ShorterExecute();
    void SetBarLength(uint8_t length);
    void PointAddExecute();
    void PointDeleteExecute();
    bool CanPointAddExecute() const;
    bool CanPointDeleteExecute() const;
    void TupletExecute(uint8_t kind);
    bool CanTupletExecute(uint8_t kind) const;

    // ---- pitch, accidentals, clefs and key signatures ----
    void MoveUpExecute() { MoveNote(1); }
    void MoveDownExecute() { MoveNote(-1); }
    bool CanMoveUpExecute() const;
    bool CanMoveDownExecute() const;
    void MoveOctUpExecute() { MoveOctave(1); }
    void MoveOctDownExecute() { MoveOctave(-1); }
    bool CanMoveOctUpExecute() const;
    bool CanMoveOctDownExecute() const;
    void MoveNote(int32_t up);
    void MoveOctave(int32_t up);
    void NoteShiftExecute(uint8_t noteShift);
    bool CanNoteShiftExecute(uint8_t noteShift) const;
    bool IsNoteShiftChecked(uint8_t noteShift) const;
    void ClefExecute(int8_t keyKind);
    bool CanClefExecute() const;
    bool IsClefChecked(int8_t keyKind) const;
    void ClefUpExecute();
    void ClefDownExecute();
    // Asks whether the notes after the clef keep their sound; false when
    // nothing changed (cancelled, or a note would leave the pitch range).
    bool ChangeClef(TClef* clef, int8_t keyKind, int32_t octavesUp);

    // ---- articulation, stems, note groups and reordering ----
    void ArticulationExecute(uint8_t articulation);
    bool CanArticulationExecute() const;
    bool IsArticulationChecked(uint8_t articulation) const;
    void MoreLegatoExecute();
    void MoreStaccatoExecute();
    bool GetCurrentStickKind(uint8_t& kind) const;
    void SetStickKind(uint8_t kind);
    void NoteStickUpExecute() { SetStickKind(0); }
    void NoteStickDownExecute() { SetStickKind(1); }
    bool CanNoteStickUpExecute() const;
    bool CanNoteStickDownExecute() const;
    bool IsNoteStickUpChecked() const;
    bool IsNoteStickDownChecked() const;
    // Moves the selected note into the note group before (or after) its own.
    void MoveNoteToGroup(bool previous);
    bool CanMoveNoteToGroup(bool previous) const;
    void NoteGroupPrevExecute() { MoveNoteToGroup(true); }
    void NoteGroupNextExecute() { MoveNoteToGroup(false); }
    bool CanNoteGroupPrevExecute() const { return CanMoveNoteToGroup(true); }
    bool CanNoteGroupNextExecute() const { return CanMoveNoteToGroup(false); }
    // The run of the symbol (a clef, or its chord or tuplet) and the run it
    // would swap with on that side, both in its bar; false when there is none.
    bool SearchForSwitch(TStaveSymbol* symbol, uint8_t side, TStaveSymbol*& firstStart, TStaveSymbol*& lastStart,
                         TStaveSymbol*& firstFound, TStaveSymbol*& lastFound) const;
    void MovePrevExecute();
    void MoveNextExecute();
    bool CanMovePrevExecute() const;
    bool CanMoveNextExecute() const;

private:
    bool LoadTokens(const class TXMLToken& document, const std::string& version, std::string& message,
                    std::unique_ptr<TMDIChildMuzInitProps>& view);

    MusicView* View = nullptr;
    bool Modified = false;
    TXTouchMuzSymbol* SelectedSymbol = nullptr;
    TNoteStave* SelectedInStave = nullptr;
    TMusTreeItem* SelMusTreeItem = nullptr;
    TNoteStave* SelNoteStave = nullptr;
    bool AutoPlay = true;
    // The origin last read, written back while no window shows the music.
    TMDIChildMuzInitProps ViewOrigin;
};
