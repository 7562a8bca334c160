#pragma once
#include "music/symbols/Note.h"
#include "music/symbols/StaveTimeSymbol.h"

#include <memory>

class TMuzData;
class TNoteInFlight;
class TUnitMuz;
class TXMLComplexElement;

// A note of a bar: its pitch in diatonic steps (0 is C4, 5 is A4 at 440 Hz),
// the accidental it sounds with, its articulation and stem direction, and
// the note group whose player renders it.
class TMuzNote : public TNote, public TStaveTimeSymbol {
public:
    // Values a reader or command could break are reported and mended: the
    // pitch clamped, an unknown accidental, articulation or stem made the
    // default, a tuplet the note cannot be drawn in dropped.
    TMuzNote(TMuzData* muzData, TNoteGroup* noteGroup, uint8_t noteLengthKind, int32_t points, double position,
             int32_t pitch, TNoteStave* noteStave, uint8_t noteShiftKind, uint8_t multiOol, int32_t posInOol,
             uint8_t noteArtKind, TSinglePartMuz* singlePartMuz, uint8_t drawStickKind);

    TStaveSymbolKind GetStaveSymbolKind() const override { return staveSymbolNote; }
    int32_t GetTouchDistanceY(int32_t y) const override;

    // TNote
    TNote* GetNextNote() const override;
    TCompoundPlayer* GetCompoundPlayer() const override;
    double GetPosition() const override { return Position; }
    double GetStartPosition() const override;
    double GetPeriod() const override;
    double GetFreqFactor() const override;
    double GetVolumeFactor() const override;
    double GetLength() const override { return TStaveTimeSymbol::GetLength(); }
    double GetPlayLength() const override;
    bool IsPlayable() const override;

    int32_t GetPitch() const { return Pitch; }
    // Keeps the pitch within -43..43.
    void SetPitch(int32_t pitch);
    static int32_t GetMinPitch() { return MinPitch; }
    static int32_t GetMaxPitch() { return MaxPitch; }
    uint8_t GetNoteShift() const { return NoteShiftKind; }
    void SetNoteShift(uint8_t noteShiftKind);
    uint8_t GetNoteArtKind() const { return NoteArtKind; }
    void SetNoteArtKind(uint8_t noteArtKind);
    uint8_t GetDrawStickKind() const { return DrawStickKind; }
    void SetDrawStickKind(uint8_t drawStickKind);
    // The stem direction drawn: the note's own, or its group's when automatic.
    uint8_t GetBerDrawStickKind() const;
    TNoteGroup* GetNoteGroup() const { return NoteGroup; }
    void SetNoteGroup(TNoteGroup* group) { NoteGroup = group; }
    TMuzData* GetMuzData() const { return MuzData; }
    int32_t GetDrawHeight() const { return DrawHeight; }
    void SetDrawHeight(int32_t height) { DrawHeight = height; }

    // The note of a render on its way through its group's player into the
    // group's render sound, to be made and mixed in; the bar is placed at
    // bar (its start in whole notes and seconds, the music's length and
    // channels). Null with the reason.
    std::unique_ptr<TNoteInFlight> StartRenderInto(StopFlag* stop, const TNotePlace& bar, int32_t shift,
                                                   double tempo, std::string& message) const;
    // Finds the player, renders the note alone and plays it; false with the
    // reason when it cannot.
    bool PlayNote(std::string& message);
    // PlayNote while the document plays notes as they are edited; a note that
    // cannot sound stays silent without a word.
    bool AutoPlay(const TUnitMuz& document);

    // The "Note" element.
    std::unique_ptr<TXMLComplexElement> WriteXml(bool selected) const;

private:
    struct TTuplet {
        uint8_t multiOol;
        int32_t posInOol;
    };
    static TTuplet MendedTuplet(uint8_t noteLengthKind, int32_t points, uint8_t multiOol, int32_t posInOol);
    TMuzNote(TMuzData* muzData, TNoteGroup* noteGroup, uint8_t noteLengthKind, int32_t points, double position,
             int32_t pitch, TNoteStave* noteStave, uint8_t noteShiftKind, TTuplet tuplet, uint8_t noteArtKind,
             TSinglePartMuz* singlePartMuz, uint8_t drawStickKind);

    TNoteGroup* NoteGroup;
    TMuzData* MuzData;
    int32_t Pitch;
    uint8_t NoteShiftKind;
    uint8_t NoteArtKind;
    int32_t DrawHeight = 0;
    uint8_t DrawStickKind;
};
