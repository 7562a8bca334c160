// Every command on the smallest waves, with every envelope option pointing at
// a one-value wave: nothing may crash or leave the marks outside the wave.
#include "DocumentFakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
struct Named {
    const char* name;
    std::function<void(TUnitWave&, TUnitWave* envelope)> run;
};


std::vector<Named> AllCommands()
{
    return {
        {"line", [](TUnitWave& u, TUnitWave*) { u.MakeLine(TLineProps()); }},
        {"exponential line through 0",
         [](TUnitWave& u, TUnitWave*) {
             TLineProps p;
             p.LineKind = 1;
             p.Begin.SetValue(0);
             u.MakeLine(p);
         }},
        {"block with middle envelope",
         [](TUnitWave& u, TUnitWave* e) {
             TBlockTriangleProps p;
             p.MiddleKind = 1;
             p.MiddleEnvelope.SetUnitWave(e);
             p.LengthKind = 1;
             p.SameLengthAs.SetUnitWave(e);
             u.MakeTriangle(p);
         }},
        {"multi frequency wave form",
         [](TUnitWave& u, TUnitWave* e) {
             TMFreqProps p;
             p.UseKind = 1;
             p.WaveForm.SetUnitWave(e);
             u.MakeMFreq(p);
         }},
        {"delete", [](TUnitWave& u, TUnitWave*) { u.EditDelete(); }},
        {"trim", [](TUnitWave& u, TUnitWave*) { u.EditTrim(); }},
        {"cut", [](TUnitWave& u, TUnitWave*) { u.EditCut(); }},
        {"paste", [](TUnitWave& u, TUnitWave*) { u.EditPaste(); }},
        {"swap", [](TUnitWave& u, TUnitWave*) { u.EditSwap(); }},
        {"extract", [](TUnitWave& u, TUnitWave*) { u.EditExtract(); }},
        {"mix", [](TUnitWave& u, TUnitWave*) {
             for (uint8_t place : {0, 1, 2}) {
                 TMixProps p;
                 p.Place = place;
                 u.EditMix(p);
             }
         }},
        {"volume envelope",
         [](TUnitWave& u, TUnitWave* e) {
             TVolumeProps p;
             p.VolumeKind = 1;
             p.VolumeEnvelope.SetUnitWave(e);
             u.Volume(p);
         }},
        {"max volume", [](TUnitWave& u, TUnitWave*) { u.MaxVolume(); }},
        {"normalize", [](TUnitWave& u, TUnitWave*) { u.NormalizeVertically(); }},
        {"block", [](TUnitWave& u, TUnitWave*) {
             TBlockProps p;
             p.HorKind = 1;
             p.VertKind = 2;
             u.Block(p);
         }},
        {"rotate", [](TUnitWave& u, TUnitWave*) { u.Rotate(TRotateProps()); }},
        {"roll in at end", [](TUnitWave& u, TUnitWave*) {
             TRollInProps p;
             p.Placement = 1;
             u.RollIn(p);
         }},
        {"roll out envelope",
         [](TUnitWave& u, TUnitWave* e) {
             TRollOutProps p;
             p.OperationTime = u.GetOperationTime();
             p.SpeedEnvelopeOn = 1;
             p.SpeedEnvelope.SetUnitWave(e);
             u.RollOut(p);
         }},
        {"length reversed", [](TUnitWave& u, TUnitWave*) {
             TLengthProps p;
             p.LengthFactor.SetValue(-1.5);
             u.Length(p);
         }},
        {"distort", [](TUnitWave& u, TUnitWave* e) {
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
        {"balance envelope", [](TUnitWave& u, TUnitWave* e) {
             TBalanceProps p;
             p.DirKind = 1;
             p.DirEnvelope.SetUnitWave(e);
             u.Balance(p);
         }},
        {"mix left right", [](TUnitWave& u, TUnitWave*) { u.MixLeftRight(TLeftRightProps()); }},
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
        {"random echo, everything random",
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
             p.Cyclable = 1;
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
             p.Quality = 1;
             u.TempoPitch(p);
         }},
        {"maximising low filter", [](TUnitWave& u, TUnitWave*) {
             THighLowProps p;
             p.MaximizeVolume = 1;
             p.Count.SetValue(2);
             u.FilterLow(p);
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
        {"format change", [](TUnitWave& u, TUnitWave*) {
             TWaveFileProps from(u.GetMonoStereo(), u.GetSampleFreq(), u.GetBytesPSample());
             u.ChangeFileProps(from, TWaveFileProps(3 - from.MonoStereo, 5512, 1));
         }},
    };
}
} // namespace

TEST(TinyWaves, EveryCommandSurvivesTheSmallestWaves)
{
    int changed = 0;
    for (int channels : {1, 2}) {
        for (int32_t values : {0, 1, 2, 300}) {
            for (int32_t envelopeValues : {0, 1}) {
                for (const Named& command : AllCommands()) {
                    SCOPED_TRACE(std::string(command.name) + ", values " + std::to_string(values) + ", channels " +
                                 std::to_string(channels) + ", envelope " + std::to_string(envelopeValues));
                    DocumentFixture f(RampSound(values, 1000, channels));
                    f.host.clipboard = RampSound(envelopeValues, 1000, channels);
                    TUnitWave envelope(RampSound(envelopeValues, 1000), "Envelope", "e.wav");
                    f.unit->SetSelection(0, values);
                    command.run(*f.unit, &envelope);
                    EXPECT_GE(f.unit->GetSelectBegin(), 0);
                    EXPECT_LE(f.unit->GetSelectEnd(), f.unit->GetValues());
                    changed += f.unit->LastCommandChanged() ? 1 : 0;
                }
            }
        }
    }
    // Most of them did their work; the rest were refused or had nothing to do.
    EXPECT_GT(changed, 200);
}
