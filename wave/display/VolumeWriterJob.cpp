#include "wave/display/VolumeWriterJob.h"

#include "platform/SampleConvert.h"
#include "wave/display/VolumeArray.h"

#include <algorithm>

TVolumeWriterJob::TVolumeWriterJob(TVolumeBandCoefficients coefficients, std::vector<TVolumeWriterChannel> channels)
    : Coefficients(std::move(coefficients)), Channels(std::move(channels))
{
}

void TVolumeWriterJob::Run(const std::atomic<bool>& stop, const std::function<void()>& progress)
{
    for (const TVolumeWriterChannel& channel : Channels) {
        if (stop.load(std::memory_order_acquire))
            return;
        WriteVolumeArray(channel, stop, progress);
    }
}

void TVolumeWriterJob::WriteVolumeArray(const TVolumeWriterChannel& channel, const std::atomic<bool>& stop,
                                        const std::function<void()>& progress)
{
    if (!channel.wave || !channel.array)
        return;
    TVolumeArray& array = *channel.array;
    const Wave& wave = *channel.wave;
    const int16_t* samples = wave.getData();
    const int32_t values = wave.getValues();
    if (values <= 0 || !samples)
        return;
    TVolumeBands bands(Coefficients);
    const int32_t width = array.GetWidth();
    const int32_t count = std::min(bands.GetCount(), array.GetHeight());
    // The column is reckoned from the sample index in double precision: summed
    // step by step in single precision it would creep, and stall on long waves.
    const double step = (width + 1.0) / values;
    int32_t lastColumn = -1;  // whole part of the column value at the last write
    int32_t lastWritten = -1; // last array column that holds values
    auto publish = [&](bool final) {
        // The last column may be written again by the final samples, so it is
        // shown only when the channel is done: a painter never reads a cell
        // that is still being written.
        int32_t columns = lastWritten + 1;
        array.SetColumnsWritten(final ? columns : std::min(columns, width - 1));
    };
    int32_t i = 0;
    while (i < values && !stop.load(std::memory_order_acquire)) {
        const int32_t chunkEnd = values - i > ChunkSize ? i + ChunkSize : values;
        for (; i < chunkEnd; ++i) {
            bands.ProcessSample(samples[i]);
            const int32_t column = ToInt32(-1.0 + (i + 1.0) * step);
            if (column <= lastColumn)
                continue;
            const int32_t target = std::min(column, width - 1);
            // A column that no sample reaches (more columns than samples) shows
            // the values of the sample that passes it.
            const int32_t firstTarget = std::min(lastWritten + 1, target);
            for (int32_t band = 0; band < count; ++band) {
                float volume = bands.TakeVolume(band);
                for (int32_t c = firstTarget; c <= target; ++c)
                    array.SetVolume(c, band, volume);
            }
            lastWritten = std::max(lastWritten, target);
            lastColumn = column;
        }
        publish(false);
        if (progress)
            progress();
    }
    publish(true);
    if (progress)
        progress();
}
