#pragma once
#include <cstdint>

class TMainForm;
class TMDIChildWave;
class TMergeHorProps;
class TMergeVertProps;

// Split and merge into new windows: new wave documents, each in a window over
// the place of its sources, after which the source windows go. Every new sound
// is computed first; when one cannot be made nothing is made and the sources
// stay as they were. The results have no file name, so closing them asks the
// save question.

// Installs the handlers of Split Vertically, Split Horizontally, Merge
// Horizontally and Merge Vertically.
void InstallSplitMergeHandlers(TMainForm& form);

// The steps after the dialogs, for the handlers and for tests. False when
// nothing was made.
bool SplitVertically(TMainForm& form, TMDIChildWave& source);
bool SplitHorizontally(TMainForm& form, TMDIChildWave& source, uint8_t resultKind);
bool MergeHorizontally(TMainForm& form, const TMergeHorProps& props);
bool MergeVertically(TMainForm& form, const TMergeVertProps& props);
