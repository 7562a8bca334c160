#include "shell/ActionCatalogue.h"
#include "shell/DocumentKind.h"
#include "shell/ShortcutTable.h"

#include <gtest/gtest.h>

namespace {

using A = ActionId;

bool AllEnabled(ActionId) { return true; }

// What a key runs in a window of that kind, after the activation that binds its set.
ActionId KeyIn(unsigned char kind, const char* key)
{
    TShortcutTable table;
    switch (kind) {
    case documentKindWave: table.BindWaveSet(); break;
    case documentKindMusic: table.ClearWaveSet(); table.BindMusicSet(); break;
    case documentKindFactory: table.ClearWaveSet(); table.ClearMusicSet(); table.BindFactorySet(); break;
    case documentKindPlayers: table.ClearWaveSet(); table.ClearMusicSet(); table.ClearFactorySet();
        table.BindPlayersSet(); break;
    default: break;
    }
    return table.Find(TShortcut::Parse(key), kind, AllEnabled);
}

} // namespace

TEST(Shortcut, ParsesAndWritesKeyTexts)
{
    TShortcut key = TShortcut::Parse("Shift+Alt+Del");
    EXPECT_EQ(key.modifiers, TShortcut::ModShift | TShortcut::ModAlt);
    EXPECT_EQ(key.key, "Del");
    EXPECT_EQ(key.Text(), "Shift+Alt+Del");
    EXPECT_EQ(TShortcut::Parse("Alt+Shift+Del"), key);
    EXPECT_EQ(TShortcut::Parse("ctrl+v").Text(), "V"); // unknown modifier names are not modifiers
    EXPECT_EQ(TShortcut::Parse("Ctrl+v").Text(), "Ctrl+V");
    EXPECT_EQ(TShortcut::Parse("Shift+.").Text(), "Shift+.");
    EXPECT_TRUE(TShortcut::Parse("").IsEmpty());
    EXPECT_EQ((TShortcut{TShortcut::ModShift, ">"}).UnshiftedAlternative().Text(), "Shift+.");
    EXPECT_TRUE((TShortcut{0, ">"}).UnshiftedAlternative().IsEmpty());
    EXPECT_TRUE((TShortcut{TShortcut::ModShift, "V"}).UnshiftedAlternative().IsEmpty());
}

TEST(ShortcutTable, OneKeyMeansOneActionPerWindowKind)
{
    struct Case {
        unsigned char kind;
        const char* key;
        ActionId expected;
    };
    const Case cases[] = {
        {documentKindWave, "V", A::Volume},
        {documentKindWave, "Shift+V", A::MaxVolume},
        {documentKindWave, "Alt+Del", A::DeleteUndo},
        {documentKindWave, "Ctrl+Del", A::EditDelete},
        {documentKindWave, "D", A::DuplicateWave},
        {documentKindWave, "N", A::EditNameAction},
        {documentKindWave, "Ctrl+Z", A::Undo},
        {documentKindFactory, "V", A::SntValidate},
        {documentKindFactory, "D", A::DuplicateFact},
        {documentKindFactory, "Ctrl+P", A::Count}, // FileProperties has no key there
        {documentKindMusic, "V", A::Count},        // the key goes to the window
        {documentKindMusic, "D", A::DuplicateMuz},
        {documentKindMusic, "Ctrl+D", A::MusicDialogStaves},
        {documentKindMusic, "Alt+Del", A::MusicModeDelete},
        {documentKindMusic, ".", A::MusicPointAdd},
        {documentKindMusic, "Shift+.", A::MusicPointDelete},
        {documentKindPlayers, "Ctrl+D", A::DuplicatePlay},
        {documentKindPlayers, "N", A::Count}, // typed into the players window
        {documentKindPlayers, "Alt+N", A::EditNameAction},
        {documentKindPlayers, "P", A::Count},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyIn(c.kind, c.key), c.expected) << "kind " << int(c.kind) << " key " << c.key;
}

TEST(ShortcutTable, BeforeTheFirstActivationNoKindSetIsBound)
{
    TShortcutTable table;
    for (const char* key : {"D", "P", "V", "Alt+Del", "Alt+M"})
        EXPECT_EQ(table.Find(TShortcut::Parse(key), documentKindNone, AllEnabled), A::Count) << key;
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+N"), documentKindNone, AllEnabled), A::FileNewWave);
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+F"), documentKindNone, AllEnabled), A::FileOpenFactory);
    EXPECT_EQ(table.Find(TShortcut::Parse("N"), documentKindNone, AllEnabled), A::EditNameAction);
}

TEST(ShortcutTable, ADisabledActionLetsTheKeyPass)
{
    TShortcutTable table;
    table.BindWaveSet();
    auto volumeDisabled = [](ActionId id) { return id != A::Volume; };
    EXPECT_EQ(table.Find(TShortcut::Parse("V"), documentKindWave, volumeDisabled), A::Count);
}

TEST(ShortcutTable, TheActiveKindWinsASharedKey)
{
    TShortcutTable table;
    table.BindWaveSet();
    table.Set(A::MusicModeDelete, TShortcut::Parse("Alt+Del")); // as if a music set was left bound
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+Del"), documentKindWave, AllEnabled), A::DeleteUndo);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+Del"), documentKindMusic, AllEnabled), A::MusicModeDelete);
}

TEST(ShortcutTable, ClearingKeepsTheSharedActions)
{
    TShortcutTable table;
    table.BindPlayersSet();
    table.ClearWaveSet();
    table.ClearMusicSet();
    table.ClearFactorySet();
    table.ClearPlayersSet();
    EXPECT_EQ(table.Get(A::EditNameAction).Text(), "Alt+N");
    EXPECT_EQ(table.Get(A::FileOpenFactory).Text(), "Ctrl+F");
    EXPECT_TRUE(table.Get(A::DuplicatePlay).IsEmpty());
    EXPECT_EQ(table.Get(A::Undo).Text(), "Ctrl+Z"); // outside every set: its start key for good
}

TEST(ShortcutTable, TwoKeyMusicCommandsReachTheWindow)
{
    TShortcutTable table;
    table.BindMusicSet();
    table.BeginMusicKeySequence();
    EXPECT_EQ(table.Find(TShortcut::Parse("B"), documentKindMusic, AllEnabled), A::Count);
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+F"), documentKindMusic, AllEnabled), A::Count);
    EXPECT_EQ(table.Find(TShortcut::Parse("Shift+Alt+E"), documentKindMusic, AllEnabled), A::Count);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+A"), documentKindMusic, AllEnabled), A::AltKeyA);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+G"), documentKindMusic, AllEnabled), A::AltKeyG);
    table.EndMusicKeySequence();
    EXPECT_EQ(table.Find(TShortcut::Parse("B"), documentKindMusic, AllEnabled), A::MusicNSMol);
    EXPECT_EQ(table.Find(TShortcut::Parse("Ctrl+F"), documentKindMusic, AllEnabled), A::FileOpenFactory);
    EXPECT_EQ(table.Find(TShortcut::Parse("Alt+A"), documentKindMusic, AllEnabled), A::Count);
}

TEST(ShortcutTable, GenerationGrowsOnlyOnChange)
{
    TShortcutTable table;
    unsigned before = table.Generation();
    table.BindWaveSet();
    unsigned bound = table.Generation();
    EXPECT_GT(bound, before);
    table.BindWaveSet();
    EXPECT_EQ(table.Generation(), bound);
}
