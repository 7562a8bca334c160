#include "wave/WaveFile.h"

#include "foundation/GuiMessages.h"
#include "platform/MessageService.h"
#include "platform/RegularFile.h"
#include "platform/SafeFileWriter.h"
#include "wave/MonoSound.h"
#include "wave/StereoSound.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const std::string dq = "\"";
const std::string NoErrors = "No errors occurred.";

// Frames are moved through a buffer of this many bytes (a multiple of every
// frame size): large enough that the system calls cost nothing beside the copy.
constexpr size_t BlockBytes = 1024 * 1024;

uint16_t Get16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Get32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

void Put16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// -32768 -> 0, -1..255 -> 128, 32767 -> 255: the quotient truncates toward zero.
uint8_t ToByteSample(int16_t v)
{
    return static_cast<uint8_t>(v / 256 + 128);
}

constexpr int16_t FromByteSample(uint8_t b)
{
    return static_cast<int16_t>((b - 128) * 256);
}

// ---- frames in blocks ----
// The conversions between a block of little-endian frames and the channels,
// whole blocks at a time. On a little-endian machine with packed integer
// instructions the 16-bit ones move eight frames per step.

constexpr bool LittleEndian = std::endian::native == std::endian::little;

struct ByteSampleTable {
    int16_t sample[256];
    constexpr ByteSampleTable() : sample()
    {
        for (int b = 0; b < 256; ++b)
            sample[b] = FromByteSample(static_cast<uint8_t>(b));
    }
};
constexpr ByteSampleTable ByteSamples;

void FromFrames8(const uint8_t* p, size_t frames, int16_t* left, int16_t* right)
{
    if (!right) {
        for (size_t i = 0; i < frames; ++i)
            left[i] = ByteSamples.sample[p[i]];
        return;
    }
    for (size_t i = 0; i < frames; ++i) {
        left[i] = ByteSamples.sample[p[2 * i]];
        right[i] = ByteSamples.sample[p[2 * i + 1]];
    }
}

void FromFrames16(const uint8_t* p, size_t frames, int16_t* left, int16_t* right)
{
    if (!right) {
        if constexpr (LittleEndian) {
            std::memcpy(left, p, frames * 2);
        } else {
            for (size_t i = 0; i < frames; ++i)
                left[i] = static_cast<int16_t>(Get16(p + 2 * i));
        }
        return;
    }
    size_t i = 0;
#if defined(__SSE2__)
    if constexpr (LittleEndian) {
        // Each 32-bit lane holds a frame: its low half is the left sample, its
        // high half the right one; both are sign-extended and packed back.
        for (; i + 8 <= frames; i += 8) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4 * i + 16));
            const __m128i l = _mm_packs_epi32(_mm_srai_epi32(_mm_slli_epi32(a, 16), 16),
                                              _mm_srai_epi32(_mm_slli_epi32(b, 16), 16));
            const __m128i r = _mm_packs_epi32(_mm_srai_epi32(a, 16), _mm_srai_epi32(b, 16));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(left + i), l);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(right + i), r);
        }
    }
#endif
    for (; i < frames; ++i) {
        left[i] = static_cast<int16_t>(Get16(p + 4 * i));
        right[i] = static_cast<int16_t>(Get16(p + 4 * i + 2));
    }
}

void ToFrames8(const int16_t* left, const int16_t* right, size_t frames, uint8_t* p)
{
    if (!right) {
        for (size_t i = 0; i < frames; ++i)
            p[i] = ToByteSample(left[i]);
        return;
    }
    for (size_t i = 0; i < frames; ++i) {
        p[2 * i] = ToByteSample(left[i]);
        p[2 * i + 1] = ToByteSample(right[i]);
    }
}

void ToFrames16(const int16_t* left, const int16_t* right, size_t frames, uint8_t* p)
{
    if (!right) {
        if constexpr (LittleEndian) {
            std::memcpy(p, left, frames * 2);
        } else {
            for (size_t i = 0; i < frames; ++i)
                Put16(p + 2 * i, static_cast<uint16_t>(left[i]));
        }
        return;
    }
    size_t i = 0;
#if defined(__SSE2__)
    if constexpr (LittleEndian) {
        for (; i + 8 <= frames; i += 8) {
            const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(left + i));
            const __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i*>(right + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * i), _mm_unpacklo_epi16(l, r));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * i + 16), _mm_unpackhi_epi16(l, r));
        }
    }
#endif
    for (; i < frames; ++i) {
        Put16(p + 4 * i, static_cast<uint16_t>(left[i]));
        Put16(p + 4 * i + 2, static_cast<uint16_t>(right[i]));
    }
}

// ---- reading ----

// Where the bytes come from: a file or memory. Read gives the count actually read.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual size_t Read(void* to, size_t n) = 0;
    // False when the position would pass the end.
    virtual bool Skip(uint64_t n) = 0;
    virtual uint64_t Remaining() const = 0;

    bool ReadExactly(void* to, size_t n) { return Read(to, n) == n; }
};

class MemorySource : public ByteSource {
public:
    MemorySource(const uint8_t* bytes, size_t size) : bytes(bytes), size(size) {}
    size_t Read(void* to, size_t n) override
    {
        n = std::min(n, size - pos);
        if (n > 0)
            std::memcpy(to, bytes + pos, n);
        pos += n;
        return n;
    }
    bool Skip(uint64_t n) override
    {
        if (n > size - pos) {
            pos = size;
            return false;
        }
        pos += static_cast<size_t>(n);
        return true;
    }
    uint64_t Remaining() const override { return size - pos; }

private:
    const uint8_t* bytes;
    size_t size;
    size_t pos = 0;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file(file)
    {
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long end = std::ftell(file);
            size = end > 0 ? static_cast<uint64_t>(end) : 0;
        }
        std::fseek(file, 0, SEEK_SET);
    }
    size_t Read(void* to, size_t n) override
    {
        const size_t got = std::fread(to, 1, n, file);
        pos += got;
        return got;
    }
    bool Skip(uint64_t n) override
    {
        if (n > Remaining()) {
            pos = size;
            std::fseek(file, 0, SEEK_END);
            return false;
        }
        pos += n;
        return std::fseek(file, static_cast<long>(pos), SEEK_SET) == 0;
    }
    uint64_t Remaining() const override { return pos < size ? size - pos : 0; }

private:
    std::FILE* file;
    uint64_t size = 0;
    uint64_t pos = 0;
};

// How much of the data chunk a file really held, for the notice of a file cut short.
struct TShortFile {
    uint64_t declaredFrames = 0;
    uint64_t readFrames = 0;
    int32_t sampleFreq = 1;

    bool IsShort() const { return readFrames < declaredFrames; }
};

std::string SecondsText(uint64_t frames, int32_t sampleFreq)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(frames) / std::max(sampleFreq, 1));
    std::string result = text;
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    return result;
}

// Told once per read: the samples there are kept, the user learns that the rest is missing.
void ShowShortFile(const std::string& file, const TShortFile& shortFile)
{
    ShowMessage(file + " is shorter than its header says: only " +
                    SecondsText(shortFile.readFrames, shortFile.sampleFreq) + " s (" +
                    std::to_string(shortFile.readFrames) + " samples) of its " +
                    SecondsText(shortFile.declaredFrames, shortFile.sampleFreq) + " s could be read.",
                "File Error", MsgIcon::Exclamation);
}

struct Format {
    int16_t channels = 0;
    int32_t sampleFreq = 0;
    int16_t bytesPerSample = 0;
};

// The header up to and including the data chunk's size. False with the reason in text.
bool ReadHeader(ByteSource& in, Format& format, uint32_t& dataSize, std::string& text)
{
    uint8_t b[16];
    if (!in.ReadExactly(b, 4) || std::memcmp(b, "RIFF", 4) != 0) {
        text = dq + "RIFF" + dq + " not found.";
        return false;
    }
    if (!in.ReadExactly(b, 4) || !in.ReadExactly(b, 8) || std::memcmp(b, "WAVEfmt ", 8) != 0) {
        text = dq + "WAVEfmt " + dq + " not found.";
        return false;
    }
    if (!in.ReadExactly(b, 4) || Get32(b) < 16) {
        text = "chunk too small.";
        return false;
    }
    const uint32_t formatSize = Get32(b);
    // Each field is judged as soon as it is read, so a cut file is refused for
    // the first field that is wrong.
    if (!in.ReadExactly(b, 2)) {
        text = "chunk too small.";
        return false;
    }
    if (Get16(b) != 1) {
        text = "A value must be 1.";
        return false;
    }
    if (!in.ReadExactly(b + 2, 2)) {
        text = "chunk too small.";
        return false;
    }
    format.channels = static_cast<int16_t>(Get16(b + 2));
    if (format.channels < 1 || format.channels > 2) {
        text = "MonoStereo must be 1 or 2.";
        return false;
    }
    if (!in.ReadExactly(b + 4, 12)) {
        text = "chunk too small.";
        return false;
    }
    format.sampleFreq = static_cast<int32_t>(Get32(b + 4));
    if (format.sampleFreq <= 0) {
        text = "The sample frequency must be above 0.";
        return false;
    }
    const uint16_t bitsPerSample = Get16(b + 14);
    if (bitsPerSample != 4 && bitsPerSample != 8 && bitsPerSample != 16) {
        text = "Only 8 or 16 bits per sample are supported.";
        return false;
    }
    format.bytesPerSample = bitsPerSample == 4 ? 2 : static_cast<int16_t>(bitsPerSample / 8);
    in.Skip(formatSize - 16);

    // Chunks before the data ("fact", "LIST", ...) are skipped, padded to an even size.
    while (in.ReadExactly(b, 8)) {
        if (std::memcmp(b, "data", 4) == 0) {
            dataSize = Get32(b + 4);
            return true;
        }
        const uint64_t chunkSize = Get32(b + 4);
        if (!in.Skip(chunkSize + (chunkSize & 1)))
            break;
    }
    text = dq + "data" + dq + " not found.";
    return false;
}

// Frames of 16-bit mono samples go straight into the buffer.
size_t ReadMono16(ByteSource& in, int16_t* out, size_t frames)
{
    const size_t got = in.Read(out, frames * 2) / 2;
    if constexpr (!LittleEndian) {
        auto* p = reinterpret_cast<uint8_t*>(out);
        for (size_t i = 0; i < got; ++i)
            out[i] = static_cast<int16_t>(Get16(p + 2 * i));
    }
    return got;
}

// Every other layout goes through a block buffer, converted a block at a time;
// the count of whole frames read.
size_t ReadFrames(ByteSource& in, const Format& format, int16_t* left, int16_t* right, size_t frames)
{
    const size_t frameBytes = static_cast<size_t>(format.channels) * format.bytesPerSample;
    std::vector<uint8_t> block(std::min(BlockBytes, frames * frameBytes));
    const size_t framesPerBlock = block.size() / frameBytes;
    size_t done = 0;
    while (done < frames) {
        const size_t want = std::min(frames - done, framesPerBlock);
        const size_t whole = in.Read(block.data(), want * frameBytes) / frameBytes;
        if (format.bytesPerSample == 1)
            FromFrames8(block.data(), whole, left + done, right ? right + done : nullptr);
        else
            FromFrames16(block.data(), whole, left + done, right ? right + done : nullptr);
        done += whole;
        if (whole < want)
            break;
    }
    return done;
}

bool ReadWave(ByteSource& in, SoundPtr& sound, std::string& text, TShortFile& shortFile)
{
    sound.reset();
    Format format;
    uint32_t dataSize = 0;
    if (!ReadHeader(in, format, dataSize, text))
        return false;

    // A corrupt size must not make us allocate more than the file can hold.
    const uint64_t available = std::min<uint64_t>(dataSize, in.Remaining());
    const uint64_t frameBytes = static_cast<uint64_t>(format.channels) * format.bytesPerSample;
    const uint64_t frames64 = available / frameBytes;
    shortFile.declaredFrames = dataSize / frameBytes;
    shortFile.sampleFreq = format.sampleFreq;
    if (frames64 > static_cast<uint64_t>(INT32_MAX)) {
        text = "The file is too large.";
        return false;
    }
    const auto frames = static_cast<int32_t>(frames64);
    if (frames == 0) {
        if (format.channels == 1)
            sound = std::make_shared<MonoSound>(format.sampleFreq, format.bytesPerSample);
        else
            sound = std::make_shared<StereoSound>(format.sampleFreq, format.bytesPerSample);
        text = NoErrors;
        return true;
    }

    SampleBuffer left = AllocSamples(frames);
    SampleBuffer right;
    if (AllocationSucceeded(left) && format.channels == 2) {
        right = AllocSamples(frames);
        if (!AllocationSucceeded(right))
            FreeSamples(left);
    }
    if (!left) {
        text = "There is not enough memmory for this operation.";
        return false;
    }

    const size_t got = format.channels == 1 && format.bytesPerSample == 2
                           ? ReadMono16(in, left.get(), static_cast<size_t>(frames))
                           : ReadFrames(in, format, left.get(), right.get(), static_cast<size_t>(frames));
    // A file that ends early keeps the frames it has; the caller says so.
    const auto count = static_cast<int32_t>(got);
    shortFile.readFrames = got;
    RefPtr<Wave> waveLeft(new Wave(std::move(left), count));
    if (format.channels == 1) {
        sound = std::make_shared<MonoSound>(std::move(waveLeft), format.sampleFreq, format.bytesPerSample);
    } else {
        RefPtr<Wave> waveRight(new Wave(std::move(right), count));
        sound = std::make_shared<StereoSound>(std::move(waveLeft), std::move(waveRight), format.sampleFreq,
                                              format.bytesPerSample);
    }
    text = NoErrors;
    return true;
}

// ---- writing ----

void ShowWriteError(const std::string& reason)
{
    ShowMessage("Cannot save Wave: " + reason, "FileError", MsgIcon::Information);
}

// Writes the frames b..e-1 of one or two channels, converted block by block.
bool WriteFrames(SafeFileWriter& file, const int16_t* left, const int16_t* right, int32_t b, int32_t e,
                 int16_t bytesPerSample)
{
    const size_t channels = right ? 2 : 1;
    const size_t frameBytes = channels * static_cast<size_t>(bytesPerSample);
    std::vector<uint8_t> block(std::min(BlockBytes, static_cast<size_t>(e - b) * frameBytes));
    const size_t framesPerBlock = block.size() / frameBytes;
    for (int32_t done = b; done < e;) {
        const size_t n = std::min(framesPerBlock, static_cast<size_t>(e - done));
        const int16_t* r = right ? right + done : nullptr;
        if (bytesPerSample == 1)
            ToFrames8(left + done, r, n, block.data());
        else
            ToFrames16(left + done, r, n, block.data());
        if (!file.Write(block.data(), n * frameBytes))
            return false;
        done += static_cast<int32_t>(n);
    }
    return true;
}

} // namespace

bool ReadWaveFile(const std::string& fileName, SoundPtr& sound, std::string& text)
{
    sound.reset();
    text = NoErrors;
    bool regular = true;
    std::FILE* file = OpenRegularFile(fileName, regular);
    if (!file) {
        text = regular ? "Cannot open File." : "Cannot open File: it is not a regular file.";
        return false;
    }
    std::setvbuf(file, nullptr, _IOFBF, BlockBytes);
    FileSource source(file);
    TShortFile shortFile;
    const bool ok = ReadWave(source, sound, text, shortFile);
    std::fclose(file);
    if (ok && shortFile.IsShort())
        ShowShortFile("The file \"" + fileName + "\"", shortFile);
    return ok;
}

bool ReadWaveFile(const uint8_t* bytes, size_t size, SoundPtr& sound, std::string& text)
{
    MemorySource source(bytes, bytes ? size : 0);
    TShortFile shortFile;
    const bool ok = ReadWave(source, sound, text, shortFile);
    if (ok && shortFile.IsShort())
        ShowShortFile("The file", shortFile);
    return ok;
}

bool WriteWaveFile(StopFlag*, const std::string& fileName, const Sound& sound, int32_t begin, int32_t end)
{
    const Wave* left = sound.GetLeftWave();
    const Wave* right = sound.channels == 2 ? sound.GetRightWave() : nullptr;
    if (!left || (sound.channels == 2 && !right))
        return false;
    // A range outside the sound is cut to what the sound has.
    const int32_t values = sound.GetValues();
    end = std::clamp(end, 0, values);
    begin = std::clamp(begin, 0, end);
    const int16_t bytesPerSample = sound.bytesPerSample == 1 ? 1 : 2;

    const uint64_t dataSize64 = static_cast<uint64_t>(sound.channels) * static_cast<uint64_t>(end - begin) *
                                static_cast<uint64_t>(bytesPerSample);
    if (dataSize64 > 0xFFFFFFFFull - 36) {
        ShowWriteError("the sound is too long for a .wav file.");
        return false;
    }
    const auto dataSize = static_cast<uint32_t>(dataSize64);

    uint8_t header[44];
    std::memcpy(header, "RIFF", 4);
    Put32(header + 4, 36 + dataSize);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    Put32(header + 16, 16);
    Put16(header + 20, 1);
    Put16(header + 22, static_cast<uint16_t>(sound.channels));
    Put32(header + 24, static_cast<uint32_t>(sound.sampleFreq));
    Put32(header + 28, static_cast<uint32_t>(sound.channels) * static_cast<uint32_t>(sound.sampleFreq) *
                           static_cast<uint32_t>(bytesPerSample));
    Put16(header + 32, static_cast<uint16_t>(sound.channels * bytesPerSample));
    Put16(header + 34, static_cast<uint16_t>(8 * bytesPerSample));
    std::memcpy(header + 36, "data", 4);
    Put32(header + 40, dataSize);

    SafeFileWriter file(fileName);
    if (!file.Open(BlockBytes)) {
        ShowWriteError(file.GetError());
        return false;
    }
    bool ok = file.Write(header, sizeof header);
    if (ok && begin < end) {
        if (!right && bytesPerSample == 2 && LittleEndian)
            ok = file.Write(left->getData() + begin, static_cast<size_t>(end - begin) * 2);
        else
            ok = WriteFrames(file, left->getData(), right ? right->getData() : nullptr, begin, end, bytesPerSample);
    }
    // Only a complete file is renamed over the target; otherwise the temporary one goes.
    if (!file.Commit()) {
        ShowWriteError(file.GetError());
        return false;
    }
    return true;
}
