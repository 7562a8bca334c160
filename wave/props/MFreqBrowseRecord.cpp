#include "wave/props/MFreqBrowseRecord.h"

TMFreqBrowseRecord::TMFreqBrowseRecord()
    : StartVolume(0.5, EHPerc), Frequency(0.001, EHKHZ), StartAngle(0, EHNone), VolumeFactor(0.1, EHPerc),
      VolumeFactorAtTime(1.0, EHS)
{
}

TMFreqBrowseRecord::TMFreqBrowseRecord(const unitFactor& startVolume, const unitTimePosMore& frequency,
                                       const unitFactorMin1Pos1& startAngle, const unitFactorPosMore& volumeFactor,
                                       const unitTimePosMore& volumeFactorAtTime)
    : StartVolume(startVolume), Frequency(frequency), StartAngle(startAngle), VolumeFactor(volumeFactor),
      VolumeFactorAtTime(volumeFactorAtTime)
{
}

std::unique_ptr<TBrowseRecord> TMFreqBrowseRecord::Clone() const
{
    return std::make_unique<TMFreqBrowseRecord>(StartVolume, Frequency, StartAngle, VolumeFactor,
                                                VolumeFactorAtTime);
}
