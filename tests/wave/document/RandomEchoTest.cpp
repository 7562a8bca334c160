#include "DocumentFakes.h"

#include <gtest/gtest.h>

namespace {
TRandomEchoProps Echoes(int32_t count, int32_t seed, double timeDiff)
{
    TRandomEchoProps p;
    p.Count.SetValue(count);
    p.RandomSeed.SetValue(seed);
    p.TimeDiff.SetValue(timeDiff);
    p.VolumeKind = 1;
    return p;
}

std::vector<int16_t> Samples(const Sound& sound)
{
    const Wave* w = sound.GetLeftWave();
    return std::vector<int16_t>(w->getData(), w->getData() + w->getValues());
}

// The silence made for the result: (L + 1) / F seconds, plus the one value
// every inserted silence has.
int32_t ResultValues(int32_t l, int32_t freq)
{
    return static_cast<int32_t>((l + 1.0) / freq * freq + 1.0);
}
} // namespace

TEST(RandomEcho, LengthWithAndWithoutCycling)
{
    DocumentFixture f(RampSound(1000, 1000));
    TUnitWave& u = *f.unit;
    u.SetSelection(100, 300);
    u.RndEcho(Echoes(5, 1, 0.1));
    // L = 1000 + (100 + 1) + 1000 / 3400, cut.
    EXPECT_EQ(u.GetValues(), ResultValues(1101, 1000));
    EXPECT_EQ(u.GetCursorPos(), 0); // the selection is ignored and gone
    EXPECT_EQ(u.GetAnchorPos(), 0);
    EXPECT_EQ(u.GetMonoStereo(), 1);
    EXPECT_EQ(u.RandomEchoProps.Count.GetValue(), 5);

    for (int32_t values : {1000, 3000}) {
        DocumentFixture c(RampSound(values, 1000));
        TRandomEchoProps p = Echoes(5, 1, 0.1);
        p.Cyclable = 1;
        c.unit->RndEcho(p);
        EXPECT_EQ(c.unit->GetValues(), ResultValues(101, 1000)) << values;
    }
}

TEST(RandomEcho, SameSeedSameResult)
{
    auto run = [](int32_t seed) {
        DocumentFixture f(RampSound(500, 1000));
        f.unit->RndEcho(Echoes(4, seed, 0.2));
        return Samples(*f.unit->GetSound());
    };
    std::vector<int16_t> first = run(7);
    EXPECT_EQ(first, run(7));
    EXPECT_NE(first, run(8));
}

TEST(RandomEcho, NoEchoesGiveSilenceAndBalanceGivesStereo)
{
    DocumentFixture f(RampSound(500, 1000));
    f.unit->RndEcho(Echoes(0, 1, 0.1));
    for (int16_t v : Samples(*f.unit->GetSound()))
        ASSERT_EQ(v, 0);
    EXPECT_GT(f.unit->GetValues(), 500);

    DocumentFixture g(RampSound(500, 1000));
    TRandomEchoProps p = Echoes(2, 1, 0.1);
    p.BalKind = 1;
    g.unit->RndEcho(p);
    EXPECT_EQ(g.unit->GetMonoStereo(), 2);
    EXPECT_EQ(g.window.soundChanged, 1);
}

TEST(RandomEcho, EnvelopesAreReadFromTheirWaves)
{
    DocumentFixture f(RampSound(500, 1000));
    TUnitWave envelope(RampSound(100, 1000), "Envelope", "e.wav");
    TRandomEchoProps p = Echoes(3, 2, 0.1);
    p.VolumeKind = 2;
    p.VolumeEnvelope.SetName("Envelope");
    p.VolumeEnvelope.SetUnitWave(&envelope);
    p.TempoKind = 1;
    p.TempoEnvelope = p.VolumeEnvelope;
    p.Cyclable = 1;
    f.unit->RndEcho(p);
    EXPECT_TRUE(f.unit->LastCommandChanged());
    EXPECT_EQ(f.messages.Count(), 0u);

    // Without its wave the command is refused and nothing changes.
    p.PitchKind = 1;
    std::shared_ptr<Sound> before = f.unit->GetSound();
    f.unit->RndEcho(p);
    EXPECT_EQ(f.unit->GetSound(), before);
    EXPECT_EQ(f.messages.Count(), 1u);
}
