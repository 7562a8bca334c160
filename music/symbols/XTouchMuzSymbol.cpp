#include "music/symbols/XTouchMuzSymbol.h"

#include <algorithm>

void TXTouchMuzSymbol::ExtendTouchRange(int32_t x)
{
    if (!TouchValid) {
        TouchLeft = TouchRight = x;
    } else {
        TouchLeft = std::min(TouchLeft, x);
        TouchRight = std::max(TouchRight, x);
    }
    TouchValid = true;
}

void TXTouchMuzSymbol::SetTouchRange(int32_t left, int32_t right)
{
    TouchLeft = left;
    TouchRight = right;
    TouchValid = true;
}

int32_t TXTouchMuzSymbol::DistanceX(int32_t x) const
{
    if (!TouchValid)
        return NotTouched;
    if (x < TouchLeft)
        return TouchLeft - x;
    if (x > TouchRight)
        return x - TouchRight;
    return 0;
}

bool TXTouchMuzSymbol::IsLeftOfMiddle(int32_t x) const
{
    return (TouchLeft + TouchRight) / 2 > x;
}
