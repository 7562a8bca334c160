#pragma once
#include "foundation/Ref.h"
#include "wave/Wave.h"
#include "wave/display/VolumeBands.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TVolumeArray;

// One channel for the writer: the samples it reads (held, so that the sound
// may be replaced meanwhile) and the array it fills.
struct TVolumeWriterChannel {
    RefPtr<Wave> wave;
    std::shared_ptr<TVolumeArray> array;
};

// The computation of a volume diagram, everything it needs gathered before
// it starts: it touches nothing else. The channels are computed one after
// the other, in chunks of ChunkSize samples; the stop flag is tested before
// each chunk, and progress is called after each chunk (and once more when a
// channel ends) on the thread that runs the job.
class TVolumeWriterJob {
public:
    static constexpr int32_t ChunkSize = 300;

    TVolumeWriterJob(TVolumeBandCoefficients coefficients, std::vector<TVolumeWriterChannel> channels);

    void Run(const std::atomic<bool>& stop, const std::function<void()>& progress);
    // One channel into its array.
    void WriteVolumeArray(const TVolumeWriterChannel& channel, const std::atomic<bool>& stop,
                          const std::function<void()>& progress);

private:
    TVolumeBandCoefficients Coefficients;
    std::vector<TVolumeWriterChannel> Channels;
};
