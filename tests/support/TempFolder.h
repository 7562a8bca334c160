#pragma once
#include <filesystem>
#include <string>

// A fresh folder under the system temp folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::string File(const std::string& name) const { return (path / name).string(); }

private:
    std::filesystem::path path;
};

std::string ReadWholeFile(const std::string& fileName);
void WriteWholeFile(const std::string& fileName, const std::string& bytes);
