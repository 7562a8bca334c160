#pragma once
#include <cstdint>
#include <functional>

// A source of 15-bit random numbers (0 to 32767). The zoom takes one so that
// tests can pin the pixel it adds now and then.
using TRandomSource = std::function<int()>;
// The program-wide generator.
TRandomSource SharedRandomSource();

// The zoom of a pane as its horizontal scroll bar carries it: Range is the
// width in pixels that the whole wave would have at this zoom, Position the
// pixel offset of the pane's left edge in that picture.
struct TPaneZoom {
    bool Zoomed = false;
    int32_t Range = 0;
    int32_t Position = 0;
    int32_t Increment = 0;

    // The largest Range: Range plus the pane width and a position must still
    // fit in an int, however far a long wave is zoomed in.
    static constexpr int32_t MaxRange = 0x3FFFFFFF;

    double FirstVisibleWavePos(int32_t values) const;
    double LastVisibleWavePos(int32_t values, int32_t width) const;

    // Makes [from, to] fill a pane of width pixels; about every second zoom
    // lands one pixel further right, as the random source decides.
    void ZoomToRange(int32_t from, int32_t to, int32_t values, int32_t width, const TRandomSource& random);
    void UnZoom() { Zoomed = false; }
    // The largest position the scroll bar must allow.
    int32_t ScrollMaximum(int32_t width) const;
};

// The visible range after a right-drag step: the mouse moved d pixels above
// the height where the drag began, over the value centre. False when the
// result is the whole wave, which unzooms instead.
bool DragZoomRange(double first, double last, int32_t centre, int32_t d, int32_t values, int32_t& newFirst,
                   int32_t& newLast);
