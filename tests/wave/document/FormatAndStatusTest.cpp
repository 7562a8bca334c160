#include "DocumentFakes.h"
#include "wave/MainFormAccess.h"

#include <gtest/gtest.h>

TEST(ChangeFileProps, ResamplingScalesTheMarks)
{
    DocumentFixture f(RampSound(44100, 44100));
    TUnitWave& u = *f.unit;
    u.SetSelection(1001, 3001);
    u.ChangeFileProps(TWaveFileProps(1, 44100, 2), TWaveFileProps(1, 22050, 2));
    EXPECT_EQ(u.GetSampleFreq(), 22050u);
    EXPECT_NEAR(u.GetValues(), 22050, 1);
    EXPECT_EQ(u.GetSelectBegin(), 500);
    EXPECT_EQ(u.GetSelectEnd(), 1500);
    EXPECT_EQ(f.window.soundChanged, 1);
    EXPECT_EQ(f.window.icon, -1); // channels unchanged

    u.ChangeFileProps(TWaveFileProps(1, 22050, 2), TWaveFileProps(1, 44100, 2));
    EXPECT_EQ(u.GetSelectBegin(), 1000);
    EXPECT_EQ(u.GetSelectEnd(), 3000);
}

TEST(ChangeFileProps, ChannelsChangeTheIconAndTheSound)
{
    DocumentFixture f(RampSound(100, 44100, 2));
    TUnitWave& u = *f.unit;
    u.ChangeFileProps(TWaveFileProps(2, 44100, 2), TWaveFileProps(1, 44100, 2));
    EXPECT_EQ(u.GetMonoStereo(), 1);
    EXPECT_EQ(f.window.icon, 1);
    EXPECT_EQ(u.GetSound()->GetLeftWave()->getData()[10], 0); // the mean of 10 and -10
    u.ChangeFileProps(TWaveFileProps(1, 44100, 2), TWaveFileProps(2, 22050, 1));
    EXPECT_EQ(u.GetMonoStereo(), 2);
    EXPECT_EQ(u.GetBytesPSample(), 1);
    EXPECT_EQ(u.GetSampleFreq(), 22050u);
    EXPECT_EQ(f.window.icon, 2);
    EXPECT_EQ(f.window.soundChanged, 2);

    // A format no sound can have is reported and changes nothing.
    std::shared_ptr<Sound> before = u.GetSound();
    u.ChangeFileProps(TWaveFileProps(2, 22050, 1), TWaveFileProps(2, 0, 1));
    u.ChangeFileProps(TWaveFileProps(2, 22050, 1), TWaveFileProps(2, 22050, 3));
    EXPECT_EQ(u.GetSound(), before);
    EXPECT_EQ(f.messages.Count(), 2u);
}

TEST(WaveStatus, PanelTexts)
{
    struct Case {
        int32_t values;
        int channels;
        const char* size;
    };
    // Bytes = values * channels * 2.
    const Case cases[] = {
        {0, 1, "0 b"},         {511, 1, "1022 b"},       {512, 1, "1.00 kb"},
        {5120, 1, "10.0 kb"},  {51200, 1, "100 kb"},     {262144, 2, "1.00 Mb"},
        {2621440, 2, "10.0 Mb"},
    };
    for (const Case& c : cases) {
        DocumentFixture f(RampSound(c.values, 44100, c.channels));
        EXPECT_EQ(f.unit->WaveStatusTexts()[4], c.size) << c.values;
    }
    DocumentFixture odd(std::make_shared<MonoSound>(RampSound(1023)->GetLeftWave(), 44100, 1));
    EXPECT_EQ(odd.unit->WaveStatusTexts()[4], "1023 b");

    DocumentFixture f(RampSound(44100, 44100, 2));
    std::array<std::string, 6> texts = f.unit->WaveStatusTexts();
    EXPECT_EQ(texts[2], "16");
    EXPECT_EQ(texts[3], "ST");
    EXPECT_EQ(texts[5], "");
    // A time in hours, minutes and seconds (five decimals) and a frequency in hz.
    EXPECT_EQ(texts[0], "1.00000 s");
    EXPECT_EQ(texts[1], "44100 hz");
    f.unit->SetChanged();
    EXPECT_EQ(f.unit->WaveStatusTexts()[5], "Changed");

    DocumentFixture unsaved(std::make_shared<MonoSound>(44100, 1), "");
    texts = unsaved.unit->WaveStatusTexts();
    EXPECT_EQ(texts[5], "New"); // even when nothing changed
    EXPECT_EQ(texts[2], "8");
    EXPECT_EQ(texts[3], "MO");
    EXPECT_EQ(texts[4], "0 b");

    // The texts go to panels 2 to 7.
    f.unit->ShowWaveStatus();
    EXPECT_EQ(MainForm().GetWaveStatusPanel(3)->GetText(), f.unit->WaveStatusTexts()[1]);
}

TEST(WaveStatus, LengthWhileDrawingIsTheDrawnLength)
{
    DocumentFixture f(std::make_shared<MonoSound>(1000, 2));
    f.unit->StartUserDraw(DrawLinear);
    TLengthProps twice;
    twice.LengthFactor.SetValue(2.0);
    f.unit->Length(twice);
    DocumentFixture plain(RampSound(2000, 1000));
    EXPECT_EQ(f.unit->WaveStatusTexts()[0], plain.unit->WaveStatusTexts()[0]);
}
