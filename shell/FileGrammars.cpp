#include "shell/FileGrammars.h"

#include "factory/document/FactoryFile.h"
#include "shell/ProjectFile.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ColorPalette1DFile.h"

void BuildFileGrammars()
{
    GetColorPalette1DDefinition();
    BuildProjectGrammar();
    TUnitWave::BuildUnitWaveGrammar();
    // The music grammars (7.0, 7.1, 9.1) join here with their document.
    BuildFactoryGrammar();
    // The players grammar joins here with its document.
}
