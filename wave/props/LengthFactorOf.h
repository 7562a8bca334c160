#pragma once
#include <cstdint>

class unitUnitWave;

// The length factor shared by the records that set the length of a result:
// 0 a factor, 1 a new length, 2 the length of another wave, 3 a count of
// passes at a speed; any other kind gives 0.
struct LengthFactorChoice {
    uint8_t kind;
    double factor;
    double newLength;
    const unitUnitWave* sameLengthAs;
    double count;
    double speed;
};

double LengthFactorOf(const LengthFactorChoice& choice, double operationTime);
