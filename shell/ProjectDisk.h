#pragma once
#include <string>
#include <vector>

// The file operations a project save is made of, so that tests can make any
// one of them fail. Each gives false when the operation did not happen.
class TProjectDisk {
public:
    virtual ~TProjectDisk() = default;

    virtual bool Exists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // The folder with everything in it.
    virtual bool RemoveFolder(const std::string& path) = 0;
    // The names (without the folder) of the files in a folder; none when it does not exist.
    virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
};

// The real file system.
TProjectDisk& RealProjectDisk();

// Whether a file may be written: it exists as a regular file that neither its
// permission bits nor the system protect against writing.
bool IsWritableFile(const std::string& fileName);
