#include "shell/CommandLine.h"

#include "platform/MessageService.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

struct TExtensionKind {
    const char* extension;
    CommandLineKind kind;
};

constexpr TExtensionKind Extensions[] = {
    {"qbp", CommandLineKind::Project}, {"qby", CommandLineKind::Players}, {"qbf", CommandLineKind::Factory},
    {"qbm", CommandLineKind::Music},   {"wav", CommandLineKind::Wave},
};

std::string FileNameComponent(const std::string& path)
{
    size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

CommandLineKind ChooseCommandLineKind(const std::string& fileName)
{
    if (fileName.empty())
        return CommandLineKind::None;
    std::string component = FileNameComponent(fileName);
    size_t dot = component.rfind('.');
    if (dot == std::string::npos)
        ShowMessage("Cannot read the file: \"" + fileName + "\" File has no extension", "File Error",
                    MsgIcon::Information);
    std::string extension = dot == std::string::npos ? component : component.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // A name without a dot is refused even when it reads like an extension ("wav").
    for (const TExtensionKind& entry : Extensions)
        if (dot != std::string::npos && extension == entry.extension)
            return entry.kind;
    ShowMessage("Invalid extension \"" + extension + "\" used.", "File Error", MsgIcon::Information);
    return CommandLineKind::Invalid;
}

std::string CommandLineFilePath(const std::string& fileName)
{
    if (fileName.empty())
        return fileName;
    std::error_code error;
    const std::filesystem::path whole = std::filesystem::absolute(fileName, error);
    // Without a current folder the name stays relative; either way "." and ".."
    // are taken out, so the title and a project show the file's plain path.
    return (error ? std::filesystem::path(fileName) : whole).lexically_normal().string();
}
