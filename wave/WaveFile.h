#pragma once
#include "wave/Sound.h"

#include <cstddef>
#include <cstdint>
#include <string>

// RIFF .wav files: uncompressed PCM, mono or stereo, 8 or 16 bits per sample,
// little-endian whatever the host.

// Writes samples begin to end - 1 of the sound. The file is written under a
// temporary name in the same folder and renamed over the target only when
// every write and the close succeeded; on failure the message box is shown,
// the old file is left as it was and the result is false.
bool WriteWaveFile(StopFlag* stop, const std::string& fileName, const Sound& sound, int32_t begin, int32_t end);

// Reads a .wav file into a new sound. False with the reason in text (and no
// sound) when the file cannot be read or is no regular file (a named pipe
// would block); text is "No errors occurred." only on success. A file that
// ends before its data chunk does keeps the samples it has, and the user is
// told once how much was read. Shows nothing else itself but the memory message.
bool ReadWaveFile(const std::string& fileName, SoundPtr& sound, std::string& text);
// The same from the bytes of a file in memory.
bool ReadWaveFile(const uint8_t* bytes, size_t size, SoundPtr& sound, std::string& text);
