#pragma once
#include "factory/nodes/SountoryNode.h"

#include <cstdint>

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
    bool ValidateNode(std::string& error) override;
    // The used factory's outputs must all be set.
    bool CheckDefinition(std::string& error) override;
    bool Execute(StopFlag* stop, std::string& error) override;

    // Finds the used factory by name; "Factory "<name>" not found." when no
    // open factory has it.
    virtual bool BindFactory(std::string& error);
    // Validates the used factory within the same pass; a factory reached
    // again through its own nodes is refused with "Recurse found!".
    bool CheckFactoryDefinition(int32_t stamp, std::string& error);

    // Only the name; nothing is rebound or rebuilt.
    void SetFactoryName(const std::string& name) { NameFactory = name; }
    const std::string& GetFactoryName() const { return NameFactory; }
    TUnitSountory* GetSountoryDef() const { return SountoryDef; }

protected:
    // The element name of the node's kind in the factory file.
    virtual const char* KindElementName() const = 0;
    // The open factory of the used name, looked up afresh so that no closed
    // factory is reached.
    bool LookUpFactory(std::string& error);

    TUnitSountory* SountoryDef = nullptr;
    std::string NameFactory;
    int32_t RecurseCount = 0;
};
