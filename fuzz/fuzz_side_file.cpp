// Feeds arbitrary bytes through the wave side-file reader, into a document
// with a window view, and writes back whatever it accepted, which must read
// again. Every accepted file is also painted once, as the window would paint
// it, through the core painters over a wave with samples, so that a value the
// reader lets through and the painter cannot finish is found too.
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLDocumentWriter.h"
#include "platform/MessageService.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/display/PanePainter.h"
#include "wave/display/PixelCanvas.h"
#include "wave/display/VolumeArray.h"
#include "wave/display/VolumeBands.h"
#include "wave/display/VolumeWriterJob.h"
#include "wave/display/WaveDisplayGroup.h"
#include "wave/document/UnitWave.h"
#include "wave/view/ViewPaneModel.h"
#include "wave/view/ViewWaveGroupModel.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

class SilentMessages : public MessageService {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override { return MsgAnswer::Ok; }
};

// Reads bytes into a fresh document; gives the result of the reader.
int ReadInto(std::string_view bytes, std::string& written)
{
    std::shared_ptr<Sound> sound = std::make_shared<MonoSound>(44100, 2);
    TUnitWave unit(sound, "Wave 1", "");
    TViewPaneModel first(300, 0);
    TViewPaneModel second(301, 0);
    TViewWaveGroupModel group{TWaveViewProps(), TVoldViewProps()};
    group.AddView(&first);
    group.AddView(&second);
    unit.SetViewGroup(&group);
    std::string error;
    int result = unit.LoadShadowBytes(bytes, error, false, sound);
    if (result == 1) {
        unit.ExchangeSound(sound);
        group.ApplyPendingSplitPosition();
        group.ApplyPendingZoom();
        written = DocumentBytes(*unit.WriteUnitWaveXml(), "_v8_0");
    }
    return result;
}

// A wave with samples to paint: a ramp that wraps, in one or two channels.
std::shared_ptr<Sound> PaintedSound(bool stereo)
{
    constexpr int32_t values = 1000;
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values), right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        left->getData()[i] = static_cast<int16_t>(i * 97);
        right->getData()[i] = static_cast<int16_t>(-i * 61);
    }
    if (stereo)
        return std::make_shared<StereoSound>(left, right, 44100, 2);
    return std::make_shared<MonoSound>(left, 44100, 2);
}

// The volume diagram of a small enough resolution, computed on this thread.
void ComputeVolumeDiagram(TWaveDisplayGroup& group, const Sound& sound)
{
    const TVoldViewProps& props = group.GetVoldViewProps();
    int64_t cells = int64_t(props.XResolution.GetValue()) * props.YResolution.GetValue();
    if (!props.CellCountFits() || cells > 65536)
        return;
    int32_t width = props.XResolution.GetValue(), height = props.YResolution.GetValue();
    std::vector<TVolumeWriterChannel> channels;
    for (int side = 0; side < sound.channels; ++side) {
        auto array = std::make_shared<TVolumeArray>(width, height);
        channels.push_back({RefPtr<Wave>(side == 0 ? sound.GetLeftWave() : sound.GetRightWave()), array});
        if (sound.channels == 1)
            group.SetVolumeArraySingle(array);
        else if (side == 0)
            group.SetVolumeArrayLeft(array);
        else
            group.SetVolumeArrayRight(array);
    }
    std::atomic<bool> stop{false};
    TVolumeWriterJob(InitVolumeBands(props, sound.sampleFreq), std::move(channels)).Run(stop, nullptr);
}

// Reads bytes into a document of a wave with samples and, when accepted,
// paints both panes whole as the window does after opening it.
void PaintAccepted(std::string_view bytes, bool stereo)
{
    std::shared_ptr<Sound> sound = PaintedSound(stereo);
    TUnitWave unit(sound, "Wave 1", "");
    TViewPaneModel first(300, sound->GetValues());
    TViewPaneModel second(301, sound->GetValues());
    TWaveDisplayGroup group(&unit, TWaveViewProps(), TVoldViewProps());
    group.AddView(&first);
    group.AddView(&second);
    std::string error;
    if (unit.LoadShadowBytes(bytes, error, false, sound) != 1)
        return;
    unit.ExchangeSound(sound);
    group.ApplyPendingSplitPosition();
    group.ApplyPendingZoom();
    if (group.GetShowKind() == waveWindVolume)
        ComputeVolumeDiagram(group, *unit.GetSound());
    for (const TViewPaneModel* pane : {&first, &second}) {
        constexpr int32_t height = 60;
        TPixelCanvas canvas(pane->GetPaneWidth(), height);
        TPaneView view;
        view.group = &group;
        view.map.rect = {0, 0, pane->GetPaneWidth(), height};
        view.map.first = pane->FirstVisibleWavePos();
        view.map.last = pane->LastVisibleWavePos();
        PaintPane(canvas, view, view.map.rect);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SilentMessages silent;
    static bool installed = (SetMessageService(&silent), true);
    (void)installed;
    TUnitWave::BuildUnitWaveGrammar();
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string written;
    if (ReadInto(bytes, written) == 1) {
        // What the writer makes of an accepted file must read back.
        std::string again;
        if (ReadInto(written, again) != 1)
            std::abort();
    }
    PaintAccepted(bytes, size % 2 == 1);
    return 0;
}
