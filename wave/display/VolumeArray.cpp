#include "wave/display/VolumeArray.h"

#include "platform/Assertions.h"

#include <algorithm>

TVolumeArray::TVolumeArray(int32_t width, int32_t height)
    : Width(std::max(width, 1)), Height(std::max(height, 1)),
      Volumes(static_cast<size_t>(Width) * static_cast<size_t>(Height), 0.0f)
{
}

size_t TVolumeArray::Index(int32_t x, int32_t y) const
{
    x = std::clamp(x, 0, Width - 1);
    y = std::clamp(y, 0, Height - 1);
    return static_cast<size_t>(x) * static_cast<size_t>(Height) + static_cast<size_t>(y);
}

void TVolumeArray::SetVolume(int32_t x, int32_t y, float volume)
{
    QB_ASSERT(volume >= 0);
    Volumes[Index(x, y)] = volume;
}

float TVolumeArray::GetVolume(int32_t x, int32_t y) const
{
    return Volumes[Index(x, y)];
}
