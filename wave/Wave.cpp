#include "wave/Wave.h"

#include "platform/AllocationHook.h"
#include "platform/PageMemory.h"
#include "wave/ChannelThreads.h"
#include "wave/LongestWave.h"
#include "wave/WaveLoops.h"

#include <cstring>
#include <new>

Wave::Wave() = default;

Wave::Wave(StopFlag* stop, int32_t n)
{
    if (n == 0)
        return;
    data = AllocSamples(n);
    if (!AllocationSucceeded(data)) {
        SetStopped(stop);
        return;
    }
    values = n;
}

Wave::Wave(SampleBuffer buffer, int32_t n) : data(std::move(buffer)), values(data && n > 0 ? n : 0)
{
    if (values == 0)
        data.reset();
}

Wave::Wave(StopFlag* stop, const Wave& source)
{
    if (source.values < 1)
        return;
    data = AllocSamples(source.values);
    if (!AllocationSucceeded(data)) {
        SetStopped(stop);
        return;
    }
    values = source.values;
    copyRange(stop, source, 0, source.values, 0);
}

Wave::~Wave()
{
    if (values > 0)
        FreeSamples(data);
}

void Wave::DeleteThis()
{
    delete this;
}

bool Wave::detach(StopFlag* stop, RefPtr<Wave>& wave)
{
    if (!wave || wave->GetCount() <= 1)
        return true;
    if (IsStopped(stop))
        return false;
    RefPtr<Wave> copy = NewWaveCopy(stop, wave.get());
    if (!copy || IsStopped(stop))
        return false;
    wave = std::move(copy);
    return true;
}

RefPtr<Wave> NewWave(StopFlag* stop, int32_t n)
{
    if (IsStopped(stop))
        return {};
    if (n < 0) {
        // The size the operations ask for when their result would pass the longest wave.
        ShowLongerThanTheLongestWave();
        SetStopped(stop);
        return {};
    }
    RefPtr<Wave> wave(new (std::nothrow) Wave(stop, n));
    if (!wave) {
        SetStopped(stop);
        return {};
    }
    if (IsStopped(stop))
        return {};
    return wave;
}

RefPtr<Wave> NewWaveCopy(StopFlag* stop, const Wave* source)
{
    if (IsStopped(stop) || source == nullptr)
        return {};
    RefPtr<Wave> wave(new (std::nothrow) Wave(stop, *source));
    if (!wave) {
        SetStopped(stop);
        return {};
    }
    if (IsStopped(stop))
        return {};
    return wave;
}

SampleBuffer AllocSamples(int32_t n)
{
    if (n < 0 || AllocationHook::ShouldFail())
        return {};
    // Large results come in huge pages: see PageMemory.h.
    return SampleBuffer(static_cast<int16_t*>(PageMemory::Allocate(static_cast<size_t>(n) * sizeof(int16_t))));
}

void SampleMemoryRelease::operator()(int16_t* samples) const
{
    PageMemory::Free(samples);
}

void FreeSamples(SampleBuffer& buffer)
{
    buffer.reset();
}

bool AllocationSucceeded(const SampleBuffer& buffer)
{
    if (buffer)
        return true;
    ShowMemoryMessage();
    return false;
}
