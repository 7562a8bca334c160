#include "music/symbols/NoteShiftKinds.h"

#include "platform/Assertions.h"

void NoteShiftKinds::FillNone(const NoteShiftKinds& other)
{
    for (size_t i = 0; i < Entries.size(); ++i) {
        if (Entries[i] == noteShiftNone)
            Entries[i] = other.Entries[i];
        QB_CHECK(Entries[i] != noteShiftNone);
    }
}

void NoteShiftKinds::ChangeKeyKind(int32_t oldKeyKind, int32_t newKeyKind)
{
    const int32_t k = HeightOffset(newKeyKind / 6 - oldKeyKind / 6);
    std::array<uint8_t, 7> moved{};
    for (int32_t i = 0; i < 7; ++i)
        moved[static_cast<size_t>((k + i) % 7)] = Entries[static_cast<size_t>(i)];
    Entries = moved;
}
