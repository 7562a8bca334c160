#include "wave/props/ResNotchProps.h"

TResNotchProps::TResNotchProps() : Frequency(0.001, EHKHZ), Width(0.25, EHNone) {}
