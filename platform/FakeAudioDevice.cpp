#include "platform/FakeAudioDevice.h"

#include "platform/SafeFileWriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

bool FakeAudioDevice::Open(const std::string& fileName, std::string& error)
{
    log.push_back("Open");
    // Opening again ends what ran on the previous file.
    EndPlay();
    openedFile.clear();
    mode = AudioMode::NotReady;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec)) {
        error = "The file \"" + fileName + "\" does not exist.";
        return false;
    }
    openedFile = fileName;
    mode = AudioMode::Stopped;
    return true;
}

void FakeAudioDevice::Close()
{
    log.push_back("Close");
    EndPlay();
    openedFile.clear();
    mode = AudioMode::NotReady;
}

bool FakeAudioDevice::Play(uint64_t playId, std::string& error)
{
    log.push_back("Play " + std::to_string(playId));
    if (mode == AudioMode::NotReady || startFails) {
        error = mode == AudioMode::NotReady ? "No file is open." : "The device refused to start.";
        return false;
    }
    EndPlay();
    runningPlay = playId;
    mode = AudioMode::Playing;
    return true;
}

void FakeAudioDevice::Pause()
{
    log.push_back("Pause");
    if (mode == AudioMode::Playing || mode == AudioMode::Recording) {
        mode = AudioMode::Paused;
        EndPlay();
    }
}

bool FakeAudioDevice::StartRecording(std::string& error)
{
    log.push_back("Record");
    if (mode == AudioMode::NotReady || startFails) {
        error = mode == AudioMode::NotReady ? "No file is open." : "The device refused to start.";
        return false;
    }
    EndPlay();
    mode = AudioMode::Recording;
    return true;
}

void FakeAudioDevice::Stop()
{
    log.push_back("Stop");
    if (mode == AudioMode::NotReady)
        return;
    mode = AudioMode::Stopped;
    EndPlay();
}

bool FakeAudioDevice::Save(std::string& error)
{
    log.push_back("Save");
    if (mode == AudioMode::NotReady || saveFails) {
        error = mode == AudioMode::NotReady ? "No file is open." : "The device could not save.";
        return false;
    }
    if (recordingSource.empty())
        return true;
    std::ifstream in(recordingSource, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = "Cannot read \"" + recordingSource + "\".";
        return false;
    }
    if (!SafeFileWriter::WriteWhole(openedFile, bytes)) {
        error = "Cannot write \"" + openedFile + "\".";
        return false;
    }
    return true;
}

void FakeAudioDevice::FinishPlay()
{
    if (mode != AudioMode::Playing)
        return;
    mode = AudioMode::Stopped;
    EndPlay();
}

void FakeAudioDevice::EndPlay()
{
    const uint64_t id = std::exchange(runningPlay, 0);
    if (id != 0 && endHandler)
        endHandler(id);
}
