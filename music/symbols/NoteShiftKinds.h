#pragma once
#include "music/symbols/MusicSymbolKinds.h"

#include <array>
#include <cstdint>

// An accidental per scale step: a stave height (or pitch) selects its entry
// by its remainder modulo 7. Key signatures, the accidentals in force during
// a bar and the layout's positions keep one each.
class NoteShiftKinds {
public:
    explicit NoteShiftKinds(uint8_t value = noteShiftNormal) { Fill(value); }

    void Fill(uint8_t value) { Entries.fill(value); }
    void SetAt(int32_t height, uint8_t value) { Entries[HeightOffset(height)] = value; }
    uint8_t GetAt(int32_t height) const { return Entries[HeightOffset(height)]; }
    // Every step without an entry of its own (noteShiftNone) takes other's.
    void FillNone(const NoteShiftKinds& other);
    // Re-indexes the table for a clef whose kind changes, so that every
    // accidental stays on its pitch.
    void ChangeKeyKind(int32_t oldKeyKind, int32_t newKeyKind);
    void Assign(const NoteShiftKinds& other) { Entries = other.Entries; }
    void Assign(NoteShiftKinds& first, NoteShiftKinds& second) const
    {
        first.Entries = Entries;
        second.Entries = Entries;
    }
    bool operator==(const NoteShiftKinds&) const = default;

    // The step of a height, 0 to 6.
    static int32_t HeightOffset(int32_t height) { return ((height % 7) + 7) % 7; }

private:
    std::array<uint8_t, 7> Entries;
};
