#include "wave/props/LeftRightProps.h"

TLeftRightProps::TLeftRightProps()
    : LeftToLeft(1.0, EHPerc), LeftToRight(0, EHPerc), RightToLeft(0, EHPerc), RightToRight(1.0, EHPerc)
{
}
