#include "wave/document/WaveCommandState.h"

#include "wave/document/UnitWave.h"

TWaveCommandState WaveCommandStateOf(const TUnitWave& unit)
{
    TWaveCommandState state;
    state.values = unit.GetValues();
    state.drawing = unit.IsUserDrawing();
    state.drawNodes = state.drawing ? unit.GetDrawNodeCount() : 0;
    state.drawKind = unit.GetDrawKind();
    state.channels = unit.GetMonoStereo();
    state.selectBegin = unit.GetSelectBegin();
    state.selectEnd = unit.GetSelectEnd();
    state.isChanged = unit.IsChanged();
    state.hasContent = unit.HasContent();
    state.hasFileName = !unit.HasNoFileName();
    state.canDrawLin = unit.CanDrawWaveLin();
    state.canDraw3G = unit.CanDrawWave3G();
    return state;
}
