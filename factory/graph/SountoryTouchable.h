#pragma once
#include "factory/graph/SountoryKinds.h"
#include "foundation/draw/Canvas.h"

#include <cstdint>
#include <string>

// Everything in a factory drawing the mouse can point at: the frame, the
// factory's inputs and outputs, nodes and node pins. The window sets the touch
// state (1 under the mouse; 2 to 5 the rating of a connection end being
// drawn); the item only reads it for its colours and sizes.
class TSountoryTouchable {
public:
    virtual ~TSountoryTouchable() = default;

    // Whether the point (window pixels) hits the item and how far from it it
    // lies. Pins leave part alone.
    virtual bool PointInTouchable(TCanvasPoint point, double& distance, sntTouchPart& part) = 0;
    virtual sntSountoryObject GetSntSountoryObject() const = 0;
    // The text the window shows as the item's hint; empty for none.
    virtual std::string GetHintText() const { return ""; }

    // The highlight colour of touch states 1 to 5.
    TCanvasColor GetTouchColor() const;

    uint8_t TouchState = 0;
};
