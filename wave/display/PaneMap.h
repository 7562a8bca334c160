#pragma once
#include "wave/display/PaneRect.h"

#include <cstdint>

// The sample position at the centre of pixel column x, for a rectangle that
// shows the values first to last.
double ColumnToWavePos(const TPaneRect& rect, double first, double last, int32_t x);
// The time at the left edge of column x.
double ColumnToSeconds(const TPaneRect& rect, double first, double last, int32_t x, double sampleFreq);

// The maps of one pane between its pixel columns, its sample positions and
// seconds: the client rectangle and the visible range first to last.
struct TPaneMap {
    TPaneRect rect;
    double first = 0;
    double last = 0;

    // The sample position at the centre of column x.
    double PixelToWavePos(int32_t x) const { return ColumnToWavePos(rect, first, last, x); }
    // The column of a sample position, truncated toward zero.
    int32_t WavePosToPixel(double position) const;
    double PixelToSeconds(int32_t x, double sampleFreq) const;
    // The value under column x: PixelToWavePos truncated, then kept in [0, values - 1].
    int32_t ValueUnder(int32_t x, int32_t values) const;
};
