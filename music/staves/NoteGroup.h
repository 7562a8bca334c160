#pragma once
#include "foundation/values/unitFactor.h"
#include "wave/Sound.h"

#include <cstdint>
#include <memory>
#include <string>

class TCompoundPlayer;
class TNoteStave;
class TXMLComplexElement;
class TXTouchMuzSymbol;

// A voice of a stave: how its notes look (colour, head shape, stem
// direction) and how they sound (the player that renders them, found by its
// set's and its own name, frequency and volume factors, and a
// music-process factory the voice's sound may pass through).
class TNoteGroup {
public:
    // The defaults of a new group.
    explicit TNoteGroup(TNoteStave* noteStave);
    TNoteGroup(TNoteStave* noteStave, uint32_t noteColor, uint8_t noteShape, uint8_t drawStickKind,
               const std::string& player, const std::string& playerSet, const unitFactor& freqFactor,
               const unitFactor& volumeFactor, bool useFactory, const std::string& soundFactory, bool enablePlay);
    // Frees the following groups too, one by one.
    ~TNoteGroup();
    TNoteGroup(const TNoteGroup&) = delete;
    TNoteGroup& operator=(const TNoteGroup&) = delete;

    TNoteGroup* GetNext() const { return Next.get(); }
    TNoteStave* GetNoteStave() const { return NoteStave; }

    void SetPlayer(const std::string& name) { Player = name; }
    void SetPlayerSet(const std::string& name) { PlayerSet = name; }
    void SetSoundFactory(const std::string& name) { SoundFactory = name; }
    void SetUseSoundFactory(bool use) { UseFactory = use; }
    void SetDrawStickKind(uint8_t kind) { DrawStickKind = kind; }
    const std::string& GetPlayer() const { return Player; }
    const std::string& GetPlayerSet() const { return PlayerSet; }
    const std::string& GetSoundFactory() const { return SoundFactory; }
    bool GetUseFactory() const { return UseFactory; }
    uint8_t GetDrawStickKind() const { return DrawStickKind; }
    TCompoundPlayer* GetFoundPlayer() const { return FoundPlayer; }

    // Looks up the player by its set's and its own name and prepares it;
    // false with the reason. The player found (or none) is kept.
    bool FindPlayer(std::string& message);
    // FindPlayer for this group and each following one, up to the first failure.
    bool FindPlayers(std::string& message);

    // The sound the group's notes are rendered into while a wave is made:
    // its own, else its stave's, else the music's; nullptr outside.
    Sound* GetRenderSound() const;

    // The "NoteGroup" element with a "NotePart" per bar; currentGroup is the
    // stave's current group.
    std::unique_ptr<TXMLComplexElement> WriteXml(const TNoteGroup* currentGroup,
                                                 const TXTouchMuzSymbol* selectedSymbol) const;

    unitFactor FreqFactor;
    unitFactor VolumeFactor;
    uint32_t NoteColor;
    uint8_t NoteShape;
    bool EnablePlay;
    SoundPtr RenderSound;

private:
    friend class TStave;
    std::unique_ptr<TNoteGroup> Next;
    TCompoundPlayer* FoundPlayer = nullptr;
    std::string Player;
    std::string PlayerSet;
    std::string SoundFactory;
    bool UseFactory;
    uint8_t DrawStickKind;
    TNoteStave* NoteStave;
};
