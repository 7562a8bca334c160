#pragma once
class TNoteStave;
class TXTouchMuzSymbol;

// What the music window's controller asks of the window and the main window
// around it. The Qt window fills it; tests use a recorder.
class MusicWindowHost {
public:
    virtual ~MusicWindowHost() = default;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // Paint again soon; the scroll bars follow the controller's positions.
    virtual void Repaint() = 0;
    // The main window's key set while a two-key command waits for its second key.
    virtual void BeginMusicKeySequence() = 0;
    virtual void EndMusicKeySequence() = 0;
    // A stave's rooms changed by dragging its border.
    virtual void MusicStaveChanged(TNoteStave* stave) = 0;
    // The symbol nearest to the point among those drawn last; none far off.
    virtual TXTouchMuzSymbol* SymbolAtPoint(int x, int y) = 0;
};
