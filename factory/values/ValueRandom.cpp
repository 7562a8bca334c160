#include "factory/values/ValueRandom.h"

#include "factory/values/ValueFunctions.h"
#include "foundation/values/NumericHelpers.h"

#include <cmath>

namespace {

uint32_t gaussianSeed = 0;
// Starts where the runtime library's generator starts without seeding.
uint64_t rangeState = 1;

} // namespace

double NextGaussianUniform()
{
    gaussianSeed = gaussianSeed * 134775813u + 1u;
    return gaussianSeed / 4294967296.0;
}

void ResetGaussianGenerator(uint32_t seed)
{
    gaussianSeed = seed;
}

int32_t NextRangeRandom()
{
    rangeState = rangeState * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int32_t>(rangeState >> 33);
}

void SeedRangeRandom(uint64_t seed)
{
    rangeState = seed;
}

bool GaussianRandomOfValues(TSountoryValue& mean, const TSountoryValue& stdDev,
                            const std::optional<TSountoryValue>& maxDev, std::string& error)
{
    if (ValueUnitType(stdDev) != ValueUnitType(mean)) {
        error = "Mean and Std Dev must be of the same type.";
        return false;
    }
    const double m = mean.Value;
    double u1;
    double u2;
    double q;
    // q = 0 is refused too, where the logarithm has no value.
    do {
        u1 = 2 * NextGaussianUniform() - 1;
        u2 = 2 * NextGaussianUniform() - 1;
        q = u1 * u1 + u2 * u2;
    } while (q >= 1 || q == 0);
    mean.Value = m + stdDev.Value * u1 * std::sqrt(-2 * std::log(q) / q);
    if (!maxDev)
        return true;
    if (ValueUnitType(*maxDev) != ValueUnitType(mean)) {
        error = "Mean and Max Dev must be of the same type.";
        return false;
    }
    if (mean.Value > m + maxDev->Value)
        mean.Value = m + maxDev->Value;
    if (mean.Value < m - maxDev->Value)
        mean.Value = m - maxDev->Value;
    return true;
}

bool RandomInRangeValue(TSountoryValue& begin, const TSountoryValue& end, const TSountoryValue& logarithmic,
                        std::string& error)
{
    if (ValueUnitType(begin) != ValueUnitType(end)) {
        error = "Range Begin and Range End must be of the same type.";
        return false;
    }
    const double r = (NextRangeRandom() % 1000000000) * 0.000000001;
    if (logarithmic.Value == 0) {
        begin.Value = LinearMap(r, 0, 1, begin.Value, end.Value);
        return true;
    }
    if (!(begin.Value * end.Value > 0)) {
        error = "If Logaritmic is true, Range Begin and Range End must be both Positive or both Negative, never "
                "zero.";
        return false;
    }
    begin.Value = begin.Value * ExtendedPower(end.Value / begin.Value, r);
    return true;
}
