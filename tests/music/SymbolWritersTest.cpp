#include "foundation/values/unitInteger.h"
#include "music/parts/LoopPartMuz.h"
#include "tests/music/MusicTestSupport.h"

namespace {

std::string Text(const TXMLItem& element)
{
    std::string out;
    element.WriteItem(out, 0);
    return out;
}

struct SymbolWriters : MusicTest {
    MusicModel m;
};

} // namespace

TEST_F(SymbolWriters, AMinimalNoteWritesPositionLengthAndHeight)
{
    TMuzNote plain(&m.muz, m.group, 4, 0, 0.25, 5, m.stave, noteShiftNormal, sool, 0, noteArtNormal, m.bar,
                   drawStickAuto);
    EXPECT_EQ(Text(*plain.WriteXml(false)),
              "<Note>\n  <Position>0.25</Position>\n  <Length>4</Length>\n  <Height>5</Height>\n</Note>\n");
    EXPECT_EQ(Text(*plain.WriteXml(true)), "<Note>\n  <Position>0.25</Position>\n  <Length>4</Length>\n  "
                                           "<Height>5</Height>\n  <Selected />\n</Note>\n");
}

TEST_F(SymbolWriters, EveryPropertyOfANoteInItsPlace)
{
    struct Case {
        uint8_t shift;
        uint8_t multiOol;
        int32_t posInOol;
        uint8_t art;
        uint8_t stick;
        const char* inner;
    } cases[] = {
        {noteShiftDoubleKruis, sool, 0, noteArtStaccato, drawStickUp, "<ShiftDoubleCross /><ArtStaccato /><NoteStickUp />"},
        {noteShiftKruis, triool, 2, noteArtStaccatissimo, drawStickDown,
         "<ShiftCross /><Triool /><PosInOol>2</PosInOol><ArtStaccatissimo /><NoteStickDown />"},
        {noteShiftMol, duool, 1, noteArtPortato, drawStickAuto, "<ShiftMol /><Duool /><PosInOol>1</PosInOol><ArtPortato />"},
        {noteShiftDoubleMol, kwartool, 0, noteArtLegato, drawStickAuto, "<ShiftDoubleMol /><Kwartool /><ArtLegato />"},
        {noteShiftNormal, kwintool, 4, noteArtNormal, drawStickAuto, "<Kwintool /><PosInOol>4</PosInOol>"},
    };
    for (const Case& c : cases) {
        TMuzNote note(&m.muz, m.group, 8, 2, 1.5, -3, m.stave, c.shift, c.multiOol, c.posInOol, c.art, m.bar, c.stick);
        std::string text = Text(*note.WriteXml(false));
        std::erase(text, '\n');
        std::erase(text, ' ');
        std::string expected = std::string("<Note><Position>1.5</Position><Length>8</Length><Points>2</Points>"
                                           "<Height>-3</Height>")
                             + c.inner + "</Note>";
        std::erase(expected, ' ');
        EXPECT_EQ(text, expected);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SymbolWriters, RestsKeysAndBars)
{
    TRest rest(16, 1, 0.75, m.stave, triool, 1, m.bar);
    EXPECT_EQ(Text(*rest.WriteXml(true)),
              "<Silence>\n  <Position>0.75</Position>\n  <Length>16</Length>\n  <Points>1</Points>\n  <Triool />\n"
              "  <PosInOol>1</PosInOol>\n  <Selected />\n</Silence>\n");

    TClef clef(&m.muz, clefKindG, 0, 0.0, m.stave, 1, m.bar);
    clef.SetKeyNoteShift(4, noteShiftKruis);
    EXPECT_EQ(Text(*clef.WriteXml(false)),
              "<Key>\n  <Position>0</Position>\n  <KeyKind>G</KeyKind>\n  <KeyNoteShift>\n    <ShiftCross />\n"
              "    <Height>4</Height>\n  </KeyNoteShift>\n</Key>\n");
    TClef f(&m.muz, clefKindF, -2, 0.5, m.stave, 2, m.bar);
    f.SetKeyNoteShift(10, noteShiftMol);
    EXPECT_EQ(Text(*f.WriteXml(true)),
              "<Key>\n  <Position>0.5</Position>\n  <KeyKind>F</KeyKind>\n  <OctavesUp>-2</OctavesUp>\n"
              "  <Selected />\n  <KeyNoteShift>\n    <ShiftMol />\n    <Height>3</Height>\n  </KeyNoteShift>\n</Key>\n");
    // A kind the file cannot hold never gets into a clef: it is reported and the clef is a G clef.
    TClef odd(&m.muz, 4, 0, 0.0, m.stave, 1, m.bar);
    EXPECT_NE(Text(*odd.WriteXml(false)).find("<KeyKind>G</KeyKind>"), std::string::npos);
    EXPECT_EQ(messages.Count(), 1u);

    TMuzBar* bar = m.bar->GetMuzBar();
    EXPECT_EQ(Text(*bar->WriteXml(false)), "<Bar>\n  <Count>4</Count>\n  <Length>4</Length>\n</Bar>\n");
    bar->IncCountFirstBar();
    EXPECT_EQ(Text(*bar->WriteXml(true)), "<Bar>\n  <Count>4</Count>\n  <Length>4</Length>\n"
                                          "  <CountFirstBar>1</CountFirstBar>\n  <Selected />\n</Bar>\n");
}

TEST_F(SymbolWriters, NoteGroupsAndStaves)
{
    m.group->NoteColor = 255;
    m.group->SetDrawStickKind(drawStickAuto);
    m.group->SetSoundFactory("Echo");
    m.group->EnablePlay = false;
    std::string text = Text(*m.group->WriteXml(nullptr, nullptr));
    EXPECT_EQ(text, "<NoteGroup>\n  <NoteColor>0000FF</NoteColor>\n  <NoteShapeNormal />\n"
                    "  <FreqFactor>100 %</FreqFactor>\n  <VolumeFactor>100 %</VolumeFactor>\n  <NotePart />\n"
                    "</NoteGroup>\n");
    m.group->SetUseSoundFactory(true);
    m.group->SetPlayer("Flute");
    m.group->SetPlayerSet("Winds");
    m.group->NoteShape = noteShapeDiagonalCross;
    m.group->SetDrawStickKind(drawStickDown);
    text = Text(*m.group->WriteXml(m.group, nullptr));
    EXPECT_EQ(text, "<NoteGroup>\n  <NoteColor>0000FF</NoteColor>\n  <NoteShapeDiagonalCross />\n  <NoteStickDown />\n"
                    "  <Selected />\n  <PlayerSet>Winds</PlayerSet>\n  <Player>Flute</Player>\n"
                    "  <FreqFactor>100 %</FreqFactor>\n  <VolumeFactor>100 %</VolumeFactor>\n"
                    "  <SoundFactory>Echo</SoundFactory>\n  <NotePart />\n</NoteGroup>\n");

    m.stave->ForegroundColor = 0x01020304;
    m.stave->AllowJoinFlags = 0;
    m.stave->EnablePlayAndDraw = false;
    m.stave->ExtraLines = true;
    m.stave->SetSoundFactory("Hall");
    text = Text(*m.stave->WriteXml(nullptr, nullptr));
    EXPECT_EQ(text.substr(0, text.find("<KeyPart>")),
              "<Stave>\n  <RoomUp>80</RoomUp>\n  <RoomDown>80</RoomDown>\n  <ExtraLines />\n"
              "  <ForegroundColor>1020304</ForegroundColor>\n  <BackgroundColor>FFFFFF</BackgroundColor>\n  ");
    m.stave->SetUseFactory(true);
    text = Text(*m.stave->WriteXml(m.stave, m.StartClef()));
    EXPECT_NE(text.find("<Selected />\n  <ExtraLines />"), std::string::npos);
    EXPECT_NE(text.find("<SoundFactory>Hall</SoundFactory>\n  <KeyPart>\n    <Key>\n      <Position>0</Position>\n"
                        "      <KeyKind>G</KeyKind>\n      <Selected />"),
              std::string::npos);
}

TEST_F(SymbolWriters, ColoursAsAtLeastSixUpperCaseDigits)
{
    struct Case {
        uint32_t color;
        const char* text;
    } cases[] = {{0, "000000"}, {255, "0000FF"}, {0xFFFFFF, "FFFFFF"}, {0xABCDEF, "ABCDEF"}, {0x80000000, "80000000"}};
    for (const Case& c : cases) {
        m.group->NoteColor = c.color;
        const std::string text = Text(*m.group->WriteXml(nullptr, nullptr));
        EXPECT_NE(text.find(std::string("<NoteColor>") + c.text + "</NoteColor>"), std::string::npos) << c.text;
    }
}
