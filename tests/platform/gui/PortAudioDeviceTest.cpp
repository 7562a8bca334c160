// The PortAudio device for real, without a sound card: ALSA's default device
// is the file plugin over the null device, which writes what is played into
// one raw file and reads what is recorded from another.
#include "support/TempFolder.h"

#include "platform/RecordingMessageService.h"
#include "platform/portaudio/PortAudioDevice.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"
#include "wave/WaveFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// One configuration for the whole test program: ALSA reads it once. It is
// the only file ALSA reads, so no plugin that the machine's configuration
// names is loaded when PortAudio scans the devices.
class AlsaFilePlugin {
public:
    AlsaFilePlugin()
    {
        WriteWholeFile(folder.File("alsa.conf"), "pcm.null {\n"
                                                 "    type null\n"
                                                 "}\n"
                                                 "pcm.default {\n"
                                                 "    type file\n"
                                                 "    slave.pcm \"null\"\n"
                                                 "    file \"" + Played() + "\"\n"
                                                 "    infile \"" + ToRecord() + "\"\n"
                                                 "    format \"raw\"\n"
                                                 "}\n");
        WriteWholeFile(ToRecord(), "");
        ::setenv("ALSA_CONFIG_PATH", folder.File("alsa.conf").c_str(), 1);
        // PortAudio's JACK host starts no sound server for the probe.
        ::setenv("JACK_NO_START_SERVER", "1", 1);
    }
    std::string Played() const { return folder.File("played.raw"); }
    std::string ToRecord() const { return folder.File("torecord.raw"); }
    std::string File(const std::string& name) const { return folder.File(name); }

private:
    TempFolder folder;
};

AlsaFilePlugin& Alsa()
{
    static AlsaFilePlugin alsa;
    return alsa;
}

// Waits for the end reports, which come on PortAudio's thread.
class EndReports {
public:
    void operator()(uint64_t id)
    {
        std::lock_guard lock(mutex);
        ids.push_back(id);
        changed.notify_all();
    }
    // The reports so far, after waiting (generously) for the first one.
    std::vector<uint64_t> WaitForOne()
    {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, std::chrono::seconds(20), [this] { return !ids.empty(); });
        return ids;
    }
    void Clear()
    {
        std::lock_guard lock(mutex);
        ids.clear();
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<uint64_t> ids;
};

SoundPtr MakeTestSound(int channels, int32_t values, int32_t freq, int16_t bytes)
{
    StopFlag stop = 0;
    RefPtr<Wave> left = NewWave(&stop, values);
    RefPtr<Wave> right = NewWave(&stop, values);
    for (int32_t i = 0; i < values; ++i) {
        // Never silence, so that the device's own padding can be told apart.
        const int magnitude = 1 + (i * 97) % 120;
        left->getData()[i] = static_cast<int16_t>(magnitude * 256);
        right->getData()[i] = static_cast<int16_t>(-magnitude * 256 - 3 * (bytes == 2));
    }
    if (channels == 1)
        return std::make_shared<MonoSound>(left, freq, bytes);
    return std::make_shared<StereoSound>(left, right, freq, bytes);
}

// The frames as the .wav file stores them: interleaved, 8-bit unsigned or
// 16-bit signed little-endian.
std::string StoredFrames(const Sound& sound)
{
    std::string bytes;
    for (int32_t i = 0; i < sound.GetValues(); ++i)
        for (int c = 0; c < sound.channels; ++c) {
            const int16_t value = (c == 0 ? sound.GetLeftWave() : sound.GetRightWave())->getData()[i];
            if (sound.bytesPerSample == 1) {
                bytes += static_cast<char>(value / 256 + 128);
            } else {
                bytes += static_cast<char>(value & 0xFF);
                bytes += static_cast<char>((value >> 8) & 0xFF);
            }
        }
    return bytes;
}

// What was played, without the silence the device put before and after it.
std::string WithoutSilence(const std::string& raw, size_t frameBytes, char silence)
{
    auto silent = [&](size_t frame) {
        return raw.compare(frame * frameBytes, frameBytes, std::string(frameBytes, silence)) == 0;
    };
    size_t first = 0, last = raw.size() / frameBytes;
    while (first < last && silent(first))
        ++first;
    while (last > first && silent(last - 1))
        --last;
    return raw.substr(first * frameBytes, (last - first) * frameBytes);
}

struct PortAudioDeviceTest : ::testing::Test {
    PortAudioDeviceTest()
    {
        Alsa();
        device = std::make_unique<PortAudioDevice>();
        device->SetPlayEndHandler([this](uint64_t id) { reports(id); });
    }

    // Puts the frames of expected in the infile, makes the empty wave file of
    // its format at wav, and starts recording into it.
    void StartRecording(const SoundPtr& expected, const std::string& wav)
    {
        WriteWholeFile(Alsa().ToRecord(), StoredFrames(*expected));
        StopFlag stop = 0;
        ASSERT_TRUE(WriteWaveFile(&stop, wav, *expected, 0, 0));
        std::string error;
        ASSERT_TRUE(device->Open(wav, error)) << error;
        ASSERT_TRUE(device->StartRecording(error)) << error;
    }
    // Waits until the device has recorded that many frames, 20 s at most.
    void WaitForRecordedFrames(size_t frames)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (device->RecordedFrames() < frames && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    RecordingMessageService messages;
    EndReports reports;
    std::unique_ptr<PortAudioDevice> device;
};

} // namespace

TEST_F(PortAudioDeviceTest, APlayArrivesSampleForSampleInEachFormat)
{
    struct Case {
        int channels;
        int32_t freq;
        int16_t bytes;
    };
    ASSERT_TRUE(device->Available());
    uint64_t id = 0;
    for (const Case& c : {Case{2, 22050, 2}, Case{1, 11025, 1}, Case{2, 44100, 1}, Case{1, 8000, 2}}) {
        SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.freq << " Hz, " << c.bytes << " bytes");
        const SoundPtr sound = MakeTestSound(c.channels, 3000, c.freq, c.bytes);
        const std::string wav = Alsa().File("play.wav");
        StopFlag stop = 0;
        ASSERT_TRUE(WriteWaveFile(&stop, wav, *sound, 0, sound->GetValues()));
        std::string error;
        ASSERT_TRUE(device->Open(wav, error)) << error;
        EXPECT_EQ(device->Mode(), AudioMode::Stopped);
        ASSERT_TRUE(device->Play(++id, error)) << error;
        ASSERT_EQ(reports.WaitForOne().back(), id);
        EXPECT_EQ(device->Mode(), AudioMode::Stopped);
        device->Close(); // the plugin closes its file
        EXPECT_EQ(device->Mode(), AudioMode::NotReady);

        const size_t frameBytes = static_cast<size_t>(c.channels * c.bytes);
        const std::string played = WithoutSilence(ReadWholeFile(Alsa().Played()), frameBytes, c.bytes == 1 ? '\x80' : 0);
        EXPECT_TRUE(played == StoredFrames(*sound)) << played.size() << " bytes played";
        reports.Clear();
    }
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PortAudioDeviceTest, APauseCutsThePlayWithOneReportAndPlayGoesOnFromThere)
{
    const SoundPtr sound = MakeTestSound(1, 2000000, 44100, 2);
    const std::string wav = Alsa().File("long.wav");
    StopFlag stop = 0;
    ASSERT_TRUE(WriteWaveFile(&stop, wav, *sound, 0, sound->GetValues()));
    std::string error;
    ASSERT_TRUE(device->Open(wav, error)) << error;
    ASSERT_TRUE(device->Play(7, error)) << error;
    device->Pause();
    const AudioMode paused = device->Mode();
    std::vector<uint64_t> ids = reports.WaitForOne();
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids[0], 7u);
    // The null device takes samples as fast as they come: the play may have
    // ended before the pause, then there is nothing to pause.
    if (paused == AudioMode::Paused) {
        device->Pause(); // nothing to do while paused
        EXPECT_EQ(device->Mode(), AudioMode::Paused);
        ASSERT_TRUE(device->Play(8, error)) << error;
        device->Stop();
        EXPECT_EQ(device->Mode(), AudioMode::Stopped);
        ids = reports.WaitForOne();
        ASSERT_EQ(ids.size(), 2u);
        EXPECT_EQ(ids[1], 8u);
    }
    device->Close();
    EXPECT_EQ(reports.WaitForOne().size(), paused == AudioMode::Paused ? 2u : 1u);
}

TEST_F(PortAudioDeviceTest, ARecordingFromTheInfileBecomesTheFilesSamples)
{
    // Stereo 16-bit frames at 22050 Hz in the infile, as raw bytes.
    const SoundPtr expected = MakeTestSound(2, 4410, 22050, 2);
    const std::string wav = Alsa().File("record.wav");
    ASSERT_NO_FATAL_FAILURE(StartRecording(expected, wav));
    EXPECT_EQ(device->Mode(), AudioMode::Recording);
    WaitForRecordedFrames(4410);
    device->Stop();
    std::string error;
    ASSERT_TRUE(device->Save(error)) << error;
    device->Close();

    SoundPtr recorded;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(wav, recorded, text)) << text;
    EXPECT_EQ(recorded->channels, 2);
    EXPECT_EQ(recorded->sampleFreq, 22050);
    EXPECT_EQ(recorded->bytesPerSample, 2);
    ASSERT_GE(recorded->GetValues(), 4410);
    EXPECT_EQ(std::memcmp(recorded->GetLeftWave()->getData(), expected->GetLeftWave()->getData(), 4410 * 2), 0);
    EXPECT_EQ(std::memcmp(recorded->GetRightWave()->getData(), expected->GetRightWave()->getData(), 4410 * 2), 0);
}

TEST_F(PortAudioDeviceTest, AnEightBitMonoRecordingKeepsItsBytes)
{
    const SoundPtr expected = MakeTestSound(1, 3000, 11025, 1);
    const std::string wav = Alsa().File("record8.wav");
    ASSERT_NO_FATAL_FAILURE(StartRecording(expected, wav));
    WaitForRecordedFrames(3000);
    std::string error;
    ASSERT_TRUE(device->Save(error)) << error; // stops the capture first
    device->Close();

    SoundPtr recorded;
    std::string text;
    ASSERT_TRUE(ReadWaveFile(wav, recorded, text)) << text;
    EXPECT_EQ(recorded->channels, 1);
    EXPECT_EQ(recorded->bytesPerSample, 1);
    ASSERT_GE(recorded->GetValues(), 3000);
    EXPECT_EQ(std::memcmp(recorded->GetLeftWave()->getData(), expected->GetLeftWave()->getData(), 3000 * 2), 0);
}
