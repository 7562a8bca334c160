#pragma once
#include "wave/document/DocumentWindowAccess.h"

#include <cstdint>

// What the wave document asks of its wave window: repaints after selection
// and sound changes, the icon, and the zoom that a command keeps.
class WaveWindowAccess : public virtual DocumentWindowAccess {
public:
    // Value ranges and positions are value indices of the wave.
    virtual void RepaintWaveRange(int32_t from, int32_t to) = 0;
    virtual void RepaintWavePos(int32_t position) = 0;
    virtual void PaintCursorLine(int32_t position) = 0;
    // After the document's sound changed: repaint or restart the volume diagram,
    // and refresh the windows that draw this wave as an envelope.
    virtual void SoundChanged() = 0;
    virtual void SetIconForMonoStereo(int32_t channels) = 0;
    // 0 the waveform, 1 the volume diagram.
    virtual uint8_t GetShowKind() = 0;
    // False while the window has no view group yet.
    virtual bool HasViewGroup() = 0;
    // Zoomed panes keep their view relative to the edited range.
    virtual void BeginKeepZoom(int32_t begin, int32_t end) = 0;
    virtual void EndKeepZoom(int32_t begin, int32_t newEnd) = 0;
};
