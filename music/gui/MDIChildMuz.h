#pragma once
#include "music/document/MusicView.h"
#include "music/window/MusicWindowController.h"
#include "music/window/MusicWindowHost.h"
#include "wave/window/gui/MDIChildQuarbel.h"

#include <memory>

class QKeyEvent;
class QPainter;
class TMusicArea;
class TUnitMuz;

// The document window of a music: the staves painted with everything the
// part tree holds, scrolled over the music; clicks that add, select, put
// accidentals on or delete symbols by the document's mode; stave borders
// dragged; keys and two-key commands. The arithmetic and the key machine
// are the controller's; the window owns its document.
class TMDIChildMuz : public TMDIChildQuarbel, public MusicView, private MusicWindowHost {
    Q_OBJECT
public:
    TMDIChildMuz(MainFormGuiAccess& mainForm, std::unique_ptr<TUnitMuz> unit);
    ~TMDIChildMuz() override;

    TUnitMuz* GetUnitMuz() const { return UnitMuz.get(); }
    // Shows another document (a reverted one) and gives the one shown before back.
    std::unique_ptr<TUnitMuz> SetUnitMuz(std::unique_ptr<TUnitMuz> unit);
    TMusicWindowController& Controller() { return WindowController; }
    TMusicArea* Area() const { return MusicArea; }

    // The origin read from a file; the first paint keeps it.
    void ApplyInitProps(const TMDIChildMuzInitProps* props);
    void SetOrigin(int32_t left, int32_t top);
    // The Music Staves dialog's Go To; false for a stave not drawn.
    bool ScrollToStave(const TNoteStave* stave);
    // The window's keys as if pressed on it (the main window relays Alt keys).
    bool FormKeyDown(int32_t key, uint8_t modifiers);

    // ---- MusicView ----
    void Invalidate() override;
    TMDIChildMuzInitProps GetViewOrigin() const override;
    void ShowSelectionTexts(const TSelectionTexts& texts) override;
    void MusicPartsChanged() override;
    void ScrollIntoViewX(int32_t left, int32_t right) override;
    void ScrollIntoViewY(int32_t top, int32_t bottom) override;

    // ---- the window base ----
    void SetCursor(int cursorNumber) override;
    void FillCommandState(TCommandSnapshot& snapshot) const override;
    void ShowStatus() override;
    bool NeedsSaving() const override;
    bool SaveDocument() override;

    // ---- the area's events ----
    void PaintMusic(QPainter& painter, const QRect& rect);
    void AreaMousePress(int x, int y, bool left, bool right);
    void AreaMouseMove(int x, int y, bool left, bool right);
    void AreaMouseRelease(bool left, bool right);
    bool AreaKeyPress(const QKeyEvent& event);
    void AreaScrolled();
    // The scroll bars follow the controller.
    void UpdateScrollBars();

private:
    // MusicWindowHost
    int ClientWidth() const override;
    int ClientHeight() const override;
    void Repaint() override;
    void BeginMusicKeySequence() override;
    void EndMusicKeySequence() override;
    void MusicStaveChanged(TNoteStave* stave) override;
    TXTouchMuzSymbol* SymbolAtPoint(int x, int y) override;

    void ShowCursor(TMusicCursor cursor);
    void Link(TUnitMuz* unit);

    std::unique_ptr<TUnitMuz> UnitMuz;
    TMusicWindowController WindowController;
    TMusicArea* MusicArea = nullptr; // a child widget, deleted before the document
    bool UpdatingScrollBars = false;
};

// A key event as the music window's controller sees it: the key code and
// the modifier bits. Keypad digits are no digits.
int32_t MusicKeyOf(const QKeyEvent& event);
uint8_t MusicModifiersOf(const QKeyEvent& event);
