#include "music/data/MusicGeneration.h"

#include "music/data/MuzData.h"
#include "music/parts/PartTiming.h"
#include "music/parts/StartPartMuz.h"
#include "music/staves/NoteStave.h"
#include "platform/MessageService.h"
#include "platform/WorkProgress.h"
#include "wave/LongestWave.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveLoops.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const NoMemory = "There is not enough memmory for this operation.";

SoundPtr EmptySound(const TMuzData& music)
{
    const auto freq = static_cast<int32_t>(music.GetSampleFreq());
    const auto bytes = static_cast<int16_t>(music.GetBytesPSample());
    if (music.GetMonoStereo() == 1)
        return std::make_shared<MonoSound>(freq, bytes);
    return std::make_shared<StereoSound>(freq, bytes);
}

} // namespace

TMusicGeneration::TMusicGeneration(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                                   bool withStaveFactories)
    : Music(music), Stave(stave), Group(group),
      Factories(music.GetStartStave(), withGroupFactories, withStaveFactories, stave, group)
{
}

TMusicGeneration::~TMusicGeneration()
{
    Factories.ReleaseRenderSounds();
}

void TMusicGeneration::Abandon()
{
    Factories.ReleaseRenderSounds();
    Music.SetTargetSound(nullptr);
}

SoundPtr TMusicGeneration::Fail(const std::string& reason)
{
    Abandon();
    // A generation the user stopped ends without a word.
    if (!WorkStoppedByUser())
        ShowMessage("Cannot create music: " + reason, "Error", MsgIcon::Stop);
    return nullptr;
}

SoundPtr TMusicGeneration::FailTooLong()
{
    Abandon();
    ShowLongerThanTheLongestWave();
    return nullptr;
}

bool TMusicGeneration::CreateRenderSounds(double seconds)
{
    StopFlag stop = 0;
    int32_t begin = 0;
    int32_t end = 0;
    SoundPtr target = EmptySound(Music)->InsertSilence(&stop, seconds, begin, end);
    if (!target || IsStopped(&stop))
        return false;
    Music.SetTargetSound(std::move(target));
    return Factories.CreateRenderSounds(Music.GetSampleFreq(), Music.GetBytesPSample(), Music.GetMonoStereo(),
                                        seconds);
}

void TMusicGeneration::RunStaveFactories(bool& ok, std::string& message)
{
    Sound* target = Music.GetTargetSound();
    if (!target) {
        Factories.ReleaseRenderSounds();
        ok = false;
        message = NoMemory;
        return;
    }
    Factories.RunSoundFactories(*target, ok, message);
}

SoundPtr TMusicGeneration::GenerateWave(TPartMuz& part, TTreeDataResult* result)
{
    std::string message;
    if (!Factories.FindSoundFactories(message))
        return Fail(message);
    const TPartWalkLimits limits{Stave, Group, result};
    const double tempo = Music.Tempo.GetValue();
    // Checked before any pass is walked: a repeat counted in thousands of
    // millions would keep the walks going for ever.
    const TPlayedBound bound = GetPlayedBound(part, tempo);
    if (!FitsLongestWave(bound.Seconds * Music.GetSampleFreq()) || !FitsLongestWave(bound.Passes))
        return FailTooLong();
    StopFlag stop = 0;
    TPartWalkValues measured;
    if (!GetStartAndLength(part, measured, limits, tempo, message, &stop))
        return Fail(message);
    const double total = measured.Lead + measured.End;
    const double musicLength = std::max(measured.Position, 1.0);
    if (total == 0.0)
        return EmptySound(Music);
    if (!std::isfinite(total))
        return Fail("The players give the music no length that can be made.");
    if (!FitsLongestWave(total * Music.GetSampleFreq()))
        return FailTooLong();
    if (!CreateRenderSounds(total))
        return Fail(NoMemory);
    TPartWalkValues played;
    played.Time = measured.Lead;
    if (!RenderNotes(part, &stop, played, limits, musicLength, tempo, static_cast<int16_t>(Music.GetMonoStereo()),
                     message))
        return Fail(message);
    bool ok = true;
    message.clear();
    RunStaveFactories(ok, message);
    if (!ok)
        return Fail(message);
    return Music.TakeTargetSound();
}

bool FindPlayers(TMuzData& music, std::string& message)
{
    TNoteStave* first = music.GetStartStave();
    return !first || first->FindPlayers(message);
}

SoundPtr MakeWave(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                  bool withStaveFactories)
{
    return TMusicGeneration(music, stave, group, withGroupFactories, withStaveFactories)
        .GenerateWave(*music.GetStartPartMuz(), nullptr);
}

SoundPtr MakePartWave(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                      bool withStaveFactories, TPartMuz& part)
{
    return TMusicGeneration(music, stave, group, withGroupFactories, withStaveFactories).GenerateWave(part, nullptr);
}

SoundPtr MakeResultPartWave(TMuzData& music, TNoteStave* stave, TNoteGroup* group, bool withGroupFactories,
                            bool withStaveFactories, TTreeDataResult& result)
{
    return TMusicGeneration(music, stave, group, withGroupFactories, withStaveFactories)
        .GenerateWave(*music.GetStartPartMuz(), &result);
}

void ResetLoopCounts(TMuzData& music)
{
    ResetLoopCounts(*music.GetStartPartMuz());
}

double GetMusicLength(TMuzData& music)
{
    return GetPartLength(*music.GetStartPartMuz());
}
