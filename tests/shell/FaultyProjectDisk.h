#pragma once
#include "shell/ProjectDisk.h"

#include <string>
#include <vector>

// The real disk, but the changing operation number failAt fails; with dies
// set, that one and every one after it fail, as when the program stops there.
class FaultyProjectDisk : public TProjectDisk {
public:
    explicit FaultyProjectDisk(int failAt, bool dies = false) : failAt(failAt), dies(dies) {}

    bool Exists(const std::string& path) override { return real.Exists(path); }
    bool CreateFolder(const std::string& path) override { return Step() && real.CreateFolder(path); }
    bool Rename(const std::string& from, const std::string& to) override { return Step() && real.Rename(from, to); }
    bool RemoveFile(const std::string& path) override { return Step() && real.RemoveFile(path); }
    bool RemoveFolder(const std::string& path) override { return Step() && real.RemoveFolder(path); }
    std::vector<std::string> FileNames(const std::string& folder) override { return real.FileNames(folder); }

    bool Failed() const { return count > failAt; }

private:
    bool Step()
    {
        const int now = count++;
        return dies ? now < failAt : now != failAt;
    }

    TProjectDisk& real = RealProjectDisk();
    int failAt;
    bool dies;
    int count = 0;
};
