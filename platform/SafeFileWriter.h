#pragma once
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

// Writes a file so that a failure never destroys the old one: the bytes go to a
// new temporary file in the target's folder, every write, the flush and the
// close are checked, and only then is it renamed over the target (keeping the
// target's permission bits). A target the user made read-only, or a folder, is
// refused. Without Commit the temporary file is removed.
class SafeFileWriter {
public:
    explicit SafeFileWriter(const std::string& target);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // False when the target is protected or no temporary file can be made.
    bool Open(size_t bufferSize = 0);
    bool Write(const void* data, size_t size);
    bool Write(const std::string& bytes) { return Write(bytes.data(), bytes.size()); }
    // False (and the old file untouched) when any write, the flush, the close or the rename failed.
    bool Commit();

    // A whole file in one step.
    static bool WriteWhole(const std::string& target, const std::string& bytes);

private:
    void Discard();

    std::filesystem::path target;
    std::filesystem::path temporary;
    std::FILE* file = nullptr;
    bool failed = false;
};
