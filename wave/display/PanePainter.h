#pragma once
#include "wave/display/PaneMap.h"
#include "wave/display/PaneRect.h"

#include <cstdint>

class TPixelCanvas;
class TVoldViewProps;
class TWaveDisplayGroup;
class TWaveViewProps;

// A pane as its painters see it: the group it belongs to, its client
// rectangle with the values it shows, and whether a full repaint is on its
// way (partial paints then do nothing).
struct TPaneView {
    const TWaveDisplayGroup* group = nullptr;
    TPaneMap map;
    bool repaintPending = false;
};

// The paint handler's work for a rectangle of the pane: the hand-drawing
// painter while the document is drawn by hand, else PaintViewRect with the
// group's show kind and settings.
void PaintPane(TPixelCanvas& canvas, const TPaneView& pane, const TPaneRect& rect);

// The columns of rect: the parts before, inside (inverted) and after the
// selection, then the cursor line.
void PaintViewRect(TPixelCanvas& canvas, const TPaneView& pane, const TPaneRect& rect, uint8_t showKind,
                   const TWaveViewProps& waveProps, const TVoldViewProps& voldProps);

// One part: the volume diagram, or background, backdrop and waveform.
void PaintViewPart(TPixelCanvas& canvas, const TPaneView& pane, const TPaneRect& part, bool inverted,
                   bool userDraw, const TWaveViewProps& waveProps, const TVoldViewProps& voldProps,
                   uint8_t showKind);

// The cursor line over the full height, at the last value when the cursor
// stands at the end.
void DrawCursorLine(TPixelCanvas& canvas, const TPaneView& pane, uint8_t showKind, const TWaveViewProps& waveProps,
                    const TVoldViewProps& voldProps);

// The whole pane while the wave is drawn by hand: the wave so far and the nodes.
void PaintUserDrawView(TPixelCanvas& canvas, const TPaneView& pane);

// The columns to paint again for a changed value range, and for one value position.
TPaneRect RepaintWaveRangeRect(const TPaneView& pane, int32_t begin, int32_t end);
TPaneRect RepaintWavePosRect(const TPaneView& pane, int32_t position);
