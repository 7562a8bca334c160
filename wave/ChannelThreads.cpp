#include "wave/ChannelThreads.h"

#include "foundation/GuiMessages.h"
#include "wave/LongestWave.h"

namespace {

thread_local MemoryMessageHold* currentHold = nullptr;

} // namespace

MemoryMessageHold::MemoryMessageHold() : previous(currentHold)
{
    currentHold = this;
}

MemoryMessageHold::~MemoryMessageHold()
{
    currentHold = previous;
}

bool MemoryMessageHold::Catch()
{
    if (currentHold == nullptr)
        return false;
    currentHold->wanted = true;
    return true;
}

bool MemoryMessageHold::CatchTooLong()
{
    if (currentHold == nullptr)
        return false;
    currentHold->tooLong = true;
    return true;
}

void ShowHeldMessages(bool memory, bool tooLong)
{
    // A result too long to hold is the reason; the allocation it made fail is not.
    if (tooLong)
        ShowLongerThanTheLongestWave();
    else if (memory)
        ShowMemoryMessage();
}

void ShowMemoryMessage()
{
    if (!MemoryMessageHold::Catch())
        TGuiMessages().ErrorNotEnoughMemory();
}
