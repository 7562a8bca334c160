#include "foundation/StopReason.h"

#include "platform/WorkProgress.h"

std::string StoppedRunReason()
{
    return WorkStoppedByUser() ? StoppedByUserText : NotEnoughMemoryText;
}
