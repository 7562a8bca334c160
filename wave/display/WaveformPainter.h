#pragma once
#include "wave/display/PaneRect.h"

#include <cstdint>

class TPixelCanvas;
class TWaveDisplayGroup;
class TWaveViewProps;
class Wave;

// Puts a colour onto a pixel with an opacity: 1.0 replaces the pixel, less
// mixes each channel with the old one. Each channel is kept within 0..255, so
// an opacity above 1 cannot spill into the next channel.
void BlendPixel(TPixelCanvas& canvas, int32_t x, int32_t y, uint32_t color, double strength);

// The waveform of the group's wave over the part P of the client rectangle
// CR that shows the values first to last, with its grid. Only colours come
// from props; how the wave is drawn comes from the group's own settings.
void PaintWaveColumns(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& clientRect,
                      const TPaneRect& part, double first, double last, const TWaveViewProps& props, bool inverted);

// One channel inside the channel rectangle K, from the value pFirst at P.left
// to pLast at P.right.
void PaintWaveChannel(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                      const TPaneRect& channelRect, const Wave* wave, double pFirst, double pLast, uint32_t color);

// Both channels of a stereo wave in one picture.
void PaintWaveJoined(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                     const TPaneRect& channelRect, const Wave* left, const Wave* right, double pFirst, double pLast,
                     uint32_t overlapColor, uint32_t leftColor, uint32_t rightColor);

// The zero line and a vertical line at every grid step of time.
void PaintTimeGrid(const TWaveDisplayGroup& group, double first, double last, TPixelCanvas& canvas,
                   const TPaneRect& part, const TPaneRect& channelRect, const TWaveViewProps& props);
