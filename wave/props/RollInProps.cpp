#include "wave/props/RollInProps.h"

TRollInProps::TRollInProps() : Length(1.0, EHS), StartAt(0, EHPerc), EndAt(0, EHPerc) {}
