#include "foundation/draw/RecordingCanvas.h"
#include "music/layout/LayoutCheck.h"
#include "music/layout/MusicPainter.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/SelectPartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "support/TempFolder.h"
#include "tests/music/MusicTestSupport.h"

#include <cctype>
#include <filesystem>

namespace {

// A music with a loop over two bars, an alternative-turns part with two
// turns, tuplets, chords, two clefs at one position, a label holding a tab,
// angle brackets, a caret and a line break, and every mark of the editing
// state; {SYMBOL} says where the selected symbol's mark goes.
const std::string RichBody = R"(<UnitMuz>
<Version>9.1</Version>
<View><Left>-40</Left><Top>-8</Top></View>
<Tempo>0.8 s</Tempo>
<SingleMuzPart>
  <Bar><Count>3</Count><Length>4</Length><CountFirstBar>1</CountFirstBar>{BAR}</Bar>
  <TempoStart>90 %</TempoStart>
  <PartNode><PartLabel>intro^T^S1^G ^^ ^Eend</PartLabel><EnablePlayAndDraw/></PartNode>
</SingleMuzPart>
<SingleMuzPart>
  <Bar><Count>4</Count><Length>4</Length></Bar>
  <PartNode><EnablePlayAndDraw/></PartNode>
</SingleMuzPart>
<LoopMuzPart>
  <Count>3</Count><TempoEnd>1.25</TempoEnd>{LOOP}
  <PartNode><Expanded/><EnablePlayAndDraw/></PartNode>
</LoopMuzPart>
<ConcatMuzPart/>
<SingleMuzPart>
  <Bar><Count>6</Count><Length>8</Length></Bar>
  <PartNode><EnablePlayAndDraw/></PartNode>
</SingleMuzPart>
<SelectMuzPart>
  <SelectMuzPartTurn><Count>1</Count><PartNode><PartLabel>first time</PartLabel></PartNode></SelectMuzPartTurn>
  <SelectMuzPartTurn><Count>2</Count><Pitch>-12</Pitch><Tempo>50 %</Tempo><PartNode><Selected/></PartNode></SelectMuzPartTurn>
  <TempoStart>-3dB</TempoStart>
  <PartNode><EnablePlayAndDraw/></PartNode>
</SelectMuzPart>
<ConcatMuzPart/>
<Stave>
  <RoomUp>60</RoomUp><RoomDown>90</RoomDown><AllowJoinFlags/><EnablePlayAndDraw/>
  <ForegroundColor>102030</ForegroundColor><BackgroundColor>ffffff</BackgroundColor>
  <KeyPart>
    <Key><Position>0</Position><KeyKind>G</KeyKind>{KEY}<KeyNoteShift><ShiftCross/><Height>4</Height></KeyNoteShift></Key>
    <Key><Position>0</Position><KeyKind>F</KeyKind><OctavesUp>-1</OctavesUp><KeyNoteShift><ShiftMol/><Height>-1</Height></KeyNoteShift></Key>
    <Silence><Position>0.25</Position><Length>8</Length><Points>1</Points>{REST}</Silence>
  </KeyPart>
  <KeyPart>
    <Key><Position>0</Position><KeyKind>C</KeyKind></Key>
    <Silence><Position>0.5</Position><Length>4</Length><Triool/></Silence>
    <Silence><Position>0.5</Position><Length>4</Length><Triool/><PosInOol>1</PosInOol></Silence>
    <Silence><Position>0.5</Position><Length>4</Length><Triool/><PosInOol>2</PosInOol></Silence>
    <Key><Position>0.75</Position><KeyKind>G</KeyKind><OctavesUp>1</OctavesUp></Key>
  </KeyPart>
  <KeyPart>
    <Key><Position>0</Position><KeyKind>G</KeyKind></Key>
  </KeyPart>
  <NoteGroup>
    <NoteColor>0000FF</NoteColor><NoteShapeTriangle/><NoteStickDown/><EnablePlay/>
    <PlayerSet>Winds</PlayerSet><Player>Flute</Player><FreqFactor>1.5</FreqFactor><VolumeFactor>-6dB</VolumeFactor>
    <SoundFactory>Chorus</SoundFactory>
    <NotePart>
      <Note><Position>0</Position><Length>8</Length><Height>9</Height><ArtLegato/></Note>
      <Note><Position>0</Position><Length>8</Length><Height>4</Height><ShiftCross/><ArtStaccato/><NoteStickUp/>{NOTE}</Note>
      <Note><Position>0.4375</Position><Length>16</Length><Points>3</Points><Height>-43</Height><ShiftDoubleMol/></Note>
    </NotePart>
    <NotePart/>
    <NotePart>
      <Note><Position>0</Position><Length>8</Length><Height>1</Height><Kwintool/></Note>
      <Note><Position>0</Position><Length>8</Length><Height>2</Height><Kwintool/><PosInOol>1</PosInOol></Note>
      <Note><Position>0</Position><Length>8</Length><Height>3</Height><Kwintool/><PosInOol>2</PosInOol></Note>
      <Note><Position>0</Position><Length>8</Length><Height>4</Height><Kwintool/><PosInOol>3</PosInOol></Note>
      <Note><Position>0</Position><Length>8</Length><Height>5</Height><Kwintool/><PosInOol>4</PosInOol><ArtPortato/></Note>
    </NotePart>
  </NoteGroup>
  <NoteGroup>
    <NoteColor>00FF00</NoteColor><NoteShapeDiagonalCross/><Selected/><FreqFactor>100 %</FreqFactor><VolumeFactor>1</VolumeFactor>
    <NotePart><Note><Position>0.5</Position><Length>4</Length><Points>1</Points><Height>43</Height><Duool/><PosInOol>1</PosInOol><ArtStaccatissimo/></Note></NotePart>
    <NotePart><Note><Position>0.5</Position><Length>4</Length><Height>-7</Height><ShiftMol/><Triool/><PosInOol>1</PosInOol></Note></NotePart>
    <NotePart/>
  </NoteGroup>
</Stave>
<Stave>
  <RoomUp>30</RoomUp><RoomDown>31</RoomDown><Selected/><ExtraLines/>
  <ForegroundColor>0</ForegroundColor><BackgroundColor>80FFFFFF</BackgroundColor><SoundFactory>Hall</SoundFactory>
  <KeyPart><Key><Position>0</Position><KeyKind>F</KeyKind></Key></KeyPart>
  <KeyPart><Key><Position>0</Position><KeyKind>F</KeyKind></Key><Silence><Position>0</Position><Length>1</Length></Silence></KeyPart>
  <KeyPart><Key><Position>0</Position><KeyKind>C</KeyKind><OctavesUp>2</OctavesUp></Key></KeyPart>
  <NoteGroup>
    <NoteColor>0</NoteColor><NoteShapeRectangle/><FreqFactor>1 octave</FreqFactor><VolumeFactor>-7 #</VolumeFactor>
    <NotePart/><NotePart/><NotePart><Note><Position>0.125</Position><Length>2</Length><Height>0</Height></Note></NotePart>
  </NoteGroup>
</Stave>
</UnitMuz>
)";

std::string Rich(const std::string& mark = "")
{
    std::string text = MusicHeader + RichBody;
    for (const char* slot : {"{BAR}", "{LOOP}", "{KEY}", "{REST}", "{NOTE}"}) {
        const size_t at = text.find(slot);
        const bool here = mark.find(slot) == 0;
        text.replace(at, std::string(slot).size(), here ? mark.substr(std::string(slot).size()) : "");
    }
    return text;
}

struct MusicFile : MusicTest {};

} // namespace

TEST_F(MusicFile, ARichMusicSavesLoadsAndSavesTheSameBytes)
{
    struct Case {
        const char* mark;
        uint8_t kind;
    } cases[] = {{"", 3},
                 {"{BAR}<Selected/>", muzSymbolBar},
                 {"{LOOP}<DrawFirstLoopSymbol/>", muzSymbolLoop},
                 {"{LOOP}<DrawLastLoopSymbol/>", muzSymbolLoop},
                 {"{KEY}<Selected/>", muzSymbolStave},
                 {"{REST}<Selected/>", muzSymbolStave},
                 {"{NOTE}<Selected/>", muzSymbolStave}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mark);
        auto unit = MustLoad(Rich(c.mark));
        ASSERT_TRUE(unit);
        EXPECT_EQ(unit->GetSelMuzSymbolKind(), c.kind);
        const std::string first = SavedBytes(*unit);
        auto again = MustLoad(first);
        ASSERT_TRUE(again);
        EXPECT_EQ(SavedBytes(*again), first);
        EXPECT_EQ(again->GetSelMuzSymbolKind(), c.kind);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicFile, WhatTheRichMusicHolds)
{
    auto unit = MustLoad(Rich("{LOOP}<DrawLastLoopSymbol/>"));
    ASSERT_TRUE(unit);
    TMuzData& muz = unit->MuzData;
    EXPECT_DOUBLE_EQ(muz.Tempo.GetValue(), 0.8);
    TSinglePartMuz* a = muz.GetFirstSinglePart();
    TSinglePartMuz* b = a->GetNextSinglePart();
    TSinglePartMuz* c = b->GetNextSinglePart();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->GetNextSinglePart(), nullptr);
    EXPECT_EQ(a->GetLabel(), "intro\t<1> ^ \r\nend");
    EXPECT_EQ(a->GetMuzBar()->GetCountFirstBar(), 1);
    EXPECT_DOUBLE_EQ(a->GetTempoStart().GetValue(), 0.9);
    ASSERT_EQ(b->GetParent()->GetPartMuzKind(), partMuzLoop);
    auto* loop = static_cast<TLoopPartMuz*>(b->GetParent());
    EXPECT_EQ(loop->GetCount().GetValue(), 3);
    EXPECT_TRUE(loop->GetExpanded());
    EXPECT_EQ(unit->GetSelectedSymbol(), loop->GetRightLoopSymbol());
    ASSERT_EQ(c->GetParent()->GetPartMuzKind(), partMuzSelect);
    auto* select = static_cast<TSelectPartMuz*>(c->GetParent());
    EXPECT_FALSE(select->GetExpanded());
    EXPECT_EQ(select->GetMaxTurnCount(), 2);
    unitInteger pitch;
    EXPECT_TRUE(select->GetSelectPartItems()->GetPitchAtCount(pitch, 2));
    EXPECT_EQ(pitch.GetValue(), -12);
    EXPECT_EQ(unit->GetSelMusTreeItem(), select->GetSelectPartItems()->GetNextTurn()->GetNextTurn());

    TNoteStave* first = muz.GetStartStave();
    TNoteStave* second = first->GetNext();
    EXPECT_EQ(unit->GetSelNoteStave(), second);
    EXPECT_FALSE(second->EnablePlayAndDraw);
    EXPECT_EQ(second->BackgroundColor, 0x80FFFFFFu);
    EXPECT_EQ(first->BackgroundColor, 0xFFFFFFu);
    EXPECT_EQ(first->GetCurrentNoteGroup(), first->GetStartNoteGroup()->GetNext());
    EXPECT_EQ(first->GetSelectedNoteGroup(), first->GetCurrentNoteGroup());
    EXPECT_EQ(first->GetStartNoteGroup()->GetPlayerSet(), "Winds");
    EXPECT_FALSE(first->GetCurrentNoteGroup()->EnablePlay);
    // Two clefs at one position in file order; the second one's key and octave.
    TClef* g = a->GetStartClef(first);
    TStaveSymbol* next = TSinglePartMuz::NextSymbolOfStave(first, g->GetNext());
    ASSERT_TRUE(next->IsClef());
    TClef* f = static_cast<TClef*>(next);
    EXPECT_EQ(f->GetClefNumber(), 2);
    EXPECT_EQ(f->GetKeyKind(), clefKindF);
    EXPECT_EQ(f->GetOctavesUp(), -1);
    EXPECT_EQ(f->GetKeyNoteShift(6), noteShiftMol);
}

TEST_F(MusicFile, FlagsAndDefaultsOfTheVersions)
{
    // 9.1 without EnablePlayAndDraw: parts and staves off; a bar selected in a
    // part switched off is not selected.
    const std::string quiet = MusicHeader + R"(<UnitMuz><Version>9.1</Version><View><Left>0</Left><Top>0</Top></View>
<Tempo>1 s</Tempo>
<SingleMuzPart><Bar><Count>4</Count><Length>4</Length><Selected/></Bar><TempoStart>100 %</TempoStart><PartNode/></SingleMuzPart>
<Stave><RoomUp>80</RoomUp><RoomDown>80</RoomDown><ForegroundColor>0</ForegroundColor><BackgroundColor>0</BackgroundColor>
<KeyPart><Key><Position>0</Position><KeyKind>G</KeyKind><KeyNoteShift><ShiftCross/><Height>3</Height></KeyNoteShift><KeyNoteShift><ShiftMol/><Height>10</Height></KeyNoteShift></Key></KeyPart>
<NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/><FreqFactor>1</FreqFactor><VolumeFactor>1</VolumeFactor><NotePart/></NoteGroup>
</Stave></UnitMuz>
)";
    auto unit = MustLoad(quiet);
    ASSERT_TRUE(unit);
    TSinglePartMuz* bar = unit->MuzData.GetFirstSinglePart();
    EXPECT_FALSE(bar->GetEnablePlayAndDraw());
    EXPECT_EQ(unit->GetSelectedSymbol(), nullptr);
    EXPECT_FALSE(unit->MuzData.GetStartStave()->EnablePlayAndDraw);
    EXPECT_FALSE(unit->MuzData.GetStartStave()->GetStartNoteGroup()->EnablePlay);
    EXPECT_EQ(bar->GetStartClef(unit->MuzData.GetStartStave())->GetKeyNoteShift(3), noteShiftMol);
    EXPECT_TRUE(unit->IsModified());
    // A tempo factor that reads as exactly 1 is not written.
    EXPECT_EQ(SavedBytes(*unit).find("TempoStart"), std::string::npos);
}

TEST_F(MusicFile, TheLastSelectedSymbolWins)
{
    std::string text = Rich("{LOOP}<DrawLastLoopSymbol/>");
    text.replace(text.find("{NOTE}") == std::string::npos ? text.find("<ArtStaccato/><NoteStickUp/>")
                                                          : text.find("{NOTE}"),
                 std::string("<ArtStaccato/><NoteStickUp/>").size(), "<ArtStaccato/><NoteStickUp/><Selected/>");
    auto unit = MustLoad(text);
    ASSERT_TRUE(unit);
    ASSERT_EQ(unit->GetSelMuzSymbolKind(), muzSymbolStave);
    EXPECT_EQ(static_cast<TMuzNote*>(unit->GetSelectedSymbol())->GetPitch(), 4);
    // After a note, a bar symbol selected later: the note's stave stays known.
    EXPECT_EQ(unit->GetSelectedInStave(), nullptr);
}

// The format a wave is made in travels with the file; the format of a new
// music is left out, so a file without the element reads as before.
TEST_F(MusicFile, TheFormatIsSavedAndReadBack)
{
    struct Case {
        TWaveFileProps format;
        const char* element; // what the file holds after the tempo, blanks left out; empty for nothing
    } cases[] = {
        {{1, 22050, 2}, ""},
        {{2, 44100, 2}, "<WaveFormat><Stereo/><SampleFreq>44100</SampleFreq><BytesPerSample>2</BytesPerSample>"},
        {{1, 11025, 1}, "<WaveFormat><Mono/><SampleFreq>11025</SampleFreq><BytesPerSample>1</BytesPerSample>"},
        {{2, 22050, 1}, "<WaveFormat><Stereo/><SampleFreq>22050</SampleFreq><BytesPerSample>1</BytesPerSample>"},
        // a rate the dialog does not offer
        {{1, 48000, 2}, "<WaveFormat><Mono/><SampleFreq>48000</SampleFreq><BytesPerSample>2</BytesPerSample>"},
    };
    const std::string plain = SavedBytes(*MustLoad(Rich()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.SampleFreq);
        auto unit = MustLoad(Rich());
        ASSERT_TRUE(unit);
        unit->ChangeFileProps(unit->MuzData.GetFormat(), c.format);
        const std::string saved = SavedBytes(*unit);
        const size_t from = saved.find("</Tempo>") + 8;
        std::string after = saved.substr(from, saved.find("<SingleMuzPart>") - from);
        std::erase_if(after, [](char ch) { return std::isspace(static_cast<unsigned char>(ch)); });
        EXPECT_EQ(after, c.element + std::string(*c.element ? "</WaveFormat>" : ""));
        if (!*c.element) {
            EXPECT_EQ(saved, plain);
        }
        auto again = MustLoad(saved);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->GetMonoStereo(), c.format.MonoStereo);
        EXPECT_EQ(again->GetSampleFreq(), c.format.SampleFreq);
        EXPECT_EQ(again->GetBytesPSample(), c.format.BytesPSample);
        EXPECT_EQ(SavedBytes(*again), saved);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MusicFile, FactorsKeepTheUnitTheyWereReadIn)
{
    auto unit = MustLoad(Rich());
    ASSERT_TRUE(unit);
    const std::string saved = SavedBytes(*unit);
    for (const char* text : {"<FreqFactor>1.5</FreqFactor>", "<VolumeFactor>-6 dB</VolumeFactor>",
                             "<FreqFactor>100 %</FreqFactor>", "<FreqFactor>1 octave</FreqFactor>",
                             "<VolumeFactor>-7 #</VolumeFactor>", "<TempoStart>-3 dB</TempoStart>",
                             "<Tempo>50 %</Tempo>"})
        EXPECT_NE(saved.find(text), std::string::npos) << text;
}

TEST_F(MusicFile, ValuesBeyondTheirTextsAndTiesSaveTheSameTwice)
{
    const std::string base = MusicHeader + R"(<UnitMuz><Version>9.1</Version><View><Left>0</Left><Top>0</Top></View>
<Tempo>{TEMPO}</Tempo>
<SingleMuzPart><Bar><Count>4</Count><Length>4</Length></Bar><TempoStart>{FACTOR}</TempoStart><PartNode><PartLabel>{LABEL}</PartLabel><EnablePlayAndDraw/></PartNode></SingleMuzPart>
<Stave><RoomUp>80</RoomUp><RoomDown>80</RoomDown><EnablePlayAndDraw/><ForegroundColor>0</ForegroundColor><BackgroundColor>0</BackgroundColor>
<KeyPart><Key><Position>0</Position><KeyKind>G</KeyKind></Key>
<Silence><Position>0.5</Position><Length>2</Length></Silence><Silence><Position>0.5</Position><Length>8</Length></Silence></KeyPart>
<NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/><FreqFactor>{FACTOR}</FreqFactor><VolumeFactor>1</VolumeFactor><NotePart>
<Note><Position>{POSITION}</Position><Length>4</Length><Height>5</Height></Note>
<Note><Position>0.3000000000000001</Position><Length>4</Length><Height>5</Height></Note>
<Note><Position>0.3</Position><Length>4</Length><Height>3</Height></Note>
<Note><Position>0.75</Position><Length>2</Length><Height>0</Height></Note>
<Note><Position>0.75</Position><Length>16</Length><Height>0</Height><ArtLegato/></Note>
</NotePart></NoteGroup></Stave></UnitMuz>
)";
    struct Case {
        const char* tempo;
        const char* factor;
        const char* position;
        const char* label;
    } cases[] = {
        {"1 s", "1.5", "0.12345678901234567", "a & b"},
        {"A4", "1e+2", "1e-5", "^Eline^E"},
        {"440 hz", "-3.0000001 dB", "0.1", "  spaced  "},
        {"2 kHz", "7 #", "2.99999999999999999", "x\r"},
        {"3 ms", "0.5 octave", "0", "^"},
    };
    for (const Case& c : cases) {
        std::string text = base;
        for (auto [slot, value] : {std::pair<const char*, const char*>{"{TEMPO}", c.tempo},
                                   {"{FACTOR}", c.factor}, {"{FACTOR}", c.factor}, {"{POSITION}", c.position},
                                   {"{LABEL}", c.label}})
            text.replace(text.find(slot), std::string(slot).size(), value);
        SCOPED_TRACE(text);
        std::string message;
        auto unit = Load(text, message);
        if (!unit) {
            ADD_FAILURE() << message;
            continue;
        }
        const std::string first = SavedBytes(*unit);
        auto again = MustLoad(first);
        ASSERT_TRUE(again);
        EXPECT_EQ(SavedBytes(*again), first);
    }
}

// Editing keeps a tuplet whole; a file can hold one member alone, here across
// the bar line, or a member that is a rest. Both are laid out at every paint
// without an internal check firing.
TEST_F(MusicFile, ADupletBrokenByTheFileIsDrawnWithoutComplaint)
{
    ResetLayoutCheckReports();
    const std::string text = MusicHeader + R"(<UnitMuz><Version>9.1</Version><View><Left>0</Left><Top>0</Top></View>
<Tempo>1 s</Tempo>
<SingleMuzPart><Bar><Count>4</Count><Length>4</Length></Bar><PartNode><EnablePlayAndDraw/></PartNode></SingleMuzPart>
<SingleMuzPart><Bar><Count>4</Count><Length>4</Length></Bar><PartNode><EnablePlayAndDraw/></PartNode></SingleMuzPart>
<ConcatMuzPart/>
<Stave><RoomUp>80</RoomUp><RoomDown>80</RoomDown><EnablePlayAndDraw/><ForegroundColor>0</ForegroundColor><BackgroundColor>0</BackgroundColor>
<KeyPart><Key><Position>0</Position><KeyKind>G</KeyKind></Key></KeyPart>
<KeyPart><Key><Position>0</Position><KeyKind>G</KeyKind></Key>
<Silence><Position>0</Position><Length>4</Length><Points>1</Points><Duool/><PosInOol>1</PosInOol></Silence></KeyPart>
<NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/><FreqFactor>1</FreqFactor><VolumeFactor>1</VolumeFactor>
<NotePart><Note><Position>0.875</Position><Length>4</Length><Points>1</Points><Height>5</Height><Duool/><PosInOol>1</PosInOol></Note></NotePart>
<NotePart><Note><Position>0</Position><Length>4</Length><Points>1</Points><Height>3</Height><Duool/></Note></NotePart>
</NoteGroup></Stave></UnitMuz>
)";
    auto unit = MustLoad(text);
    ASSERT_TRUE(unit);
    TRecordingCanvas canvas;
    for (int paint = 0; paint < 2; ++paint) {
        TMusicPaintPass pass(unit->MuzData, 0, 0);
        pass.Paint(canvas, {0, 0, 4000, 1000}, nullptr);
    }
    EXPECT_EQ(messages.Count(), 0u) << (messages.Count() ? messages.Last().text : "");
    // The notes are drawn: each can be hit.
    int notes = 0;
    for (TSinglePartMuz* bar = unit->MuzData.GetFirstSinglePart(); bar; bar = bar->GetNextSinglePart())
        for (TStaveSymbol* symbol = bar->GetSymbols(); symbol; symbol = symbol->GetNext())
            if (symbol->IsNote()) {
                ++notes;
                EXPECT_TRUE(symbol->IsTouchValid());
            }
    EXPECT_EQ(notes, 2);
}
