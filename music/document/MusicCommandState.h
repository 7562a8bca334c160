#pragma once
#include "foundation/commands/CommandSnapshot.h"

class TUnitMuz;

// What the enable and check rules read of a music document: each action's
// enabling and marking query, asked on the document.
TMusicCommandState MusicCommandStateOf(const TUnitMuz& unit);
