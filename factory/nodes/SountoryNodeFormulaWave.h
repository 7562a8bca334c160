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
    void MirrorFactoryPins(const TUnitSountory& factory) override;
    std::span<const TFixedPin> FixedPins() const override;
    bool BindFactory(std::string& error) override;
    // Exactly one of the lengths, and the steps and format, must be given.
    bool ValidateNode(std::string& error) override;
    bool Execute(StopFlag* stop, std::string& error) override;
    // One run of the used factory at a point: the sample it gives there.
    bool EvaluateAt(StopFlag* stop, std::string& error, double factorPosition, double timePosition,
                    int16_t& sample);

protected:
    const char* KindElementName() const override { return "FormulaWaveNode"; }
};
