#include "shell/FileGrammars.h"

#include "wave/document/UnitWave.h"
#include "wave/view/ColorPalette1DFile.h"

void BuildFileGrammars()
{
    GetColorPalette1DDefinition();
    // The project grammar joins here with the project file.
    TUnitWave::BuildUnitWaveGrammar();
    // The music (7.0, 7.1, 9.1), factory (9.0, 9.1) and players grammars join
    // here, in that order, with their documents.
}
