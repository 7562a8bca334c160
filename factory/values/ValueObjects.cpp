#include "factory/values/ValueObjects.h"

#include "foundation/values/unitBalAngleFactor.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitFreq.h"
#include "foundation/values/unitFysDist.h"
#include "foundation/values/unitFysSpeed.h"
#include "foundation/values/unitInteger.h"
#include "foundation/values/unitTime.h"
#include "foundation/values/unitWavePos.h"
#include "foundation/values/unitWaveVal.h"
#include "platform/SampleConvert.h"

#include <algorithm>
#include <cmath>

namespace {

// A value class with the domain a pin asks for instead of its own.
template <class U>
class TInDomain : public U {
public:
    template <class V>
    TInDomain(V value, UnitKind unitKind, ValueDomain domain) : U(value, unitKind)
    {
        this->domain = domain;
    }
};

template <class U>
std::unique_ptr<unit> Make(double value, UnitKind kind, ValueDomain domain)
{
    return std::make_unique<TInDomain<U>>(value, kind, domain);
}

std::unique_ptr<unit> MakeInteger(double value, UnitKind kind, ValueDomain domain)
{
    return std::make_unique<TInDomain<unitInteger>>(ToInt32(value), kind, domain);
}

std::unique_ptr<unit> MakeWaveValue(double value, UnitKind kind, ValueDomain domain)
{
    const double whole = std::clamp(std::trunc(value), -32768.0, 32767.0);
    return std::make_unique<TInDomain<unitWaveVal>>(static_cast<int16_t>(whole), kind, domain);
}

template <class U>
double Read(const unit& object)
{
    return static_cast<double>(static_cast<const U&>(object).GetValue());
}

struct TNumberType {
    ValueType type;
    std::unique_ptr<unit> (*make)(double, UnitKind, ValueDomain);
    double (*read)(const unit&);
};

constexpr TNumberType NumberTypes[] = {
    {ValueType::Factor, Make<unitFactor>, Read<unitFactor>},
    {ValueType::BalanceAngle, Make<unitBalAngleFactor>, Read<unitBalAngleFactor>},
    {ValueType::Integer, MakeInteger, Read<unitInteger>},
    {ValueType::FysicalLength, Make<unitFysDist>, Read<unitFysDist>},
    {ValueType::FysicalSpeed, Make<unitFysSpeed>, Read<unitFysSpeed>},
    {ValueType::Time, Make<unitTime>, Read<unitTime>},
    {ValueType::Frequency, Make<unitFreq>, Read<unitFreq>},
    {ValueType::WaveValue, MakeWaveValue, Read<unitWaveVal>},
    {ValueType::WaveCount, Make<unitWavePos>, Read<unitWavePos>},
};

const TNumberType* RowOf(ValueType type)
{
    for (const TNumberType& row : NumberTypes)
        if (row.type == type)
            return &row;
    return nullptr;
}

} // namespace

std::unique_ptr<unit> MakeValueObject(ValueType type, double value, UnitKind unitKind, ValueDomain domain)
{
    const TNumberType* row = RowOf(type);
    return row ? row->make(value, unitKind, domain) : nullptr;
}

double ValueObjectNumber(const unit& object, ValueType type)
{
    const TNumberType* row = RowOf(type);
    return row ? row->read(object) : 0.0;
}

bool IsNumberType(ValueType type)
{
    return RowOf(type) != nullptr;
}
