#pragma once
#include "wave/display/PaneRect.h"

#include <cstdint>
#include <optional>

class TPixelCanvas;
class TVoldViewProps;
class TVolumeArray;
class TWaveDisplayGroup;

// The cells of an array that a part touches, and the pixels they cover.
struct TVolumeCellRange {
    int32_t c0 = 0, c1 = 0; // columns c0 up to, not including, c1
    int32_t r0 = 0, r1 = 0; // rows r0 up to, not including, r1
    double x0 = 0, x1 = 0;  // pixel extent of the columns
    double y0 = 0, y1 = 0;  // pixel extent of the rows
};

// For a part P of the channel rectangle K that shows the values first to
// last of a wave of values samples, and an array of width x height cells.
TVolumeCellRange GetVolumeCellRange(const TPaneRect& k, const TPaneRect& part, double first, double last,
                                    int32_t arrayWidth, int32_t arrayHeight, int32_t values);

// The weight of a cell value: its sensitivity curve times the strength, at most 1.
double VolumeCellWeight(double value, const TVoldViewProps& props);
// The colour of a cell of one channel: from the palette, or mixed from a
// (weight 0) to b (weight 1).
uint32_t VolumeCellColor(double weight, uint32_t a, uint32_t b, bool inverted, const TVoldViewProps& props);
// The colour of a cell of joined stereo, with the weights of both channels:
// equal levels give b, one channel alone its own colour, and the louder
// channel sets the brightness over the background a.
uint32_t VolumeCellJoinedColor(double weightLeft, double weightRight, uint32_t a, uint32_t b, uint32_t l,
                               uint32_t r);
// Fills the pixels of cell (c, r), cut to clip (inclusive bounds).
void PaintVolumeCell(TPixelCanvas& canvas, uint32_t color, int32_t c, int32_t r, const TVolumeCellRange& range,
                     const TPaneRect& clipInclusive);

// The volume diagram of the group over the part P of the client rectangle CR.
void PaintVolumeColumns(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& clientRect,
                        const TPaneRect& part, double first, double last, const TVoldViewProps& props,
                        bool inverted);
void PaintVolumeChannel(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                        const TPaneRect& channelRect, double first, double last, const TVolumeArray* array,
                        const TVoldViewProps& props, bool inverted);
void PaintVolumeJoined(const TWaveDisplayGroup& group, TPixelCanvas& canvas, const TPaneRect& part,
                       const TPaneRect& channelRect, double first, double last, const TVolumeArray* left,
                       const TVolumeArray* right, const TVoldViewProps& props, bool inverted);

// Where newly computed columns from..to of an array of arrayWidth columns,
// computed over the values rangeBegin..rangeEnd of a wave of sourceCount
// values, fall in a pane that shows first..last of its own wave of values
// samples. None when they fall outside. side 0 the upper, 1 the lower half
// when split is set.
std::optional<TPaneRect> VolumeRefreshRect(const TPaneRect& clientRect, double first, double last, int32_t values,
                                           int32_t fromColumn, int32_t toColumn, int32_t arrayWidth,
                                           double rangeBegin, double rangeEnd, int32_t sourceCount, bool split,
                                           int32_t side);
