#pragma once
#include "factory/values/SountoryValue.h"

#include <cstdint>
#include <optional>
#include <string>

// The two random draws of the value functions and their process-wide
// generators. Both are reproducible: the Gaussian draws repeat from every start
// of the program (its seed starts at 0), and the range draws from a seed.

// A normal draw around the mean's number with the std dev's number, by the
// polar method; maxDev clamps it to mean +- maxDev. The unit types must agree
// (a Factor and an Integer do).
bool GaussianRandomOfValues(TSountoryValue& mean, const TSountoryValue& stdDev,
                            const std::optional<TSountoryValue>& maxDev, std::string& error);
// A draw in [begin, end), linear or (when logarithmic's number is not 0)
// logarithmic; the result keeps begin's type.
bool RandomInRangeValue(TSountoryValue& begin, const TSountoryValue& end, const TSountoryValue& logarithmic,
                        std::string& error);

// The uniform generator of the Gaussian draw: seed = seed * 134775813 + 1
// (mod 2^32), giving seed / 2^32 in [0, 1).
double NextGaussianUniform();
void ResetGaussianGenerator(uint32_t seed = 0);
// The generator of the range draw: non-negative 31-bit numbers.
int32_t NextRangeRandom();
void SeedRangeRandom(uint64_t seed);
