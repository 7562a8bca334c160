#pragma once
#include "wave/document/UnitWave.h"

#include <functional>
#include <vector>

// A wave command run on a document, with the wave that its envelope and wave
// form options point at.
struct NamedWaveCommand {
    const char* name;
    std::function<void(TUnitWave&, TUnitWave* envelope)> run;
};

// Random echo with every kind random or enveloped, every envelope `envelope`.
inline TRandomEchoProps RandomEchoWithEveryEnvelope(TUnitWave* envelope)
{
    TRandomEchoProps p;
    p.Count.SetValue(3);
    p.TimeDiff.SetValue(0.002);
    p.TimeKind = 1;
    p.VolumeKind = 2;
    p.LengthKind = 1;
    p.BalKind = 2;
    p.PitchKind = 1;
    p.TempoKind = 1;
    for (unitUnitWave* r :
         {&p.TimeEnvelope, &p.VolumeEnvelope, &p.LengthEnvelope, &p.BalEnvelope, &p.PitchEnvelope, &p.TempoEnvelope})
        r->SetUnitWave(envelope);
    return p;
}

// Tempo and pitch, both from `envelope`.
inline TTempoPitchProps TempoPitchWithEnvelopes(TUnitWave& unit, TUnitWave* envelope)
{
    TTempoPitchProps p;
    p.OperationTime = unit.GetOperationTime();
    p.FreqEnvelopeOn = 1;
    p.FreqEnvelope.SetUnitWave(envelope);
    p.SpeedEnvelopeOn = 1;
    p.SpeedEnvelope.SetUnitWave(envelope);
    return p;
}

// The commands that read an envelope or a wave form while they run, with
// their options pointing at it.
inline std::vector<NamedWaveCommand> EnvelopeReadingCommands()
{
    return {
        {"volume envelope",
         [](TUnitWave& u, TUnitWave* e) {
             TVolumeProps p;
             p.VolumeKind = 1;
             p.VolumeEnvelope.SetUnitWave(e);
             u.Volume(p);
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
    };
}
