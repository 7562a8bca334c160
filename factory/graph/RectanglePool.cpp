#include "factory/graph/RectanglePool.h"

#include "factory/graph/SountoryRectangle.h"
#include "platform/Assertions.h"

#include <algorithm>

TRectanglePool::~TRectanglePool()
{
    // Nodes go before their factory's pool, so nothing is left to unregister.
    QB_ASSERT(List.empty());
}

void TRectanglePool::AddRectangle(TSountoryRectangle* rect)
{
    List.push_back(rect);
}

void TRectanglePool::RemoveRectangle(TSountoryRectangle* rect)
{
    auto it = std::find(List.begin(), List.end(), rect);
    QB_ASSERT(it != List.end());
    List.erase(it);
}

bool TRectanglePool::IsNeighbour(const TSountoryRectangle& r, const TSountoryRectangle& n, int direction) const
{
    const bool acrossY = n.Bottom > r.Top - GapY && n.Top < r.Bottom + GapY;
    const bool acrossX = n.Right > r.Left - GapX && n.Left < r.Right + GapX;
    switch (direction) {
    case Left: return acrossY && n.Right <= r.Left;
    case Up: return acrossX && n.Bottom <= r.Top;
    case Right: return acrossY && n.Left >= r.Right;
    case Down: return acrossX && n.Top >= r.Bottom;
    default: return false;
    }
}

TSountoryRectangle* TRectanglePool::FindNeighbour(const TSountoryRectangle& rect, int direction,
                                                  const TSountoryRectangle* after) const
{
    size_t i = 0;
    if (after) {
        auto it = std::find(List.begin(), List.end(), after);
        i = it == List.end() ? List.size() : static_cast<size_t>(it - List.begin()) + 1;
    }
    for (; i < List.size(); ++i)
        if (List[i] != &rect && IsNeighbour(rect, *List[i], direction))
            return List[i];
    return nullptr;
}
