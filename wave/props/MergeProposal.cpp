#include "wave/props/MergeProposal.h"

#include "wave/document/WaveFileProps.h"

#include <algorithm>

namespace {
void ProposeCommon(const MergeWaveFormat& a, const MergeWaveFormat& b, MergeProposal& p)
{
    p.ShowFrequency = a.SampleFreq != b.SampleFreq;
    p.FrequencyIndex = TWaveFileProps::FrequencyIndex(std::max(a.SampleFreq, b.SampleFreq));
    // A higher rate that is not offered selects no entry: the first wave's rate stays.
    p.SampleFreq = p.ShowFrequency && p.FrequencyIndex >= 0 ? TWaveFileProps::Frequencies[p.FrequencyIndex]
                                                             : a.SampleFreq;
    p.ShowBits = a.BytesPSample != b.BytesPSample;
    p.BytesPSample = p.ShowBits ? 2 : a.BytesPSample;
}

double Seconds(const MergeWaveFormat& f)
{
    return f.SampleFreq > 0 ? static_cast<double>(f.Values) / f.SampleFreq : 0.0;
}
} // namespace

MergeProposal ProposeMergeHor(const MergeWaveFormat& first, const MergeWaveFormat& last)
{
    MergeProposal p;
    p.ShowMonoStereo = first.MonoStereo != last.MonoStereo;
    p.MonoStereo = p.ShowMonoStereo ? 2 : first.MonoStereo;
    ProposeCommon(first, last, p);
    return p;
}

MergeProposal ProposeMergeVert(const MergeWaveFormat& left, const MergeWaveFormat& right)
{
    MergeProposal p;
    p.ShowLength = Seconds(left) != Seconds(right);
    p.MakeLengthsEqual = p.ShowLength ? 1 : 0;
    ProposeCommon(left, right, p);
    return p;
}
