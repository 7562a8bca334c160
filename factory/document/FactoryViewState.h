#pragma once
#include <cstdint>

// The window's settings a factory file keeps: its mode and whether it shows
// hints, and the mark that the frame was just read, so the window's next paint
// leaves the frame where the file put it. The factory carries them for its
// window, which may come after the file was read.
enum : uint8_t { ModeDrag = 0, ModeConnect = 1 };

struct TFactoryViewState {
    uint8_t Mode = ModeDrag;
    uint8_t ShowHints = 1;
    uint8_t FrameJustRead = 0;
};
