// Writing and reading a music of 4 staves of 2,000 bars of 8 eighth notes each
// (64,000 notes, about 10.4 MB) in the system temp folder, so the page cache
// serves the reads. The write builds the element tree and writes the file;
// the read takes the tokens, matches the grammar and builds the music.
#include "music/document/UnitMuz.h"
#include "music/parts/ConcatPartMuz.h"
#include "music/parts/SinglePartMuz.h"
#include "music/staves/NoteStave.h"
#include "platform/MessageService.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int Staves = 4;
constexpr int Bars = 2000;
constexpr int NotesPerBar = 8;

std::unique_ptr<TUnitMuz> BuildMusic()
{
    auto unit = std::make_unique<TUnitMuz>("Music 1", "");
    TMuzData& muz = unit->MuzData;
    std::unique_ptr<TPartMuz> chain;
    for (int b = 0; b < Bars; ++b) {
        auto bar = std::make_unique<TSinglePartMuz>(&muz, UnitTempoFactor(), UnitTempoFactor());
        TMuzBar::Attach(*bar, 4, 4, 0);
        chain = chain ? std::make_unique<TConcatPartMuz>(std::move(chain), std::move(bar), &muz)
                      : std::unique_ptr<TPartMuz>(std::move(bar));
    }
    muz.SetRootChild(std::move(chain));
    TNoteStave* stave = nullptr;
    for (int s = 0; s < Staves; ++s)
        stave = muz.NewNoteStave(stave, unit.get());
    for (TSinglePartMuz* bar = muz.GetFirstSinglePart(); bar; bar = bar->GetNextSinglePart())
        for (stave = muz.GetStartStave(); stave; stave = stave->GetNext())
            for (int n = 0; n < NotesPerBar; ++n)
                muz.CreateNote(stave, n * 0.125, 8, 0, (n * 3) % 14 - 7, stave->GetSelectedNoteGroup(),
                               n % 5 == 0 ? noteShiftKruis : noteShiftNormal, sool, 0, 0, bar, drawStickAuto);
    unit->SetSelMuzSymbol(muz.GetFirstSymbol());
    return unit;
}

std::string FileName(const char* what)
{
    return (std::filesystem::temp_directory_path() / (std::string("quarbel-bench-") + what + ".qbm")).string();
}

void BM_WriteMusicFile(benchmark::State& state)
{
    TUnitMuz::BuildMusicGrammars();
    std::unique_ptr<TUnitMuz> unit = BuildMusic();
    const std::string name = FileName("write");
    for (auto _ : state) {
        if (!unit->SaveMusic(name))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(name)));
    std::filesystem::remove(name);
}

void BM_ReadMusicFile(benchmark::State& state)
{
    TUnitMuz::BuildMusicGrammars();
    const std::string name = FileName("read");
    if (!BuildMusic()->SaveMusic(name)) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        TUnitMuz unit("Music 2", name);
        std::string message;
        std::unique_ptr<TMDIChildMuzInitProps> view;
        if (!unit.LoadMusic(message, view))
            state.SkipWithError(message.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(name)));
    std::filesystem::remove(name);
}

} // namespace

BENCHMARK(BM_WriteMusicFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMusicFile)->Unit(benchmark::kMillisecond);
