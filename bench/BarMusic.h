#pragma once
// The music the music window's benches paint: on every stave, bars of 4/4,
// each a beamed run of eighths with sharps, a three-note chord, a triplet and
// a half note tied over the bar line (10 notes a bar and stave).
#include "music/data/MuzData.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "music/symbols/MuzNote.h"

#include <cstdint>
#include <memory>

// Every note of one bar and stave: position, length, pitch, tuplet place.
struct TBarNote {
    double position;
    uint8_t length;
    int32_t pitch;
    uint8_t shift;
    uint8_t multiOol;
    int32_t posInOol;
};
inline constexpr TBarNote BarNotes[] = {
    {0.0, 8, 6, noteShiftKruis, sool, 0},      {0.125, 8, 8, noteShiftNormal, sool, 0},
    {0.25, 8, 10, noteShiftKruis, sool, 0},    {0.375, 4, 4, noteShiftNormal, sool, 0},
    {0.375, 4, 8, noteShiftNormal, sool, 0},   {0.375, 4, 11, noteShiftNormal, sool, 0},
    {0.625, 4, 7, noteShiftNormal, triool, 0}, {0.625, 4, 8, noteShiftNormal, triool, 1},
    {0.625, 4, 9, noteShiftNormal, triool, 2}, {0.875, 2, 6, noteShiftNormal, sool, 0},
};

// `bars` such bars over the music's staves, one after the other; `notes`
// counts what they hold.
inline std::unique_ptr<TPartMuz> MakeBars(TMuzData& music, int32_t bars, int64_t& notes)
{
    std::unique_ptr<TPartMuz> sequence;
    notes = 0;
    for (int32_t b = 0; b < bars; ++b) {
        auto bar = std::make_unique<TSinglePartMuz>(&music, UnitTempoFactor(), UnitTempoFactor());
        TMuzBar::Attach(*bar, 4, 4, 0);
        bar->AddClefsForAllStaves();
        for (TNoteStave* on = music.GetStartStave(); on; on = on->GetNext())
            for (const TBarNote& n : BarNotes) {
                bar->InsertSymbol(std::make_unique<TMuzNote>(&music, on->GetStartNoteGroup(), n.length, 0,
                                                             n.position, n.pitch, on, n.shift, n.multiOol,
                                                             n.posInOol, noteArtNormal, bar.get(), drawStickAuto));
                ++notes;
            }
        sequence = sequence ? std::make_unique<TConcatPartMuz>(std::move(sequence), std::move(bar), &music)
                            : std::unique_ptr<TPartMuz>(std::move(bar));
    }
    return sequence;
}

// `bars` bars of 4/4 over the music's staves, each a scale of eighths up and
// down, every stave a step of two above the one before: the music the render
// benches make into a wave.
inline std::unique_ptr<TPartMuz> MakeScaleBars(TMuzData& music, int32_t bars)
{
    std::unique_ptr<TPartMuz> sequence;
    for (int32_t b = 0; b < bars; ++b) {
        auto bar = std::make_unique<TSinglePartMuz>(&music, UnitTempoFactor(), UnitTempoFactor());
        TMuzBar::Attach(*bar, 4, 4, 0);
        bar->AddClefsForAllStaves();
        int32_t s = 0;
        for (TNoteStave* on = music.GetStartStave(); on; on = on->GetNext(), ++s)
            for (int32_t i = 0; i < 8; ++i)
                bar->InsertSymbol(std::make_unique<TMuzNote>(&music, on->GetStartNoteGroup(), 8, 0, i * 0.125,
                                                             (i < 4 ? i : 8 - i) + 2 * s - 4, on, noteShiftNormal,
                                                             sool, 0, noteArtNormal, bar.get(), drawStickAuto));
        sequence = sequence ? std::make_unique<TConcatPartMuz>(std::move(sequence), std::move(bar), &music)
                            : std::unique_ptr<TPartMuz>(std::move(bar));
    }
    return sequence;
}
