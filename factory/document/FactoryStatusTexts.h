#pragma once
#include <string>

class TUnitSountory;

// What the factory status bar shows for the active factory: panel 1 the
// caption of its kind, panel 2 "New" (never saved), "Changed" or nothing.
struct TFactoryStatusTexts {
    std::string Panel1;
    std::string Panel2;
};

TFactoryStatusTexts FactoryStatusTexts(const TUnitSountory& factory);
