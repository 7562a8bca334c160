#include "wave/document/UnitWaveSideFile.h"

#include "foundation/xml/XMLComplexElement.h"
#include "platform/Assertions.h"
#include "support/TempFolder.h"
#include "tests/wave/document/DocumentFakes.h"
#include "wave/WaveFile.h"
#include "wave/document/DrawNode.h"
#include "wave/view/ViewPaneModel.h"
#include "wave/view/ViewWaveGroupModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>

namespace {

const std::string SideHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!DOCTYPE UnitWave_v8_0>\n\n";

std::string Text(const TXMLItem& element)
{
    std::string out;
    element.WriteItem(out, 0);
    return out;
}

// The six view elements as a new window writes them, on lines of their own.
std::string DefaultView(const std::string& showKind = "<ShowWave/>")
{
    TXMLComplexElement holder("X");
    TViewWaveState::WriteViewWaveGroupXml(TViewWaveState(), holder);
    std::string text = Text(holder);
    text = text.substr(text.find('\n') + 1);
    text = text.substr(0, text.rfind("</X>"));
    size_t show = text.find("<ShowWave />");
    text.replace(show, std::string("<ShowWave />").size(), showKind);
    return text;
}

std::string SideFile(const std::string& draw, const std::string& tail = "", const std::string& version = "8.0",
                     const std::string& showKind = "<ShowWave/>")
{
    return SideHeader + "<UnitWave>\n<Version>" + version + "</Version>\n" + draw + "\n" + DefaultView(showKind) + tail
         + "</UnitWave>\n";
}

const std::string Drawing = "<UserDraw><DrawLinear/>\n"
                            "<DrawPoint><Position>0</Position><WaveValue>0</WaveValue></DrawPoint>\n"
                            "<DrawPoint><Position>1</Position><WaveValue>0</WaveValue></DrawPoint>\n"
                            "<DrawLength>1 s</DrawLength></UserDraw>";

std::string Points(const std::string& points)
{
    return "<UserDraw><DrawParabola/>\n" + points + "<DrawLength>1 s</DrawLength></UserDraw>";
}

std::string Point(const std::string& position)
{
    return "<DrawPoint><Position>" + position + "</Position><WaveValue>0.5</WaveValue></DrawPoint>\n";
}

struct SideFileTest : ::testing::Test {
    FakeHost host;
    RecordingMessageService messages;
    TempFolder folder;
};

} // namespace

TEST(SideFileName, ReplacesOnlyAFinalWav)
{
    struct Case {
        const char* wave;
        const char* side;
    } cases[] = {{"take1.wav", "take1.qbw"},   {"/a/B.WAV", "/a/B.qbw"},       {"song.wave", "song.wave.qbw"},
                 {"x", "x.qbw"},               {"dir.wav/x", "dir.wav/x.qbw"}, {".wav", ".qbw"},
                 {"wav", "wav.qbw"},           {"a.Wav", "a.qbw"},             {"take.2.wav", "take.2.qbw"}};
    for (const Case& c : cases)
        EXPECT_EQ(SideFileName(c.wave), c.side) << c.wave;
}

TEST_F(SideFileTest, CursorAndSelectionRoundTrip)
{
    TUnitWave unit(RampSound(2000), "Wave 1", "");
    unit.SetCursor(1234);
    std::string text = Text(*unit.WriteUnitWaveXml());
    EXPECT_NE(text.find("  <ValueDraw>\n    <Cursor>\n      <WavePos>1234</WavePos>\n    </Cursor>\n"),
              std::string::npos)
        << text;

    // The anchor at 500 and the cursor at 200 write 200, then 500.
    unit.SetCursor(500);
    unit.SetCursorPos(200);
    text = Text(*unit.WriteUnitWaveXml());
    EXPECT_NE(text.find("    <Part>\n      <WavePos>200</WavePos>\n      <WavePos>500</WavePos>\n    </Part>\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("EmptyWave"), std::string::npos);

    std::string wave = folder.File("take.wav");
    ASSERT_TRUE(unit.SaveShadowFile(wave));
    TUnitWave read(RampSound(2000), "Wave 2", wave);
    std::string error;
    std::shared_ptr<Sound> sound = read.GetSound();
    EXPECT_EQ(read.LoadShadowFile(SideFileName(wave), error, false, sound), 1) << error;
    EXPECT_EQ(read.GetAnchorPos(), 200);
    EXPECT_EQ(read.GetCursorPos(), 500); // the moving mark ends at the end of the selection
    EXPECT_EQ(sound, read.GetSound());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SideFileTest, MarksFromTheFileAreOrderedAndClamped)
{
    struct Case {
        std::string draw;
        int32_t anchor;
        int32_t cursor;
    } cases[] = {
        {"<ValueDraw><Part><WavePos>700</WavePos><WavePos>300</WavePos></Part></ValueDraw>", 300, 700},
        {"<ValueDraw><Part><WavePos>10</WavePos><WavePos>99999</WavePos></Part></ValueDraw>", 10, 2000},
        {"<ValueDraw><Cursor><WavePos>5000</WavePos></Cursor></ValueDraw>", 2000, 2000},
    };
    for (const Case& c : cases) {
        TUnitWave unit(RampSound(2000), "Wave 1", "");
        std::shared_ptr<Sound> sound = unit.GetSound();
        std::string error;
        EXPECT_EQ(unit.LoadShadowBytes(SideFile(c.draw), error, false, sound), 1) << error;
        EXPECT_EQ(unit.GetAnchorPos(), c.anchor) << c.draw;
        EXPECT_EQ(unit.GetCursorPos(), c.cursor) << c.draw;
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SideFileTest, DrawingRoundTrip)
{
    TUnitWave unit(TWaveFileProps(1, 11025, 2), "Wave 1", "");
    unit.StartUserDraw(DrawParabola);
    ASSERT_TRUE(unit.InsertDrawNode(std::make_unique<TDrawNode>(int16_t(16000), 0.5)));
    unit.MakeUserDrawnSound();
    std::string wave = folder.File("drawn.wav");
    ASSERT_TRUE(unit.SaveWaveAndShadow(wave));
    EXPECT_TRUE(std::filesystem::exists(wave));
    std::string text = ReadWholeFile(SideFileName(wave));
    EXPECT_NE(text.find("<UserDraw>\r\n    <DrawParabola />\r\n    <DrawPoint>"), std::string::npos) << text;

    std::shared_ptr<Sound> sound;
    ASSERT_TRUE(ReadWaveFile(wave, sound, text));
    TUnitWave read(sound, "Wave 2", wave);
    FakeWaveWindow window;
    read.SetChildWave(&window);
    std::string error;
    EXPECT_EQ(read.LoadShadowFile(SideFileName(wave), error, false, sound), 1) << error;
    EXPECT_TRUE(read.IsUserDrawing());
    EXPECT_EQ(read.GetDrawKind(), DrawParabola);
    EXPECT_EQ(read.GetDrawLength(), 1.0);
    ASSERT_EQ(read.GetDrawNodeCount(), 3);
    const TDrawNode* middle = read.GetDrawNodes()->GetNext();
    EXPECT_EQ(middle->Position, 0.5);
    EXPECT_EQ(middle->Value, 16000);
    EXPECT_EQ(middle->GetPrev(), read.GetDrawNodes());
    EXPECT_EQ(window.calls, std::vector<std::string>{"SetDrawCursor"});
}

TEST_F(SideFileTest, EmptyWaveLivesInTheSideFileAlone)
{
    std::string wave = folder.File("a.wav");
    // An earlier save with samples left a.wav behind.
    TUnitWave full(RampSound(100, 44100, 2), "Wave 1", "");
    ASSERT_TRUE(full.SaveWaveAndShadow(wave));
    ASSERT_TRUE(std::filesystem::exists(wave));

    TUnitWave unit(TWaveFileProps(2, 44100, 2), "Wave 2", "");
    ASSERT_TRUE(unit.SaveWaveAndShadow(wave));
    EXPECT_FALSE(std::filesystem::exists(wave)); // the stale .wav is gone
    std::string text = ReadWholeFile(SideFileName(wave));
    EXPECT_NE(text.find("  <EmptyWave>\r\n    <Stereo />\r\n    <SampleFreq>44100</SampleFreq>\r\n"
                        "    <BytesPerSample>2</BytesPerSample>\r\n  </EmptyWave>\r\n</UnitWave>"),
              std::string::npos)
        << text;

    // Opening a.wav finds the empty wave in a.qbw.
    std::string error;
    std::shared_ptr<Sound> sound = ReadSideFileEmptyWave(wave, error);
    ASSERT_TRUE(sound) << error;
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleFreq, 44100);
    EXPECT_EQ(sound->GetBytesPSample(), 2);
    EXPECT_EQ(sound->GetValues(), 0);
    TUnitWave opened(sound, "Wave 3", wave);
    EXPECT_EQ(opened.LoadShadowFile(SideFileName(wave), error, false, sound), 1) << error;
    EXPECT_EQ(sound->channels, 2);

    EXPECT_FALSE(ReadSideFileEmptyWave(folder.File("none.wav"), error));
    EXPECT_EQ(error, "The file \"" + folder.File("none.wav") + "\" does not exist.");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SideFileTest, SurplusInEmptyWaveIsReportedAndTheFormatKept)
{
    // Only a tree built by hand gets past the grammar with it.
    TUnitWave written(TWaveFileProps(1, 8000, 1), "Wave 1", "");
    std::unique_ptr<TXMLComplexElement> tree = written.WriteUnitWaveXml();
    auto* emptyWave = dynamic_cast<TXMLComplexElement*>(tree->GetLastItem());
    ASSERT_TRUE(emptyWave != nullptr && emptyWave->GetElement() == "EmptyWave");
    emptyWave->AddItem(std::make_unique<TXMLComplexElement>("Surplus"));

    ThrowOnFatalAssertion fatal;
    std::shared_ptr<Sound> placeholder = std::make_shared<StereoSound>(44100, 2);
    TUnitWave unit(placeholder, "Wave 2", "");
    std::shared_ptr<Sound> sound = placeholder;
    std::string error;
    int32_t line = 0, column = 0;
    EXPECT_TRUE(unit.ReadUnitWaveXml(tree.get(), error, line, column, false, sound)) << error;
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Assertion failed");
    EXPECT_NE(messages.Last().text.find("Condition \"!xmlEmpty\"failed!"), std::string::npos) << messages.Last().text;
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleFreq, 8000);
    EXPECT_EQ(sound->GetBytesPSample(), 1);
}

TEST_F(SideFileTest, SavingAnEmptiedWaveOverItsFileKeepsThePairConsistent)
{
    std::string wave = folder.File("b.wav");
    TUnitWave unit(RampSound(100), "Wave 1", wave);
    ASSERT_TRUE(unit.SaveWaveAndShadow(wave));
    unit.ClearChanged();
    unit.SelectRange(0, 100);
    unit.EditDelete();
    ASSERT_EQ(unit.GetValues(), 0);
    EXPECT_TRUE(unit.Save());
    EXPECT_FALSE(std::filesystem::exists(wave));
    EXPECT_NE(ReadWholeFile(SideFileName(wave)).find("<EmptyWave>"), std::string::npos);
}

TEST_F(SideFileTest, EmptyWaveReplacesOnlyASoundWithoutValues)
{
    const std::string empty = "<EmptyWave><Mono/><SampleFreq>8000</SampleFreq><BytesPerSample>1</BytesPerSample>"
                              "</EmptyWave>\n";
    // The caller keeps the sound it passed; the document shares the new one.
    std::shared_ptr<Sound> placeholder = std::make_shared<StereoSound>(44100, 2);
    TUnitWave unit(placeholder, "Wave 1", "");
    std::shared_ptr<Sound> sound = placeholder;
    std::string error;
    EXPECT_EQ(unit.LoadShadowBytes(SideFile("<ValueDraw><Cursor><WavePos>0</WavePos></Cursor></ValueDraw>", empty),
                                   error, false, sound),
              1)
        << error;
    ASSERT_NE(sound, placeholder);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleFreq, 8000);
    EXPECT_EQ(sound->GetBytesPSample(), 1);
    EXPECT_EQ(unit.ExchangeSound(sound), placeholder);
    EXPECT_EQ(placeholder.use_count(), 1);

    // A .wav with samples wins over a side file that still says empty.
    TUnitWave full(RampSound(50), "Wave 2", "");
    std::shared_ptr<Sound> samples = full.GetSound();
    EXPECT_EQ(full.LoadShadowBytes(SideFile("<ValueDraw><Cursor><WavePos>9</WavePos></Cursor></ValueDraw>", empty),
                                   error, false, samples),
              1);
    EXPECT_EQ(samples, full.GetSound());
    EXPECT_EQ(full.GetCursorPos(), 9);
}

TEST_F(SideFileTest, RefusedFilesChangeNothing)
{
    const std::string cursor = "<ValueDraw><Cursor><WavePos>7</WavePos></Cursor></ValueDraw>";
    struct Case {
        const char* what;
        std::string file;
        std::string error;
        int channels;
    } cases[] = {
        {"another version", SideFile(cursor, "", "9.0"),
         "Unknown version \"9.0\" of the Wave Shadow File; only version \"8.0\" can be read.", 1},
        {"no points", SideFile(Points("")),
         "In UserDraw: A drawing needs at least two points, the last at position 1. At line 6, column 11.", 1},
        {"one point", SideFile(Points(Point("0"))),
         "In UserDraw: A drawing needs at least two points, the last at position 1. At line 6, column 11.", 1},
        {"not from 0", SideFile(Points(Point("0.1") + Point("1"))),
         "In DrawPoint: The first point of a drawing must lie at position 0. At line 7, column 12.", 1},
        {"not to 1", SideFile(Points(Point("0") + Point("0.9"))),
         "In UserDraw: A drawing needs at least two points, the last at position 1. At line 6, column 11.", 1},
        {"unsorted", SideFile(Points(Point("0") + Point("0.6") + Point("0.3") + Point("1"))),
         "In DrawPoint: The points of a drawing must have increasing positions. At line 9, column 12.", 1},
        {"twice at one place", SideFile(Points(Point("0") + Point("0.5") + Point("50%") + Point("1"))),
         "In DrawPoint: The points of a drawing must have increasing positions. At line 9, column 12.", 1},
        {"after the end", SideFile(Points(Point("0") + Point("1") + Point("1"))),
         "In DrawPoint: The points of a drawing must have increasing positions. At line 9, column 12.", 1},
        {"stereo drawing", SideFile(Drawing), "In UserDraw: A stereo wave cannot be drawn by hand. At line 6, column 11.",
         2},
        {"drawing as a volume diagram", SideFile(Drawing, "", "8.0", "<ShowVolume/>"),
         "In UserDraw: A wave drawn by hand is shown as a waveform, not as a volume diagram. At line 6, column 11.", 1},
        {"three bytes per sample",
         SideFile(cursor, "<EmptyWave><Mono/><SampleFreq>8000</SampleFreq>\n<BytesPerSample>3</BytesPerSample>"
                          "</EmptyWave>\n"),
         "In BytesPerSample: Only 1 or 2 bytes per sample are supported. At line ", 1},
        {"bad WavePos", SideFile("<ValueDraw><Cursor><WavePos>-4</WavePos></Cursor></ValueDraw>"),
         "In Cursor WavePos: ", 1},
        {"empty file", "", "unexpected end-of-file", 1},
        // A huge offending text is quoted a line's worth.
        {"a 100000-character version", SideFile(cursor, "", std::string(100000, '9')),
         "Unknown version \"" + std::string(60, '9') + "...\" of the Wave Shadow File; only version \"8.0\" can be "
         "read.", 1},
    };
    for (const Case& c : cases) {
        std::shared_ptr<Sound> original = std::make_shared<MonoSound>(44100, 2);
        if (c.channels == 2)
            original = std::make_shared<StereoSound>(44100, 2);
        TUnitWave unit(original, "Wave 1", "");
        TViewPaneModel first(100), second(100);
        TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
        group.AddView(&first);
        group.AddView(&second);
        group.SetSplitPosition(0.3);
        unit.SetViewGroup(&group);
        std::shared_ptr<Sound> sound = original;
        std::string error;
        EXPECT_EQ(unit.LoadShadowBytes(c.file, error, false, sound), 2) << c.what;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.what << ": " << error;
        EXPECT_EQ(sound, original) << c.what;
        EXPECT_FALSE(unit.IsUserDrawing()) << c.what;
        EXPECT_EQ(unit.GetCursorPos(), 0) << c.what;
        EXPECT_EQ(first.GetPaneWidth(), 60) << c.what;
    }
    EXPECT_EQ(messages.Count(), 0u);
    std::string error;
    std::shared_ptr<Sound> sound;
    TUnitWave unit(RampSound(10), "Wave 1", "");
    EXPECT_EQ(unit.LoadShadowFile(folder.File("missing.qbw"), error, false, sound), 0);
}

// "At line L, column C." for the element that begins with tag, as the reader reports it.
std::string At(const std::string& file, const std::string& tag)
{
    size_t at = file.find(tag);
    size_t lineStart = file.rfind('\n', at) + 1;
    int line = 1 + static_cast<int>(std::count(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    return " At line " + std::to_string(line) + ", column " + std::to_string(at + tag.size() - lineStart + 1) + ".";
}

TEST_F(SideFileTest, NumbersAreCheckedAgainstTheWaveTheyAreFor)
{
    const std::string cursor = "<ValueDraw><Cursor><WavePos>0</WavePos></Cursor></ValueDraw>";
    auto withValuesPerPixel = [&](const std::string& count) {
        std::string file = SideFile(cursor);
        const std::string standard = "<ValuesPerPixel>15</ValuesPerPixel>";
        file.replace(file.find(standard), standard.size(), "<ValuesPerPixel>" + count + "</ValuesPerPixel>");
        return file;
    };
    auto drawingOf = [](const std::string& length) {
        return "<UserDraw><DrawLinear/>\n<DrawPoint><Position>0</Position><WaveValue>0</WaveValue></DrawPoint>\n"
               "<DrawPoint><Position>1</Position><WaveValue>0</WaveValue></DrawPoint>\n<DrawLength>" +
               length + "</DrawLength></UserDraw>";
    };
    const std::string at1000Hz = "<EmptyWave><Mono/><SampleFreq>1000</SampleFreq><BytesPerSample>2</BytesPerSample>"
                                 "</EmptyWave>\n";
    const std::string tooMany = "In ValuesPerPixel: 2147483647 values per pixel are too many for a wave of ";
    const std::string longest = "In DrawLength: At 44100 Hz a drawing can last at most 48695.7 s; a longer one "
                                "would pass the longest wave.";
    struct Case {
        const char* what;
        int32_t values;
        std::string file;
        std::string error; // empty: accepted
        std::string tag;   // where the error stands
    } cases[] = {
        // A count that would keep the first paint busy for ever.
        {"every value per pixel", 100, withValuesPerPixel("100"), "", ""},
        {"one more than the wave holds", 100, withValuesPerPixel("101"),
         "In ValuesPerPixel: 101 values per pixel are too many for a wave of 100 values; at most 100 are allowed.",
         "<ValuesPerPixel>"},
        {"the largest count", 100, withValuesPerPixel("2147483647"),
         tooMany + "100 values; at most 100 are allowed.", "<ValuesPerPixel>"},
        {"the default for a short wave", 10, withValuesPerPixel("15"), "", ""},
        {"the largest count for an empty wave", 0, withValuesPerPixel("2147483647"),
         tooMany + "0 values; at most 15 are allowed.", "<ValuesPerPixel>"},
        // A drawing that would make a wave longer than any can be.
        {"the longest drawing", 0, SideFile(drawingOf("48695 s")), "", ""},
        {"a drawing of 1e9 s", 0, SideFile(drawingOf("1000000000 s")), longest, "<DrawLength>"},
        {"a drawing of 1e300 s", 0, SideFile(drawingOf("1" + std::string(300, '0') + " s")), longest, "<DrawLength>"},
        {"a long drawing at a low rate", 0, SideFile(drawingOf("2000000 s"), at1000Hz), "", ""},
        {"a longer drawing at a low rate", 0, SideFile(drawingOf("2200000 s"), at1000Hz),
         "In DrawLength: At 1000 Hz a drawing can last at most 2147483.6 s; a longer one would pass the longest "
         "wave.",
         "<DrawLength>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TUnitWave unit(c.values ? RampSound(c.values) : std::make_shared<MonoSound>(44100, 2), "Wave 1", "");
        TViewPaneModel first(100), second(100);
        TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
        group.AddView(&first);
        group.AddView(&second);
        unit.SetViewGroup(&group);
        std::shared_ptr<Sound> sound = unit.GetSound();
        std::string error;
        const int result = unit.LoadShadowBytes(c.file, error, false, sound);
        if (c.error.empty()) {
            EXPECT_EQ(result, 1) << error;
            continue;
        }
        EXPECT_EQ(result, 2);
        EXPECT_EQ(error, c.error + At(c.file, c.tag));
        EXPECT_EQ(group.GetWaveViewProps().ValuesPerPixel.GetValue(), 15);
        EXPECT_FALSE(unit.IsUserDrawing());
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(SideFileTest, ViewStateGoesThroughTheWindowsGroup)
{
    TUnitWave unit(RampSound(1000), "Wave 1", "");
    TViewPaneModel first(200, 1000), second(200, 1000);
    TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
    group.AddView(&first);
    group.AddView(&second);
    group.SetSplitPosition(0.75);
    second.ZoomToRange(100, 300, true);
    group.SetShowKind(waveWindVolume);
    unit.SetViewGroup(&group);
    std::string wave = folder.File("v.wav");
    ASSERT_TRUE(unit.SaveShadowFile(wave));

    TUnitWave read(RampSound(1000), "Wave 2", "");
    TViewPaneModel readFirst(200, 1000), readSecond(200, 1000);
    TViewWaveGroupModel readGroup{TWaveViewProps(), TVoldViewProps()};
    readGroup.AddView(&readFirst);
    readGroup.AddView(&readSecond);
    read.SetViewGroup(&readGroup);
    std::shared_ptr<Sound> sound = read.GetSound();
    std::string error;
    // A project opening its windows: the view waits until the window has its size.
    ASSERT_EQ(read.LoadShadowFile(SideFileName(wave), error, true, sound), 1) << error;
    EXPECT_EQ(readFirst.GetPaneWidth(), 200);
    EXPECT_FALSE(readSecond.IsZoomed());
    EXPECT_EQ(readGroup.GetShowKind(), waveWindVolume);
    readGroup.ApplyPendingSplitPosition();
    readGroup.ApplyPendingZoom();
    EXPECT_EQ(readFirst.GetPaneWidth(), 300);
    EXPECT_TRUE(readSecond.IsZoomed());
    EXPECT_EQ(readSecond.FirstVisibleWavePos(), 100);
    EXPECT_EQ(readSecond.LastVisibleWavePos(), 300);
}

TEST_F(SideFileTest, FailedWritesKeepTheOldFiles)
{
    std::string wave = folder.File("c.wav");
    TUnitWave unit(RampSound(100), "Wave 1", "");
    unit.SetCursor(10);
    ASSERT_TRUE(unit.SaveWaveAndShadow(wave));
    std::string before = ReadWholeFile(SideFileName(wave));
    std::filesystem::permissions(SideFileName(wave), std::filesystem::perms::owner_read);

    unit.SetCursor(20);
    EXPECT_FALSE(unit.SaveShadowFile(wave));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Cannot save Wave Shadow File: Operating System cannot open file for writing, "
                                    "maybe the file is readonly.The Wave is saved correctly.");
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_EQ(ReadWholeFile(SideFileName(wave)), before);

    // An empty wave whose side file cannot be written leaves the old .wav in place.
    TUnitWave empty(TWaveFileProps(1, 44100, 2), "Wave 2", "");
    EXPECT_FALSE(empty.SaveWaveAndShadow(wave));
    EXPECT_TRUE(std::filesystem::exists(wave));
    EXPECT_EQ(ReadWholeFile(SideFileName(wave)), before);
}

TEST_F(SideFileTest, SaveChainWritesWhatChanged)
{
    std::string wave = folder.File("d.wav");
    TUnitWave unit(RampSound(100), "Wave 1", wave);
    unit.ClearChanged();
    EXPECT_TRUE(unit.SaveChanged(wave));
    EXPECT_FALSE(std::filesystem::exists(wave));
    EXPECT_FALSE(std::filesystem::exists(SideFileName(wave)));

    unit.SetShadowChanged();
    EXPECT_TRUE(unit.SaveChanged(wave));
    EXPECT_FALSE(std::filesystem::exists(wave));
    EXPECT_TRUE(std::filesystem::exists(SideFileName(wave)));

    unit.SetChanged();
    EXPECT_TRUE(unit.SaveShadowAndChangedWave(wave));
    EXPECT_TRUE(std::filesystem::exists(wave));

    // A .wav that cannot be written stops the chain before the side file.
    std::filesystem::remove(SideFileName(wave));
    std::string blocked = folder.File("no/such/folder/e.wav");
    EXPECT_FALSE(unit.SaveWaveAndShadow(blocked));
    EXPECT_FALSE(unit.SaveChanged(blocked));
    EXPECT_FALSE(std::filesystem::exists(SideFileName(blocked)));
}

TEST_F(SideFileTest, LongDrawingsAndOversizedDiagrams)
{
    std::string points = Point("0");
    const int count = 20000;
    for (int i = 1; i < count; ++i)
        points += Point(std::to_string(double(i) / count));
    points += Point("1");
    TUnitWave unit(RampSound(100), "Wave 1", "");
    std::shared_ptr<Sound> sound = unit.GetSound();
    std::string error;
    ASSERT_EQ(unit.LoadShadowBytes(SideFile(Points(points)), error, false, sound), 1) << error;
    EXPECT_EQ(unit.GetDrawNodeCount(), count + 1);

    // A volume diagram too large for memory is refused where its resolution stands.
    std::string file = SideFile("<ValueDraw><Cursor><WavePos>0</WavePos></Cursor></ValueDraw>");
    size_t resolution = file.find("<YResolution>50</YResolution>");
    ASSERT_NE(resolution, std::string::npos);
    file.replace(resolution, std::string("<YResolution>50</YResolution>").size(),
                 "<YResolution>1000000</YResolution>");
    TUnitWave other(RampSound(100), "Wave 2", "");
    sound = other.GetSound();
    EXPECT_EQ(other.LoadShadowBytes(file, error, false, sound), 2);
    EXPECT_EQ(error, "In YResolution: A volume diagram of 500 x 1000000 cells is too large; at most 16777216 cells "
                     "are allowed. At line 30, column 18.");
}

TEST_F(SideFileTest, CompleteFileOfAMonoWaveWithASelection)
{
    // The anchor at 500, the cursor moved back to 200; the second pane zoomed.
    TUnitWave unit(RampSound(1000, 8000), "Wave 1", "");
    TViewPaneModel first(300, 1000), second(300, 1000);
    TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
    group.AddView(&first);
    group.AddView(&second);
    group.SetSplitPosition(0.25);
    second.ZoomToRange(100, 900, true);
    unit.SetViewGroup(&group);
    unit.SetCursor(500);
    unit.SetCursorPos(200);
    std::string wave = folder.File("mono.wav");
    ASSERT_TRUE(unit.SaveShadowFile(wave));
    // Every byte, so that a drift of the format or of a default shows here.
    EXPECT_EQ(ReadWholeFile(SideFileName(wave)),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
              "<!DOCTYPE UnitWave_v8_0 SYSTEM \"UnitWave_v8_0.dtd\">\r\n"
              "\r\n"
              "<UnitWave>\r\n"
              "  <Version>8.0</Version>\r\n"
              "  <ValueDraw>\r\n"
              "    <Part>\r\n"
              "      <WavePos>200</WavePos>\r\n"
              "      <WavePos>500</WavePos>\r\n"
              "    </Part>\r\n"
              "  </ValueDraw>\r\n"
              "  <SplitPosition>0.25</SplitPosition>\r\n"
              "  <View />\r\n"
              "  <View>\r\n"
              "    <Zoom>\r\n"
              "      <WavePos>100</WavePos>\r\n"
              "      <WavePos>900</WavePos>\r\n"
              "    </Zoom>\r\n"
              "  </View>\r\n"
              "  <ShowWave />\r\n"
              "  <ViewWave>\r\n"
              "    <DrawLines />\r\n"
              "    <DistPeriod />\r\n"
              "    <ValuesPerPixel>15</ValuesPerPixel>\r\n"
              "    <UseGrid />\r\n"
              "    <GridColor>808080</GridColor>\r\n"
              "    <CursorColor>FF00FF</CursorColor>\r\n"
              "    <Strength>1</Strength>\r\n"
              "    <SingleColor>000000</SingleColor>\r\n"
              "    <BackgroundColor>FFFFFF</BackgroundColor>\r\n"
              "    <LeftColor>0000FF</LeftColor>\r\n"
              "    <RightColor>808000</RightColor>\r\n"
              "    <FrontNone />\r\n"
              "    <DrawSingle />\r\n"
              "  </ViewWave>\r\n"
              "  <ViewVolume>\r\n"
              "    <TimeTop>20 khz</TimeTop>\r\n"
              "    <TimeBottom>20 hz</TimeBottom>\r\n"
              "    <XResolution>500</XResolution>\r\n"
              "    <YResolution>50</YResolution>\r\n"
              "    <YWidth>1</YWidth>\r\n"
              "    <YLog />\r\n"
              "    <SensNormal />\r\n"
              "    <Strength>1.3</Strength>\r\n"
              "    <SingleColor>FFFFFF</SingleColor>\r\n"
              "    <BackgroundColor>000000</BackgroundColor>\r\n"
              "    <LeftColor>0000FF</LeftColor>\r\n"
              "    <RightColor>808000</RightColor>\r\n"
              "    <CursorColor>FF00FF</CursorColor>\r\n"
              "    <ColorPalette1D>\r\n"
              "      <BeginColor>000000</BeginColor>\r\n"
              "      <EndColor>FFFFFF</EndColor>\r\n"
              "    </ColorPalette1D>\r\n"
              "    <DrawSingle />\r\n"
              "  </ViewVolume>\r\n"
              "</UnitWave>\r\n");
}
