#pragma once
#include "platform/RecordingMessageService.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/display/PanePainter.h"
#include "wave/display/PixelCanvas.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <thread>

// A wave whose values come from a function of the index.
inline RefPtr<Wave> MakeWave(int32_t values, const std::function<int16_t(int32_t)>& value)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = value(i);
    return wave;
}

// A long wave made cheaply: the first period values of the function, repeated.
inline RefPtr<Wave> RepeatedWave(int32_t values, int32_t period, const std::function<int16_t(int32_t)>& value)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    int16_t* data = wave->getData();
    for (int32_t i = 0; i < std::min(period, values); ++i)
        data[i] = value(i);
    for (int32_t i = period; i < values; i += period)
        std::copy(data, data + std::min(period, values - i), data + i);
    return wave;
}

inline std::shared_ptr<Sound> MonoOf(int32_t values, const std::function<int16_t(int32_t)>& value,
                                     int32_t freq = 44100)
{
    return std::make_shared<MonoSound>(MakeWave(values, value), freq, 2);
}

inline std::shared_ptr<Sound> StereoOf(int32_t values, const std::function<int16_t(int32_t)>& left,
                                       const std::function<int16_t(int32_t)>& right, int32_t freq = 44100)
{
    return std::make_shared<StereoSound>(MakeWave(values, left), MakeWave(values, right), freq, 2);
}

inline int16_t Silence(int32_t)
{
    return 0;
}

// A sine of the given frequency at full scale / 2.
inline std::function<int16_t(int32_t)> Sine(double frequency, double sampleFreq)
{
    return [=](int32_t i) { return static_cast<int16_t>(16000 * std::sin(6.283185307 * frequency * i / sampleFreq)); };
}

// A document with its display group and one pane of the given size showing the whole wave.
struct DisplayFixture {
    RecordingMessageService messages;
    TUnitWave unit;
    TWaveDisplayGroup group;
    TPixelCanvas canvas;
    TPaneView pane;

    DisplayFixture(std::shared_ptr<Sound> sound, int32_t width, int32_t height)
        : unit(std::move(sound), "Wave 1", ""), group(&unit, TWaveViewProps(), TVoldViewProps()),
          canvas(width, height)
    {
        pane.group = &group;
        pane.map.rect = {0, 0, width, height};
        pane.map.first = 0;
        pane.map.last = unit.GetValues();
    }

    void Paint() { PaintPane(canvas, pane, pane.map.rect); }
    void WaitForWriter()
    {
        while (!group.IsVolumeWriterFinished())
            std::this_thread::yield();
    }
};
