#pragma once
#include "factory/nodes/SountoryNodeUseFactory.h"

// A node that samples the used factory at a number of points into a wave.
class TSountoryNodeFormulaWave : public TSountoryNodeUseFactory {
public:
    // With createFixedPins the pins the kind always has are made.
    TSountoryNodeFormulaWave(std::string name, std::string factoryName, TUnitSountory& owner, const TCanvasRect& rect,
                      bool createFixedPins)
        : TSountoryNodeUseFactory(std::move(name), std::move(factoryName), owner, rect)
    {
        if (createFixedPins)
            CreateFixedPins();
    }

    sntNodeKind GetSntNodeKind() const override { return sntNodeFormulaWave; }

protected:
    const char* KindElementName() const override { return "FormulaWaveNode"; }
};
