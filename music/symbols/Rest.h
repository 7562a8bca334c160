#pragma once
#include "music/symbols/StaveTimeSymbol.h"

#include <memory>

class TCanvas;
class TXMLComplexElement;

// A rest: it only takes time and is drawn.
class TRest : public TStaveTimeSymbol {
public:
    TRest(uint8_t noteLengthKind, int32_t points, double position, TNoteStave* noteStave, uint8_t multiOol,
          int32_t posInOol, TSinglePartMuz* singlePartMuz);

    TStaveSymbolKind GetStaveSymbolKind() const override { return staveSymbolRest; }
    // 0 within 15 pixels of the middle line, else the distance beyond.
    int32_t GetTouchDistanceY(int32_t y) const override;

    // The width the layout gives the rest, dots included.
    void GetWidth(int32_t& width) const;
    // Draws the rest of its note value from x and gives its right edge.
    void Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected);

    // The "Silence" element.
    std::unique_ptr<TXMLComplexElement> WriteXml(bool selected) const;
};
