#pragma once
#include "music/symbols/StaveSymbol.h"

#include <string>

// A note or rest: a stave symbol that takes time. Its note value and dots
// describe a whole tuplet when it is a tuplet member; the members share one
// position and differ in their place PosInOol.
class TStaveTimeSymbol : public TStaveSymbol {
public:
    TStaveTimeSymbol(double position, TNoteStave* noteStave, uint8_t noteLengthKind, int32_t points,
                     uint8_t multiOol, int32_t posInOol, TSinglePartMuz* singlePartMuz);

    // The note value with its dots, each dot adding half the previous
    // addition; for a tuplet member the value of the whole tuplet.
    virtual double GetLength() const;
    // The note value drawn: doubled in a duplet, triplet or quadruplet,
    // quadrupled in a quintuplet.
    int32_t GetFlagLength() const;
    // The inverse of GetFlagLength for a chosen drawn value; false when the
    // tuplet cannot take it.
    bool FlagLength2TotalLength(uint8_t flagLength, uint8_t& totalLength) const;
    // Whether the whole tuplet may have that many dots.
    bool MayTotalPoints(int32_t points) const;

    // Whole notes that a note or rest of the kind (1/kind) with that many dots lasts.
    static double LengthOf(uint8_t noteLengthKind, int32_t points);
    uint8_t GetNoteLengthKind() const { return NoteLengthKind; }
    int32_t GetPoints() const { return Points; }
    uint8_t GetMultiOol() const { return MultiOol; }
    int32_t GetPosInOol() const { return PosInOol; }
    void SetNoteLengthKind(uint8_t noteLengthKind) { NoteLengthKind = noteLengthKind; }
    void SetPoints(int32_t points) { Points = points; }
    // The tuplet and the place in it; the bar keeps its order through MoveSymbol.
    void SetMultiOol(uint8_t multiOol, int32_t posInOol);

    // A scratch tag while runs of symbols are swapped.
    void SetMark(int32_t mark);
    void ClearMark();
    int32_t GetMark() const { return Mark; }

    // Whether a note value, dots, tuplet and place make a symbol that can be
    // drawn and played: a length of 1, 2, 4 ... 64, at most three dots, a dot
    // for a duplet or quadruplet, a drawn value of at most 64, a place inside
    // the tuplet. Otherwise the reason, with the tuplet's name where it matters.
    static bool IsValidTimeValue(int32_t noteLengthKind, int32_t points, int32_t multiOol, int32_t posInOol,
                                 std::string& reason);

    // The next note or rest at this position on this stave with the same
    // place in the tuplet (a chord), nullptr when none; the first and last of them.
    TStaveTimeSymbol* GetNextChordSymbolInOol();
    TStaveTimeSymbol* GetFirstChordSymbolInOol();
    TStaveTimeSymbol* GetLastChordSymbolInOol();

protected:
    int32_t GetSecondaryKey() const override { return PosInOol; }

    uint8_t NoteLengthKind;
    int32_t Points;
    uint8_t MultiOol;
    int32_t PosInOol;
    int32_t Mark = 0;
};
