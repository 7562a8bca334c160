#pragma once
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

// Writes a file so that a failure never destroys the old one: the bytes go to a
// new temporary file in the target's folder, every write, the flush and the
// close are checked, the data is forced to the disk, and only then is it renamed
// over the target (keeping the target's permission bits) and the folder forced
// to the disk too, so that a power loss leaves the old file or the new one.
// A target the user made read-only, or a folder, is refused. Without Commit the
// temporary file is removed.
//
// A target that is a symbolic link is written where the link points; the link
// stays. The temporary name is short whatever the target's name (so that any
// name the file system takes can be saved) and made from it, so that what a
// save killed half-way left behind is found and removed by the next save of the
// same target; a temporary file another save is still writing is left alone.
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
    // What failed in Open or Commit, as a sentence for the user ("Operating System cannot ...").
    const std::string& GetError() const { return error; }

    // The temporary name a save of target uses (serial told apart by a number).
    static std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned serial);

    // A whole file in one step; error receives what failed.
    static bool WriteWhole(const std::string& target, const std::string& bytes, std::string* error = nullptr);

private:
    void Discard();
    void Fail(const std::string& message);
    void RemoveStaleTemporaries() const;

    std::filesystem::path target;
    std::filesystem::path temporary;
    std::FILE* file = nullptr;
    bool failed = false;
    int writeErrno = 0;
    std::string error;
};
