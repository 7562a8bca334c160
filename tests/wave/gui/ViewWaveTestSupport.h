#pragma once
#include "platform/RecordingMessageService.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveWindowAccess.h"
#include "wave/gui/ViewWave.h"
#include "wave/gui/ViewWaveGroup.h"
#include "wave/gui/ViewWaveOwner.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSplitter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

// A wave window as far as the view needs one: it passes the document's
// repaints on to the group and holds the zoom mode.
class ViewTestWindow : public WaveWindowAccess, public TViewWaveOwner {
public:
    TViewWaveGroup* group = nullptr;
    uint8_t zoomMode = 0;
    int icon = -1;

    void NameChanged(const std::string&) override {}
    void UpdateChildCaption() override {}
    void SetDrawCursor() override {}
    void RepaintWaveRange(int32_t from, int32_t to) override { group->RepaintWaveRange(from, to); }
    void RepaintWavePos(int32_t position) override { group->RepaintWavePos(position); }
    void PaintCursorLine(int32_t position) override { group->PaintCursorLine(position); }
    void SoundChanged() override { group->InvalidateViews(); }
    void SetIconForMonoStereo(int32_t) override {}
    uint8_t GetShowKind() override { return group->GetShowKind(); }
    bool HasViewGroup() override { return group != nullptr; }
    void BeginKeepZoom(int32_t begin, int32_t end) override { group->BeginKeepZoom(begin, end); }
    void EndKeepZoom(int32_t begin, int32_t newEnd) override { group->EndKeepZoom(begin, newEnd); }

    uint8_t GetZoomMode() const override { return zoomMode; }
    void SetZoomMode(uint8_t mode) override { zoomMode = mode; }
    void SetIconForShowKind(uint8_t kind) override { icon = kind; }
    TMDIChildWave* GetMDIChildWave() override { return nullptr; }
};

inline std::shared_ptr<Sound> ViewMono(int32_t values, const std::function<int16_t(int32_t)>& value)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = value(i);
    return std::make_shared<MonoSound>(wave, 44100, 2);
}

inline std::shared_ptr<Sound> ViewStereo(int32_t values, const std::function<int16_t(int32_t)>& value)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values), right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        left->getData()[i] = value(i);
        right->getData()[i] = static_cast<int16_t>(-value(i));
    }
    return std::make_shared<StereoSound>(left, right, 44100, 2);
}

inline int16_t ViewSine(int32_t i)
{
    return static_cast<int16_t>(12000 * std::sin(i * 0.0627));
}

// A long stereo sound made cheaply: one block of the sine, repeated, so that
// minutes of sound cost a copy rather than a sine per sample.
inline std::shared_ptr<Sound> ViewLongStereo(int32_t values)
{
    constexpr int32_t block = 4410;
    int16_t first[block];
    for (int32_t i = 0; i < block; ++i)
        first[i] = ViewSine(i);
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values), right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; i += block) {
        int32_t n = std::min(block, values - i);
        std::copy(first, first + n, left->getData() + i);
        std::transform(first, first + n, right->getData() + i, [](int16_t v) { return static_cast<int16_t>(-v); });
    }
    return std::make_shared<StereoSound>(left, right, 44100, 2);
}

// A document shown in a view group whose panes are first x height and
// second x height pixels (with the 3-pixel splitter between them).
struct ViewFixture {
    RecordingMessageService messages;
    ViewTestWindow window;
    TUnitWave unit;
    std::unique_ptr<TViewWaveGroup> group;

    ViewFixture(std::shared_ptr<Sound> sound, int first, int second, int height = 60, bool show = true)
        : unit(std::move(sound), "Wave 1", "take.wav")
    {
        group = std::make_unique<TViewWaveGroup>(&window, &unit, TWaveViewProps(), TVoldViewProps());
        window.group = group.get();
        unit.SetChildWave(&window);
        group->resize(first + second + 3, height);
        if (show) {
            group->show();
            QApplication::processEvents();
        }
        group->GetSplitter()->setSizes({first, second});
        QApplication::processEvents();
    }
    ~ViewFixture()
    {
        group.reset();
        unit.SetChildWave(nullptr);
    }

    TViewWave& Pane(int n) { return *group->GetPane(n); }
    void PaintNow()
    {
        Pane(1).PaintPendingNow();
        Pane(2).PaintPendingNow();
    }
};

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(pos), widget.mapToGlobal(QPointF(pos)), button, buttons, modifiers);
    QApplication::sendEvent(&widget, &event);
}

inline void Click(QWidget& widget, QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton, modifiers);
}
