#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNode.h"

#include <vector>

void TSountoryNode::SetRunState(sntRunState state)
{
    RunState = state;
    Redraw();
}

bool TSountoryNode::Run(StopFlag* stop, std::string& error)
{
    return RunNode(stop, error);
}

bool TSountoryNode::RunNode(StopFlag* stop, std::string& error)
{
    if (HasRun)
        return true;
    for (const auto& pin : InputPins) {
        bool failed = false;
        if (!pin->Pull(stop, error, failed)) {
            // A failure from upstream already names the node where it arose.
            if (failed) {
                error = "At Node \"" + Name + "\": " + error;
                SetRunState(sntRunFailed);
            }
            return false;
        }
    }
    if (!CheckPositionReferences(error)) {
        error = "At Node \"" + Name + "\": " + error;
        SetRunState(sntRunFailed);
        return false;
    }
    if (!ExecuteAndFinish(stop, error))
        return false;
    for (const auto& pin : InputPins)
        pin->ReleaseSource();
    HasRun = 1;
    return true;
}

bool TSountoryNode::ExecuteAndFinish(StopFlag* stop, std::string& error)
{
    SetRunState(sntRunRunning);
    if (!Execute(stop, error)) {
        SetRunState(sntRunFailed);
        error = "At Node \"" + Name + "\" of Factory \"" + Owner->GetName() + "\": " + error;
        return false;
    }
    SetRunState(sntRunDone);
    return true;
}

bool TSountoryNode::CheckPositionReference(const TSountoryNodeInput& pin, std::string& error) const
{
    if (pin.HasPositionReference())
        return true;
    error = "Node Input \"" + pin.Name + "\" is a wave position, but there is no Wave at Node Input \"Wave\" to "
            "count it in.";
    return false;
}

bool TSountoryNode::CheckPositionReferences(std::string& error) const
{
    for (const auto& pin : InputPins)
        if (!CheckPositionReference(*pin, error))
            return false;
    return true;
}

void TSountoryNode::CountDemand()
{
    if (HasRun)
        return;
    SetRunState(sntRunIdle);
    for (const auto& pin : InputPins)
        pin->CountDemand();
    HasRun = 1;
}

void TSountoryNode::CancelInputDemands()
{
    for (const auto& pin : InputPins)
        pin->CancelDemand();
}

void TSountoryNode::WithdrawInputDemandsWhenUnneeded()
{
    // A node that ran, or whose results another consumer still waits for,
    // keeps its inputs' demands; and they are withdrawn only once.
    if (HasRun || DemandsWithdrawn)
        return;
    for (const auto& pin : OutputPins)
        if (pin->GetDemand() > 0)
            return;
    DemandsWithdrawn = 1;
    CancelInputDemands();
}

void TSountoryNode::ResetOutputDemands()
{
    DemandsWithdrawn = 0;
    for (const auto& pin : OutputPins)
        pin->ResetDemand();
}

bool TSountoryNode::CheckLoop(std::string& error)
{
    // Depth first over the input pins with an explicit stack, so long chains
    // need no deep recursion. A pin on the current path is grey (1), one whose
    // upstream is free of loops black (2).
    struct Frame {
        TSountoryNode* node;
        size_t next;
    };
    std::vector<Frame> stack{{this, 0}};
    std::vector<TSountoryNodeInput*> path;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.node->InputPins.size()) {
            stack.pop_back();
            if (!path.empty()) {
                path.back()->LoopColor = 2;
                path.pop_back();
            }
            continue;
        }
        TSountoryNodeInput* pin = top.node->InputPins[top.next++].get();
        if (pin->LoopColor == 2)
            continue;
        if (pin->LoopColor == 1) {
            error = "Loop found at Input \"" + pin->Name + "\" at Node \"" + top.node->Name + ".";
            return false;
        }
        TSountoryInputSource* source = pin->GetSountoryInputSource();
        TSountoryNode* upstream = source ? source->GetSourceNode() : nullptr;
        if (!upstream) {
            pin->LoopColor = 2;
            continue;
        }
        pin->LoopColor = 1;
        path.push_back(pin);
        stack.push_back({upstream, 0});
    }
    return true;
}
