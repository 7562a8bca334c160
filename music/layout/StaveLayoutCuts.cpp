// The first steps of a flush: cutting what crosses the cut position into
// tied pieces, turning odd lengths into tied note values, deciding which
// chords may be beamed and which form one stem group, the accidentals in
// force at every position, and the drawn notes and rests.
#include "music/layout/LayoutCheck.h"
#include "music/layout/StaveLayoutItems.h"
#include "music/staves/NoteGroup.h"
#include "music/symbols/Clef.h"
#include "music/symbols/DrawNote.h"
#include "music/symbols/MusicSymbolKinds.h"
#include "music/symbols/MuzNote.h"
#include "music/symbols/Rest.h"

#include <iterator>

namespace {

// Remainders this small are the rounding of the lengths, not music.
constexpr double NoLength = 1e-9;

// The stave height of a note under the clef in force; a stave without a
// clef (which every bar gives it) draws as under a G clef.
int32_t HeightOf(const TMuzNote& note, const TClef* barClef)
{
    if (!QB_LAYOUT_CHECK(barClef != nullptr))
        return note.GetPitch() - clefKindG;
    return barClef->PitchToHeight(note.GetPitch());
}

// Cuts the slot at it where it crosses p: the piece after p goes behind it,
// on its own x position. Only the last slot of a list may cross p (one voice
// per stave); an earlier one is left whole.
template <class Items, class Copy>
void CutAt(Items& list, typename Items::iterator it, double p, TDrawXPositionList& positions, Copy copyFor)
{
    const double start = it->Position;
    const double end = start + it->Length.GetLength();
    if (!(start < p && p < end) || !QB_LAYOUT_CHECK(std::next(it) == list.end()))
        return;
    TDrawXPositionItem& q = positions.GetOrAdd(p, 0, sool);
    auto piece = list.insert(std::next(it), copyFor(*it, q));
    it->Length.SetBroken(p - start);
    piece->Length.SetBroken(end - p);
}

// Splits a broken length into its longest note value and a tied remainder,
// and the remainder likewise, until nothing is left. A length below a 64th
// is drawn as a 64th: nothing shorter can be written.
template <class Items, class Copy, class Tie>
void SplitBroken(Items& list, double p, TDrawXPositionList& positions, Copy copyFor, Tie tie)
{
    for (auto it = list.begin(); it != list.end() && it->Position < p; ++it) {
        if (!it->Length.LengthIsBroken)
            continue;
        double remainder = 0.0;
        double length = 0.0;
        if (it->Length.BrokenLength < 1.0 / 64) {
            it->Length.Set(0, 64);
        } else {
            int32_t points = 0;
            uint8_t value = 4;
            remainder = it->Length.SplitLength(points, value, length);
            it->Length.Set(points, value);
        }
        tie(*it, nullptr);
        if (remainder > NoLength) {
            TDrawXPositionItem& q = positions.GetOrAdd(it->Position + length, 0, sool);
            auto piece = list.insert(std::next(it), copyFor(*it, q));
            piece->Length.SetBroken(remainder);
            tie(*it, &*piece);
        }
    }
}

TDrawXSilItem CopyRest(const TDrawXSilItem& slot, TDrawXPositionItem& q)
{
    return TDrawXSilItem(q.Position, q.PosInOol, q.MultiOol, &q, slot.Length, slot.Silence, slot.Selected);
}

} // namespace

void TDrawXNotesList::SplitAtBar(double p, TDrawXPositionList& positions)
{
    for (auto it = List.begin(); it != List.end(); ++it) {
        if (it->MultiOol != sool || !it->HasNotes())
            continue;
        const size_t before = List.size();
        CutAt(List, it, p, positions, [](const TDrawXNotesItem& slot, TDrawXPositionItem& q) { return slot.CopyFor(q); });
        if (List.size() == before)
            continue;
        auto piece = std::next(it);
        for (TDrawXNotesItem* slot : {&*it, &*piece}) {
            slot->JoinBreakAfter = true;
            slot->GroupBreakAfter = true;
        }
        it->SlurBegin = true;
        piece->SlurEnd = true;
        ++it;
    }
}

void TDrawXNotesList::SplitBrokenLengths(double p, TDrawXPositionList& positions)
{
    SplitBroken(
        List, p, positions, [](const TDrawXNotesItem& slot, TDrawXPositionItem& q) { return slot.CopyFor(q); },
        [](TDrawXNotesItem& slot, TDrawXNotesItem* piece) {
            if (!piece) {
                slot.JoinBreakAfter = true;
                slot.GroupBreakAfter = true;
                return;
            }
            slot.SlurBegin = true;
            piece->SlurEnd = true;
        });
}

void TDrawXNotesList::SetJoinBreaksAfter(double p, bool allowJoinFlags)
{
    for (auto it = List.begin(); it != List.end() && it->Position < p; ++it) {
        TDrawXNotesItem& s = *it;
        const auto next = std::next(it);
        if (!allowJoinFlags)
            s.JoinBreakAfter = true;
        if (s.IsTupletMember() && s.PosInOol == s.MultiOol - 1) {
            s.JoinBreakAfter = true;
            s.GroupBreakAfter = true;
        }
        if (s.IsTupletMember() && !s.HasNotes())
            s.JoinBreakAfter = true;
        if (s.Length.GetFlagLength(s.MultiOol) < 8) {
            s.JoinBreakAfter = true;
            s.GroupBreakAfter = s.GroupBreakAfter || !s.IsTupletMember();
        }
        if (next == List.end()) {
            s.JoinBreakAfter = true;
            s.GroupBreakAfter = true;
            return;
        }
        const TDrawXNotesItem& t = *next;
        if (t.Length.GetFlagLength(t.MultiOol) < 8) {
            s.JoinBreakAfter = true;
            s.GroupBreakAfter = s.GroupBreakAfter || !s.IsTupletMember();
        }
        if (s.HasNotes() && s.Position + s.Length.GetLength() < t.Position) {
            s.JoinBreakAfter = true;
            s.GroupBreakAfter = true;
        }
        if (t.IsTupletMember() && (t.PosInOol == 0 || !t.HasNotes())) {
            s.JoinBreakAfter = true;
            s.GroupBreakAfter = s.GroupBreakAfter || t.PosInOol == 0;
        }
    }
}

void TDrawXNotesList::SetJoinBreaksBefore(double p)
{
    const TDrawXNotesItem* prev = nullptr;
    for (TDrawXNotesItem& slot : List) {
        if (!(slot.Position < p))
            break;
        if (!prev || prev->JoinBreakAfter)
            slot.JoinBreakBefore = true;
        if (!prev || prev->GroupBreakAfter)
            slot.GroupBreakBefore = true;
        prev = &slot;
    }
}

void TDrawXNotesList::RecordAccidentals(const TClef* barClef)
{
    for (TDrawXNotesItem& slot : List)
        for (const TDrawXNoteItem& note : slot.Notes) {
            const int32_t height = HeightOf(*note.MuzNote, barClef);
            const uint8_t kind = note.MuzNote->GetNoteShift();
            NoteShiftKinds& table = slot.DrawXPositionItem->ShiftKinds;
            const uint8_t entry = table.GetAt(height);
            if (entry == noteShiftNone)
                table.SetAt(height, kind);
            else if (entry != kind)
                table.SetAt(height, noteShiftConflict);
        }
}

void TDrawXNotesList::CreateDrawNotes(double p, const TClef* barClef)
{
    for (TDrawXNotesItem& slot : List) {
        if (!(slot.Position < p))
            break;
        // A tuplet member held by a rest, or missing from a file, keeps its
        // slot without notes: it has nothing to draw, and no dots of its own.
        if (slot.Notes.empty())
            continue;
        if (!QB_LAYOUT_CHECK(!slot.Length.LengthIsBroken))
            continue;
        const auto value = static_cast<uint8_t>(slot.Length.GetFlagLength(slot.MultiOol));
        const int32_t points = slot.Length.GetFlagPoints(slot.MultiOol);
        for (TDrawXNoteItem& note : slot.Notes) {
            const int32_t height = HeightOf(*note.MuzNote, barClef);
            const uint8_t kind = note.MuzNote->GetNoteShift();
            const NoteShiftKinds* before = slot.DrawXPositionItem->PrevShiftKinds;
            const bool inForce = before && before->GetAt(height) == kind;
            TNoteGroup* group = note.MuzNote->GetNoteGroup();
            if (!QB_LAYOUT_CHECK(group != nullptr))
                continue;
            note.DrawNote = std::make_unique<TDrawNote>(group, value, points, height, group->GetNoteStave(),
                                                        inForce ? uint8_t{noteShiftNone} : kind);
        }
    }
}

void TDrawXSilList::SplitAtBar(double p, TDrawXPositionList& positions)
{
    for (auto it = List.begin(); it != List.end(); ++it)
        if (it->MultiOol == sool) {
            const size_t before = List.size();
            CutAt(List, it, p, positions, CopyRest);
            if (List.size() != before)
                ++it;
        }
}

void TDrawXSilList::SplitBrokenLengths(double p, TDrawXPositionList& positions)
{
    SplitBroken(List, p, positions, CopyRest, [](TDrawXSilItem&, TDrawXSilItem*) {});
}
