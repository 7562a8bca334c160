#pragma once
#include <cstdint>

class TCanvas;
class TMuzBar;
class TNoteStave;
class TStaveDrawing;

// What the bar painting of the part tree asks of the paint it runs in: the
// bookkeeping across staves that keeps bars and bar lines aligned. The music
// window fills it (TMusicPaintPass does all of it); tests may record.
class MusicPaintHost {
public:
    virtual ~MusicPaintHost() = default;

    // The largest drawing x of the staves drawn (at least the view's left edge).
    virtual int32_t GetStavesX() = 0;
    // Every stave drawn goes on at x.
    virtual void SetStavesX(int32_t x) = 0;
    // The measure that ends at position, drawn across the staves with its bar
    // line; position moves on to the bar symbol's next bar line.
    virtual void DrawBarAcrossStaves(TCanvas& canvas, const TMuzBar& bar, double& position) = 0;
    // The stave's drawing in this paint; nullptr for a stave not drawn.
    virtual TStaveDrawing* GetStaveDrawing(const TNoteStave& stave) = 0;
    // Every stave drawn, in stave order (index 0 up to nullptr).
    virtual TStaveDrawing* GetDrawnStave(int32_t index) = 0;
};
