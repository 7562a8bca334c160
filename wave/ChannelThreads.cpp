#include "wave/ChannelThreads.h"

#include "foundation/GuiMessages.h"

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

void ShowMemoryMessage()
{
    if (!MemoryMessageHold::Catch())
        TGuiMessages().ErrorNotEnoughMemory();
}
