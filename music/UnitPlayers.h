#pragma once
#include "music/CompoundPlayer.h"
#include "wave/document/FileUnit.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TPlayersWindowAccess;
class TXMLComplexElement;
class TXMLItem;

// The player-set document (kind 4): named players in order, a player cursor
// (the player its window shows) and the modified mark. Music refers to a
// player by the set's name and the player's; look-ups by name find the
// first player of that name. Every player has at least one part; a set that
// its window edits keeps at least one player.
class TUnitPlayers : public TFileUnit {
public:
    using PlayerList = std::vector<std::unique_ptr<TCompoundPlayer>>;

    TUnitPlayers(const std::string& name, const std::string& fileName);
    ~TUnitPlayers() override;

    // ---- the window ----
    // The players window; the document window base links itself through TFileUnit.
    void SetWindow(TPlayersWindowAccess* window) { PlayersWindow = window; }
    TPlayersWindowAccess* GetPlayersWindow() const { return PlayersWindow; }
    // The window shows the set anew after it was filled from outside.
    void UpdateWindow();
    // One default player, which becomes the current one.
    void InitNewSet();

    // ---- the list and the cursor ----
    const PlayerList& Players() const { return CompoundPlayers; }
    int CountPlayers() const { return static_cast<int>(CompoundPlayers.size()); }
    TCompoundPlayer* GetFirstPlayer() const;
    TCompoundPlayer* GetLastPlayer() const;
    TCompoundPlayer* GetCurrentPlayer() const { return CurrentCompoundPlayer; }
    void SetCurrentPlayer(TCompoundPlayer* player) { CurrentCompoundPlayer = player; }
    // The current player's current and first part; null without a current player.
    TOnePlayer* GetCurrentOnePlayer() const;
    TOnePlayer* GetFirstOnePlayer() const;
    // The neighbours of a player of the set; null at the ends and for a stranger.
    TCompoundPlayer* GetPlayerBefore(const TCompoundPlayer* player) const;
    TCompoundPlayer* GetPlayerAfter(const TCompoundPlayer* player) const;
    // 1-based place of the player, 0 when it is not one of the set's.
    int PositionOf(const TCompoundPlayer* player) const;
    // Null after (or an empty list) puts the player first; otherwise behind
    // after, which must be one of the set's.
    TCompoundPlayer& InsertPlayerAfter(const TCompoundPlayer* after, std::unique_ptr<TCompoundPlayer> player);
    // A default player behind after (null: in front), made the current one.
    TCompoundPlayer& InsertNewPlayer(const TCompoundPlayer* after);
    // A default part in the current player behind after (null: in front),
    // made that player's current part; null without a current player.
    TOnePlayer* InsertNewOnePlayer(const TOnePlayer* after);
    // Takes the player out without moving the cursor; the only player stays (null then).
    std::unique_ptr<TCompoundPlayer> DeletePlayer(const TCompoundPlayer* player);

    // ---- names ----
    TCompoundPlayer* FindCompoundPlayer(const std::string& name) const;
    // Whether a player other than except (null: any) has exactly this name.
    bool PlayerNameExists(const std::string& name, const TCompoundPlayer* except) const;
    // Appends every player's name in list order; gives how many.
    int AddPlayerNames(std::vector<std::string>& list) const;
    // The first of "Player 1", "Player 2", ... that no player has.
    std::string NewPlayerName() const;
    // The part Insert and Append make: a simple sampler on "sample" at 1 kHz,
    // volume 50 %, frequency factor 100 %, balance off.
    static std::unique_ptr<TOnePlayer> NewDefaultPart();

    // ---- modified mark and saving ----
    void SetModified() { Modified = true; }
    void ClearModified() { Modified = false; }
    bool IsModified() const { return Modified; }
    bool IsModifiedOrNew() const { return Modified || HasNoFileName(); }
    bool Save() { return SavePlayers(FileName); }
    // Writes the players file; a set that would not read back is refused.
    // On failure shows "Cannot save Players: " and the reason and gives false;
    // the old file and the marks stay.
    bool SavePlayers(const std::string& fileName);
    // Why the set cannot be written so that it reads back; empty when it can.
    std::string FindUnsavableItem() const;

    // ---- reading and copying ----
    // Fills the empty set from its file; false with the reason.
    bool LoadPlayers(std::string& error);
    // The same from the bytes of a file.
    bool LoadPlayersBytes(std::string_view bytes, std::string& error);
    // Fills the empty set with copies of the source's players.
    bool DuplicatePlayers(const TUnitPlayers& source, std::string& error);
    // Appends a player read from a note group's player of an old music file
    // (a CompoundPlayer holding sampler elements); its name comes back.
    bool AddConvertedPlayer(const TXMLItem& element, std::string& playerName, std::string& error, int32_t& line,
                            int32_t& column);
    std::unique_ptr<TXMLComplexElement> BuildPlayersXml() const;
    // Fills the set from a UnitPlay element that matched the grammar (or that
    // BuildPlayersXml made); the set keeps the players read before a failure.
    bool ReadPlayersXml(const TXMLItem& unitPlay, std::string& error, int32_t& line, int32_t& column);
    static void BuildPlayersGrammar();

private:
    PlayerList::const_iterator Find(const TCompoundPlayer* player) const;

    TPlayersWindowAccess* PlayersWindow = nullptr;
    PlayerList CompoundPlayers;
    TCompoundPlayer* CurrentCompoundPlayer = nullptr;
    bool Modified = false;
};
