#pragma once
#include <cstdint>

// One of the two panes of a wave window, as far as the view state is
// concerned: its width, its zoom, a zoom read from a side file that waits
// until the window has its size, and the zoom kept across an edit. The panes
// of the window implement the primitives; TViewPaneModel does it without a
// display.
class TViewPane {
public:
    virtual ~TViewPane() = default;

    virtual int32_t GetPaneWidth() const = 0;
    virtual void SetPaneWidth(int32_t width) = 0;
    // Number of values of the wave the pane shows.
    virtual int32_t GetWaveValues() const = 0;
    virtual bool IsZoomed() const = 0;
    // The visible range: 0 and the value count when not zoomed.
    virtual double FirstVisibleWavePos() const = 0;
    virtual double LastVisibleWavePos() const = 0;
    // Makes [from, to] fill the pane.
    virtual void ZoomToRange(int32_t from, int32_t to, bool invalidate) = 0;
    virtual void UnZoom() = 0;

    // A zoom to apply later, once the window has its size.
    void SetPendingZoom(int32_t from, int32_t to);
    void SetPendingUnZoom();
    // Applies the pending zoom, if any; it stays pending for a later call.
    void ApplyPendingZoom();
    bool IsPendingZoomSet() const { return PendingZoomSet; }
    bool IsPendingZoomIn() const { return PendingZoomIn; }
    int32_t GetPendingZoomFrom() const { return PendingZoomFrom; }
    int32_t GetPendingZoomTo() const { return PendingZoomTo; }

    // Around a command that replaces [begin, end) of the wave by [begin, newEnd):
    // a zoomed pane keeps its distances to the edited range.
    void BeginKeepZoom(int32_t begin, int32_t end);
    void EndKeepZoom(int32_t begin, int32_t newEnd);

    // The range a zoomed pane shows after the edit, from the distances kept by
    // BeginKeepZoom; false when the pane is to be unzoomed instead.
    static bool KeptZoomRange(double oldZoomFirst, double oldZoomLast, int32_t begin, int32_t newEnd,
                              int32_t values, int32_t& first, int32_t& last);

private:
    bool PendingZoomIn = false;
    int32_t PendingZoomFrom = 0;
    int32_t PendingZoomTo = 0;
    bool PendingZoomSet = false;
    double OldZoomFirst = 0;
    double OldZoomLast = 0;
    int32_t OldZoomDepth = 0;
};
