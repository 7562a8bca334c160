#pragma once
#include "foundation/browser/BrowseRecord.h"
#include "foundation/values/unitFactor.h"
#include "foundation/values/unitTime.h"

// One component of a multi-frequency wave.
class TMFreqBrowseRecord : public TBrowseRecord {
public:
    TMFreqBrowseRecord();
    TMFreqBrowseRecord(const unitFactor& startVolume, const unitTimePosMore& frequency,
                       const unitFactorMin1Pos1& startAngle, const unitFactorPosMore& volumeFactor,
                       const unitTimePosMore& volumeFactorAtTime);

    std::unique_ptr<TBrowseRecord> Clone() const override;

    unitFactor StartVolume;
    unitTimePosMore Frequency; // the period
    unitFactorMin1Pos1 StartAngle;
    unitFactorPosMore VolumeFactor;
    unitTimePosMore VolumeFactorAtTime;
};
