#include "wave/props/NoiseProps.h"

TNoiseProps::TNoiseProps() : Volume(16383, EHPerc), Length(0.5, EHMS) {}
