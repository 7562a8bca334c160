#include "shell/FileGrammars.h"

#include "factory/document/FactoryFile.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ColorPalette1DFile.h"

void BuildFileGrammars()
{
    GetColorPalette1DDefinition();
    // The project grammar joins here with the project file.
    TUnitWave::BuildUnitWaveGrammar();
    // The music grammars (7.0, 7.1, 9.1) join here with their document.
    BuildFactoryGrammar();
    // The players grammar joins here with its document.
}
