#pragma once
#include "wave/display/WaveDisplayGroup.h"

#include <QWidget>

#include <cstdint>

class QCursor;
class QSplitter;
class TUnitWave;
class TViewWave;
class TViewWaveOwner;

// The view of a wave window: two panes side by side in a splitter three
// pixels wide, each with its own zoom, showing one wave the same way. The
// group passes the window's and the document's requests on to both panes and
// runs the volume-diagram writer; its progress arrives as queued calls on
// this widget's thread, so the writer never waits for the user interface.
// The queued call carries nothing: it only wakes this thread, which then reads
// what the writer published through the arrays' atomic column counts.
// The writer is stopped before the group goes, on every path.
class TViewWaveGroup : public QWidget, public TWaveDisplayGroup {
    Q_OBJECT
public:
    TViewWaveGroup(TViewWaveOwner* owner, TUnitWave* unitWave, const TWaveViewProps& waveViewProps,
                   const TVoldViewProps& voldViewProps, QWidget* parent = nullptr);
    ~TViewWaveGroup() override;

    // Pane 1 (left) or 2 (right).
    TViewWave* GetPane(int number) const;
    QSplitter* GetSplitter() const { return Splitter; }
    // Sets a pane's width; the other pane takes the rest.
    void SetPaneSize(const TViewWave* pane, int32_t width);

    // The splitter takes the colour of an active or an inactive caption.
    void SetActive(bool active);

    // Panes are always drawn through their picture; nothing to switch.
    void UpdateViews() {}
    void InvalidateViews();
    void SetViewCursor(const QCursor& cursor);
    void RepaintWaveRange(int32_t begin, int32_t end);
    void RepaintWavePos(int32_t position);
    void PaintCursorLine(int32_t position);
    // The common height of the panes.
    int32_t GetViewsHeight() const;

    // The zoom of a pane changed: the main window hears of it and the side file is changed.
    void ZoomChanged(const TViewWave* pane);
    uint8_t GetZoomMode() const;
    void SetZoomMode(uint8_t mode);

    // The writer's progress report: the new columns are painted, here and in
    // the windows that draw this wave as their backdrop.
    Q_INVOKABLE void OnVolumeColumnsWritten();
    // Paints columns from..to of an array of arrayWidth columns, computed over
    // rangeBegin..rangeEnd of a wave of sourceCount values, in both panes.
    void RefreshVolumeColumns(int32_t fromColumn, int32_t toColumn, int32_t arrayWidth, double rangeBegin,
                              double rangeEnd, int32_t sourceCount, int32_t channels, int32_t side, bool single);

    // A key of the window: the left pane while Alt is held, else the right one.
    // False for a key that is not the view's.
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    void ShowKindChanged() override;
    void VolumeDiagramEmpty() override;

private:
    TViewWaveOwner* Owner;
    uint8_t ZoomMode = 0; // used while there is no owner
    QSplitter* Splitter;
    TViewWave* ViewFirst;
    TViewWave* ViewSecond;
};
