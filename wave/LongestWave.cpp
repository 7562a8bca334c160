#include "wave/LongestWave.h"

#include "platform/MessageService.h"

std::string LongerThanTheLongestWave()
{
    return "The result would be longer than the longest wave, of " + std::to_string(LongestWaveValues) +
           " values.";
}

void ShowLongerThanTheLongestWave()
{
    ShowMessage(LongerThanTheLongestWave(), "Error", MsgIcon::Exclamation);
}
