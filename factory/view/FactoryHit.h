#pragma once
#include "factory/graph/SountoryKinds.h"
#include "foundation/draw/Canvas.h"

class TSountoryAlgInputOutput;
class TSountoryInput;
class TSountoryInputSource;
class TSountoryNode;
class TSountoryNodeInput;
class TSountoryNodeOutput;
class TSountoryOutput;
class TSountoryOutputTarget;
class TSountoryTouchable;
class TUnitSountory;

// What lies under a point of a factory window: its kind (0 nothing), the
// item and the part of it that was touched, with typed views of the item.
struct TFactoryHit {
    sntSountoryObject Kind = static_cast<sntSountoryObject>(0);
    TSountoryTouchable* Item = nullptr;
    sntTouchPart Part = sntTouchInside;

    bool Found() const { return Item != nullptr; }
    TUnitSountory* Frame() const;
    TSountoryInput* Input() const;
    TSountoryOutput* Output() const;
    TSountoryNode* Node() const;
    TSountoryNodeInput* NodeInput() const;
    TSountoryNodeOutput* NodeOutput() const;
    // The pin of an input, output or node pin; null for the frame and nodes.
    TSountoryAlgInputOutput* Pin() const;
    // The connection end of a factory input or node output (sources) and of
    // a factory output or node input (targets); null for other kinds.
    TSountoryInputSource* Source() const;
    TSountoryOutputTarget* Target() const;
    // The node a pin belongs to, or the node itself.
    TSountoryNode* OwnerNode() const;
};

// The hit test of the factory at a window point.
TFactoryHit HitFactory(TUnitSountory& factory, TCanvasPoint point, bool forDragging);
