#pragma once
#include <cstdint>

class TMDIChildWave;

// What a view group needs of the wave window that hosts it: the window's
// mouse zoom mode (0 none, 1 zoom in, 2 zoom out), its icon for what is shown,
// and the window itself for the main window's bookkeeping.
class TViewWaveOwner {
public:
    virtual ~TViewWaveOwner() = default;
    virtual uint8_t GetZoomMode() const = 0;
    virtual void SetZoomMode(uint8_t mode) = 0;
    virtual void SetIconForShowKind(uint8_t kind) = 0;
    // The window as the main window knows it; none in a bare view.
    virtual TMDIChildWave* GetMDIChildWave() = 0;
};
