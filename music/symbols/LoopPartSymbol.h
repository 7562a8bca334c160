#pragma once
#include "music/symbols/XTouchMuzSymbol.h"

class TCanvas;
class TLoopPartMuz;
class TMuzData;

// One of the two repeat signs of a loop, drawn on every stave with the
// number of times the loop plays (none for twice).
class TLoopPartSymbol : public TXTouchMuzSymbol {
public:
    TLoopPartSymbol(TLoopPartMuz* loopPartMuz, bool isFirst) : LoopPartMuz(loopPartMuz), IsFirst(isFirst) {}

    TMuzSymbolKind GetMuzSymbolKind() const override { return muzSymbolLoop; }
    TPartMuz* GetPartMuz() const override;
    TLoopPartMuz* GetLoopPartMuz() const { return LoopPartMuz; }
    // The opening sign; false for the closing one.
    bool IsOpening() const { return IsFirst; }

    // The width of a sign showing the count.
    static int32_t GetWidth(int32_t count);
    void Draw(TCanvas& canvas, int32_t x, int32_t& right, bool selected, const TMuzData& muzData);

private:
    TLoopPartMuz* LoopPartMuz;
    bool IsFirst;
};
