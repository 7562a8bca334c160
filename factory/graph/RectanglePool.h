#pragma once
#include <cstdint>
#include <vector>

class TSountoryRectangle;

// The node rectangles of one factory in registration order, with the frame
// they live in and the clearances kept between them and to the frame. The
// rectangles are owned by their nodes.
class TRectanglePool {
public:
    enum Direction : int { Left = 0, Up = 1, Right = 2, Down = 3 };

    TRectanglePool() = default;
    ~TRectanglePool();
    TRectanglePool(const TRectanglePool&) = delete;
    TRectanglePool& operator=(const TRectanglePool&) = delete;

    void AddRectangle(TSountoryRectangle* rect);
    void RemoveRectangle(TSountoryRectangle* rect);
    // The next neighbour of rect in a direction after `after` in list order
    // (from the first when null); null when none or for an unknown direction.
    TSountoryRectangle* FindNeighbour(const TSountoryRectangle& rect, int direction,
                                      const TSountoryRectangle* after) const;
    const std::vector<TSountoryRectangle*>& Rectangles() const { return List; }

    TSountoryRectangle* Frame = nullptr;
    int32_t GapX = 0;
    int32_t GapY = 0;
    int32_t MarginX = 0;
    int32_t MarginY = 0;
    uint8_t ShiftRightFree = 0;
    uint8_t ShiftDownFree = 0;

private:
    bool IsNeighbour(const TSountoryRectangle& rect, const TSountoryRectangle& other, int direction) const;

    std::vector<TSountoryRectangle*> List;
};
