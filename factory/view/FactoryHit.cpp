#include "factory/view/FactoryHit.h"

#include "factory/document/UnitSountory.h"

TUnitSountory* TFactoryHit::Frame() const
{
    return Kind == sntSountoryObjectSountory ? dynamic_cast<TUnitSountory*>(Item) : nullptr;
}

TSountoryInput* TFactoryHit::Input() const
{
    return Kind == sntSountoryObjectInput ? dynamic_cast<TSountoryInput*>(Item) : nullptr;
}

TSountoryOutput* TFactoryHit::Output() const
{
    return Kind == sntSountoryObjectOutput ? dynamic_cast<TSountoryOutput*>(Item) : nullptr;
}

TSountoryNode* TFactoryHit::Node() const
{
    return Kind == sntSountoryObjectNode ? dynamic_cast<TSountoryNode*>(Item) : nullptr;
}

TSountoryNodeInput* TFactoryHit::NodeInput() const
{
    return Kind == sntSountoryObjectNodeInput ? dynamic_cast<TSountoryNodeInput*>(Item) : nullptr;
}

TSountoryNodeOutput* TFactoryHit::NodeOutput() const
{
    return Kind == sntSountoryObjectNodeOutput ? dynamic_cast<TSountoryNodeOutput*>(Item) : nullptr;
}

TSountoryAlgInputOutput* TFactoryHit::Pin() const
{
    switch (Kind) {
    case sntSountoryObjectInput:
    case sntSountoryObjectOutput:
    case sntSountoryObjectNodeInput:
    case sntSountoryObjectNodeOutput: return dynamic_cast<TSountoryAlgInputOutput*>(Item);
    default: return nullptr;
    }
}

TSountoryInputSource* TFactoryHit::Source() const
{
    if (TSountoryInput* input = Input())
        return input;
    if (TSountoryNodeOutput* pin = NodeOutput())
        return pin;
    return nullptr;
}

TSountoryOutputTarget* TFactoryHit::Target() const
{
    if (TSountoryOutput* output = Output())
        return output;
    if (TSountoryNodeInput* pin = NodeInput())
        return pin;
    return nullptr;
}

TSountoryNode* TFactoryHit::OwnerNode() const
{
    if (TSountoryNode* node = Node())
        return node;
    if (TSountoryNodeInput* pin = NodeInput())
        return pin->GetSountoryNode();
    if (TSountoryNodeOutput* pin = NodeOutput())
        return pin->GetSountoryNode();
    return nullptr;
}

TFactoryHit HitFactory(TUnitSountory& factory, TCanvasPoint point, bool forDragging)
{
    TFactoryHit hit;
    factory.PointInObject(point, hit.Kind, hit.Item, hit.Part, forDragging);
    return hit;
}
