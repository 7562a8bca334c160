// Every command on the smallest waves, with every envelope option pointing at
// a one-value wave: nothing may crash or leave the marks outside the wave.
#include "DocumentFakes.h"
#include "EnvelopeCommands.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace {

std::vector<NamedWaveCommand> AllCommands()
{
    const NamedWaveCommand others[] = {
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
        {"length reversed", [](TUnitWave& u, TUnitWave*) {
             TLengthProps p;
             p.LengthFactor.SetValue(-1.5);
             u.Length(p);
         }},
        {"mix left right", [](TUnitWave& u, TUnitWave*) { u.MixLeftRight(TLeftRightProps()); }},
        {"random echo, everything random",
         [](TUnitWave& u, TUnitWave* e) {
             TRandomEchoProps p = RandomEchoWithEveryEnvelope(e);
             u.RndEcho(p);
             p.Cyclable = 1;
             u.RndEcho(p);
         }},
        {"tempo pitch envelopes",
         [](TUnitWave& u, TUnitWave* e) {
             TTempoPitchProps p = TempoPitchWithEnvelopes(u, e);
             p.Quality = 1;
             u.TempoPitch(p);
         }},
        {"maximising low filter", [](TUnitWave& u, TUnitWave*) {
             THighLowProps p;
             p.MaximizeVolume = 1;
             p.Count.SetValue(2);
             u.FilterLow(p);
         }},
        {"format change", [](TUnitWave& u, TUnitWave*) {
             TWaveFileProps from(u.GetMonoStereo(), u.GetSampleFreq(), u.GetBytesPSample());
             u.ChangeFileProps(from, TWaveFileProps(3 - from.MonoStereo, 5512, 1));
         }},
    };
    std::vector<NamedWaveCommand> commands = EnvelopeReadingCommands();
    commands.insert(commands.end(), std::begin(others), std::end(others));
    return commands;
}
} // namespace

TEST(TinyWaves, EveryCommandSurvivesTheSmallestWaves)
{
    int changed = 0;
    for (int channels : {1, 2}) {
        for (int32_t values : {0, 1, 2, 300}) {
            for (int32_t envelopeValues : {0, 1}) {
                for (const NamedWaveCommand& command : AllCommands()) {
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
