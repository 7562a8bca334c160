#include "factory/nodes/SountoryNodeUseFactory.h"

#include "factory/document/UnitSountory.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"
#include "wave/MainFormAccess.h"

TSountoryNodeUseFactory::TSountoryNodeUseFactory(std::string name, std::string factoryName, TUnitSountory& owner,
                                                 const TCanvasRect& rect)
    : TSountoryNode(std::move(name), owner, rect), NameFactory(std::move(factoryName))
{
}

std::unique_ptr<TXMLComplexElement> TSountoryNodeUseFactory::WriteKindXml() const
{
    auto kind = std::make_unique<TXMLComplexElement>(KindElementName());
    kind->AddItem(std::make_unique<TXMLStringElement>("NameFactory", NameFactory));
    return kind;
}

bool TSountoryNodeUseFactory::BindFactory(std::string& error)
{
    // No link survives from a bind to a factory that may have changed or gone.
    ClearFactoryLinks();
    return LookUpFactory(error);
}

bool TSountoryNodeUseFactory::LookUpFactory(std::string& error)
{
    SountoryDef = MainForm().FindUnitSountory(NameFactory);
    if (!SountoryDef) {
        error = "Factory \"" + NameFactory + "\" not found.";
        return false;
    }
    return true;
}

bool TSountoryNodeUseFactory::CheckFactoryDefinition(int32_t stamp, std::string& error)
{
    if (RecurseCount > 0) {
        error = "Recurse found!";
        return false;
    }
    if (!LookUpFactory(error))
        return false;
    ++RecurseCount;
    std::string reason;
    const bool valid = SountoryDef->Validate(stamp, reason);
    --RecurseCount;
    if (!valid)
        error = "at Factory \"" + NameFactory + "\": " + reason;
    return valid;
}

bool TSountoryNodeUseFactory::CheckDefinition(std::string& error)
{
    if (!LookUpFactory(error))
        return false;
    std::string reason;
    if (SountoryDef->CheckAsUsedFactory(reason))
        return true;
    error = "at Factory \"" + NameFactory + "\": " + reason;
    return false;
}

bool TSountoryNodeUseFactory::ValidateNode(std::string& error)
{
    for (const auto& pin : InputPins) {
        if (!pin->HasValue()) {
            error = "Input \"" + pin->Name + "\" is mandatory.";
            return false;
        }
    }
    return CheckWaveNames(error);
}
