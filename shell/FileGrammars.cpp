#include "shell/FileGrammars.h"

#include "factory/document/FactoryFile.h"
#include "music/UnitPlayers.h"
#include "music/document/UnitMuz.h"
#include "shell/ProjectFile.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ColorPalette1DFile.h"

void BuildFileGrammars()
{
    GetColorPalette1DDefinition();
    BuildProjectGrammar();
    TUnitWave::BuildUnitWaveGrammar();
    TUnitMuz::BuildMusicGrammars();
    BuildFactoryGrammar();
    TUnitPlayers::BuildPlayersGrammar();
}
