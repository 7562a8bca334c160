#pragma once
#include "platform/Random15.h"

#include <cstdint>

// Reproducible dice for the random echo: seeded once, rolled once per echo,
// each property read from its own die. Each dicer owns its generator, so the
// same seed gives the same dice whatever else draws random numbers.
class Dicer {
public:
    static constexpr int DICES = 6;

    explicit Dicer(uint32_t seed);
    void Roll();
    // from + (to - from) * die / 1073676288 (slightly beyond to for the largest die).
    double GetValue(int dice, double to, double from) const;

private:
    Random15 generator;
    int32_t dices[DICES] = {0, 0, 0, 0, 0, 0};
};
