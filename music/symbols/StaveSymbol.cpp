#include "music/symbols/StaveSymbol.h"

#include "music/parts/SinglePartMuz.h"
#include "music/symbols/MuzNote.h"
#include "platform/Assertions.h"

TStaveSymbol::TStaveSymbol(TSinglePartMuz* singlePartMuz, double position, TNoteStave* noteStave)
    : NoteStave(noteStave), Position(position), SinglePartMuz(singlePartMuz)
{
}

TStaveSymbol::~TStaveSymbol()
{
    // A bar may hold thousands of symbols: free the tail one by one.
    std::unique_ptr<TStaveSymbol> rest = std::move(Next);
    while (rest) {
        std::unique_ptr<TStaveSymbol> after = std::move(rest->Next);
        rest.reset();
        rest = std::move(after);
    }
}

TPartMuz* TStaveSymbol::GetPartMuz() const
{
    return SinglePartMuz;
}

bool TStaveSymbol::IsPrevOf(const TStaveSymbol& other) const
{
    if (Position < other.Position)
        return true;
    if (Position > other.Position)
        return false;
    if (GetOrderRank() != other.GetOrderRank())
        return GetOrderRank() < other.GetOrderRank();
    if (GetSecondaryKey() != other.GetSecondaryKey())
        return GetSecondaryKey() < other.GetSecondaryKey();
    if (IsNote() && other.IsNote())
        return static_cast<const TMuzNote&>(other).GetPitch() < static_cast<const TMuzNote&>(*this).GetPitch();
    return false;
}

TStaveSymbol* TStaveSymbol::FindPrevClef(const TNoteStave* stave)
{
    for (TStaveSymbol* symbol = this; symbol; symbol = symbol->Prev)
        if (symbol->IsClef() && symbol->NoteStave == stave)
            return symbol;
    return nullptr;
}

TMuzNote* TStaveSymbol::GetFirstNote()
{
    for (TStaveSymbol* symbol = this; symbol; symbol = symbol->GetNext())
        if (symbol->IsNote())
            return static_cast<TMuzNote*>(symbol);
    return nullptr;
}

TStaveSymbol* TStaveSymbol::GetFirstChordSymbol()
{
    TStaveSymbol* first = this;
    for (TStaveSymbol* symbol = Prev; symbol && symbol->Position == Position; symbol = symbol->Prev)
        if (symbol->IsTimeSymbol() && symbol->NoteStave == NoteStave)
            first = symbol;
    return first;
}

TStaveSymbol* TStaveSymbol::GetNextChordSymbol()
{
    for (TStaveSymbol* symbol = GetNext(); symbol && symbol->Position == Position; symbol = symbol->GetNext())
        if (symbol->IsTimeSymbol() && symbol->NoteStave == NoteStave)
            return symbol;
    return nullptr;
}

TStaveSymbol* TStaveSymbol::GetLastChordSymbol()
{
    TStaveSymbol* last = this;
    for (TStaveSymbol* next = GetNextChordSymbol(); next; next = next->GetNextChordSymbol())
        last = next;
    return last;
}

namespace {

template <class Remove>
void DeleteWhere(std::unique_ptr<TStaveSymbol>& head, Remove remove)
{
    TStaveSymbol* symbol = head.get();
    while (symbol) {
        TStaveSymbol* next = symbol->GetNext();
        if (remove(*symbol))
            TStaveSymbol::Unlink(head, symbol); // freed here
        symbol = next;
    }
}

} // namespace

void TStaveSymbol::DeleteSymbolsOfStave(std::unique_ptr<TStaveSymbol>& head, const TNoteStave* stave)
{
    DeleteWhere(head, [stave](const TStaveSymbol& symbol) { return symbol.NoteStave == stave; });
}

void TStaveSymbol::DeleteNotesOfNoteGroup(std::unique_ptr<TStaveSymbol>& head, const TNoteGroup* group)
{
    DeleteWhere(head, [group](const TStaveSymbol& symbol) {
        return symbol.IsNote() && static_cast<const TMuzNote&>(symbol).GetNoteGroup() == group;
    });
}

void TStaveSymbol::LinkAfter(std::unique_ptr<TStaveSymbol>& head, TStaveSymbol* after,
                             std::unique_ptr<TStaveSymbol> symbol)
{
    QB_ASSERT(symbol && !symbol->Next && !symbol->Prev);
    TStaveSymbol* raw = symbol.get();
    std::unique_ptr<TStaveSymbol>& link = after ? after->Next : head;
    raw->Next = std::move(link);
    if (raw->Next)
        raw->Next->Prev = raw;
    raw->Prev = after;
    link = std::move(symbol);
}

std::unique_ptr<TStaveSymbol> TStaveSymbol::Unlink(std::unique_ptr<TStaveSymbol>& head, TStaveSymbol* symbol)
{
    QB_ASSERT(symbol != nullptr);
    std::unique_ptr<TStaveSymbol>& link = symbol->Prev ? symbol->Prev->Next : head;
    QB_ASSERT(link.get() == symbol);
    std::unique_ptr<TStaveSymbol> taken = std::move(link);
    link = std::move(taken->Next);
    if (link)
        link->Prev = taken->Prev;
    taken->Prev = nullptr;
    return taken;
}
