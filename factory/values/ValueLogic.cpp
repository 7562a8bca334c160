#include "factory/values/ValueLogic.h"

#include "factory/values/ValueFunctions.h"
#include "platform/Assertions.h"

namespace {

constexpr uint8_t FunctionAnd = 45, FunctionOr = 46, FunctionNand = 47, FunctionNor = 48, FunctionXor = 49,
                  FunctionImp = 50;
constexpr uint8_t FunctionUnequal = 62, FunctionEqual = 63, FunctionGreater = 64, FunctionGreaterEqual = 65;
constexpr uint8_t FunctionMinimum = 66, FunctionMaximum = 67;
constexpr uint8_t FunctionMean = 70, FunctionLogMean = 71;

TSountoryValue Boolean(bool on)
{
    return {on ? 1.0 : 0.0, ValueType::Boolean};
}

} // namespace

void NotValue(TSountoryValue& v)
{
    v.Value = v.Value == 0 ? 1.0 : 0.0;
}

void BooleanValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands)
{
    QB_ASSERT(function >= FunctionAnd && function <= FunctionImp);
    bool acc = !operands.empty() && operands[0].Value != 0;
    for (size_t i = 1; i < operands.size(); ++i) {
        const bool b = operands[i].Value != 0;
        switch (function) {
        case FunctionAnd:
        case FunctionNand: acc = acc && b; break;
        case FunctionOr:
        case FunctionNor: acc = acc || b; break;
        case FunctionXor: acc = acc != b; break;
        default: acc = !acc || b; break;
        }
    }
    result = Boolean(function == FunctionNand || function == FunctionNor ? !acc : acc);
}

void CompareValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands)
{
    QB_ASSERT(function >= FunctionUnequal && function <= FunctionGreaterEqual);
    // Kept as stored factories compute: Greater admits equal neighbours,
    // Greater or Equal does not.
    for (size_t i = 1; i < operands.size(); ++i) {
        const double a = operands[i - 1].Value;
        const double b = operands[i].Value;
        switch (function) {
        case FunctionUnequal:
            if (a != b) {
                result = Boolean(true);
                return;
            }
            break;
        case FunctionEqual:
            if (a != b) {
                result = Boolean(false);
                return;
            }
            break;
        case FunctionGreater:
            if (a < b) {
                result = Boolean(false);
                return;
            }
            break;
        default:
            if (a <= b) {
                result = Boolean(false);
                return;
            }
            break;
        }
    }
    result = Boolean(function != FunctionUnequal);
}

void MinMaxValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands)
{
    QB_ASSERT(function == FunctionMinimum || function == FunctionMaximum);
    if (operands.empty()) {
        result = {};
        return;
    }
    result = operands[0];
    for (size_t i = 1; i < operands.size(); ++i) {
        const double v = operands[i].Value;
        if (function == FunctionMinimum ? v < result.Value : v > result.Value)
            result.Value = v;
    }
}

void MeanValues(TSountoryValue& result, uint8_t function, std::span<const TSountoryValue> operands)
{
    QB_ASSERT(function == FunctionMean || function == FunctionLogMean);
    if (operands.empty()) {
        result = {};
        return;
    }
    const double n = static_cast<double>(operands.size());
    if (function == FunctionMean) {
        double sum = 0.0;
        for (const TSountoryValue& operand : operands)
            sum += operand.Value;
        result = {sum / n, operands[0].Type};
        return;
    }
    double product = 1.0;
    for (const TSountoryValue& operand : operands)
        product *= operand.Value;
    result = {ExtendedPower(product, 1.0 / n), operands[0].Type};
}
