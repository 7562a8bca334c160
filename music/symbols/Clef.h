#pragma once
#include "music/symbols/NoteShiftKinds.h"
#include "music/symbols/StaveSymbol.h"

#include <memory>

class TCanvas;
class TMuzData;
class TXMLComplexElement;

// A clef with its key signature: which pitch lies on which line of the
// stave for the notes after it (the kind: G, C or F, the pitch of the middle
// line; and an octave shift), and the accidentals of the key per stave
// height modulo 7. Every bar opens each stave with one at position 0.
class TClef : public TStaveSymbol {
public:
    // A kind other than G, C and F, or an octave shift outside -2..2, is
    // reported and made G, or 0.
    TClef(TMuzData* muzData, int8_t keyKind, int32_t octavesUp, double position, TNoteStave* noteStave,
          int32_t clefNumber, TSinglePartMuz* singlePartMuz);

    TStaveSymbolKind GetStaveSymbolKind() const override { return staveSymbolClef; }
    int32_t GetTouchDistanceY(int32_t y) const override;

    int8_t GetKeyKind() const { return KeyKind; }
    // Changes the kind keeping every accidental of the key on its pitch.
    void SetKeyKind(int8_t keyKind);
    int32_t GetOctavesUp() const { return OctavesUp; }
    void SetOctavesUp(int32_t octavesUp);
    int32_t GetClefNumber() const { return ClefNumber; }
    // The bar keeps its order through MoveSymbol.
    void SetClefNumber(int32_t clefNumber) { ClefNumber = clefNumber; }
    const NoteShiftKinds& GetKeyNoteShifts() const { return KeyNoteShifts; }

    // The key's accidental of a stave height (wrapped into a step); only
    // sharps, flats and naturals stand in a key.
    uint8_t GetKeyNoteShift(int32_t height) const { return KeyNoteShifts.GetAt(height); }
    void SetKeyNoteShift(int32_t height, uint8_t noteShiftKind);

    int32_t PitchToHeight(int32_t pitch) const { return pitch - KeyKind - 7 * OctavesUp; }
    int32_t HeightToPitch(int32_t height) const { return height + KeyKind + 7 * OctavesUp; }
    // Whether the pitch at the height lies within -43..43.
    bool IsPitchInRange(int32_t height) const;
    // Number 1 at position 0: the clef that opens its bar on its stave.
    bool IsBarStartClef() const { return ClefNumber == 1 && Position == 0; }

    // The step (height modulo 7) of the n-th sharp or flat of a key, in the
    // order of fifths; n is 0..6.
    int32_t KeySignatureStep(uint8_t noteShiftKind, int32_t n) const;
    // The lowest height at which a key's sharps or flats are drawn.
    int32_t GetKeySignatureBottom(uint8_t noteShiftKind) const;
    // The height at which the key accidental of a step is drawn.
    int32_t KeySignatureHeight(int32_t step, uint8_t noteShiftKind) const;
    // The key as a count of sharps (positive) or flats (negative); false when
    // it is not the first sharps or flats of the order of fifths alone.
    bool ToonLadder(int32_t& toonladder) const;

    // Draws clef, octave mark and key signature from x, sets the touch range
    // and gives the x where the next symbol starts.
    void Draw(TCanvas& canvas, int32_t x, int32_t& nextX, bool selected);

    // The "Key" element.
    std::unique_ptr<TXMLComplexElement> WriteXml(bool selected) const;

protected:
    int32_t GetSecondaryKey() const override { return 2 * ClefNumber; }

private:
    void DrawOctaveMark(TCanvas& canvas, int32_t x0, int32_t m, bool selected) const;

    int8_t KeyKind;
    int32_t OctavesUp;
    NoteShiftKinds KeyNoteShifts;
    int32_t ClefNumber;
    TMuzData* MuzData;
};
