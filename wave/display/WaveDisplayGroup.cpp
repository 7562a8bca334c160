#include "wave/display/WaveDisplayGroup.h"

#include "foundation/GuiMessages.h"
#include "wave/Sound.h"
#include "wave/display/ThreadVolumeWriter.h"
#include "wave/display/VolumeArray.h"
#include "wave/display/VolumeBands.h"
#include "wave/display/VolumeWriterJob.h"
#include "wave/document/UnitWave.h"

#include <new>

TWaveDisplayGroup::TWaveDisplayGroup(TUnitWave* unitWave, const TWaveViewProps& waveViewProps,
                                     const TVoldViewProps& voldViewProps)
    : TViewWaveGroupModel(waveViewProps, voldViewProps), UnitWave(unitWave)
{
    if (UnitWave)
        UnitWave->SetViewGroup(this);
}

TWaveDisplayGroup::~TWaveDisplayGroup()
{
    StopVolumeWriter();
    if (UnitWave && UnitWave->GetViewGroup() == this)
        UnitWave->SetViewGroup(nullptr);
}

TWaveDisplayGroup* TWaveDisplayGroup::OfUnit(const TUnitWave* unit)
{
    return unit ? dynamic_cast<TWaveDisplayGroup*>(unit->GetViewGroup()) : nullptr;
}

void TWaveDisplayGroup::SetVolumeArraySingle(std::shared_ptr<TVolumeArray> array)
{
    VolumeArraySingle = std::move(array);
}

void TWaveDisplayGroup::SetVolumeArrayLeft(std::shared_ptr<TVolumeArray> array)
{
    VolumeArrayLeft = std::move(array);
}

void TWaveDisplayGroup::SetVolumeArrayRight(std::shared_ptr<TVolumeArray> array)
{
    VolumeArrayRight = std::move(array);
}

bool TWaveDisplayGroup::IsVolumeWriterFinished() const
{
    return !ThreadVolumeWriter || ThreadVolumeWriter->IsFinished();
}

void TWaveDisplayGroup::StopVolumeWriter()
{
    if (!ThreadVolumeWriter)
        return;
    ThreadVolumeWriter->Stop();
    ThreadVolumeWriter.reset();
}

void TWaveDisplayGroup::StartVolumeDiagram()
{
    StopVolumeWriter();
    if (!UnitWave)
        return;
    const std::shared_ptr<Sound>& sound = UnitWave->GetSound();
    if (!sound || sound->GetValues() == 0) {
        VolumeDiagramEmpty();
        return;
    }
    const TVoldViewProps& props = GetVoldViewProps();
    std::vector<TVolumeWriterChannel> channels;
    try {
        if (!props.CellCountFits())
            throw std::bad_alloc();
        int32_t width = props.XResolution.GetValue(), height = props.YResolution.GetValue();
        if (sound->channels == 1) {
            StopFlag stop = 0;
            bool isNew = false;
            SetVolumeArraySingle(std::make_shared<TVolumeArray>(width, height));
            channels.push_back({sound->GetMonoWave(&stop, isNew), VolumeArraySingle});
        } else {
            SetVolumeArrayLeft(std::make_shared<TVolumeArray>(width, height));
            SetVolumeArrayRight(std::make_shared<TVolumeArray>(width, height));
            channels.push_back({RefPtr<Wave>(sound->GetLeftWave()), VolumeArrayLeft});
            channels.push_back({RefPtr<Wave>(sound->GetRightWave()), VolumeArrayRight});
        }
    } catch (const std::bad_alloc&) {
        TGuiMessages().ErrorNotEnoughMemory();
        return;
    }
    auto job = std::make_unique<TVolumeWriterJob>(InitVolumeBands(props, UnitWave->GetSampleFreq()),
                                                  std::move(channels));
    std::function<void()> poster = ColumnsWrittenPoster;
    std::atomic<bool>* posted = &ProgressPosted;
    auto progress = [poster, posted] {
        if (poster && !posted->exchange(true, std::memory_order_acq_rel))
            poster();
    };
    ThreadVolumeWriter = std::make_unique<TThreadVolumeWriter>(std::move(job), std::move(progress));
    ThreadVolumeWriter->Start();
}
