#pragma once
#include <cstdint>

// The kinds of items a factory drawing holds; the same codes name the two ends
// of a connection (sources 2 and 6, targets 3 and 5).
enum sntSountoryObject : uint8_t {
    sntSountoryObjectSountory = 1, // the frame of the factory itself
    sntSountoryObjectInput = 2,
    sntSountoryObjectOutput = 3,
    sntSountoryObjectNode = 4,
    sntSountoryObjectNodeInput = 5,
    sntSountoryObjectNodeOutput = 6,
};

// The part of a rectangle a point touches.
enum sntTouchPart : uint8_t {
    sntTouchLeft = 0,
    sntTouchTop = 1,
    sntTouchRight = 2,
    sntTouchBottom = 3,
    sntTouchTopLeft = 4,
    sntTouchTopRight = 5,
    sntTouchBottomRight = 6,
    sntTouchBottomLeft = 7,
    sntTouchInside = 8,
};

enum sntNodeKind : uint8_t {
    sntNodeUser = 0,
    sntNodeBuiltin = 1,
    sntNodeMixLoop = 2,
    sntNodeSimpleLoop = 3,
    sntNodeFormulaWave = 4,
};

// Run state of a node and of a factory.
enum sntRunState : uint8_t {
    sntRunIdle = 0,
    sntRunRunning = 1,
    sntRunDone = 2,
    sntRunFailed = 3,
};
