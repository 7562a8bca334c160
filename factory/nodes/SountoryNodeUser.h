#pragma once
#include "factory/nodes/SountoryNodeUseFactory.h"

// A node that runs the used factory once per run.
class TSountoryNodeUser : public TSountoryNodeUseFactory {
public:
    TSountoryNodeUser(std::string name, std::string factoryName, TUnitSountory& owner, const TCanvasRect& rect)
        : TSountoryNodeUseFactory(std::move(name), std::move(factoryName), owner, rect)
    {
    }

    sntNodeKind GetSntNodeKind() const override { return sntNodeUser; }
    void MirrorFactoryPins(const TUnitSountory& factory) override;
    bool BindFactory(std::string& error) override;
    bool Execute(StopFlag* stop, std::string& error) override;

protected:
    const char* KindElementName() const override { return "UserNode"; }
};
