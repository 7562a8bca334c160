#include "wave/props/LineProps.h"

TLineProps::TLineProps() : Begin(16383, EHPerc), End(-16384, EHPerc), Length(0.1, EHMS) {}
