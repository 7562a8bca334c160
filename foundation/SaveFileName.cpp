#include "foundation/SaveFileName.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::vector<std::string> FilterExtensions(const std::string& filter)
{
    std::vector<std::string> extensions;
    for (size_t at = filter.find("*."); at != std::string::npos; at = filter.find("*.", at + 2)) {
        const size_t start = at + 2;
        const size_t end = filter.find_first_of(" ;|()", start);
        const std::string extension = Lower(filter.substr(start, end == std::string::npos ? end : end - start));
        // "*.*" and the like match every name: no extension of their own.
        if (extension.empty() || extension.find_first_of("*?[") != std::string::npos)
            continue;
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
            extensions.push_back(extension);
    }
    return extensions;
}

std::string SaveFileName(const std::string& name, const std::string& filter, const std::string& defaultExtension)
{
    const size_t separator = name.find_last_of("/\\");
    const size_t componentStart = separator == std::string::npos ? 0 : separator + 1;
    const std::string component = name.substr(componentStart);
    if (component.empty() || component == "." || component == ".." || defaultExtension.empty())
        return name;
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot >= componentStart) {
        const std::vector<std::string> extensions = FilterExtensions(filter);
        if (std::find(extensions.begin(), extensions.end(), Lower(name.substr(dot + 1))) != extensions.end())
            return name;
    }
    // "song." gets "song.qbm", not "song..qbm".
    return name.back() == '.' ? name + defaultExtension : name + "." + defaultExtension;
}
