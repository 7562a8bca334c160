#pragma once
#include "foundation/values/unitTime.h"

// Settings of Make Silence.
class TSilenceProps {
public:
    TSilenceProps();

    unitTimePosMore Length;
};
