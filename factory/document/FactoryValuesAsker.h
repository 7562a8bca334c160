#pragma once
#include <vector>

class TSountoryInput;
class TUnitSountory;

// Asks the user for the inputs of a run that the caller does not supply: the
// types of inputs that take a group of types, then the values. The values
// dialog fills it; tests script it. Each gives false when the user cancelled;
// the inputs hold what was entered.
class TFactoryValuesAsker {
public:
    virtual ~TFactoryValuesAsker() = default;
    virtual bool AskTypes(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory) = 0;
    virtual bool AskValues(const std::vector<TSountoryInput*>& inputs, TUnitSountory& factory) = 0;
};
