#include "wave/WaveFile.h"

#include "platform/AllocationHook.h"
#include "platform/RecordingMessageService.h"
#include "support/TempFolder.h"
#include "SoundTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include <sys/stat.h>

namespace {

uint32_t Le32(const std::string& bytes, size_t at)
{
    return static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8) |
           (static_cast<uint8_t>(bytes[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24);
}

uint16_t Le16(const std::string& bytes, size_t at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

std::string U16(uint16_t v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string U32(uint32_t v)
{
    return U16(static_cast<uint16_t>(v & 0xFFFF)) + U16(static_cast<uint16_t>(v >> 16));
}

// A .wav file put together field by field, so each test can spoil one field.
struct WavBytes {
    std::string riff = "RIFF";
    std::string form = "WAVEfmt ";
    uint32_t formatSize = 16;
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t freq = 8000;
    uint16_t bits = 16;
    std::string formatExtra;
    std::string beforeData;
    std::string dataId = "data";
    uint32_t dataSize = 0xFFFFFFFF; // all of data
    std::string data;

    std::string Build() const
    {
        const uint16_t align = static_cast<uint16_t>(channels * (bits / 8));
        std::string s = riff + U32(36 + static_cast<uint32_t>(data.size())) + form + U32(formatSize) + U16(tag) +
                        U16(channels) + U32(freq) + U32(freq * align) + U16(align) + U16(bits) + formatExtra +
                        beforeData + dataId;
        s += U32(dataSize == 0xFFFFFFFF ? static_cast<uint32_t>(data.size()) : dataSize);
        return s + data;
    }
};

bool ReadBytes(const std::string& bytes, SoundPtr& sound, std::string& text)
{
    return ReadWaveFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), sound, text);
}

class WaveFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingMessageService messages;
    StopFlag stop = 0;
};

struct RoundTrip {
    int16_t channels;
    int16_t bytes;
};

class WaveFileRoundTrip : public WaveFileTest, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(WaveFileRoundTrip, WritesTheHeaderAndReadsTheSamplesBack)
{
    const RoundTrip p = GetParam();
    const Samples left = {0, 1, -1, 255, -255, -256, 32767, -32768, 12345, -12345};
    const Samples right = {5, -5, 300, -300, 1000, -1000, 20000, -20000, 7, -7};
    SoundPtr sound = p.channels == 1 ? SoundPtr(Mono(left, 22050, p.bytes)) : SoundPtr(Stereo(left, right, 22050, p.bytes));
    const std::string name = folder.File("round.wav");

    ASSERT_TRUE(sound->SaveWaveFile(&stop, name, 2, 9));
    const std::string bytes = ReadWholeFile(name);
    const uint32_t dataSize = static_cast<uint32_t>(p.channels * 7 * p.bytes);
    ASSERT_EQ(bytes.size(), 44 + dataSize);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(Le32(bytes, 4), 36 + dataSize);
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(bytes, 16), 16u);
    EXPECT_EQ(Le16(bytes, 20), 1);
    EXPECT_EQ(Le16(bytes, 22), p.channels);
    EXPECT_EQ(Le32(bytes, 24), 22050u);
    EXPECT_EQ(Le32(bytes, 28), static_cast<uint32_t>(22050 * p.channels * p.bytes));
    EXPECT_EQ(Le16(bytes, 32), p.channels * p.bytes);
    EXPECT_EQ(Le16(bytes, 34), 8 * p.bytes);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(Le32(bytes, 40), dataSize);

    SoundPtr back;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(name, back, text));
    EXPECT_EQ(text, "No errors occurred.");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->channels, p.channels);
    EXPECT_EQ(back->sampleFreq, 22050);
    EXPECT_EQ(back->GetBytesPSample(), p.bytes);
    // 8 bits keep the quotient by 256, truncated toward zero.
    auto stored = [&](const Samples& s) {
        Samples out(s.begin() + 2, s.begin() + 9);
        if (p.bytes == 1)
            for (auto& v : out)
                v = static_cast<int16_t>(v / 256 * 256);
        return out;
    };
    EXPECT_EQ(LeftOf(*back), stored(left));
    EXPECT_EQ(RightOf(*back), p.channels == 1 ? stored(left) : stored(right));
    EXPECT_EQ(messages.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Formats, WaveFileRoundTrip,
                         ::testing::Values(RoundTrip{1, 1}, RoundTrip{1, 2}, RoundTrip{2, 1}, RoundTrip{2, 2}));

// Long enough for several of the blocks frames are moved in and for every
// lane of the packed conversions, with a tail that fills neither: every byte
// written is the sample's little-endian bytes (or its 8-bit quotient), every
// sample read back is the one stored, and a cut last frame is left out.
TEST_P(WaveFileRoundTrip, LongFilesKeepEverySampleAcrossBlocks)
{
    const RoundTrip p = GetParam();
    const int32_t n = 2 * 262144 + 45;
    Samples left(static_cast<size_t>(n));
    Samples right(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        left[static_cast<size_t>(i)] = static_cast<int16_t>(i * 40503);
        right[static_cast<size_t>(i)] = static_cast<int16_t>(~(i * 7919));
    }
    SoundPtr sound = p.channels == 1 ? SoundPtr(Mono(left, 8000, p.bytes)) : SoundPtr(Stereo(left, right, 8000, p.bytes));
    const std::string name = folder.File("long.wav");
    const int32_t begin = 3;
    const int32_t end = n - 1;
    ASSERT_TRUE(sound->SaveWaveFile(&stop, name, begin, end));

    std::string data;
    Samples storedLeft;
    Samples storedRight;
    auto put = [&](int16_t v, Samples& stored) {
        if (p.bytes == 1) {
            data += static_cast<char>(static_cast<uint8_t>(v / 256 + 128));
            stored.push_back(static_cast<int16_t>(v / 256 * 256));
        } else {
            data += U16(static_cast<uint16_t>(v));
            stored.push_back(v);
        }
    };
    for (int32_t i = begin; i < end; ++i) {
        put(left[static_cast<size_t>(i)], storedLeft);
        if (p.channels == 2)
            put(right[static_cast<size_t>(i)], storedRight);
    }
    const std::string bytes = ReadWholeFile(name);
    ASSERT_EQ(bytes.size(), 44 + data.size());
    EXPECT_TRUE(bytes.compare(44, std::string::npos, data) == 0);

    SoundPtr back;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(name, back, text));
    EXPECT_TRUE(LeftOf(*back) == storedLeft);
    EXPECT_TRUE(RightOf(*back) == (p.channels == 1 ? storedLeft : storedRight));

    // The same bytes in memory, cut inside the last frame.
    ASSERT_TRUE(ReadBytes(bytes.substr(0, bytes.size() - 1), back, text));
    storedLeft.pop_back();
    if (p.channels == 2)
        storedRight.pop_back();
    EXPECT_TRUE(LeftOf(*back) == storedLeft);
    EXPECT_TRUE(RightOf(*back) == (p.channels == 1 ? storedLeft : storedRight));
    // Only the cut file is told about, as shorter than its header says.
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("is shorter than its header says"), std::string::npos);
}

TEST_F(WaveFileTest, AnEmptySoundIsA44ByteFileAndReadsBackEmpty)
{
    StereoSound empty(11025, 1);
    const std::string name = folder.File("empty.wav");
    ASSERT_TRUE(WriteWaveFile(&stop, name, empty, 0, 0));
    const std::string bytes = ReadWholeFile(name);
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(Le32(bytes, 4), 36u);
    EXPECT_EQ(Le32(bytes, 40), 0u);

    SoundPtr back;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(name, back, text));
    EXPECT_EQ(back->channels, 2);
    EXPECT_EQ(back->sampleFreq, 11025);
    EXPECT_EQ(back->GetBytesPSample(), 1);
    EXPECT_EQ(back->GetValues(), 0);
}

TEST_F(WaveFileTest, EightBitSamplesMapToAndFromBytes)
{
    WavBytes w;
    w.bits = 8;
    w.data = std::string("\x00\x80\xFF", 3);
    SoundPtr sound;
    std::string text;
    ASSERT_TRUE(ReadBytes(w.Build(), sound, text));
    EXPECT_EQ(LeftOf(*sound), (Samples{-32768, 0, 32512}));

    const std::string name = folder.File("eight.wav");
    ASSERT_TRUE(Mono({-32768, 0, 32512, -255, -256}, 8000, 1)->SaveWaveFile(&stop, name, 0, 5));
    EXPECT_EQ(ReadWholeFile(name).substr(44), std::string("\x00\x80\xFF\x80\x7F", 5));
}

struct Accepted {
    const char* what;
    WavBytes file;
    int16_t channels;
    int16_t bytes;
    Samples left;
};

WavBytes With(void (*change)(WavBytes&))
{
    WavBytes w;
    w.data = U16(100) + U16(static_cast<uint16_t>(-200)) + U16(300) + U16(static_cast<uint16_t>(-400));
    change(w);
    return w;
}

TEST_F(WaveFileTest, AcceptsWhatTheWriterDoesNotWrite)
{
    const Accepted cases[] = {
        {"a fact chunk before the data", With([](WavBytes& w) { w.beforeData = "fact" + U32(4) + U32(123); }), 1, 2,
         {100, -200, 300, -400}},
        {"a list chunk before the data", With([](WavBytes& w) { w.beforeData = "LIST" + U32(4) + "abcd"; }), 1, 2,
         {100, -200, 300, -400}},
        {"an odd-sized chunk and its pad byte before the data",
         With([](WavBytes& w) { w.beforeData = "LIST" + U32(3) + "abc" + std::string(1, '\0') + "fact" + U32(4) + U32(9); }),
         1, 2, {100, -200, 300, -400}},
        {"a format chunk of 18 bytes", With([](WavBytes& w) {
             w.formatSize = 18;
             w.formatExtra = U16(0);
         }),
         1, 2, {100, -200, 300, -400}},
        {"4 bits per sample as 16-bit samples", With([](WavBytes& w) { w.bits = 4; }), 1, 2, {100, -200, 300, -400}},
        {"a data size that is no whole number of frames", With([](WavBytes& w) {
             w.channels = 2;
             w.dataSize = 7;
         }),
         2, 2, {100}},
        {"bytes after the data", With([](WavBytes& w) {
             w.dataSize = 4;
             w.data += "LIST";
         }),
         1, 2, {100, -200}},
        {"a data chunk of 0 bytes", With([](WavBytes& w) { w.data.clear(); }), 1, 2, {}},
        {"a 16-bit file shorter than one sample", With([](WavBytes& w) { w.data = "x"; }), 1, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SoundPtr sound;
        std::string text;
        ASSERT_TRUE(ReadBytes(c.file.Build(), sound, text)) << text;
        EXPECT_EQ(text, "No errors occurred.");
        EXPECT_EQ(sound->channels, c.channels);
        EXPECT_EQ(sound->GetBytesPSample(), c.bytes);
        EXPECT_EQ(LeftOf(*sound), c.left);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

struct Refused {
    const char* what;
    std::string bytes;
    std::string text;
};

TEST_F(WaveFileTest, RefusesMalformedFilesWithTheirReason)
{
    const std::string dq = "\"";
    const Refused cases[] = {
        {"no bytes", "", dq + "RIFF" + dq + " not found."},
        {"another container", With([](WavBytes& w) { w.riff = "RIFX"; }).Build(), dq + "RIFF" + dq + " not found."},
        {"another form", With([](WavBytes& w) { w.form = "AVI fmt "; }).Build(), dq + "WAVEfmt " + dq + " not found."},
        {"a header cut after the form", With([](WavBytes&) {}).Build().substr(0, 16), "chunk too small."},
        {"a format chunk of 14 bytes", With([](WavBytes& w) { w.formatSize = 14; }).Build(), "chunk too small."},
        {"a header cut inside the format", With([](WavBytes&) {}).Build().substr(0, 30), "chunk too small."},
        {"format tag 3", With([](WavBytes& w) { w.tag = 3; }).Build(), "A value must be 1."},
        {"format tag 3 in a header cut after it", With([](WavBytes& w) { w.tag = 3; }).Build().substr(0, 22),
         "A value must be 1."},
        {"6 channels in a header cut after them", With([](WavBytes& w) { w.channels = 6; }).Build().substr(0, 24),
         "MonoStereo must be 1 or 2."},
        {"6 channels", With([](WavBytes& w) { w.channels = 6; }).Build(), "MonoStereo must be 1 or 2."},
        {"0 channels", With([](WavBytes& w) { w.channels = 0; }).Build(), "MonoStereo must be 1 or 2."},
        {"24 bits per sample", With([](WavBytes& w) { w.bits = 24; }).Build(),
         "Only 8 or 16 bits per sample are supported."},
        {"0 bits per sample", With([](WavBytes& w) { w.bits = 0; }).Build(),
         "Only 8 or 16 bits per sample are supported."},
        {"sample frequency 0", With([](WavBytes& w) { w.freq = 0; }).Build(), "The sample frequency must be above 0."},
        {"a negative sample frequency", With([](WavBytes& w) { w.freq = 0x80000000u; }).Build(),
         "The sample frequency must be above 0."},
        {"a chunk before the data that runs past the end",
         With([](WavBytes& w) { w.beforeData = "LIST" + U32(400) + "abcd"; }).Build(), dq + "data" + dq + " not found."},
        {"no data chunk", With([](WavBytes&) {}).Build().substr(0, 36), dq + "data" + dq + " not found."},
        {"a format size past the end", With([](WavBytes& w) { w.formatSize = 0x7FFFFFFF; }).Build(),
         dq + "data" + dq + " not found."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SoundPtr sound = Mono({1});
        std::string text;
        EXPECT_FALSE(ReadBytes(c.bytes, sound, text));
        EXPECT_EQ(text, c.text);
        EXPECT_FALSE(sound);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WaveFileTest, OnlyARegularFileIsOpened)
{
    // A named pipe would wait for a writer for ever.
    const std::string pipe = folder.File("pipe.wav");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {folder.File("missing.wav"), "Cannot open File."},
        {folder.Path().string(), "Cannot open File: it is not a regular file."},
        {pipe, "Cannot open File: it is not a regular file."},
    };
    for (const auto& [name, reason] : cases) {
        SoundPtr sound;
        std::string text;
        EXPECT_FALSE(ReadWaveFile(name, sound, text));
        EXPECT_EQ(text, reason);
        EXPECT_FALSE(sound);
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(WaveFileTest, AFileShorterThanItsHeaderKeepsItsSamplesAndSaysOnceHowMuchWasRead)
{
    // The header promises 3 s at 8000 Hz; the file holds 0.34 s of them.
    WavBytes w;
    w.dataSize = 3 * 8000 * 2;
    for (int i = 0; i < 2720; ++i)
        w.data += U16(static_cast<uint16_t>(i - 1000));
    const std::string name = folder.File("cut.wav");
    WriteWholeFile(name, w.Build());

    SoundPtr sound;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(name, sound, text)) << text;
    EXPECT_EQ(text, "No errors occurred.");
    ASSERT_EQ(sound->GetValues(), 2720);
    EXPECT_EQ(sound->GetLeftWave()->getData()[0], -1000);
    EXPECT_EQ(sound->GetLeftWave()->getData()[2719], 1719);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "The file \"" + name +
                                        "\" is shorter than its header says: only 0.34 s (2720 samples) of its 3 s "
                                        "could be read.");
    EXPECT_EQ(messages.Last().caption, "File Error");

    // A stereo 8-bit file cut inside its first frame keeps nothing, and says so.
    WavBytes empty = With([](WavBytes& b) {
        b.channels = 2;
        b.bits = 8;
        b.dataSize = 16000;
        b.data = "x";
    });
    ASSERT_TRUE(ReadBytes(empty.Build(), sound, text));
    EXPECT_EQ(sound->GetValues(), 0);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, "The file is shorter than its header says: only 0 s (0 samples) of its 1 s could "
                                    "be read.");
}

TEST_F(WaveFileTest, ALackOfMemoryIsShownAndReported)
{
    SoundPtr sound;
    std::string text;
    AllocationHook::FailNext(1);
    EXPECT_FALSE(ReadBytes(With([](WavBytes&) {}).Build(), sound, text));
    AllocationHook::Reset();
    EXPECT_EQ(text, "There is not enough memmory for this operation.");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "System Error");
}

TEST_F(WaveFileTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    const std::string name = folder.File("kept.wav");
    WriteWholeFile(name, "old contents");
    std::filesystem::permissions(name, std::filesystem::perms::owner_read);

    EXPECT_FALSE(Mono({1, 2, 3})->SaveWaveFile(&stop, name, 0, 3));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              "Cannot save Wave: Operating System cannot open file for writing, maybe the file is readonly.");
    EXPECT_EQ(messages.Last().caption, "FileError");
    EXPECT_EQ(messages.Last().icon, MsgIcon::Information);
    std::filesystem::permissions(name, std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadWholeFile(name), "old contents");

    EXPECT_FALSE(Mono({1})->SaveWaveFile(&stop, folder.File("no/such/folder.wav"), 0, 1));
    EXPECT_FALSE(Mono({1})->SaveWaveFile(&stop, "", 0, 1));
    EXPECT_FALSE(Mono({1})->SaveWaveFile(&stop, folder.Path().string(), 0, 1));
    EXPECT_EQ(messages.Count(), 4u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(WaveFileTest, AnyNameTheFileSystemTakesCanBeSavedAndALongerOneIsToldSo)
{
    // The temporary name is short: a name of 255 bytes saves like any other.
    const std::string longest = folder.File(std::string(251, 'a') + ".wav");
    ASSERT_TRUE(Mono({1, 2})->SaveWaveFile(&stop, longest, 0, 2));
    EXPECT_EQ(ReadWholeFile(longest).size(), 48u);

    EXPECT_FALSE(Mono({1, 2})->SaveWaveFile(&stop, folder.File(std::string(252, 'a') + ".wav"), 0, 2));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              "Cannot save Wave: Operating System cannot open file for writing: the file name is too long.");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(WaveFileTest, AWriteReplacesAnExistingFile)
{
    const std::string name = folder.File("replaced.wav");
    WriteWholeFile(name, std::string(1000, 'x'));
    ASSERT_TRUE(Mono({7, 8})->SaveWaveFile(&stop, name, 0, 2));
    EXPECT_EQ(ReadWholeFile(name).size(), 48u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

} // namespace
