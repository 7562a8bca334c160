#include "foundation/values/unitInteger.h"
#include "music/parts/LoopPartMuz.h"
#include "music/parts/StartPartMuz.h"
#include "support/TempFolder.h"
#include "tests/music/MusicTestSupport.h"

#include <filesystem>

namespace {

struct UnitMuzTest : MusicTest {
    TempFolder folder;
};

} // namespace

TEST_F(UnitMuzTest, ANewMusic)
{
    TUnitMuz unit("Music 1", "");
    EXPECT_EQ(unit.GetKind(), UnitKindMusic);
    EXPECT_EQ(unit.GetSelMuzSymbolKind(), 3);
    unit.NewMusic();
    TSinglePartMuz* bar = unit.MuzData.GetFirstSinglePart();
    ASSERT_EQ(unit.MuzData.GetRootChild(), bar);
    EXPECT_EQ(bar->GetMuzBar()->GetCount(), 4);
    EXPECT_EQ(bar->GetMuzBar()->GetLength(), 4);
    EXPECT_EQ(bar->GetMuzBar()->GetCountFirstBar(), 0);
    TNoteStave* stave = unit.MuzData.GetStartStave();
    ASSERT_NE(stave, nullptr);
    EXPECT_EQ(stave->GetNext(), nullptr);
    EXPECT_EQ(unit.GetSelNoteStave(), stave);
    EXPECT_EQ(unit.GetSelectedSymbol(), bar->GetStartClef(stave));
    EXPECT_EQ(bar->GetStartClef(stave)->GetKeyKind(), clefKindG);
    EXPECT_EQ(unit.GetSelMuzSymbolKind(), muzSymbolStave);
    EXPECT_FALSE(unit.IsModified());
    EXPECT_TRUE(unit.IsModifiedOrNew());
    EXPECT_TRUE(unit.GetAutoPlay());
    EXPECT_EQ(unit.InsertLength, 4);
    EXPECT_EQ(unit.UnitMuzMode, unitMuzNew);
    // A music that has its parts is not made anew.
    unit.NewMusic();
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(unit.MuzData.GetFirstSinglePart()->GetNextSinglePart(), nullptr);
}

TEST_F(UnitMuzTest, SelectedSymbolKindsAndTheirStave)
{
    MusicModel m;
    auto loop = std::make_unique<TLoopPartMuz>(unitIntegerPosMore(2, EHNone), nullptr, &m.muz, UnitTempoFactor(),
                                               UnitTempoFactor());
    TMuzNote* note = m.Note(0.25, 0);
    struct Case {
        TXTouchMuzSymbol* symbol;
        uint8_t kind;
    } cases[] = {{nullptr, 3},
                 {m.bar->GetMuzBar(), 0},
                 {loop->GetLeftLoopSymbol(), 1},
                 {m.StartClef(), 2},
                 {note, 2},
                 {m.Rest(0.5), 2}};
    for (const Case& c : cases) {
        m.unit.SetSelMuzSymbol(c.symbol);
        EXPECT_EQ(m.unit.GetSelMuzSymbolKind(), c.kind);
    }
    TNoteStave* other = m.muz.NewNoteStave(m.stave, nullptr);
    m.unit.SetSelMuzSymbol(m.Rest(0.5, 4, 0, sool, 0, other));
    m.unit.SetSelMuzSymbol(m.bar->GetMuzBar());
    EXPECT_EQ(m.unit.GetSelectedInStave(), other);
    m.unit.SetSelMuzSymbol(loop->GetRightLoopSymbol());
    EXPECT_EQ(m.unit.GetSelectedInStave(), other);
}

TEST_F(UnitMuzTest, SaveAndOpen)
{
    MusicModel m;
    FakeMusicView view;
    m.unit.SetWindow(&view);
    m.Note(0.25, 9);
    m.unit.SetSelMuzSymbol(m.bar->GetMuzBar());
    const std::string file = folder.File("song.qbm");
    ASSERT_TRUE(m.unit.SaveMusic(file));
    EXPECT_EQ(ReadWholeFile(file), SavedBytes(m.unit));

    TUnitMuz opened("Music 2", file);
    std::string message;
    std::unique_ptr<TMDIChildMuzInitProps> origin;
    ASSERT_TRUE(opened.LoadMusic(message, origin)) << message;
    ASSERT_NE(origin, nullptr);
    EXPECT_EQ(origin->Left, -5);
    EXPECT_EQ(origin->Top, -12);
    EXPECT_TRUE(opened.IsModified());
    EXPECT_EQ(opened.GetSelMuzSymbolKind(), muzSymbolBar);
    EXPECT_EQ(SavedBytes(opened), SavedBytes(m.unit));
    EXPECT_EQ(messages.Count(), 0u);

    TUnitMuz missing("Music 3", folder.File("none.qbm"));
    EXPECT_FALSE(missing.LoadMusic(message, origin));
    EXPECT_FALSE(message.empty());
    m.unit.SetWindow(nullptr);
}

TEST_F(UnitMuzTest, AFailedSaveKeepsTheOldFileAndTheMark)
{
    MusicModel m;
    const std::string file = folder.File("kept.qbm");
    ASSERT_TRUE(m.unit.SaveMusic(file));
    const std::string before = ReadWholeFile(file);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    m.Note(0, 3);
    m.unit.SetModified();
    EXPECT_FALSE(m.unit.SaveMusic(file));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.substr(0, 19), "Cannot save Music: ");
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
    EXPECT_EQ(ReadWholeFile(file), before);
    EXPECT_TRUE(m.unit.IsModified());

    EXPECT_FALSE(m.unit.SaveMusic(folder.File("no/such/folder.qbm")));
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_TRUE(m.unit.IsModified());
}

TEST_F(UnitMuzTest, DuplicateCarriesTheMusicAndItsFormat)
{
    MusicModel m;
    FakeMusicView view;
    m.unit.SetWindow(&view);
    m.muz.Tempo = unitTimePosMore(0.75, EHS);
    m.unit.ChangeFileProps(TWaveFileProps(1, 22050, 2), TWaveFileProps(2, 44100, 1));
    m.muz.NewNoteStave(m.stave, &m.unit);
    m.Note(0.5, 2);
    TUnitMuz copy("Music 2", "");
    std::string message;
    std::unique_ptr<TMDIChildMuzInitProps> origin;
    ASSERT_TRUE(copy.DuplicateMusic(m.unit, message, origin)) << message;
    ASSERT_NE(origin, nullptr);
    EXPECT_EQ(origin->Left, -5);
    EXPECT_DOUBLE_EQ(copy.MuzData.Tempo.GetValue(), 0.75);
    EXPECT_EQ(copy.GetSampleFreq(), 44100u);
    EXPECT_EQ(copy.GetMonoStereo(), 2);
    EXPECT_EQ(copy.GetBytesPSample(), 1);
    EXPECT_EQ(copy.GetSelectedSymbol(), copy.MuzData.GetFirstSymbol());
    EXPECT_FALSE(copy.IsModified());
    // Clefs that tie across staves stand in stave order once read; select the one the copy selects.
    m.unit.SetSelMuzSymbol(m.StartClef());
    EXPECT_EQ(SavedBytes(copy), SavedBytes(m.unit));
    m.unit.SetWindow(nullptr);
}

TEST_F(UnitMuzTest, TheWindowHearsOfRedrawsAndParts)
{
    MusicModel m;
    FakeMusicView view;
    m.unit.SetWindow(&view);
    EXPECT_EQ(m.unit.GetWindow(), &view);
    m.unit.Redraw();
    m.unit.PartsChanged();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"Invalidate", "Texts", "PartsChanged"}));
    EXPECT_EQ(view.texts[0], "Key");
    EXPECT_EQ(view.texts[6], "New");
    m.unit.SetWindow(nullptr);
    m.unit.Redraw(); // without a window: reported, nothing else
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(UnitMuzTest, SelectionTexts)
{
    MusicModel m;
    auto loop = std::make_unique<TLoopPartMuz>(unitIntegerPosMore(2, EHNone), nullptr, &m.muz, UnitTempoFactor(),
                                               UnitTempoFactor());
    struct Case {
        TXTouchMuzSymbol* symbol;
        TSelectionTexts texts;
    } cases[] = {
        {nullptr, {"", "", "", "", "", "", "New"}},
        {m.bar->GetMuzBar(), {"Bar", "", "", "", "", "", "New"}},
        {loop->GetLeftLoopSymbol(), {"Loop", "", "", "", "", "", "New"}},
        {m.StartClef(), {"Key", "", "pos: 0", "", "", "", "New"}},
        {m.Rest(0.25), {"Rest", "Single", "pos: 1/4", "len: 1/4", "", "", "New"}},
        {m.Note(1.5, 5, 2, 1), {"Note", "Single", "pos: 1 1/2", "len: 3/4", "a4", "440 hz", "New"}},
        {m.Note(0, 0, 8, 0, triool, 1), {"Note", "Triplet", "pos: 0", "len: 1/8", "c4", "261.6255 hz", "New"}},
        {m.Note(0.125, 0, 64, 3), {"Note", "Single", "pos: 1/8", "len: 15/512", "c4", "261.6255 hz", "New"}},
        {m.Rest(2, 4, 1, duool, 1), {"Rest", "Twin", "pos: 2", "len: 3/8", "", "", "New"}},
    };
    for (const Case& c : cases) {
        m.unit.SetSelMuzSymbol(c.symbol);
        EXPECT_EQ(m.unit.DescribeSelection(), c.texts);
    }
    // The save state: new until saved, then changed with a change.
    m.unit.SetFileName("song.qbm");
    m.unit.SetSelMuzSymbol(nullptr);
    EXPECT_EQ(m.unit.DescribeSelection()[6], "");
    m.unit.SetModified();
    EXPECT_EQ(m.unit.DescribeSelection()[6], "Changed");
}

TEST(SelectionDescription, FractionsAndNoteNames)
{
    struct Fraction {
        double x;
        const char* text;
    } fractions[] = {{0, "0"},         {1, "1"},       {2, "2"},          {0.25, "1/4"},   {0.375, "3/8"},
                     {1.5, "1 1/2"},   {15.0 / 512, "15/512"}, {1.0 / 3, "170/512"}, {2.0 + 1.0 / 64, "2 1/64"}};
    for (const Fraction& f : fractions)
        EXPECT_EQ(FractionText(f.x), f.text) << f.x;
    struct Name {
        int32_t pitch;
        uint8_t shift;
        const char* text;
    } names[] = {{0, noteShiftNormal, "c4"},   {3, noteShiftKruis, "fis4"},      {-1, noteShiftMol, "bes3"},
                 {12, noteShiftMol, "as5"},     {2, noteShiftDoubleMol, "eses4"}, {5, noteShiftMol, "as4"},
                 {2, noteShiftMol, "es4"},     {6, noteShiftMol, "bes4"},       {-7, noteShiftKruis, "cis3"},
                 {7, noteShiftDoubleKruis, "cisis5"}, {5, noteShiftDoubleMol, "ases4"}, {-43, noteShiftNormal, "b-3"},
                 {43, noteShiftNone, "d10"}};
    for (const Name& n : names)
        EXPECT_EQ(NoteNameText(n.pitch, n.shift), n.text) << n.pitch;
}
