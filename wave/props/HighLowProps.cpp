#include "wave/props/HighLowProps.h"

THighLowProps::THighLowProps() : Frequency(0.001, EHKHZ), Factor(0.5, EHPerc), Count(1, EHNone) {}
