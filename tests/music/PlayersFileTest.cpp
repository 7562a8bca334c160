#include "music/PlayersTestSupport.h"
#include "support/TempFolder.h"

#include "foundation/xml/DTDGrammar.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "music/PlayersFile.h"
#include "platform/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

// A players file of the given body (the elements inside UnitPlay after Version).
std::string PlayersFile(const std::string& body, const std::string& version = "9.1")
{
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
           "<!DOCTYPE UnitPlay_v9_1 SYSTEM \"UnitPlay_v9_1.dtd\">\r\n\r\n"
           "<UnitPlay>\n<Version>" + version + "</Version>\n" + body + "</UnitPlay>\n";
}

const std::string SimplePart = "<OnePlayer><FreqFactor>1</FreqFactor><FreqUp>0 hz</FreqUp>"
                               "<VolumeFactor>1</VolumeFactor><SimpleOneSampler><BasicFreq>440 hz</BasicFreq>"
                               "<SampleWave>s</SampleWave></SimpleOneSampler></OnePlayer>\n";

std::string Player(const std::string& name, const std::string& parts)
{
    return "<CompoundPlayer><NamePlayer>" + name + "</NamePlayer>\n" + parts + "</CompoundPlayer>\n";
}

// Sets a value from its text; the test's own texts always parse.
template <class Value>
Value From(const std::string& text)
{
    Value value;
    std::string error;
    EXPECT_TRUE(value.SetFromText(text, "Test", error)) << text << ": " << error;
    return value;
}

struct PlayersFileTest : ::testing::Test {
    PlayersFileTest() { TUnitPlayers::BuildPlayersGrammar(); }

    bool Load(const std::string& bytes, TUnitPlayers& set)
    {
        error.clear();
        return set.LoadPlayersBytes(bytes, error);
    }

    std::string Bytes(const TUnitPlayers& set) const { return DocumentBytes(*set.BuildPlayersXml(), "_v9_1"); }

    RecordingMessageService messages;
    TempFolder folder;
    std::string error;
};

// Every kind, every form of the balance and values in many units.
std::unique_ptr<TUnitPlayers> RichSet()
{
    auto set = std::make_unique<TUnitPlayers>("Players 1", "");
    TCompoundPlayer& strings = set->InsertNewPlayer(nullptr);
    strings.SetName("Strings & <Bass>");
    auto parts = [&](TCompoundPlayer& player, int count) {
        set->SetCurrentPlayer(&player);
        for (int i = 1; i < count; ++i)
            set->InsertNewOnePlayer(player.GetLastOnePlayer());
        std::vector<TOnePlayer*> result;
        for (const auto& part : player.Parts())
            result.push_back(part.get());
        return result;
    };
    std::vector<TOnePlayer*> p = parts(strings, 3);
    p[0]->SetFactoryPlayerProps(TFactoryPlayerProps("Note Maker"));
    p[0]->OnePlayerProps.FreqFactor = From<unitFactor>("-6 dB");
    p[0]->OnePlayerProps.FreqUp = From<unitFreq>("12.5 hz");
    p[0]->OnePlayerProps.VolumeFactor = From<unitFactor>("3/4");
    p[0]->SetBalanceOn();
    p[0]->OnePlayerProps.BalanceFactor = From<unitBalAngleFactor>("-45'");
    p[0]->SetTimeDiff(true);
    p[0]->SetVolDiff(2);
    p[1]->SetResonantSamplerProps(TResonantSamplerProps(unitUnitWave("hall"), From<unitFactorPosMax1>("25 %")));
    p[1]->OnePlayerProps.FreqFactor = From<unitFactor>("12 #");
    p[1]->OnePlayerProps.FreqUp = From<unitFreq>("2 ms");
    p[1]->SetBalanceOn();
    p[1]->OnePlayerProps.BalanceFactor = From<unitBalAngleFactor>("0.5");
    p[1]->SetVolDiff(0);
    p[2]->SetRepeatWaveFormProps(TRepeatWaveFormProps(unitUnitWave("cycle")));
    p[2]->OnePlayerProps.FreqFactor = From<unitFactor>("-1 octave");
    p[2]->SetBalanceOn();
    p[2]->OnePlayerProps.BalanceFactor = From<unitBalAngleFactor>("25 %");

    TCompoundPlayer& drums = set->InsertNewPlayer(&strings);
    drums.SetName("Drums");
    std::vector<TOnePlayer*> q = parts(drums, 2);
    q[0]->SetRollOutSamplerProps(TRollOutSamplerProps(unitUnitWave("snare"), From<unitTimePosMore>("2.5 ms")));
    q[0]->OnePlayerProps.VolumeFactor = From<unitFactor>("90'");
    q[1]->SetRollOutWaveFormProps(TRollOutWaveFormProps(unitUnitWave("kick")));
    q[1]->OnePlayerProps.FreqUp = From<unitFreq>("1 m");
    // A kind switched away from keeps its settings, unwritten.
    q[1]->OnePlayerProps.FactoryPlayerProps.Factory = "Not Written";
    set->SetCurrentPlayer(&drums);
    drums.SetCurrentOnePlayer(q[1]);
    return set;
}

void ExpectSameValue(const unit& a, const unit& b, const char* what)
{
    EXPECT_EQ(a.GetText(), b.GetText()) << what;
    EXPECT_EQ(a.GetUnitKind(), b.GetUnitKind()) << what;
}

} // namespace

TEST_F(PlayersFileTest, ANewSetIsWrittenExactly)
{
    TUnitPlayers set("Players 1", "");
    set.InitNewSet();
    const std::string file = folder.File("new.qby");
    ASSERT_TRUE(set.SavePlayers(file));
    EXPECT_EQ(ReadWholeFile(file), "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                   "<!DOCTYPE UnitPlay_v9_1 SYSTEM \"UnitPlay_v9_1.dtd\">\r\n"
                                   "\r\n"
                                   "<UnitPlay>\r\n"
                                   "  <Version>9.1</Version>\r\n"
                                   "  <CompoundPlayer>\r\n"
                                   "    <NamePlayer>Player 1</NamePlayer>\r\n"
                                   "    <OnePlayer>\r\n"
                                   "      <FreqFactor>100 %</FreqFactor>\r\n"
                                   "      <FreqUp>0 khz</FreqUp>\r\n"
                                   "      <VolumeFactor>50 %</VolumeFactor>\r\n"
                                   "      <SimpleOneSampler>\r\n"
                                   "        <BasicFreq>1 khz</BasicFreq>\r\n"
                                   "        <SampleWave>sample</SampleWave>\r\n"
                                   "      </SimpleOneSampler>\r\n"
                                   "    </OnePlayer>\r\n"
                                   "  </CompoundPlayer>\r\n"
                                   "</UnitPlay>\r\n");
    // Saving leaves the marks to the main window.
    EXPECT_TRUE(set.IsModifiedOrNew());
    // Read back, the set leaves no text: nothing went wrong.
    TUnitPlayers read("Players 2", file);
    ASSERT_TRUE(read.LoadPlayers(error)) << error;
    EXPECT_EQ(error, "");
}

TEST_F(PlayersFileTest, EveryKindBalanceAndUnitReadsBackEqual)
{
    const std::unique_ptr<TUnitPlayers> set = RichSet();
    const std::string bytes = Bytes(*set);
    // Only the kind in force is written; balance flags only where they are on.
    EXPECT_EQ(bytes.find("Not Written"), std::string::npos);
    EXPECT_NE(bytes.find("<Balance>\r\n        <BalanceFactor>-45 '</BalanceFactor>\r\n        <TimeDiff />\r\n"
                         "        <VolDiffFilter />\r\n      </Balance>"),
              std::string::npos);
    EXPECT_NE(bytes.find("<BalanceFactor>0.5</BalanceFactor>\r\n      </Balance>"), std::string::npos);
    EXPECT_NE(bytes.find("<BalanceFactor>25 %</BalanceFactor>\r\n        <VolDiffVolume />"), std::string::npos);

    TUnitPlayers read("Players 2", "");
    ASSERT_TRUE(Load(bytes, read)) << error;
    EXPECT_EQ(error, "");
    ASSERT_EQ(read.CountPlayers(), 2);
    // The cursors are not kept: the first player and each first part.
    EXPECT_EQ(read.GetCurrentPlayer(), read.GetFirstPlayer());
    for (size_t i = 0; i < 2; ++i) {
        const TCompoundPlayer& a = *set->Players()[i];
        const TCompoundPlayer& b = *read.Players()[i];
        EXPECT_EQ(a.GetName(), b.GetName());
        EXPECT_EQ(b.GetCurrentOnePlayer(), b.GetFirstOnePlayer());
        ASSERT_EQ(a.CountParts(), b.CountParts());
        for (int k = 0; k < a.CountParts(); ++k) {
            const TOnePlayerProps& x = a.Parts()[k]->OnePlayerProps;
            const TOnePlayerProps& y = b.Parts()[k]->OnePlayerProps;
            SCOPED_TRACE(a.GetName() + " part " + std::to_string(k));
            EXPECT_EQ(x.NotePlayerKind, y.NotePlayerKind);
            ExpectSameValue(x.FreqFactor, y.FreqFactor, "FreqFactor");
            ExpectSameValue(x.FreqUp, y.FreqUp, "FreqUp");
            ExpectSameValue(x.VolumeFactor, y.VolumeFactor, "VolumeFactor");
            EXPECT_EQ(x.Balance, y.Balance);
            if (x.Balance) {
                ExpectSameValue(x.BalanceFactor, y.BalanceFactor, "BalanceFactor");
                EXPECT_EQ(x.TimeDiff, y.TimeDiff);
                EXPECT_EQ(x.VolDiff, y.VolDiff);
            }
            if (const unitUnitWave* wave = x.SampleWaveOf(x.NotePlayerKind)) {
                EXPECT_EQ(wave->GetName(), y.SampleWaveOf(y.NotePlayerKind)->GetName());
            }
            ExpectSameValue(x.ResonantSamplerProps.ResFactor, y.ResonantSamplerProps.ResFactor, "ResFactor");
            ExpectSameValue(x.RollOutSamplerProps.BasicFreq, y.RollOutSamplerProps.BasicFreq, "BasicFreq");
        }
    }
    EXPECT_EQ(read.Players()[0]->Parts()[0]->OnePlayerProps.FactoryPlayerProps.Factory, "Note Maker");
    // Not written: the constructor's default.
    EXPECT_EQ(read.Players()[1]->Parts()[1]->OnePlayerProps.FactoryPlayerProps.Factory, "Factory 1");
    EXPECT_EQ(Bytes(read), bytes);
}

TEST_F(PlayersFileTest, APartWithoutBalanceReadsOffAndHardToOneSide)
{
    TUnitPlayers set("Players 1", "");
    ASSERT_TRUE(Load(PlayersFile(Player("A", SimplePart) + Player("B", SimplePart)), set)) << error;
    EXPECT_EQ(set.CountPlayers(), 2);
    const TOnePlayerProps& props = set.GetCurrentOnePlayer()->OnePlayerProps;
    EXPECT_FALSE(props.Balance);
    EXPECT_EQ(props.BalanceFactor.GetValue(), 1.0);
    EXPECT_EQ(props.BalanceFactor.GetUnitKind(), EHNone);
    EXPECT_EQ(props.VolDiff, 0);
    EXPECT_FALSE(props.TimeDiff);
    EXPECT_EQ(props.RollOutSamplerProps.BasicFreq.GetText(), "440 hz");
}

TEST_F(PlayersFileTest, RefusedFilesCreateNothing)
{
    const std::string balanced = "<OnePlayer><FreqFactor>1</FreqFactor><FreqUp>0</FreqUp><VolumeFactor>1"
                                 "</VolumeFactor><Balance><BalanceFactor>0</BalanceFactor><VolDiffVolume />"
                                 "<VolDiffFilter/></Balance><RepeatWaveForm><SampleWave>s</SampleWave>"
                                 "</RepeatWaveForm></OnePlayer>\n";
    const std::string twoKinds = "<OnePlayer><FreqFactor>1</FreqFactor><FreqUp>0</FreqUp><VolumeFactor>1"
                                 "</VolumeFactor><RepeatWaveForm><SampleWave>s</SampleWave></RepeatWaveForm>"
                                 "<RollOutWaveForm><SampleWave>s</SampleWave></RollOutWaveForm></OnePlayer>\n";
    struct Case {
        const char* what;
        std::string file;
    } cases[] = {
        {"both volume differences", PlayersFile(Player("A", SimplePart) + Player("B", balanced))},
        {"two kinds", PlayersFile(Player("A", SimplePart) + Player("B", twoKinds))},
        {"a player without parts", PlayersFile(Player("A", SimplePart) + Player("B", ""))},
        {"no player", PlayersFile("")},
        {"an empty name", PlayersFile(Player("A", SimplePart) + Player("", SimplePart))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TUnitPlayers set("Players 1", "");
        EXPECT_FALSE(Load(c.file, set));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(set.CountPlayers(), 0);
    }
}

TEST_F(PlayersFileTest, OnlyVersion91IsRead)
{
    TUnitPlayers set("Players 1", "");
    EXPECT_FALSE(Load(PlayersFile(Player("A", SimplePart), "9.0"), set));
    EXPECT_EQ(error, "Unknown version \"9.0\" found in players file.");
    EXPECT_FALSE(Load(PlayersFile(Player("A", SimplePart), "9.1 ") + "<Version>7.1</Version>", set));
    EXPECT_EQ(error, "Unknown version \"7.1\" found in players file.");
    std::string noVersion = PlayersFile(Player("A", SimplePart));
    noVersion.replace(noVersion.find("<Version>9.1</Version>"), 22, "");
    EXPECT_FALSE(Load(noVersion, set));
    EXPECT_EQ(error, "Unknown version \"\" found in players file.");
    EXPECT_FALSE(set.LoadPlayersBytes("", error));
    EXPECT_EQ(set.CountPlayers(), 0);
}

TEST_F(PlayersFileTest, ABadValueNamesItsLabelLineAndColumn)
{
    struct Case {
        std::string from, to, error;
    } cases[] = {
        {"<FreqFactor>1</FreqFactor>", "<FreqFactor>one</FreqFactor>",
         "In FreqFactor: Input has no value. At line 10, column 23."},
        {"<BasicFreq>440 hz</BasicFreq>", "<BasicFreq>0 hz</BasicFreq>",
         "In BasicFreq: You cannot use 0 with 'Hz'. At line 10, column 110."},
        {"<VolumeFactor>1</VolumeFactor>", "<VolumeFactor>1 s</VolumeFactor>",
         "In VolumeFactor: Wrong unit used, use: '%' or no unit. At line 10, column 68."},
    };
    for (const Case& c : cases) {
        std::string part = SimplePart;
        part.replace(part.find(c.from), c.from.size(), c.to);
        TUnitPlayers set("Players 1", "");
        EXPECT_FALSE(Load(PlayersFile(Player("A", SimplePart) + Player("B", part)), set));
        EXPECT_EQ(error, c.error);
        // The players read completely before the failure stay.
        EXPECT_EQ(set.CountPlayers(), 1);
    }
}

TEST_F(PlayersFileTest, APlayerNameGivenTwiceIsRefusedAtItsSecondPlace)
{
    TUnitPlayers set("Players 1", "");
    EXPECT_FALSE(Load(PlayersFile(Player("A", SimplePart) + Player("B", SimplePart) + Player("A", SimplePart)), set));
    EXPECT_EQ(error, "In NamePlayer: Name already exists in the set of Players. At line 12, column 28.");
    // Names differing in case are different players.
    TUnitPlayers other("Players 2", "");
    EXPECT_TRUE(Load(PlayersFile(Player("A", SimplePart) + Player("a", SimplePart)), other));
}

TEST_F(PlayersFileTest, AFailedSaveKeepsTheOldFileAndTheMarks)
{
    const std::string file = folder.File("set.qby");
    TUnitPlayers set("Players 1", file);
    set.InitNewSet();
    ASSERT_TRUE(set.Save());
    const std::string before = ReadWholeFile(file);
    set.GetCurrentPlayer()->SetName("Changed");
    set.SetModified();
    // A file the user made read-only is not replaced.
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const bool saved = set.Save();
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadWholeFile(file), before);
    EXPECT_TRUE(set.IsModified());
    EXPECT_EQ(set.GetFileName(), file);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_EQ(messages.Last().text.rfind("Cannot save Players: ", 0), 0u);
}

TEST_F(PlayersFileTest, ASetThatWouldNotReadBackIsNotWritten)
{
    const std::string file = folder.File("set.qby");
    WriteWholeFile(file, "old");
    struct Case {
        const char* what;
        std::function<void(TUnitPlayers&)> spoil;
        std::string reason;
    } cases[] = {
        {"no player", [](TUnitPlayers&) {},
         "A set without any Player cannot be saved: a Players file holds at least one Player."},
        {"an empty player name", [](TUnitPlayers& s) { s.InitNewSet(); s.GetCurrentPlayer()->SetName(" "); },
         "In Name Player: Field should not be empty."},
        {"an empty factory name",
         [](TUnitPlayers& s) {
             s.InitNewSet();
             s.GetCurrentOnePlayer()->SetFactoryPlayerProps(TFactoryPlayerProps(""));
         },
         "In Name Factory: Field should not be empty."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.Clear();
        TUnitPlayers set("Players 1", file);
        c.spoil(set);
        set.SetModified();
        EXPECT_FALSE(set.Save());
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, "Cannot save Players: " + c.reason);
        EXPECT_TRUE(set.IsModified());
        EXPECT_EQ(ReadWholeFile(file), "old");
    }
}

TEST_F(PlayersFileTest, AValueWithoutTextIsWrittenInItsBaseUnit)
{
    TUnitPlayers set("Players 1", "");
    set.InitNewSet();
    TOnePlayerProps& props = set.GetCurrentOnePlayer()->OnePlayerProps;
    props.VolumeFactor = unitFactor(0.25, EHS);
    props.FreqUp = unitFreq(0, EHMS);
    const std::string bytes = Bytes(set);
    EXPECT_NE(bytes.find("<VolumeFactor>0.25</VolumeFactor>"), std::string::npos);
    EXPECT_NE(bytes.find("<FreqUp>0 hz</FreqUp>"), std::string::npos);
    TUnitPlayers read("Players 2", "");
    EXPECT_TRUE(Load(bytes, read)) << error;
}

TEST_F(PlayersFileTest, OldPlayersBecomeNumberedPlayersOfTheSet)
{
    const std::string old = "<CompoundPlayer>\n"
                            "<RollOutSampler><BasicFreq>220 hz</BasicFreq><SampleWave>violin</SampleWave>"
                            "<FreqUp>5 hz</FreqUp><VolumeFactor>80 %</VolumeFactor></RollOutSampler>\n"
                            "<RepeatWaveForm><SampleWave>saw</SampleWave><VolumeFactor>0.5</VolumeFactor>"
                            "</RepeatWaveForm>\n"
                            "</CompoundPlayer>\n";
    auto parse = [](const std::string& text, TXMLComplexElement& root) {
        std::string version, error;
        TXMLToken tokens(TXMLBytes{"line 1\nline 2\n" + text}, version);
        const TXMLToken* cursor = &tokens;
        bool fatal = false;
        return OldCompoundPlayerGrammar()->Match(root, cursor, error, fatal);
    };
    TXMLComplexElement root("Root");
    ASSERT_TRUE(parse(old, root));
    TUnitPlayers set("Players for converted Music 1", "");
    set.InsertNewPlayer(nullptr);
    std::string name;
    int32_t line = 0, column = 0;
    ASSERT_TRUE(set.AddConvertedPlayer(*root.GetFirst(), name, error, line, column)) << error;
    EXPECT_EQ(name, "Player 2");
    ASSERT_TRUE(set.AddConvertedPlayer(*root.GetFirst(), name, error, line, column)) << error;
    EXPECT_EQ(name, "Player 3");
    const TCompoundPlayer* player = set.GetLastPlayer();
    ASSERT_EQ(player->CountParts(), 2);
    EXPECT_EQ(player->GetCurrentOnePlayer(), player->GetFirstOnePlayer());
    const TOnePlayerProps& first = player->Parts()[0]->OnePlayerProps;
    EXPECT_EQ(first.NotePlayerKind, notePlayerRollOutSampler);
    EXPECT_EQ(first.RollOutSamplerProps.SampleWave.GetName(), "violin");
    EXPECT_EQ(first.RollOutSamplerProps.BasicFreq.GetText(), "220 hz");
    EXPECT_EQ(first.FreqUp.GetText(), "5 hz");
    EXPECT_EQ(first.VolumeFactor.GetText(), "80 %");
    EXPECT_EQ(first.FreqFactor.GetText(), "100 %");
    EXPECT_FALSE(first.Balance);
    EXPECT_EQ(first.BalanceFactor.GetUnitKind(), EHAngle);
    EXPECT_EQ(first.VolDiff, 1);
    const TOnePlayerProps& second = player->Parts()[1]->OnePlayerProps;
    EXPECT_EQ(second.NotePlayerKind, notePlayerRepeatWaveForm);
    EXPECT_EQ(second.FreqUp.GetText(), "0 khz");
    EXPECT_EQ(second.VolumeFactor.GetText(), "0.5");

    // A bad value names its element; the player is not added.
    std::string bad = old;
    bad.replace(bad.find("80 %"), 4, "80 s");
    TXMLComplexElement badRoot("Root");
    ASSERT_TRUE(parse(bad, badRoot));
    EXPECT_FALSE(set.AddConvertedPlayer(*badRoot.GetFirst(), name, error, line, column));
    EXPECT_EQ(error, "In VolumeFactor: Wrong unit used, use: '%' or no unit.");
    EXPECT_EQ(line, 4);
    EXPECT_EQ(set.CountPlayers(), 3);
}
