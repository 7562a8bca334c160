#include "platform/Random15.h"

Random15& SharedRandom()
{
    static Random15 shared(1);
    return shared;
}
