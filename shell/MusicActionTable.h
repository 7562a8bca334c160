#pragma once
#include "foundation/commands/ActionId.h"

#include <span>

class TUnitMuz;

// The music actions that forward to the active music document, each with
// its code built in: what it runs, when it is enabled (none: always) and
// when it is marked (none: never).
struct TMusicActionRow {
    ActionId id;
    void (*execute)(TUnitMuz&);
    bool (*enabled)(const TUnitMuz&);
    bool (*checked)(const TUnitMuz&);
};

std::span<const TMusicActionRow> MusicActionTable();
// The row of an action; nullptr for an action that is not in the table.
const TMusicActionRow* FindMusicAction(ActionId id);
