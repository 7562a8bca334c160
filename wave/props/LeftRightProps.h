#pragma once
#include "foundation/values/unitFactor.h"

// Settings of Mix Left Right: new left = LeftToLeft * left + RightToLeft * right,
// new right = LeftToRight * left + RightToRight * right.
class TLeftRightProps {
public:
    TLeftRightProps();

    unitFactor LeftToLeft;
    unitFactor LeftToRight;
    unitFactor RightToLeft;
    unitFactor RightToRight;
};
