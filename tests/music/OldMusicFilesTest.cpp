#include "music/parts/StartPartMuz.h"
#include "tests/music/MusicTestSupport.h"

namespace {

const std::string Version70 = MusicHeader + R"(<UnitMuz>
<Version>7.0</Version>
<Tempo>0.5 s</Tempo>
<Bar><Count>3</Count><Length>4</Length></Bar>
<Stave>
  <RoomUp>70</RoomUp><RoomDown>75</RoomDown><AllowJoinFlags/><AutoStick/>
  <ForegroundColor>0</ForegroundColor><BackgroundColor>FFFFFF</BackgroundColor>
  <Key><Position>0</Position><KeyKind>G</KeyKind><KeyNoteShift><ShiftCross/><Height>4</Height></KeyNoteShift></Key>
  <Silence><Position>1.5</Position><Length>4</Length><Points>1</Points></Silence>
  <NoteGroup><NoteColor>FF</NoteColor><NoteShapeRectangle/><NoteStickUp/>
    <CompoundPlayer><SimpleOneSampler><BasicFreq>440 Hz</BasicFreq><SampleWave>Wave 1</SampleWave><VolumeFactor>1</VolumeFactor></SimpleOneSampler>
      <RepeatWaveForm><SampleWave>Wave 2</SampleWave><FreqUp>2 Hz</FreqUp><VolumeFactor>0.5</VolumeFactor></RepeatWaveForm></CompoundPlayer>
    <Note><Position>0</Position><Length>4</Length><Height>-6</Height></Note>
    <Note><Position>0.25</Position><Length>4</Length><Height>-3</Height></Note>
    <Note><Position>0.5</Position><Length>8</Length><Height>-3</Height><ShiftNormal/></Note>
    <Note><Position>0.625</Position><Length>8</Length><Height>-3</Height></Note>
    <Note><Position>0.75</Position><Length>4</Length><Height>-3</Height></Note>
    <Note><Position>1</Position><Length>2</Length><Points>1</Points><Height>4</Height><ShiftMol/></Note>
  </NoteGroup>
  <NoteGroup><NoteColor>00FF00</NoteColor><NoteShapeNormal/>
    <CompoundPlayer><ResonantSampler><ResFactor>0.5</ResFactor><SampleWave>Wave 3</SampleWave><VolumeFactor>1</VolumeFactor></ResonantSampler></CompoundPlayer>
    <Note><Position>0</Position><Length>2</Length><Height>-10</Height></Note>
  </NoteGroup>
</Stave>
<Stave>
  <RoomUp>80</RoomUp><RoomDown>80</RoomDown><Mute/>
  <ForegroundColor>0</ForegroundColor><BackgroundColor>FFFFFF</BackgroundColor>
  <Key><Position>0</Position><KeyKind>F</KeyKind><OctavesUp>-1</OctavesUp></Key>
  <NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/>
    <CompoundPlayer><RollOutSampler><BasicFreq>0.01</BasicFreq><SampleWave>Wave 1</SampleWave><VolumeFactor>1</VolumeFactor></RollOutSampler></CompoundPlayer>
    <Note><Position>0</Position><Length>1</Length><Height>0</Height></Note>
  </NoteGroup>
  <NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/><NoteStickDown/>
    <CompoundPlayer><RollOutWaveForm><SampleWave>Wave 1</SampleWave><VolumeFactor>1</VolumeFactor></RollOutWaveForm></CompoundPlayer>
  </NoteGroup>
</Stave>
</UnitMuz>
)";

const std::string Version71 = MusicHeader + R"(<UnitMuz>
<Version>7.1</Version>
<Tempo>2 s</Tempo>
<SingleMuzPart><Bar><Count>2</Count><Length>4</Length><CountFirstBar>1</CountFirstBar></Bar><PartNode><PartLabel>intro</PartLabel></PartNode></SingleMuzPart>
<SingleMuzPart><Bar><Count>4</Count><Length>4</Length></Bar><PartNode/></SingleMuzPart>
<LoopMuzPart><Count>2</Count><PartNode><Selected/></PartNode></LoopMuzPart>
<ConcatMuzPart/>
<SingleMuzPart><Bar><Count>4</Count><Length>4</Length></Bar><PartNode/></SingleMuzPart>
<SelectMuzPart><SelectMuzPartTurn><Count>2</Count><Pitch>1</Pitch><PartNode/></SelectMuzPartTurn><PartNode><Expanded/></PartNode></SelectMuzPart>
<ConcatMuzPart/>
<Stave>
  <RoomUp>80</RoomUp><RoomDown>80</RoomDown><ExtraLines/>
  <ForegroundColor>0</ForegroundColor><BackgroundColor>FFFFFF</BackgroundColor>
  <KeyPart><Key><Position>0</Position><KeyKind>C</KeyKind></Key><Silence><Position>0.25</Position><Length>4</Length><Triool/><PosInOol>2</PosInOol></Silence></KeyPart>
  <KeyPart><Key><Position>0</Position><KeyKind>G</KeyKind></Key></KeyPart>
  <KeyPart><Key><Position>0</Position><KeyKind>{KIND}</KeyKind></Key></KeyPart>
  <NoteGroup><NoteColor>0</NoteColor><NoteShapeNormal/>
    <CompoundPlayer><SimpleOneSampler><BasicFreq>440 Hz</BasicFreq><SampleWave>Wave 1</SampleWave><VolumeFactor>1</VolumeFactor></SimpleOneSampler></CompoundPlayer>
    <NotePart><Note><Position>0</Position><Length>4</Length><Height>2</Height><ShiftDoubleCross/><ArtNormal/><NoteStickDown/></Note></NotePart>
    <NotePart/>
    <NotePart><Note><Position>0.5</Position><Length>8</Length><Points>1</Points><Height>-1</Height><Kwartool/><PosInOol>3</PosInOol><ArtPortato/></Note></NotePart>
  </NoteGroup>
</Stave>
</UnitMuz>
)";

std::string With71Kind(const std::string& kind)
{
    std::string text = Version71;
    text.replace(text.find("{KIND}"), 6, kind);
    return text;
}

struct OldMusicFiles : MusicTest {
    // Saved as 9.1 and read again: the same bytes once more.
    void SavesAsCurrentVersion(const TUnitMuz& unit)
    {
        const std::string saved = SavedBytes(unit);
        EXPECT_NE(saved.find("<Version>9.1</Version>"), std::string::npos);
        auto again = MustLoad(saved);
        ASSERT_TRUE(again);
        EXPECT_EQ(SavedBytes(*again), saved);
    }
    TMuzNote* NoteAt(TSinglePartMuz* bar, const TNoteGroup* group, double position)
    {
        for (TStaveSymbol* s = bar->GetSymbols(); s; s = s->GetNext())
            if (s->IsNote() && s->GetPosition() == position && static_cast<TMuzNote*>(s)->GetNoteGroup() == group)
                return static_cast<TMuzNote*>(s);
        ADD_FAILURE() << "no note at " << position;
        return nullptr;
    }
};

} // namespace

TEST_F(OldMusicFiles, Version70ConvertsHeightsAccidentalsAndPlayers)
{
    auto unit = MustLoad(Version70, "Old");
    ASSERT_TRUE(unit);
    EXPECT_TRUE(unit->IsModified());
    TMuzData& muz = unit->MuzData;
    TSinglePartMuz* bar = muz.GetFirstSinglePart();
    ASSERT_EQ(muz.GetRootChild(), bar);
    EXPECT_TRUE(bar->GetEnablePlayAndDraw());
    EXPECT_EQ(bar->GetMuzBar()->GetCount(), 3);
    EXPECT_EQ(bar->GetMuzBar()->GetCountFirstBar(), 0);
    EXPECT_EQ(unit->GetSelectedSymbol(), muz.GetFirstSymbol());

    TNoteStave* first = muz.GetStartStave();
    TNoteStave* second = first->GetNext();
    EXPECT_TRUE(first->EnablePlayAndDraw);
    EXPECT_FALSE(second->EnablePlayAndDraw);
    EXPECT_EQ(first->RoomDown.GetValue(), 75);
    TNoteGroup* group = first->GetStartNoteGroup();
    EXPECT_EQ(group->NoteShape, noteShapeRectangle);
    EXPECT_EQ(group->GetDrawStickKind(), drawStickUp);
    EXPECT_TRUE(group->EnablePlay);
    EXPECT_DOUBLE_EQ(group->FreqFactor.GetValue(), 1.0);

    struct Case {
        double position;
        int32_t pitch;
        uint8_t shift;
    } cases[] = {
        {0, 0, noteShiftNormal},      // C4 under the G clef
        {0.25, 3, noteShiftKruis},    // F from the key
        {0.5, 3, noteShiftNormal},    // written natural
        {0.625, 3, noteShiftNormal},  // after it in the measure
        {0.75, 3, noteShiftKruis},    // the next measure: the key again
        {1, 10, noteShiftMol},        // written flat
    };
    for (const Case& c : cases) {
        TMuzNote* note = NoteAt(bar, group, c.position);
        ASSERT_TRUE(note);
        EXPECT_EQ(note->GetPitch(), c.pitch) << c.position;
        EXPECT_EQ(note->GetNoteShift(), c.shift) << c.position;
    }
    EXPECT_EQ(NoteAt(bar, second->GetStartNoteGroup(), 0)->GetPitch(), -13); // F clef an octave down

    const auto& sets = players.access.HeldPlayerSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0]->GetName(), "Players for converted Old");
    EXPECT_TRUE(sets[0]->IsKept());
    ASSERT_EQ(sets[0]->Players().size(), 4u);
    std::vector<std::string> names;
    for (TNoteStave* stave = first; stave; stave = stave->GetNext())
        for (TNoteGroup* g = stave->GetStartNoteGroup(); g; g = g->GetNext()) {
            EXPECT_EQ(g->GetPlayerSet(), "Players for converted Old");
            names.push_back(g->GetPlayer());
        }
    EXPECT_EQ(names, (std::vector<std::string>{"Player 1", "Player 2", "Player 3", "Player 4"}));
    const TXMLItem& handed = *sets[0]->Players()[0].element;
    EXPECT_EQ(handed.GetElement(), "CompoundPlayer");
    EXPECT_EQ(handed.GetFirst()->GetElement(), "SimpleOneSampler");
    EXPECT_EQ(handed.GetFirst()->GetNext()->GetElement(), "RepeatWaveForm");
    EXPECT_EQ(sets[0]->Players()[3].element->GetFirst()->GetElement(), "RollOutWaveForm");
    SavesAsCurrentVersion(*unit);
}

TEST_F(OldMusicFiles, Version71ReadsItsPartTreeSwitchedOn)
{
    auto unit = MustLoad(With71Kind("F"), "Song");
    ASSERT_TRUE(unit);
    TMuzData& muz = unit->MuzData;
    TSinglePartMuz* a = muz.GetFirstSinglePart();
    EXPECT_EQ(a->GetLabel(), "intro");
    EXPECT_EQ(a->GetMuzBar()->GetCountFirstBar(), 1);
    for (TSinglePartMuz* bar = a; bar; bar = bar->GetNextSinglePart())
        EXPECT_TRUE(bar->IsEnabledPlayDraw());
    TPartMuz* loop = a->GetNextSinglePart()->GetParent();
    EXPECT_EQ(loop->GetPartMuzKind(), partMuzLoop);
    EXPECT_FALSE(loop->GetExpanded());
    EXPECT_EQ(unit->GetSelMusTreeItem(), loop);
    TPartMuz* select = muz.GetStartPartMuz()->GetLastSinglePart()->GetParent();
    EXPECT_EQ(select->GetPartMuzKind(), partMuzSelect);
    EXPECT_TRUE(select->GetExpanded());
    EXPECT_TRUE(muz.GetStartStave()->EnablePlayAndDraw);
    EXPECT_TRUE(muz.GetStartStave()->ExtraLines);
    EXPECT_EQ(muz.GetStartStave()->GetStartNoteGroup()->GetPlayer(), "Player 1");
    ASSERT_EQ(players.access.HeldPlayerSets().size(), 1u);
    EXPECT_EQ(players.access.HeldPlayerSets()[0]->GetName(), "Players for converted Song");
    SavesAsCurrentVersion(*unit);
}

TEST_F(OldMusicFiles, AFailingOldFileLeavesNoConvertedSetOpen)
{
    std::string message;
    const std::string text = With71Kind("X");
    EXPECT_EQ(Load(text, message, "Song"), nullptr);
    EXPECT_EQ(message.substr(0, message.find(" At line")), "Key Kind \"X\" is not a valid Clef Kind.");
    EXPECT_TRUE(players.access.HeldPlayerSets().empty());

    std::string broken70 = Version70;
    broken70.replace(broken70.find("<Height>-6</Height>"), 19, "<Height>90</Height>");
    EXPECT_EQ(Load(broken70, message), nullptr);
    EXPECT_EQ(message.substr(0, message.find(" At line")), "In Note Height: The pitch must lie between -43 and 43.");
    EXPECT_TRUE(players.access.HeldPlayerSets().empty());

    // A note before its stave's first clef has no clef to convert its height.
    std::string lateClef = Version70;
    lateClef.replace(lateClef.find("<Key><Position>0</Position><KeyKind>G"), 36, "<Key><Position>0.5</Position><KeyKind>G");
    EXPECT_EQ(Load(lateClef, message), nullptr);
    EXPECT_EQ(message.substr(0, message.find(" At line")),
              "In Key Position: The first Key of a Stave in a bar must stand at position 0.");
    EXPECT_TRUE(players.access.HeldPlayerSets().empty());
    EXPECT_EQ(messages.Count(), 0u);

    // Two old files of one name get sets of their own names.
    ASSERT_TRUE(MustLoad(Version70, "Old"));
    ASSERT_TRUE(MustLoad(Version70, "Old"));
    ASSERT_EQ(players.access.HeldPlayerSets().size(), 2u);
    EXPECT_EQ(players.access.HeldPlayerSets()[1]->GetName(), "Players for converted Old 2");
}
