#pragma once
#include "foundation/values/unitIntegerMoreUser.h"
#include "music/staves/Stave.h"
#include "wave/Sound.h"

#include <cstdint>
#include <memory>
#include <string>

class TMuzData;
class TNoteGroup;
class TStaveSymbol;
class TXMLComplexElement;
class TXTouchMuzSymbol;

// A stave of the music: how it is drawn (room above and below its middle
// line, colours, extra lines, whether flags may join into beams), whether it
// is played and drawn at all, and the music-process factory its sound may
// pass through. Its clefs, notes and rests lie in the bars of the part tree.
class TNoteStave : public TStave {
public:
    // The user minimum of both rooms is 30 whatever the values hold; neither
    // room passes RoomMaximum.
    TNoteStave(TMuzData* muzData, uint32_t foregroundColor, uint32_t backgroundColor, const unitIntegerMoreUser& roomUp,
               const unitIntegerMoreUser& roomDown, uint8_t allowJoinFlags, bool extraLines, bool useFactory,
               const std::string& soundFactory, bool enablePlayAndDraw);

    TMuzData* GetMuzData() const { return MuzData; }

    // The group that receives inserted notes; one exists while the stave is in use.
    TNoteGroup* GetSelectedNoteGroup() const;
    void SetSelectedNoteGroup(TNoteGroup* group);

    void SetSoundFactory(const std::string& name) { SoundFactory = name; }
    const std::string& GetSoundFactory() const { return SoundFactory; }
    bool GetUseFactory() const { return UseFactory; }
    void SetUseFactory(bool use) { UseFactory = use; }

    // The "Stave" element: its own elements, a "KeyPart" per bar and a
    // "NoteGroup" per group. currentStave is the document's current stave.
    std::unique_ptr<TXMLComplexElement> WriteXml(const TNoteStave* currentStave,
                                                 const TXTouchMuzSymbol* selectedSymbol) const;

    // y of the middle line in the drawing pass under way.
    int32_t GetMiddleY() const { return MiddleY; }
    void SetMiddleY(int32_t y) { MiddleY = y; }

    uint32_t ForegroundColor;
    uint32_t BackgroundColor;
    unitIntegerMoreUser RoomUp;
    unitIntegerMoreUser RoomDown;
    double LastSymbolPosition = 0;
    uint8_t AllowJoinFlags;
    bool EnablePlayAndDraw;
    bool ExtraLines;
    // The stave's own render sound while a wave is made from the music.
    SoundPtr RenderSound;

    static constexpr int32_t RoomMinimum = 30;
    // Far more than the highest and lowest note with its stem need, and small
    // enough that the extra lines of a room stay a short loop and the rooms of
    // many staves add up without overflow.
    static constexpr int32_t RoomMaximum = 10000;
    // The middle lines of a paint lie within this distance of the view's top:
    // no window reaches farther, and every coordinate a stave's drawing adds
    // to its middle line stays in range.
    static constexpr int32_t FarthestMiddleY = 1 << 30;
    // y laid out as a sum of rooms, kept within FarthestMiddleY.
    static int32_t LaidOutY(int64_t y);

private:
    std::string SoundFactory;
    bool UseFactory;
    TMuzData* MuzData;
    TNoteGroup* SelectedNoteGroup = nullptr;
    int32_t MiddleY = 0;
};
