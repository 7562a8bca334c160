#include "shell/UnhandledActions.h"

void DisableUnhandledActions(TCommandStates& states, const std::function<bool(ActionId)>& handled)
{
    for (int i = 0; i < ActionCount; ++i)
        if (!handled(static_cast<ActionId>(i)))
            states.actions[i].enabled = false;
}
