// A stop the user asks for while a command runs, rather than one a failed
// allocation sets: the command must give up and keep the wave, its marks and
// the clipboard as they were.
#include "DocumentFakes.h"
#include "EnvelopeCommands.h"
#include "StopRequestingSound.h"
#include "tests/support/StoppingWatcher.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

std::shared_ptr<Sound> StopRequestingRamp(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = static_cast<int16_t>(100 * (i % 200));
    return std::make_shared<StopRequestingSound>(wave, 1000, 2);
}

// The commands that read another sound while they run: an envelope, a wave
// form or the clipboard.
std::vector<NamedWaveCommand> Commands()
{
    const NamedWaveCommand others[] = {
        {"triangle with middle envelope",
         [](TUnitWave& u, TUnitWave* e) {
             TBlockTriangleProps p;
             p.MiddleKind = 1;
             p.MiddleEnvelope.SetUnitWave(e);
             u.MakeTriangle(p);
         }},
        {"random echo envelopes", [](TUnitWave& u, TUnitWave* e) { u.RndEcho(RandomEchoWithEveryEnvelope(e)); }},
        {"tempo pitch envelopes", [](TUnitWave& u, TUnitWave* e) { u.TempoPitch(TempoPitchWithEnvelopes(u, e)); }},
        {"paste", [](TUnitWave& u, TUnitWave*) { u.EditPaste(); }},
        {"swap", [](TUnitWave& u, TUnitWave*) { u.EditSwap(); }},
        {"mix at the begin",
         [](TUnitWave& u, TUnitWave*) {
             TMixProps p;
             p.Place = 0;
             u.EditMix(p);
         }},
        {"mix stretched",
         [](TUnitWave& u, TUnitWave*) {
             TMixProps p;
             p.Place = 2;
             u.EditMix(p);
         }},
    };
    std::vector<NamedWaveCommand> commands = EnvelopeReadingCommands();
    commands.insert(commands.end(), std::begin(others), std::end(others));
    return commands;
}

} // namespace

TEST(StopRequest, ACommandStoppedWhileItRunsKeepsWaveMarksAndClipboard)
{
    for (const NamedWaveCommand& command : Commands()) {
        SCOPED_TRACE(command.name);
        DocumentFixture f(RampSound(3000, 1000));
        std::shared_ptr<Sound> clip = StopRequestingRamp(500);
        f.host.clipboard = clip;
        TUnitWave envelope(StopRequestingRamp(500), "Envelope", "e.wav");
        TUnitWave& u = *f.unit;
        u.SetSelection(100, 2000);
        std::shared_ptr<Sound> before = u.GetSound();
        command.run(u, &envelope);
        EXPECT_EQ(u.GetSound(), before);
        EXPECT_FALSE(u.LastCommandChanged());
        EXPECT_EQ(u.GetSelectBegin(), 100);
        EXPECT_EQ(u.GetSelectEnd(), 2000);
        EXPECT_EQ(f.host.clipboard, clip);
        for (int32_t i = 0; i < 3000; ++i)
            ASSERT_EQ(before->GetLeftWave()->getData()[i], static_cast<int16_t>(i)) << i;
    }
}

// A low filter asked for the largest count over a thousand values would run
// for hours: the progress watcher asks for a stop, as its Stop button does,
// and the run ends keeping the old sound, its undo snapshot and the unchanged
// mark, without a message. The watcher heard how far the passes had come.
TEST(StopRequest, AFilterOfTheLargestCountEndsWhenTheWatcherAsksForAStop)
{
    for (int channels : {1, 2}) {
        SCOPED_TRACE(channels);
        DocumentFixture f(RampSound(1000, 1000, channels));
        TUnitWave& u = *f.unit;
        u.ClearChanged();
        const std::shared_ptr<Sound> before = u.GetSound();
        f.host.MakeUndo(&u);
        THighLowProps props;
        props.Count.SetValue(INT32_MAX);
        StoppingWatcher watcher(3);
        u.FilterLow(props);
        EXPECT_EQ(watcher.calls, 3);
        EXPECT_GT(watcher.lastDone, 0);
        EXPECT_EQ(watcher.lastTotal, INT32_MAX);
        EXPECT_EQ(u.GetSound(), before);
        EXPECT_FALSE(u.LastCommandChanged());
        EXPECT_FALSE(u.IsChanged());
        EXPECT_EQ(f.host.undo.GetUndo()->GetSound(), before);
        EXPECT_EQ(f.messages.Count(), 0u);
    }
}
