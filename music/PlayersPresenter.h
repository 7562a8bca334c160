#pragma once
#include "wave/MainFormAccess.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TCompoundPlayer;
class TOnePlayer;
class TUnitPlayers;

// The fields of the players window a value is typed into.
enum class TPlayersField : uint8_t {
    NamePlayer,
    FreqFactor,
    FreqUp,
    VolumeFactor,
    Balance,
    Factory,
    SOSSampleWave,
    SOSBasicFreq,
    RSSampleWave,
    RSResonantFactor,
    RWFSampleWave,
    ROSSampleWave,
    ROSBasicFreq,
    ROWFSampleWave,
    Count
};
inline constexpr int PlayersFieldCount = static_cast<int>(TPlayersField::Count);

// What one navigator shows: the count and 1-based cursor, and which of its
// buttons are on.
struct TNavigatorView {
    bool Enabled = false; // the count and cursor fields
    std::string Count;
    std::string Cursor;
    bool First = false, Previous = false, Next = false, Last = false;
    bool MovePrev = false, MoveNext = false;
    bool Insert = false, Append = false, Delete = false;
};

// A list of count items with the cursor-th current: back from the second,
// forward before the last, delete from two, insert and append always.
TNavigatorView NavigatorViewOf(int count, int cursor);

// Everything the players window shows of its set.
struct TPlayersView {
    TNavigatorView Players;
    TNavigatorView Parts;
    bool NameEnabled = false;
    // The part's page, its values and its balance; off without a part.
    bool PartEnabled = false;
    int Page = -1; // the part's kind; -1 no page
    std::array<std::string, PlayersFieldCount> Texts{};
    bool BalanceChecked = false;
    bool TimeDiffChecked = false;
    int VolDiff = -1; // the item of "None", "Volume", "Filter"; -1 none
    const std::string& Text(TPlayersField field) const { return Texts[static_cast<int>(field)]; }
};

// How much of the window an event asks to show anew; each includes the ones above it.
enum class TPlayersRefresh : uint8_t {
    Nothing,
    BalanceSwitches, // the check boxes and the radio group, not the typed text
    BalanceGroup,
    PartFields,
    PartControls,
    PlayerControls,
};

// What the players window does with its set, without any widget: the
// navigators, the list edits, committing a typed field when it is left, the
// kind switch and the balance group. While the window fills its controls
// (BeginUpdate) every event is ignored, so filling never changes the set.
// Every accepted change marks the set modified.
class TPlayersPresenter {
public:
    explicit TPlayersPresenter(TUnitPlayers* set) : UnitPlayers(set) {}

    void SetUnitPlayers(TUnitPlayers* set) { UnitPlayers = set; }
    TUnitPlayers* GetUnitPlayers() const { return UnitPlayers; }

    // ---- filling ----
    void BeginUpdate() { ++UpdateCount; }
    void EndUpdate() { --UpdateCount; }
    bool IsUpdating() const { return UpdateCount > 0; }
    TPlayersView View() const;
    // The names the combo boxes offer: every open wave, and the open note-player and free factories.
    WaveNameList WaveNames() const;
    std::vector<std::string> FactoryNames() const;

    // ---- navigation: the cursors only ----
    enum class TMove : uint8_t { First, Previous, Next, Last };
    TPlayersRefresh MovePlayerCursor(TMove move);
    TPlayersRefresh MovePartCursor(TMove move);
    TPlayersRefresh GoToPlayer(TCompoundPlayer* player);

    // ---- list edits ----
    TPlayersRefresh InsertPlayer();
    TPlayersRefresh AppendPlayer();
    TPlayersRefresh DeletePlayer();
    TPlayersRefresh MovePlayerPrev();
    TPlayersRefresh MovePlayerNext();
    TPlayersRefresh InsertPart();
    TPlayersRefresh AppendPart();
    TPlayersRefresh DeletePart();
    TPlayersRefresh MovePartPrev();
    TPlayersRefresh MovePartNext();

    // ---- the part ----
    // The user picked the page of a kind: the part plays by it, keeping the others' settings.
    TPlayersRefresh ChangeKind(int page);
    // Typing into a field; the balance field also switches the balance on.
    TPlayersRefresh FieldEdited(TPlayersField field);
    // Leaving a field commits what was typed. False when the value was
    // refused (the message is shown): the old value stays and the field
    // takes the focus back.
    bool FieldExit(TPlayersField field, const std::string& text);
    bool HasPendingEdit() const { return EditChanged; }
    TPlayersRefresh BalanceClicked(bool checked);
    TPlayersRefresh TimeDiffClicked(bool checked);
    TPlayersRefresh VolDiffClicked(int item);

private:
    TCompoundPlayer* Player() const;
    TOnePlayer* Part() const;
    // The balance on from its start: "0 '", no time difference, and volume
    // difference Volume unless another is given.
    void SwitchBalanceOn(uint8_t volDiff = 1);
    TPlayersRefresh Changed(TPlayersRefresh refresh);
    bool CommitName(const std::string& text);

    TUnitPlayers* UnitPlayers;
    int UpdateCount = 0;
    bool EditChanged = false;
};
