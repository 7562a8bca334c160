#include "wave/props/ShiftProps.h"

TShiftProps::TShiftProps() : TimeMiddle(0, EHMS), TimeLeft(0, EHMS), TimeRight(0, EHMS) {}
