#include "music/layout/StaveLayoutItems.h"

#include "foundation/draw/Canvas.h"
#include "music/layout/LayoutCheck.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/DrawNote.h"
#include "music/symbols/MusicSymbolKinds.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"

#include <algorithm>
#include <cstdlib>

// ---- lengths ----

double TDrawXLength::GetLength() const
{
    if (LengthIsBroken)
        return BrokenLength;
    return TStaveTimeSymbol::LengthOf(NoteLengthKind, Points);
}

void TDrawXLength::Set(int32_t points, uint8_t noteLengthKind)
{
    LengthIsBroken = false;
    Points = points;
    NoteLengthKind = noteLengthKind;
}

void TDrawXLength::SetBroken(double length)
{
    LengthIsBroken = true;
    BrokenLength = length;
}

int32_t TDrawXLength::GetFlagLength(uint8_t multiOol) const
{
    const TMultiOolInfo* info = FindMultiOolInfo(multiOol);
    int32_t flagLength = NoteLengthKind * (info ? info->flagFactor : 1);
    if (!QB_LAYOUT_CHECK(flagLength <= 64))
        flagLength = 64;
    return flagLength;
}

int32_t TDrawXLength::GetFlagPoints(uint8_t multiOol) const
{
    QB_LAYOUT_CHECK(!LengthIsBroken);
    if (multiOol == duool || multiOol == kwartool) {
        if (!QB_LAYOUT_CHECK(Points > 0))
            return 0;
        return Points - 1;
    }
    return Points;
}

double TDrawXLength::SplitLength(int32_t& points, uint8_t& noteLengthKind, double& length) const
{
    const double total = GetLength();
    int32_t n = 1;
    while (n < 64 && 1.0 / n > total)
        n *= 2;
    noteLengthKind = static_cast<uint8_t>(n);
    length = 1.0 / n;
    points = 1;
    while (points < 3 && length < total) {
        n *= 2;
        length += 1.0 / n;
        ++points;
    }
    if (length > total) {
        length -= 1.0 / n;
        --points;
    }
    --points;
    const double rest = total - length;
    if (!QB_LAYOUT_CHECK(rest >= 0))
        return 0.0;
    return rest;
}

int32_t FlagLevels(int32_t drawnValue)
{
    int32_t levels = 0;
    for (int32_t k = drawnValue / 4; k > 1; k /= 2)
        ++levels;
    return levels;
}

// ---- x positions ----

void TDrawXPositionItem::ExtendWidthBefore(int32_t width)
{
    WidthBefore = std::max(WidthBefore, width);
}

void TDrawXPositionItem::ExtendWidthCore(int32_t width)
{
    WidthCore = std::max(WidthCore, width);
}

void TDrawXPositionItem::ExtendWidthAfter(int32_t width)
{
    WidthAfter = std::max(WidthAfter, width);
}

TDrawXPositionItem& TDrawXPositionList::GetOrAdd(double position, int32_t posInOol, uint8_t multiOol)
{
    // Positions come in ascending order: look from the end. A new one goes
    // behind the last that does not lie after it.
    auto insertAt = List.begin();
    bool placed = false;
    for (auto it = List.end(); it != List.begin();) {
        --it;
        if (it->Position == position && it->PosInOol == posInOol)
            return *it;
        if (!placed && it->Position <= position) {
            insertAt = std::next(it);
            placed = true;
        }
        if (it->Position < position)
            break;
    }
    auto made = List.emplace(insertAt, position, posInOol, multiOol);
    if (made == List.begin())
        made->PrevShiftKinds = Retained.empty() ? &Head : &Retained.front().ShiftKinds;
    else
        made->PrevShiftKinds = &std::prev(made)->ShiftKinds;
    if (auto after = std::next(made); after != List.end())
        after->PrevShiftKinds = &made->ShiftKinds;
    return *made;
}

NoteShiftKinds TDrawXPositionList::PropagateAccidentals()
{
    const NoteShiftKinds* last = &Head;
    for (TDrawXPositionItem& item : List) {
        if (item.PrevShiftKinds)
            item.ShiftKinds.FillNone(*item.PrevShiftKinds);
        last = &item.ShiftKinds;
    }
    return *last;
}

int32_t TDrawXPositionList::AssignX(double p, int32_t x)
{
    for (TDrawXPositionItem& item : List) {
        if (!(item.Position < p))
            break;
        // A position no symbol measured (its symbol was left out) takes no room.
        for (int32_t* width : {&item.WidthBefore, &item.WidthCore, &item.WidthAfter})
            if (!QB_LAYOUT_CHECK(*width >= 0))
                *width = 0;
        item.X = x;
        x += item.WidthBefore + item.WidthCore + item.WidthAfter;
    }
    return x;
}

namespace {

// Frees what a flush drew: everything before P but the last of it, which
// stays (retained) while something after P still refers to it. A flush that
// drew nothing keeps what the one before retained.
template <class Items>
void DeleteDrawn(Items& list, Items& retained, double p)
{
    auto firstKept = std::find_if(list.begin(), list.end(), [p](const auto& item) { return !(item.Position < p); });
    if (firstKept == list.end()) {
        list.clear();
        retained.clear();
        return;
    }
    if (firstKept == list.begin())
        return;
    retained.clear();
    retained.splice(retained.begin(), list, std::prev(firstKept));
    list.erase(list.begin(), firstKept);
}

} // namespace

void TDrawXPositionList::DeleteDrawnPositions(double p)
{
    // The position retained outlives the one before it (and the one retained
    // before it): it keeps a copy of that table, which a chord laid out again
    // at it still reads.
    const auto firstKept = std::find_if(List.begin(), List.end(), [p](const auto& item) { return !(item.Position < p); });
    if (firstKept != List.begin() && firstKept != List.end()) {
        TDrawXPositionItem& kept = *std::prev(firstKept);
        if (kept.PrevShiftKinds) {
            RetainedPrev.Assign(*kept.PrevShiftKinds);
            kept.PrevShiftKinds = &RetainedPrev;
        }
    }
    DeleteDrawn(List, Retained, p);
}

void TDrawXPositionList::Clear()
{
    List.clear();
    Retained.clear();
}

// ---- chord slots ----

int32_t TDrawXNotesItem::GetMinHeight() const
{
    int32_t low = 0;
    bool first = true;
    for (const TDrawXNoteItem& note : Notes)
        if (note.DrawNote) {
            low = first ? note.DrawNote->DrawHeight : std::min(low, note.DrawNote->DrawHeight);
            first = false;
        }
    return low;
}

int32_t TDrawXNotesItem::GetMaxHeight() const
{
    int32_t high = 0;
    bool first = true;
    for (const TDrawXNoteItem& note : Notes)
        if (note.DrawNote) {
            high = first ? note.DrawNote->DrawHeight : std::max(high, note.DrawNote->DrawHeight);
            first = false;
        }
    return high;
}

int32_t TDrawXNotesItem::HeadLeft() const
{
    if (DrawXPositionItem)
        return DrawXPositionItem->X + DrawXPositionItem->WidthBefore;
    return KeptX + KeptWidthBefore;
}

int32_t TDrawXNotesItem::HeadRight() const
{
    return HeadLeft() + (DrawXPositionItem ? DrawXPositionItem->WidthCore : KeptWidthCore);
}

TDrawXNotesItem TDrawXNotesItem::CopyFor(TDrawXPositionItem& q) const
{
    TDrawXNotesItem copy(q.Position, q.PosInOol, q.MultiOol, &q, NoteStave, DrawStickKind);
    copy.NoteArtKind = NoteArtKind;
    copy.Length = Length;
    copy.BeamY = BeamY;
    copy.StickEndY = StickEndY;
    copy.StickX = StickX;
    copy.JoinBreakBefore = JoinBreakBefore;
    copy.JoinBreakAfter = JoinBreakAfter;
    copy.GroupBreakBefore = GroupBreakBefore;
    copy.GroupBreakAfter = GroupBreakAfter;
    copy.SlurBegin = SlurBegin;
    copy.SlurEnd = SlurEnd;
    for (const TDrawXNoteItem& note : Notes)
        copy.Notes.emplace_back(note.MuzNote, note.Selected);
    return copy;
}

TDrawXNotesItem* TDrawXNotesList::Find(double position, int32_t posInOol)
{
    for (auto it = List.rbegin(); it != List.rend(); ++it) {
        if (it->Position == position && it->PosInOol == posInOol)
            return &*it;
        if (it->Position < position)
            break;
    }
    return nullptr;
}

TDrawXNotesItem* TDrawXNotesList::AddChordSlot(double position, int32_t posInOol, uint8_t multiOol,
                                               TDrawXPositionItem& drawXPositionItem, uint8_t noteLengthKind)
{
    if (TDrawXNotesItem* slot = Find(position, posInOol)) {
        if (!QB_LAYOUT_CHECK(&drawXPositionItem == slot->DrawXPositionItem) ||
            !QB_LAYOUT_CHECK(multiOol == slot->MultiOol) ||
            !QB_LAYOUT_CHECK(noteLengthKind == slot->Length.NoteLengthKind))
            return nullptr;
        return slot;
    }
    TDrawXNotesItem slot(position, posInOol, multiOol, &drawXPositionItem, NoteStave, DrawStickKind);
    slot.Length.Set(0, noteLengthKind);
    List.push_back(std::move(slot));
    return &List.back();
}

bool TDrawXNotesList::AddNote(TMuzNote& note, bool selected)
{
    if (!QB_LAYOUT_CHECK(note.GetBerDrawStickKind() == DrawStickKind) ||
        !QB_LAYOUT_CHECK(note.GetNoteStave() == NoteStave))
        return false;
    TDrawXNotesItem* slot = Find(note.GetPosition(), note.GetPosInOol());
    if (!QB_LAYOUT_CHECK(slot != nullptr) || !QB_LAYOUT_CHECK(note.GetMultiOol() == slot->MultiOol) ||
        !QB_LAYOUT_CHECK(note.GetNoteLengthKind() == slot->Length.NoteLengthKind))
        return false;
    if (slot->Notes.empty()) {
        slot->Length.Points = note.GetPoints();
        slot->NoteArtKind = note.GetNoteArtKind();
    } else if (!QB_LAYOUT_CHECK(note.GetPoints() == slot->Length.Points) ||
               !QB_LAYOUT_CHECK(note.GetNoteArtKind() == slot->NoteArtKind)) {
        return false;
    }
    slot->Notes.emplace_back(&note, selected);
    return true;
}

void TDrawXNotesList::MarkSeconds(double p)
{
    for (TDrawXNotesItem& slot : List) {
        if (!(slot.Position < p))
            break;
        const TDrawXNoteItem* prev = nullptr;
        for (TDrawXNoteItem& note : slot.Notes) {
            if (prev && prev->DrawNote && note.DrawNote && !prev->HeadShifted &&
                std::abs(note.DrawNote->DrawHeight - prev->DrawNote->DrawHeight) == 1)
                note.HeadShifted = true;
            prev = &note;
        }
    }
}

void TDrawXNotesList::SetChordWidths(double p)
{
    for (TDrawXNotesItem& slot : List) {
        if (!(slot.Position < p))
            break;
        if (!QB_LAYOUT_CHECK(!slot.Length.LengthIsBroken))
            continue;
        int32_t before = 0;
        int32_t core = 0;
        int32_t after = 0;
        for (const TDrawXNoteItem& note : slot.Notes) {
            if (!note.DrawNote)
                continue;
            int32_t b = 0;
            int32_t c = 0;
            int32_t a = 0;
            note.DrawNote->GetWidths(b, c, a);
            if (!note.HeadShifted) {
                before = std::max(before, b);
                core = std::max(core, c);
                after = std::max(after, a);
            } else if (slot.DrawStickKind == drawStickUp) {
                before = std::max(before, b - c);
                after = std::max(after, a + c);
            } else {
                before = std::max(before, b + c);
                after = std::max(after, a - c);
            }
        }
        if (slot.JoinBreakBefore && slot.JoinBreakAfter && slot.HasNotes() &&
            slot.Length.GetFlagLength(slot.MultiOol) >= 8 && slot.DrawStickKind == drawStickUp)
            after = std::max(after, 13);
        slot.DrawXPositionItem->ExtendWidthBefore(before);
        slot.DrawXPositionItem->ExtendWidthCore(core);
        slot.DrawXPositionItem->ExtendWidthAfter(after);
    }
}

void TDrawXNotesList::DrawNoteHeads(TDrawXNotesItem& slot, TCanvas& canvas, int32_t, int32_t headLeft,
                                    int32_t headRight, int32_t)
{
    const int32_t w = headRight - headLeft;
    for (TDrawXNoteItem& note : slot.Notes) {
        if (!QB_LAYOUT_CHECK(note.DrawNote != nullptr))
            continue;
        int32_t left = headLeft;
        int32_t right = headRight;
        if (note.HeadShifted) {
            const int32_t shift = slot.DrawStickKind == drawStickUp ? w : -w;
            left += shift;
            right += shift;
        }
        int32_t touchLeft = left;
        int32_t touchRight = right;
        note.DrawNote->Draw(canvas, left, right, touchLeft, touchRight, note.Selected);
        note.MuzNote->ExtendTouchRange(touchLeft);
        note.MuzNote->ExtendTouchRange(touchRight);
        note.MuzNote->SetDrawHeight(note.DrawNote->DrawHeight);
    }
}

void TDrawXNotesList::DeleteDrawnChords(double p)
{
    auto firstKept = std::find_if(List.begin(), List.end(), [p](const auto& slot) { return !(slot.Position < p); });
    if (firstKept != List.end() && firstKept != List.begin()) {
        // The slot that stays behind loses its x position with this flush.
        TDrawXNotesItem& last = *std::prev(firstKept);
        last.KeptX = last.DrawXPositionItem->X;
        last.KeptWidthBefore = last.DrawXPositionItem->WidthBefore;
        last.KeptWidthCore = last.DrawXPositionItem->WidthCore;
        last.DrawXPositionItem = nullptr;
    }
    DeleteDrawn(List, Retained, p);
}

void TDrawXNotesList::Clear()
{
    List.clear();
    Retained.clear();
}

// ---- rest slots ----

void TDrawXSilList::AddRest(TDrawXPositionItem& drawXPositionItem, TRest& rest, bool selected)
{
    for (auto it = List.rbegin(); it != List.rend() && !(it->Position < rest.GetPosition()); ++it)
        if (it->Position == rest.GetPosition() && it->PosInOol == rest.GetPosInOol()) {
            if (!QB_LAYOUT_CHECK(&drawXPositionItem == it->DrawXPositionItem) ||
                !QB_LAYOUT_CHECK(rest.GetMultiOol() == it->MultiOol))
                return;
            it->Length.Set(rest.GetPoints(), rest.GetNoteLengthKind());
            return;
        }
    TDrawXLength length;
    length.Set(rest.GetPoints(), rest.GetNoteLengthKind());
    TDrawXSilItem slot(rest.GetPosition(), rest.GetPosInOol(), rest.GetMultiOol(), &drawXPositionItem, length, &rest,
                       selected);
    List.push_back(std::move(slot));
}

void TDrawXSilList::CreateDrawSilences(double p)
{
    for (TDrawXSilItem& slot : List) {
        if (!(slot.Position < p))
            break;
        if (!QB_LAYOUT_CHECK(!slot.Length.LengthIsBroken))
            continue;
        slot.DrawSilence = std::make_unique<TRest>(static_cast<uint8_t>(slot.Length.GetFlagLength(slot.MultiOol)),
                                                   slot.Length.GetFlagPoints(slot.MultiOol), slot.Position,
                                                   slot.Silence->GetNoteStave(), sool, 0,
                                                   slot.Silence->GetSinglePartMuz());
    }
}

void TDrawXSilList::SetRestWidths(double p)
{
    for (TDrawXSilItem& slot : List) {
        if (!(slot.Position < p))
            break;
        int32_t width = 0;
        slot.Silence->GetWidth(width);
        slot.DrawXPositionItem->ExtendWidthBefore(0);
        slot.DrawXPositionItem->ExtendWidthCore(width);
        slot.DrawXPositionItem->ExtendWidthAfter(0);
    }
}

void TDrawXSilList::DrawRests(double p, TCanvas& canvas)
{
    for (TDrawXSilItem& slot : List) {
        if (!(slot.Position < p))
            break;
        if (!QB_LAYOUT_CHECK(slot.DrawSilence != nullptr))
            continue;
        canvas.SetPenColor(NoteStave->ForegroundColor);
        canvas.SetBrushColor(NoteStave->ForegroundColor);
        const int32_t x = slot.DrawXPositionItem->X + slot.DrawXPositionItem->WidthBefore;
        int32_t right = x;
        slot.DrawSilence->Draw(canvas, x, right, slot.Selected);
        slot.Silence->ExtendTouchRange(x);
        slot.Silence->ExtendTouchRange(right);
    }
}

void TDrawXSilList::DeleteDrawnRests(double p)
{
    while (!List.empty() && List.front().Position < p)
        List.pop_front();
}
