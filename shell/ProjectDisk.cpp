#include "shell/ProjectDisk.h"

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class TRealProjectDisk : public TProjectDisk {
public:
    bool Exists(const std::string& path) override
    {
        std::error_code ec;
        return fs::exists(fs::path(path), ec);
    }

    bool CreateFolder(const std::string& path) override
    {
        std::error_code ec;
        fs::create_directory(fs::path(path), ec);
        return !ec && fs::is_directory(fs::path(path), ec);
    }

    bool Rename(const std::string& from, const std::string& to) override
    {
        std::error_code ec;
        fs::rename(fs::path(from), fs::path(to), ec);
        return !ec;
    }

    bool RemoveFile(const std::string& path) override
    {
        std::error_code ec;
        return fs::remove(fs::path(path), ec) && !ec;
    }

    bool RemoveFolder(const std::string& path) override
    {
        std::error_code ec;
        fs::remove_all(fs::path(path), ec);
        return !ec;
    }

    std::vector<std::string> FileNames(const std::string& folder) override
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec))
                names.push_back(it->path().filename().string());
        return names;
    }
};

} // namespace

TProjectDisk& RealProjectDisk()
{
    static TRealProjectDisk disk;
    return disk;
}

bool IsWritableFile(const std::string& fileName)
{
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(fileName), ec);
    if (ec || !fs::is_regular_file(status))
        return false;
    // The permission bits count also for a user the system lets write anything.
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return false;
    return access(fileName.c_str(), W_OK) == 0;
}
