#pragma once
#include "wave/display/PaneMap.h"
#include "wave/display/PaneZoom.h"
#include "wave/display/PanePainter.h"
#include "wave/display/PixelCanvas.h"
#include "wave/view/ViewPane.h"

#include <QWidget>

#include <cstdint>

class QScrollBar;
class TDrawNode;
class TViewWaveGroup;
enum class TPaneKey : uint8_t;

// One pane of a wave window: a borderless widget that shows the wave as a
// waveform or a volume diagram over its client area, with its zoom in a
// horizontal scroll bar below it that shows while it is zoomed. The pane
// keeps its picture in an image: full paints, partial repaints and the
// volume writer's progress paint into the image at once, and the paint event
// only shows it.
class TViewWave : public QWidget, public TViewPane {
    Q_OBJECT
public:
    explicit TViewWave(TViewWaveGroup* group, QWidget* parent = nullptr);
    ~TViewWave() override;

    // ---- TViewPane ----
    int32_t GetPaneWidth() const override { return width(); }
    void SetPaneWidth(int32_t width) override;
    int32_t GetWaveValues() const override;
    bool IsZoomed() const override { return Zoom.Zoomed; }
    double FirstVisibleWavePos() const override;
    double LastVisibleWavePos() const override;
    // The pane is painted anew whenever its visible range changes.
    void ZoomToRange(int32_t from, int32_t to, bool invalidate) override;
    void UnZoom() override;

    // ---- zoom and maps ----
    const TPaneZoom& GetZoom() const { return Zoom; }
    // The source of the pixel a zoom adds now and then; tests pin it.
    void SetRandomSource(TRandomSource random) { Random = std::move(random); }
    double FirstVisibleSeconds() const;
    double LastVisibleSeconds() const;
    TPaneRect ClientRect() const;
    TPaneMap Map() const;
    double PixelToWavePos(int32_t x) const { return Map().PixelToWavePos(x); }
    int32_t WavePosToPixel(double position) const { return Map().WavePosToPixel(position); }
    double PixelToSeconds(int32_t x) const;
    int32_t GetHeight() const { return ClientRect().Height(); }

    // ---- painting ----
    void InvalidateView();
    bool IsRepaintPending() const { return RepaintPending; }
    // Paints a rectangle of the client area into the picture now.
    void PaintRect(const TPaneRect& rect);
    void RepaintWaveRange(int32_t begin, int32_t end);
    void RepaintWavePos(int32_t position);
    void PaintCursorLine(int32_t position);
    // The picture as it stands (tests read its pixels).
    const TPixelCanvas& GetCanvas() const { return Canvas; }
    // Runs a pending full paint into the picture without waiting for the paint event.
    void PaintPendingNow();

    // ---- keyboard ----
    void HandlePaneKey(TPaneKey key, bool shift, bool ctrl);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPaneView PaneView() const;
    // The paint handler: the visible range is noted (a change is a zoom
    // change) and the whole client area painted.
    void ViewPaint();
    void ScrollBarMoved(int value);
    void UpdateScrollBar();
    void LayoutScrollBar();
    void StatusText(int32_t x, int32_t y);
    // Mouse steps.
    void SelectingPress(Qt::KeyboardModifiers modifiers, int32_t x);
    void DragZoomPress(int32_t y);
    void DragZoomMove(int32_t x, int32_t y);
    void ZoomToolRelease();
    void DrawingPress(int32_t x, int32_t y);
    void DrawingMove(int32_t x, int32_t y);
    void DrawingRelease(int32_t y);
    void DrawingChanged();

    TViewWaveGroup* ViewWaveGroup;
    bool RepaintPending = false;
    TPaneZoom Zoom;
    TRandomSource Random;
    QScrollBar* ScrollBar;
    TPixelCanvas Canvas;
    int32_t LastPaintFirst = -1;
    int32_t LastPaintLast = -1;
    int32_t LastMouseX = -1;
    int32_t LastMouseY = -1;
    // Mouse state.
    bool PressSelection = false;
    double PressSelectBegin = 0;
    double PressSelectEnd = 0;
    int32_t DragZoomY = 0;
    // The height a right-drag step is measured from: the start height once the
    // pointer has been put back there, else the height of the last step.
    int32_t DragReferenceY = 0;
    TDrawNode* DraggedNode = nullptr;
    int32_t DragOffsetX = 0;
    int32_t DragOffsetY = 0;
};
