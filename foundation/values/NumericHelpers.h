#pragma once
#include "foundation/values/IntPoint.h"

#include <cstdint>
#include <string>

// pi as the wave, filter and value code have always written it.
constexpr double QuarbelPi = 3.1415293;
constexpr double QuarbelTwoPi = 6.2830586;

// (x - x0) / (x1 - x0) * (y1 - y0) + y0; callers make sure x0 and x1 differ.
double LinearMap(double x, double x0, double x1, double y0, double y1);
// low below low, high above high, else x.
double Clamp(double x, double low, double high);
// x moved by whole multiples of (max - min) into [min, max); requires max > min.
double WrapIntoRange(double x, double min, double max);
// Overlap of [begin1, end1] and [begin2, end2], each end cut to a whole number.
// False, outputs untouched, when a range ends before it begins; true otherwise,
// even when the ranges do not meet (begin after end).
bool IntersectRange(double begin1, double end1, double begin2, double end2, int32_t& begin, int32_t& end);
// A grid step of 2, 5 or 10 times a power of ten that suits the span.
double NiceGridStep(double span);
// The next multiple of step above x; a whole multiple moves up one step too.
double RoundUpToStep(double x, double step);
// x as whole + numerator / denominator with a denominator of 1, 2, 4 ... 64,
// or 128 when none of those is exact.
void SplitBinaryFraction(double x, int32_t& whole, int32_t& numerator, int32_t& denominator);
// Per channel a * (1 - f) + b * f, cut toward zero; nothing above bit 23.
int32_t MixColors(int32_t a, int32_t b, double f);
// Direction from source to target in radians; the points must differ.
double AngleBetweenPoints(TIntPoint source, TIntPoint target);
// Lines of a text: 1 plus the line feeds before its last character.
int32_t CountLines(const std::string& text);
