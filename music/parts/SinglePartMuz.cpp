#include "music/parts/SinglePartMuz.h"

#include "foundation/xml/XMLComplexElement.h"
#include "music/data/MuzData.h"
#include "music/file/MusicXmlValues.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/Assertions.h"

#include <algorithm>
#include <cmath>

TSinglePartMuz::TSinglePartMuz(TMuzData* muzData, const unitFactorPosMore& tempoStart,
                               const unitFactorPosMore& tempoEnd)
    : TPartMuz(muzData, tempoStart, tempoEnd)
{
}

TSinglePartMuz::~TSinglePartMuz() = default;

void TSinglePartMuz::SetMuzBar(std::unique_ptr<TMuzBar> muzBar)
{
    if (!QB_CHECK(muzBar != nullptr) || !QB_CHECK(MuzBar == nullptr) || !QB_CHECK(muzBar->GetPartMuz() == this))
        return;
    MuzBar = std::move(muzBar);
}

TStaveSymbol* TSinglePartMuz::InsertSymbol(std::unique_ptr<TStaveSymbol> symbol, bool behindEqual)
{
    if (!QB_CHECK(symbol != nullptr) || !QB_CHECK(symbol->GetSinglePartMuz() == this))
        return nullptr;
    TStaveSymbol* raw = symbol.get();
    auto passes = [raw, behindEqual](const TStaveSymbol& s) { return behindEqual ? !raw->IsPrevOf(s) : s.IsPrevOf(*raw); };
    // Every symbol at an earlier position is passed in either case: start
    // behind the last of them near the symbol inserted before. A note inserted
    // before at the same position that the new symbol goes behind is a start
    // as good: whatever stands between the earlier positions and that note
    // precedes it, so the new symbol passes it too. Notes read one after the
    // other into a chord then cost no walk over the chord.
    TStaveSymbol* after = InsertHint;
    const bool behindHint = behindEqual && after && after->IsNote() &&
                            after->GetPosition() == raw->GetPosition() && passes(*after);
    while (!behindHint && after && !(after->GetPosition() < raw->GetPosition()))
        after = after->GetPrev();
    for (TStaveSymbol* next = after ? after->GetNext() : Symbols.get(); next && passes(*next); next = next->GetNext())
        after = next;
    TStaveSymbol::LinkAfter(Symbols, after, std::move(symbol));
    InsertHint = raw;
    return raw;
}

void TSinglePartMuz::DeleteSymbol(TStaveSymbol* symbol)
{
    if (!QB_CHECK(symbol != nullptr) || !QB_CHECK(symbol->GetSinglePartMuz() == this))
        return;
    InsertHint = nullptr;
    TStaveSymbol::Unlink(Symbols, symbol);
}

void TSinglePartMuz::MoveSymbol(TStaveSymbol* symbol)
{
    if (!QB_CHECK(symbol != nullptr) || !QB_CHECK(symbol->GetSinglePartMuz() == this))
        return;
    TStaveSymbol* p = symbol->GetPrev();
    TStaveSymbol* n = symbol->GetNext();
    const bool toLeft = p && symbol->IsPrevOf(*p);
    const bool toRight = n && n->IsPrevOf(*symbol);
    if (!QB_CHECK(!toLeft || !toRight) || (!toLeft && !toRight))
        return;
    std::unique_ptr<TStaveSymbol> taken = TStaveSymbol::Unlink(Symbols, symbol);
    TStaveSymbol* after;
    if (toLeft) {
        TStaveSymbol* left = p;
        while (symbol->IsPrevOf(*left) && left->GetPrev())
            left = left->GetPrev();
        after = symbol->IsPrevOf(*left) ? nullptr : left;
    } else {
        after = n;
        for (TStaveSymbol* right = n->GetNext(); right && right->IsPrevOf(*symbol); right = right->GetNext())
            after = right;
    }
    TStaveSymbol::LinkAfter(Symbols, after, std::move(taken));
}

void TSinglePartMuz::DeleteStaveSymbols(const TNoteStave* stave)
{
    if (!QB_CHECK(stave != nullptr))
        return;
    InsertHint = nullptr;
    TStaveSymbol::DeleteSymbolsOfStave(Symbols, stave);
}

void TSinglePartMuz::DeleteNoteGroupNotes(const TNoteGroup* group)
{
    if (!QB_CHECK(group != nullptr))
        return;
    InsertHint = nullptr;
    TStaveSymbol::DeleteNotesOfNoteGroup(Symbols, group);
}

void TSinglePartMuz::FillWithRests(TNoteStave* stave)
{
    if (!QB_CHECK(stave != nullptr) || !QB_CHECK(MuzBar != nullptr))
        return;
    double running = 0;
    for (TStaveSymbol* symbol = NextSymbolOfStave(stave, Symbols.get()); symbol;
         symbol = NextSymbolOfStave(stave, symbol->GetNext())) {
        const double position = symbol->GetPosition();
        while (running < position) {
            double limit = std::min(position, MuzBar->NextBarStart(running));
            // A bar line that rounding puts at the running position itself.
            if (!(limit > running))
                limit = position;
            double value = 1.0;
            for (uint8_t kind = 1; kind <= 32;) {
                if (value <= limit - running) {
                    InsertSymbol(std::make_unique<TRest>(kind, 0, running, stave, sool, 0, this));
                    running += value;
                } else {
                    value /= 2;
                    kind = static_cast<uint8_t>(kind * 2);
                }
            }
            running = limit;
        }
        const double length = symbol->IsTimeSymbol() ? static_cast<TStaveTimeSymbol*>(symbol)->GetLength() : 0.0;
        running = std::max(running, position + length);
    }
}

void TSinglePartMuz::AddStaveClef(TNoteStave* newStave)
{
    if (QB_CHECK(newStave != nullptr))
        InsertSymbol(std::make_unique<TClef>(MuzData, clefKindG, 0, 0.0, newStave, 1, this));
}

void TSinglePartMuz::AddClefsForAllStaves()
{
    // Switched-off staves too: a bar without their start clef could not be written.
    for (TNoteStave* stave = MuzData->GetStartStave(); stave; stave = stave->GetNext())
        AddStaveClef(stave);
}

TStaveSymbol* TSinglePartMuz::NextSymbolOfStave(const TNoteStave* stave, TStaveSymbol* symbol)
{
    while (symbol && symbol->GetNoteStave() != stave)
        symbol = symbol->GetNext();
    return symbol;
}

TStaveSymbol* TSinglePartMuz::PrevSymbolOfStave(const TNoteStave* stave, TStaveSymbol* symbol)
{
    while (symbol && symbol->GetNoteStave() != stave)
        symbol = symbol->GetPrev();
    return symbol;
}

int32_t TSinglePartMuz::CountStartClefs(const TNoteStave* stave) const
{
    int32_t count = 0;
    for (TStaveSymbol* symbol = Symbols.get(); symbol && symbol->GetPosition() == 0; symbol = symbol->GetNext())
        if (symbol->IsClef() && symbol->GetNoteStave() == stave)
            ++count;
    return count;
}

bool TSinglePartMuz::IsStartClefOf(const TStaveSymbol* symbol, const TNoteStave* stave) const
{
    return symbol && symbol->IsClef() && symbol->GetNoteStave() == stave
        && static_cast<const TClef*>(symbol)->IsBarStartClef();
}

TClef* TSinglePartMuz::GetStartClef(const TNoteStave* stave) const
{
    for (TStaveSymbol* symbol = Symbols.get(); symbol && symbol->GetPosition() == 0; symbol = symbol->GetNext())
        if (IsStartClefOf(symbol, stave))
            return static_cast<TClef*>(symbol);
    return nullptr;
}

TClef* TSinglePartMuz::GetLastClefAt(double position, const TNoteStave* stave) const
{
    TClef* last = nullptr;
    for (TStaveSymbol* symbol = Symbols.get(); symbol && symbol->GetPosition() <= position;
         symbol = symbol->GetNext())
        if (symbol->IsClef() && symbol->GetNoteStave() == stave)
            last = static_cast<TClef*>(symbol);
    return last;
}

uint8_t TSinglePartMuz::GetNoteShiftAt(const TNoteStave* stave, double position, int32_t pitch) const
{
    QB_CHECK(Symbols != nullptr);
    const int32_t step = NoteShiftKinds::HeightOffset(pitch);
    uint8_t keyShift = noteShiftNormal;
    uint8_t current = noteShiftNormal;
    double measureEnd = 0.0;
    for (TStaveSymbol* symbol = Symbols.get(); symbol; symbol = symbol->GetNext()) {
        if (symbol->GetNoteStave() != stave)
            continue;
        if (symbol->GetPosition() > position || (symbol->IsNote() && symbol->GetPosition() == position))
            break;
        if (symbol->GetPosition() >= measureEnd) {
            current = keyShift;
            measureEnd = MuzBar->NextBarStart(symbol->GetPosition());
        }
        if (symbol->IsClef()) {
            const TClef* clef = static_cast<const TClef*>(symbol);
            keyShift = current = clef->GetKeyNoteShift(clef->PitchToHeight(pitch));
        } else if (symbol->IsNote()) {
            const TMuzNote* note = static_cast<const TMuzNote*>(symbol);
            if (NoteShiftKinds::HeightOffset(note->GetPitch()) == step)
                current = note->GetNoteShift();
        }
    }
    return measureEnd > position ? current : keyShift;
}

TStaveSymbol* TSinglePartMuz::FindNearestSymbolAt(const TNoteStave* stave, double position) const
{
    if (!EnablePlayAndDraw)
        return nullptr;
    TXTouchMuzSymbol* first = GetFirstTouchSymbolOfStave(stave);
    if (!first || !QB_CHECK(first->GetMuzSymbolKind() == muzSymbolStave))
        return nullptr;
    TStaveSymbol* best = nullptr;
    double bestDistance = 1e9;
    for (TStaveSymbol* symbol = static_cast<TStaveSymbol*>(first); symbol;
         symbol = NextSymbolOfStave(stave, symbol->GetNext())) {
        const double distance = std::fabs(symbol->GetPosition() - position);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = symbol;
        }
    }
    return best;
}

TXTouchMuzSymbol* TSinglePartMuz::AsTouchSymbol(TStaveSymbol* symbol, const TNoteStave* stave) const
{
    if (symbol && symbol->IsNote())
        return GetChordTouchNote(stave, static_cast<TMuzNote*>(symbol));
    return symbol;
}

TXTouchMuzSymbol* TSinglePartMuz::GetFirstTouchSymbolOfStave(const TNoteStave* stave) const
{
    if (!EnablePlayAndDraw)
        return nullptr;
    return NextSymbolOfStave(stave, Symbols.get());
}

TXTouchMuzSymbol* TSinglePartMuz::GetLastTouchSymbolOfStave(const TNoteStave* stave) const
{
    if (!EnablePlayAndDraw || !Symbols)
        return nullptr;
    TStaveSymbol* last = Symbols.get();
    while (last->GetNext())
        last = last->GetNext();
    last = PrevSymbolOfStave(stave, last);
    if (IsStartClefOf(last, stave))
        return MuzBar.get();
    return AsTouchSymbol(last, stave);
}

namespace {

bool SameChordPlace(const TStaveSymbol* a, const TStaveSymbol* b)
{
    return a && b && a->IsNote() && b->IsNote() && a->GetPosition() == b->GetPosition()
        && static_cast<const TMuzNote*>(a)->GetPosInOol() == static_cast<const TMuzNote*>(b)->GetPosInOol();
}

} // namespace

TMuzNote* TSinglePartMuz::GetChordTouchNote(const TNoteStave* stave, TMuzNote* note) const
{
    if (!QB_CHECK(note != nullptr))
        return nullptr;
    TStaveSymbol* first = note;
    while (SameChordPlace(first->GetPrev(), note))
        first = first->GetPrev();
    int32_t onStave = 0;
    for (TStaveSymbol* symbol = first; SameChordPlace(symbol, note); symbol = symbol->GetNext())
        if (symbol->GetNoteStave() == stave)
            ++onStave;
    const int32_t wanted = (onStave + 1) / 2;
    int32_t seen = 0;
    for (TStaveSymbol* symbol = first; SameChordPlace(symbol, note); symbol = symbol->GetNext())
        if (symbol->GetNoteStave() == stave && ++seen == wanted)
            return static_cast<TMuzNote*>(symbol);
    QB_CHECK(!"a note of the chord on the stave");
    return note;
}

TXTouchMuzSymbol* TSinglePartMuz::AskParentNext(const TNoteStave* stave) const
{
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    return Parent->GetNextTouchSymbol(this, stave);
}

TXTouchMuzSymbol* TSinglePartMuz::AskParentPrev(const TNoteStave* stave) const
{
    if (!QB_CHECK(Parent != nullptr))
        return nullptr;
    return Parent->GetPrevTouchSymbol(this, stave);
}

TXTouchMuzSymbol* TSinglePartMuz::GetNextSymbolOfStave(const TNoteStave* stave,
                                                       const TXTouchMuzSymbol* symbol) const
{
    if (!symbol)
        return nullptr;
    TStaveSymbol* next = nullptr;
    if (symbol == MuzBar.get()) {
        next = NextSymbolOfStave(stave, Symbols.get());
        if (IsStartClefOf(next, stave))
            next = NextSymbolOfStave(stave, next->GetNext());
    } else if (symbol->GetMuzSymbolKind() == muzSymbolStave) {
        TStaveSymbol* from = const_cast<TStaveSymbol*>(static_cast<const TStaveSymbol*>(symbol));
        if (!QB_CHECK(from->GetNoteStave() == stave))
            return nullptr;
        if (IsStartClefOf(from, stave))
            return MuzBar.get();
        next = NextSymbolOfStave(stave, from->GetNext());
        while (next && from->IsNote() && next->IsNote() && next->GetPosition() == from->GetPosition()
               && static_cast<TMuzNote*>(next)->GetPosInOol() <= static_cast<TMuzNote*>(from)->GetPosInOol())
            next = NextSymbolOfStave(stave, next->GetNext());
    } else {
        return nullptr;
    }
    if (!next)
        return AskParentNext(stave);
    return AsTouchSymbol(next, stave);
}

TXTouchMuzSymbol* TSinglePartMuz::GetPrevSymbolOfStave(const TNoteStave* stave,
                                                       const TXTouchMuzSymbol* symbol) const
{
    if (!symbol)
        return nullptr;
    if (symbol == MuzBar.get()) {
        TClef* start = GetStartClef(stave);
        return start ? static_cast<TXTouchMuzSymbol*>(start) : AskParentPrev(stave);
    }
    if (symbol->GetMuzSymbolKind() != muzSymbolStave)
        return nullptr;
    TStaveSymbol* from = const_cast<TStaveSymbol*>(static_cast<const TStaveSymbol*>(symbol));
    if (!QB_CHECK(from->GetNoteStave() == stave))
        return nullptr;
    TStaveSymbol* prev = PrevSymbolOfStave(stave, from->GetPrev());
    while (prev && from->IsNote() && prev->IsNote() && prev->GetPosition() == from->GetPosition()
           && static_cast<TMuzNote*>(prev)->GetPosInOol() >= static_cast<TMuzNote*>(from)->GetPosInOol())
        prev = PrevSymbolOfStave(stave, prev->GetPrev());
    if (!prev)
        return AskParentPrev(stave);
    if (IsStartClefOf(prev, stave))
        return MuzBar.get();
    return AsTouchSymbol(prev, stave);
}

std::unique_ptr<TXMLComplexElement> TSinglePartMuz::WriteKeyPartXml(const TNoteStave* stave,
                                                                    const TXTouchMuzSymbol* selectedSymbol) const
{
    auto element = std::make_unique<TXMLComplexElement>("KeyPart");
    for (TStaveSymbol* symbol = NextSymbolOfStave(stave, Symbols.get()); symbol;
         symbol = NextSymbolOfStave(stave, symbol->GetNext())) {
        if (symbol->IsRest()) {
            // Every bar opens each stave with its start clef, so a rest never leads.
            QB_CHECK(element->GetFirst() != nullptr);
            element->AddItem(static_cast<TRest*>(symbol)->WriteXml(symbol == selectedSymbol));
        } else if (symbol->IsClef()) {
            element->AddItem(static_cast<TClef*>(symbol)->WriteXml(symbol == selectedSymbol));
        }
    }
    QB_CHECK(element->GetFirst() != nullptr);
    return element;
}

std::unique_ptr<TXMLComplexElement> TSinglePartMuz::WriteNotePartXml(const TNoteGroup* group,
                                                                     const TXTouchMuzSymbol* selectedSymbol) const
{
    auto element = std::make_unique<TXMLComplexElement>("NotePart");
    for (TStaveSymbol* symbol = Symbols.get(); symbol; symbol = symbol->GetNext())
        if (symbol->IsNote() && static_cast<TMuzNote*>(symbol)->GetNoteGroup() == group)
            element->AddItem(static_cast<TMuzNote*>(symbol)->WriteXml(symbol == selectedSymbol));
    return element;
}

void TSinglePartMuz::WriteOwnXml(TXMLComplexElement& parent, const TMusTreeItem* selectedItem,
                                 const TXTouchMuzSymbol* selectedSymbol) const
{
    auto element = std::make_unique<TXMLComplexElement>("SingleMuzPart");
    QB_ASSERT(MuzBar != nullptr);
    element->AddItem(MuzBar->WriteXml(selectedSymbol == MuzBar.get()));
    WriteFactorUnlessOne(TempoStart, "TempoStart", *element);
    WriteFactorUnlessOne(TempoEnd, "TempoEnd", *element);
    WritePartNodeXml(*this, *element, false, selectedItem == this, EnablePlayAndDraw);
    parent.AddItem(std::move(element));
}
