#pragma once
#include "wave/props/BalanceProps.h"
#include "wave/props/BlockFilterProps.h"
#include "wave/props/BlockProps.h"
#include "wave/props/BlockTriangleProps.h"
#include "wave/props/DistortProps.h"
#include "wave/props/HighLowProps.h"
#include "wave/props/LeftRightProps.h"
#include "wave/props/LengthProps.h"
#include "wave/props/LineProps.h"
#include "wave/props/MFreqProps.h"
#include "wave/props/MixProps.h"
#include "wave/props/NoiseProps.h"
#include "wave/props/PerEchoProps.h"
#include "wave/props/RandomEchoProps.h"
#include "wave/props/ResNotchProps.h"
#include "wave/props/RollInProps.h"
#include "wave/props/RollOutProps.h"
#include "wave/props/RotateProps.h"
#include "wave/props/ShiftProps.h"
#include "wave/props/SilenceProps.h"
#include "wave/props/SinusProps.h"
#include "wave/props/TempoPitchProps.h"
#include "wave/props/UpProps.h"
#include "wave/props/VolumeProps.h"

// The settings of the 27 wave effects, one record each: what a wave document
// last used, and what the main window hands new documents.
struct TWaveEffectProps {
    TLineProps LineProps;
    TSilenceProps SilenceProps;
    TNoiseProps NoiseProps;
    TBlockTriangleProps MakeBlockProps;
    TBlockTriangleProps MakeTriangleProps;
    TSinusProps SinusProps;
    TMFreqProps MFreqProps;
    TVolumeProps VolumeProps;
    TBalanceProps BalanceProps;
    TRotateProps RotateProps;
    TBlockProps BlockProps;
    TRollInProps RollInProps;
    TRollOutProps RollOutProps;
    TLengthProps LengthProps;
    TTempoPitchProps TempoPitchProps;
    TUpProps UpProps;
    TShiftProps ShiftProps;
    TDistortProps DistortProps;
    TLeftRightProps LeftRightProps;
    TPerEchoProps PerEchoProps;
    TRandomEchoProps RandomEchoProps;
    TMixProps MixProps;
    THighLowProps HighProps;
    THighLowProps LowProps;
    TResNotchProps ResProps;
    TResNotchProps NotchProps;
    TBlockFilterProps BlockFilterProps;
};
