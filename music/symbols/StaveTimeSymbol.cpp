#include "music/symbols/StaveTimeSymbol.h"

#include "platform/Assertions.h"

TStaveTimeSymbol::TStaveTimeSymbol(double position, TNoteStave* noteStave, uint8_t noteLengthKind, int32_t points,
                                   uint8_t multiOol, int32_t posInOol, TSinglePartMuz* singlePartMuz)
    : TStaveSymbol(singlePartMuz, position, noteStave), NoteLengthKind(noteLengthKind), Points(points),
      MultiOol(multiOol), PosInOol(posInOol)
{
    if (!QB_CHECK(IsNoteLengthKind(noteLengthKind)))
        NoteLengthKind = 4;
    if (!QB_CHECK(points >= 0 && points <= MaxPoints))
        Points = 0;
    SetMultiOol(multiOol, posInOol);
}

void TStaveTimeSymbol::SetMultiOol(uint8_t multiOol, int32_t posInOol)
{
    // Readers and commands keep these; a slip is reported and mended so the
    // symbol stays drawable.
    if (!QB_CHECK(FindMultiOolInfo(multiOol) != nullptr))
        multiOol = sool;
    if (!QB_CHECK(posInOol >= 0 && posInOol < static_cast<int32_t>(multiOol)))
        posInOol = 0;
    MultiOol = multiOol;
    PosInOol = posInOol;
}

double TStaveTimeSymbol::LengthOf(uint8_t noteLengthKind, int32_t points)
{
    double addition = 1.0 / noteLengthKind;
    double sum = addition;
    for (int32_t i = 0; i < points; ++i) {
        addition *= 0.5;
        sum += addition;
    }
    return sum;
}

double TStaveTimeSymbol::GetLength() const
{
    return LengthOf(NoteLengthKind, Points);
}

int32_t TStaveTimeSymbol::GetFlagLength() const
{
    const TMultiOolInfo* info = FindMultiOolInfo(MultiOol);
    int32_t flagLength = NoteLengthKind * (info ? info->flagFactor : 1);
    if (!QB_CHECK(flagLength <= 64))
        flagLength = 64;
    return flagLength;
}

bool TStaveTimeSymbol::FlagLength2TotalLength(uint8_t flagLength, uint8_t& totalLength) const
{
    const TMultiOolInfo* info = FindMultiOolInfo(MultiOol);
    const int32_t factor = info ? info->flagFactor : 1;
    if (flagLength < factor)
        return false;
    totalLength = static_cast<uint8_t>(flagLength / factor);
    return true;
}

bool TStaveTimeSymbol::MayTotalPoints(int32_t points) const
{
    const TMultiOolInfo* info = FindMultiOolInfo(MultiOol);
    const int32_t least = info ? info->minPoints : 0;
    return points >= least && points <= MaxPoints;
}

void TStaveTimeSymbol::SetMark(int32_t mark)
{
    QB_CHECK(mark != 0);
    QB_CHECK(Mark == 0);
    Mark = mark;
}

void TStaveTimeSymbol::ClearMark()
{
    QB_CHECK(Mark != 0);
    Mark = 0;
}

bool TStaveTimeSymbol::IsValidTimeValue(int32_t noteLengthKind, int32_t points, int32_t multiOol, int32_t posInOol,
                                        std::string& reason)
{
    const TMultiOolInfo* info = FindMultiOolInfo(multiOol);
    if (!info) {
        reason = "Unknown tuplet.";
        return false;
    }
    if (!IsNoteLengthKind(noteLengthKind)) {
        reason = "The length must be 1, 2, 4, 8, 16, 32 or 64.";
        return false;
    }
    if (points < 0 || points > MaxPoints) {
        reason = "There can be 0 to 3 points.";
        return false;
    }
    if (points < info->minPoints) {
        reason = std::string("A ") + info->readName + " needs at least one point.";
        return false;
    }
    if (noteLengthKind * info->flagFactor > 64) {
        reason = std::string("A ") + info->readName + " must be shorter: its notes would be drawn shorter than 1/64.";
        return false;
    }
    if (posInOol < 0 || posInOol >= multiOol) {
        reason = std::string("Value out of range for ") + info->readName + ".";
        return false;
    }
    return true;
}

TStaveTimeSymbol* TStaveTimeSymbol::GetNextChordSymbolInOol()
{
    for (TStaveSymbol* symbol = GetNext(); symbol && symbol->GetPosition() == Position; symbol = symbol->GetNext())
        if (symbol->IsTimeSymbol() && symbol->GetNoteStave() == NoteStave
            && static_cast<TStaveTimeSymbol*>(symbol)->PosInOol == PosInOol)
            return static_cast<TStaveTimeSymbol*>(symbol);
    return nullptr;
}

TStaveTimeSymbol* TStaveTimeSymbol::GetFirstChordSymbolInOol()
{
    TStaveTimeSymbol* first = this;
    for (TStaveSymbol* symbol = GetPrev(); symbol && symbol->GetPosition() == Position; symbol = symbol->GetPrev())
        if (symbol->IsTimeSymbol() && symbol->GetNoteStave() == NoteStave
            && static_cast<TStaveTimeSymbol*>(symbol)->PosInOol == PosInOol)
            first = static_cast<TStaveTimeSymbol*>(symbol);
    return first;
}

TStaveTimeSymbol* TStaveTimeSymbol::GetLastChordSymbolInOol()
{
    TStaveTimeSymbol* last = this;
    for (TStaveTimeSymbol* next = GetNextChordSymbolInOol(); next; next = next->GetNextChordSymbolInOol())
        last = next;
    return last;
}
