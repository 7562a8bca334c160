// Every file reader at 1 000, 10 000 and 100 000 elements: the time a read
// takes (elements per second) and the most memory it holds at once, in bytes
// per byte of the file. A read starts from the file's name, as opening one
// does, and ends with the document built; the document is freed outside the
// timing. Memory is counted by the program's own operator new and delete:
// every allocation's usable bytes and the allocator's header before them.
#include "FactoryGrid.h"
#include "factory/document/FactoryFile.h"
#include "factory/document/UnitSountory.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/UnitPlayers.h"
#include "music/document/UnitMuz.h"
#include "platform/MessageService.h"
#include "platform/SafeFileWriter.h"
#include "shell/ProjectFile.h"
#include "shell/RecordingProjectWorkspace.h"
#include "wave/MonoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ColorPalette1DFile.h"
#include "wave/view/ColorPalette1DItem.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <string>

// ---------------------------------------------------------------- counting memory

namespace {

// The benchmarks run on one thread: plain counters, no locked instructions in every allocation.
size_t liveBytes = 0;
size_t peakBytes = 0;

// What an allocation holds: its usable bytes and the allocator's header.
size_t Held(void* p)
{
    return malloc_usable_size(p) + sizeof(size_t);
}

void* Counted(void* p)
{
    if (!p)
        throw std::bad_alloc();
    liveBytes += Held(p);
    peakBytes = std::max(peakBytes, liveBytes);
    return p;
}

void Uncounted(void* p) noexcept
{
    if (!p)
        return;
    liveBytes -= Held(p);
    std::free(p);
}

void* AlignedAlloc(size_t size, std::align_val_t align)
{
    const auto a = static_cast<size_t>(align);
    return std::aligned_alloc(a, (std::max<size_t>(size, 1) + a - 1) / a * a);
}

} // namespace

void* operator new(size_t size)
{
    return Counted(std::malloc(std::max<size_t>(size, 1)));
}
void* operator new[](size_t size)
{
    return Counted(std::malloc(std::max<size_t>(size, 1)));
}
void* operator new(size_t size, std::align_val_t align)
{
    return Counted(AlignedAlloc(size, align));
}
void* operator new[](size_t size, std::align_val_t align)
{
    return Counted(AlignedAlloc(size, align));
}
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    void* p = std::malloc(std::max<size_t>(size, 1));
    return p ? Counted(p) : nullptr;
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    void* p = std::malloc(std::max<size_t>(size, 1));
    return p ? Counted(p) : nullptr;
}
void operator delete(void* p) noexcept
{
    Uncounted(p);
}
void operator delete[](void* p) noexcept
{
    Uncounted(p);
}
void operator delete(void* p, size_t) noexcept
{
    Uncounted(p);
}
void operator delete[](void* p, size_t) noexcept
{
    Uncounted(p);
}
void operator delete(void* p, std::align_val_t) noexcept
{
    Uncounted(p);
}
void operator delete[](void* p, std::align_val_t) noexcept
{
    Uncounted(p);
}
void operator delete(void* p, size_t, std::align_val_t) noexcept
{
    Uncounted(p);
}
void operator delete[](void* p, size_t, std::align_val_t) noexcept
{
    Uncounted(p);
}

namespace {

// ---------------------------------------------------------------- running a reader

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

void SilenceMessages()
{
    static SilentMessages silent;
    SetMessageService(&silent);
}

const char* const Header = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

std::string Doctype(const char* root)
{
    return std::string(Header) + "<!DOCTYPE " + root + " SYSTEM \"" + root + ".dtd\">\n\n";
}

// Reads the file into a new document; null with the reason when it was refused.
using TReader = std::function<std::shared_ptr<void>(const std::string& fileName, std::string& error)>;

// Writes the file, then reads it once per iteration. A reader that must
// refuse the file (refused = true) is timed and counted all the same.
void RunReader(benchmark::State& state, const std::string& extension, const std::string& bytes,
               const TReader& read, bool refused = false)
{
    SilenceMessages();
    const std::string fileName =
        (std::filesystem::temp_directory_path() / ("quarbel-bench-reader." + extension)).string();
    if (!SafeFileWriter::WriteWhole(fileName, bytes)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    // Freed memory stays with the program, and one read before the timed
    // ones has touched what the reads take: the figures are the reader's own
    // work, not the system's for handing out fresh pages (which on a machine
    // whose memory is full of cached files grows with the amount asked for).
    static const bool keepMemory = mallopt(M_MMAP_MAX, 0) && mallopt(M_TRIM_THRESHOLD, INT_MAX);
    benchmark::DoNotOptimize(keepMemory);
    size_t worst = 0;
    auto readOnce = [&]() -> std::shared_ptr<void> {
        const size_t before = liveBytes;
        peakBytes = before;
        std::string error;
        std::shared_ptr<void> document = read(fileName, error);
        worst = std::max(worst, peakBytes - before);
        if (!document != refused) {
            const std::string why = refused ? "the file was read" : "refused: " + error;
            state.SkipWithError(why.c_str());
        }
        return document;
    };
    readOnce();
    for (auto _ : state) {
        std::shared_ptr<void> document = readOnce();
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(fileName);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
    state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
    state.counters["peak_per_byte"] = static_cast<double>(worst) / static_cast<double>(bytes.size());
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

// ---------------------------------------------------------------- music

std::string SinglePart()
{
    return "  <SingleMuzPart>\n    <Bar>\n      <Count>4</Count>\n      <Length>4</Length>\n    </Bar>\n"
           "    <PartNode>\n      <EnablePlayAndDraw />\n    </PartNode>\n  </SingleMuzPart>\n";
}

std::string Note(double position, int height)
{
    return "        <Note>\n          <Position>" + Number(position) +
           "</Position>\n          <Length>8</Length>\n          <Height>" + std::to_string(height) +
           "</Height>\n        </Note>\n";
}

// A music of one stave: the part list, then per bar a key part and the notes of the bar.
std::string MusicFile(const std::string& parts, int bars, const std::function<std::string(int bar)>& notesOfBar)
{
    std::string file = Doctype("UnitMuz_v9_1") + "<UnitMuz>\n  <Version>9.1</Version>\n  <View>\n    <Left>0</Left>\n"
                       "    <Top>0</Top>\n  </View>\n  <Tempo>1 s</Tempo>\n" + parts;
    file += "  <Stave>\n    <RoomUp>80</RoomUp>\n    <RoomDown>80</RoomDown>\n    <EnablePlayAndDraw />\n"
            "    <ForegroundColor>000000</ForegroundColor>\n    <BackgroundColor>FFFFFF</BackgroundColor>\n";
    for (int b = 0; b < bars; ++b)
        file += "    <KeyPart>\n      <Key>\n        <Position>0</Position>\n        <KeyKind>G</KeyKind>\n"
                "      </Key>\n    </KeyPart>\n";
    file += "    <NoteGroup>\n      <NoteColor>000000</NoteColor>\n      <NoteShapeNormal />\n"
            "      <FreqFactor>100 %</FreqFactor>\n      <VolumeFactor>100 %</VolumeFactor>\n";
    for (int b = 0; b < bars; ++b)
        file += "      <NotePart>\n" + notesOfBar(b) + "      </NotePart>\n";
    return file + "    </NoteGroup>\n  </Stave>\n</UnitMuz>\n";
}

std::shared_ptr<void> ReadMusic(const std::string& fileName, std::string& error)
{
    auto unit = std::make_shared<TUnitMuz>("Music 1", fileName);
    std::unique_ptr<TMDIChildMuzInitProps> view;
    return unit->LoadMusic(error, view) ? unit : nullptr;
}

// Bars of one note each, joined one after the other.
void BM_MusicBarsInAChain(benchmark::State& state)
{
    TUnitMuz::BuildMusicGrammars();
    const int n = static_cast<int>(state.range(0));
    std::string parts;
    for (int b = 0; b < n; ++b)
        parts += SinglePart() + (b > 0 ? "  <ConcatMuzPart />\n" : "");
    RunReader(state, "qbm", MusicFile(parts, n, [](int b) { return Note(0, b % 20 - 10); }), ReadMusic);
}

// One bar holding every note: eight chords of eighths, each note as the
// writer orders them (by position, then from the highest pitch down).
void BM_MusicNotesInOneBar(benchmark::State& state)
{
    TUnitMuz::BuildMusicGrammars();
    const int n = static_cast<int>(state.range(0));
    RunReader(state, "qbm", MusicFile(SinglePart(), 1, [n](int) {
                  std::string notes;
                  const int chord = n / 8;
                  for (int i = 0; i < n; ++i)
                      notes += Note((i / chord) * 0.125, 20 - 41 * (i % chord) / chord);
                  return notes;
              }),
              ReadMusic);
}

// One bar repeated inside as many repeats, each holding the one before.
void BM_MusicNestedRepeats(benchmark::State& state)
{
    TUnitMuz::BuildMusicGrammars();
    const int n = static_cast<int>(state.range(0));
    std::string parts = SinglePart();
    for (int i = 0; i < n; ++i)
        parts += "  <LoopMuzPart>\n    <Count>2</Count>\n    <PartNode>\n      <EnablePlayAndDraw />\n"
                 "    </PartNode>\n  </LoopMuzPart>\n";
    RunReader(state, "qbm", MusicFile(parts, 1, [](int) { return Note(0, 0); }), ReadMusic);
}

// ---------------------------------------------------------------- factory

void BM_FactoryNodes(benchmark::State& state)
{
    BuildFactoryGrammar();
    TUnitSountory factory("Factory 1", "");
    FillNodeGrid(factory, static_cast<int>(state.range(0)));
    RunReader(state, "qbf", DocumentBytes(*CreateXmlTree(factory), FactoryFileSuffix),
              [](const std::string& fileName, std::string& error) -> std::shared_ptr<void> {
                  auto unit = std::make_shared<TUnitSountory>("Factory 1", fileName);
                  return unit->LoadFromFile(error) ? unit : nullptr;
              });
}

// ---------------------------------------------------------------- players

// One player of many parts.
void BM_PlayersParts(benchmark::State& state)
{
    std::string file = Doctype("UnitPlay_v9_1") +
                       "<UnitPlay>\n  <Version>9.1</Version>\n  <CompoundPlayer>\n    <NamePlayer>Band</NamePlayer>\n";
    for (int64_t i = 0; i < state.range(0); ++i)
        file += "    <OnePlayer>\n      <FreqFactor>100 %</FreqFactor>\n      <FreqUp>0 khz</FreqUp>\n"
                "      <VolumeFactor>50 %</VolumeFactor>\n      <SimpleOneSampler>\n"
                "        <BasicFreq>1 khz</BasicFreq>\n        <SampleWave>sample " + std::to_string(i) +
                "</SampleWave>\n      </SimpleOneSampler>\n    </OnePlayer>\n";
    file += "  </CompoundPlayer>\n</UnitPlay>\n";
    RunReader(state, "qby", file, [](const std::string& fileName, std::string& error) -> std::shared_ptr<void> {
        auto unit = std::make_shared<TUnitPlayers>("Players 1", fileName);
        return unit->LoadPlayers(error) ? unit : nullptr;
    });
}

// ---------------------------------------------------------------- project

std::string Placement(const char* indent, int i)
{
    const std::string in(indent);
    return in + "<Left>" + std::to_string(i % 500) + "</Left>\n" + in + "<Top>" + std::to_string(i % 300) + "</Top>\n" +
           in + "<Width>600</Width>\n" + in + "<Height>300</Height>\n" + in + "<Normal />\n";
}

// Windows of waves, each named; the files they name are never opened.
void BM_ProjectWindows(benchmark::State& state)
{
    BuildProjectGrammar();
    std::string file = Doctype("Project_v9_1") + "<Project>\n  <Version>9.1</Version>\n  <Frame>\n" +
                       Placement("    ", 0) + "  </Frame>\n  <ModelessDialogs />\n";
    for (int i = 0; i < state.range(0); ++i)
        file += "  <Window>\n    <Wave>\n      <File>/nonexistent-quarbel-bench/wave " + std::to_string(i) +
                ".wav</File>\n    </Wave>\n    <Name>Wave " + std::to_string(i) + "</Name>\n" + Placement("    ", i) +
                "  </Window>\n";
    file += "</Project>\n";
    RunReader(state, "qbp", file, [](const std::string& fileName, std::string& error) -> std::shared_ptr<void> {
        auto workspace = std::make_shared<TRecordingProjectWorkspace>();
        workspace->ReadsFiles = false;
        return ReadProjectFile(*workspace, fileName, error) == projectRead ? workspace : nullptr;
    });
}

// ---------------------------------------------------------------- side file and palette

std::string SideFileView()
{
    return "  <SplitPosition>0.5</SplitPosition>\n  <View />\n  <ShowWave />\n  <ViewWave>\n    <DrawLines />\n"
           "    <DistPeriod />\n    <ValuesPerPixel>15</ValuesPerPixel>\n    <UseGrid />\n"
           "    <GridColor>808080</GridColor>\n    <CursorColor>FF00FF</CursorColor>\n    <Strength>1</Strength>\n"
           "    <SingleColor>000000</SingleColor>\n    <BackgroundColor>FFFFFF</BackgroundColor>\n"
           "    <LeftColor>0000FF</LeftColor>\n    <RightColor>808000</RightColor>\n    <FrontNone />\n"
           "    <DrawSingle />\n  </ViewWave>\n  <ViewVolume>\n    <TimeTop>20 khz</TimeTop>\n"
           "    <TimeBottom>20 hz</TimeBottom>\n    <XResolution>500</XResolution>\n"
           "    <YResolution>50</YResolution>\n    <YWidth>1</YWidth>\n    <YLog />\n    <SensNormal />\n"
           "    <Strength>1.3</Strength>\n    <SingleColor>FFFFFF</SingleColor>\n"
           "    <BackgroundColor>000000</BackgroundColor>\n    <LeftColor>0000FF</LeftColor>\n"
           "    <RightColor>808000</RightColor>\n    <CursorColor>FF00FF</CursorColor>\n    <ColorPalette1D>\n"
           "      <BeginColor>000000</BeginColor>\n      <EndColor>FFFFFF</EndColor>\n    </ColorPalette1D>\n"
           "    <DrawSingle />\n  </ViewVolume>\n";
}

std::shared_ptr<void> ReadSideFile(const std::string& fileName, std::string& error)
{
    auto unit = std::make_shared<TUnitWave>(std::make_shared<MonoSound>(44100, 2), "Wave 1", "bench.wav");
    std::shared_ptr<Sound> sound;
    return unit->LoadShadowFile(fileName, error, false, sound) == 1 ? unit : nullptr;
}

// A hand drawing of many points.
void BM_SideFileDrawPoints(benchmark::State& state)
{
    TUnitWave::BuildUnitWaveGrammar();
    const int n = static_cast<int>(state.range(0));
    std::string file = Doctype("UnitWave_v8_0") + "<UnitWave>\n  <Version>8.0</Version>\n  <UserDraw>\n"
                       "    <DrawLinear />\n";
    for (int i = 0; i < n; ++i)
        file += "    <DrawPoint>\n      <Position>" + Number(static_cast<double>(i) / (n - 1)) +
                "</Position>\n      <WaveValue>" + std::to_string((i * 7919) % 32000 - 16000) +
                " $</WaveValue>\n    </DrawPoint>\n";
    file += "    <DrawLength>1 s</DrawLength>\n  </UserDraw>\n" + SideFileView() + "</UnitWave>\n";
    RunReader(state, "qbw", file, ReadSideFile);
}

// Empty tags where none may stand: the file is refused, after reading all of it.
void BM_SideFileEmptyTags(benchmark::State& state)
{
    TUnitWave::BuildUnitWaveGrammar();
    std::string file = Doctype("UnitWave_v8_0") + "<UnitWave>\n  <Version>8.0</Version>\n";
    for (int64_t i = 0; i < state.range(0); ++i)
        file += "  <View />\n";
    file += "</UnitWave>\n";
    RunReader(state, "qbw", file, ReadSideFile, true);
}

std::shared_ptr<void> ReadPalette(const std::string& fileName, std::string& error)
{
    auto palette = std::make_shared<TColorPalette1DItem>(0x000000, 0xFFFFFF);
    return ReadColorPalette1DFile(*palette, fileName, error) ? palette : nullptr;
}

std::string PaletteFile(int64_t items, bool descending)
{
    std::string file = Doctype("UnitColorPalette1D_v1_0") +
                       "<UnitColorPalette1D>\n  <Version>1.0</Version>\n  <ColorPalette1D>\n"
                       "    <BeginColor>000000</BeginColor>\n";
    for (int64_t i = 0; i < items; ++i) {
        const int64_t place = descending ? items - i : i + 1;
        file += "    <ColorPalette1DItem>\n      <Position>" +
                Number(static_cast<double>(place) / static_cast<double>(items + 1)) +
                "</Position>\n      <ColorBefore>0000FF</ColorBefore>\n      <ColorAfter>00FF00</ColorAfter>\n"
                "    </ColorPalette1DItem>\n";
    }
    return file + "    <EndColor>FFFFFF</EndColor>\n  </ColorPalette1D>\n</UnitColorPalette1D>\n";
}

// Items in rising order, as the writer writes them, and in falling order.
void BM_PaletteItems(benchmark::State& state)
{
    RunReader(state, "cp1", PaletteFile(state.range(0), false), ReadPalette);
}

void BM_PaletteItemsFalling(benchmark::State& state)
{
    RunReader(state, "cp1", PaletteFile(state.range(0), true), ReadPalette);
}

void BM_PaletteEmptyTags(benchmark::State& state)
{
    std::string file = Doctype("UnitColorPalette1D_v1_0") + "<UnitColorPalette1D>\n  <Version>1.0</Version>\n";
    for (int64_t i = 0; i < state.range(0); ++i)
        file += "  <UseColorAfter />\n";
    file += "</UnitColorPalette1D>\n";
    RunReader(state, "cp1", file, ReadPalette, true);
}

void Sizes(benchmark::internal::Benchmark* bench)
{
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_MusicBarsInAChain)->Apply(Sizes);
BENCHMARK(BM_MusicNotesInOneBar)->Apply(Sizes);
BENCHMARK(BM_MusicNestedRepeats)->Apply(Sizes);
BENCHMARK(BM_FactoryNodes)->Apply(Sizes);
BENCHMARK(BM_PlayersParts)->Apply(Sizes);
BENCHMARK(BM_ProjectWindows)->Apply(Sizes);
BENCHMARK(BM_SideFileDrawPoints)->Apply(Sizes);
BENCHMARK(BM_SideFileEmptyTags)->Apply(Sizes)->Arg(1000000);
BENCHMARK(BM_PaletteItems)->Apply(Sizes);
BENCHMARK(BM_PaletteItemsFalling)->Apply(Sizes);
BENCHMARK(BM_PaletteEmptyTags)->Apply(Sizes)->Arg(500000);
