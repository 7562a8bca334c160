#pragma once
#include "music/document/MDIChildMuzInitProps.h"
#include "music/window/MusicKeyMachine.h"
#include "music/window/StaveBorderDrag.h"

#include <cstdint>
#include <vector>

class MusicWindowHost;
class TMuzNote;
class TNoteStave;
class TRest;
class TStaveSymbol;
class TUnitMuz;

// The cursors the music window shows: Keep leaves the one shown.
enum class TMusicCursor : uint8_t { Keep, Default, VerticalSplit, Delete, Reject, Note, Sil };

// The band of a stave played and drawn, in window pixels.
struct TStaveBand {
    TNoteStave* stave;
    int32_t top;    // middle - RoomUp
    int32_t middle; // y of the middle line
    int32_t bottom; // middle + RoomDown
};

// Where the scroll bars stand: positions, their largest values and steps.
struct TMusicScrollState {
    int32_t horizontalPosition = 0, horizontalMaximum = 0, horizontalStep = 1, horizontalPage = 1;
    int32_t verticalPosition = 0, verticalMaximum = 0, verticalStep = 1, verticalPage = 1;
};

// Everything of the music window but its widgets: the view origin and the
// scroll ranges, where the staves lie, what lies under the pointer, the
// mouse by mode, dragging a stave border, the cursor, and the keys.
class TMusicWindowController {
public:
    explicit TMusicWindowController(MusicWindowHost& host);

    void SetUnitMuz(TUnitMuz* unit);
    TUnitMuz* GetUnitMuz() const { return Unit; }

    // ---- origin and scrolling ----
    int32_t GetLeftOrigin() const { return LeftOrigin; }
    int32_t GetTopOrigin() const { return TopOrigin; }
    int32_t GetRightEdge() const { return RightEdge; }
    int32_t GetBottomEdge() const { return BottomEdge; }
    bool IsOriginSet() const { return OriginSet; }
    // The origin chosen by code: the next paint keeps it.
    void SetOrigin(int32_t left, int32_t top);
    void ApplyInitProps(const TMDIChildMuzInitProps* props);
    TMDIChildMuzInitProps GetViewOrigin() const { return {LeftOrigin, TopOrigin}; }
    // The user moved a scroll bar.
    void ScrollTo(int32_t horizontalPosition, int32_t verticalPosition);
    // The start of a paint: the origin from the scroll bars unless code set it.
    // Gives the bands of the staves, and the bottom edge follows them.
    std::vector<TStaveBand> BeginPaint();
    // The end of a paint: x where the staves ended.
    void EndPaint(int32_t stavesEndX);
    TMusicScrollState GetScrollState() const;
    void ScrollIntoViewX(int32_t left, int32_t right);
    void ScrollIntoViewY(int32_t top, int32_t bottom);
    // Centres the stave vertically; false for a stave not shown.
    bool ScrollToStave(const TNoteStave* stave);

    // ---- where things lie ----
    std::vector<TStaveBand> StaveBands() const;
    // The stave whose lower border lies from 3 pixels above to 2 below y.
    TNoteStave* PickStaveBorder(int32_t y) const;
    TNoteStave* FindStaveAt(int32_t y) const;
    // Steps of 5 pixels from the stave's middle line, upward positive.
    int32_t HeightAt(const TNoteStave* stave, int32_t y) const;
    static int32_t HeightFromMiddle(int32_t middle, int32_t y);
    TMuzNote* NoteAtX(const TNoteStave* stave, int32_t x) const;
    TRest* RestAtX(const TNoteStave* stave, int32_t x) const;
    void FindNeighbours(const TNoteStave* stave, int32_t x, TStaveSymbol*& left, TStaveSymbol*& right) const;

    // ---- mouse ----
    void MouseDown(int32_t x, int32_t y, bool left, bool right);
    // The cursor to show, while no border is dragged.
    TMusicCursor MouseMove(int32_t x, int32_t y, bool left, bool right);
    void MouseUp(bool left, bool right);
    const TStaveBorderDrag& Drag() const { return BorderDrag; }
    TMusicCursor CursorAt(int32_t x, int32_t y);
    bool ClickAdd(int32_t x, int32_t y, bool testOnly);

    // ---- keys ----
    // True when the key was the window's.
    bool KeyDown(int32_t key, uint8_t modifiers);
    uint8_t PendingKeySequence() const { return Keys.Pending(); }

private:
    void Changed();
    void ClickAccidental(int32_t x, int32_t y);
    void ClickSelect(int32_t x, int32_t y);
    void ClickDelete(int32_t x, int32_t y);
    TStaveSymbol* StaveSymbolAt(int32_t x, int32_t y) const;
    template <class Visit>
    void ForDrawnSymbols(const TNoteStave* stave, Visit visit) const;

    MusicWindowHost& Host;
    TUnitMuz* Unit = nullptr;
    int32_t LeftOrigin = 0;
    int32_t RightEdge = 0;
    int32_t TopOrigin = 0;
    int32_t BottomEdge = 0;
    bool OriginSet = false;
    TStaveBorderDrag BorderDrag;
    TMusicKeyMachine Keys;
};
