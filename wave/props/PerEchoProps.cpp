#include "wave/props/PerEchoProps.h"

TPerEchoProps::TPerEchoProps() : Time(0.01, EHMS), Volume(1.0, EHPerc), Count(1, EHNone) {}
