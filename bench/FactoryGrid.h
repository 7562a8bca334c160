#pragma once
// The factory the factory benches load: built-in nodes in a grid, each with
// three inputs (fed by the node before, an own value, open) and two outputs,
// and factory items at both ends.
#include "factory/document/UnitSountory.h"
#include "factory/nodes/SountoryNodeBuiltin.h"

#include <memory>
#include <string>

inline void FillNodeGrid(TUnitSountory& factory, int nodes)
{
    using K = ValueDomType;
    using D = ValueDomain;
    factory.SetupKindInputsOutputs(0, nullptr);
    TSountoryInputSource* previous = &factory.CreateInput("Start", 0.5, 0, K::Factor, D::AllValues);
    for (int i = 0; i < nodes; ++i) {
        const TCanvasRect rect{15 + (i % 40) * 80, 5 + (i / 40) * 50, 15 + (i % 40) * 80 + 70, 5 + (i / 40) * 50 + 40};
        auto& node = factory.InsertNode(std::make_unique<TSountoryNodeBuiltin>(
            "Plus " + std::to_string(i + 1), 40, factory, rect, false));
        node.AddInput("Operand 1", 0.25, 1, K::AllComputable, D::AllValues).SetSource(previous);
        node.AddInput("Operand 2", 0.5, 1, K::AllComputable, D::AllValues)
            .SetOwnValue({0.001 * i, ValueType::Time}, EHMS);
        node.AddInput("Operand 3", 0.75, 1, K::AllComputable, D::AllValues);
        previous = &node.AddOutput("Result", 0.5, 1, K::AllComputable, D::AllValues);
        node.AddOutput("Spare", 0.8, 1, K::Wave, D::Mono);
    }
    factory.CreateOutput("End", 0.9, 0, K::Factor, D::AllValues).SetSource(previous);
}
