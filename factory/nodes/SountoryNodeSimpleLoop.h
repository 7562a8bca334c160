#pragma once
#include "factory/nodes/SountoryNodeUseFactory.h"

// A node that runs the used factory a number of times, feeding its outputs back to its inputs.
class TSountoryNodeSimpleLoop : public TSountoryNodeUseFactory {
public:
    // With createFixedPins the pins the kind always has are made.
    TSountoryNodeSimpleLoop(std::string name, std::string factoryName, TUnitSountory& owner, const TCanvasRect& rect,
                      bool createFixedPins)
        : TSountoryNodeUseFactory(std::move(name), std::move(factoryName), owner, rect)
    {
        if (createFixedPins)
            CreateFixedPins();
    }

    sntNodeKind GetSntNodeKind() const override { return sntNodeSimpleLoop; }
    void MirrorFactoryPins(const TUnitSountory& factory) override;
    std::span<const TFixedPin> FixedPins() const override;
    bool BindFactory(std::string& error) override;
    bool Execute(StopFlag* stop, std::string& error) override;

protected:
    const char* KindElementName() const override { return "SimpleLoopNode"; }
};
