#pragma once
#include "shell/CommandStates.h"

#include <functional>

// An enabled action always does something: an action without a handler (its
// work is not built yet) is disabled, whatever the rules said.
void DisableUnhandledActions(TCommandStates& states, const std::function<bool(ActionId)>& handled);
