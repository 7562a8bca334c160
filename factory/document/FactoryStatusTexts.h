#pragma once
#include <string>
#include <vector>

class TUnitSountory;

// What the factory status bar shows for the active factory: panel 1 the
// caption of its kind, panel 2 "New" (never saved), "Changed" or nothing.
struct TFactoryStatusTexts {
    std::string Panel1;
    std::string Panel2;
};

TFactoryStatusTexts FactoryStatusTexts(const TUnitSountory& factory);

// Every text panels 1 and 2 can show, so that the bar can be made wide enough
// for each in the font in use.
std::vector<std::vector<std::string>> WidestFactoryStatusTexts();
