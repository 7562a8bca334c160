#include "music/data/MuzData.h"

#include "music/data/PartMuzStackItem.h"
#include "music/document/UnitMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteGroup.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/Clef.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"
#include "platform/Assertions.h"

TMuzData::TMuzData()
    : Tempo(1.0, EHS), StartPartMuz(std::make_unique<TStartPartMuz>(this))
{
}

TMuzData::~TMuzData()
{
    StartStave.reset();
    StartPartMuz.reset();
}

void TMuzData::ChangeFileProps(const TWaveFileProps&, const TWaveFileProps& to)
{
    const bool valid = to.SampleFreq > 0 && to.SampleFreq <= INT32_MAX && (to.MonoStereo == 1 || to.MonoStereo == 2)
                    && (to.BytesPSample == 1 || to.BytesPSample == 2);
    if (!QB_CHECK(valid))
        return;
    SampleFreq = to.SampleFreq;
    MonoStereo = to.MonoStereo;
    BytesPSample = to.BytesPSample;
}

TNoteStave* TMuzData::InsertStave(TNoteStave* after, std::unique_ptr<TNoteStave> stave)
{
    if (!QB_CHECK(stave != nullptr))
        return nullptr;
    TNoteStave* raw = stave.get();
    if (!after || !StartStave) {
        stave->Next = std::move(StartStave);
        if (stave->Next)
            stave->Next->Prev = raw;
        stave->Prev = nullptr;
        StartStave = std::move(stave);
        return raw;
    }
    // A stave of this music is linked from its neighbour or is the first: no
    // walk from the start, so a reader inserting after the last stays linear.
    const bool linked = after->GetMuzData() == this &&
                        (after->Prev ? after->Prev->Next.get() == after : StartStave.get() == after);
    TNoteStave* walk = after;
    if (!QB_CHECK(linked)) {
        // Reported; the stave goes last rather than being lost.
        walk = StartStave.get();
        while (walk->GetNext())
            walk = walk->GetNext();
    }
    stave->Next = std::move(walk->Next);
    if (stave->Next)
        stave->Next->Prev = raw;
    stave->Prev = walk;
    walk->Next = std::move(stave);
    return raw;
}

std::unique_ptr<TNoteStave> TMuzData::DeleteStave(TNoteStave* stave, TUnitMuz* document)
{
    if (!QB_CHECK(StartStave != nullptr) || !QB_CHECK(stave != nullptr))
        return nullptr;
    std::unique_ptr<TNoteStave>* link = &StartStave;
    while (*link && link->get() != stave)
        link = &(*link)->Next;
    if (!QB_CHECK(*link != nullptr))
        return nullptr;
    std::unique_ptr<TNoteStave> taken = std::move(*link);
    *link = std::move(taken->Next);
    if (*link)
        (*link)->Prev = taken->Prev;
    taken->Prev = nullptr;
    if (document)
        document->PartsChanged();
    return taken;
}

TNoteStave* TMuzData::CreateStave(TNoteStave* after, uint32_t foregroundColor, uint32_t backgroundColor,
                                  const unitIntegerMoreUser& roomUp, const unitIntegerMoreUser& roomDown,
                                  uint8_t allowJoinFlags, bool extraLines, bool useFactory,
                                  const std::string& soundFactory, bool enablePlayAndDraw)
{
    return InsertStave(after, std::make_unique<TNoteStave>(this, foregroundColor, backgroundColor, roomUp, roomDown,
                                                           allowJoinFlags, extraLines, useFactory, soundFactory,
                                                           enablePlayAndDraw));
}

TNoteStave* TMuzData::NewNoteStave(TNoteStave* after, TUnitMuz* document)
{
    unitIntegerMoreUser room(80, EHNone);
    room.SetMinimum(TNoteStave::RoomMinimum);
    TNoteStave* stave = CreateStave(after, 0x000000, 0xFFFFFF, room, room, 1, false, false, "", true);
    StartPartMuz->AddStaveClef(stave);
    auto group = std::make_unique<TNoteGroup>(stave);
    TNoteGroup* raw = group.get();
    stave->InsertNoteGroup(nullptr, std::move(group));
    stave->SetCurrentNoteGroup(raw);
    stave->SetSelectedNoteGroup(raw);
    if (document)
        document->SetSelNoteStave(stave);
    return stave;
}

void TMuzData::FillWithRests(TNoteStave* stave)
{
    if (QB_CHECK(stave != nullptr))
        StartPartMuz->FillWithRests(stave);
}

void TMuzData::DeleteStaveSymbols(TNoteStave* stave, TUnitMuz* document)
{
    UnselectStave(stave, document);
    StartPartMuz->DeleteStaveSymbols(stave);
    if (document)
        document->PartsChanged();
}

void TMuzData::DeleteNoteGroupNotes(TNoteGroup* group, TUnitMuz* document)
{
    if (document) {
        const TXTouchMuzSymbol* selected = document->GetSelectedSymbol();
        const auto* symbol = dynamic_cast<const TStaveSymbol*>(selected);
        if (symbol && symbol->IsNote() && static_cast<const TMuzNote*>(symbol)->GetNoteGroup() == group)
            document->DropSelectedSymbol();
    }
    StartPartMuz->DeleteNoteGroupNotes(group);
    if (document)
        document->PartsChanged();
}

void TMuzData::UnselectStave(const TNoteStave* stave, TUnitMuz* document)
{
    if (!document)
        return;
    const auto* symbol = dynamic_cast<const TStaveSymbol*>(document->GetSelectedSymbol());
    const bool inStave = document->GetSelectedInStave() == stave;
    if ((symbol && symbol->GetNoteStave() == stave) || inStave) {
        document->DropSelectedSymbol();
        if (inStave)
            document->ClearSelectedInStave();
    }
}

TMuzNote* TMuzData::CreateNote(TNoteStave* stave, double position, uint8_t noteLengthKind, int32_t points,
                               int32_t pitch, TNoteGroup* group, uint8_t noteShift, uint8_t multiOol,
                               int32_t posInOol, uint8_t articulation, TSinglePartMuz* bar, uint8_t drawStickKind)
{
    if (!QB_CHECK(bar != nullptr) || !QB_CHECK(points >= 0) || !QB_CHECK(position >= 0))
        return nullptr;
    return static_cast<TMuzNote*>(bar->InsertSymbol(
        std::make_unique<TMuzNote>(this, group, noteLengthKind, points, position, pitch, stave, noteShift, multiOol,
                                   posInOol, articulation, bar, drawStickKind),
        true));
}

TClef* TMuzData::CreateClef(TNoteStave* stave, double position, int32_t octavesUp, int8_t keyKind,
                            int32_t clefNumber, TSinglePartMuz* bar)
{
    if (!QB_CHECK(bar != nullptr) || !QB_CHECK(position >= 0))
        return nullptr;
    return static_cast<TClef*>(
        bar->InsertSymbol(std::make_unique<TClef>(this, keyKind, octavesUp, position, stave, clefNumber, bar), true));
}

TRest* TMuzData::CreateRest(TNoteStave* stave, double position, uint8_t noteLengthKind, int32_t points,
                            uint8_t multiOol, int32_t posInOol, TSinglePartMuz* bar)
{
    if (!QB_CHECK(bar != nullptr) || !QB_CHECK(points >= 0) || !QB_CHECK(position >= 0))
        return nullptr;
    return static_cast<TRest*>(bar->InsertSymbol(
        std::make_unique<TRest>(noteLengthKind, points, position, stave, multiOol, posInOol, bar), true));
}

void TMuzData::SetRootChild(std::unique_ptr<TPartMuz> part)
{
    QB_CHECK(StartPartMuz->GetPartMuz() == nullptr);
    StartPartMuz->SetPartMuz(std::move(part));
}

TPartMuz* TMuzData::GetRootChild() const
{
    return StartPartMuz->GetPartMuz();
}

TStaveSymbol* TMuzData::GetFirstSymbol() const
{
    return StartPartMuz->GetFirstEnabledSymbol();
}

TSinglePartMuz* TMuzData::GetFirstSinglePart() const
{
    return StartPartMuz->GetFirstSinglePart();
}

TStaveSymbol* TMuzData::InsertSymbol(std::unique_ptr<TStaveSymbol> symbol)
{
    return StartPartMuz->InsertSymbol(std::move(symbol));
}

void TMuzData::DeleteSymbol(TStaveSymbol* symbol)
{
    StartPartMuz->DeleteSymbol(symbol);
}

void TMuzData::MoveSymbol(TStaveSymbol* symbol)
{
    StartPartMuz->MoveSymbol(symbol);
}

TXTouchMuzSymbol* TMuzData::GetFirstTouchSymbol(const TNoteStave* stave) const
{
    return StartPartMuz->GetFirstTouchSymbol(stave);
}

TXTouchMuzSymbol* TMuzData::GetLastTouchSymbol(const TNoteStave* stave) const
{
    return StartPartMuz->GetLastTouchSymbol(stave);
}
