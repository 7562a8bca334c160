#include "shell/ProjectTempFiles.h"

#include "foundation/FileNames.h"

#include <cstdint>
#include <cstdio>

namespace {

// The separator the project file name uses, so that the copies' names stay in its style.
char SeparatorOf(const std::string& projectFile, const std::string& path)
{
    return projectFile[path.size()];
}

} // namespace

std::string FittedPath(const std::string& path, const std::string& suffix)
{
    const size_t separator = path.find_last_of("\\/");
    const size_t start = separator == std::string::npos ? 0 : separator + 1;
    const std::string component = path.substr(start);
    if (component.size() + suffix.size() <= LongestFileName)
        return path + suffix;
    // FNV-1a of the whole component.
    uint32_t hash = 2166136261u;
    for (unsigned char c : component) {
        hash ^= c;
        hash *= 16777619u;
    }
    char mark[10];
    std::snprintf(mark, sizeof mark, "~%08x", hash);
    size_t keep = LongestFileName - suffix.size() - (sizeof mark - 1);
    while (keep > 0 && (static_cast<unsigned char>(component[keep]) & 0xC0) == 0x80)
        --keep;
    return path.substr(0, start) + component.substr(0, keep) + mark + suffix;
}

bool ProjectTempFolder(const std::string& projectFile, std::string& folder, std::string& error)
{
    std::string path;
    std::string file;
    if (!PathOfPathFile(projectFile, path, file, error))
        return false;
    std::string base;
    std::string extension;
    SplitFileExtension(file, base, extension);
    folder = FittedPath(path + SeparatorOf(projectFile, path) + base, "TempSaveFiles");
    return true;
}

std::string FileInFolder(const std::string& folder, const std::string& name)
{
    // The folder was made from a name with a separator; the last one names its style.
    const size_t separator = folder.find_last_of("\\/");
    const char style = separator == std::string::npos ? '/' : folder[separator];
    return folder + style + name;
}

std::string ProjectCopyFile(const std::string& folder, const char* prefix, const std::string& number,
                            const char* extension)
{
    std::string name = prefix + number;
    if (extension)
        name += std::string(".") + extension;
    return FileInFolder(folder, name);
}

bool ProjectCopyBase(const std::string& projectFile, const std::string& number, std::string& base,
                     std::string& error)
{
    std::string folder;
    if (!ProjectTempFolder(projectFile, folder, error))
        return false;
    base = ProjectCopyFile(folder, SavedCopyPrefix, number);
    return true;
}
