#pragma once
#include "foundation/values/unitIntegerMoreUser.h"
#include "foundation/values/unitTime.h"
#include "wave/Sound.h"
#include "wave/document/WaveFileProps.h"

#include <cstdint>
#include <memory>
#include <string>

class TClef;
class TConvertedPlayerSet;
class TMusTreeItem;
class TMuzNote;
class TNoteGroup;
class TNoteStave;
class TPartMuz;
class TPartMuzStackItem;
class TRest;
class TSinglePartMuz;
class TStartPartMuz;
class TStaveSymbol;
class TUnitMuz;
class TXMLComplexElement;
class TXMLItem;
class TXTouchMuzSymbol;
struct TMDIChildMuzInitProps;

// Where a symbol goes relative to another when it is inserted.
enum TInsertSide : uint8_t { insertBefore = 1, insertAfter = 2, insertInChord = 3 };

// One piece of music: its staves, the tree of parts whose bars hold the
// symbols, its tempo, and the sound format it is turned into a wave in. It
// also edits what needs staves and bars together, and reads and writes
// itself in the music file.
class TMuzData {
public:
    TMuzData();
    virtual ~TMuzData();
    TMuzData(const TMuzData&) = delete;
    TMuzData& operator=(const TMuzData&) = delete;

    virtual uint32_t GetSampleFreq() const { return SampleFreq; }
    virtual uint16_t GetMonoStereo() const { return MonoStereo; }
    virtual uint16_t GetBytesPSample() const { return BytesPSample; }
    // Takes the format to; music holds no samples that would need converting.
    // A format no sound can have is refused and reported.
    virtual void ChangeFileProps(const TWaveFileProps& from, const TWaveFileProps& to);
    // The format of a new music, and of one read from a file that names none.
    static TWaveFileProps DefaultFormat() { return TWaveFileProps(1, 22050, 2); }
    TWaveFileProps GetFormat() const { return TWaveFileProps(MonoStereo, SampleFreq, BytesPSample); }

    TNoteStave* GetStartStave() const { return StartStave.get(); }
    TStartPartMuz* GetStartPartMuz() const { return StartPartMuz.get(); }
    // The sound a wave is being made into, while it is made (MusicGeneration.cpp).
    Sound* GetTargetSound() const { return TargetSound.get(); }
    void SetTargetSound(SoundPtr sound) { TargetSound = std::move(sound); }
    SoundPtr TakeTargetSound() { return std::move(TargetSound); }

    // Seconds per whole note.
    unitTimePosMore Tempo;

    // The stave list. A new stave goes after after, or first for nullptr.
    TNoteStave* InsertStave(TNoteStave* after, std::unique_ptr<TNoteStave> stave);
    // Unlinks the stave and hands it back; the document hears that the parts changed.
    std::unique_ptr<TNoteStave> DeleteStave(TNoteStave* stave, TUnitMuz* document);
    // A stave of this music with these settings and no note group yet, after after.
    TNoteStave* CreateStave(TNoteStave* after, uint32_t foregroundColor, uint32_t backgroundColor,
                            const unitIntegerMoreUser& roomUp, const unitIntegerMoreUser& roomDown,
                            uint8_t allowJoinFlags, bool extraLines, bool useFactory, const std::string& soundFactory,
                            bool enablePlayAndDraw);
    // The stave a user adds: default look, a start clef in every bar, one note
    // group; it becomes the document's current stave.
    TNoteStave* NewNoteStave(TNoteStave* after, TUnitMuz* document);
    void FillWithRests(TNoteStave* stave);
    // Before a stave goes: its symbols leave every bar (and the selection).
    void DeleteStaveSymbols(TNoteStave* stave, TUnitMuz* document);
    // Before a note group goes: its notes leave every bar (and the selection).
    void DeleteNoteGroupNotes(TNoteGroup* group, TUnitMuz* document);
    // Drops the document's selection when it lies on the stave.
    void UnselectStave(const TNoteStave* stave, TUnitMuz* document);

    // Symbols read from a file, each inserted in its bar and given back.
    TMuzNote* CreateNote(TNoteStave* stave, double position, uint8_t noteLengthKind, int32_t points, int32_t pitch,
                         TNoteGroup* group, uint8_t noteShift, uint8_t multiOol, int32_t posInOol,
                         uint8_t articulation, TSinglePartMuz* bar, uint8_t drawStickKind);
    TClef* CreateClef(TNoteStave* stave, double position, int32_t octavesUp, int8_t keyKind, int32_t clefNumber,
                      TSinglePartMuz* bar);
    TRest* CreateRest(TNoteStave* stave, double position, uint8_t noteLengthKind, int32_t points, uint8_t multiOol,
                      int32_t posInOol, TSinglePartMuz* bar);

    // The part tree through its root.
    void SetRootChild(std::unique_ptr<TPartMuz> part);
    TPartMuz* GetRootChild() const;
    TStaveSymbol* GetFirstSymbol() const;
    TSinglePartMuz* GetFirstSinglePart() const;
    TStaveSymbol* InsertSymbol(std::unique_ptr<TStaveSymbol> symbol);
    void DeleteSymbol(TStaveSymbol* symbol);
    void MoveSymbol(TStaveSymbol* symbol);
    TXTouchMuzSymbol* GetFirstTouchSymbol(const TNoteStave* stave) const;
    TXTouchMuzSymbol* GetLastTouchSymbol(const TNoteStave* stave) const;

    // Edits of one stave inside one bar. The test-only form answers whether
    // the edit can be made without making it.
    bool InsertNote(TNoteStave* stave, TStaveSymbol* symbol, uint8_t side, int32_t pitch, uint8_t noteLengthKind,
                    int32_t points, uint8_t articulation, uint8_t drawStickKind, TNoteGroup* group,
                    TMuzNote** inserted, bool testOnly);
    bool InsertRest(TNoteStave* stave, TStaveSymbol* symbol, uint8_t side, int32_t points, uint8_t noteLengthKind,
                    TRest** inserted, bool testOnly);
    bool InsertClef(TNoteStave* stave, TStaveSymbol* symbol, uint8_t side, int8_t keyKind, TClef** inserted,
                    bool testOnly);
    // The position at which a symbol inserted on that side of symbol starts.
    void AdjustPositionForSide(double& position, const TStaveSymbol* symbol, uint8_t side) const;
    // Moves the stave's symbols from symbol (or after it) to the end of the
    // bar by delta, keeping the order.
    void ShiftPositions(TStaveSymbol* symbol, double delta, bool excludeSymbol, const TNoteStave* stave = nullptr);
    // Swaps two adjacent runs of one stave in one bar (a chord, a rest or a clef each).
    bool SwitchSymbols(TStaveSymbol* firstPrev, TStaveSymbol* lastPrev, TStaveSymbol* firstNext,
                       TStaveSymbol* lastNext);
    void MoveClef(TClef* clef, double newPosition, TStaveSymbol* neighbour);
    void SwapClefOrder(TClef* earlier, TClef* later);
    void RenumberClefsAfter(int32_t startNumber, const TNoteStave* stave, double position, TStaveSymbol* symbol,
                            bool skipSymbol);
    // Free pitches next to a note's in its chord.
    bool UpperPosition(const TMuzNote* note, int32_t& pitch) const;
    bool LowerPosition(const TMuzNote* note, int32_t& pitch) const;
    bool UpperOctPosition(const TMuzNote* note, int32_t& pitch) const;
    bool LowerOctPosition(const TMuzNote* note, int32_t& pitch) const;
    bool IsPitchInChord(int32_t pitch, const TMuzNote* note) const;
    bool HasNotesAfterClef(const TClef* clef) const;
    void ShiftNotesAfterClef(const TClef* clef, int32_t pitchDelta);

    // Reads the music from a "UnitMuz" element that matched its grammar.
    // selectedItem receives the part-tree item marked selected; convertedSet
    // takes the players of a 7.0 or 7.1 file; view the window origin of a
    // 9.1 file. False with the message and the place of the faulty element.
    bool ReadMuzDataXml(const TXMLItem& unitMuz, TMusTreeItem*& selectedItem, TConvertedPlayerSet* convertedSet,
                        TUnitMuz* document, std::unique_ptr<TMDIChildMuzInitProps>& view, std::string& error,
                        int32_t& line, int32_t& column);
    // Appends the tempo, the part tree and the staves.
    void WriteMuzDataXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem, const TNoteStave* currentStave,
                         const TXTouchMuzSymbol* selectedSymbol) const;

private:
    friend class TMusicReader;

    std::unique_ptr<TNoteStave> StartStave;
    std::unique_ptr<TStartPartMuz> StartPartMuz;
    uint16_t MonoStereo = DefaultFormat().MonoStereo;
    uint32_t SampleFreq = DefaultFormat().SampleFreq;
    uint16_t BytesPSample = DefaultFormat().BytesPSample;
    SoundPtr TargetSound;
    std::unique_ptr<TPartMuzStackItem> PartMuzStackItems;
};
