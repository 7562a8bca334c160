#include "tests/music/MusicTestSupport.h"

namespace {

const std::string OneBar = "<SingleMuzPart>\n<Bar>\n<Count>4</Count>\n<Length>4</Length>\n</Bar>\n<PartNode>\n"
                           "<EnablePlayAndDraw/>\n</PartNode>\n</SingleMuzPart>\n";
const std::string OtherBar = "<SingleMuzPart>\n<Bar>\n<Count>3</Count>\n<Length>8</Length>\n</Bar>\n<PartNode>\n"
                             "<EnablePlayAndDraw/>\n</PartNode>\n</SingleMuzPart>\n";
const std::string StartKey = "<Key>\n<Position>0</Position>\n<KeyKind>G</KeyKind>\n</Key>\n";

std::string KeyPart(const std::string& more = "", const std::string& first = StartKey)
{
    return "<KeyPart>\n" + first + more + "</KeyPart>\n";
}

std::string NotePart(const std::string& notes = "")
{
    return "<NotePart>\n" + notes + "</NotePart>\n";
}

std::string Note(const std::string& inner)
{
    return "<Note>\n<Position>0</Position>\n<Length>4</Length>\n" + inner + "</Note>\n";
}

std::string Silence(const std::string& inner)
{
    return "<Silence>\n<Position>0.5</Position>\n" + inner + "</Silence>\n";
}

// A 9.1 file with one element to a line.
std::string File(const std::string& parts = OneBar, const std::string& keyParts = KeyPart(),
                 const std::string& noteParts = NotePart(), const std::string& tempo = "1 s",
                 const std::string& colours = "<ForegroundColor>000000</ForegroundColor>\n"
                                              "<BackgroundColor>FFFFFF</BackgroundColor>\n",
                 const std::string& rooms = "<RoomUp>80</RoomUp>\n<RoomDown>80</RoomDown>\n",
                 const std::string& groupHead = "<NoteColor>000000</NoteColor>\n<NoteShapeNormal/>\n<EnablePlay/>\n"
                                                "<FreqFactor>1</FreqFactor>\n<VolumeFactor>1</VolumeFactor>\n")
{
    return MusicHeader + "<UnitMuz>\n<Version>9.1</Version>\n<View>\n<Left>0</Left>\n<Top>0</Top>\n</View>\n<Tempo>" +
           tempo + "</Tempo>\n" + parts + "<Stave>\n" + rooms + "<EnablePlayAndDraw/>\n" + colours + keyParts +
           "<NoteGroup>\n" + groupHead + noteParts + "</NoteGroup>\n</Stave>\n</UnitMuz>\n";
}

// " At line L, column C." for the element whose begin tag starts marker,
// found after the text after (when given): C counts from 1 at the end of the tag.
std::string Place(const std::string& text, const std::string& marker, const std::string& after = "")
{
    const size_t from = after.empty() ? 0 : text.find(after);
    EXPECT_NE(from, std::string::npos) << after;
    const size_t at = text.find(marker, from);
    EXPECT_NE(at, std::string::npos) << marker;
    if (at == std::string::npos)
        return "";
    const size_t line = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + at, '\n'));
    const size_t lineStart = text.rfind('\n', at) + 1;
    const size_t tagEnd = text.find('>', at) + 1;
    return " At line " + std::to_string(line) + ", column " + std::to_string(tagEnd - lineStart + 1) + ".";
}

struct MessageCase {
    const char* what;
    std::string file;
    std::string message; // the whole message, or its start when whole is false
    std::string place;
    bool whole = true;
};

struct MusicFileMessages : MusicTest {
    void Check(const MessageCase& c)
    {
        SCOPED_TRACE(c.what);
        std::string message;
        EXPECT_EQ(Load(c.file, message), nullptr);
        if (c.whole) {
            EXPECT_EQ(message, c.message + c.place);
        } else {
            EXPECT_EQ(message.substr(0, c.message.size()), c.message);
            EXPECT_GE(message.size(), c.place.size());
            EXPECT_EQ(message.substr(message.size() - std::min(message.size(), c.place.size())), c.place);
        }
        EXPECT_TRUE(players.access.HeldPlayerSets().empty());
        EXPECT_EQ(messages.Count(), 0u);
    }
};

const std::string OutsideTree =
    "There are existing Music Parts falling outside the tree of Music Parts; The combination of Music Parts is "
    "wrong.";

std::string StackEmpty(const std::string& part, const std::string& child)
{
    return "Cannot built a " + part + " Music Part, there are no more Music Parts in the stack for the " + child +
           " while building the tree of Music Parts; The combination of Music Parts is wrong.";
}

} // namespace

TEST_F(MusicFileMessages, ThePartTree)
{
    const std::string loopFirst = "<LoopMuzPart>\n<Count>2</Count>\n<PartNode/>\n</LoopMuzPart>\n";
    const std::string selectFirst = "<SelectMuzPart>\n<PartNode/>\n</SelectMuzPart>\n";
    const std::string selectedTwice =
        "<SingleMuzPart>\n<Bar>\n<Count>4</Count>\n<Length>4</Length>\n</Bar>\n<PartNode>\n<Selected/>\n</PartNode>\n"
        "</SingleMuzPart>\n<SingleMuzPart>\n<Bar>\n<Count>2</Count>\n<Length>4</Length>\n</Bar>\n<PartNode>\n"
        "<PartLabel>b</PartLabel>\n<Selected/>\n</PartNode>\n</SingleMuzPart>\n<ConcatMuzPart/>\n";
    const std::string twoBars = OneBar + OtherBar;
    std::vector<MessageCase> cases = {
        {"two parts outside a tree", File(twoBars, KeyPart() + KeyPart(), NotePart() + NotePart()), OutsideTree,
         Place(File(twoBars), "<Stave>")},
        {"a sequence first", File("<ConcatMuzPart/>\n" + OneBar), StackEmpty("Concat", "second child"),
         Place(File("<ConcatMuzPart/>\n" + OneBar), "<ConcatMuzPart/>")},
        {"a sequence of one", File(OneBar + "<ConcatMuzPart/>\n"), StackEmpty("Concat", "first child"),
         Place(File(OneBar + "<ConcatMuzPart/>\n"), "<ConcatMuzPart/>")},
        {"a repeat first", File(loopFirst + OneBar), StackEmpty("Loop", "child"),
         Place(File(loopFirst + OneBar), "<LoopMuzPart>")},
        {"turns first", File(selectFirst + OneBar), StackEmpty("Select", "child"),
         Place(File(selectFirst + OneBar), "<SelectMuzPart>")},
        {"two selected parts", File(selectedTwice, KeyPart() + KeyPart(), NotePart() + NotePart()),
         "At most one Music Part can be selected.", Place(File(selectedTwice), "<Selected/>", "<PartLabel>b")},
    };
    for (const MessageCase& c : cases)
        Check(c);
}

TEST_F(MusicFileMessages, ValuesOfTheDocumentAndThePartTree)
{
    auto bar = [](const std::string& count, const std::string& length, const std::string& tail = "") {
        return "<SingleMuzPart>\n<Bar>\n<Count>" + count + "</Count>\n<Length>" + length + "</Length>\n" + tail +
               "</Bar>\n<PartNode/>\n</SingleMuzPart>\n";
    };
    const std::string tempoStart = "<SingleMuzPart>\n<Bar>\n<Count>4</Count>\n<Length>4</Length>\n</Bar>\n"
                                   "<TempoStart>0</TempoStart>\n<PartNode/>\n</SingleMuzPart>\n";
    const std::string loop = OneBar + "<LoopMuzPart>\n<Count>0</Count>\n<PartNode/>\n</LoopMuzPart>\n";
    const std::string turn = OneBar + "<SelectMuzPart>\n<SelectMuzPartTurn>\n<Count>1</Count>\n<Pitch>high</Pitch>\n"
                                      "<PartNode/>\n</SelectMuzPartTurn>\n<PartNode/>\n</SelectMuzPart>\n";
    std::string badLeft = File();
    badLeft.replace(badLeft.find("<Left>0"), 7, "<Left>x");
    std::string farLeft = File();
    farLeft.replace(farLeft.find("<Left>0"), 7, "<Left>-100000001");
    std::string farTop = File();
    farTop.replace(farTop.find("<Top>0"), 6, "<Top>2147483647");
    auto format = [](const std::string& freq, const std::string& bytes) {
        std::string text = File();
        text.insert(text.find("</Tempo>\n") + 9, "<WaveFormat>\n<Stereo/>\n<SampleFreq>" + freq +
                                                      "</SampleFreq>\n<BytesPerSample>" + bytes +
                                                      "</BytesPerSample>\n</WaveFormat>\n");
        return text;
    };
    std::vector<MessageCase> cases = {
        {"tempo", File(OneBar, KeyPart(), NotePart(), "x"), "In Tempo: ", Place(File(), "<Tempo>"), false},
        {"no sample rate", format("0", "2"), "In SampleFreq: ", Place(format("0", "2"), "<SampleFreq>"), false},
        {"a sample rate in words", format("fast", "2"), "In SampleFreq: ", Place(format("fast", "2"), "<SampleFreq>"),
         false},
        {"three bytes a sample", format("44100", "3"), "In BytesPerSample: Only 1 or 2 bytes per sample are supported.",
         Place(format("44100", "3"), "<BytesPerSample>")},
        {"no bytes a sample", format("44100", "0"), "In BytesPerSample: ",
         Place(format("44100", "0"), "<BytesPerSample>"), false},
        {"view", badLeft, "In Left: ", Place(badLeft, "<Left>"), false},
        {"view far left", farLeft, "In Left: The view origin must lie between -100000000 and 100000000.",
         Place(farLeft, "<Left>")},
        {"view far down", farTop, "In Top: The view origin must lie between -100000000 and 100000000.",
         Place(farTop, "<Top>")},
        {"bar count text", File(bar("x", "4")), "In Bar Count: ", Place(File(bar("x", "4")), "<Count>"), false},
        {"tempo factor", File(tempoStart), "In Single MuzPart TempoStart: ", Place(File(tempoStart), "<TempoStart>"),
         false},
        {"loop count", File(loop), "In Loop MuzPart Count: ", Place(File(loop), "<Count>", "<LoopMuzPart>"), false},
        {"turn pitch", File(turn), "In Select MuzPart Pitch: ", Place(File(turn), "<Pitch>"), false},
        {"no beats", File(bar("0", "4")), "In Bar Count: A bar has 1 to 99 beats.", Place(File(bar("0", "4")), "<Count>")},
        {"100 beats", File(bar("100", "4")), "In Bar Count: A bar has 1 to 99 beats.",
         Place(File(bar("100", "4")), "<Count>")},
        {"a beat of a third", File(bar("3", "3")), "In Bar Length: The beat must be 1, 2, 4, 8, 16, 32 or 64.",
         Place(File(bar("3", "3")), "<Length>")},
        {"a beat of 1/128", File(bar("3", "128")), "In Bar Length: The beat must be 1, 2, 4, 8, 16, 32 or 64.",
         Place(File(bar("3", "128")), "<Length>")},
        {"a whole bar of upbeat", File(bar("4", "4", "<CountFirstBar>4</CountFirstBar>\n")),
         "In Bar CountFirstBar: The first bar has 0 to Count - 1 beats.",
         Place(File(bar("4", "4", "<CountFirstBar>4</CountFirstBar>\n")), "<CountFirstBar>")},
        {"a negative upbeat", File(bar("4", "4", "<CountFirstBar>-1</CountFirstBar>\n")),
         "In Bar CountFirstBar: The first bar has 0 to Count - 1 beats.",
         Place(File(bar("4", "4", "<CountFirstBar>-1</CountFirstBar>\n")), "<CountFirstBar>")},
    };
    for (const MessageCase& c : cases)
        Check(c);
}

TEST_F(MusicFileMessages, Staves)
{
    const std::string colours = "<ForegroundColor>red</ForegroundColor>\n<BackgroundColor>FFFFFF</BackgroundColor>\n";
    const std::string background = "<ForegroundColor>0</ForegroundColor>\n<BackgroundColor>-1</BackgroundColor>\n";
    const std::string noteColor = "<NoteColor>123456789</NoteColor>\n<NoteShapeNormal/>\n<FreqFactor>1</FreqFactor>\n"
                                  "<VolumeFactor>1</VolumeFactor>\n";
    const std::string freq = "<NoteColor>0</NoteColor>\n<NoteShapeNormal/>\n<FreqFactor>fast</FreqFactor>\n"
                             "<VolumeFactor>1</VolumeFactor>\n";
    const std::string defaults = "<ForegroundColor>000000</ForegroundColor>\n<BackgroundColor>FFFFFF</BackgroundColor>\n";
    const std::string twoBars = OneBar + OtherBar + "<ConcatMuzPart/>\n";
    auto file = [&](const std::string& parts, const std::string& keyParts, const std::string& noteParts) {
        return File(parts, keyParts, noteParts);
    };
    const std::string lowRoom = File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>29</RoomUp>\n<RoomDown>80</RoomDown>\n");
    const std::string badRoom = File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>30</RoomUp>\n<RoomDown>x</RoomDown>\n");
    const std::string hugeRoom = File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>10000</RoomUp>\n<RoomDown>2147483647</RoomDown>\n");
    std::vector<MessageCase> cases = {
        {"room 29", lowRoom, "In Room Up: ", Place(lowRoom, "<RoomUp>"), false},
        {"room text", badRoom, "In Room Down: ", Place(badRoom, "<RoomDown>"), false},
        {"room beyond what a stave shows", hugeRoom, "In Room Down: Value must be less or equal of 10000.",
         Place(hugeRoom, "<RoomDown>")},
        {"foreground", File(OneBar, KeyPart(), NotePart(), "1 s", colours),
         "In ForegroundColor: Invalid Hexdecimal value: \"red\".",
         Place(File(OneBar, KeyPart(), NotePart(), "1 s", colours), "<ForegroundColor>")},
        {"background", File(OneBar, KeyPart(), NotePart(), "1 s", background),
         "In BackgroundColor: Invalid Hexdecimal value: \"-1\".",
         Place(File(OneBar, KeyPart(), NotePart(), "1 s", background), "<BackgroundColor>")},
        {"note colour of nine digits", File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>80</RoomUp>\n<RoomDown>80</RoomDown>\n", noteColor),
         "In NoteColor: Invalid Hexdecimal value: \"123456789\".",
         Place(File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>80</RoomUp>\n<RoomDown>80</RoomDown>\n", noteColor), "<NoteColor>")},
        {"frequency factor", File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>80</RoomUp>\n<RoomDown>80</RoomDown>\n", freq),
         "In FreqFactor: ", Place(File(OneBar, KeyPart(), NotePart(), "1 s", defaults, "<RoomUp>80</RoomUp>\n<RoomDown>80</RoomDown>\n", freq), "<FreqFactor>"), false},
        {"key part without a bar", file(OneBar, KeyPart() + "<KeyPart>\n" + StartKey + "<Silence>\n<Position>0</Position>\n<Length>1</Length>\n</Silence>\n</KeyPart>\n", NotePart()),
         "There are more Key Parts than Music Parts", Place(file(OneBar, KeyPart() + "<KeyPart>\n" + StartKey + "<Silence>\n<Position>0</Position>\n<Length>1</Length>\n</Silence>\n</KeyPart>\n", NotePart()), "<KeyPart>", "</KeyPart>")},
        {"a bar without key part", file(twoBars, KeyPart(), NotePart() + NotePart()),
         "There are more Music Parts than Key Parts", Place(file(twoBars, KeyPart(), NotePart()), "<Position>", "<KeyPart>")},
        {"note part without a bar", file(OneBar, KeyPart(), NotePart() + NotePart()),
         "There are more Note Parts than Music Parts", Place(file(OneBar, KeyPart(), NotePart() + NotePart()), "<NotePart>", "</NotePart>")},
        {"a bar without note part", file(twoBars, KeyPart() + KeyPart(), NotePart(Note("<Height>0</Height>\n"))),
         "There are more Music Parts than Note Parts",
         Place(file(twoBars, KeyPart() + KeyPart(), NotePart(Note("<Height>0</Height>\n"))), "<Height>")},
    };
    for (const MessageCase& c : cases)
        Check(c);
}

TEST_F(MusicFileMessages, ContentsOfBars)
{
    auto keys = [](const std::string& more, const std::string& first = StartKey) {
        return File(OneBar, KeyPart(more, first));
    };
    auto notes = [](const std::string& inner) { return File(OneBar, KeyPart(), NotePart(Note(inner))); };
    const std::string lowerG = "<Key>\n<Position>0</Position>\n<KeyKind>g</KeyKind>\n</Key>\n";
    const std::string octaves = "<Key>\n<Position>0</Position>\n<KeyKind>G</KeyKind>\n<OctavesUp>3</OctavesUp>\n</Key>\n";
    const std::string octavesText = "<Key>\n<Position>0</Position>\n<KeyKind>G</KeyKind>\n<OctavesUp>x</OctavesUp>\n</Key>\n";
    const std::string keyShift = "<Key>\n<Position>0</Position>\n<KeyKind>G</KeyKind>\n<KeyNoteShift>\n<ShiftMol/>\n"
                                 "<Height>1.5</Height>\n</KeyNoteShift>\n</Key>\n";
    const std::string lateKey = "<Key>\n<Position>0.5</Position>\n<KeyKind>G</KeyKind>\n</Key>\n";
    const std::string negativeKey = "<Key>\n<Position>-0.5</Position>\n<KeyKind>G</KeyKind>\n</Key>\n";
    struct Row {
        const char* what;
        std::string file;
        std::string message;
        const char* marker;
        bool whole = true;
    } rows[] = {
        {"clef kinds are case-sensitive", keys("", lowerG), "Key Kind \"g\" is not a valid Clef Kind.", "<KeyKind>"},
        {"octaves", keys("", octaves), "In Key OctavesUp: The octave shift must lie between -2 and 2.", "<OctavesUp>"},
        {"octaves text", keys("", octavesText), "In Key OctavesUp: ", "<OctavesUp>", false},
        {"key height", keys("", keyShift), "In Key NoteShift Height: ", "<Height>", false},
        {"a bar without its start clef", keys("", lateKey),
         "In Key Position: The first Key of a Stave in a bar must stand at position 0.", "<Position>"},
        {"a negative position", keys("", negativeKey), "In Key Position: ", "<Position>", false},
        {"rest place without tuplet", keys(Silence("<Length>4</Length>\n<PosInOol>1</PosInOol>\n")),
         "In PosInSil: Value to High for Normal Silence.", "<PosInOol>"},
        {"rest place past its triplet", keys(Silence("<Length>4</Length>\n<Triool/>\n<PosInOol>3</PosInOol>\n")),
         "In PosInSil: Value to High for Triool.", "<PosInOol>"},
        {"rest place below 0", keys(Silence("<Length>4</Length>\n<Triool/>\n<PosInOol>-1</PosInOol>\n")),
         "In PosInSil: Value too Low for Triool.", "<PosInOol>"},
        {"rest length text", keys(Silence("<Length>x</Length>\n")), "In Silence Length: ", "<Length>", false},
        {"rest of 1/128", keys(Silence("<Length>128</Length>\n")),
         "In Silence Length: The length must be 1, 2, 4, 8, 16, 32 or 64.", "<Length>"},
        {"rest points", keys(Silence("<Length>4</Length>\n<Points>-1</Points>\n")), "In Silence Points: ", "<Points>",
         false},
        {"rest of four dots", keys(Silence("<Length>4</Length>\n<Points>4</Points>\n")),
         "In Silence Points: There can be at most 3 points.", "<Points>"},
        {"quadruplet rest without dot", keys(Silence("<Length>4</Length>\n<Kwartool/>\n")),
         "In Kwartool: A Kwartool needs at least one point.", "<Kwartool/>"},
        {"note place past its quadruplet", notes("<Points>1</Points>\n<Height>0</Height>\n<Kwartool/>\n<PosInOol>4</PosInOol>\n"),
         "In PosInNote: Value to High for Kwartool.", "<PosInOol>"},
        {"note place without tuplet", notes("<Height>0</Height>\n<PosInOol>1</PosInOol>\n"),
         "In PosInNote: Value to High for Normal Note.", "<PosInOol>"},
        {"note place text", notes("<Height>0</Height>\n<PosInOol>x</PosInOol>\n"), "In Position in MultiOol: ",
         "<PosInOol>", false},
        {"note height text", notes("<Height>1.5</Height>\n"), "In Note Height: ", "<Height>", false},
        {"pitch 44", notes("<Height>44</Height>\n"), "In Note Height: The pitch must lie between -43 and 43.",
         "<Height>"},
        {"pitch -44", notes("<Height>-44</Height>\n"), "In Note Height: The pitch must lie between -43 and 43.",
         "<Height>"},
        {"four dots", notes("<Points>4</Points>\n<Height>0</Height>\n"),
         "In Note Points: There can be at most 3 points.", "<Points>"},
        {"duplet without dot", notes("<Height>0</Height>\n<Duool/>\n"), "In Duool: A Duool needs at least one point.",
         "<Duool/>"},
        {"quintuplet of 1/128", File(OneBar, KeyPart(), NotePart("<Note>\n<Position>0</Position>\n<Length>32</Length>\n<Height>0</Height>\n<Kwintool/>\n</Note>\n")),
         "In Kwintool: A Kwintool of this length would be drawn shorter than 1/64.", "<Kwintool/>"},
        {"triplet of 1/128", File(OneBar, KeyPart(), NotePart("<Note>\n<Position>0</Position>\n<Length>64</Length>\n<Height>0</Height>\n<Triool/>\n</Note>\n")),
         "In Triool: A Triool of this length would be drawn shorter than 1/64.", "<Triool/>"},
        {"note of 1/128", File(OneBar, KeyPart(), NotePart("<Note>\n<Position>0</Position>\n<Length>128</Length>\n<Height>0</Height>\n</Note>\n")),
         "In Note Length: The length must be 1, 2, 4, 8, 16, 32 or 64.", "<Length>"},
        {"note length over a byte", File(OneBar, KeyPart(), NotePart("<Note>\n<Position>0</Position>\n<Length>260</Length>\n<Height>0</Height>\n</Note>\n")),
         "In Note Length: The length must be 1, 2, 4, 8, 16, 32 or 64.", "<Length>"},
    };
    for (const Row& row : rows)
        Check({row.what, row.file, row.message, Place(row.file, row.marker, row.marker == std::string("<Length>") ||
                                                                                 row.marker == std::string("<Position>")
                                                                             ? "<KeyPart>"
                                                                             : ""),
               row.whole});
}

TEST_F(MusicFileMessages, VersionsAndGrammar)
{
    std::string message;
    std::string other = File();
    other.replace(other.find("9.1"), 3, "8.0");
    EXPECT_EQ(Load(other, message), nullptr);
    EXPECT_EQ(message, "Unknown version \"8.0\" of the Music File; only the versions \"7.0\", \"7.1\" and \"9.1\" can "
                       "be read.");
    std::string noView = File();
    noView.erase(noView.find("<View>"), noView.find("<Tempo>") - noView.find("<View>"));
    EXPECT_EQ(Load(noView, message), nullptr);
    EXPECT_NE(message.find("View"), std::string::npos) << message;
    EXPECT_EQ(Load(MusicHeader + "<UnitMuz><Version>9.1</Version", message), nullptr);
    EXPECT_FALSE(message.empty());
    EXPECT_TRUE(players.access.HeldPlayerSets().empty());
    EXPECT_EQ(messages.Count(), 0u);
}
