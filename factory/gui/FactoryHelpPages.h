#pragma once

class HelpWindow;

// The help topics of the factory dialogs and one page per built-in function
// (context 1024 + its number), the latter made from the catalogue.
void AddFactoryHelpPages(HelpWindow& help);
