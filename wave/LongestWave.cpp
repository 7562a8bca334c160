#include "wave/LongestWave.h"

#include "platform/MessageService.h"
#include "wave/ChannelThreads.h"

std::string LongerThanTheLongestWave()
{
    return "The result would be longer than the longest wave, of " + std::to_string(LongestWaveValues) +
           " values.";
}

void ShowLongerThanTheLongestWave()
{
    // A channel's thread leaves the message to the operation, which shows it once.
    if (MemoryMessageHold::CatchTooLong())
        return;
    ShowMessage(LongerThanTheLongestWave(), "Error", MsgIcon::Exclamation);
}
