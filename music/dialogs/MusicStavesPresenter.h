#pragma once
#include "music/PlayersPresenter.h"
#include "music/TrimName.h"

#include <cstdint>
#include <string>
#include <vector>

class TCompoundPlayer;
class TNoteGroup;
class TNoteStave;
class TUnitMuz;
class TUnitPlayers;

// The text fields of the Music Staves dialog.
enum class TMusicStavesField : uint8_t { RoomUp, RoomDown, FreqFactor, VolumeFactor };

// Everything the Music Staves dialog shows of the music: the staves and the
// current stave's note groups, the current stave's and note group's fields.
struct TMusicStavesView {
    bool ApplyEnabled = false;
    TNavigatorView Staves;
    TNavigatorView Groups;
    // The current stave; off without one.
    bool StaveEnabled = false;
    std::string RoomUp, RoomDown;
    bool AllowJoinFlags = false;
    bool EnablePlayAndDraw = true;
    bool ExtraLines = false;
    uint32_t Foreground = 0, Background = 0xFFFFFF;
    bool StaveFactoryUsed = false;
    std::string StaveFactory; // shown only while used
    // The current note group; off without one.
    bool GroupEnabled = false;
    bool StemUp = false, StemDown = false;
    int Shape = -1; // the radio item; -1 none
    uint32_t NoteColor = 0;
    std::string PlayerSet, Player, FreqFactor, VolumeFactor;
    bool EnablePlay = false;
    bool GroupFactoryUsed = false;
    std::string GroupFactory;
    bool GoToPlayer = false; // both names given
};

// What the Music Staves dialog does with the staves and note groups of the
// music, without any widget. The current stave is the document's, the
// current note group its stave's. Every accepted change marks the music
// modified, and repaints it where the drawing changes. While the dialog
// fills its controls (BeginUpdate) every event is ignored.
class TMusicStavesPresenter {
public:
    void SetUnitMuz(TUnitMuz* unit);
    TUnitMuz* GetUnitMuz() const { return UnitMuz; }
    TNoteStave* GetNoteStave() const;
    TNoteGroup* GetNoteGroup() const;

    void BeginUpdate() { ++UpdateCount; }
    void EndUpdate() { --UpdateCount; }
    bool IsUpdating() const { return UpdateCount > 0; }
    TMusicStavesView View() const;

    // ---- navigation: the current items only, nothing marked ----
    enum class TMove : uint8_t { First, Previous, Next, Last };
    void MoveStaveCursor(TMove move);
    void MoveGroupCursor(TMove move);

    // ---- list edits ----
    void InsertStave();
    void AppendStave();
    void DeleteStave();
    void MoveStavePrev();
    void MoveStaveNext();
    void InsertGroup();
    void AppendGroup();
    void DeleteGroup();
    void MoveGroupPrev();
    void MoveGroupNext();

    // ---- the stave's fields ----
    void ForegroundChanged(uint32_t color);
    void BackgroundChanged(uint32_t color);
    void AllowJoinFlagsClicked(bool checked);
    void EnablePlayAndDrawClicked(bool checked);
    void ExtraLinesClicked(bool checked);
    // Checking it changes nothing; unchecking switches the factory off and
    // the name is to be emptied (true).
    bool StaveFactoryClicked(bool checked);
    // The typed name, trimmed; gives whether the factory is used now.
    bool StaveFactoryTyped(const std::string& text);

    // ---- the note group's fields ----
    void EnablePlayClicked(bool checked);
    // The stem boxes: the one clicked wins, the other is unchecked; neither is automatic.
    void StemClicked(bool up, bool checked);
    void ShapeClicked(int item);
    void NoteColorChanged(uint32_t color);
    void PlayerSetTyped(const std::string& text);
    void PlayerTyped(const std::string& text);
    bool GroupFactoryClicked(bool checked);
    bool GroupFactoryTyped(const std::string& text);

    // ---- the lists of names offered, from the open documents ----
    std::vector<std::string> PlayerSetNames() const;
    std::vector<std::string> PlayerNames(const std::string& setName) const;
    std::vector<std::string> FactoryNames() const;

    // ---- sounds ----
    // The stave or the note group rendered before or after its own factory,
    // played or opened in a new wave window.
    void PlayOrGenerateStave(bool generate, bool afterFactory);
    void PlayOrGenerateNoteGroup(bool generate, bool afterFactory);
    // The player named in the combo boxes; a set or player not open is
    // reported ("Error") and nothing found.
    bool FindPlayerOf(const std::string& setName, const std::string& playerName, TUnitPlayers*& set,
                      TCompoundPlayer*& player) const;

    // ---- text fields: applied when left ----
    void FieldEdited();
    bool HasPendingEdit() const { return EditChanged; }
    // False when the value was refused (the message is shown): the old value
    // stays and the field takes the focus back.
    bool FieldExit(TMusicStavesField field, const std::string& text);

private:
    void Changed(bool redraw);
    void AddStave(TNoteStave* after);
    void AddGroup(TNoteGroup* after);
    void SetCurrentGroup(TNoteGroup* group);

    TUnitMuz* UnitMuz = nullptr;
    int UpdateCount = 0;
    bool EditChanged = false;
};

