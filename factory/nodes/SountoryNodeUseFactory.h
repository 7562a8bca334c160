#pragma once
#include "factory/nodes/SountoryNode.h"

#include <cstdint>
#include <span>

class TSountoryInput;
class TSountoryOutput;

// A pin a factory-using node always has, whatever factory it uses.
struct TFixedPin {
    const char* Name;
    bool Input;
    double Height;
    ValueDomType Kind;
    ValueDomain Domain;
};

// A node that runs another factory, found by name among the open factories:
// once (user node), in a simple loop, in a mixing loop, or sampled into a
// wave (formula wave). The used factory is never owned.
class TSountoryNodeUseFactory : public TSountoryNode {
public:
    TSountoryNodeUseFactory(std::string name, std::string factoryName, TUnitSountory& owner,
                            const TCanvasRect& rect);

    bool UsesFactory() const override { return true; }
    std::string GetDisplayName() const override { return NameFactory; }
    std::unique_ptr<TXMLComplexElement> WriteKindXml() const override;
    // Every input is set, and named waves are open.
    bool ValidateNode(std::string& error) override;
    // The used factory's outputs must all be set.
    bool CheckDefinition(std::string& error) override;

    // Finds the used factory by name; "Factory "<name>" not found." when no
    // open factory has it. Every link of an earlier bind goes first. The
    // kinds then check and link their pins against the used factory.
    virtual bool BindFactory(std::string& error);
    // Validates the used factory within the same pass; a factory reached
    // again through its own nodes is refused with "Recurse found!".
    bool CheckFactoryDefinition(int32_t stamp, std::string& error);

    // Only the name; nothing is rebound or rebuilt.
    void SetFactoryName(const std::string& name) { NameFactory = name; }
    const std::string& GetFactoryName() const { return NameFactory; }
    TUnitSountory* GetSountoryDef() const { return SountoryDef; }

    // ---- pins after the used factory ----
    // Rebuilds the pins from the factory's inputs and outputs and the kind's
    // fixed pins; pins of the same name, kind and domain keep their connections.
    void UpdatePins(const TUnitSountory& factory);
    // New pins after the factory's inputs and outputs, as the kind mirrors them.
    virtual void MirrorFactoryPins(const TUnitSountory& factory) = 0;
    void CreateFixedPins() override;
    // The kind's fixed pins.
    virtual std::span<const TFixedPin> FixedPins() const { return {}; }

    // ---- the bind's checks ----
    // Every input of the used factory but the two excepted has a node input of
    // the same name, kind and domain, which is linked to it.
    bool CheckFactoryInputs(const std::string& exceptA, const std::string& exceptB, std::string& error);
    TSountoryNodeInput* CheckNodeInputAgainst(const std::string& name, ValueDomType kind, ValueDomain domain,
                                              std::string& error);
    // Every node output has an output of the used factory of the same name,
    // kind and domain, which is linked to it.
    bool CheckNodeOutputs(std::string& error);
    TSountoryOutput* CheckNodeOutputAgainst(const std::string& name, ValueDomType kind, ValueDomain domain,
                                            std::string& error);
    // Every output of the used factory has an input of the same name, kind
    // and domain to be fed back into.
    bool CheckLoopOutputs(std::string& error);
    bool CheckOutputHasInput(const std::string& name, std::string& error);
    bool CheckFactoryOutputType(const std::string& name, ValueDomType kind, std::string& error);
    // No pin refers to the used factory any more.
    void ClearFactoryLinks();

protected:
    // ---- passing values through the used factory ----
    // The bind again, the used factory idle, and the node's inputs given to it.
    bool StartExecution(std::string& error);
    // One run of the used factory; a set stop flag fails it.
    bool RunPass(StopFlag* stop, std::string& error);
    // The links go and the used factory lets go of the sounds of this execution.
    void FinishExecution();
    void PassInputs();
    void TakeOutputs();
    void FeedOutputsBack();
    void TakeOutputsFromInputs();
    // The node's fixed input of that name; a node rebuilt without it fails.
    TSountoryNodeInput* FixedInput(const char* name, std::string& error) const;
    void MirrorFactoryInputs(const TUnitSountory& factory, const std::string& skipA, const std::string& skipB);
    void MirrorFactoryOutputs(const TUnitSountory& factory);

    // The element name of the node's kind in the factory file.
    virtual const char* KindElementName() const = 0;
    // The open factory of the used name, looked up afresh so that no closed
    // factory is reached.
    bool LookUpFactory(std::string& error);

    TUnitSountory* SountoryDef = nullptr;
    std::string NameFactory;
    int32_t RecurseCount = 0;
};
