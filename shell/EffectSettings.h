#pragma once
#include "wave/props/MergeHorProps.h"
#include "wave/props/MergeVertProps.h"
#include "wave/props/SplitHorProps.h"
#include "wave/props/WaveEffectProps.h"

class TUnitWave;

// The last-used settings of every wave effect, which new wave documents start
// with: the 27 records a wave document holds, in its order, then those of
// splitting and the two merges, which stay with the main window.
struct TEffectSettings : TWaveEffectProps {
    TSplitHorProps SplitHorProps;
    TMergeHorProps MergeHorProps;
    TMergeVertProps MergeVertProps;

    // Gives the document the 27 wave-effect records.
    void CopyTo(TUnitWave& unit) const;
};
