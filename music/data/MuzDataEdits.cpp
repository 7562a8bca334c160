#include "music/data/MuzData.h"

#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/Assertions.h"

#include <algorithm>
#include <vector>

namespace {

bool IsTimeSymbol(const TStaveSymbol* symbol)
{
    return symbol && symbol->IsTimeSymbol();
}

TStaveTimeSymbol* AsTime(TStaveSymbol* symbol)
{
    return IsTimeSymbol(symbol) ? static_cast<TStaveTimeSymbol*>(symbol) : nullptr;
}

// Inserting beside a chord member means beside the whole chord: after its
// last member, before its first, so that no chord is torn apart.
TStaveSymbol* AnchorForSide(TStaveSymbol* symbol, uint8_t side)
{
    if (!IsTimeSymbol(symbol))
        return symbol;
    auto* time = static_cast<TStaveTimeSymbol*>(symbol);
    return side == insertAfter ? time->GetLastChordSymbolInOol() : time->GetFirstChordSymbolInOol();
}

// Nothing goes before a bar's opening clef; inside a tuplet only before its
// first and after its last member.
bool MayInsertBeside(const TStaveSymbol* symbol, uint8_t side)
{
    if (side == insertBefore && symbol->IsClef() && static_cast<const TClef*>(symbol)->IsBarStartClef())
        return false;
    if (const auto* time = AsTime(const_cast<TStaveSymbol*>(symbol))) {
        if (side == insertBefore && time->GetPosInOol() > 0)
            return false;
        if (side == insertAfter && time->GetPosInOol() < time->GetMultiOol() - 1)
            return false;
    }
    return true;
}

// Puts symbol into its bar and hands it back through inserted, when asked for.
template <class Symbol>
void InsertInBar(TSinglePartMuz* bar, std::unique_ptr<Symbol> symbol, Symbol** inserted)
{
    auto* raw = static_cast<Symbol*>(bar->InsertSymbol(std::move(symbol)));
    if (inserted)
        *inserted = raw;
}

} // namespace

void TMuzData::AdjustPositionForSide(double& position, const TStaveSymbol* symbol, uint8_t side) const
{
    if (side == insertAfter && IsTimeSymbol(symbol))
        position += static_cast<const TStaveTimeSymbol*>(symbol)->GetLength();
}

bool TMuzData::InsertNote(TNoteStave* stave, TStaveSymbol* symbol, uint8_t side, int32_t pitch,
                          uint8_t noteLengthKind, int32_t points, uint8_t articulation, uint8_t drawStickKind,
                          TNoteGroup* group, TMuzNote** inserted, bool testOnly)
{
    if (!symbol)
        return false;
    if (inserted)
        *inserted = nullptr;
    if (side == insertBefore || side == insertAfter) {
        if (!MayInsertBeside(symbol, side))
            return false;
        symbol = AnchorForSide(symbol, side);
        if (testOnly)
            return true;
        TNoteStave* onStave = stave ? stave : symbol->GetNoteStave();
        double position = symbol->GetPosition();
        AdjustPositionForSide(position, symbol, side);
        auto note = std::make_unique<TMuzNote>(this, group, noteLengthKind, points, position, pitch, onStave,
                                               noteShiftNormal, sool, 0, articulation,
                                               symbol->GetSinglePartMuz(), drawStickKind);
        ShiftPositions(symbol, note->GetLength(), side == insertAfter, onStave);
        InsertInBar(symbol->GetSinglePartMuz(), std::move(note), inserted);
        return true;
    }
    if (side != insertInChord || symbol->IsClef())
        return false;
    if (symbol->IsNote()) {
        const TMuzNote* chord = static_cast<const TMuzNote*>(symbol);
        if (IsPitchInChord(pitch, chord))
            return false;
        if (testOnly)
            return true;
        InsertInBar(symbol->GetSinglePartMuz(),
                    std::make_unique<TMuzNote>(this, group, chord->GetNoteLengthKind(), chord->GetPoints(),
                                               chord->GetPosition(), pitch, chord->GetNoteStave(), noteShiftNormal,
                                               chord->GetMultiOol(), chord->GetPosInOol(), chord->GetNoteArtKind(),
                                               chord->GetSinglePartMuz(), drawStickKind),
                    inserted);
        return true;
    }
    // A rest gives way to a note of its length and place.
    if (!QB_CHECK(stave != nullptr) || !QB_CHECK(group != nullptr))
        return false;
    if (testOnly)
        return true;
    TRest* rest = static_cast<TRest*>(symbol);
    TSinglePartMuz* bar = rest->GetSinglePartMuz();
    auto note = std::make_unique<TMuzNote>(this, group, rest->GetNoteLengthKind(), rest->GetPoints(),
                                           rest->GetPosition(), pitch, stave, noteShiftNormal, rest->GetMultiOol(),
                                           rest->GetPosInOol(), noteArtNormal, bar, drawStickKind);
    bar->DeleteSymbol(rest);
    InsertInBar(bar, std::move(note), inserted);
    return true;
}

bool TMuzData::InsertRest(TNoteStave* stave, TStaveSymbol* symbol, uint8_t side, int32_t points,
                          uint8_t noteLengthKind, TRest** inserted, bool testOnly)
{
    if (inserted)
        *inserted = nullptr;
    if (!symbol || (side != insertBefore && side != insertAfter) || !MayInsertBeside(symbol, side))
        return false;
    symbol = AnchorForSide(symbol, side);
    if (testOnly)
        return true;
    TNoteStave* onStave = stave ? stave : symbol->GetNoteStave();
    double position = symbol->GetPosition();
    AdjustPositionForSide(position, symbol, side);
    auto rest = std::make_unique<TRest>(noteLengthKind, points, position, onStave, sool, 0,
                                        symbol->GetSinglePartMuz());
    ShiftPositions(symbol, rest->GetLength(), side == insertAfter, onStave);
    InsertInBar(symbol->GetSinglePartMuz(), std::move(rest), inserted);
    return true;
}

bool TMuzData::InsertClef(TNoteStave* stave, TStaveSymbol* symbol, uint8_t side, int8_t keyKind, TClef** inserted,
                          bool testOnly)
{
    if (inserted)
        *inserted = nullptr;
    if (!symbol || (side != insertBefore && side != insertAfter))
        return false;
    symbol = AnchorForSide(symbol, side);
    if (testOnly)
        return true;
    TNoteStave* onStave = stave ? stave : symbol->GetNoteStave();
    double position = symbol->GetPosition();
    AdjustPositionForSide(position, symbol, side);
    int32_t number = 1;
    if (symbol->IsClef()) {
        number = static_cast<TClef*>(symbol)->GetClefNumber() + (side == insertAfter ? 1 : 0);
    } else if (side == insertBefore) {
        // Before a note or rest: behind the clefs of the stave at its place.
        for (TStaveSymbol* prev = symbol->GetPrev(); prev && prev->GetPosition() == position; prev = prev->GetPrev())
            if (prev->IsClef() && prev->GetNoteStave() == onStave)
                number = std::max(number, static_cast<TClef*>(prev)->GetClefNumber() + 1);
    }
    auto clef = std::make_unique<TClef>(this, keyKind, 0, position, onStave, number, symbol->GetSinglePartMuz());
    RenumberClefsAfter(number, onStave, position, symbol, side == insertAfter);
    InsertInBar(symbol->GetSinglePartMuz(), std::move(clef), inserted);
    return true;
}

void TMuzData::RenumberClefsAfter(int32_t startNumber, const TNoteStave* stave, double position,
                                  TStaveSymbol* symbol, bool skipSymbol)
{
    TStaveSymbol* walk = symbol && skipSymbol ? symbol->GetNext() : symbol;
    // After a note the new position lies beyond the note's own.
    while (walk && walk->GetPosition() < position)
        walk = walk->GetNext();
    int32_t number = startNumber;
    for (; walk && walk->GetPosition() == position; walk = walk->GetNext())
        if (walk->IsClef() && walk->GetNoteStave() == stave)
            static_cast<TClef*>(walk)->SetClefNumber(++number);
}

void TMuzData::ShiftPositions(TStaveSymbol* symbol, double delta, bool excludeSymbol, const TNoteStave* stave)
{
    if (!symbol)
        return;
    const TNoteStave* onStave = stave ? stave : symbol->GetNoteStave();
    if (!onStave || delta == 0)
        return;
    TSinglePartMuz* bar = symbol->GetSinglePartMuz();
    if (delta < 0) {
        TStaveSymbol* walk = excludeSymbol ? symbol->GetNext() : symbol;
        while (walk) {
            TStaveSymbol* next = walk->GetNext();
            if (walk->GetNoteStave() == onStave) {
                walk->SetPosition(walk->GetPosition() + delta);
                bar->MoveSymbol(walk);
            }
            walk = next;
        }
        return;
    }
    TStaveSymbol* walk = symbol;
    while (walk->GetNext())
        walk = walk->GetNext();
    while (walk) {
        const bool last = walk == symbol;
        if (last && excludeSymbol)
            break;
        TStaveSymbol* prev = walk->GetPrev();
        if (walk->GetNoteStave() == onStave) {
            walk->SetPosition(walk->GetPosition() + delta);
            bar->MoveSymbol(walk);
        }
        if (last)
            break;
        walk = prev;
    }
}

bool TMuzData::SwitchSymbols(TStaveSymbol* firstPrev, TStaveSymbol* lastPrev, TStaveSymbol* firstNext,
                             TStaveSymbol* lastNext)
{
    if (!QB_CHECK(firstPrev && lastPrev && firstNext && lastNext))
        return false;
    TSinglePartMuz* bar = firstPrev->GetSinglePartMuz();
    const TNoteStave* stave = firstPrev->GetNoteStave();
    for (const TStaveSymbol* s : {lastPrev, firstNext, lastNext})
        if (!QB_CHECK(s->GetSinglePartMuz() == bar && s->GetNoteStave() == stave))
            return false;
    if (!QB_CHECK(lastPrev->IsPrevOf(*firstNext)))
        return false;
    if (!QB_CHECK(firstPrev->GetStaveSymbolKind() == lastPrev->GetStaveSymbolKind())
        || !QB_CHECK(firstNext->GetStaveSymbolKind() == lastNext->GetStaveSymbolKind())
        || !QB_CHECK(firstPrev->GetPosition() == lastPrev->GetPosition())
        || !QB_CHECK(firstNext->GetPosition() == lastNext->GetPosition())
        || !QB_CHECK(firstPrev->IsNote() || firstPrev == lastPrev)
        || !QB_CHECK(firstNext->IsNote() || firstNext == lastNext))
        return false;
    // Clefs stay off the marks' way, so a run ends at its last symbol.
    auto markRun = [stave](TStaveSymbol* first, TStaveSymbol* last, int32_t mark) {
        for (TStaveSymbol* s = first; s; s = s->GetNext()) {
            if (s->GetNoteStave() == stave && s->IsTimeSymbol())
                static_cast<TStaveTimeSymbol*>(s)->SetMark(mark);
            if (s == last)
                break;
        }
    };
    const double oldPosition = firstPrev->GetPosition();
    const double newPosition =
        oldPosition + (firstNext->IsTimeSymbol() ? static_cast<TStaveTimeSymbol*>(firstNext)->GetLength() : 0.0);
    if (firstPrev->IsTimeSymbol())
        markRun(firstPrev, lastPrev, 2);
    if (firstNext->IsTimeSymbol())
        markRun(firstNext, lastNext, 1);
    if (firstPrev->IsClef() && firstNext->IsClef()) {
        SwapClefOrder(static_cast<TClef*>(firstPrev), static_cast<TClef*>(firstNext));
    } else if (firstPrev->IsClef()) {
        if (newPosition != oldPosition)
            MoveClef(static_cast<TClef*>(firstPrev), newPosition, firstNext);
    } else if (firstNext->IsClef()) {
        if (firstNext->GetPosition() != oldPosition)
            MoveClef(static_cast<TClef*>(firstNext), oldPosition, firstPrev);
    }
    TStaveSymbol* walk = bar->GetSymbols();
    while (walk) {
        TStaveSymbol* next = walk->GetNext();
        if (walk->GetNoteStave() == stave && walk->IsTimeSymbol()) {
            auto* time = static_cast<TStaveTimeSymbol*>(walk);
            if (time->GetMark() != 0) {
                time->SetPosition(time->GetMark() == 1 ? oldPosition : newPosition);
                time->ClearMark();
                bar->MoveSymbol(time);
            }
        }
        walk = next;
    }
    return true;
}

void TMuzData::MoveClef(TClef* clef, double newPosition, TStaveSymbol* neighbour)
{
    if (!QB_CHECK(clef != nullptr) || !QB_CHECK(clef->GetPosition() != newPosition))
        return;
    int32_t number = 1;
    if (newPosition <= clef->GetPosition() && neighbour) {
        // Behind the clef of its stave that stands there already.
        TStaveSymbol* prev = neighbour->FindPrevClef(clef->GetNoteStave());
        if (prev && prev != clef && prev->GetPosition() == newPosition)
            number = static_cast<TClef*>(prev)->GetClefNumber() + 1;
    }
    clef->SetClefNumber(number);
    clef->SetPosition(newPosition);
    clef->GetSinglePartMuz()->MoveSymbol(clef);
}

void TMuzData::SwapClefOrder(TClef* earlier, TClef* later)
{
    if (!QB_CHECK(earlier && later) || !QB_CHECK(earlier->GetClefNumber() == later->GetClefNumber() - 1)
        || !QB_CHECK(earlier->GetPosition() == later->GetPosition())
        || !QB_CHECK(earlier->GetNoteStave() == later->GetNoteStave()))
        return;
    const int32_t n = earlier->GetClefNumber();
    TSinglePartMuz* bar = earlier->GetSinglePartMuz();
    earlier->SetClefNumber(0);
    bar->MoveSymbol(earlier);
    later->SetClefNumber(n);
    bar->MoveSymbol(later);
    earlier->SetClefNumber(n + 1);
    bar->MoveSymbol(earlier);
}

bool TMuzData::IsPitchInChord(int32_t pitch, const TMuzNote* note) const
{
    if (!note)
        return false;
    TStaveTimeSymbol* first = const_cast<TMuzNote*>(note)->GetFirstChordSymbolInOol();
    for (TStaveTimeSymbol* s = first; s; s = s->GetNextChordSymbolInOol())
        if (s->IsNote() && static_cast<TMuzNote*>(s)->GetPitch() == pitch)
            return true;
    return false;
}

bool TMuzData::UpperPosition(const TMuzNote* note, int32_t& pitch) const
{
    for (int32_t p = note->GetPitch() + 1; p <= MaxPitch; ++p)
        if (!IsPitchInChord(p, note)) {
            pitch = p;
            return true;
        }
    return false;
}

bool TMuzData::LowerPosition(const TMuzNote* note, int32_t& pitch) const
{
    for (int32_t p = note->GetPitch() - 1; p >= MinPitch; --p)
        if (!IsPitchInChord(p, note)) {
            pitch = p;
            return true;
        }
    return false;
}

bool TMuzData::UpperOctPosition(const TMuzNote* note, int32_t& pitch) const
{
    const int32_t p = note->GetPitch() + 7;
    if (p > MaxPitch || IsPitchInChord(p, note))
        return false;
    pitch = p;
    return true;
}

bool TMuzData::LowerOctPosition(const TMuzNote* note, int32_t& pitch) const
{
    const int32_t p = note->GetPitch() - 7;
    if (p < MinPitch || IsPitchInChord(p, note))
        return false;
    pitch = p;
    return true;
}

bool TMuzData::HasNotesAfterClef(const TClef* clef) const
{
    for (TStaveSymbol* s = clef->GetNext(); s; s = s->GetNext()) {
        if (s->GetNoteStave() != clef->GetNoteStave())
            continue;
        if (s->IsNote())
            return true;
        if (s->IsClef())
            return false;
    }
    return false;
}

void TMuzData::ShiftNotesAfterClef(const TClef* clef, int32_t pitchDelta)
{
    std::vector<TMuzNote*> notes;
    for (TStaveSymbol* s = clef->GetNext(); s; s = s->GetNext()) {
        if (s->GetNoteStave() != clef->GetNoteStave())
            continue;
        if (s->IsClef())
            break;
        if (s->IsNote())
            notes.push_back(static_cast<TMuzNote*>(s));
    }
    // A pitch is a key of the order: each note is put back in its place.
    for (TMuzNote* note : notes) {
        note->SetPitch(note->GetPitch() + pitchDelta);
        note->GetSinglePartMuz()->MoveSymbol(note);
    }
}
