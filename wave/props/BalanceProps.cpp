#include "wave/props/BalanceProps.h"

TBalanceProps::TBalanceProps() : Direction(0, EHAngle) {}
