// A stop the user asks for while a command runs, rather than one a failed
// allocation sets: the command must give up and keep the wave, its marks and
// the clipboard as they were.
#include "DocumentFakes.h"
#include "StopRequestingSound.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::shared_ptr<Sound> StopRequestingRamp(int32_t values)
{
    StopFlag stop = 0;
    RefPtr<Wave> wave = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i)
        wave->getData()[i] = static_cast<int16_t>(100 * (i % 200));
    return std::make_shared<StopRequestingSound>(wave, 1000, 2);
}

struct Command {
    const char* name;
    std::function<void(TUnitWave&, TUnitWave* envelope)> run;
};

// The commands that read another sound while they run: an envelope, a wave
// form or the clipboard.
const Command Commands[] = {
    {"volume envelope",
     [](TUnitWave& u, TUnitWave* e) {
         TVolumeProps p;
         p.VolumeKind = 1;
         p.VolumeEnvelope.SetUnitWave(e);
         u.Volume(p);
     }},
    {"triangle with middle envelope",
     [](TUnitWave& u, TUnitWave* e) {
         TBlockTriangleProps p;
         p.MiddleKind = 1;
         p.MiddleEnvelope.SetUnitWave(e);
         u.MakeTriangle(p);
     }},
    {"multi frequency wave form",
     [](TUnitWave& u, TUnitWave* e) {
         TMFreqProps p;
         p.UseKind = 1;
         p.WaveForm.SetUnitWave(e);
         u.MakeMFreq(p);
     }},
    {"roll out envelope",
     [](TUnitWave& u, TUnitWave* e) {
         TRollOutProps p;
         p.OperationTime = u.GetOperationTime();
         p.SpeedEnvelopeOn = 1;
         p.SpeedEnvelope.SetUnitWave(e);
         u.RollOut(p);
     }},
    {"distort",
     [](TUnitWave& u, TUnitWave* e) {
         TDistortProps p;
         p.DistortEnvelope.SetUnitWave(e);
         u.Distort(p);
     }},
    {"move horizontally envelope",
     [](TUnitWave& u, TUnitWave* e) {
         TShiftProps p;
         p.TimeMiddle.SetValue(0.01);
         p.TimeLeft.SetValue(-0.01);
         p.TimeEnvelopeOn = 1;
         p.TimeEnvelope.SetUnitWave(e);
         u.MoveH(p);
     }},
    {"balance envelope",
     [](TUnitWave& u, TUnitWave* e) {
         TBalanceProps p;
         p.DirKind = 1;
         p.DirEnvelope.SetUnitWave(e);
         u.Balance(p);
     }},
    {"period echo envelopes",
     [](TUnitWave& u, TUnitWave* e) {
         TPerEchoProps p;
         p.TimeEnvelopeOn = 1;
         p.TimeEnvelope.SetUnitWave(e);
         p.VolumeKind = 1;
         p.VolumeEnvelope.SetUnitWave(e);
         p.Count.SetValue(3);
         u.PerEcho(p);
     }},
    {"random echo envelopes",
     [](TUnitWave& u, TUnitWave* e) {
         TRandomEchoProps p;
         p.Count.SetValue(3);
         p.TimeDiff.SetValue(0.002);
         p.TimeKind = 1;
         p.VolumeKind = 2;
         p.LengthKind = 1;
         p.BalKind = 2;
         p.PitchKind = 1;
         p.TempoKind = 1;
         for (unitUnitWave* r : {&p.TimeEnvelope, &p.VolumeEnvelope, &p.LengthEnvelope, &p.BalEnvelope,
                                 &p.PitchEnvelope, &p.TempoEnvelope})
             r->SetUnitWave(e);
         u.RndEcho(p);
     }},
    {"tempo pitch envelopes",
     [](TUnitWave& u, TUnitWave* e) {
         TTempoPitchProps p;
         p.OperationTime = u.GetOperationTime();
         p.FreqEnvelopeOn = 1;
         p.FreqEnvelope.SetUnitWave(e);
         p.SpeedEnvelopeOn = 1;
         p.SpeedEnvelope.SetUnitWave(e);
         u.TempoPitch(p);
     }},
    {"notch envelopes",
     [](TUnitWave& u, TUnitWave* e) {
         TResNotchProps p;
         p.FreqKind = 1;
         p.FreqEnvelope.SetUnitWave(e);
         p.WidthKind = 1;
         p.WidthEnvelope.SetUnitWave(e);
         u.FilterNotch(p);
     }},
    {"block filter envelope",
     [](TUnitWave& u, TUnitWave* e) {
         TBlockFilterProps p;
         p.TimeEnvelopeOn = 1;
         p.TimeEnvelope.SetUnitWave(e);
         u.FilterBlock(p);
     }},
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

} // namespace

TEST(StopRequest, ACommandStoppedWhileItRunsKeepsWaveMarksAndClipboard)
{
    for (const Command& command : Commands) {
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
