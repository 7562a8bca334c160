// The format change behind File Properties.
#include "platform/Assertions.h"
#include "platform/SampleConvert.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/document/UnitWave.h"
#include "wave/document/WaveWindowAccess.h"

namespace {
// A sound of another bytes per sample that shares the samples, so the old
// sound stays intact for undo.
SoundPtr WithBytesPerSample(const Sound& sound, int16_t bytes)
{
    if (sound.channels == 1)
        return std::make_shared<MonoSound>(RefPtr<Wave>(sound.GetLeftWave()), sound.sampleFreq, bytes);
    return std::make_shared<StereoSound>(RefPtr<Wave>(sound.GetLeftWave()), RefPtr<Wave>(sound.GetRightWave()),
                                         sound.sampleFreq, bytes);
}
} // namespace

void TUnitWave::ChangeFileProps(const TWaveFileProps& from, const TWaveFileProps& to)
{
    BeginCommand();
    bool validFormat = to.SampleFreq > 0 && (to.MonoStereo == 1 || to.MonoStereo == 2) &&
                       (to.BytesPSample == 1 || to.BytesPSample == 2);
    if (!QB_CHECK(validFormat))
        return;
    SoundPtr current = TheSound;
    bool soundChanged = false;

    // Mixed down before resampling, resampled before doubling.
    if (from.MonoStereo > to.MonoStereo && !stopFlag) {
        current = std::make_shared<MonoSound>(&stopFlag, *current);
        soundChanged = true;
    }
    if (from.BytesPSample != to.BytesPSample && !stopFlag)
        current = WithBytesPerSample(*current, from.BytesPSample > to.BytesPSample ? 1 : 2);
    bool resampled = from.SampleFreq != to.SampleFreq;
    if (resampled && !stopFlag) {
        current = current->ChangeSampleFreq(&stopFlag, to.SampleFreq);
        soundChanged = true;
    }
    if (from.MonoStereo < to.MonoStereo && !stopFlag && current) {
        current = std::make_shared<StereoSound>(&stopFlag, *current);
        soundChanged = true;
    }

    if (stopFlag || !current)
        return; // the old sound, marks and icon stay
    TheSound = std::move(current);
    lastCommandChanged = true;
    if (resampled && from.SampleFreq != 0) {
        double scale = static_cast<double>(to.SampleFreq) / from.SampleFreq;
        CursorPos = ClampMark(ToInt32(CursorPos * scale));
        AnchorPos = ClampMark(ToInt32(AnchorPos * scale));
    }
    if (from.MonoStereo != to.MonoStereo && ChildWave)
        ChildWave->SetIconForMonoStereo(to.MonoStereo);
    if (soundChanged)
        TellWindow();
}
