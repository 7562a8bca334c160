#pragma once
#include "wave/view/ViewPane.h"

// A pane without a display: it keeps its width and its zoom as the visible
// range itself. Headless wave windows and tests use it.
class TViewPaneModel : public TViewPane {
public:
    explicit TViewPaneModel(int32_t width = 1, int32_t values = 0) : Width(width), Values(values) {}

    int32_t GetPaneWidth() const override { return Width; }
    void SetPaneWidth(int32_t width) override { Width = width; }
    int32_t GetWaveValues() const override { return Values; }
    void SetWaveValues(int32_t values) { Values = values; }
    bool IsZoomed() const override { return Zoomed; }
    double FirstVisibleWavePos() const override { return Zoomed ? First : 0.0; }
    double LastVisibleWavePos() const override { return Zoomed ? Last : static_cast<double>(Values); }
    void ZoomToRange(int32_t from, int32_t to, bool invalidate) override;
    void UnZoom() override { Zoomed = false; }

private:
    int32_t Width;
    int32_t Values;
    bool Zoomed = false;
    double First = 0;
    double Last = 0;
};
