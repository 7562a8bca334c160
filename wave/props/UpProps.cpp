#include "wave/props/UpProps.h"

TUpProps::TUpProps() : AddValue(16383, EHPerc) {}
