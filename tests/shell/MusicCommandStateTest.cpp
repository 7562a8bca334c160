#include "foundation/commands/ActionCatalogue.h"
#include "music/document/MusicCommandState.h"
#include "shell/CommandStates.h"
#include "shell/DocumentKind.h"
#include "shell/MusicActionTable.h"
#include "tests/music/MusicTestSupport.h"

#include <functional>
#include <set>
#include <string>

namespace {

// Each scripted document, in turn, as the action update sees it.
struct Script {
    const char* name;
    std::function<void(MusicModel&)> prepare;
};

const Script Scripts[] = {
    {"new music", [](MusicModel&) {}},
    {"mode new, a dot and a clef to insert",
     [](MusicModel& m) {
         m.unit.PointAddExecute();
         m.unit.ClefExecute(-6);
     }},
    {"mode new, accidental and rest",
     [](MusicModel& m) {
         m.unit.NoteShiftExecute(1);
         m.unit.RestExecute(16);
     }},
    {"a dotted eighth of a chord",
     [](MusicModel& m) {
         m.Note(0, 9, 8, 1);
         TMuzNote* note = m.Note(0, 5, 8, 1);
         note->SetNoteArtKind(noteArtStaccato);
         note->SetDrawStickKind(drawStickUp);
         m.unit.ModeEditExecute();
         m.unit.SetSelMuzSymbol(note);
     }},
    {"a rest of a triplet",
     [](MusicModel& m) {
         m.Note(0, 5, 4, 0, triool, 0);
         TRest* rest = m.Rest(0, 4, 0, triool, 1);
         m.unit.ModeEditExecute();
         m.unit.SetSelMuzSymbol(rest);
     }},
    {"a bar symbol",
     [](MusicModel& m) {
         m.unit.ModeEditExecute();
         m.unit.SetSelMuzSymbol(m.bar->GetMuzBar());
     }},
    {"a clef with two flats",
     [](MusicModel& m) {
         m.StartClef()->SetKeyNoteShift(m.StartClef()->KeySignatureStep(noteShiftMol, 0), noteShiftMol);
         m.StartClef()->SetKeyNoteShift(m.StartClef()->KeySignatureStep(noteShiftMol, 1), noteShiftMol);
         m.Note(0, 5);
         m.unit.ModeEditExecute();
         m.unit.SetSelMuzSymbol(m.StartClef());
     }},
    {"nothing selected", [](MusicModel& m) { m.unit.ModeEditExecute(), m.unit.SetSelMuzSymbol(nullptr); }},
    {"mode delete",
     [](MusicModel& m) {
         m.Note(0, 5);
         m.unit.ModeDeleteExecute();
         m.unit.SetAutoPlay(false);
     }},
};

} // namespace

TEST(MusicCommandState, EveryForwardedActionShowsItsQuery)
{
    for (const Script& script : Scripts) {
        MusicModel m;
        script.prepare(m);
        TCommandSnapshot snap;
        snap.kind = documentKindMusic;
        snap.documentWindows = 1;
        snap.playerUsable = true;
        snap.music = MusicCommandStateOf(m.unit);
        TCommandStates states;
        UpdateCommandStates(states, snap);
        for (const TMusicActionRow& row : MusicActionTable()) {
            const TActionState& state = states[row.id];
            const char* name = ActionInfo(row.id).name;
            EXPECT_EQ(state.enabled, row.enabled ? row.enabled(m.unit) : true) << script.name << ": " << name;
            EXPECT_EQ(state.checked, row.checked ? row.checked(m.unit) : false) << script.name << ": " << name;
        }
    }
}

TEST(MusicCommandState, TheTableRunsWhatItsRowsName)
{
    // Every row is a music action, once; the relays and the dialog toggles are not forwarded.
    std::set<ActionId> seen;
    for (const TMusicActionRow& row : MusicActionTable()) {
        EXPECT_TRUE(seen.insert(row.id).second) << ActionInfo(row.id).name;
        EXPECT_EQ(std::string(ActionInfo(row.id).category).rfind("Music", 0), 0u) << ActionInfo(row.id).name;
        EXPECT_NE(row.execute, nullptr);
    }
    EXPECT_EQ(FindMusicAction(ActionId::AltKeyL), nullptr);
    EXPECT_EQ(FindMusicAction(ActionId::MusicDialogParts), nullptr);
    // The clef of F travels as -6.
    MusicModel m;
    FindMusicAction(ActionId::MusicClefF)->execute(m.unit);
    EXPECT_EQ(m.unit.GetInsertClef(), -6);
    FindMusicAction(ActionId::MusicNote16)->execute(m.unit);
    EXPECT_EQ(m.unit.GetInsertLength(), 16);
    FindMusicAction(ActionId::MusicAutoPlay)->execute(m.unit);
    EXPECT_FALSE(m.unit.GetAutoPlay());
    FindMusicAction(ActionId::MusicAutoPlay)->execute(m.unit);
    EXPECT_TRUE(m.unit.GetAutoPlay());
}
