#include "wave/props/BlockFilterProps.h"

TBlockFilterProps::TBlockFilterProps() : BlockTime(0.01, EHMS) {}
