#pragma once
#include "factory/nodes/BuiltinCatalogue.h"
#include "factory/nodes/SountoryNode.h"

// A node that computes one of the catalogue's functions.
class TSountoryNodeBuiltin : public TSountoryNode {
public:
    // With createPins the function's pins are made, with two operands where
    // the function takes any number; readers that restore pins pass false.
    TSountoryNodeBuiltin(std::string name, uint8_t function, TUnitSountory& owner, const TCanvasRect& rect,
                         bool createPins);

    sntNodeKind GetSntNodeKind() const override { return sntNodeBuiltin; }
    std::unique_ptr<TXMLComplexElement> WriteKindXml() const override;
    bool HasVariableOperands() const override;
    std::string GetDisplayName() const override;
    int32_t GetPictureNumber() const override;
    bool ValidateNode(std::string& error) override;
    bool CheckDefinition(std::string&) override { return true; }
    // The switches pull only the input they choose; every other function
    // runs as any node.
    bool Run(StopFlag* stop, std::string& error) override;
    bool Execute(StopFlag* stop, std::string& error) override;

    // The pins of the current function from its catalogue row; none for a
    // number outside the catalogue.
    void CreateBuiltinPins(int operandCount);
    // Another function: its pins, keeping every old pin (with its
    // connection) whose name, kind and domain the new function has too; a
    // change between functions of variable operands keeps their number.
    void ChangeBuiltinFunction(uint8_t function);
    // The rules of the function's row on the node's inputs.
    bool ValidateBuiltinInputs(std::string& error) const;
    // The catalogue row, or null when no function is chosen.
    const TBuiltinFunction* GetFunction() const { return FindBuiltinRow(BuiltinAction); }

    uint8_t BuiltinAction;

protected:
    // Position to Time at Wave counts a position without a wave when it is a
    // count or a time.
    bool CheckPositionReferences(std::string& error) const override;

private:
    bool RunSwitch(StopFlag* stop, std::string& error);
    // Why the node cannot compute, or empty when it can.
    std::string MissingComputation() const;
};
