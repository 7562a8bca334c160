#include "factory/values/ValueArithmetic.h"

#include <array>

namespace {

std::string TypeName(ValueType type)
{
    return ValueTypeNames[static_cast<int>(type)];
}

std::string OperatorText(ValueType type, size_t index)
{
    return TypeName(type) + " (Input \"Operator " + std::to_string(index + 1) + "\")";
}

// What one operand adds to the bookkeeping of a product.
struct FactorExponents {
    bool typed;
    int length;
    int time;
    bool other; // a type that takes no part in units
};

FactorExponents ExponentsOf(ValueType type)
{
    switch (type) {
    case ValueType::Factor: return {true, 0, 0, false};
    case ValueType::Integer: return {false, 0, 0, false};
    case ValueType::FysicalLength: return {true, 1, 0, false};
    case ValueType::FysicalSpeed: return {true, 1, -1, false};
    case ValueType::Time: return {true, 0, 1, false};
    case ValueType::Frequency: return {true, 0, -1, false};
    default: return {true, 0, 0, true};
    }
}

} // namespace

bool MultiplyValues(TSountoryValue& result, std::span<const TSountoryValue> operands, std::string& error)
{
    double product = 1.0;
    bool typed = false;
    int length = 0;
    int time = 0;
    size_t otherIndex = 0;
    bool hasOther = false;
    ValueType otherType = ValueType::Factor;
    for (size_t i = 0; i < operands.size(); ++i) {
        const TSountoryValue& operand = operands[i];
        product *= operand.Value;
        const FactorExponents e = ExponentsOf(operand.Type);
        typed = typed || e.typed;
        length += e.length;
        time += e.time;
        if (!e.other)
            continue;
        if (hasOther) {
            error = "Cannot multiply Types of " + OperatorText(otherType, otherIndex) + " and "
                  + OperatorText(operand.Type, i);
            return false;
        }
        hasOther = true;
        otherIndex = i;
        otherType = operand.Type;
    }
    ValueType type;
    if (!typed) {
        type = ValueType::Integer;
    } else if (hasOther) {
        if (length != 0) {
            error = "Cannot multiply Types of " + OperatorText(otherType, otherIndex)
                  + " and Fysical Distance or Fysical Speed.";
            return false;
        }
        if (time != 0) {
            error = "Cannot multiply Types of " + OperatorText(otherType, otherIndex) + " and Frequency or Time.";
            return false;
        }
        type = otherType;
    } else if (length > 1) {
        error = "At most one Type of Fysical Distance or Fysical Speed is allowed for multiplying.";
        return false;
    } else if (length == 1) {
        if (time == 0) {
            type = ValueType::FysicalLength;
        } else if (time == -1) {
            type = ValueType::FysicalSpeed;
        } else {
            error = "Wrong combination of types Time, Frequency and Fysical Speed are used when multiplying.";
            return false;
        }
    } else if (time == 0) {
        type = ValueType::Factor;
    } else if (time == 1) {
        type = ValueType::Time;
    } else if (time == -1) {
        type = ValueType::Frequency;
    } else {
        error = "Wrong combination of types Time, Frequency are used when multiplying.";
        return false;
    }
    result = {product, type};
    return true;
}

bool MultiplyTwoValues(TSountoryValue& a, const TSountoryValue& b, std::string& error)
{
    const std::array<TSountoryValue, 2> operands = {a, b};
    return MultiplyValues(a, operands, error);
}

bool DivideValues(TSountoryValue& a, const TSountoryValue& b, std::string& error)
{
    if (b.Value == 0) {
        error = "Cannot divide by zero.";
        return false;
    }
    const double quotient = a.Value / b.Value;
    if (IsUnitless(a.Type) && b.Type == ValueType::Time)
        a = {quotient, ValueType::Frequency};
    else if (IsUnitless(a.Type) && b.Type == ValueType::Frequency)
        a = {quotient, ValueType::Time};
    else if (a.Type == ValueType::FysicalLength && b.Type == ValueType::FysicalSpeed)
        a = {quotient, ValueType::Time};
    else if (a.Type == ValueType::FysicalLength && b.Type == ValueType::Time)
        a = {quotient, ValueType::FysicalSpeed};
    else if (a.Type == ValueType::FysicalLength && b.Type == ValueType::Frequency)
        a = {a.Value * b.Value, ValueType::FysicalSpeed};
    else if (a.Type == b.Type)
        a = {quotient, ValueType::Factor};
    else if (IsUnitless(b.Type))
        a.Value = quotient;
    else {
        error = "Second operator must be a type which can be used as a Factor.";
        return false;
    }
    return true;
}

void AddValues(TSountoryValue& result, std::span<const TSountoryValue> operands)
{
    double sum = 0.0;
    ValueType type = operands.empty() ? ValueType::Factor : operands[0].Type;
    for (const TSountoryValue& operand : operands) {
        sum += operand.Value;
        if (operand.Type != type)
            type = ValueType::Factor;
    }
    result = {sum, type};
}

void SubtractValues(TSountoryValue& a, const TSountoryValue& b)
{
    a.Value -= b.Value;
    if (IsUnitless(a.Type) && IsUnitless(b.Type) && a.Type != b.Type)
        a.Type = ValueType::Factor;
}
