#include "factory/values/SountoryValue.h"

TSountoryValue ScaleValue(const TSountoryValue& v, double factor)
{
    return {v.Value * factor, v.Type};
}

bool IsUnitless(ValueType type)
{
    return type == ValueType::Factor || type == ValueType::Integer;
}

ValueType ValueUnitType(const TSountoryValue& v)
{
    return IsUnitless(v.Type) ? ValueType::Factor : v.Type;
}
