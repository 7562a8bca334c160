#include "factory/values/ValueFunctions.h"

#include "factory/values/ValueArithmetic.h"
#include "foundation/values/NumericHelpers.h"

#include <cmath>

namespace {

// One turn in radians and one radian in turns, with the program's pi.
constexpr long double TurnRadians = 2.0L * 3.1415293L;
constexpr long double HalfTurnReciprocal = 0.5L * (1.0L / 3.1415293L);

bool ApplyFactor(TSountoryValue& result, const TOptionalValue& factor, std::string& error)
{
    return !factor || MultiplyTwoValues(result, *factor, error);
}

bool CheckAngleIsFactor(const TSountoryValue& angle, std::string& error)
{
    if (angle.Type == ValueType::Factor)
        return true;
    error = "Type of Angle must be a Factor.";
    return false;
}

bool CheckTangentBound(const TOptionalValue& bound, const TOptionalValue& factor, const char* name,
                       std::string& error)
{
    if (!bound)
        return true;
    if (factor) {
        if (bound->Type == factor->Type)
            return true;
        error = std::string("Inputs Factor and ") + name + " must be of the same type.";
        return false;
    }
    if (bound->Type == ValueType::Factor)
        return true;
    error = std::string("Type of ") + name + " must be type Factor, if Input Factor is not used.";
    return false;
}

// The expression divided by its factor, which must be a plain Factor then.
bool PrepareArcOperand(TSountoryValue& expression, const TOptionalValue& factor, std::string& error)
{
    if (factor) {
        if (factor->Type != expression.Type) {
            error = "Expression and Factor Repricoke must be of the same type.";
            return false;
        }
        if (!DivideValues(expression, *factor, error))
            return false;
    }
    if (expression.Type != ValueType::Factor) {
        error = "Type of Expression must be a Factor, if Factor Repricoke is not used.";
        return false;
    }
    return true;
}

bool CheckArcRange(double x, const char* name, std::string& error)
{
    if (x > 1) {
        error = std::string("Cannot take an ") + name + " of a value greater than 1.";
        return false;
    }
    if (x < -1) {
        error = std::string("Cannot take an ") + name + " of a value less than -1.";
        return false;
    }
    return true;
}

void SetTurns(TSountoryValue& expression, long double radians)
{
    expression = {static_cast<double>(radians * HalfTurnReciprocal), ValueType::Factor};
}

} // namespace

double ExtendedPower(double base, double exponent)
{
    if (exponent == 0)
        return 1.0;
    if (base == 0 && exponent > 0)
        return 0.0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0) {
        auto bits = static_cast<uint32_t>(std::fabs(exponent));
        long double square = base;
        long double result = 1.0L;
        while (bits != 0) {
            if (bits & 1u)
                result *= square;
            square *= square;
            bits >>= 1;
        }
        return static_cast<double>(exponent < 0 ? 1.0L / result : result);
    }
    return static_cast<double>(std::exp(static_cast<long double>(exponent) * std::log(static_cast<long double>(base))));
}

bool SineValue(TSountoryValue& angle, const TOptionalValue& factor, std::string& error)
{
    if (!CheckAngleIsFactor(angle, error))
        return false;
    angle = {static_cast<double>(std::sin(angle.Value * TurnRadians)), ValueType::Factor};
    return ApplyFactor(angle, factor, error);
}

bool CosineValue(TSountoryValue& angle, const TOptionalValue& factor, std::string& error)
{
    if (!CheckAngleIsFactor(angle, error))
        return false;
    angle = {static_cast<double>(std::cos(angle.Value * TurnRadians)), ValueType::Factor};
    return ApplyFactor(angle, factor, error);
}

bool TangentValue(TSountoryValue& angle, const TOptionalValue& factor, const TOptionalValue& min,
                  const TOptionalValue& max, std::string& error)
{
    if (!CheckAngleIsFactor(angle, error) || !CheckTangentBound(min, factor, "Min", error)
        || !CheckTangentBound(max, factor, "Max", error))
        return false;
    // A quarter turn plus whole half turns is a pole: the tangent is taken as 0.
    const bool pole = WrapIntoRange(angle.Value, 0.25, 0.75) == 0.25;
    if (pole)
        angle.Value = 0.0;
    if (factor && factor->Value == 0) {
        angle = *factor;
        return true;
    }
    if (!pole)
        angle.Value = static_cast<double>(std::tan(angle.Value * TurnRadians));
    angle.Type = ValueType::Factor;
    if (!ApplyFactor(angle, factor, error))
        return false;
    if (max && angle.Value > max->Value)
        angle.Value = max->Value;
    if (min && angle.Value < min->Value)
        angle.Value = min->Value;
    return true;
}

bool ArcSineValue(TSountoryValue& expression, const TOptionalValue& factorRepricoke, std::string& error)
{
    if (!PrepareArcOperand(expression, factorRepricoke, error) || !CheckArcRange(expression.Value, "Arc Sine", error))
        return false;
    SetTurns(expression, std::asin(static_cast<long double>(expression.Value)));
    return true;
}

bool ArcCosineValue(TSountoryValue& expression, const TOptionalValue& factorRepricoke, std::string& error)
{
    if (!PrepareArcOperand(expression, factorRepricoke, error)
        || !CheckArcRange(expression.Value, "Arc Cosine", error))
        return false;
    SetTurns(expression, std::acos(static_cast<long double>(expression.Value)));
    return true;
}

bool ArcTangentValue(TSountoryValue& expression, const TOptionalValue& factorRepricoke, std::string& error)
{
    if (!PrepareArcOperand(expression, factorRepricoke, error))
        return false;
    SetTurns(expression, std::atan(static_cast<long double>(expression.Value)));
    return true;
}

bool PowerValue(TSountoryValue& base, const TSountoryValue& exponent, const TOptionalValue& factor,
                std::string& error)
{
    if (exponent.Type != ValueType::Integer && !(base.Value > 0)) {
        error = "Value of Input Base must be greater than 0, when Input Exponent is not an Integer.";
        return false;
    }
    base = {ExtendedPower(base.Value, exponent.Value), ValueType::Factor};
    return ApplyFactor(base, factor, error);
}

bool RootValue(TSountoryValue& base, const TSountoryValue& root, const TOptionalValue& factor, std::string& error)
{
    base = {ExtendedPower(base.Value, 1.0 / root.Value), ValueType::Factor};
    return ApplyFactor(base, factor, error);
}

bool LogValue(TSountoryValue& base, const TSountoryValue& x, const TOptionalValue& factor, std::string& error)
{
    const long double logarithm =
        std::log2(static_cast<long double>(x.Value)) / std::log2(static_cast<long double>(base.Value));
    base = {static_cast<double>(logarithm), ValueType::Factor};
    return ApplyFactor(base, factor, error);
}
