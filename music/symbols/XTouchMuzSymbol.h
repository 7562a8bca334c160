#pragma once
#include "music/symbols/MusicSymbolKinds.h"

#include <cstdint>

class TPartMuz;

// Anything in the music that the mouse can touch: it keeps the horizontal
// pixel range in which it was drawn last. A range is valid only once the
// symbol has been drawn; hit tests pass over symbols without one.
class TXTouchMuzSymbol {
public:
    TXTouchMuzSymbol() = default;
    TXTouchMuzSymbol(const TXTouchMuzSymbol&) = delete;
    TXTouchMuzSymbol& operator=(const TXTouchMuzSymbol&) = delete;
    virtual ~TXTouchMuzSymbol() = default;

    virtual TMuzSymbolKind GetMuzSymbolKind() const = 0;
    // The part the symbol belongs to: a bar for stave symbols and bar
    // symbols, the loop for a repeat sign.
    virtual TPartMuz* GetPartMuz() const = 0;

    // Called before the symbol is drawn again.
    void ResetTouchRange() { TouchValid = false; }
    // Widens the range to x; the first call after a reset starts it at x.
    void ExtendTouchRange(int32_t x);
    // The range of a symbol drawn as a whole.
    void SetTouchRange(int32_t left, int32_t right);
    bool IsTouchValid() const { return TouchValid; }
    int32_t GetTouchLeft() const { return TouchLeft; }
    int32_t GetTouchRight() const { return TouchRight; }

    // 0 inside the range, else the distance to its nearer end; a symbol not
    // drawn yet is farther than any drawn one.
    int32_t DistanceX(int32_t x) const;
    bool IsLeftOfMiddle(int32_t x) const;

    static constexpr int32_t NotTouched = INT32_MAX;

protected:
    int32_t TouchLeft = 0;
    int32_t TouchRight = 0;
    bool TouchValid = false;
};
