#pragma once
#include <cstdint>
#include <vector>

class TVoldViewProps;

// The two coefficients of every band of the resonator bank, band 0 the
// highest frequency (row 0 of the diagram). Computed from the settings and
// the sample frequency before the writer starts.
struct TVolumeBandCoefficients {
    std::vector<float> Tr;
    std::vector<float> Free;

    // No band is shorter than this many samples: a shorter resonator would
    // not be stable.
    static constexpr double MinPeriodSamples = 2.0;
};

TVolumeBandCoefficients InitVolumeBands(const TVoldViewProps& props, double sampleFreq);

// The state of the bank while one channel is walked: every band resonates
// with the samples, and Volume keeps the largest excursion since the last
// written column.
class TVolumeBands {
public:
    explicit TVolumeBands(const TVolumeBandCoefficients& coefficients);

    int32_t GetCount() const { return static_cast<int32_t>(Tr.size()); }
    // Value, speed and peaks back to 0.
    void Reset();
    // One sample through every band.
    void ProcessSample(float sample);
    // The band's peak as a cell value (0 to about 1; a value that is not finite
    // gives 0), and the peak starts anew.
    float TakeVolume(int32_t band);

private:
    std::vector<float> Tr;
    std::vector<float> Free;
    std::vector<float> Rest; // 1 - Free
    std::vector<float> Value;
    std::vector<float> Speed;
    std::vector<float> Volume;
};
