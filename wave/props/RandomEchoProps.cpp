#include "wave/props/RandomEchoProps.h"

TRandomEchoProps::TRandomEchoProps()
    : Count(20, EHNone), RandomSeed(0, EHNone), TimeDiff(1.0, EHMS), FreqFactor(2.0, EHNone), BlockSize(0.04, EHMS)
{
}
