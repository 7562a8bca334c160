#pragma once
#include "foundation/draw/Canvas.h"
#include "music/layout/MusicPaintHost.h"
#include "music/layout/StaveDrawing.h"

#include <memory>
#include <vector>

class TMuzData;
class TPartMuz;
class TXTouchMuzSymbol;

// Draws the part and every part below it that is switched on, bar by bar
// across the staves the host draws: start clefs, the time signature, clefs,
// notes and rests with the bar lines of their measures, and the repeat signs
// of every loop (once, whatever its count). selected is drawn highlighted.
void PaintBar(TPartMuz& part, MusicPaintHost& host, TCanvas& canvas, const TXTouchMuzSymbol* selected);

// Improves best (at distance bestDistance) with the drawn symbols of the part
// nearest to point; a symbol replaces it only when strictly nearer. Parts and
// staves not played and drawn are passed over.
void FindNearestSymbol(TPartMuz& part, TCanvasPoint point, double& bestDistance, TXTouchMuzSymbol*& best);

// A paint of the whole music, as the music window makes it: the staves that
// are played and drawn stacked from topOrigin, the music from leftOrigin.
class TMusicPaintPass : public MusicPaintHost {
public:
    TMusicPaintPass(TMuzData& music, int32_t leftOrigin, int32_t topOrigin);

    // Each stave's middle line below the rooms of those above it, its first
    // symbol at leftOrigin + 5. Gives the y below the last stave's room.
    int32_t StartDrawStaves();
    // The staves' bands; above and below them dark grey.
    void DrawStaveBackgrounds(TCanvas& canvas, const TCanvasRect& clip) const;
    // Every bar, then each stave's closing double bar; gives the closing x.
    int32_t PaintParts(TCanvas& canvas, const TXTouchMuzSymbol* selected);
    void DrawStaveLines(TCanvas& canvas, const TCanvasRect& clip) const;
    // The four in order; gives the closing x.
    int32_t Paint(TCanvas& canvas, const TCanvasRect& clip, const TXTouchMuzSymbol* selected);

    // MusicPaintHost
    int32_t GetStavesX() override;
    void SetStavesX(int32_t x) override;
    void DrawBarAcrossStaves(TCanvas& canvas, const TMuzBar& bar, double& position) override;
    TStaveDrawing* GetStaveDrawing(const TNoteStave& stave) override;
    TStaveDrawing* GetDrawnStave(int32_t index) override;

    static constexpr TCanvasColor OutsideColor = 0x404040;

private:
    TMuzData& Music;
    int32_t LeftOrigin;
    int32_t TopOrigin;
    std::vector<std::unique_ptr<TStaveDrawing>> Drawings;
};
