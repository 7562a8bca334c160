#include "factory/graph/SountoryTouchable.h"

#include "platform/Assertions.h"

TCanvasColor TSountoryTouchable::GetTouchColor() const
{
    static constexpr TCanvasColor colors[] = {0xC0E0F0, 0x00FFC0, 0x00E0FF, 0x0080FF, 0x000000};
    QB_ASSERT(TouchState >= 1 && TouchState <= 5);
    return colors[TouchState - 1];
}
